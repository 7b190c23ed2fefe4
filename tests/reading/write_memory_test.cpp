#include "reading/write_memory.h"

#include "link/fake_device.h"
#include "reading/pass_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace korvane {
namespace {

TEST(WriteMemory, WritesTheByteAtTheAddressAndShowsTheReply) {
    for (const bool closed : {false, true}) {
        SCOPED_TRACE(closed ? "closed" : "open");
        std::vector<std::uint8_t> memory(0x10000, 0x77);
        fakes::FakeDevice device;
        device.SetResponder(fakes::MemoryResponder(memory));
        device.SetClosed(closed);
        const WriteOutcome outcome = WriteMemory(device.Link(), 0x2345, 0xFF);
        EXPECT_EQ(memory[0x2345], closed ? 0x77 : 0xFF);
        EXPECT_EQ(outcome.answered, !closed);
        // A unit that never answered shows 0, not the byte asked for.
        EXPECT_EQ(WriteResultText(outcome), closed ? "0x00" : "0xff");
    }
}

} // namespace
} // namespace korvane
