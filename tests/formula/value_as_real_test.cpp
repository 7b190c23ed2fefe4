#include "formula/decimal_text.h"
#include "formula/formula_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace korvane {
namespace {

TEST(ValueAsReal, ReadsTheLeadingDecimalNumberWithoutLocaleOrSpecialValues) {
    const std::vector<std::pair<std::string, double>> rows = {
        {"3.500000", 3.5},
        {"  -2.25", -2.25},
        {"+4", 4.0},
        {".5", 0.5},
        {"1E-2x", 0.01},
        {"1e", 1.0},
        {"12abc", 12.0},
        {"\"5\"", 0.0},
        {"", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
        {"infinity", 0.0},
        {"0x1A", 0.0},
        {"1e999", HUGE_VAL},
        {"1e+999", HUGE_VAL},
        {"-1e999", -HUGE_VAL},
        {std::string(400, '9'), HUGE_VAL},
        {"1e-999", 0.0},
        {"0." + std::string(400, '0') + "1", 0.0},
        {"0.00001e99999999999999999999", HUGE_VAL},
        {"1000e-99999999999999999999", 0.0}};
    for (const auto& [text, expected] : rows) {
        EXPECT_DOUBLE_EQ(FormulaValue("v", text).ValueAsReal(), expected) << text;
    }
}

TEST(WriteFixed, MatchesPercentF) {
    EXPECT_EQ(WriteFixed(HUGE_VAL), "inf");
    EXPECT_EQ(WriteFixed(1e300).size(), 301U + 7U);
    char expected[400];
    for (const double value :
         {7.0, -5.0, 2.5e-7, 0.0000005, 12.345678901, 1e22, -1.5e-3, 123456.9999995}) {
        (void)std::snprintf(expected, sizeof expected, "%f", value);
        EXPECT_EQ(WriteFixed(value), expected) << value;
    }
}

} // namespace
} // namespace korvane
