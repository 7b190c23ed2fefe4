#include "definitions/definition_store.h"
#include "definitions/message_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

using ::testing::ElementsAre;

const std::string kExamples = KORVANE_EXAMPLES_DIR;

class ExampleFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        accepted_ = store_.LoadParameterFile(kExamples + "/paramdef.ini", &messages_);
        store_.LoadMonitorFile(kExamples + "/SelectMonitor.ini", &messages_);
        ASSERT_TRUE(store_.SelectRomId("A1B2C3"));
        group_ = store_.SelectedGroup();
    }

    DefinitionStore store_;
    VectorMessageList messages_;
    int accepted_ = 0;
    RomIdGroup* group_ = nullptr;
};

TEST_F(ExampleFilesTest, LoadWithEveryMonitoredParameterFindingItsTemplate) {
    EXPECT_EQ(accepted_, 16);
    EXPECT_EQ(store_.CommPort(), 1);
    std::vector<std::string> names;
    EXPECT_EQ(store_.RomIdNames(names), 2);
    EXPECT_THAT(names, ElementsAre("A1B2C3  Example engine unit",
                                   "A1B2C3D4  Example engine unit, later revision"));
    // 2 reading lines, 16 templates, 2 ROM IDs, 2 names, 16 + 8 address lines.
    EXPECT_EQ(messages_.lines.size(), 46u);
    EXPECT_EQ(messages_.lines.at(1), "BatteryVolts,%.2f V,BatteryVolts*8/100\n");

    EXPECT_EQ(group_->Parameters().size(), 16u);
    for (const auto& [name, parameter] : group_->Parameters()) {
        const ParameterDefinition* found = store_.FindDefinition(name);
        ASSERT_NE(found, nullptr) << name;
        EXPECT_EQ(parameter.Formula(), found->Formula());
        EXPECT_EQ(parameter.Format(), found->Format());
    }
    // Only the later revision has a parameter without a template.
    const ParameterDefinition* spark = store_.GroupAt(1).FindParameter("SparkAdvance");
    ASSERT_NE(spark, nullptr);
    EXPECT_EQ(spark->Format(), "0x%02X");

    DefinitionStore::AddressMap map;
    ASSERT_EQ(store_.SelectedAddressMap(map), 16);
    EXPECT_EQ(map.begin()->first, 0x1234u);
    EXPECT_EQ(map.at(0x1240), "InputSwitches");
    EXPECT_EQ(map.at(0x1241), "IOSwitches");
}

TEST_F(ExampleFilesTest, IdlingAndExtremeBytesShowPlausibleValues) {
    struct Row {
        const char* name;
        std::uint8_t raw;
        const char* expected;
    };
    const std::vector<std::vector<Row>> passes = {
        {{"BatteryVolts", 156, "12.48 V"},
         {"CoolantTemp", 130, "90 C"},
         {"IntakeTemp", 65, "25 C"},
         {"VehicleSpeed", 0, "0 km/h"},
         {"EngineSpeed", 0x0C, "800 rpm"},
         {"EngineSpeedLow", 0x80, "128"},
         {"ThrottleAngle", 26, "10.2 %"},
         {"InjectorPulse", 11, "2.82 ms"},
         {"IgnitionTiming", 30, "10 deg"},
         {"IdleValve", 64, "25.1 %"},
         {"O2Sensor", 23, "0.449 V"},
         {"AirFlow", 48, "0.94 V"},
         {"InputSwitches", 0xA5, "0xA5"},
         {"IOSwitches", 0x03, "0x03"},
         {"KnockCount", 0, "0"},
         {"FuelTrim", 128, "0.0 %"}},
        {{"CoolantTemp", 0, "-40 C"},
         {"EngineSpeed", 0xFF, "16384 rpm"},
         {"EngineSpeedLow", 0xFF, "255"},
         {"FuelTrim", 0, "-100.0 %"},
         {"IgnitionTiming", 0, "-20 deg"}},
    };
    for (const std::vector<Row>& rows : passes) {
        for (const Row& row : rows) {
            ASSERT_TRUE(group_->SetRawValue(row.name, row.raw)) << row.name;
        }
        for (const Row& row : rows) {
            EXPECT_EQ(group_->FormatValue(row.name), row.expected) << row.name;
        }
    }
}

} // namespace
} // namespace korvane
