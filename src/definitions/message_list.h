#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace korvane {

// Where the loaders echo what they read. The window shows the lines in its message list;
// the command-line tool and the tests keep them in memory.
class MessageList {
public:
    virtual ~MessageList() = default;
    virtual void AppendLine(const std::string& line) = 0;
};

// Keeps every appended line, in order.
class VectorMessageList final : public MessageList {
public:
    void AppendLine(const std::string& line) override { lines.push_back(line); }

    std::vector<std::string> lines;
};

// Like every text the program builds, an echo line keeps at most this many bytes.
inline constexpr std::size_t kEchoLineLimit = 1023;

// Appends the line, cut to kEchoLineLimit bytes, when there is a list; a null list echoes
// nothing.
inline void EchoLine(MessageList* messages, std::string line) {
    if (messages == nullptr) {
        return;
    }
    if (line.size() > kEchoLineLimit) {
        line.resize(kEchoLineLimit);
    }
    messages->AppendLine(line);
}

} // namespace korvane
