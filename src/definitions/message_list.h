#pragma once

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

} // namespace korvane
