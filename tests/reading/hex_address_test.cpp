#include "reading/hex_address.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ParseHexAddress, TakesTheLeadingHexNumber) {
    EXPECT_EQ(ParseHexAddress("1240"), 0x1240U);
    EXPECT_EQ(ParseHexAddress("  0x00aF rest"), 0xAFU);
    EXPECT_EQ(ParseHexAddress("0"), 0U);
    EXPECT_EQ(ParseHexAddress("0x"), 0U);
    EXPECT_EQ(ParseHexAddress("12g"), 0x12U);
    EXPECT_EQ(ParseHexAddress("123456789"), 0x23456789U);
    EXPECT_EQ(ParseHexAddress(""), std::nullopt);
    EXPECT_EQ(ParseHexAddress("   "), std::nullopt);
    EXPECT_EQ(ParseHexAddress("x12"), std::nullopt);
    EXPECT_EQ(ParseHexAddress("-1"), std::nullopt);
}

} // namespace
} // namespace korvane
