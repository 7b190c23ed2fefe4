#include "reading/read_memory_blocks.h"

#include "reading/read_memory_bytes.h"

#include "memory_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace korvane {
namespace {

using testing::MemoryFixture;
using Lines = std::vector<std::string>;

const std::string kHeader = "\t00\t01\t02\t03\t04\t05\t06\t07\t08\t09\t0A\t0B\t0C\t0D\t0E\t0F";

class MemoryBlocksPass : public MemoryFixture {
protected:
    // The line of a block as the unit's memory holds it now, or as never read.
    std::string Block(unsigned address, char marker, bool read = true) const {
        char text[8];
        std::snprintf(text, sizeof text, "%04X%c", address, marker);
        std::string line = text;
        for (unsigned j = 0; j < 16; ++j) {
            std::snprintf(text, sizeof text, "\t%02X", memory[(address + j) & 0xFFFF]);
            line += read ? text : "\t--";
        }
        return line;
    }
    std::string Unread(unsigned address) const { return Block(address, ' ', false); }
};

TEST_F(MemoryBlocksPass, SweepsOneBlockPerPassFromTheRoundedDownStart) {
    SetInputs("1237", "3");

    EXPECT_FALSE(BlocksPass(true));
    EXPECT_EQ(List(), (Lines{"Bytes read: 16  Count: 0", kHeader, Block(0x1230, '>'),
                             Unread(0x1240), Unread(0x1250)}));
    EXPECT_FALSE(BlocksPass(false));
    EXPECT_EQ(List(), (Lines{"Bytes read: 16  Count: 1", kHeader, Block(0x1230, ' '),
                             Block(0x1240, '>'), Unread(0x1250)}));
    EXPECT_TRUE(BlocksPass(false));
    EXPECT_EQ(List(), (Lines{"Bytes read: 16  Count: 2", kHeader, Block(0x1230, ' '),
                             Block(0x1240, ' '), Block(0x1250, '>')}));

    // Each pass logs the line of the block it read, tabs and marker included.
    EXPECT_EQ(LogLines(),
              (Lines{"01:02:03.004," + Block(0x1230, '>'), "01:02:03.004," + Block(0x1240, '>'),
                     "01:02:03.004," + Block(0x1250, '>')}));
    // The frames walked the three blocks in order.
    const auto writes = device.Writes();
    EXPECT_EQ(writes.front(), (fakes::Bytes{0x78, 0x12, 0x30, 0x00}));
    EXPECT_EQ(writes[writes.size() - 2], (fakes::Bytes{0x78, 0x12, 0x5F, 0x00}));
}

TEST_F(MemoryBlocksPass, RepeatedSweepKeepsBaseAndCountAndRefreshesBlockByBlock) {
    SetInputs("0040", "2");
    BlocksPass(true);
    BlocksPass(false);
    // Inputs changed during the run are not read by later passes.
    SetInputs("5000", "16");
    memory[0x0040] = 0xEE;

    EXPECT_FALSE(BlocksPass(false));
    EXPECT_EQ(List(),
              (Lines{"Bytes read: 16  Count: 2", kHeader, Block(0x0040, '>'), Block(0x0050, ' ')}));
}

TEST_F(MemoryBlocksPass, FirstPassAtTheSameBaseKeepsWhatWasReadBefore) {
    SetInputs("0100", "2");
    BlocksPass(true);
    BlocksPass(false);
    const std::string oldSecond = Block(0x0110, ' ');
    memory[0x0110] ^= 0xFF;

    // A new run at 0x0105 has the same base: block 1 shows its earlier bytes until re-read.
    SetInputs("0105", "2");
    BlocksPass(true);
    EXPECT_EQ(List()[3], oldSecond);

    // A new base empties the buffer.
    SetInputs("0200", "2");
    BlocksPass(true);
    EXPECT_EQ(List()[3], Unread(0x0210));
}

TEST_F(MemoryBlocksPass, CountZeroShowsOnlyTheHeaderAndBlocksPastTheTopShowTheirAddresses) {
    SetInputs("0300", "0");
    EXPECT_TRUE(BlocksPass(true));
    EXPECT_EQ(List(), (Lines{"Bytes read: 16  Count: 0", kHeader}));
    EXPECT_TRUE(LogLines().empty());
    EXPECT_EQ(state.Row(0)[0], memory[0x0300]);

    SetInputs("FFF8", "2");
    BlocksPass(true);
    BlocksPass(false);
    EXPECT_EQ(List()[3], Block(0x0000, '>'));
}

TEST_F(MemoryBlocksPass, BlockReadPartWayShowsAndLogsOnlyTheBytesRead) {
    SetInputs("0100", "1");
    // The first two addresses answer, then the unit falls silent.
    device.SetResponder(nullptr);
    device.Script({fakes::Reply(0x01, 0x00, 0xAB), fakes::Reply(0x01, 0x01, 0xCD)});
    BlocksPass(true);
    const std::string line = "0100>\tAB\tCD" + Unread(0).substr(5, 14 * 3);
    EXPECT_EQ(List(), (Lines{"Bytes read: -1  Count: 0", kHeader, line}));
    EXPECT_EQ(LogLines(), (Lines{"01:02:03.004," + line}));
}

TEST_F(MemoryBlocksPass, SwitchFromBytesGoesOnWithTheBlocksStateItHas) {
    SetInputs("1000", "4");
    BytesPass();

    // A switch during a run reaches the Blocks pass without a first pass: with nothing set
    // up yet it reads the single block at 0x0000 and completes the sweep.
    EXPECT_TRUE(BlocksPass(false));
    EXPECT_EQ(List(), (Lines{"Bytes read: 16  Count: 0", kHeader, Block(0x0000, '>')}));

    // And the Bytes mode ages the rows the blocks filled.
    const std::uint8_t firstOfBlock0 = state.Row(0)[0];
    BytesPass();
    EXPECT_EQ(state.Row(1)[0], firstOfBlock0);
}

TEST_F(MemoryBlocksPass, ClearEmptiesTheBufferAndRestartsTheBlocksWithoutUnitTraffic) {
    memory[0x0120] = 0x3C;
    SetInputs("0120", "4");
    BlocksPass(true);
    BlocksPass(false);
    BlocksPass(false);
    BytesPass();
    BytesPass();
    device.ClearTrace();

    state.Clear();

    EXPECT_TRUE(device.Trace().empty());
    EXPECT_EQ(state.historyCount, 0);
    EXPECT_EQ(state.Row(1)[0], 0);
    // The Bytes pass counter is never reset; only the new reading is shown.
    BytesPass();
    EXPECT_EQ(List().front(), "Bytes read: 4  Count: 2");
    EXPECT_EQ(List()[1], "0120\t3C");
    // A Blocks run at the same base starts afresh: the counter restarts, block 1 is unread.
    BlocksPass(true);
    EXPECT_EQ(List().front(), "Bytes read: 16  Count: 0");
    EXPECT_EQ(List()[3].substr(0, 8), "0130 \t--");
}

} // namespace
} // namespace korvane
