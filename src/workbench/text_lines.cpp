#include "workbench/text_lines.h"

#include "definitions/definition_file_reader.h"
#include "definitions/definition_text.h"

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
    std::string folded = line.text;
    if (!line.ending.empty()) {
        folded += '\n';
    }
    std::vector<std::string> pieces;
    for (std::size_t start = 0; start < folded.size();
         start += DefinitionFileReader::kMaxLineBytes) {
        std::string piece = folded.substr(start, DefinitionFileReader::kMaxLineBytes);
        if (!IsSkippedLine(piece)) {
            pieces.push_back(std::move(piece));
        }
    }
    return pieces;
}

} // namespace korvane
