#include "app/reading_view.h"

#include "app/dialog_utils.h"
#include "app/unit_fixture.h"
#include "resources/control_ids.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

namespace m = ids::main;

// The ROM ID list of the monitor file, "null" preselected, as the main window fills it.
struct RomIdView : fakes::UnitFixture {
    explicit RomIdView(const std::string& monitor = fakes::kTestMonitor) : UnitFixture(monitor) {
        LoadDefinitions();
        std::vector<std::string> names;
        store.RomIdNames(names);
        FillComboBox(window, m::kRomIdCombo, names, true, "null");
    }
    void Show(const char* romId) {
        ASSERT_TRUE(romId == nullptr || store.SelectRomId(romId));
        ShowRomIdView(window, MakeRomIdView(store));
    }
};

TEST(RomIdView, WithoutASelectionTheBoxesStayAndAnEmptyGroupStillSetsThem) {
    RomIdView view;
    view.window.SetText(m::kInputSwitchAddress, "1234");
    view.window.ListAdd(m::kParamList, "old");
    view.Show(nullptr);
    EXPECT_EQ(view.window.SelectedComboText(m::kRomIdCombo), "null");
    EXPECT_TRUE(view.window.lists[m::kParamList].empty());
    EXPECT_EQ(view.window.GetText(m::kInputSwitchAddress), "1234");

    view.Show("null");
    EXPECT_EQ(view.window.GetText(m::kInputSwitchAddress), "0000");
    EXPECT_EQ(view.window.GetText(m::kIoSwitchAddress), "0001");
}

TEST(RomIdView, ShowsTheEntryOfTheSelectedIdNotOneItPrefixes) {
    RomIdView view("[AB12CD]\nName=Short\n[AB12CD34]\nName=Long\n");
    for (const auto& [id, entry] :
         {std::pair{"AB12CD", "AB12CD  Short"}, std::pair{"AB12CD34", "AB12CD34  Long"}}) {
        view.Show(id);
        EXPECT_EQ(view.window.SelectedComboText(m::kRomIdCombo), entry);
    }
}

} // namespace
} // namespace korvane
