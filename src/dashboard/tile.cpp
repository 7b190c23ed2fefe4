#include "dashboard/tile.h"

#include "reading/parameter_pass.h"
#include "text/format_text.h"

#include <algorithm>

namespace korvane {

namespace {

void Widen(std::optional<double>& lowest, std::optional<double>& highest, double value) {
    lowest = lowest ? std::min(*lowest, value) : value;
    highest = highest ? std::max(*highest, value) : value;
}

// A number with as many decimals as the value's display text has.
std::string WrittenLike(const std::string& numberText, double value) {
    const auto point = numberText.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(numberText.size() - point - 1);
    return FormatText("%.*f", std::min(decimals, 6), value);
}

} // namespace

void Tile::StartRun() {
    lowest_.reset();
    highest_.reset();
}

void Tile::Take(const ParameterReading* reading, double seconds) {
    if (reading == nullptr || !reading->number) {
        missing_ = true;
        missingText_ = reading != nullptr ? reading->value : std::nullopt;
        return;
    }
    missing_ = false;
    number_ = reading->number;
    numberSeconds_ = seconds;
    // "2450 rpm": the number, and after the first space its unit.
    const std::string text = reading->value.value_or("");
    const auto space = text.find(' ');
    numberText_ = text.substr(0, space);
    unit_ = space == std::string::npos ? std::string() : text.substr(space + 1);
    Widen(lowest_, highest_, *number_);
    Widen(lowestSeen_, highestSeen_, *number_);
}

TileView Tile::View(double now, double staleAfter) const {
    TileView view;
    view.name = settings_.parameter;
    view.limits = settings_.limits;
    view.unit = unit_;
    if (settings_.rangeLow && settings_.rangeHigh) {
        view.range = {*settings_.rangeLow, *settings_.rangeHigh};
    } else {
        view.range = AutomaticRange(lowestSeen_, highestSeen_, settings_.limits);
    }
    view.lowest = lowest_;
    view.highest = highest_;
    if (lowest_) {
        view.lowestText = WrittenLike(numberText_, *lowest_);
        view.highestText = WrittenLike(numberText_, *highest_);
    }
    if (missing_) {
        view.freshness = Freshness::Missing;
        view.valueText = missingText_.value_or("--");
        return view;
    }
    if (!number_) {
        return view; // waiting for its first value
    }
    view.value = number_;
    view.valueText = numberText_;
    view.ageSeconds = std::max(0.0, now - numberSeconds_);
    view.freshness = view.ageSeconds > staleAfter ? Freshness::Stale : Freshness::Fresh;
    if (view.freshness == Freshness::Fresh) {
        view.limit = LimitStateOf(*number_, settings_.limits);
    }
    return view;
}

} // namespace korvane
