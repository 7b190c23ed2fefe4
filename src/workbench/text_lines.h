#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// One physical line of a definition file, kept as read so that writing it back gives the
// same bytes: its text and the line end that followed it ("\n", "\r\n", or nothing for a
// last line without one). A lone CR is text, as the reader sees it.
struct TextLine {
    std::string text;
    std::string ending;

    bool operator==(const TextLine&) const = default;
};

// Cuts file bytes into lines at each line feed; an empty file has no line.
std::vector<TextLine> SplitTextLines(std::string_view bytes);

// The bytes of the lines, each followed by its own line end.
std::string JoinTextLines(const std::vector<TextLine>& lines);

// The line end new lines of a file take: that of its first line with one, else "\n".
std::string UsualLineEnding(const std::vector<TextLine>& lines);

// What the definition reader delivers of the line's bytes, line end included, skipped
// pieces left out: CR LF read as LF, cut at every line feed and into pieces of at most the
// reader's line length.
std::vector<std::string> DeliveredPieces(const TextLine& line);

} // namespace korvane
