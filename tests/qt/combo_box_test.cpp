#include "app/qt/command_combo_box.h"
#include "qt/recording_logic.h"
#include "resources/control_ids.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

namespace m = ids::main;
using ::testing::ElementsAre;

struct ComboBox : ShownWindow {
    std::vector<std::string> Items(int id) const {
        std::vector<std::string> items;
        for (int index = 0; index <= window->ComboCount(id); ++index) {
            items.push_back(window->ComboItemText(id, index));
        }
        return items;
    }
};

TEST_F(ComboBox, SortedBoxPlacesEntriesByTextUnsortedByTheOrderOfAdding) {
    EXPECT_EQ(window->ComboAdd(m::kPortCombo, "COM3"), 0);
    EXPECT_EQ(window->ComboAdd(m::kPortCombo, "COM1"), 0);
    EXPECT_EQ(window->ComboAdd(m::kPortCombo, "COM16"), 1);
    EXPECT_EQ(window->ComboAdd(m::kPortCombo, "com2"), 2);
    EXPECT_EQ(window->ComboAdd(m::kPortCombo, "COM1"), 1); // after its equal
    // Beyond the last entry there is no text.
    EXPECT_THAT(Items(m::kPortCombo), ElementsAre("COM1", "COM1", "COM16", "com2", "COM3", ""));
    EXPECT_EQ(window->ComboItemText(m::kPortCombo, -1), "");

    for (const char* id : {"null", "4A1031", "1B2C3D"}) {
        window->ComboAdd(m::kRomIdCombo, id);
    }
    EXPECT_THAT(Items(m::kRomIdCombo), ElementsAre("null", "4A1031", "1B2C3D", ""));
}

TEST_F(ComboBox, ProgramChangesSelectNothingUnaskedAndReportNothing) {
    window->SetText(m::kPortCombo, "typed");
    window->ComboAdd(m::kPortCombo, "COM1");
    window->ComboAdd(m::kPortCombo, "COM2");
    EXPECT_EQ(window->ComboSelection(m::kPortCombo), -1);
    EXPECT_EQ(window->GetText(m::kPortCombo), "typed");

    window->ComboSetSelection(m::kPortCombo, 1);
    EXPECT_EQ(window->GetText(m::kPortCombo), "COM2");
    // An entry added before the selected one keeps the same entry selected.
    window->ComboAdd(m::kPortCombo, "COM0");
    EXPECT_EQ(window->ComboSelection(m::kPortCombo), 2);
    EXPECT_EQ(window->GetText(m::kPortCombo), "COM2");

    window->ComboSetSelection(m::kPortCombo, 7);
    EXPECT_EQ(window->ComboSelection(m::kPortCombo), -1);
    window->SetText(m::kPortCombo, "CO");
    window->ComboReset(m::kPortCombo);
    EXPECT_EQ(window->ComboCount(m::kPortCombo), 0);
    EXPECT_EQ(window->GetText(m::kPortCombo), "");
    EXPECT_TRUE(logic->commands.empty());
}

TEST_F(ComboBox, TypingReportsEachChangeOfTheExactText) {
    window->ComboAdd(m::kPortCombo, "COM1");
    window->ComboAdd(m::kPortCombo, "COM3");
    QLineEdit* edit = Get<CommandComboBox>(*window, m::kPortCombo).lineEdit();
    edit->setFocus();
    QTest::keyClicks(edit, "COM");
    QTest::keyClick(edit, Qt::Key_Backspace);
    // Enter neither adds the typed text nor reports a choice; nothing completes it.
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_THAT(logic->commands,
                ElementsAre(Report{m::kPortCombo, 5, "C"}, Report{m::kPortCombo, 5, "CO"},
                            Report{m::kPortCombo, 5, "COM"}, Report{m::kPortCombo, 5, "CO"}));
    EXPECT_EQ(window->ComboCount(m::kPortCombo), 2);
}

TEST_F(ComboBox, ChoosingFromTheListReportsOnceWhenConfirmed) {
    for (const char* id : {"null", "4A1031", "1B2C3D"}) {
        window->ComboAdd(m::kRomIdCombo, id);
    }
    window->ComboSetSelection(m::kRomIdCombo, 0);
    auto& romIds = Get<CommandComboBox>(*window, m::kRomIdCombo);
    romIds.showPopup();
    QAbstractItemView* list = romIds.view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    // Moving through the open list is no choice yet.
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_TRUE(logic->commands.empty());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_THAT(logic->commands, ElementsAre(Report{m::kRomIdCombo, 9, "1B2C3D"}));
    EXPECT_EQ(window->ComboSelection(m::kRomIdCombo), 2);
}

} // namespace
} // namespace korvane::testing
