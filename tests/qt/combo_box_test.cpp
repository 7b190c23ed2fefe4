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
using ::testing::IsEmpty;

struct ComboFixture : ::testing::Test {
    void SetUp() override {
        window = recording.shell.BuildWindow(ids::kMainTemplate, nullptr);
        ASSERT_NE(window, nullptr);
        logic = recording.last;
        window->Host().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->Host()));
        ports = &Get<CommandComboBox>(*window, m::kPortCombo);
        romIds = &Get<CommandComboBox>(*window, m::kRomIdCombo);
    }

    RecordingShell recording;
    std::unique_ptr<QtWindow> window;
    RecordingLogic* logic = nullptr;
    CommandComboBox* ports = nullptr;
    CommandComboBox* romIds = nullptr;
};

TEST_F(ComboFixture, SortedBoxPlacesEntriesByTextUnsortedByTheOrderOfAdding) {
    EXPECT_EQ(window->ComboAdd(m::kPortCombo, "COM3"), 0);
    EXPECT_EQ(window->ComboAdd(m::kPortCombo, "COM1"), 0);
    EXPECT_EQ(window->ComboAdd(m::kPortCombo, "COM16"), 1);
    EXPECT_EQ(window->ComboAdd(m::kPortCombo, "com2"), 2);
    EXPECT_EQ(window->ComboCount(m::kPortCombo), 4);
    EXPECT_EQ(window->ComboItemText(m::kPortCombo, 0), "COM1");
    EXPECT_EQ(window->ComboItemText(m::kPortCombo, 1), "COM16");
    EXPECT_EQ(window->ComboItemText(m::kPortCombo, 2), "com2");
    EXPECT_EQ(window->ComboItemText(m::kPortCombo, 3), "COM3");
    EXPECT_EQ(window->ComboItemText(m::kPortCombo, 4), "");
    EXPECT_EQ(window->ComboItemText(m::kPortCombo, -1), "");

    // An unsorted box keeps the order of adding.
    EXPECT_EQ(window->ComboAdd(m::kRomIdCombo, "null"), 0);
    EXPECT_EQ(window->ComboAdd(m::kRomIdCombo, "4A1031"), 1);
    EXPECT_EQ(window->ComboAdd(m::kRomIdCombo, "1B2C3D"), 2);
    EXPECT_EQ(window->ComboItemText(m::kRomIdCombo, 2), "1B2C3D");
}

TEST_F(ComboFixture, ProgramChangesSelectNothingUnaskedAndReportNothing) {
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

    window->ComboSetSelection(m::kPortCombo, -1);
    EXPECT_EQ(window->ComboSelection(m::kPortCombo), -1);
    window->SetText(m::kPortCombo, "CO");
    window->ComboReset(m::kPortCombo);
    EXPECT_EQ(window->ComboCount(m::kPortCombo), 0);
    EXPECT_EQ(window->GetText(m::kPortCombo), "");
    EXPECT_THAT(logic->commands, IsEmpty());
}

TEST_F(ComboFixture, TypingReportsEachChangeOfTheText) {
    window->ComboAdd(m::kPortCombo, "COM1");
    window->ComboAdd(m::kPortCombo, "COM3");
    ports->lineEdit()->setFocus();
    QTest::keyClicks(ports->lineEdit(), "COM");
    QTest::keyClick(ports->lineEdit(), Qt::Key_Backspace);
    // No completion: the text is exactly what was typed.
    EXPECT_THAT(logic->commands,
                ElementsAre(Report{m::kPortCombo, 5, "C"}, Report{m::kPortCombo, 5, "CO"},
                            Report{m::kPortCombo, 5, "COM"}, Report{m::kPortCombo, 5, "CO"}));
    // Enter neither adds the typed text nor reports a choice.
    QTest::keyClick(ports->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(window->ComboCount(m::kPortCombo), 2);
    EXPECT_EQ(logic->commands.size(), 4u);
}

TEST_F(ComboFixture, ChoosingFromTheListReportsOnceWhenConfirmed) {
    for (const char* id : {"null", "4A1031", "1B2C3D"}) {
        window->ComboAdd(m::kRomIdCombo, id);
    }
    window->ComboSetSelection(m::kRomIdCombo, 0);
    romIds->showPopup();
    QAbstractItemView* list = romIds->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    // Moving through the open list is no choice yet.
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_THAT(logic->commands, IsEmpty());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_THAT(logic->commands, ElementsAre(Report{m::kRomIdCombo, 9, "1B2C3D"}));
    EXPECT_EQ(window->ComboSelection(m::kRomIdCombo), 2);
}

} // namespace
} // namespace korvane::testing
