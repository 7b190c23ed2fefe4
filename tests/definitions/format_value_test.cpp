#include "definitions/definition_store.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace korvane {
namespace {

ParameterDefinition Parameter(const std::string& name, std::uint32_t address,
                              const std::string& format, const std::string& formula) {
    ParameterDefinition definition(name, address);
    definition.SetFormat(format);
    definition.SetFormula(formula);
    return definition;
}

TEST(FormatValueTest, WorkedExampleConvertsTheRawBytes) {
    testing::TempDir dir;
    DefinitionStore store;
    store.LoadParameterFile(dir.Write("paramdef.ini", "BatteryVolts,%.2f,BatteryVolts*8/100\n"
                                                      "CoolantTemp,%d,CoolantTemp-50\n"
                                                      "EngineSpeed,\"%.0f rpm\",EngineSpeed*25\n"
                                                      "InputSwitches,0x%02X,InputSwitches\n"),
                            nullptr);
    store.LoadMonitorFile(dir.Write("SelectMonitor.ini", "[A1B2C3]\n"
                                                         "BatteryVoltsAddress=0x1234\n"
                                                         "CoolantTempAddress=0x1235\n"
                                                         "EngineSpeedAddress=0x1238\n"
                                                         "InputSwitchesAddress=0x1240\n"
                                                         "IOSwitchesAddress=0x1241\n"
                                                         "SparkAdvanceAddress=0x1250\n"),
                          nullptr);
    ASSERT_TRUE(store.SelectRomId("A1B2C3"));
    RomIdGroup& group = *store.SelectedGroup();
    ASSERT_TRUE(group.SetRawValue("BatteryVolts", 156));
    ASSERT_TRUE(group.SetRawValue("CoolantTemp", 130));
    ASSERT_TRUE(group.SetRawValue("EngineSpeed", 32));
    ASSERT_TRUE(group.SetRawValue("InputSwitches", 0xA5));
    ASSERT_TRUE(group.SetRawValue("IOSwitches", 0x03));
    ASSERT_TRUE(group.SetRawValue("SparkAdvance", 0x10));
    EXPECT_EQ(group.FormatValue("BatteryVolts"), "12.48");
    EXPECT_EQ(group.FormatValue("CoolantTemp"), "80");
    EXPECT_EQ(group.FormatValue("EngineSpeed"), "800 rpm");
    EXPECT_EQ(group.FormatValue("InputSwitches"), "0xA5");
    EXPECT_EQ(group.FormatValue("IOSwitches"), "0x03");
    EXPECT_EQ(group.FormatValue("SparkAdvance"), "0x10");
    EXPECT_EQ(group.ResultText(), "0x10");
    // Every call parses afresh, so asking twice gives the same text.
    EXPECT_EQ(group.FormatValue("EngineSpeed"), "800 rpm");
}

TEST(FormatValueTest, FormulaUsesTheRawBytesOfOtherParametersOfTheGroup) {
    RomIdGroup group("A1B2C3");
    group.AddParameter(Parameter("Hi", 1, "%d", "Hi"));
    group.AddParameter(Parameter("Lo", 2, "%d", "Lo"));
    group.AddParameter(Parameter("Word", 3, "%d", "Hi*256+Lo"));
    group.Activate();
    group.SetRawValue("Hi", 0x12);
    group.SetRawValue("Lo", 0x34);
    EXPECT_EQ(group.FormatValue("Word"), "4660");
    EXPECT_EQ(group.FindParameter("Hi")->RawValue(), 0x12);
}

TEST(FormatValueTest, NamesAreCaseSensitiveInFormulas) {
    RomIdGroup group("A1B2C3");
    group.AddParameter(Parameter("rpm", 1, "%d", "RPM*2"));
    group.AddParameter(Parameter("RPM", 2, "%d", "rpm*2"));
    group.SetRawValue("rpm", 10);
    group.SetRawValue("RPM", 3);
    EXPECT_EQ(group.FormatValue("rpm"), "6");
    EXPECT_EQ(group.FormatValue("RPM"), "20");
}

TEST(FormatValueTest, DefaultsShowTheRawByteInHexAndUnknownNamesGiveError) {
    RomIdGroup group("A1B2C3");
    group.AddParameter(ParameterDefinition("Plain", 1));
    group.SetRawValue("Plain", 0xAB);
    // Activated on first use rather than left without an evaluator.
    EXPECT_EQ(group.FormatValue("Plain"), "0xAB");
    EXPECT_TRUE(group.IsActive());
    EXPECT_EQ(group.FormatValue("Missing"), "error");
    EXPECT_EQ(group.FindParameter("Plain")->RawValue(), 0xAB);
}

TEST(FormatValueTest, BrokenFormulasStillGiveAText) {
    RomIdGroup group("A1B2C3");
    group.AddParameter(Parameter("Minus", 1, "%d", "-5"));
    group.AddParameter(Parameter("Open", 2, "%d", "2*(3+4"));
    group.AddParameter(Parameter("Closed", 3, "%d", "Closed+1)"));
    group.AddParameter(Parameter("NoPercent", 4, "raw", "0-5"));
    group.AddParameter(Parameter("Empty", 5, "0x%02X", ""));
    group.SetRawValue("Closed", 4);
    EXPECT_EQ(group.FormatValue("Minus"), "0");
    EXPECT_EQ(group.FormatValue("Open"), "7");
    EXPECT_EQ(group.FormatValue("Closed"), "5");
    EXPECT_EQ(group.FormatValue("NoPercent"), "-5.000000");
    EXPECT_EQ(group.FormatValue("Empty"), "0x00");
}

TEST(FormatValueTest, LongResultsAreCutAtTheDisplayLimit) {
    RomIdGroup group("A1B2C3");
    group.AddParameter(Parameter("Wide", 1, "%01100d", "Wide"));
    group.SetRawValue("Wide", 1);
    EXPECT_LE(group.FormatValue("Wide").size(), 1023u);
}

TEST(FormatValueTest, ValuesFollowTheRawBytesAcrossReselection) {
    DefinitionStore store;
    RomIdGroup& a = store.AddGroup("AAA111");
    a.AddParameter(Parameter("X", 1, "%d", "X*2"));
    RomIdGroup& b = store.AddGroup("BBB222");
    b.AddParameter(Parameter("X", 1, "%d", "X*3"));
    ASSERT_TRUE(store.SelectRomId("AAA111"));
    a.SetRawValue("X", 10);
    ASSERT_TRUE(store.SelectRomId("BBB222"));
    b.SetRawValue("X", 1);
    EXPECT_EQ(b.FormatValue("X"), "3");
    ASSERT_TRUE(store.SelectRomId("AAA111"));
    EXPECT_EQ(store.SelectedGroup()->FormatValue("X"), "20");
}

} // namespace
} // namespace korvane
