#include "command_output.h"

#include "cli_options.h"

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

} // namespace korvane::cli
