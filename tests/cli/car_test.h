#pragma once

#include "cli_process.h"
#include "sim_process.h"
#include "support/scratch_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace korvane::cli::testing {

// Bytes of the car's program image (0x8000 up) from `offset` on: each differs from its
// neighbours, so a byte read from the wrong place shows.
inline std::string Image(std::size_t offset, std::size_t count) {
    std::string bytes;
    for (std::size_t i = offset; i < offset + count; ++i) {
        bytes += static_cast<char>((i * 7 + i / 256) & 0xFF);
    }
    return bytes;
}

// The simulated car in fast mode with its live values frozen, so that every reader sees
// the same bytes, and korvane-cli pointed at it with the example definition files. The
// port folder lives in the scratch folder, so "COMn" names only what the test links.
class CarTest : public ::testing::Test {
protected:
    void SetUp() override { StartCar(car, {}); }
    void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

    void StartCar(ecusim::SimProcess& simulator, std::vector<std::string> arguments) {
        setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
        arguments.insert(arguments.begin(), {"--fast", "--frozen", "--rom",
                                             folder.Write("program.bin", Image(0, 0x8000))});
        ASSERT_TRUE(simulator.Start(arguments)) << "the simulator did not start";
    }

    std::vector<std::string> OnCar(const std::vector<std::string>& arguments) const {
        std::vector<std::string> all{"--port", car.PtyPath(), "--dir", KORVANE_EXAMPLES_DIR};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return all;
    }
    CliResult Cli(const std::vector<std::string>& arguments) const {
        return RunCli(OnCar(arguments));
    }

    korvane::testing::ScratchFolder folder;
    ecusim::SimProcess car;
};

} // namespace korvane::cli::testing
