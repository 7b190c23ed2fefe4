#include "app/dialog_utils.h"

#include "app/recorded_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

using Entries = std::vector<std::string>;

TEST(EntryToSelect, TakesTheLastExactMatchElseTheEarlierSelectionElseTheFirstEntry) {
    const Entries sorted = {"COM1", "COM10", "COM2", "COM3"};
    EXPECT_EQ(EntryToSelect(sorted, "COM2", -1), 2);
    EXPECT_EQ(EntryToSelect({"a", "b", "c"}, "nothing", -1), 0);
    EXPECT_EQ(EntryToSelect({"x", "y", "z"}, "absent", 2), 2);
    // An earlier selection beyond the new entries is not kept.
    EXPECT_EQ(EntryToSelect({"only", "two"}, "absent", 2), 0);
    EXPECT_EQ(EntryToSelect({}, "absent", 0), -1);
    EXPECT_EQ(EntryToSelect({"NULL", "null ", "null", "null"}, "null", 0), 3);
}

TEST(FindRomIdEntry, FindsTheEntryOfTheIdNotOneItPrefixesFromTheSecondEntryOn) {
    const Entries entries = {"AB12CD  Short", "AB12CD34  Long", "ab12cd"};
    EXPECT_EQ(FindRomIdEntry(entries, "AB12CD34"), 1);
    // The search starts after the first entry and wraps round to it.
    EXPECT_EQ(FindRomIdEntry(entries, "AB12CD"), 2);
    EXPECT_EQ(FindRomIdEntry({"AB12CD  Short", "null"}, "AB12CD"), 0);
    EXPECT_EQ(FindRomIdEntry(entries, "FFFFFF"), -1);
    EXPECT_EQ(FindRomIdEntry({}, "AB12CD"), -1);
}

TEST(ItemText, CutsTextsToTheWindowsBuffers) {
    EXPECT_EQ(ItemText(std::string(2000, 'a')), std::string(kMaxItemText, 'a'));
    EXPECT_EQ(ItemText(std::string(kMaxItemText, 'b')), std::string(kMaxItemText, 'b'));
}

TEST(AskOpenFileName, SuggestsTheFileNamePartAndKeepsTheNameWhenCancelled) {
    fakes::RecordingDialogs dialogs;
    const FileFilter filter = {{"All files", "*.*"}};
    const auto ask = [&](std::string& name) {
        return AskOpenFileName(dialogs, name, filter, "/work", "Select Log File",
                               FileDialogKind::NewOrExistingFile);
    };
    std::string name = "/home/tech/logs/run.csv";
    dialogs.fileAnswers = {std::nullopt, std::string("/tmp/new.log")};
    EXPECT_FALSE(ask(name));
    EXPECT_EQ(name, "/home/tech/logs/run.csv");
    ASSERT_EQ(dialogs.fileDialogs.size(), 1U);
    EXPECT_EQ(dialogs.fileDialogs[0].suggestion, "run.csv");
    EXPECT_TRUE(ask(name));
    EXPECT_EQ(name, "/tmp/new.log");

    // No name part, or one longer than the dialog's buffer holds.
    name = "C:\\logs\\";
    ask(name);
    EXPECT_EQ(dialogs.fileDialogs.back().suggestion, "");
    name = "/logs/" + std::string(600, 'n');
    ask(name);
    EXPECT_EQ(dialogs.fileDialogs.back().suggestion, std::string(519, 'n'));
}

} // namespace
} // namespace korvane
