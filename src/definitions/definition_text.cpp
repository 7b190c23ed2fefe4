#include "definitions/definition_text.h"

#include <cstdint>
#include <limits>

namespace korvane {

namespace {

// The white space that formatted input skips before a number.
bool IsInputSpace(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' ||
           byte == '\r';
}

std::size_t SkipInputSpace(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size() && IsInputSpace(text[position])) {
        ++position;
    }
    return position;
}

int HexDigitValue(char byte) {
    if (byte >= '0' && byte <= '9') {
        return byte - '0';
    }
    if (byte >= 'a' && byte <= 'f') {
        return byte - 'a' + 10;
    }
    if (byte >= 'A' && byte <= 'F') {
        return byte - 'A' + 10;
    }
    return -1;
}

} // namespace

void TrimTrailingBlanks(std::string& line) {
    std::size_t length = line.size();
    while (length > 1 && IsBlankByte(line[length - 1])) {
        --length;
    }
    line.resize(length);
}

int SplitFieldSpans(std::string_view text, std::string_view separators,
                    std::vector<FieldSpan>& spans) {
    const auto isSeparator = [separators](char byte) {
        return separators.find(byte) != std::string_view::npos;
    };
    int appended = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        if (isSeparator(text[position])) {
            ++position;
            continue;
        }
        std::size_t end = position;
        if (text[position] == '"') {
            ++position;
            end = text.find('"', position);
            if (end == std::string_view::npos) {
                end = text.size();
            }
            spans.push_back({position, end - position, true});
            // Past the closing quote the scan is outside a field again.
            position = end == text.size() ? end : end + 1;
        } else {
            while (end < text.size() && !isSeparator(text[end])) {
                ++end;
            }
            spans.push_back({position, end - position, false});
            position = end;
        }
        ++appended;
    }
    return appended;
}

int SplitFields(std::string_view text, std::string_view separators,
                std::vector<std::string>& fields) {
    std::vector<FieldSpan> spans;
    const int appended = SplitFieldSpans(text, separators, spans);
    for (const FieldSpan& span : spans) {
        fields.emplace_back(text.substr(span.start, span.length));
    }
    return appended;
}

std::int32_t ReadDecimal(std::string_view text) {
    std::size_t position = SkipInputSpace(text);
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    // Accumulated as a magnitude that stops growing just past the 32-bit range.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    while (position < text.size() && text[position] >= '0' && text[position] <= '9') {
        magnitude = magnitude * 10 + (text[position] - '0');
        if (magnitude > limit) {
            magnitude = limit;
        }
        ++position;
    }
    if (negative) {
        return static_cast<std::int32_t>(-magnitude);
    }
    return magnitude >= limit ? std::numeric_limits<std::int32_t>::max()
                              : static_cast<std::int32_t>(magnitude);
}

std::uint32_t ReadHex(std::string_view text) {
    std::size_t position = SkipInputSpace(text);
    if (position + 1 < text.size() && text[position] == '0' &&
        (text[position + 1] == 'x' || text[position + 1] == 'X')) {
        position += 2;
    }
    constexpr std::uint64_t limit = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    for (; position < text.size(); ++position) {
        const int digit = HexDigitValue(text[position]);
        if (digit < 0) {
            break;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > limit) {
            value = limit;
        }
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace korvane
