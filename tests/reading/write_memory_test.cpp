#include "reading/write_memory.h"

#include "app/fake_window.h"
#include "link/fake_device.h"
#include "resources/control_ids.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {
namespace {

namespace m = ids::main;

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
        fakes::FakeWindow window;
        window.SetText(m::kWriteAddressEdit, row.addressText);
        window.SetText(m::kWriteDataEdit, row.data);
        window.SetText(m::kWriteResult, "0x99");
        WriteMemoryCommand(window, device.Link());
        EXPECT_EQ(memory[row.address], row.stored);
        EXPECT_EQ(window.GetText(m::kWriteResult), row.shown);
    }
}

} // namespace
} // namespace korvane
