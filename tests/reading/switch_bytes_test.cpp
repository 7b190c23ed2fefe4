#include "reading/switch_bytes.h"

#include "app/unit_fixture.h"
#include "reading/pass_texts.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

class SwitchBytesTest : public ::testing::Test, protected fakes::UnitFixture {
protected:
    SwitchBytes Read(const std::string& input, const std::string& io) {
        return ReadSwitchBytes(session.Link(UnitType::Ecu),
                               {SwitchAddressFromText(input), SwitchAddressFromText(io)});
    }
    // The row's bit texts from bit 7 down to bit 0, as they stand in the window.
    static std::string Bits(const std::optional<std::uint8_t>& byte) {
        std::string bits;
        for (int bit = 7; bit >= 0; --bit) {
            bits += SwitchBitText(byte, bit);
        }
        return bits;
    }
};

TEST_F(SwitchBytesTest, EachRowShowsTheByteOfItsOwnAddress) {
    memory[0x0000] = 0x01;
    memory[0x0001] = 0x80;
    memory[0x1240] = 0xA5;
    memory[0x1241] = 0x3C;

    SwitchBytes bytes = Read("0000", "0001");
    EXPECT_EQ(SwitchByteText(bytes.input), "01");
    EXPECT_EQ(Bits(bytes.input), "00000001");
    EXPECT_EQ(SwitchByteText(bytes.io), "80");
    EXPECT_EQ(Bits(bytes.io), "10000000");

    // The lower address in the IO box still drives the IO row.
    bytes = Read("1241", "1240");
    EXPECT_EQ(bytes.input, 0x3C);
    EXPECT_EQ(bytes.io, 0xA5);

    // The same address in both boxes: one frame, its byte in both rows.
    device.ClearTrace();
    bytes = Read("1241", "0x1241");
    EXPECT_EQ(bytes.io, 0x3C);
    EXPECT_EQ(device.CountWrites({0x78, 0x12, 0x41, 0x00}), 1);
}

TEST_F(SwitchBytesTest, ABoxWithoutAHexNumberIsNotRead) {
    memory[0x0001] = 0xFF;
    SwitchBytes bytes = Read("zz", " 1 switch");
    EXPECT_EQ(SwitchByteText(bytes.input), "--");
    EXPECT_EQ(Bits(bytes.input), "----------------");
    EXPECT_EQ(bytes.io, 0xFF);
    EXPECT_EQ(device.Writes().front(), (fakes::Bytes{0x78, 0x00, 0x01, 0x00}));

    device.ClearTrace();
    bytes = Read("zz", "");
    EXPECT_FALSE(bytes.io);
    EXPECT_TRUE(device.Trace().empty());
}

} // namespace
} // namespace korvane
