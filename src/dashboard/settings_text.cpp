#include "dashboard/settings_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace korvane {

namespace {

constexpr std::string_view kLookKey = "Look=";
constexpr std::string_view kTileKey = "Tile=";

constexpr std::array<std::pair<DashboardLook, std::string_view>, 3> kLooks = {
    {{DashboardLook::System, "system"},
     {DashboardLook::Day, "day"},
     {DashboardLook::Night, "night"}}};

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string OptionalText(const std::optional<double>& value) {
    return value ? SettingNumberText(*value) : std::string();
}

// The four numbers and the name of a tile line.
std::optional<TileSettings> ParseTile(std::string_view fields) {
    std::array<std::string_view, 4> texts;
    for (auto& text : texts) {
        const auto comma = fields.find(',');
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        text = fields.substr(0, comma);
        fields.remove_prefix(comma + 1);
    }
    std::string problem;
    return TileFromTexts(std::string(fields), texts, problem);
}

} // namespace

std::optional<TileSettings> TileFromTexts(std::string parameter,
                                          const std::array<std::string_view, 4>& texts,
                                          std::string& problem) {
    if (parameter.empty()) {
        problem = "a tile needs a parameter";
        return std::nullopt;
    }
    std::array<std::optional<double>, 4> numbers;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!Trimmed(texts[i]).empty() && !(numbers[i] = ParseSettingNumber(texts[i]))) {
            problem = parameter + ": \"" + std::string(Trimmed(texts[i])) + "\" is not a number";
            return std::nullopt;
        }
    }
    TileSettings tile{std::move(parameter), numbers[0], numbers[1], {numbers[2], numbers[3]}};
    problem = TileSettingsProblem(tile);
    if (!problem.empty()) {
        return std::nullopt;
    }
    return tile;
}

std::optional<double> ParseSettingNumber(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string SettingNumberText(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

std::string SettingsText(const DashboardSettings& settings) {
    std::string text = "; The Korvane dashboard: per ROM ID the tiles in their order, each as\n"
                       "; Tile=range from,range to,low limit,high limit,parameter\n";
    for (const auto& [look, name] : kLooks) {
        if (look == settings.look) {
            text += std::string(kLookKey) + std::string(name) + "\n";
        }
    }
    for (const auto& [romId, tiles] : settings.tiles) {
        text += "[" + romId + "]\n";
        for (const TileSettings& tile : tiles) {
            text += std::string(kTileKey) + OptionalText(tile.rangeLow) + "," +
                    OptionalText(tile.rangeHigh) + "," + OptionalText(tile.limits.low) + "," +
                    OptionalText(tile.limits.high) + "," + tile.parameter + "\n";
        }
    }
    return text;
}

DashboardSettings ParseSettingsText(std::string_view text) {
    DashboardSettings settings;
    std::vector<TileSettings>* section = nullptr;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            section = &settings.tiles[std::string(line.substr(1, line.size() - 2))];
        } else if (line.starts_with(kLookKey)) {
            for (const auto& [look, name] : kLooks) {
                if (Trimmed(line.substr(kLookKey.size())) == name) {
                    settings.look = look;
                }
            }
        } else if (line.starts_with(kTileKey) && section != nullptr) {
            if (auto tile = ParseTile(line.substr(kTileKey.size()))) {
                section->push_back(std::move(*tile));
            }
        }
    }
    return settings;
}

} // namespace korvane
