#include "formula/decimal_text.h"
#include "formula/formula_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace korvane {
namespace {

double Real(const std::string& text) {
    return FormulaValue("v", text).ValueAsReal();
}

TEST(ValueAsReal, ReadsTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(Real("7"), 7.0);
    EXPECT_DOUBLE_EQ(Real("3.500000"), 3.5);
    EXPECT_DOUBLE_EQ(Real("  -2.25"), -2.25);
    EXPECT_DOUBLE_EQ(Real("+4"), 4.0);
    EXPECT_DOUBLE_EQ(Real(".5"), 0.5);
    EXPECT_DOUBLE_EQ(Real("5."), 5.0);
    EXPECT_DOUBLE_EQ(Real("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(Real("1E-2x"), 0.01);
    EXPECT_DOUBLE_EQ(Real("1e"), 1.0);
    EXPECT_DOUBLE_EQ(Real("12abc"), 12.0);
    EXPECT_DOUBLE_EQ(Real("\"5\""), 0.0);
}

TEST(ValueAsReal, TextsWithoutALeadingNumberReadAsZero) {
    for (const char* text :
         {"", "abc", "RPM", "-", ".", "+.", "e5", "inf", "nan", "-inf", "infinity", "0x1A"}) {
        const double value = Real(text);
        EXPECT_FALSE(std::isnan(value)) << text;
        EXPECT_NE(std::fabs(value), HUGE_VAL) << text;
    }
    EXPECT_DOUBLE_EQ(Real("0x1A"), 0.0);
    EXPECT_DOUBLE_EQ(Real("inf"), 0.0);
}

TEST(ValueAsReal, OutOfRangeNumbersGiveInfinityOrZero) {
    EXPECT_EQ(Real("1e999"), HUGE_VAL);
    EXPECT_EQ(Real("-1e999"), -HUGE_VAL);
    EXPECT_EQ(Real(std::string(400, '9')), HUGE_VAL);
    EXPECT_EQ(Real("1e-999"), 0.0);
    EXPECT_EQ(Real("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(Real("0.00001e99999999999999999999"), HUGE_VAL);
    EXPECT_EQ(Real("1000e-99999999999999999999"), 0.0);
}

TEST(WriteFixed, MatchesPercentF) {
    EXPECT_EQ(WriteFixed(7.0), "7.000000");
    EXPECT_EQ(WriteFixed(-5.0), "-5.000000");
    EXPECT_EQ(WriteFixed(1.0 / 3.0), "0.333333");
    EXPECT_EQ(WriteFixed(2.5e-7), "0.000000");
    EXPECT_EQ(WriteFixed(HUGE_VAL), "inf");
    EXPECT_EQ(WriteFixed(1e300).size(), 301U + 7U);
    char expected[400];
    for (const double value : {0.0000005, 12.345678901, 1e22, -1.5e-3, 123456.9999995}) {
        (void)std::snprintf(expected, sizeof expected, "%f", value);
        EXPECT_EQ(WriteFixed(value), expected) << value;
    }
}

} // namespace
} // namespace korvane
