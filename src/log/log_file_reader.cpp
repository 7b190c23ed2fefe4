#include "log/log_file_reader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "log/log_parser.h"

namespace korvane {

namespace {

constexpr std::size_t kPieceSize = 1 << 20;
// No line the program writes comes near this; a longer one is no log line and is cut.
constexpr std::size_t kLongestLine = 1 << 20;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

LogReadResult Failure(LogReadOutcome outcome, std::string message) {
    LogReadResult result;
    result.outcome = outcome;
    result.message = std::move(message);
    return result;
}

} // namespace

LogReadResult ReadLogFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return Failure(LogReadOutcome::Folder, path + " is a folder, not a log file.");
    }
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return Failure(LogReadOutcome::CannotRead,
                       "Cannot read " + path + ": " + std::strerror(errno) + ".");
    }

    LogParser parser;
    std::vector<char> piece(kPieceSize);
    std::string carried;  // the start of a line the previous piece ended in
    bool cutting = false; // inside an overlong line, dropping bytes up to its line feed
    std::size_t total = 0;
    while (true) {
        const std::size_t count = std::fread(piece.data(), 1, piece.size(), file.get());
        if (count == 0) {
            break;
        }
        total += count;
        std::string_view rest(piece.data(), count);
        while (true) {
            const std::size_t feed = rest.find('\n');
            if (feed == std::string_view::npos) {
                if (!cutting) {
                    carried.append(rest);
                    if (carried.size() > kLongestLine) {
                        parser.AddLine(carried.substr(0, kLongestLine));
                        carried.clear();
                        cutting = true;
                    }
                }
                break;
            }
            if (cutting) {
                cutting = false;
            } else if (carried.empty()) {
                parser.AddLine(rest.substr(0, feed));
            } else {
                carried.append(rest.substr(0, feed));
                parser.AddLine(carried);
                carried.clear();
            }
            rest.remove_prefix(feed + 1);
        }
        if (parser.SawFirstLine() && !parser.StartsLikeALog()) {
            break; // no need to read the rest of what is no log
        }
    }
    if (std::ferror(file.get())) {
        return Failure(LogReadOutcome::CannotRead, "Cannot read " + path + ": a read failed.");
    }
    if (!cutting && !carried.empty()) {
        parser.AddLine(carried);
    }
    if (total == 0) {
        return Failure(LogReadOutcome::Empty, path + " is empty.");
    }
    if (!parser.StartsLikeALog()) {
        return Failure(LogReadOutcome::NotALog,
                       path + " is not a log file: its first line has no time stamp.");
    }
    LogReadResult result;
    result.content = parser.Finish();
    return result;
}

} // namespace korvane
