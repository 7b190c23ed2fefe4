#include "qt/recording_actions.h"
#include "reading/rom_id_view.h"
#include "resources/control_ids.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

namespace m = ids::main;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct ComboBox : ShownMainWindow {
    std::vector<std::string> Items(int id) {
        const auto& combo = Find<QComboBox>(id);
        std::vector<std::string> items;
        for (int index = 0; index < combo.count(); ++index) {
            items.push_back(combo.itemText(index).toStdString());
        }
        return items;
    }
    std::string Shown(int id) { return Find<QComboBox>(id).currentText().toStdString(); }
};

TEST_F(ComboBox, ThePortListSortsWhatItOffersAndTheRomIdListKeepsTheFileOrder) {
    window.ShowPorts({"COM3", "COM1", "COM16", "com2", "COM1"}, "com2");
    EXPECT_THAT(Items(m::kPortCombo), ElementsAre("COM1", "COM1", "COM16", "com2", "COM3"));
    EXPECT_EQ(Shown(m::kPortCombo), "com2");
    // A new scan without the chosen port keeps the place selected before.
    window.ShowPorts({"COM7", "COM8", "COM9", "COM6"}, "COM1");
    EXPECT_EQ(Shown(m::kPortCombo), "COM9");

    window.ShowRomIds({"null", "4A1031", "1B2C3D"}, "1B2C3D");
    EXPECT_THAT(Items(m::kRomIdCombo), ElementsAre("null", "4A1031", "1B2C3D"));
    EXPECT_EQ(Shown(m::kRomIdCombo), "1B2C3D");
    // The selected group's entry is shown, the first one too.
    window.ShowRomIdView({"null", {}, std::nullopt, std::nullopt});
    EXPECT_EQ(Shown(m::kRomIdCombo), "null");
    window.ShowRomIdView({"-none-", {}, std::nullopt, std::nullopt});
    EXPECT_EQ(Shown(m::kRomIdCombo), "null");
    EXPECT_THAT(actions.actions, IsEmpty());
}

TEST_F(ComboBox, TypingReportsEachChangeOfTheExactText) {
    window.ShowPorts({"COM1", "COM3"}, "COM3");
    QLineEdit* edit = Find<QComboBox>(m::kPortCombo).lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "COM");
    QTest::keyClick(edit, Qt::Key_Backspace);
    // Enter neither adds the typed text nor reports a choice; nothing completes it.
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_THAT(actions.actions,
                ElementsAre("ChoosePort C", "ChoosePort CO", "ChoosePort COM", "ChoosePort CO"));
    EXPECT_EQ(Items(m::kPortCombo).size(), 2U);
}

TEST_F(ComboBox, ChoosingFromTheListReportsOnceWhenConfirmed) {
    window.ShowRomIds({"null", "4A1031", "1B2C3D"}, "null");
    auto& romIds = Find<QComboBox>(m::kRomIdCombo);
    romIds.showPopup();
    QAbstractItemView* list = romIds.view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    // Moving through the open list is no choice yet.
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_THAT(actions.actions, IsEmpty());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_THAT(actions.actions, ElementsAre("ChooseRomId 1B2C3D"));
    EXPECT_EQ(Shown(m::kRomIdCombo), "1B2C3D");
}

} // namespace
} // namespace korvane::testing
