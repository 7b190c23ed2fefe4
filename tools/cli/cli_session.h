#pragma once

#include "cli_options.h"
#include "reading/unit_session.h"

#include <ostream>
#include <string>
#include <vector>

namespace korvane::cli {

// What one command needs to talk to a unit: the session the window also builds on (port,
// definitions, log, reading state), set up from the command line's options.
class CliSession {
public:
    explicit CliSession(const CliOptions& options) : options_(options) {}
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Loads paramdef.ini, then SelectMonitor.ini, from the --dir folder and returns what
    // the window's message list would show of it.
    std::vector<std::string> LoadDefinitions();
    std::string DefinitionPath(const char* fileName) const;

    // Opens --port, or else "COM" and the preferred port of SelectMonitor.ini, with the
    // units' line settings. False with the reason when it will not open.
    // With --any-rate a port the driver set to another rate opens with a warning on `err`.
    bool OpenPort(std::string& reason, std::ostream& err);

    // Opens the log as the window's "Open logfile" does with the file chosen. False with
    // the reason when it cannot be opened.
    bool OpenLog(const std::string& path, std::string& reason);
    // Closes the log; false with the reason when some of it did not reach the file.
    bool CloseLog(std::string& reason);

    // The line to the unit chosen with --unit.
    UnitLink Link() { return unit_.Link(options_.unit); }
    UnitSession& Unit() { return unit_; }
    DefinitionStore& Definitions() { return unit_.Definitions(); }

private:
    const CliOptions& options_;
    UnitSession unit_;
    std::string logFileName_;
};

} // namespace korvane::cli
