#pragma once

#include <chrono>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace korvane::ecusim {

// The built simulator started as a child process, for tests and benchmarks; killed when
// the object goes.
class SimProcess {
public:
    SimProcess() = default;
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    ~SimProcess();

    // Starts the simulator with the arguments and extra environment (an empty value removes
    // the variable) and waits for the pty path on its first output line. False when it
    // exits or prints nothing.
    bool Start(const std::vector<std::string>& arguments,
               const std::map<std::string, std::string>& environment = {});

    const std::string& PtyPath() const { return ptyPath_; }
    bool Signal(int signal) const;
    // The exit code, or -1 when the process did not exit normally within the limit.
    int WaitForExit(std::chrono::milliseconds limit);

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string ptyPath_;
};

} // namespace korvane::ecusim
