#include "app/reading_view.h"

#include "app/dialog_utils.h"
#include "app/unit_fixture.h"
#include "resources/control_ids.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

namespace m = ids::main;

TEST(RomIdView, ShowsTheEntryOfTheSelectedIdNotOneItPrefixes) {
    fakes::UnitFixture unit("[AB12CD]\nName=Short\n[AB12CD34]\nName=Long\n");
    unit.LoadDefinitions();
    std::vector<std::string> names;
    unit.store.RomIdNames(names);
    FillComboBox(unit.window, m::kRomIdCombo, names, true, "null");
    for (const auto& [id, entry] :
         {std::pair{"AB12CD", "AB12CD  Short"}, std::pair{"AB12CD34", "AB12CD34  Long"}}) {
        ASSERT_TRUE(unit.store.SelectRomId(id));
        ShowRomIdView(unit.window, MakeRomIdView(unit.store));
        EXPECT_EQ(unit.window.SelectedComboText(m::kRomIdCombo), entry);
    }
}

} // namespace
} // namespace korvane
