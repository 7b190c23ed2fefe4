#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class DefinitionStore;

// What the window shows of the selected ROM-ID group.
struct RomIdView {
    // The selected ROM ID, or "-none-".
    std::string romId;
    // One placeholder line per parameter address, until the first pass replaces them.
    std::vector<std::string> placeholderLines;
    // The switch addresses as at least 4 hexadecimal digits ("0000" and "0001" when the
    // group defines none); none with no group selected, so the boxes keep their text.
    std::optional<std::string> inputSwitchAddress;
    std::optional<std::string> ioSwitchAddress;
};

RomIdView MakeRomIdView(const DefinitionStore& definitions);

// True when the ROM ID list entry ("ID" or "ID  Name") names this ROM ID as its whole first
// word, ignoring case: "A1B2C3" must not pick "A1B2C3D4  ...".
bool EntryNamesRomId(std::string_view entry, std::string_view romId);

} // namespace korvane
