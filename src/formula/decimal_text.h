#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// Reads the leading decimal number of `text`: blanks, an optional sign, digits with an
// optional point and fraction, an optional exponent. No hexadecimal, infinity or NaN
// forms; 0 when the text does not start with a number. Too large magnitudes give an
// infinity, too small ones 0. Independent of the C locale.
double ReadLeadingReal(std::string_view text);

// The number of `text` when the text is one whole finite decimal number, read as
// ReadLeadingReal reads it; none for an empty text, trailing characters or an infinity.
std::optional<double> ReadWholeReal(std::string_view text);

// Reads blanks, an optional sign and decimal digits, stopping at the first other
// character; 0 without digits. Saturates to the 32-bit range instead of overflowing.
std::int32_t ReadLeadingInt32(std::string_view text);

// The value written as with "%f" in the C locale (six decimals; "inf", "nan").
std::string WriteFixed(double value);

} // namespace korvane
