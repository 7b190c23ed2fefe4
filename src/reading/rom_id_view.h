#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class DefinitionStore;

// A parameter of the selected group, shown with a placeholder until a pass reads it.
struct RomIdParameter {
    std::uint32_t address = 0;
    std::string name;
    // Its display format, which tells before any pass whether it shows a quantity.
    std::string format;
};

// What the window shows of the selected ROM-ID group.
struct RomIdView {
    // The selected ROM ID, or "-none-".
    std::string romId;
    // One per parameter address, ascending, until the first pass replaces them.
    std::vector<RomIdParameter> parameters;
    // The switch addresses as at least 4 hexadecimal digits ("0000" and "0001" when the
    // group defines none); none with no group selected, so the boxes keep their text.
    std::optional<std::string> inputSwitchAddress;
    std::optional<std::string> ioSwitchAddress;
};

RomIdView MakeRomIdView(const DefinitionStore& definitions);

// The address as at least four hexadecimal digits, as the parameter lines show it.
std::string ParameterAddressText(std::uint32_t address);
// A parameter's line before its first reading: "%.*lX: %s \t??".
std::string PlaceholderLine(const RomIdParameter& parameter);

// True when the ROM ID list entry ("ID" or "ID  Name") names this ROM ID as its whole first
// word, ignoring case: "A1B2C3" must not pick "A1B2C3D4  ...".
bool EntryNamesRomId(std::string_view entry, std::string_view romId);

} // namespace korvane
