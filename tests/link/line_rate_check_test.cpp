#include "link/line_rate_check.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

// 2 % of 1000 is a whole 20 baud, so both edges are hit exactly (for 1953 they never are).
TEST(RateCloseEnough, TakesRatesUpToExactlyTwoPercentOff) {
    struct Row {
        unsigned reported;
        bool close;
    };
    for (const Row row : {Row{1000, true}, Row{1020, true}, Row{980, true}, Row{1021, false},
                          Row{979, false}, Row{0, false}}) {
        EXPECT_EQ(RateCloseEnough(row.reported, 1000), row.close) << row.reported;
    }
}

} // namespace
} // namespace korvane
