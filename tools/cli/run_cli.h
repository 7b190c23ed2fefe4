#pragma once

#include <ostream>

namespace korvane::cli {

// The whole program: reads the arguments, runs the command, returns the exit code.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace korvane::cli
