#include "formula/display_format.h"

#include "formula/formula_value.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace korvane {
namespace {

// Wider fields or longer precisions could never fit the display text.
constexpr unsigned kMaxFieldLength = kDisplayTextLimit;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a run of digits, saturating at kMaxFieldLength.
unsigned ReadBoundedNumber(std::string_view text, std::size_t& i) {
    unsigned value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > kMaxFieldLength) {
            value = kMaxFieldLength;
        }
    }
    return value;
}

void SkipLengthModifier(std::string_view text, std::size_t& i) {
    if (i >= text.size()) {
        return;
    }
    const char c = text[i];
    if ((c == 'h' || c == 'l') && i + 1 < text.size() && text[i + 1] == c) {
        i += 2;
    } else if (c == 'h' || c == 'l' || c == 'j' || c == 'z' || c == 't' || c == 'L') {
        ++i;
    }
}

DisplayConversion KindOfLetter(char letter) {
    switch (letter) {
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
        return DisplayConversion::Real;
    case 'd':
    case 'i':
        return DisplayConversion::Signed;
    case 'u':
    case 'o':
    case 'x':
    case 'X':
        return DisplayConversion::Unsigned;
    default:
        return DisplayConversion::None;
    }
}

// Parses one conversion after its "%" at `i`; on success `i` stands after the letter.
bool ParseConversion(std::string_view format, std::size_t& i, DisplayFormat& parsed) {
    bool left = false;
    bool plus = false;
    bool space = false;
    bool alternate = false;
    bool zero = false;
    for (bool more = true; more && i < format.size();) {
        switch (format[i]) {
        case '-':
            left = true;
            break;
        case '+':
            plus = true;
            break;
        case ' ':
            space = true;
            break;
        case '#':
            alternate = true;
            break;
        case '0':
            zero = true;
            break;
        default:
            more = false;
            continue;
        }
        ++i;
    }
    const bool hasWidth = i < format.size() && IsDigit(format[i]);
    const unsigned width = ReadBoundedNumber(format, i);
    bool hasPrecision = false;
    unsigned precision = 0;
    if (i < format.size() && format[i] == '.') {
        ++i;
        hasPrecision = true;
        precision = ReadBoundedNumber(format, i);
    }
    SkipLengthModifier(format, i);
    if (i >= format.size()) {
        return false;
    }
    const char letter = format[i];
    const DisplayConversion kind = KindOfLetter(letter);
    if (kind == DisplayConversion::None) {
        return false;
    }
    ++i;
    // "#" is undefined for the decimal integer conversions.
    if (letter == 'd' || letter == 'i' || letter == 'u') {
        alternate = false;
    }
    std::string printfConversion(1, '%');
    if (left) {
        printfConversion += '-';
    }
    if (plus) {
        printfConversion += '+';
    }
    if (space) {
        printfConversion += ' ';
    }
    if (alternate) {
        printfConversion += '#';
    }
    if (zero) {
        printfConversion += '0';
    }
    if (hasWidth) {
        printfConversion += std::to_string(width);
    }
    if (hasPrecision) {
        printfConversion += '.';
        printfConversion += std::to_string(precision);
    }
    printfConversion += letter;
    parsed.conversion = std::move(printfConversion);
    parsed.kind = kind;
    return true;
}

} // namespace

bool ParseDisplayFormat(std::string_view format, DisplayFormat& parsed) {
    parsed = DisplayFormat{};
    std::string* literal = &parsed.prefix;
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c != '%') {
            literal->push_back(c);
            ++i;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            literal->push_back('%');
            i += 2;
            continue;
        }
        if (parsed.kind != DisplayConversion::None) {
            return false;
        }
        ++i;
        if (!ParseConversion(format, i, parsed)) {
            return false;
        }
        literal = &parsed.suffix;
    }
    return true;
}

std::string PrintConversion(const DisplayFormat& format, double real, std::int32_t integer,
                            std::size_t limit) {
    if (format.kind == DisplayConversion::None) {
        return {};
    }
    std::vector<char> text(limit + 1);
    const char* printfConversion = format.conversion.c_str();
    int written = 0;
    // The conversion was rebuilt from validated pieces and gets the argument its
    // letter needs, so this non-literal format is safe.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    switch (format.kind) {
    case DisplayConversion::Real:
        written = std::snprintf(text.data(), text.size(), printfConversion, real);
        break;
    case DisplayConversion::Signed:
        written = std::snprintf(text.data(), text.size(), printfConversion, integer);
        break;
    case DisplayConversion::Unsigned:
        written = std::snprintf(text.data(), text.size(), printfConversion,
                                static_cast<unsigned>(integer));
        break;
    case DisplayConversion::None:
        break;
    }
#pragma GCC diagnostic pop
    if (written < 0) {
        return {};
    }
    return std::string(text.data());
}

} // namespace korvane
