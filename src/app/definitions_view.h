#pragma once

#include "app/formula_preview.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

// A ROM ID section of the monitor file.
struct MonitorGroupRow {
    std::string romId;
    std::string name;
};

// An address line of a section: the parameter's name and the address as written.
struct MonitorEntryRow {
    std::string name;
    std::string address;
};

// A definition line of the parameter file; the formula without the line feed it ends with.
struct ParameterFileRow {
    std::string name;
    std::string format;
    std::string formula;
};

enum class EntryColumn { Name, Address };
enum class ParameterColumn { Name, Format, Formula };

// The preview of the parameter being looked at.
struct FormulaPreviewView {
    // "Name: format, formula"; empty when no parameter is chosen (the rest is then empty).
    std::string subject;
    // The byte of the last Read Parameters pass put through the formula, or why there is none.
    std::string lastPass;
    // The byte the user typed.
    PreviewValue typed;
    // 00 to FF.
    std::vector<PreviewValue> sweep;
    // The address "Read now" reads (four hexadecimal digits or more); empty when the
    // chosen section has no address line of that name.
    std::string readAddress;
    // What "Read now" brought: empty before it, while under way, the byte read put through
    // the formula, or that the unit gave no reply.
    std::string readNow;
};

// The definitions window as its presenter sees it. Nothing the presenter does here
// reports a user action.
class DefinitionsView {
public:
    virtual ~DefinitionsView() = default;
    // The sections, the one at `selected` chosen (-1: none).
    virtual void ShowGroups(const std::vector<MonitorGroupRow>& groups, int selected) = 0;
    // The chosen section's address lines, the one at `selected` chosen.
    virtual void ShowEntries(const std::vector<MonitorEntryRow>& entries, int selected) = 0;
    virtual void ShowParameters(const std::vector<ParameterFileRow>& parameters, int selected) = 0;
    virtual void ShowPreview(const FormulaPreviewView& preview) = 0;
    // The checks' findings, "file:line: warning: text" each.
    virtual void ShowFindings(const std::vector<std::string>& findings) = 0;
    virtual void ShowEditState(bool canUndo, bool canRedo, bool unsaved) = 0;
    // Why an edit was refused, what a save did.
    virtual void ShowNotice(const std::string& text) = 0;
};

// What the user does in the definitions window; the presenter acts on each.
class DefinitionsActions {
public:
    virtual ~DefinitionsActions() = default;
    virtual void ChooseGroup(int row) = 0;
    virtual void ChooseEntry(int row) = 0;
    virtual void ChooseParameter(int row) = 0;
    // A cell's edit, confirmed.
    virtual void EditEntry(int row, EntryColumn column, const std::string& text) = 0;
    virtual void EditParameter(int row, ParameterColumn column, const std::string& text) = 0;
    // A parameter cell being typed in, not yet confirmed: only the preview follows it.
    virtual void TypeInParameter(int row, ParameterColumn column, const std::string& text) = 0;
    // On the chosen row: add before it (at the end with none), remove, move up (-1) or
    // down (+1).
    virtual void AddEntry() = 0;
    virtual void RemoveEntry() = 0;
    virtual void MoveEntry(int step) = 0;
    virtual void AddParameter() = 0;
    virtual void RemoveParameter() = 0;
    virtual void MoveParameter(int step) = 0;
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    virtual void ChoosePreviewByte(std::uint8_t byte) = 0;
    virtual void ReadNow() = 0;
    virtual void Save() = 0;
};

} // namespace korvane
