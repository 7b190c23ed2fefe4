#include "simulated_car.h"

#include <csignal>

namespace korvane::cli::testing {

namespace {

constexpr std::chrono::seconds kStartLimit{20};
constexpr std::chrono::seconds kStopLimit{5};

} // namespace

SimulatedCar::~SimulatedCar() {
    if (process_.Signal(SIGTERM)) {
        (void)process_.Finish(kStopLimit);
    }
}

bool SimulatedCar::Start(const std::vector<std::string>& extraArguments,
                         const std::map<std::string, std::string>& environment) {
#ifdef KORVANE_ECU_SIM_PATH
    std::vector<std::string> arguments{"--fast", "--frozen"};
    arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
    if (!process_.Start(KORVANE_ECU_SIM_PATH, arguments, environment) ||
        !process_.WaitForOutput("\n", kStartLimit)) {
        return false;
    }
    const std::string& output = process_.OutputSoFar();
    pty_ = output.substr(0, output.find('\n'));
    return !pty_.empty();
#else
    (void)extraArguments;
    (void)environment;
    return false;
#endif
}

} // namespace korvane::cli::testing
