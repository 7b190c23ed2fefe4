#pragma once

#include "child_process.h"

#include <map>
#include <string>
#include <vector>

namespace korvane::cli::testing {

// korvane-ecu-sim started in fast mode with its live values frozen, so that every reader
// sees the same bytes; stopped with SIGTERM when the object goes.
class SimulatedCar {
public:
    SimulatedCar() = default;
    SimulatedCar(const SimulatedCar&) = delete;
    SimulatedCar& operator=(const SimulatedCar&) = delete;
    ~SimulatedCar();

    // False when it did not start or named no pty.
    bool Start(const std::vector<std::string>& extraArguments = {},
               const std::map<std::string, std::string>& environment = {});
    const std::string& Pty() const { return pty_; }

private:
    ChildProcess process_;
    std::string pty_;
};

} // namespace korvane::cli::testing
