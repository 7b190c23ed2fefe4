#pragma once

#include "workbench/text_lines.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// One address line of a ROM ID section, as the loader reads it.
struct MonitorEntry {
    std::size_t line = 0;
    std::string name;
    // As written after "Address=", up to the trimmed end of the line.
    std::string addressText;
    std::uint32_t address = 0;
    // False for a line longer than the reader reads at once: it is kept, never edited.
    bool editable = true;
};

// One ROM ID section: its header line, its name and its address lines in file order,
// duplicates included.
struct MonitorGroup {
    std::size_t line = 0;
    std::string romId;
    std::string name;
    std::vector<MonitorEntry> entries;
};

// A monitor file held as its lines, so that it is written back byte for byte except for
// the lines an edit changed. Every edit either leaves the changed line reading back as
// asked through the loader's own rules, or changes nothing and gives the reason.
class MonitorFileDocument {
public:
    explicit MonitorFileDocument(std::string_view bytes = {});

    std::string Text() const { return JoinTextLines(lines_); }
    const std::vector<TextLine>& Lines() const { return lines_; }
    const std::vector<MonitorGroup>& Groups() const { return groups_; }
    // The preferred port as the loader leaves it.
    int CommPort() const { return commPort_; }

    bool SetEntryName(std::size_t group, std::size_t entry, std::string_view name,
                      std::string& reason);
    // Writes the new address in the entry's hexadecimal digits, upper case, at least four.
    bool SetEntryAddress(std::size_t group, std::size_t entry, std::uint32_t address,
                         std::string& reason);
    // Adds "<name>Address=0x<hex>" before the entry `before` of the group, or after the
    // group's last line of its own when `before` is its number of entries.
    bool AddEntry(std::size_t group, std::size_t before, std::string_view name,
                  std::uint32_t address, std::string& reason);
    bool RemoveEntry(std::size_t group, std::size_t entry, std::string& reason);
    // Moves the entry's line so that it becomes the group's entry `to`, or the nearest it
    // can be when entries share a line that is longer than the reader reads at once.
    bool MoveEntry(std::size_t group, std::size_t entry, std::size_t to, std::string& reason);

private:
    const MonitorEntry* Editable(std::size_t group, std::size_t entry, std::string& reason) const;
    // Replaces the entry's line when the new text reads as an address line of that name
    // and address, with the same effect on the port option.
    bool Replace(const MonitorEntry& entry, std::string text, std::string_view name,
                 std::uint32_t address, std::string& reason);
    void Scan();
    // The line, moved as little as needed to lie within the group: after its header's line
    // and not past the next header's. A header's line may hold entries and, cut by the
    // reader, further headers. None when the group has no line of its own.
    std::optional<std::size_t> LineInGroup(std::size_t group, std::size_t line) const;

    std::vector<TextLine> lines_;
    std::vector<MonitorGroup> groups_;
    int commPort_ = 1;
    // The line after each group's last line of its own, where a new entry goes.
    std::vector<std::size_t> groupEnds_;
};

} // namespace korvane
