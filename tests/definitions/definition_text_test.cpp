#include "definitions/definition_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> Split(std::string_view text) {
    std::vector<std::string> fields;
    const int count = SplitFields(text, kFieldSeparators, fields);
    EXPECT_EQ(count, static_cast<int>(fields.size()));
    return fields;
}

TEST(BlankByteTest, ControlBytesSpaceAndHighBytesAreBlank) {
    EXPECT_TRUE(IsBlankByte('\0'));
    EXPECT_TRUE(IsBlankByte('\t'));
    EXPECT_TRUE(IsBlankByte(' '));
    EXPECT_TRUE(IsBlankByte('\x80'));
    EXPECT_TRUE(IsBlankByte('\xFF'));
    EXPECT_FALSE(IsBlankByte('!'));
    EXPECT_FALSE(IsBlankByte('\x7F'));
}

TEST(TrimTrailingBlanksTest, RemovesLineEndsSpacesAndHighBytesButKeepsTheFirstByte) {
    std::string line = "EngineSpeedAddress=0x1238 \t\r\n";
    TrimTrailingBlanks(line);
    EXPECT_EQ(line, "EngineSpeedAddress=0x1238");

    line = "a b\x80\xFF\n";
    TrimTrailingBlanks(line);
    EXPECT_EQ(line, "a b");

    line = "x\n";
    TrimTrailingBlanks(line);
    EXPECT_EQ(line, "x");

    line = " \n";
    TrimTrailingBlanks(line);
    EXPECT_EQ(line, " ");

    line.clear();
    TrimTrailingBlanks(line);
    EXPECT_EQ(line, "");
}

TEST(SplitFieldsTest, SeparatorRunsCountAsOneAndProduceNoEmptyFields) {
    EXPECT_THAT(Split("a,,b"), ElementsAre("a", "b"));
    EXPECT_THAT(Split(" a , b"), ElementsAre("a", "b"));
    EXPECT_THAT(Split(",\t ,"), ElementsAre());
    EXPECT_THAT(Split(""), ElementsAre());
}

TEST(SplitFieldsTest, LineFeedStaysWithTheLastFieldOrFormsItsOwn) {
    EXPECT_THAT(Split("Speed,%d,Speed*2\n"), ElementsAre("Speed", "%d", "Speed*2\n"));
    EXPECT_THAT(Split("Speed, %d, Speed * 2\n"), ElementsAre("Speed", "%d", "Speed", "*", "2\n"));
    EXPECT_THAT(Split("Speed,\"%.1f km\",\"Speed * 2\"\n"),
                ElementsAre("Speed", "%.1f km", "Speed * 2", "\n"));
}

TEST(SplitFieldsTest, QuotesOnlyOpenAFieldAtItsStart) {
    EXPECT_THAT(Split("a\"b"), ElementsAre("a\"b"));
    EXPECT_THAT(Split("\"a b\"c"), ElementsAre("a b", "c"));
    EXPECT_THAT(Split("x,\"\",y"), ElementsAre("x", "", "y"));
    EXPECT_THAT(Split("x,\"open, to the end\n"), ElementsAre("x", "open, to the end\n"));
    EXPECT_THAT(Split("\""), ElementsAre(""));
}

TEST(SplitFieldsTest, AppendsToWhatTheListAlreadyHolds) {
    std::vector<std::string> fields{"kept"};
    EXPECT_EQ(SplitFields("a b", kFieldSeparators, fields), 2);
    EXPECT_THAT(fields, ElementsAre("kept", "a", "b"));
}

TEST(SplitFieldsTest, CarriesNulAndHighBytesAsFieldText) {
    const std::string text("a\0b,\xE4\xF6", 6);
    EXPECT_THAT(Split(text), ElementsAre(std::string("a\0b", 3), "\xE4\xF6"));
}

TEST(ReadDecimalTest, ReadsLikeFormattedInput) {
    EXPECT_EQ(ReadDecimal("3"), 3);
    EXPECT_EQ(ReadDecimal(" 3"), 3);
    EXPECT_EQ(ReadDecimal("\t\r\n 3"), 3);
    EXPECT_EQ(ReadDecimal("3x"), 3);
    EXPECT_EQ(ReadDecimal("COM3"), 0);
    EXPECT_EQ(ReadDecimal(""), 0);
    EXPECT_EQ(ReadDecimal("-12"), -12);
    EXPECT_EQ(ReadDecimal("+12"), 12);
    EXPECT_EQ(ReadDecimal("- 12"), 0);
    EXPECT_EQ(ReadDecimal("0x10"), 0);
}

TEST(ReadDecimalTest, SaturatesOutsideTheThirtyTwoBitRange) {
    EXPECT_EQ(ReadDecimal("2147483647"), 2147483647);
    EXPECT_EQ(ReadDecimal("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ReadDecimal("2147483648"), 2147483647);
    EXPECT_EQ(ReadDecimal("4294967298"), 2147483647);
    EXPECT_EQ(ReadDecimal("-99999999999999999999999"), -2147483647 - 1);
}

TEST(ReadHexTest, ReadsLikeFormattedInput) {
    EXPECT_EQ(ReadHex("0x1A2B"), 0x1A2Bu);
    EXPECT_EQ(ReadHex("1a2b"), 0x1A2Bu);
    EXPECT_EQ(ReadHex("  1A2B"), 0x1A2Bu);
    EXPECT_EQ(ReadHex("0X1a2B rest"), 0x1A2Bu);
    EXPECT_EQ(ReadHex("zz12"), 0u);
    EXPECT_EQ(ReadHex("0x"), 0u);
    EXPECT_EQ(ReadHex("0"), 0u);
    EXPECT_EQ(ReadHex(""), 0u);
    EXPECT_EQ(ReadHex("2238"), 0x2238u);
    EXPECT_EQ(ReadHex("0123"), 0x123u);
}

TEST(ReadHexTest, SaturatesOutsideTheThirtyTwoBitRange) {
    EXPECT_EQ(ReadHex("FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadHex("100000000"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadHex("0x123456789ABCDEF0123"), 0xFFFFFFFFu);
}

} // namespace
} // namespace korvane
