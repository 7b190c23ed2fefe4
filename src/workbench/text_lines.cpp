#include "workbench/text_lines.h"

#include "definitions/definition_file_reader.h"

#include <algorithm>

namespace korvane {

std::vector<TextLine> SplitTextLines(std::string_view bytes) {
    std::vector<TextLine> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t feed = bytes.find('\n', start);
        if (feed == std::string_view::npos) {
            lines.push_back({std::string(bytes.substr(start)), ""});
            break;
        }
        std::size_t end = feed;
        if (end > start && bytes[end - 1] == '\r') {
            --end;
        }
        lines.push_back({std::string(bytes.substr(start, end - start)),
                         std::string(bytes.substr(end, feed + 1 - end))});
        start = feed + 1;
    }
    return lines;
}

std::string JoinTextLines(const std::vector<TextLine>& lines) {
    std::string bytes;
    for (const TextLine& line : lines) {
        bytes += line.text;
        bytes += line.ending;
    }
    return bytes;
}

std::string UsualLineEnding(const std::vector<TextLine>& lines) {
    const auto withEnding = std::find_if(lines.begin(), lines.end(),
                                         [](const TextLine& line) { return !line.ending.empty(); });
    return withEnding == lines.end() ? "\n" : withEnding->ending;
}

std::vector<std::string> DeliveredPieces(const TextLine& line) {
    // The reader itself cuts the bytes: a line feed or CR inside the text (an edit may put
    // them there) then counts exactly as it will once the file is written.
    DefinitionFileReader reader;
    reader.OpenBytes(line.text + line.ending);
    std::vector<std::string> pieces;
    std::string piece;
    while (reader.NextLine(piece)) {
        pieces.push_back(piece);
    }
    return pieces;
}

} // namespace korvane
