#include "command_output.h"

#include "cli_options.h"

#include <cstdio>

namespace korvane::cli {

void PrintLines(std::ostream& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        out << line << '\n';
    }
}

int Fail(std::ostream& err, const char* command, const std::string& reason) {
    err << "korvane-cli: " << command << ": " << reason << '\n';
    return kExitFailure;
}

std::optional<int> BytesReadOf(const std::vector<std::string>& list) {
    int count = 0;
    if (list.empty() || std::sscanf(list.front().c_str(), "Bytes read: %d", &count) != 1) {
        return std::nullopt;
    }
    return count;
}

} // namespace korvane::cli
