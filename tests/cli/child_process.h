#pragma once

#include <chrono>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace korvane::cli::testing {

// What a finished program left: its exit code (-1 when it did not exit normally in
// time) and everything it wrote.
struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A program started with its output captured; killed if still running when destroyed.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    // Starts the program with the arguments (argv[0] is `program`), the environment changes
    // (an empty value removes a variable) and the working directory (empty: unchanged).
    bool Start(const std::string& program, const std::vector<std::string>& arguments,
               const std::map<std::string, std::string>& environment = {},
               const std::string& workingDirectory = {});

    bool Signal(int signal) const;
    // Collects output until the program has written `text` to its standard output (or
    // error); false when it has not within the limit.
    bool WaitForOutput(const std::string& text, std::chrono::milliseconds limit);
    bool WaitForError(const std::string& text, std::chrono::milliseconds limit);
    // Collects the output until the program ends; the exit code is -1 when it is still
    // running after the limit or was ended by a signal.
    ProcessResult Finish(std::chrono::milliseconds limit);

    const std::string& OutputSoFar() const { return result_.out; }
    const std::string& ErrorSoFar() const { return result_.err; }

private:
    // Reads what is available within the wait; false when both pipes are closed.
    bool Collect(int waitMs);
    bool WaitFor(const std::string& stream, const std::string& text,
                 std::chrono::milliseconds limit);

    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
    ProcessResult result_;
};

// Runs korvane-cli to its end.
ProcessResult RunCliProgram(const std::vector<std::string>& arguments,
                            const std::map<std::string, std::string>& environment = {},
                            const std::string& workingDirectory = {});

} // namespace korvane::cli::testing
