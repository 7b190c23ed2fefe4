#include "romtools/dump_texts.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(DumpTimes, EstimateProjectsThePaceSoFarOverAllBytes) {
    const DumpTimes times = ComputeDumpTimes(0x8000, 16, 1000);
    EXPECT_EQ(times.estimateSec, 2048);
    EXPECT_EQ(times.elapsedSec, 1);
    EXPECT_EQ(times.remainingSec, 2047);
    EXPECT_EQ(DumpTimesText(times), "Estimated time: \t34min 08sec\nElapsed time:   \t00min 01sec\n"
                                    "Remaining time: \t34min 07sec");
}

TEST(DumpTimes, NothingToEstimateFromOrPastTheEstimateShowsNoRemainder) {
    DumpTimes times = ComputeDumpTimes(0x8000, 0, 2500);
    EXPECT_EQ(times.estimateSec, 0);
    EXPECT_EQ(times.elapsedSec, 2);
    EXPECT_EQ(times.remainingSec, 0);
    // Whole seconds are cut, not rounded: 21/16 of 999 ms is 1.31 s.
    times = ComputeDumpTimes(21, 16, 999);
    EXPECT_EQ(times.estimateSec, 1);
    EXPECT_EQ(times.elapsedSec, 0);
    EXPECT_EQ(times.remainingSec, 1);
    // Huge figures do not overflow.
    times = ComputeDumpTimes(0xFFFFFFFF, 1, 0xFFFFFFFF);
    EXPECT_GT(times.estimateSec, 0);
}

TEST(DumpTexts, SummaryAndAddressesUseAtLeastFourDigits) {
    DumpState state;
    state.prefillCount = 0x10000;
    state.startAddress = 0x8000;
    state.byteCount = 0x15;
    state.currentAddress = 0x8000;
    EXPECT_EQ(DumpSummaryText(state),
              "Prefill bytes:  \t0x10000\nStart address:  \t0x8000\nNo. of bytes:   \t0x0015\n");
    // Before the first chunk the address shown is the one before the start.
    EXPECT_EQ(DumpCurrentAddressText(state), "Current address:\t0x7FFF\n");
    EXPECT_EQ(DumpStartedText(TimeOfDay{7, 5, 59, 999}), "Started at: 07:05...");
}

TEST(DumpTexts, ChecksumLine) {
    EXPECT_EQ(DumpChecksumText(RomChecksums{0x1234, 0x1234}), "Checksum OK: Rom= 1234  Calc= 1234");
    EXPECT_EQ(DumpChecksumText(RomChecksums{0xFFFF, 0x0200}),
              "Checksum ERROR: Rom= FFFF  Calc= 0200");
    EXPECT_EQ(DumpChecksumText(std::nullopt), "Checksum not done (not a 32k dump)");
}

} // namespace
} // namespace korvane
