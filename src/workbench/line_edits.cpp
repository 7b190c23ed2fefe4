#include "workbench/line_edits.h"

#include <utility>

namespace korvane {

namespace {

// The line end for a line that comes to stand before another. A CR ending its text (only a
// last line can have one) would fold into a lone line feed, so it gets CR LF and keeps it.
std::string EndingFor(const std::string& text, const std::string& usual) {
    return !text.empty() && text.back() == '\r' ? "\r\n" : usual;
}

void InsertWhole(std::vector<TextLine>& lines, std::size_t before, TextLine line) {
    const std::string usual = UsualLineEnding(lines);
    if (before == lines.size() && !lines.empty() && lines.back().ending.empty()) {
        lines.back().ending = EndingFor(lines.back().text, usual);
        line.ending.clear();
    } else if (line.ending.empty()) {
        line.ending = EndingFor(line.text, usual);
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(before), std::move(line));
}

} // namespace

void InsertLine(std::vector<TextLine>& lines, std::size_t before, std::string text) {
    InsertWhole(lines, before, {std::move(text), ""});
}

void MoveLine(std::vector<TextLine>& lines, std::size_t from, std::size_t before) {
    if (before == from || before == from + 1) {
        return;
    }
    TextLine line = std::move(lines[from]);
    const std::string usual = UsualLineEnding(lines);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(from));
    if (line.ending.empty()) {
        // The last line moves up: it will stand before another.
        line.ending = EndingFor(line.text, usual);
    }
    InsertWhole(lines, before > from ? before - 1 : before, std::move(line));
}

} // namespace korvane
