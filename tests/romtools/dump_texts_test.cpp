#include "romtools/dump_texts.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(DumpTexts, TimesAreCutToWholeSecondsAndNeverNegative) {
    DumpTimes times = ComputeDumpTimes(0x8000, 0, 2500);
    EXPECT_EQ(times.estimateSec, 0);
    EXPECT_EQ(times.elapsedSec, 2);
    EXPECT_EQ(times.remainingSec, 0);
    // 21/16 of 999 ms is 1.31 s.
    times = ComputeDumpTimes(21, 16, 999);
    EXPECT_EQ(times.estimateSec, 1);
    EXPECT_EQ(times.elapsedSec, 0);
    EXPECT_EQ(times.remainingSec, 1);
    // Huge figures do not overflow.
    EXPECT_GT(ComputeDumpTimes(0xFFFFFFFF, 1, 0xFFFFFFFF).estimateSec, 0);
    EXPECT_EQ(DumpChecksumText(RomChecksums{0xFFFF, 0x0200}),
              "Checksum ERROR: Rom= FFFF  Calc= 0200");
}

} // namespace
} // namespace korvane
