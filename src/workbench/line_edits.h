#pragma once

#include "workbench/text_lines.h"

#include <cstddef>
#include <string>
#include <vector>

namespace korvane {

// Changes to the list of lines that leave every other line as it was. A line keeps its own
// line end; one that comes to stand before another gets the file's usual line end, and a
// line added after a last line without a line end takes over that lack, so a file that
// ended without one still does.

// Inserts a line with `text` before the line at `before` (lines.size(): at the end).
void InsertLine(std::vector<TextLine>& lines, std::size_t before, std::string text);

// Moves the line at `from` to stand before the line that is at `before` now.
void MoveLine(std::vector<TextLine>& lines, std::size_t from, std::size_t before);

} // namespace korvane
