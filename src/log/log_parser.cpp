#include "log/log_parser.h"

#include <limits>
#include <optional>
#include <utility>

#include "log/log_cell_number.h"

namespace korvane {

namespace {

constexpr double kSecondsPerDay = 24.0 * 60 * 60;
// A stamp this far before the one of the line before belongs to the next day; smaller
// steps back are clock corrections.
constexpr double kNextDayStep = kSecondsPerDay / 2;
constexpr std::string_view kRunHeader = "*** Read Parameters ***";
constexpr std::string_view kSessionLine = "Starting log session.";

int Digits(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// "hh:mm:ss.mmm" and the separator: the second of the day, or none.
std::optional<double> StampSecond(std::string_view line) {
    constexpr std::size_t kStampLength = 13;
    if (line.size() < kStampLength || line[2] != ':' || line[5] != ':' || line[8] != '.' ||
        (line[12] != ',' && line[12] != ' ')) {
        return std::nullopt;
    }
    const int hour = Digits(line, 0, 2);
    const int minute = Digits(line, 3, 2);
    const int second = Digits(line, 6, 2);
    const int millisecond = Digits(line, 9, 3);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0) {
        return std::nullopt;
    }
    return hour * 3600.0 + minute * 60.0 + second + millisecond / 1000.0;
}

// The comma-ended cells of a names or values line; false when the line does not end
// with a comma (a torn line).
template <typename Cell> bool ForEachCell(std::string_view text, Cell&& cell) {
    if (text.empty() || text.back() != ',') {
        return false;
    }
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t comma = text.find(',', start);
        cell(text.substr(start, comma - start));
        start = comma + 1;
    }
    return true;
}

} // namespace

void LogParser::AddLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.empty()) {
        return;
    }
    const std::optional<double> second = StampSecond(line);
    if (!sawAnyLine_) {
        sawAnyLine_ = true;
        startsLikeLog_ = second.has_value();
    }
    if (!second) {
        Skip();
        return;
    }
    AddStampedLine(*second, line.substr(13));
}

void LogParser::AddStampedLine(double secondOfDay, std::string_view text) {
    if (secondOfDay < lastSecondOfDay_ - kNextDayStep) {
        dayOffset_ += kSecondsPerDay;
    }
    lastSecondOfDay_ = secondOfDay;
    const double seconds = dayOffset_ + secondOfDay;

    if (text == kRunHeader) {
        expect_ = Expect::Names;
        return;
    }
    if (text == kSessionLine) {
        expect_ = Expect::Nothing;
        return;
    }
    switch (expect_) {
    case Expect::Names: {
        LogRun run;
        if (!ForEachCell(text, [&run](std::string_view name) { run.columns.emplace_back(name); })) {
            expect_ = Expect::Nothing;
            Skip();
            return;
        }
        run.values.resize(run.columns.size());
        content_.runs.push_back(std::move(run));
        expect_ = Expect::Rows;
        return;
    }
    case Expect::Rows:
        if (AddIfRow(seconds, text)) {
            return;
        }
        // A Read Memory pass ends the run: the next run starts with its own header.
        if (text.starts_with("Start Address")) {
            expect_ = Expect::Nothing;
        }
        break;
    case Expect::Nothing:
        break;
    }
    Skip();
}

bool LogParser::AddIfRow(double seconds, std::string_view text) {
    LogRun& run = content_.runs.back();
    rowCells_.clear();
    const bool whole = ForEachCell(text, [this](std::string_view cell) {
        rowCells_.push_back(LogCellNumber(cell).value_or(std::numeric_limits<double>::quiet_NaN()));
    });
    if (!whole || rowCells_.size() != run.columns.size()) {
        return false;
    }
    run.seconds.push_back(seconds);
    for (std::size_t column = 0; column < rowCells_.size(); ++column) {
        run.values[column].push_back(rowCells_[column]);
    }
    return true;
}

LogContent LogParser::Finish() {
    expect_ = Expect::Nothing;
    // Rows grew the columns by doubling; what is kept should be no larger than the values.
    for (LogRun& run : content_.runs) {
        run.seconds.shrink_to_fit();
        for (auto& column : run.values) {
            column.shrink_to_fit();
        }
    }
    return std::move(content_);
}

} // namespace korvane
