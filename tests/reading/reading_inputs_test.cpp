#include "reading/memory_inputs.h"
#include "reading/write_memory.h"
#include "text/hex_number.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ReadingInputs, AddressBoxesTakeTheLeadingHexNumber) {
    EXPECT_EQ(ParseHexAddress("1240"), 0x1240U);
    EXPECT_EQ(ParseHexAddress("  0x00aF rest"), 0xAFU);
    EXPECT_EQ(ParseHexAddress("0x"), 0U);
    EXPECT_EQ(ParseHexAddress("123456789"), 0x23456789U);
    for (const char* text : {"", "   ", "x12", "-1"}) {
        EXPECT_EQ(ParseHexAddress(text), std::nullopt) << text;
    }
}

TEST(ReadingInputs, MemoryAndWriteBoxesReadOnlyTheirFirstCharacters) {
    EXPECT_EQ(MemoryStartFromText("ffF0"), 0xFFF0);
    EXPECT_EQ(MemoryStartFromText("0x12"), 0x12);
    EXPECT_EQ(MemoryStartFromText("12zz"), 0x12);
    EXPECT_EQ(MemoryStartFromText("123456"), 0x2345);
    EXPECT_EQ(MemoryStartFromText("    12"), 0x1); // blanks count towards the five
    EXPECT_EQ(WriteAddressFromText("12345"), 0x2345);
    EXPECT_EQ(WriteDataFromText("1FF"), 0xFF);
    EXPECT_EQ(WriteDataFromText("a5"), 0xA5);
    EXPECT_EQ(WriteDataFromText("0x12"), 0x01);
    for (const char* text : {"", "zz", "-"}) {
        EXPECT_EQ(MemoryStartFromText(text), 0) << text;
        EXPECT_EQ(WriteAddressFromText(text), 0) << text;
        EXPECT_EQ(WriteDataFromText(text), 0) << text;
    }
    EXPECT_EQ(MemoryCountFromText("0"), 0);
    EXPECT_EQ(MemoryCountFromText("16"), 16);
    EXPECT_EQ(MemoryCountFromText(" 5"), 5);
    EXPECT_EQ(MemoryCountFromText("7x"), 7);
    EXPECT_EQ(MemoryCountFromText("0016"), 1);
    for (const char* text : {"17", "100", "-1", "abc", "", "1234"}) {
        EXPECT_EQ(MemoryCountFromText(text), 16) << text;
    }
}

} // namespace
} // namespace korvane
