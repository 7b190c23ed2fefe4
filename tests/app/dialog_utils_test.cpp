#include "app/dialog_utils.h"

#include "app/fake_window.h"

#include <gtest/gtest.h>

#include <tuple>

namespace korvane {
namespace {

using fakes::FakeWindow;
using N = ComboNotification;

constexpr int kCombo = 3001;

TEST(FillComboBox, SelectsTheMatchingEntryOfASortedComboWhereverItLanded) {
    FakeWindow window({kCombo});
    FillComboBox(window, kCombo, {"COM1", "COM2", "COM10", "COM3"}, true, "COM2");
    EXPECT_EQ(window.combos[kCombo], (std::vector<std::string>{"COM1", "COM10", "COM2", "COM3"}));
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
    FillComboBox(window, kCombo, {"only", "two"}, true, "absent");
    EXPECT_EQ(window.SelectedComboText(kCombo), "only");
    FillComboBox(window, kCombo, {}, true, "absent");
    EXPECT_EQ(window.ComboSelection(kCombo), -1);

    FillComboBox(window, kCombo, {"NULL", "null ", "null"}, true, "null");
    EXPECT_EQ(window.ComboSelection(kCombo), 2);
    FillComboBox(window, kCombo, {"more"}, false, "more");
    EXPECT_EQ(window.ComboCount(kCombo), 4);
    EXPECT_EQ(window.ComboSelection(kCombo), 3);
}

TEST(GetComboText, ActsOnTypingAndConfirmedChoicesOnlyAndTakesTheirText) {
    FakeWindow window;
    FillComboBox(window, kCombo, {"COM1", "COM2"}, true, "COM2");
    window.SetText(kCombo, "CO");
    // What the notification does, and the text it reads: the typed one or the entry's.
    const std::tuple<N, ComboCommand, const char*> rows[] = {
        {N::EditChange, ComboCommand::Act, "CO"},     {N::SelEndOk, ComboCommand::Act, "COM2"},
        {N::EditUpdate, ComboCommand::Ignore, "CO"},  {N::DoubleClick, ComboCommand::Ignore, "CO"},
        {N::SelChange, ComboCommand::Ignore, "COM2"}, {N::SetFocus, ComboCommand::Ignore, "COM2"},
        {N::KillFocus, ComboCommand::Ignore, "COM2"}, {N::DropDown, ComboCommand::Ignore, "COM2"},
        {N::CloseUp, ComboCommand::Ignore, "COM2"},
    };
    for (const auto& [notification, command, read] : rows) {
        std::string text = "none";
        EXPECT_EQ(GetComboText(text, window, kCombo, static_cast<int>(notification)), command)
            << static_cast<int>(notification);
        EXPECT_EQ(text, read) << static_cast<int>(notification);
    }
}

TEST(GetComboText, KeepsThePresetTextWithoutAnEntryOrForAnOverlongOneAndCutsTypedText) {
    FakeWindow window;
    window.ComboAdd(kCombo, std::string(kMaxItemText, 'x'));
    window.ComboAdd(kCombo, std::string(kMaxItemText + 1, 'y'));
    const int selEndOk = static_cast<int>(N::SelEndOk);
    std::string text = "none";
    EXPECT_EQ(GetComboText(text, window, kCombo, selEndOk), ComboCommand::Act);
    EXPECT_EQ(text, "none");
    window.ComboSetSelection(kCombo, 1);
    GetComboText(text, window, kCombo, selEndOk);
    EXPECT_EQ(text, "none");
    window.ComboSetSelection(kCombo, 0);
    GetComboText(text, window, kCombo, selEndOk);
    EXPECT_EQ(text, std::string(kMaxItemText, 'x'));

    window.SetText(5, std::string(2000, 'a'));
    GetItemText(window, 5, text);
    EXPECT_EQ(text, std::string(kMaxItemText, 'a'));
}

TEST(AskOpenFileName, SuggestsTheFileNamePartAndKeepsTheNameWhenCancelled) {
    FakeWindow window;
    const FileFilter filter = {{"All files", "*.*"}};
    const auto ask = [&](std::string& name) {
        return AskOpenFileName(window, name, filter, "/work", "Select Log File",
                               FileDialogKind::NewOrExistingFile);
    };
    std::string name = "/home/tech/logs/run.csv";
    window.fileAnswers = {std::nullopt, std::string("/tmp/new.log")};
    EXPECT_FALSE(ask(name));
    EXPECT_EQ(name, "/home/tech/logs/run.csv");
    ASSERT_EQ(window.fileDialogs.size(), 1U);
    EXPECT_EQ(window.fileDialogs[0].suggestion, "run.csv");
    EXPECT_TRUE(ask(name));
    EXPECT_EQ(name, "/tmp/new.log");

    // No name part, or one longer than the dialog's buffer holds.
    name = "C:\\logs\\";
    ask(name);
    EXPECT_EQ(window.fileDialogs.back().suggestion, "");
    name = "/logs/" + std::string(600, 'n');
    ask(name);
    EXPECT_EQ(window.fileDialogs.back().suggestion, std::string(519, 'n'));
}

} // namespace
} // namespace korvane
