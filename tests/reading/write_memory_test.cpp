#include "reading/write_memory.h"

#include "link/fake_device.h"
#include "reading/pass_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {
namespace {

TEST(WriteMemory, WritesTheByteAtTheAddressAndShowsTheReply) {
    struct Row {
        const char* addressText;
        const char* data;
        bool closed;
        std::uint16_t address;
        std::uint8_t stored;
        const char* shown;
    };
    for (const Row& row : {Row{"12345", "1FF", false, 0x2345, 0xFF, "0xff"},
                           Row{"1000", "", false, 0x1000, 0x00, "0x00"},
                           Row{"1000", "42", true, 0x1000, 0x77, "0x00"}}) {
        SCOPED_TRACE(row.addressText + std::string(" ") + row.data);
        std::vector<std::uint8_t> memory(0x10000, 0x77);
        fakes::FakeDevice device;
        device.SetResponder(fakes::MemoryResponder(memory));
        device.SetClosed(row.closed);
        const WriteOutcome outcome = WriteMemory(
            device.Link(), WriteAddressFromText(row.addressText), WriteDataFromText(row.data));
        EXPECT_EQ(memory[row.address], row.stored);
        EXPECT_EQ(WriteResultText(outcome), row.shown);
    }
}

} // namespace
} // namespace korvane
