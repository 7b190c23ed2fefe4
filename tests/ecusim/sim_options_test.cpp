// The command line of the simulator: values out of range are refused before any pty opens.

#include "sim_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane::ecusim {
namespace {

TEST(SimOptions, ValuesOutOfRangeAreRefused) {
    const std::vector<std::pair<std::vector<std::string>, bool>> rows = {
        {{"--romid", "5A6B7C"}, true},   {{"--romid", "00B2C3"}, false},
        {{"--romid", "A1B2C"}, false},   {{"--com", "16"}, true},
        {{"--com", "0"}, false},         {{"--com", "17"}, false},
        {{"--drop", "1"}, true},         {{"--drop", "1.5"}, false},
        {{"--garble", "-0.1"}, false},   {{"--stray", "2"}, false},
        {{"--latency", "60001"}, false}, {{"--unknown"}, false},
    };
    for (const auto& [arguments, accepted] : rows) {
        std::vector<std::string> texts{"korvane-ecu-sim"};
        texts.insert(texts.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& text : texts) {
            argv.push_back(text.data());
        }
        SimOptions options;
        int exitCode = 0;
        EXPECT_EQ(ParseSimOptions(static_cast<int>(argv.size()), argv.data(), options, exitCode),
                  accepted)
            << arguments[0] << " " << arguments.back();
        EXPECT_EQ(exitCode != 0, !accepted) << arguments[0];
    }
}

} // namespace
} // namespace korvane::ecusim
