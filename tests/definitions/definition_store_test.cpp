#include "definitions/definition_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace korvane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;

void AddParameter(RomIdGroup& group, const std::string& name, std::uint32_t address) {
    ASSERT_TRUE(group.AddParameter(ParameterDefinition(name, address)));
}

class DefinitionStoreTest : public ::testing::Test {
protected:
    DefinitionStoreTest() {
        RomIdGroup& first = store_.AddGroup("A1B2C3");
        first.SetName("Example engine unit");
        AddParameter(first, "BatteryVolts", 0x1234);
        AddParameter(first, "EngineSpeed", 0x1238);
        RomIdGroup& later = store_.AddGroup("A1B2C3D4");
        later.SetName("Example engine unit, later revision");
        AddParameter(later, "EngineSpeed", 0x2238);
    }

    DefinitionStore store_;
};

TEST_F(DefinitionStoreTest, RomIdNamesListRomIdAndNameInFileOrderDuplicatesIncluded) {
    store_.AddGroup("A1B2C3");
    store_.AddGroup("");
    std::vector<std::string> names{"already there"};
    EXPECT_EQ(store_.RomIdNames(names), 5);
    EXPECT_THAT(names, ElementsAre("already there", "A1B2C3  Example engine unit",
                                   "A1B2C3D4  Example engine unit, later revision", "A1B2C3", ""));
}

TEST_F(DefinitionStoreTest, SelectionPrefersTheLongestMatchAndKeepsTheOldOneOnFailure) {
    RomIdGroup& duplicate = store_.AddGroup("A1B2C3");
    EXPECT_EQ(store_.SelectedRomIdText(), "-none-");
    const std::vector<std::pair<std::string, int>> rows = {
        // text, index of the group selected afterwards (-1 none)
        {"A1", -1},      {"A1B2C3D4  Example engine unit, later revision", 1},
        {"FFFFFF", 1},   {"a1b2c3d4", 1},
        {"", 1},         {"A1B2C3  Example engine unit", 0},
        {"A1B2C3D4", 1}, {"A1B2", 0},
        {"A1B", 0},
    };
    for (const auto& [text, index] : rows) {
        SCOPED_TRACE(text);
        store_.SelectRomId(text);
        EXPECT_EQ(store_.SelectedGroup(), index < 0 ? nullptr : &store_.GroupAt(index));
    }
    EXPECT_EQ(store_.SelectedRomIdText(), "A1B2C3");
    EXPECT_FALSE(duplicate.IsActive());
}

TEST_F(DefinitionStoreTest, SelectionActivatesOnceAndRawValuesSurviveReselection) {
    RomIdGroup& first = store_.GroupAt(0);
    ASSERT_TRUE(first.SetRawValue("EngineSpeed", 32));
    EXPECT_FALSE(first.IsActive());
    EXPECT_EQ(first.FindParameter("EngineSpeed")->Variable(), nullptr);

    ASSERT_TRUE(store_.SelectRomId("A1B2C3"));
    EXPECT_FALSE(store_.GroupAt(1).IsActive());
    const FormulaVariable* speed = first.FindParameter("EngineSpeed")->Variable();
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->Name(), "EngineSpeed");
    EXPECT_EQ(speed->ValueText(), "32");
    EXPECT_EQ(first.FindParameter("BatteryVolts")->Variable()->ValueText(), "0");
    ASSERT_TRUE(first.SetRawValue("EngineSpeed", 0xFF));
    EXPECT_EQ(speed->ValueText(), "255");

    ASSERT_TRUE(store_.SelectRomId("A1B2C3D4"));
    ASSERT_TRUE(store_.GroupAt(1).SetRawValue("EngineSpeed", 7));
    ASSERT_TRUE(store_.SelectRomId("A1B2C3"));
    EXPECT_EQ(first.FindParameter("EngineSpeed")->Variable(), speed);
    EXPECT_EQ(speed->ValueText(), "255");

    // A parameter added to an active group is bound, and its formula parsed, at once.
    AddParameter(first, "Late", 2);
    ASSERT_NE(first.FindParameter("Late")->Variable(), nullptr);
    EXPECT_EQ(first.FindParameter("Late")->Variable()->Name(), "Late");
    EXPECT_EQ(first.FormatValue("Late"), "0x00");
}

TEST_F(DefinitionStoreTest, UnknownNamesChangeNothing) {
    RomIdGroup& first = store_.GroupAt(0);
    ASSERT_TRUE(first.SetRawValue("EngineSpeed", 5));
    EXPECT_FALSE(first.SetRawValue("enginespeed", 9));
    EXPECT_FALSE(first.SetRawValue("Nope", 9));
    EXPECT_EQ(first.FindParameter("EngineSpeed")->RawValue(), 5);
    first.FormatValue("EngineSpeed");
    EXPECT_EQ(first.FormatValue("Nope"), "error");
    EXPECT_EQ(first.ResultText(), "error");
    EXPECT_EQ(first.ResultNumber(), std::nullopt);
}

TEST(AddressMapTest, OneEntryPerAddressTakenByTheFirstNameInAscendingAddressOrder) {
    DefinitionStore store;
    RomIdGroup& group = store.AddGroup("A1B2C3");
    AddParameter(group, "Rpm", 0x0010);
    AddParameter(group, "Alpha", 0x0010);
    AddParameter(group, "Zeta", 0x001F);
    AddParameter(group, "Beta", 0x0200);
    AddParameter(group, "High", 0xFFFFFFFF);
    store.AddGroup("B0B0B0");
    DefinitionStore::AddressMap map{{1, "stale"}};
    EXPECT_EQ(store.SelectedAddressMap(map), 0);
    EXPECT_THAT(map, IsEmpty());
    map[1] = "stale";
    ASSERT_TRUE(store.SelectRomId("A1B2C3"));
    EXPECT_EQ(store.SelectedAddressMap(map), 4);
    EXPECT_THAT(map, ElementsAre(Pair(0x0010u, "Alpha"), Pair(0x001Fu, "Zeta"),
                                 Pair(0x0200u, "Beta"), Pair(0xFFFFFFFFu, "High")));
    ASSERT_TRUE(store.SelectRomId("B0B0B0"));
    EXPECT_EQ(store.SelectedAddressMap(map), 0);
    EXPECT_THAT(map, IsEmpty());
}

} // namespace
} // namespace korvane
