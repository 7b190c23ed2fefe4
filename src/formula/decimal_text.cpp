#include "formula/decimal_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace korvane {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    return i;
}

// The power of ten of the first significant digit of an unsigned decimal number, used
// only to tell an overflow from an underflow; exponents saturate far beyond the range.
long long DecimalMagnitude(std::string_view number) {
    constexpr long long kFar = 1000000;
    std::size_t i = 0;
    long long integerDigits = 0;
    bool significant = false;
    long long magnitude = 0;
    for (; i < number.size() && IsDigit(number[i]); ++i) {
        if (number[i] != '0' || significant) {
            significant = true;
            ++integerDigits;
        }
    }
    if (significant) {
        magnitude = integerDigits - 1;
    }
    if (i < number.size() && number[i] == '.') {
        long long leadingZeros = 0;
        for (++i; i < number.size() && IsDigit(number[i]); ++i) {
            if (!significant && number[i] == '0') {
                ++leadingZeros;
            } else if (!significant) {
                significant = true;
                magnitude = -(leadingZeros + 1);
            }
        }
    }
    if (i + 1 < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (number[j] == '+' || number[j] == '-') {
            negative = number[j] == '-';
            ++j;
        }
        long long exponent = 0;
        for (; j < number.size() && IsDigit(number[j]); ++j) {
            if (exponent < kFar) {
                exponent = exponent * 10 + (number[j] - '0');
            }
        }
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude;
}

struct LeadingReal {
    double value = 0.0;
    std::size_t length = 0; // characters read, blanks included; 0 without a number
};

LeadingReal ScanLeadingReal(std::string_view text) {
    std::size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const bool startsNumber =
        i < text.size() &&
        (IsDigit(text[i]) || (text[i] == '.' && i + 1 < text.size() && IsDigit(text[i + 1])));
    if (!startsNumber) {
        return {};
    }
    const std::string_view number = text.substr(i);
    double value = 0.0;
    const auto outcome = std::from_chars(number.data(), number.data() + number.size(), value,
                                         std::chars_format::general);
    if (outcome.ec == std::errc::result_out_of_range) {
        value = DecimalMagnitude(number) > 0 ? HUGE_VAL : 0.0;
    } else if (outcome.ec != std::errc{}) {
        return {negative ? -0.0 : 0.0, 0};
    }
    return {negative ? -value : value, i + static_cast<std::size_t>(outcome.ptr - number.data())};
}

} // namespace

double ReadLeadingReal(std::string_view text) {
    return ScanLeadingReal(text).value;
}

std::optional<double> ReadWholeReal(std::string_view text) {
    const LeadingReal real = ScanLeadingReal(text);
    if (real.length == 0 || real.length != text.size() || !std::isfinite(real.value)) {
        return std::nullopt;
    }
    return real.value;
}

std::int32_t ReadLeadingInt32(std::string_view text) {
    constexpr long long kMax = std::numeric_limits<std::int32_t>::max();
    constexpr long long kMin = std::numeric_limits<std::int32_t>::min();
    std::size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (magnitude <= kMax + 1) {
            magnitude = magnitude * 10 + (text[i] - '0');
        }
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > kMax) {
        return static_cast<std::int32_t>(kMax);
    }
    if (value < kMin) {
        return static_cast<std::int32_t>(kMin);
    }
    return static_cast<std::int32_t>(value);
}

std::string WriteFixed(double value) {
    // DBL_MAX has 309 integer digits; six decimals, a sign and a point fit easily.
    std::array<char, 400> digits{};
    const auto outcome = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                       std::chars_format::fixed, 6);
    if (outcome.ec != std::errc{}) {
        return {};
    }
    return std::string(digits.data(), outcome.ptr);
}

} // namespace korvane
