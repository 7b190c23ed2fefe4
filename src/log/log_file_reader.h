#pragma once

#include <string>

#include "log/log_runs.h"

namespace korvane {

enum class LogReadOutcome {
    Read,       // a log, possibly without any Read Parameters run
    Folder,     // the path names a folder
    CannotRead, // missing, no permission, or a read error
    Empty,      // a file of no bytes
    NotALog,    // its first line carries no time stamp
};

struct LogReadResult {
    LogReadOutcome outcome = LogReadOutcome::Read;
    // For anything but Read: one sentence naming the file and what is wrong with it.
    std::string message;
    LogContent content;
};

// Reads a log written by the program (either separator) into its Read Parameters runs.
// The file is read in pieces, so memory grows with the values kept, not the file's size.
LogReadResult ReadLogFile(const std::string& path);

} // namespace korvane
