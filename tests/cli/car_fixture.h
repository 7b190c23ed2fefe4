#pragma once

#include "child_process.h"
#include "simulated_car.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace korvane::cli::testing {

// A simulated car on its pty, a scratch folder that is also the port folder's home, and
// korvane-cli pointed at both with the example definition files.
class CarTest : public ::testing::Test {
protected:
    void StartCar(const std::vector<std::string>& extraArguments = {}) {
#ifndef KORVANE_ECU_SIM_PATH
        GTEST_SKIP() << "korvane-ecu-sim is not built";
#endif
        ASSERT_TRUE(car.Start(extraArguments, Environment())) << "the simulator did not start";
    }
    void SetUp() override {
        StartCar();
    }

    std::map<std::string, std::string> Environment() const {
        return {{"XDG_CONFIG_HOME", folder.Path().string()}};
    }

    // Runs korvane-cli on the car's pty with the example definitions.
    ProcessResult Cli(const std::vector<std::string>& arguments) const {
        std::vector<std::string> all{"--port", car.Pty(), "--dir", KORVANE_EXAMPLES_DIR};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return RunCliProgram(all, Environment());
    }

    korvane::testing::ScratchFolder folder;
    SimulatedCar car;
};

// The lines of a text, without their line feeds.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

} // namespace korvane::cli::testing
