#include "formula/formula_value.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

std::string Show(const char* valueText, const std::string& format) {
    return FormulaValue("v", valueText).FormatForDisplay(format);
}

TEST(FormatForDisplay, ConversionLetterChoosesRealOrInteger) {
    EXPECT_EQ(Show("3.500000", "%d"), "3");
    EXPECT_EQ(Show("3.500000", "%.1f"), "3.5");
    EXPECT_EQ(Show("3.500000", "0x%02X"), "0x03");
    EXPECT_EQ(Show("-2.500000", "%d"), "-2");
    EXPECT_EQ(Show("300.000000", "0x%02X"), "0x12C");
    EXPECT_EQ(Show("800.000000", "%.0f rpm"), "800 rpm");
    EXPECT_EQ(Show("12.480000", "%.2f"), "12.48");
    EXPECT_EQ(Show("7", "%6.2f|"), "  7.00|");
    EXPECT_EQ(Show("1500", "%.2e"), "1.50e+03");
    EXPECT_EQ(Show("0.5", "%g"), "0.5");
    EXPECT_EQ(Show("10", "%o"), "12");
    EXPECT_EQ(Show("-1", "%u"), "4294967295");
    EXPECT_EQ(Show("-1", "%x"), "ffffffff");
    EXPECT_EQ(Show("42", "%+i"), "+42");
    // An "f" after the conversion does not make it real.
    EXPECT_EQ(Show("6.600000", "%d ft"), "6 ft");
    // Flags, width and precision are kept.
    EXPECT_EQ(Show("5", "[%-4d]"), "[5   ]");
    EXPECT_EQ(Show("5", "[%04d]"), "[0005]");
    EXPECT_EQ(Show("5", "%#x"), "0x5");
    EXPECT_EQ(Show("5", "%#d"), "5");
}

TEST(FormatForDisplay, LengthModifiersAreIgnoredAndTheRightTypeIsPassed) {
    EXPECT_EQ(Show("3.25", "%lf"), "3.250000");
    EXPECT_EQ(Show("3.26", "%.1Lf"), "3.3");
    EXPECT_EQ(Show("123456", "%lld"), "123456");
    EXPECT_EQ(Show("300", "%hhX"), "12C");
    EXPECT_EQ(Show("-7", "%zd|%%"), "-7|%");
    EXPECT_EQ(Show("7.5", "%jd %ld %td %hd"), "7.5"); // more than one conversion
}

TEST(FormatForDisplay, FormatsWithoutPercentShowTheValueText) {
    EXPECT_EQ(Show("7", "rpm"), "7");
    EXPECT_EQ(Show("7.000000", ""), "7.000000");
    EXPECT_EQ(Show("", "raw"), "");
    // A failed evaluation leaves an empty result: "%" formats show 0.
    EXPECT_EQ(Show("", "0x%02X"), "0x00");
    EXPECT_EQ(Show("", "%d"), "0");
    EXPECT_EQ(Show("", "%.1f"), "0.0");
}

TEST(FormatForDisplay, PercentPairsArePlainText) {
    EXPECT_EQ(Show("55", "%d%%"), "55%");
    EXPECT_EQ(Show("55", "100%%"), "100%");
    EXPECT_EQ(Show("55", "%%%d%%"), "%55%");
}

TEST(FormatForDisplay, UnsafeOrUnknownFormatsShowTheValueText) {
    const char* const rejected[] = {
        "%s",    "%n",      "%*d", "%.*f", "%d %d", "%f%x", "%",   "abc%",  "%5",
        "%c",    "%p",      "%ls", "%S",   "%m",    "%1$d", "%'d", "% r",   "%-",
        "%lllf", "%5.2.1f", "%b",  "%C",   "%#",    "%hhh", "%5%", "%.3 d", "%ll",
    };
    for (const char* format : rejected) {
        EXPECT_EQ(Show("12.500000", format), "12.500000") << format;
    }
}

TEST(FormatForDisplay, HugeWidthsAndPrecisionsStayWithinTheTextLimit) {
    const std::string formats[] = {"%999999999999d", "%.99999999999f", "%2147483648d",
                                   "%1024.1024e",    "x%1023d",        "%-5000d|"};
    for (const auto& format : formats) {
        const std::string shown = Show("1e300", format);
        EXPECT_LE(shown.size(), kDisplayTextLimit) << format;
        EXPECT_GT(shown.size(), 1000U) << format;
    }
    EXPECT_EQ(Show("7", "%1023d").size(), 1023U);
    EXPECT_EQ(Show("7", "%1023d").back(), '7');
    EXPECT_EQ(Show("7", std::string(2000, 'a') + "%d").size(), kDisplayTextLimit);
    EXPECT_EQ(Show(std::string(2000, '9').c_str(), "value").size(), kDisplayTextLimit);
}

TEST(FormatForDisplay, IntegerDisplaySaturatesLargeAndNonNumericValues) {
    EXPECT_EQ(Show("700000000.000000", "%d"), "700000000");
    EXPECT_EQ(Show("3000000000.000000", "%d"), "2147483647");
    EXPECT_EQ(Show("-3000000000.000000", "%d"), "-2147483648");
    const std::string hugeText = std::string(400, '9') + ".000000";
    EXPECT_EQ(Show(hugeText.c_str(), "%d"), "2147483647");
    EXPECT_EQ(Show(hugeText.c_str(), "%X"), "7FFFFFFF");
    // "1e300" is read as sign and digits only.
    EXPECT_EQ(Show("1e300", "%d"), "1");
    EXPECT_EQ(Show("inf", "%d"), "0");
    EXPECT_EQ(Show("-nan", "%d"), "0");
    EXPECT_EQ(Show("inf", "%.1f"), "0.0");
}

TEST(FormatForDisplay, FormatEndsAtItsFirstZeroByte) {
    EXPECT_EQ(Show("5", std::string("%d\0%s", 5)), "5");
}

} // namespace
} // namespace korvane
