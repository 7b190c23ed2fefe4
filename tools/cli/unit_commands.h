#pragma once

#include "cli_options.h"

#include <ostream>

namespace korvane::cli {

// The commands that talk to a unit or read the definitions. Each loads the definition
// files and opens the port as the window's creation does, then runs the window's own
// passes and prints their results through the texts the window shows.

// The message list lines of loading both files, "CommPort=N" and the ROM ID list.
int RunDefs(const CliOptions& options, std::ostream& out, std::ostream& err);
// The ports a probe finds, each with the device it resolves to.
int RunPorts(std::ostream& out, std::ostream& err);
// The unit's ROM ID as "Get ROM ID" shows it.
int RunRomId(const CliOptions& options, std::ostream& out, std::ostream& err);
// Read Parameters passes.
int RunParams(const CliOptions& options, std::ostream& out, std::ostream& err);
// Read Memory passes in Bytes or Blocks mode.
int RunRead(const CliOptions& options, std::ostream& out, std::ostream& err);
// Write Memory.
int RunWrite(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace korvane::cli
