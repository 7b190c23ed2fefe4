#include "app/reading_view.h"

#include "app/dialog_utils.h"
#include "app/unit_fixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

class RomIdViewTest : public ::testing::Test, protected fakes::UnitFixture {
protected:
    RomIdViewTest() {
        LoadDefinitions();
        std::vector<std::string> names;
        store.RomIdNames(names);
        FillComboBox(window, 3015, names, true, "null");
    }
};

TEST_F(RomIdViewTest, ShowsTheSelectedGroupWithPlaceholdersAndSwitchAddresses) {
    ASSERT_TRUE(store.SelectRomId("12AB05"));
    ShowRomIdView(window, MakeRomIdView(store));
    // The matching entry is the first one of the list; it is selected all the same.
    EXPECT_EQ(window.SelectedComboText(3015), "12AB05  Test unit");
    EXPECT_EQ(window.List(3016), (Lines{"0010: Volts \t??", "0011: Speed \t??", "0012: Temp \t??",
                                        "0020: InputSwitches \t??"}));
    EXPECT_EQ(window.GetText(3030), "0020");
    EXPECT_EQ(window.GetText(3040), "0001");

    ASSERT_TRUE(store.SelectRomId("99FF00"));
    ShowRomIdView(window, MakeRomIdView(store));
    EXPECT_EQ(window.SelectedComboText(3015), "99FF00  Other");
    EXPECT_EQ(window.GetText(3030), "0000");
    EXPECT_EQ(window.GetText(3040), "0041");
    EXPECT_TRUE(device.Trace().empty());
}

TEST_F(RomIdViewTest, WithoutASelectionTheBoxesStayAndAnEmptyGroupStillSetsThem) {
    window.SetText(3030, "1234");
    window.ListAdd(3016, "old");
    ShowRomIdView(window, MakeRomIdView(store));
    EXPECT_EQ(window.SelectedComboText(3015), "null");
    EXPECT_TRUE(window.List(3016).empty());
    EXPECT_EQ(window.GetText(3030), "1234");

    ASSERT_TRUE(store.SelectRomId("null"));
    ShowRomIdView(window, MakeRomIdView(store));
    EXPECT_EQ(window.GetText(3030), "0000");
    EXPECT_EQ(window.GetText(3040), "0001");
}

TEST(RomIdViewOfLongerIds, ShowsTheEntryOfTheSelectedIdNotOneItPrefixes) {
    fakes::UnitFixture unit("[AB12CD]\nName=Short\n[AB12CD34]\nName=Long\n");
    unit.LoadDefinitions();
    std::vector<std::string> names;
    unit.store.RomIdNames(names);
    FillComboBox(unit.window, 3015, names, true, "null");
    const std::pair<const char*, const char*> rows[] = {{"AB12CD", "AB12CD  Short"},
                                                        {"AB12CD34", "AB12CD34  Long"}};
    for (const auto& [id, entry] : rows) {
        ASSERT_TRUE(unit.store.SelectRomId(id));
        ShowRomIdView(unit.window, MakeRomIdView(unit.store));
        EXPECT_EQ(unit.window.SelectedComboText(3015), entry);
    }
}

} // namespace
} // namespace korvane
