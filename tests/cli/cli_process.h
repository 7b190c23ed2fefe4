#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace korvane::cli::testing {

// What a finished korvane-cli left: its exit code (-1 when it did not end by itself in
// time) and its two output streams.
struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// korvane-cli running with this process's environment, its standard output and error
// going to files in `folder` (so neither is a terminal); killed if still running when the
// object goes.
class CliProcess {
public:
    CliProcess(const std::vector<std::string>& arguments, const std::string& folder);
    ~CliProcess();
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // False when the standard output (or error) does not hold `text` within a generous
    // limit.
    bool WaitFor(const std::string& text, bool onError = false) const;
    bool Signal(int signal) const;
    // Waits for the end (within a generous limit) and collects the output.
    CliResult Finish();

private:
    pid_t pid_ = -1;
    std::string outFile_;
    std::string errFile_;
};

// Runs korvane-cli to its end.
CliResult RunCli(const std::vector<std::string>& arguments);

// The lines of a text, without their line feeds.
std::vector<std::string> Lines(const std::string& text);

} // namespace korvane::cli::testing
