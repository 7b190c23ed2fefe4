#include "definitions/definition_store.h"
#include "formula/formula_evaluator.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

const std::string kExamples = KORVANE_EXAMPLES_DIR;

class ExampleValuesTest : public ::testing::Test {
protected:
    void SetUp() override {
        store_.LoadParameterFile(kExamples + "/paramdef.ini", nullptr);
        store_.LoadMonitorFile(kExamples + "/SelectMonitor.ini", nullptr);
        ASSERT_TRUE(store_.SelectRomId("A1B2C3"));
        group_ = store_.SelectedGroup();
    }

    void Set(const char* name, std::uint8_t byte) { ASSERT_TRUE(group_->SetRawValue(name, byte)); }

    DefinitionStore store_;
    RomIdGroup* group_ = nullptr;
};

TEST_F(ExampleValuesTest, EveryFormulaParsesCleanly) {
    FormulaEvaluator evaluator;
    for (const auto& [name, definition] : store_.Definitions()) {
        EXPECT_TRUE(evaluator.Parse(definition.Formula())) << name;
        EXPECT_EQ(evaluator.Status(), kFormulaOk) << name;
    }
}

TEST_F(ExampleValuesTest, EveryFormulaEvaluatesCleanlyOverTheGroup) {
    for (const auto& [name, definition] : group_->Parameters()) {
        Set(name.c_str(), 100);
    }
    FormulaEvaluator evaluator;
    std::vector<const FormulaVariable*> variables;
    for (const auto& [name, definition] : group_->Parameters()) {
        variables.push_back(definition.Variable());
    }
    for (const auto& [name, definition] : group_->Parameters()) {
        ASSERT_TRUE(evaluator.Parse(definition.Formula())) << name;
        FormulaValue result;
        EXPECT_TRUE(evaluator.Evaluate(variables, result)) << name;
        EXPECT_EQ(evaluator.Status(), kFormulaOk) << name;
        EXPECT_FALSE(result.ValueText().empty()) << name;
    }
}

TEST_F(ExampleValuesTest, IdlingEngineShowsPlausibleValues) {
    Set("BatteryVolts", 156);
    Set("CoolantTemp", 130);
    Set("IntakeTemp", 65);
    Set("VehicleSpeed", 0);
    Set("EngineSpeed", 0x0C); // 0x0C80 / 4 = 800 rpm
    Set("EngineSpeedLow", 0x80);
    Set("ThrottleAngle", 26);
    Set("InjectorPulse", 11);
    Set("IgnitionTiming", 30);
    Set("IdleValve", 64);
    Set("O2Sensor", 23);
    Set("AirFlow", 48);
    Set("InputSwitches", 0xA5);
    Set("IOSwitches", 0x03);
    Set("KnockCount", 0);
    Set("FuelTrim", 128);
    EXPECT_EQ(group_->FormatValue("BatteryVolts"), "12.48 V");
    EXPECT_EQ(group_->FormatValue("CoolantTemp"), "90 C");
    EXPECT_EQ(group_->FormatValue("IntakeTemp"), "25 C");
    EXPECT_EQ(group_->FormatValue("VehicleSpeed"), "0 km/h");
    EXPECT_EQ(group_->FormatValue("EngineSpeed"), "800 rpm");
    EXPECT_EQ(group_->FormatValue("EngineSpeedLow"), "128");
    EXPECT_EQ(group_->FormatValue("ThrottleAngle"), "10.2 %");
    EXPECT_EQ(group_->FormatValue("InjectorPulse"), "2.82 ms");
    EXPECT_EQ(group_->FormatValue("IgnitionTiming"), "10 deg");
    EXPECT_EQ(group_->FormatValue("IdleValve"), "25.1 %");
    EXPECT_EQ(group_->FormatValue("O2Sensor"), "0.449 V");
    EXPECT_EQ(group_->FormatValue("AirFlow"), "0.94 V");
    EXPECT_EQ(group_->FormatValue("InputSwitches"), "0xA5");
    EXPECT_EQ(group_->FormatValue("IOSwitches"), "0x03");
    EXPECT_EQ(group_->FormatValue("KnockCount"), "0");
    EXPECT_EQ(group_->FormatValue("FuelTrim"), "0.0 %");
}

TEST_F(ExampleValuesTest, ExtremeBytesStayInTheirRanges) {
    Set("CoolantTemp", 0);
    Set("EngineSpeed", 0xFF);
    Set("EngineSpeedLow", 0xFF);
    Set("FuelTrim", 0);
    Set("IgnitionTiming", 0);
    EXPECT_EQ(group_->FormatValue("CoolantTemp"), "-40 C");
    EXPECT_EQ(group_->FormatValue("EngineSpeed"), "16384 rpm");
    EXPECT_EQ(group_->FormatValue("FuelTrim"), "-100.0 %");
    EXPECT_EQ(group_->FormatValue("IgnitionTiming"), "-20 deg");
}

} // namespace
} // namespace korvane
