#include "reading/read_memory_blocks.h"
#include "reading/read_memory_bytes.h"

#include "memory_fixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using MemoryClear = testing::MemoryFixture;

TEST_F(MemoryClear, ClearEmptiesTheBufferAndRestartsTheBlocksWithoutUnitTraffic) {
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
