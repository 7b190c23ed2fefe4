#include "link/command_frames.h"
#include "link/unit_type.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace korvane {
namespace {

TEST(BuildReadFrame, LayoutPerUnitWithTheAddressCut) {
    using V = std::vector<std::uint8_t>;
    const std::vector<std::tuple<std::uint32_t, UnitType, V>> rows = {
        {0x1234, UnitType::Ecu, {0x78, 0x12, 0x34, 0x00}},
        {0x1234, UnitType::Tcu, {0x45, 0x12, 0x34, 0x00}},
        {0x1234, UnitType::Aircon, {0x89, 0x00, 0x34}},
        {0x1234, UnitType::FourWs, {0x92, 0x00, 0x34}},
        {0x12FF, UnitType::Cruise, {0xAB, 0x00, 0xFF}},
        {0xABCDEF, UnitType::Tcu, {0x45, 0xCD, 0xEF, 0x00}},
        // Values of no unit are taken for the ECU.
        {0x1234, static_cast<UnitType>(5), {0x78, 0x12, 0x34, 0x00}},
        {0x1234, static_cast<UnitType>(-1), {0x78, 0x12, 0x34, 0x00}}};
    for (const auto& [address, unit, expected] : rows) {
        // Positions past the frame's length are left alone.
        CommandFrame frame{0xEE, 0xEE, 0xEE, 0xEE};
        const int length = BuildReadFrame(frame, address, unit);
        EXPECT_EQ(V(frame.begin(), frame.begin() + length), expected) << address;
        EXPECT_TRUE(length == 4 || frame[3] == 0xEE);
    }
    EXPECT_EQ(BuildWriteRequest(0x1234, 0x5A), (CommandFrame{0xAA, 0x12, 0x34, 0x5A}));
}

} // namespace
} // namespace korvane
