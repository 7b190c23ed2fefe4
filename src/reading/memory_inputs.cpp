#include "reading/memory_inputs.h"

#include "text/hex_number.h"

#include <cctype>

namespace korvane {

namespace {

// As many characters as the boxes' small text buffers hold.
constexpr std::size_t kStartTextLength = 5;
constexpr std::size_t kCountTextLength = 3;

std::optional<long> LeadingDecimal(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    long value = 0;
    bool anyDigit = false;
    // The text is at most a few characters long, so the value cannot overflow.
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0; ++at) {
        value = value * 10 + (text[at] - '0');
        anyDigit = true;
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace

std::uint16_t MemoryStartFromText(std::string_view text) {
    const auto value = ParseHexAddress(text.substr(0, kStartTextLength));
    return static_cast<std::uint16_t>(value.value_or(0) & 0xFFFFU);
}

int MemoryCountFromText(std::string_view text) {
    const auto value = LeadingDecimal(text.substr(0, kCountTextLength));
    if (!value || *value < 0 || *value > kMaxMemoryCount) {
        return kMaxMemoryCount;
    }
    return static_cast<int>(*value);
}

} // namespace korvane
