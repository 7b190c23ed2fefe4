#include "app/dialog_utils.h"

#include "fake_window.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using fakes::FakeWindow;

constexpr int kCombo = 3001;

int N(ComboNotification notification) {
    return static_cast<int>(notification);
}

TEST(FillComboBox, SelectsTheMatchingEntryOfASortedComboWhereverItLanded) {
    FakeWindow window({kCombo});
    FillComboBox(window, kCombo, {"COM1", "COM2", "COM10", "COM3"}, true, "COM2");
    EXPECT_EQ(window.ComboItems(kCombo),
              (std::vector<std::string>{"COM1", "COM10", "COM2", "COM3"}));
    EXPECT_EQ(window.SelectedComboText(kCombo), "COM2");
    EXPECT_EQ(window.GetText(kCombo), "COM2");
}

TEST(FillComboBox, FallsBackToTheEarlierSelectionThenToTheFirstEntryAndMatchesExactly) {
    FakeWindow window;
    FillComboBox(window, kCombo, {"a", "b", "c"}, true, "nothing");
    EXPECT_EQ(window.ComboSelection(kCombo), 0);
    window.ComboSetSelection(kCombo, 2);
    FillComboBox(window, kCombo, {"x", "y", "z"}, true, "absent");
    EXPECT_EQ(window.ComboSelection(kCombo), 2);
    // An earlier selection beyond the new entries is not kept.
    FillComboBox(window, kCombo, {"only"}, true, "absent");
    EXPECT_EQ(window.SelectedComboText(kCombo), "only");
    FillComboBox(window, kCombo, {}, true, "absent");
    EXPECT_EQ(window.ComboSelection(kCombo), -1);

    FillComboBox(window, kCombo, {"NULL", "null ", "null"}, true, "null");
    EXPECT_EQ(window.ComboSelection(kCombo), 2);
    FillComboBox(window, kCombo, {"more"}, false, "more");
    EXPECT_EQ(window.ComboCount(kCombo), 4);
    EXPECT_EQ(window.ComboSelection(kCombo), 3);
}

TEST(GetComboText, ConfirmsOnlyChoicesAndTyping) {
    FakeWindow window;
    FillComboBox(window, kCombo, {"COM1", "COM2"}, true, "COM2");
    window.SetText(kCombo, "CO");

    std::string text = "none";
    EXPECT_EQ(GetComboText(text, window, kCombo, N(ComboNotification::EditChange)),
              ComboCommand::Act);
    EXPECT_EQ(text, "CO");
    EXPECT_EQ(GetComboText(text, window, kCombo, N(ComboNotification::EditUpdate)),
              ComboCommand::Ignore);
    EXPECT_EQ(text, "CO");

    // Opening the list, moving through it and confirming: only the confirmation counts.
    int confirmations = 0;
    for (const auto notification :
         {ComboNotification::DropDown, ComboNotification::SelChange, ComboNotification::CloseUp,
          ComboNotification::SelEndOk, ComboNotification::KillFocus}) {
        text = "none";
        confirmations +=
            GetComboText(text, window, kCombo, N(notification)) == ComboCommand::Act ? 1 : 0;
        EXPECT_EQ(text, "COM2");
    }
    EXPECT_EQ(confirmations, 1);

    text = "none";
    EXPECT_EQ(GetComboText(text, window, kCombo, N(ComboNotification::DoubleClick)),
              ComboCommand::Ignore);
    EXPECT_EQ(text, "CO");
}

TEST(GetComboText, LeavesThePresetTextWithoutASelectedEntryAndCutsLongTexts) {
    FakeWindow window;
    window.ComboAdd(kCombo, "first");
    window.ComboAdd(kCombo, std::string(1024, 'x'));
    std::string text = "none";
    EXPECT_EQ(GetComboText(text, window, kCombo, N(ComboNotification::SelEndOk)),
              ComboCommand::Act);
    EXPECT_EQ(text, "none");
    window.ComboSetSelection(kCombo, 1);
    EXPECT_EQ(GetComboText(text, window, kCombo, N(ComboNotification::SelEndOk)),
              ComboCommand::Act);
    EXPECT_EQ(text, "none");

    window.SetText(5, std::string(2000, 'a'));
    GetItemText(window, 5, text);
    EXPECT_EQ(text.size(), kMaxItemText);
}

TEST(AskOpenFileName, SuggestsTheFileNamePartAndKeepsTheNameWhenCancelled) {
    FakeWindow window;
    const FileFilter filter = {{"All files", "*.*"}};
    std::string name = "/home/tech/logs/run.csv";
    window.fileAnswers = {std::nullopt, std::string("/tmp/new.log")};

    EXPECT_FALSE(AskOpenFileName(window, name, filter, "/work", "Select Log File",
                                 FileDialogKind::NewOrExistingFile));
    EXPECT_EQ(name, "/home/tech/logs/run.csv");
    ASSERT_EQ(window.fileDialogs.size(), 1U);
    EXPECT_EQ(window.fileDialogs[0].suggestion, "run.csv");
    EXPECT_EQ(window.fileDialogs[0].initialFolder, "/work");
    EXPECT_EQ(window.fileDialogs[0].title, "Select Log File");

    EXPECT_TRUE(AskOpenFileName(window, name, filter, "/work", "Select Log File",
                                FileDialogKind::NewOrExistingFile));
    EXPECT_EQ(name, "/tmp/new.log");

    name = "C:\\logs\\";
    window.fileAnswers = {std::nullopt};
    AskOpenFileName(window, name, filter, "/work", "t", FileDialogKind::NewOrExistingFile);
    EXPECT_EQ(window.fileDialogs.back().suggestion, "");
}

} // namespace
} // namespace korvane
