// Parts of korvane-cli checked directly: the pacing of repeated steps, on a clock the test
// moves, and the one-line form of the dump's address text.

#include "dump_progress.h"
#include "pacer.h"

#include <gtest/gtest.h>

#include <chrono>

namespace korvane::cli {
namespace {

TEST(Pacer, SpacesStepsByThePeriodAndFollowsAnOverrunAtOnce) {
    using std::chrono::milliseconds;
    Pacer pacer(1000);
    const Pacer::Clock::time_point start{};
    struct Step {
        int atMs;
        int waitMs;
    };
    // The first step at once, the second a period after it; a step asked for half a period
    // late waits for the rest; one that overran its period follows at once and restarts
    // the count.
    for (const Step step : {Step{0, 0}, Step{0, 1000}, Step{1000, 1000}, Step{2500, 500},
                            Step{5000, 0}, Step{5200, 800}}) {
        EXPECT_EQ(pacer.NextStepDelay(start + milliseconds(step.atMs)), milliseconds(step.waitMs))
            << step.atMs;
    }
}

TEST(OneLine, FoldsEachRunOfBlanksIntoOneSpaceAndDropsThemAtTheEnds) {
    EXPECT_EQ(OneLine("\tAddress:\n 8010  \t"), "Address: 8010");
    EXPECT_EQ(OneLine("a\t\tb"), "a b");
    EXPECT_EQ(OneLine(" \n"), "");
}

} // namespace
} // namespace korvane::cli
