#include "link/command_frames.h"
#include "link/unit_type.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvane {
namespace {

std::vector<std::uint8_t> ReadFrameFor(std::uint32_t address, UnitType unit) {
    CommandFrame frame{0xEE, 0xEE, 0xEE, 0xEE};
    const int length = BuildReadFrame(frame, address, unit);
    return {frame.begin(), frame.begin() + length};
}

TEST(BuildReadFrame, FourByteUnitsSendTheWholeAddress) {
    using V = std::vector<std::uint8_t>;
    EXPECT_EQ(ReadFrameFor(0x1234, UnitType::Ecu), (V{0x78, 0x12, 0x34, 0x00}));
    EXPECT_EQ(ReadFrameFor(0x1234, UnitType::Tcu), (V{0x45, 0x12, 0x34, 0x00}));
    EXPECT_EQ(ReadFrameFor(0xFFFF, UnitType::Ecu), (V{0x78, 0xFF, 0xFF, 0x00}));
}

TEST(BuildReadFrame, ThreeByteUnitsSendOnlyTheLowByte) {
    using V = std::vector<std::uint8_t>;
    EXPECT_EQ(ReadFrameFor(0x1234, UnitType::Aircon), (V{0x89, 0x00, 0x34}));
    EXPECT_EQ(ReadFrameFor(0x1234, UnitType::FourWs), (V{0x92, 0x00, 0x34}));
    EXPECT_EQ(ReadFrameFor(0x12FF, UnitType::Cruise), (V{0xAB, 0x00, 0xFF}));

    // The fourth position is not part of a three-byte frame and is left alone.
    CommandFrame frame{0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(BuildReadFrame(frame, 0x0042, UnitType::Aircon), 3);
    EXPECT_EQ(frame[3], 0xEE);
}

TEST(BuildReadFrame, WiderAddressesAreCutTo16Bits) {
    using V = std::vector<std::uint8_t>;
    EXPECT_EQ(ReadFrameFor(0x10000, UnitType::Ecu), (V{0x78, 0x00, 0x00, 0x00}));
    EXPECT_EQ(ReadFrameFor(0xABCDEF, UnitType::Tcu), (V{0x45, 0xCD, 0xEF, 0x00}));
}

TEST(BuildReadFrame, UnknownUnitValuesAreTreatedAsTheEcu) {
    using V = std::vector<std::uint8_t>;
    EXPECT_EQ(ReadFrameFor(0x1234, static_cast<UnitType>(5)), (V{0x78, 0x12, 0x34, 0x00}));
    EXPECT_EQ(ReadFrameFor(0x1234, static_cast<UnitType>(-1)), (V{0x78, 0x12, 0x34, 0x00}));
    EXPECT_EQ(ReadCommandByte(static_cast<UnitType>(99)), 0x78);
}

TEST(BuildWriteRequest, CarriesCommandAddressAndData) {
    EXPECT_EQ(BuildWriteRequest(0x1234, 0x5A), (CommandFrame{0xAA, 0x12, 0x34, 0x5A}));
    EXPECT_EQ(BuildWriteRequest(0x00FF, 0x00), (CommandFrame{0xAA, 0x00, 0xFF, 0x00}));
}

TEST(UnitType, ValuesAndCaptionsRoundTrip) {
    EXPECT_EQ(UnitTypeFromValue(0), UnitType::Ecu);
    EXPECT_EQ(UnitTypeFromValue(3), UnitType::FourWs);
    EXPECT_EQ(UnitTypeFromValue(4), UnitType::Cruise);
    EXPECT_EQ(UnitTypeFromValue(5), UnitType::Ecu);
    EXPECT_EQ(UnitTypeFromValue(-3), UnitType::Ecu);

    EXPECT_EQ(UnitCaption(UnitType::FourWs), "4WS");
    EXPECT_EQ(UnitCaption(static_cast<UnitType>(7)), "ECU");
    for (int value = 0; value < 5; ++value) {
        const UnitType unit = UnitTypeFromValue(value);
        EXPECT_EQ(UnitTypeFromCaption(UnitCaption(unit)), unit);
    }
    EXPECT_EQ(UnitTypeFromCaption("Aircon"), UnitType::Aircon);
    EXPECT_FALSE(UnitTypeFromCaption("ecu").has_value());
    EXPECT_FALSE(UnitTypeFromCaption("").has_value());
}

} // namespace
} // namespace korvane
