#include "reading/memory_inputs.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(MemoryStartFromText, ReadsTheHexNumberTheFirstFiveCharactersBeginWith) {
    EXPECT_EQ(MemoryStartFromText("1237"), 0x1237);
    EXPECT_EQ(MemoryStartFromText("ffF0"), 0xFFF0);
    EXPECT_EQ(MemoryStartFromText("0x12"), 0x12);
    EXPECT_EQ(MemoryStartFromText("12zz"), 0x12);
    // Only 16 bits go on the line; a sixth digit is never read.
    EXPECT_EQ(MemoryStartFromText("12345"), 0x2345);
    EXPECT_EQ(MemoryStartFromText("123456"), 0x2345);
    // Leading blanks are skipped, but count towards the five characters.
    EXPECT_EQ(MemoryStartFromText("    12"), 0x1);
}

TEST(MemoryStartFromText, TextWithoutAHexNumberIsZero) {
    EXPECT_EQ(MemoryStartFromText(""), 0);
    EXPECT_EQ(MemoryStartFromText("zz"), 0);
    EXPECT_EQ(MemoryStartFromText("-"), 0);
}

TEST(MemoryCountFromText, AcceptsZeroToSixteen) {
    EXPECT_EQ(MemoryCountFromText("0"), 0);
    EXPECT_EQ(MemoryCountFromText("16"), 16);
    EXPECT_EQ(MemoryCountFromText(" 5"), 5);
    EXPECT_EQ(MemoryCountFromText("7x"), 7);
    // Only three characters are read.
    EXPECT_EQ(MemoryCountFromText("0016"), 1);
}

TEST(MemoryCountFromText, AnythingElseIsSixteen) {
    for (const char* text : {"17", "100", "-1", "abc", "", "1234"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(MemoryCountFromText(text), 16);
    }
}

} // namespace
} // namespace korvane
