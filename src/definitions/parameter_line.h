#pragma once

#include <string>
#include <string_view>

namespace korvane {

// What a definition line of the parameter file gives: the first three of its fields.
struct ParameterLineFields {
    std::string name;
    std::string format;
    // With the line feed at its end when the formula ends the line.
    std::string formula;
};

// Reads one line as the reader delivers it (line feed included). False when it is no
// definition line: it splits into fewer than three fields.
bool ReadParameterLine(std::string_view line, ParameterLineFields& fields);

} // namespace korvane
