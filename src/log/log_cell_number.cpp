#include "log/log_cell_number.h"

#include <charconv>
#include <cmath>

namespace korvane {

std::optional<double> LogCellNumber(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string_view LoggedText(std::string_view displayText) {
    return displayText.substr(0, displayText.find(' '));
}

} // namespace korvane
