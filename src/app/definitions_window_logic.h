#pragma once

#include "app/definitions_host.h"
#include "app/definitions_view.h"
#include "app/edit_history.h"
#include "app/unit_worker.h"
#include "workbench/monitor_file_document.h"
#include "workbench/parameter_file_document.h"

#include <cstdint>
#include <optional>
#include <string>

namespace korvane {

// The presenter of the definitions window: holds both definition files as documents, turns
// the user's edits into the documents' edits (each undoable), checks the files after every
// change, previews the formula of the parameter looked at, and saves through an atomic
// replace that keeps a backup, after which the main window loads the files again.
class DefinitionsWindowLogic final : public DefinitionsActions {
public:
    // The files are read from `folder` (the working directory when empty) by their usual
    // names.
    DefinitionsWindowLogic(DefinitionsView& view, DefinitionsHost& host, std::string folder = {});

    // Reads the files and shows them. A file that is not there starts empty; one that is
    // there but cannot be read is named in the notice and never saved over.
    void OnCreate();

    void ChooseGroup(int row) override;
    void ChooseEntry(int row) override;
    void ChooseParameter(int row) override;
    void EditEntry(int row, EntryColumn column, const std::string& text) override;
    void EditParameter(int row, ParameterColumn column, const std::string& text) override;
    void TypeInParameter(int row, ParameterColumn column, const std::string& text) override;
    void AddEntry() override;
    void RemoveEntry() override;
    void MoveEntry(int step) override;
    void AddParameter() override;
    void RemoveParameter() override;
    void MoveParameter(int step) override;
    void Undo() override;
    void Redo() override;
    void ChoosePreviewByte(std::uint8_t byte) override;
    void ReadNow() override;
    void Save() override;

    // The main window showed a Read Parameters pass: the preview takes its bytes.
    void PassShown() { ShowPreview(); }

    // The files' texts as edited.
    DefinitionTexts Texts() const { return {parameters_.Text(), monitor_.Text()}; }

private:
    // The parameter the preview follows: its name, format and formula, which typing may
    // change before the edit is confirmed.
    struct Subject {
        std::string name;
        std::string format;
        std::string formula;
    };
    enum class SubjectSource { None, Parameter, Entry };

    struct FileState {
        std::string path;
        // False when the file is there but could not be read: it is never written.
        bool readable = true;
    };

    // After an edit of a document: recorded and shown, or the reason shown.
    void Edited(bool done, const std::string& reason);
    void Restore(const DefinitionTexts& texts);
    void ShowAll();
    void ShowFindings();
    void ShowPreview();
    void ShowEditState();
    // Follows the chosen row of the table it came from again, as it reads after a change.
    void RefreshSubject();
    std::optional<std::uint32_t> SubjectAddress() const;
    std::string NewName() const;

    DefinitionsView& view_;
    DefinitionsHost& host_;
    FileState parameterFile_;
    FileState monitorFile_;
    ParameterFileDocument parameters_;
    MonitorFileDocument monitor_;
    EditHistory history_{{}};
    DefinitionTexts saved_;

    int group_ = -1;
    int entry_ = -1;
    int parameter_ = -1;
    SubjectSource source_ = SubjectSource::None;
    std::optional<Subject> subject_;
    std::uint8_t previewByte_ = 0;

    // The last "Read now": for which name, and the byte (none: no reply); nothing while
    // under way.
    struct ReadNowState {
        std::string name;
        bool underWay = false;
        std::optional<std::uint8_t> byte;
    };
    std::optional<ReadNowState> readNow_;
    CompletionGuard guard_;
};

} // namespace korvane
