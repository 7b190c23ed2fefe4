#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace korvane::cli {

// Prints each line followed by a line feed, as it is (tabs and any line feed inside kept).
void PrintLines(std::ostream& out, const std::vector<std::string>& lines);

// Prints "korvane-cli: <command>: <reason>" on one line and returns the failure exit code.
int Fail(std::ostream& err, const char* command, const std::string& reason);

} // namespace korvane::cli
