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

} // namespace
} // namespace korvane
