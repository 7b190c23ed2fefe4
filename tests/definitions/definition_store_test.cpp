#include "definitions/definition_store.h"
#include "temp_dir.h"

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

// The two groups of the worked example, built by hand.
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

TEST(DefinitionStoreDefaultsTest, EmptyStoreHasNothingToSelect) {
    DefinitionStore store;
    EXPECT_EQ(store.CommPort(), 1);
    EXPECT_EQ(store.GroupCount(), 0u);
    EXPECT_EQ(store.SelectedGroup(), nullptr);
    EXPECT_EQ(store.SelectedRomIdText(), "-none-");
    EXPECT_FALSE(store.SelectRomId("A1B2C3"));
    EXPECT_FALSE(store.SelectRomId(""));
    DefinitionStore::AddressMap map{{1, "stale"}};
    EXPECT_EQ(store.SelectedAddressMap(map), 0);
    EXPECT_THAT(map, IsEmpty());
    std::vector<std::string> names;
    EXPECT_EQ(store.RomIdNames(names), 0);
    EXPECT_EQ(store.FindDefinition("Anything"), nullptr);
}

TEST(DefinitionStoreDefaultsTest, TemplatesAreFoundByExactName) {
    DefinitionStore store;
    EXPECT_TRUE(store.AddDefinition(ParameterDefinition("Speed", 0)));
    EXPECT_TRUE(store.AddDefinition(ParameterDefinition("SPEED", 0)));
    ParameterDefinition duplicate("Speed", 0);
    duplicate.SetFormula("other");
    EXPECT_FALSE(store.AddDefinition(std::move(duplicate)));
    ASSERT_NE(store.FindDefinition("Speed"), nullptr);
    EXPECT_EQ(store.FindDefinition("Speed")->Formula(), "Speed");
    EXPECT_NE(store.FindDefinition("SPEED"), nullptr);
    EXPECT_EQ(store.FindDefinition("speed"), nullptr);
    EXPECT_EQ(store.FindDefinition("Speed "), nullptr);
}

TEST_F(DefinitionStoreTest, RomIdNamesListRomIdAndNameInFileOrder) {
    store_.AddGroup("B0B0B0");
    std::vector<std::string> names{"already there"};
    EXPECT_EQ(store_.RomIdNames(names), 4);
    EXPECT_THAT(names, ElementsAre("already there", "A1B2C3  Example engine unit",
                                   "A1B2C3D4  Example engine unit, later revision", "B0B0B0"));
}

TEST_F(DefinitionStoreTest, SelectionPrefersTheLongestMatchAndTheFirstAmongEquals) {
    EXPECT_TRUE(store_.SelectRomId("A1B2C3"));
    EXPECT_EQ(store_.SelectedGroup(), &store_.GroupAt(0));
    EXPECT_TRUE(store_.SelectRomId("A1B2C3D4  Example engine unit, later revision"));
    EXPECT_EQ(store_.SelectedGroup(), &store_.GroupAt(1));
    EXPECT_EQ(store_.SelectedRomIdText(), "A1B2C3D4");
    EXPECT_TRUE(store_.SelectRomId("A1B2C3  Example engine unit"));
    EXPECT_EQ(store_.SelectedRomIdText(), "A1B2C3");
    EXPECT_TRUE(store_.SelectRomId("A1B2"));
    EXPECT_EQ(store_.SelectedGroup(), &store_.GroupAt(0));
    EXPECT_TRUE(store_.SelectRomId("A1B"));
}

TEST_F(DefinitionStoreTest, FailedSelectionKeepsThePreviousOne) {
    EXPECT_FALSE(store_.SelectRomId("A1"));
    EXPECT_EQ(store_.SelectedRomIdText(), "-none-");
    EXPECT_TRUE(store_.SelectRomId("A1B2C3D4"));
    EXPECT_FALSE(store_.SelectRomId("FFFFFF"));
    EXPECT_FALSE(store_.SelectRomId("a1b2c3d4"));
    EXPECT_FALSE(store_.SelectRomId(""));
    EXPECT_EQ(store_.SelectedRomIdText(), "A1B2C3D4");
    EXPECT_EQ(store_.SelectedGroup(), &store_.GroupAt(1));
}

TEST_F(DefinitionStoreTest, DuplicateAndEmptyRomIdsAreListedButNeverWin) {
    RomIdGroup& duplicate = store_.AddGroup("A1B2C3");
    store_.AddGroup("");
    std::vector<std::string> names;
    EXPECT_EQ(store_.RomIdNames(names), 4);
    EXPECT_EQ(names[3], "");
    EXPECT_TRUE(store_.SelectRomId("A1B2C3"));
    EXPECT_NE(store_.SelectedGroup(), &duplicate);
    EXPECT_FALSE(duplicate.IsActive());
}

TEST_F(DefinitionStoreTest, SelectionIsCaseSensitive) {
    DefinitionStore store;
    store.AddGroup("a1b2c3");
    EXPECT_FALSE(store.SelectRomId("A1B2C3"));
    EXPECT_TRUE(store.SelectRomId("a1b2c3"));
}

TEST_F(DefinitionStoreTest, FirstSelectionActivatesTheGroupAndBindsEveryVariable) {
    RomIdGroup& first = store_.GroupAt(0);
    ASSERT_TRUE(first.SetRawValue("EngineSpeed", 32));
    EXPECT_FALSE(first.IsActive());
    EXPECT_EQ(first.FindParameter("EngineSpeed")->Variable(), nullptr);

    ASSERT_TRUE(store_.SelectRomId("A1B2C3"));
    EXPECT_TRUE(first.IsActive());
    EXPECT_FALSE(store_.GroupAt(1).IsActive());
    const FormulaVariable* speed = first.FindParameter("EngineSpeed")->Variable();
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->Name(), "EngineSpeed");
    EXPECT_EQ(speed->ValueText(), "32");
    const FormulaVariable* volts = first.FindParameter("BatteryVolts")->Variable();
    ASSERT_NE(volts, nullptr);
    EXPECT_EQ(volts->ValueText(), "0");

    ASSERT_TRUE(first.SetRawValue("BatteryVolts", 0xFF));
    EXPECT_EQ(volts->ValueText(), "255");
    EXPECT_EQ(first.FindParameter("BatteryVolts")->RawValue(), 0xFF);
}

TEST_F(DefinitionStoreTest, RawValuesSurviveSelectingAnotherGroupAndComingBack) {
    ASSERT_TRUE(store_.SelectRomId("A1B2C3"));
    RomIdGroup& first = store_.GroupAt(0);
    ASSERT_TRUE(first.SetRawValue("EngineSpeed", 200));
    const FormulaVariable* variable = first.FindParameter("EngineSpeed")->Variable();
    ASSERT_TRUE(store_.SelectRomId("A1B2C3D4"));
    ASSERT_TRUE(store_.GroupAt(1).SetRawValue("EngineSpeed", 7));
    ASSERT_TRUE(store_.SelectRomId("A1B2C3"));
    EXPECT_EQ(first.FindParameter("EngineSpeed")->Variable(), variable);
    EXPECT_EQ(variable->ValueText(), "200");
}

TEST_F(DefinitionStoreTest, UnknownNamesChangeNothing) {
    RomIdGroup& first = store_.GroupAt(0);
    ASSERT_TRUE(first.SetRawValue("EngineSpeed", 5));
    EXPECT_FALSE(first.SetRawValue("enginespeed", 9));
    EXPECT_FALSE(first.SetRawValue("Nope", 9));
    EXPECT_EQ(first.FindParameter("EngineSpeed")->RawValue(), 5);
    EXPECT_EQ(first.FindParameter("enginespeed"), nullptr);
    EXPECT_EQ(first.FormatValue("Nope"), "error");
    EXPECT_EQ(first.ResultText(), "error");
    EXPECT_EQ(first.FindParameter("EngineSpeed")->RawValue(), 5);
}

TEST(AddressMapTest, OneEntryPerAddressTakenByTheFirstNameInAscendingAddressOrder) {
    DefinitionStore store;
    RomIdGroup& group = store.AddGroup("A1B2C3");
    AddParameter(group, "Rpm", 0x0010);
    AddParameter(group, "Alpha", 0x0010);
    AddParameter(group, "Zeta", 0x001F);
    AddParameter(group, "Beta", 0x0200);
    AddParameter(group, "High", 0xFFFFFFFF);
    DefinitionStore::AddressMap map;
    EXPECT_EQ(store.SelectedAddressMap(map), 0);
    ASSERT_TRUE(store.SelectRomId("A1B2C3"));
    EXPECT_EQ(store.SelectedAddressMap(map), 4);
    EXPECT_THAT(map, ElementsAre(Pair(0x0010u, "Alpha"), Pair(0x001Fu, "Zeta"),
                                 Pair(0x0200u, "Beta"), Pair(0xFFFFFFFFu, "High")));
}

TEST(AddressMapTest, GroupWithoutParametersCanBeSelectedAndReadsNothing) {
    DefinitionStore store;
    store.AddGroup("A1B2C3");
    ASSERT_TRUE(store.SelectRomId("A1B2C3"));
    DefinitionStore::AddressMap map{{1, "stale"}};
    EXPECT_EQ(store.SelectedAddressMap(map), 0);
    EXPECT_THAT(map, IsEmpty());
}

TEST(RomIdGroupTest, ParameterAddedAfterActivationIsBoundToo) {
    RomIdGroup group("A1B2C3");
    AddParameter(group, "First", 1);
    group.Activate();
    AddParameter(group, "Second", 2);
    ParameterDefinition duplicate("Second", 3);
    EXPECT_FALSE(group.AddParameter(std::move(duplicate)));
    ASSERT_NE(group.FindParameter("Second")->Variable(), nullptr);
    EXPECT_EQ(group.FindParameter("Second")->Address(), 2u);
    EXPECT_EQ(group.FindParameter("Second")->Variable()->Name(), "Second");
}

TEST(ParameterDefinitionTest, NewDefinitionShowsItsRawByteInHex) {
    ParameterDefinition definition("Knock", 0x44);
    EXPECT_EQ(definition.Name(), "Knock");
    EXPECT_EQ(definition.Address(), 0x44u);
    EXPECT_EQ(definition.Format(), "0x%02X");
    EXPECT_EQ(definition.Formula(), "Knock");
    EXPECT_EQ(definition.RawValue(), 0);
    EXPECT_EQ(definition.Variable(), nullptr);

    definition.SetRawValue(0xAB);
    FormulaVariable& variable = definition.BindVariable();
    EXPECT_EQ(variable.Name(), "Knock");
    EXPECT_EQ(variable.ValueText(), "171");
    EXPECT_EQ(&definition.BindVariable(), &variable);
}

} // namespace
} // namespace korvane
