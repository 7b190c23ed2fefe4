#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class MessageList;

// Reads a definition file line by line with the rules both definition formats share:
// CR LF ends a line like LF, a line is cut into pieces of at most kMaxLineBytes bytes, and
// comment lines (";" first) and lines starting with a blank byte are skipped.
class DefinitionFileReader {
public:
    static constexpr std::size_t kMaxLineBytes = 999;

    DefinitionFileReader() = default;
    DefinitionFileReader(const DefinitionFileReader&) = delete;
    DefinitionFileReader& operator=(const DefinitionFileReader&) = delete;

    // Opens a regular file for reading; anything else (missing, unreadable, a directory)
    // gives false and no echo. On success echoes "*** Reading: <path>" when a list is given.
    bool Open(const std::string& path, MessageList* messages);

    // Reads the bytes as if they were a file's, so that text held in memory is cut into
    // exactly the lines the file would give.
    void OpenBytes(std::string_view bytes);

    // The next line that is not skipped, with its line feed when it had one. False at end
    // of file; a read error counts as end of file.
    bool NextLine(std::string& line);

    void Close();

private:
    struct FileCloser {
        void operator()(std::FILE* file) const;
    };

    // The next byte with CR LF read as LF, or -1 at end of file.
    int NextByte();
    int PeekByte();

    std::unique_ptr<std::FILE, FileCloser> file_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
};

} // namespace korvane
