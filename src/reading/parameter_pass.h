#pragma once

#include "link/unit_link.h"
#include "reading/switch_bytes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

class DefinitionStore;
class LogFile;

// One parameter as a pass leaves it.
struct ParameterReading {
    std::uint32_t address = 0;
    std::string name;
    // The byte this pass read; none when the read failed before reaching it.
    std::optional<std::uint8_t> byte;
    // The display text; none when its byte, or the byte of a parameter its formula uses,
    // was not read in this pass.
    std::optional<std::string> value;
    // The value as a number, worked out with the text: what a graph draws. None without a
    // text, and when the formula gave no number (a failed evaluation, a text, a divisor
    // too close to zero). A format such as "0x%02X" shows a text that reads as no number,
    // or another one, so the number never comes from the text.
    std::optional<double> number;
};

// What one Read Parameters pass read.
struct ParameterPassResult {
    // False when no ROM ID with parameters is selected: nothing was read, the list is
    // empty and the switch bytes were not read.
    bool read = false;
    // The transaction's result: the bytes read, or -1 when it failed.
    int bytesRead = 0;
    // The pass counter before this pass.
    int passNumber = 0;
    // Ascending by address, one per address.
    std::vector<ParameterReading> parameters;
    SwitchBytes switches;
};

// One pass of Read Parameters: reads the byte of every parameter of the selected ROM-ID
// group in one transaction, converts each through its formula, writes a row of values to
// the log (after the header and the row of names on a first pass), then reads the two
// switch bytes. `passCount` counts the passes that reached the read.
ParameterPassResult ReadParametersPass(const UnitLink& link, DefinitionStore& definitions,
                                       LogFile& log, int& passCount, bool firstPass,
                                       const SwitchAddresses& switches);

} // namespace korvane
