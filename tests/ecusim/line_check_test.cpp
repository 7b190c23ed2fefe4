// The units answer only on a line set up as theirs.

#include "sim_line.h"

#include <gtest/gtest.h>

namespace korvane::ecusim::testing {
namespace {

// Whether a reply comes: an answer is awaited as long as a slow machine may need, a
// refusal watched for the quiet window.
bool Answers(SimLine& sim, bool expected) {
    sim.StopAndPurge();
    return sim.Send(EcuRead(0x1234)) &&
           sim.Read(3, expected ? kArrivalLimit : kQuietWindow).size() == 3;
}

TEST(LineCheck, AnswersOnlyAtTheUnitsRateAndFraming) {
    SimLine sim;
    // A line nobody set up is not the units' line.
    ASSERT_TRUE(sim.Start({"--fast"}, std::nullopt));
    EXPECT_FALSE(Answers(sim, false));
    // Refusals first: a reply in flight after an answer must not count for them.
    const std::vector<std::pair<LineSetup, bool>> rows = {
        {{9600}, false},
        {{1200}, false},
        {{2000}, false},                    // 2.4 % off
        {{1953, true, false, true}, false}, // two stop bits
        {{1953, true, true, false}, false}, // odd parity
        {{1970}, true},                     // within a UART's tolerance
        {{1953}, true},
    };
    for (const auto& [setup, answers] : rows) {
        ASSERT_TRUE(sim.Configure(setup));
        EXPECT_EQ(Answers(sim, answers), answers)
            << setup.baud << " " << setup.parity << setup.oddParity << setup.twoStopBits;
    }

    SimLine anyLine;
    ASSERT_TRUE(anyLine.Start({"--fast", "--any-line"}, LineSetup{9600, false, false, true}));
    EXPECT_TRUE(Answers(anyLine, true));
}

} // namespace
} // namespace korvane::ecusim::testing
