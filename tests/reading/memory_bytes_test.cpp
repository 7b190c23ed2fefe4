#include "reading/read_memory_bytes.h"

#include "memory_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;
using MemoryBytesPass = testing::MemoryFixture;

TEST_F(MemoryBytesPass, ListsEachAddressWithItsReadingsNewestOnTheRightAndLogsThem) {
    memory[0x1000] = 0xAB;
    memory[0x1001] = 0x0C;
    memory[0x1002] = 0x00;
    SetInputs("1000", "3");
    BytesPass();
    EXPECT_EQ(List(), (Lines{"Bytes read: 3  Count: 0", "1000\tAB", "1001\t0C", "1002\t00"}));

    memory[0x1000] = 0xAC;
    memory[0x1002] = 0xF0;
    BytesPass();
    EXPECT_EQ(List(),
              (Lines{"Bytes read: 3  Count: 1", "1000\tAB\tAC", "1001\t0C\t0C", "1002\t00\tF0"}));

    // A new start address is logged; the older columns still belong to the earlier address.
    memory[0x3000] = 0x33;
    SetInputs("3000", "1");
    BytesPass();
    EXPECT_EQ(List().back(), "3000\tAB\tAC\t33");
    EXPECT_EQ(LogLines(), (Lines{"01:02:03.004,Start Address,1000", "01:02:03.004,ab,0c,00,",
                                 "01:02:03.004,ac,0c,f0,", "01:02:03.004,Start Address,3000",
                                 "01:02:03.004,33,"}));
}

TEST_F(MemoryBytesPass, KeepsSixteenReadingsAndDropsTheOldest) {
    SetInputs("2000", "1");
    for (int pass = 0; pass <= 16; ++pass) {
        memory[0x2000] = static_cast<std::uint8_t>(pass);
        BytesPass();
        EXPECT_EQ(state.historyCount, std::min(pass + 1, 16));
    }
    EXPECT_EQ(List(),
              (Lines{"Bytes read: 1  Count: 16",
                     "2000\t01\t02\t03\t04\t05\t06\t07\t08\t09\t0A\t0B\t0C\t0D\t0E\t0F\t10"}));
}

TEST_F(MemoryBytesPass, CountZeroOrInvalidAndAddressesPastTheTop) {
    SetInputs("1000", "0");
    BytesPass();
    EXPECT_EQ(List(), (Lines{"Bytes read: 0  Count: 0"}));
    EXPECT_EQ(LogLines(), (Lines{"01:02:03.004,Start Address,1000", "01:02:03.004,"}));
    EXPECT_EQ(device.Writes(), (std::vector<fakes::Bytes>{fakes::kStopBytes}));

    for (const char* count : {"17", "abc"}) {
        SetInputs("0100", count);
        BytesPass();
        ASSERT_EQ(List().size(), 17U) << count;
        EXPECT_EQ(List()[16].substr(0, 4), "010F") << count;
    }

    memory[0xFFFF] = 0x01;
    memory[0x0000] = 0x02;
    state.Clear();
    SetInputs("FFFF", "2");
    BytesPass();
    EXPECT_EQ(List(), (Lines{"Bytes read: 2  Count: 3", "FFFF\t01", "0000\t02"}));
}

TEST_F(MemoryBytesPass, FailedReadShowsBytesNeverReadAsDashesAndKeepsEarlierOnes) {
    SetInputs("1000", "2");
    device.SetClosed(true);
    BytesPass();
    // Nothing was read yet: the zeros of the empty buffer are no readings.
    EXPECT_EQ(List(), (Lines{"Bytes read: -1  Count: 0", "1000\t--", "1001\t--"}));
    EXPECT_EQ(LogLines().back(), "01:02:03.004,--,--,");

    memory[0x1000] = 0x5A;
    memory[0x1001] = 0x6B;
    device.SetClosed(false);
    BytesPass();
    device.SetClosed(true);
    BytesPass();
    // A failed reading never shows or logs the bytes of the reading before as its own.
    EXPECT_EQ(List(), (Lines{"Bytes read: -1  Count: 2", "1000\t--\t5A\t--", "1001\t--\t6B\t--"}));
    EXPECT_EQ(LogLines().back(), "01:02:03.004,--,--,");
}

} // namespace
} // namespace korvane
