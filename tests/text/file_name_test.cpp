#include "text/file_name.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace korvane {
namespace {

TEST(FileName, PartAfterTheLastSeparatorIsSuggestedOnlyWhenLongerThanOneCharacter) {
    const std::vector<std::tuple<std::string, bool, std::string>> rows = {
        {"korvane.csv", true, "korvane.csv"},
        {"C:\\logs\\run1.csv", true, "run1.csv"},
        {"/home/tech/logs/run2.log", true, "run2.log"},
        // A backslash wins over a later slash: it is searched for first.
        {"a\\dir/x.bin", true, "dir/x.bin"},
        {"C:\\logs\\", false, ""},
        {"/tmp/x", false, "x"},
        {"", false, ""}};
    for (const auto& [path, suggested, part] : rows) {
        std::string result = "old";
        EXPECT_EQ(FileNamePart(result, path), suggested) << path;
        EXPECT_EQ(result, part) << path;
    }
}

TEST(FileName, ExtensionIsAfterTheLastDotOfTheWholePath) {
    const std::vector<std::tuple<std::string, bool, std::string>> rows = {
        {"korvane.csv", true, "csv"},
        {"run.old.CSV", true, "CSV"},
        // A dot in a folder name counts when the file name has none.
        {"/home/tech/logs.d/run", true, "d/run"},
        {"logfile", false, ""},
        {"logfile.", false, ""},
        {".csv", false, ""},
        {"", false, ""}};
    for (const auto& [path, found, extension] : rows) {
        std::string result = "stale";
        EXPECT_EQ(FileExtension(result, path), found) << path;
        EXPECT_EQ(result, extension) << path;
    }
}

} // namespace
} // namespace korvane
