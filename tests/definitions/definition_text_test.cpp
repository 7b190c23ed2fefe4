#include "definitions/definition_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {
namespace {

TEST(DefinitionTextTest, SplitFieldsFollowsSeparatorAndQuoteRules) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> rows = {
        {",\t ,", {}},
        {"Speed, %d, Speed * 2\n", {"Speed", "%d", "Speed", "*", "2\n"}},
        {"Speed,\"%.1f km\",\"Speed * 2\"\n", {"Speed", "%.1f km", "Speed * 2", "\n"}},
        {"a\"b", {"a\"b"}},
        {"\"a b\"c", {"a b", "c"}},
        {"x,\"open, to the end\n", {"x", "open, to the end\n"}},
        {"\"", {""}},
        {std::string("a\0b,\xE4\xF6", 6), {std::string("a\0b", 3), "\xE4\xF6"}}};
    for (const auto& [input, expected] : rows) {
        std::vector<std::string> fields{"kept"};
        EXPECT_EQ(SplitFields(input, kFieldSeparators, fields), static_cast<int>(expected.size()))
            << input;
        EXPECT_EQ(fields.front(), "kept");
        EXPECT_EQ(std::vector<std::string>(fields.begin() + 1, fields.end()), expected) << input;
    }
}

TEST(DefinitionTextTest, ReadDecimalReadsLikeFormattedInputAndSaturates) {
    const std::vector<std::pair<std::string, std::int32_t>> rows = {
        {"\t\r\n 3", 3},
        {"3x", 3},
        {"COM3", 0},
        {"+102", 102},
        {"- 12", 0},
        {"0x10", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 2147483647},
        {"4294967298", 2147483647},
        {"-99999999999999999999999", -2147483647 - 1}};
    for (const auto& [input, expected] : rows) {
        EXPECT_EQ(ReadDecimal(input), expected) << input;
    }
    // A value cut out of a longer line ends where its view ends.
    EXPECT_EQ(ReadDecimal(std::string_view("1234").substr(0, 2)), 12);
}

TEST(DefinitionTextTest, ReadHexReadsLikeFormattedInputAndSaturates) {
    const std::vector<std::pair<std::string, std::uint32_t>> rows = {
        {"0x1A2B", 0x1A2B},
        {"1a2b", 0x1A2B},
        {"  1A2B", 0x1A2B},
        {"0X1a2B rest", 0x1A2B},
        {"zz12", 0},
        {"0123", 0x123},
        {"FFFFFFFF", 0xFFFFFFFF},
        {"100000000", 0xFFFFFFFF},
        {"0x123456789ABCDEF0123", 0xFFFFFFFF}};
    for (const auto& [input, expected] : rows) {
        EXPECT_EQ(ReadHex(input), expected) << input;
    }
}

} // namespace
} // namespace korvane
