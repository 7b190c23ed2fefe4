#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The separators between the fields of a parameter template line: comma, space, tab.
inline constexpr std::string_view kFieldSeparators = ", \t";

// Control bytes, space and every byte from 0x80 up: the bytes the definition files treat
// as white space (the byte read as a signed 8-bit number is 32 or less).
inline bool IsBlankByte(char byte) {
    return static_cast<signed char>(byte) <= 32;
}

// True for a line the definition reader skips: a comment (";" first), an empty line, or one
// that starts with a blank byte.
inline bool IsSkippedLine(std::string_view line) {
    return line.empty() || line.front() == ';' || IsBlankByte(line.front());
}

// Removes blank bytes from the end of the line. The first byte is always kept: the reader
// never hands over a line that starts with a blank byte.
void TrimTrailingBlanks(std::string& line);

// Where one field lies in the split text: its bytes without the quotes, and whether it
// was written in double quotes (the opening quote stands just before `start`; a closing
// quote, when there is one, just after the field).
struct FieldSpan {
    std::size_t start = 0;
    std::size_t length = 0;
    bool quoted = false;
};

// The fields of the text as SplitFields finds them, by position. Appends to the list and
// returns how many were appended.
int SplitFieldSpans(std::string_view text, std::string_view separators,
                    std::vector<FieldSpan>& spans);

// Appends the fields of the text to the list and returns how many were appended. Runs of
// separators count as one; a field starting with a double quote runs to the next double
// quote, separators included, and is appended even when empty.
int SplitFields(std::string_view text, std::string_view separators,
                std::vector<std::string>& fields);

// Leading white space, an optional sign, decimal digits; 0 without digits. Values beyond
// the 32-bit range saturate.
std::int32_t ReadDecimal(std::string_view text);

// Leading white space, an optional 0x or 0X, hexadecimal digits in either case; 0 without
// digits. Values beyond the 32-bit range saturate.
std::uint32_t ReadHex(std::string_view text);

} // namespace korvane
