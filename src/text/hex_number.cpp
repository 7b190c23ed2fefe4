#include "text/hex_number.h"

#include <cctype>

namespace korvane {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

std::optional<std::uint32_t> ParseHexAddress(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) {
        ++at;
    }
    // "0x" counts as a prefix only when a digit follows it; "0" alone is the number 0.
    if (at + 2 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X') &&
        HexDigit(text[at + 2]) >= 0) {
        at += 2;
    }
    std::uint32_t value = 0;
    bool anyDigit = false;
    for (; at < text.size() && HexDigit(text[at]) >= 0; ++at) {
        value = (value << 4) | static_cast<std::uint32_t>(HexDigit(text[at]));
        anyDigit = true;
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    return value;
}

} // namespace korvane
