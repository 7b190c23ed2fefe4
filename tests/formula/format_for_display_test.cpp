#include "formula/display_format.h"
#include "formula/formula_value.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

std::string Show(const std::string& valueText, const std::string& format) {
    return FormulaValue("v", valueText).FormatForDisplay(format);
}

struct Row {
    std::string value, format, expected;
};

TEST(FormatForDisplay, ConversionLetterChoosesRealOrIntegerWithSaturation) {
    const std::string huge = std::string(400, '9') + ".000000";
    const std::vector<Row> rows = {
        {"3.500000", "%d", "3"},
        {"3.500000", "%.1f", "3.5"},
        {"3.500000", "0x%02X", "0x03"},
        {"-2.500000", "%d", "-2"},
        {"300.000000", "0x%02X", "0x12C"},
        {"7", "%6.2f|", "  7.00|"},
        {"0.5", "%g", "0.5"},
        {"-1", "%u", "4294967295"},
        {"-1", "%x", "ffffffff"},
        {"42", "%+i", "+42"},
        {"6.600000", "%d ft", "6 ft"},
        {"5", "[%-4d]", "[5   ]"},
        {"5", "%#x", "0x5"},
        {"55", "%%%d%%", "%55%"},
        {"55", "100%%", "100%"},
        // Length modifiers are ignored and the right type is passed.
        {"3.25", "%lf", "3.250000"},
        {"123456", "%lld", "123456"},
        {"300", "%hhX", "12C"},
        {"-7", "%zd|%%", "-7|%"},
        // A failed evaluation leaves an empty result: "%" formats show 0.
        {"", "0x%02X", "0x00"},
        {"", "%.1f", "0.0"},
        {"3000000000.000000", "%d", "2147483647"},
        {"-3000000000.000000", "%d", "-2147483648"},
        {huge, "%X", "7FFFFFFF"},
        {"1e300", "%d", "1"},
        {"inf", "%d", "0"},
        {"-nan", "%d", "0"},
        {"inf", "%.1f", "0.0"},
        {"5", std::string("%d\0%s", 5), "5"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Show(row.value, row.format), row.expected) << row.value << " " << row.format;
    }
}

// What reaches printf: validated flags, width and precision and the letter, never a
// length modifier, and no "#" for the decimal letters, for which it is undefined.
TEST(ParseDisplayFormat, RebuildsTheConversionFromItsCheckedPieces) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"%#d", "%d"},
        {"%#i", "%i"},
        {"%#u", "%u"},
        {"%#x", "%#x"},
        {"%#o", "%#o"},
        {"%#.2f", "%#.2f"},
        {"%-+ 08.3lf", "%-+ 08.3f"},
        {"%hhX", "%X"},
        {"%99999d", "%1023d"},
    };
    for (const auto& [format, conversion] : rows) {
        DisplayFormat parsed;
        ASSERT_TRUE(ParseDisplayFormat(format, parsed)) << format;
        EXPECT_EQ(parsed.conversion, conversion) << format;
    }
}

TEST(FormatForDisplay, UnsafeUnknownOrPercentFreeFormatsShowTheValueText) {
    const char* const rejected[] = {
        "%s", "%n",  "%*d", "%.*f", "%d %d", "%f%x",  "%",   "abc%",    "%5",    "%c",
        "%p", "%ls", "%S",  "%m",   "%1$d",  "%'d",   "% r", "%-",      "%lllf", "%5.2.1f",
        "%b", "%C",  "%#",  "%hhh", "%5%",   "%.3 d", "%ll", "%jd %ld", "rpm",   ""};
    for (const char* format : rejected) {
        EXPECT_EQ(Show("12.500000", format), "12.500000") << format;
    }
}

TEST(FormatForDisplay, HugeWidthsAndPrecisionsStayWithinTheTextLimit) {
    for (const std::string format : {"%999999999999d", "%.99999999999f", "%2147483648d",
                                     "%1024.1024e", "x%1023d", "%-5000d|"}) {
        const std::string shown = Show("1e300", format);
        EXPECT_LE(shown.size(), kDisplayTextLimit) << format;
        EXPECT_GT(shown.size(), 1000U) << format;
    }
    EXPECT_EQ(Show("7", "%1023d"), std::string(1022, ' ') + "7");
    EXPECT_EQ(Show("7", std::string(2000, 'a') + "%d").size(), kDisplayTextLimit);
    EXPECT_EQ(Show(std::string(2000, '9'), "value").size(), kDisplayTextLimit);
}

} // namespace
} // namespace korvane
