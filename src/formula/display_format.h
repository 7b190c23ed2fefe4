#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

// What a display format asks to print.
enum class DisplayConversion { None, Real, Signed, Unsigned };

// A display format taken apart: literal text around at most one numeric conversion.
// The conversion is rebuilt from validated pieces only (flags, bounded width and
// precision, the letter; no length modifier), so it is safe to hand to printf.
struct DisplayFormat {
    std::string prefix; // literal text, "%%" already reduced to "%"
    std::string conversion;
    DisplayConversion kind = DisplayConversion::None;
    std::string suffix; // literal text after the conversion
};

// Takes a user-supplied format apart. False when it holds anything but "%%" and at
// most one numeric conversion: text conversions, "%n", "*" widths, a second
// conversion, a lone "%" or an unknown letter.
bool ParseDisplayFormat(std::string_view format, DisplayFormat& parsed);

// The conversion printed with the argument its letter needs, cut to `limit` characters.
std::string PrintConversion(const DisplayFormat& format, double real, std::int32_t integer,
                            std::size_t limit);

} // namespace korvane
