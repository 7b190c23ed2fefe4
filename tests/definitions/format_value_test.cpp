#include "definitions/definition_store.h"

#include <gtest/gtest.h>

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
};

TEST(FormatValueTest, FormulasUseTheGroupsRawBytesAndAlwaysGiveAText) {
    const std::vector<Row> rows = {
        {"Hi", "%d", "Hi", 0x12, "18"},         {"Lo", "%d", "Lo", 0x34, "52"},
        {"Word", "%d", "Hi*256+Lo", 0, "4660"}, {"rpm", "%d", "RPM*2", 10, "6"},
        {"RPM", "%d", "rpm*2", 3, "20"},        {"Plain", "", "", 0xAB, "0xAB"},
        {"Minus", "%d", "-5", 0, "0"},          {"Open", "%d", "2*(3+4", 0, "7"},
        {"Closed", "%d", "Closed+1)", 4, "5"},  {"NoPercent", "raw", "0-5", 0, "-5.000000"},
        {"Empty", "0x%02X", "", 0, "0x00"},     {"Speed", "%.0f rpm", "Speed*25\n", 32, "800 rpm"},
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
        }
    }
    EXPECT_TRUE(group.IsActive());
    EXPECT_EQ(group.FindParameter("Hi")->RawValue(), 0x12);
}

} // namespace
} // namespace korvane
