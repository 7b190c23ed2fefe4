#include "reading/switch_display.h"

#include "app/unit_fixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

constexpr int kInputBits[8] = {3011, 3012, 3013, 3024, 3025, 3026, 3027, 3028};
constexpr int kIoBits[8] = {3031, 3032, 3033, 3034, 3035, 3036, 3037, 3038};

class SwitchDisplayTest : public ::testing::Test, protected fakes::UnitFixture {
protected:
    // The row's bit boxes from bit 7 down to bit 0, as they stand in the window.
    std::string Bits(const int (&boxes)[8]) {
        std::string bits;
        for (int bit = 7; bit >= 0; --bit) {
            bits += window.GetText(boxes[bit]);
        }
        return bits;
    }
};

TEST_F(SwitchDisplayTest, EachRowShowsTheByteOfItsOwnAddress) {
    memory[0x0000] = 0x01;
    memory[0x0001] = 0x80;
    memory[0x1240] = 0xA5;
    memory[0x1241] = 0x3C;

    window.SetText(3030, "0000");
    window.SetText(3040, "0001");
    ShowSwitchBytes(window, context);
    EXPECT_EQ(window.GetText(3029), "01");
    EXPECT_EQ(Bits(kInputBits), "00000001");
    EXPECT_EQ(window.GetText(3039), "80");
    EXPECT_EQ(Bits(kIoBits), "10000000");

    // The lower address in the IO box still drives the IO row.
    window.SetText(3030, "1241");
    window.SetText(3040, "1240");
    ShowSwitchBytes(window, context);
    EXPECT_EQ(window.GetText(3029), "3C");
    EXPECT_EQ(Bits(kInputBits), "00111100");
    EXPECT_EQ(window.GetText(3039), "A5");
    EXPECT_EQ(Bits(kIoBits), "10100101");

    // The same address in both boxes: one frame, its byte in both rows.
    device.ClearTrace();
    window.SetText(3040, "0x1241");
    ShowSwitchBytes(window, context);
    EXPECT_EQ(window.GetText(3039), "3C");
    EXPECT_EQ(Bits(kIoBits), "00111100");
    EXPECT_EQ(device.CountWrites({0x78, 0x12, 0x41, 0x00}), 1);
}

TEST_F(SwitchDisplayTest, ABoxWithoutAHexNumberIsNotRead) {
    memory[0x0001] = 0xFF;
    window.SetText(3030, "zz");
    window.SetText(3040, " 1 switch");
    ShowSwitchBytes(window, context);
    EXPECT_EQ(window.GetText(3029), "--");
    EXPECT_EQ(Bits(kInputBits), "----------------");
    EXPECT_EQ(window.GetText(3039), "FF");
    EXPECT_EQ(device.Writes().front(), (fakes::Bytes{0x78, 0x00, 0x01, 0x00}));

    device.ClearTrace();
    window.SetText(3040, "");
    ShowSwitchBytes(window, context);
    EXPECT_EQ(window.GetText(3039), "--");
    EXPECT_TRUE(device.Trace().empty());
}

} // namespace
} // namespace korvane
