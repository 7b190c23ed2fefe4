#pragma once

#include "definitions/parameter_line.h"
#include "workbench/text_lines.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// One definition line of a parameter file, as the loader reads it.
struct ParameterEntry {
    // The physical line it stands on.
    std::size_t line = 0;
    ParameterLineFields fields;
    // False for a line longer than the reader reads at once: it is kept, never edited.
    bool editable = true;

    // The formula without the line feed the loader keeps with it when it ends the line.
    std::string_view ShownFormula() const;
};

// A parameter file held as its lines, so that it is written back byte for byte except for
// the lines an edit changed. Its entries are what the loader takes from those lines, in
// file order, duplicates included.
//
// Every edit either leaves the file reading back as asked (the changed line read through
// the loader's own rules gives exactly the fields asked for) or changes nothing and gives
// the reason. Entries are counted in file order; an edit may renumber them.
class ParameterFileDocument {
public:
    explicit ParameterFileDocument(std::string_view bytes = {});

    std::string Text() const { return JoinTextLines(lines_); }
    const std::vector<TextLine>& Lines() const { return lines_; }
    const std::vector<ParameterEntry>& Entries() const { return entries_; }

    bool SetName(std::size_t entry, std::string_view name, std::string& reason);
    bool SetFormat(std::size_t entry, std::string_view format, std::string& reason);
    bool SetFormula(std::size_t entry, std::string_view formula, std::string& reason);

    // Adds a line "name,format,formula" before the line of the entry `before`, or after the
    // last line when `before` is the number of entries.
    bool Add(std::size_t before, std::string_view name, std::string_view format,
             std::string_view formula, std::string& reason);
    bool Remove(std::size_t entry, std::string& reason);
    // Moves the entry's line so that it becomes entry `to`; the lines between stay.
    bool Move(std::size_t entry, std::size_t to, std::string& reason);

private:
    bool SetField(std::size_t entry, std::size_t field, std::string_view value,
                  std::string& reason);
    bool CheckEditable(std::size_t entry, std::string& reason) const;
    void Scan();

    std::vector<TextLine> lines_;
    std::vector<ParameterEntry> entries_;
};

} // namespace korvane
