#include "reading/memory_commands.h"

#include "app/app_context.h"
#include "reading/memory_tools_state.h"

#include "memory_fixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

class MemoryCommands : public testing::MemoryFixture {
protected:
    MemoryCommands() { context.memoryTools = &tools; }

    MemoryToolsState tools;
};

TEST_F(MemoryCommands, PassesUseTheContextsUnitLogAndState) {
    context.unitType = UnitType::Tcu;
    SetInputs("0120", "1");

    ReadMemoryBytesPass(window, context);
    // One block of count 1 is a whole sweep.
    EXPECT_TRUE(ReadMemoryBlocksPass(window, context, true));

    EXPECT_EQ(device.Writes().front(), (fakes::Bytes{0x45, 0x01, 0x20, 0x00}));
    EXPECT_EQ(tools.readMemory.bytesPassCount, 1);
    EXPECT_EQ(tools.readMemory.blocks.passCount, 1);
    EXPECT_EQ(LogLines().front(), "01:02:03.004,Start Address,0120");
}

TEST_F(MemoryCommands, ClearEmptiesTheListAndTheBufferWithoutUnitTraffic) {
    memory[0x0120] = 0x3C;
    SetInputs("0120", "4");
    ReadMemoryBlocksPass(window, context, true);
    ReadMemoryBlocksPass(window, context, false);
    ReadMemoryBlocksPass(window, context, false);
    ReadMemoryBytesPass(window, context);
    ReadMemoryBytesPass(window, context);
    device.ClearTrace();

    ClearReadMemory(window, context);

    EXPECT_TRUE(List().empty());
    EXPECT_TRUE(device.Trace().empty());
    EXPECT_EQ(tools.readMemory.historyCount, 0);
    EXPECT_EQ(tools.readMemory.Row(1)[0], 0);
    // The Bytes pass counter is never reset; only the new reading is shown.
    ReadMemoryBytesPass(window, context);
    EXPECT_EQ(List().front(), "Bytes read: 4  Count: 2");
    EXPECT_EQ(List()[1], "0120\t3C");
    // A Blocks run at the same base starts afresh: the counter restarts, block 1 is unread.
    ReadMemoryBlocksPass(window, context, true);
    EXPECT_EQ(List().front(), "Bytes read: 16  Count: 0");
    EXPECT_EQ(List()[3].substr(0, 8), "0130 \t--");
}

} // namespace
} // namespace korvane
