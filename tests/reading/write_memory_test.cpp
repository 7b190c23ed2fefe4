#include "reading/write_memory.h"

#include "app/fake_window.h"
#include "link/fake_device.h"
#include "resources/control_ids.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace korvane {
namespace {

namespace m = ids::main;

TEST(WriteMemoryInputs, KeepTheLowBitsOfTheNumberTheTextBeginsWith) {
    EXPECT_EQ(WriteDataFromText("1FF"), 0xFF);
    EXPECT_EQ(WriteDataFromText("a5"), 0xA5);
    // Only three characters are read.
    EXPECT_EQ(WriteDataFromText("0x12"), 0x01);
    EXPECT_EQ(WriteAddressFromText("12345"), 0x2345);
    EXPECT_EQ(WriteAddressFromText("1000"), 0x1000);
    for (const char* text : {"", "zz", "-"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(WriteDataFromText(text), 0);
        EXPECT_EQ(WriteAddressFromText(text), 0);
    }
}

class WriteMemory : public ::testing::Test {
protected:
    WriteMemory() { device.SetResponder(fakes::MemoryResponder(memory)); }

    std::vector<std::uint8_t> memory = std::vector<std::uint8_t>(0x10000, 0x77);
    fakes::FakeDevice device;
    fakes::FakeWindow window;
};

TEST_F(WriteMemory, WritesTheByteAtTheAddressAndShowsTheReply) {
    window.SetText(m::kWriteAddressEdit, "12345");
    window.SetText(m::kWriteDataEdit, "1FF");

    EXPECT_EQ(WriteMemoryCommand(window, device.Link()), 0xFF);

    EXPECT_EQ(memory[0x2345], 0xFF);
    EXPECT_EQ(window.GetText(m::kWriteResult), "0xff");
}

TEST_F(WriteMemory, EmptyDataBoxWritesZero) {
    window.SetText(m::kWriteAddressEdit, "1000");
    window.SetText(m::kWriteDataEdit, "");

    WriteMemoryCommand(window, device.Link());

    EXPECT_EQ(memory[0x1000], 0x00);
    EXPECT_EQ(window.GetText(m::kWriteResult), "0x00");
}

TEST_F(WriteMemory, ClosedPortShowsZero) {
    device.SetClosed(true);
    window.SetText(m::kWriteAddressEdit, "1000");
    window.SetText(m::kWriteDataEdit, "42");
    window.SetText(m::kWriteResult, "0x99");

    WriteMemoryCommand(window, device.Link());

    EXPECT_EQ(window.GetText(m::kWriteResult), "0x00");
}

} // namespace
} // namespace korvane
