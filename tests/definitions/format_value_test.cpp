#include "definitions/definition_store.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace korvane {
namespace {

ParameterDefinition Parameter(const std::string& name, const std::string& format,
                              const std::string& formula) {
    ParameterDefinition definition(name, 0);
    if (!format.empty()) { // else the defaults: the raw byte in hex
        definition.SetFormat(format);
        definition.SetFormula(formula);
    }
    return definition;
}

struct Row {
    std::string name, format, formula;
    std::uint8_t raw;
    std::string expected;
    std::optional<double> number; // the value the text shows, carried "%f"-rounded
};

TEST(FormatValueTest, FormulasUseTheGroupsRawBytesAndAlwaysGiveATextBesideTheirNumber) {
    const std::optional<double> none;
    const std::vector<Row> rows = {
        {"Hi", "%d", "Hi", 0x12, "18", 18},
        {"Lo", "%d", "Lo", 0x34, "52", 52},
        {"Word", "%d", "Hi*256+Lo", 0, "4660", 4660},
        {"rpm", "%d", "RPM*2", 10, "6", 6},
        {"RPM", "%d", "rpm*2", 3, "20", 20},
        {"Plain", "", "", 0xAB, "0xAB", 0xAB},
        {"Minus", "%d", "-5", 0, "0", none},
        {"Open", "%d", "2*(3+4", 0, "7", 7},
        {"Closed", "%d", "Closed+1)", 4, "5", 5},
        {"NoPercent", "raw", "0-5", 0, "-5.000000", -5},
        {"Empty", "0x%02X", "", 0, "0x00", none},
        {"Speed", "%.0f rpm", "Speed*25\n", 32, "800 rpm", 800},
        {"Third", "%.2f", "Third/3", 10, "3.33", 3.333333},
        {"Half", "%d", "Half/2", 7, "3", 3.5},
        {"Hex", "%x", "Hex*3", 100, "12c", 300},
        {"Guard", "%d", "Guard/0", 1, "100000000", none},
        {"Text", "raw", "ON", 0, "ON", none},
        {"Tail", "%d", "12abc", 0, "12", none},
        {"Huge", "%f", "1e999*1", 0, "0.000000", none},
        {"Infinite", "%f", "1e999", 0, "inf", none},
    };
    RomIdGroup group("A1B2C3");
    for (const Row& row : rows) {
        ASSERT_TRUE(group.AddParameter(Parameter(row.name, row.format, row.formula)));
        ASSERT_TRUE(group.SetRawValue(row.name, row.raw));
    }
    for (int pass = 0; pass < 2; ++pass) {
        for (const Row& row : rows) {
            EXPECT_EQ(group.FormatValue(row.name), row.expected) << row.name;
            EXPECT_EQ(group.ResultText(), row.expected) << row.name;
            EXPECT_EQ(group.ResultNumber(), row.number) << row.name;
        }
    }
    EXPECT_TRUE(group.IsActive());
    EXPECT_EQ(group.FindParameter("Hi")->RawValue(), 0x12);
}

} // namespace
} // namespace korvane
