#include "app/file_name.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(FileNamePart, TakesTheTextAfterTheLastSeparator) {
    std::string part;
    EXPECT_TRUE(FileNamePart(part, "korvane.csv"));
    EXPECT_EQ(part, "korvane.csv");
    EXPECT_TRUE(FileNamePart(part, "C:\\logs\\run1.csv"));
    EXPECT_EQ(part, "run1.csv");
    EXPECT_TRUE(FileNamePart(part, "/home/tech/logs/run2.log"));
    EXPECT_EQ(part, "run2.log");
    // A backslash wins over a later slash: it is searched for first.
    EXPECT_TRUE(FileNamePart(part, "a\\dir/x.bin"));
    EXPECT_EQ(part, "dir/x.bin");
}

TEST(FileNamePart, ShortOrEmptyPartsAreNotSuggested) {
    std::string part = "old";
    EXPECT_FALSE(FileNamePart(part, "C:\\logs\\"));
    EXPECT_EQ(part, "");
    EXPECT_FALSE(FileNamePart(part, "/tmp/x"));
    EXPECT_EQ(part, "x");
    EXPECT_FALSE(FileNamePart(part, ""));
}

TEST(FileExtension, FindsTheLastDotOfTheWholePath) {
    std::string extension;
    EXPECT_TRUE(FileExtension(extension, "korvane.csv"));
    EXPECT_EQ(extension, "csv");
    EXPECT_TRUE(FileExtension(extension, "run.old.CSV"));
    EXPECT_EQ(extension, "CSV");
    // A dot in a folder name counts when the file name has none.
    EXPECT_TRUE(FileExtension(extension, "/home/tech/logs.d/run"));
    EXPECT_EQ(extension, "d/run");
}

TEST(FileExtension, NoExtensionLeavesTheOutputEmpty) {
    std::string extension = "stale";
    EXPECT_FALSE(FileExtension(extension, "logfile"));
    EXPECT_EQ(extension, "");
    extension = "stale";
    EXPECT_FALSE(FileExtension(extension, "logfile."));
    EXPECT_EQ(extension, "");
    EXPECT_FALSE(FileExtension(extension, ".csv"));
    EXPECT_FALSE(FileExtension(extension, ""));
}

} // namespace
} // namespace korvane
