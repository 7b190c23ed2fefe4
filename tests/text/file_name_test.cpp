#include "text/file_name.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace korvane {
namespace {

using Reader = bool (*)(std::string&, std::string_view);

TEST(FileName, PartAfterTheLastSeparatorAndExtensionAfterTheLastDot) {
    const std::vector<std::tuple<Reader, std::string, bool, std::string>> rows = {
        // The part is suggested only when longer than one character.
        {FileNamePart, "korvane.csv", true, "korvane.csv"},
        {FileNamePart, "C:\\logs\\run1.csv", true, "run1.csv"},
        {FileNamePart, "/home/tech/logs/run2.log", true, "run2.log"},
        // A backslash wins over a later slash: it is searched for first.
        {FileNamePart, "a\\dir/x.bin", true, "dir/x.bin"},
        {FileNamePart, "C:\\logs\\", false, ""},
        {FileNamePart, "/tmp/x", false, "x"},
        {FileNamePart, "", false, ""},
        {FileExtension, "korvane.csv", true, "csv"},
        {FileExtension, "run.old.CSV", true, "CSV"},
        // A dot in a folder name counts when the file name has none.
        {FileExtension, "/home/tech/logs.d/run", true, "d/run"},
        {FileExtension, "logfile", false, ""},
        {FileExtension, "logfile.", false, ""},
        {FileExtension, ".csv", false, ""},
        {FileExtension, "", false, ""}};
    for (const auto& [reader, path, found, expected] : rows) {
        std::string result = "stale";
        EXPECT_EQ(reader(result, path), found) << path;
        EXPECT_EQ(result, expected) << path;
    }
}

} // namespace
} // namespace korvane
