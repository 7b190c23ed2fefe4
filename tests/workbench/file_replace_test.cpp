// Saving a definition file: the path holds the old file or the whole new one, never part
// of one, and a failed step says why and leaves the old file as it was.

#include "support/scratch_folder.h"
#include "workbench/file_replace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace korvane {
namespace {

// Writes half of the bytes and then reports the disk full, as a full device does.
class FullDisk final : public FileSteps {
public:
    bool WriteNew(const std::string& path, std::string_view bytes, std::string& reason) override {
        std::string ignored;
        FileSteps::WriteNew(path, bytes.substr(0, bytes.size() / 2), ignored);
        reason = "cannot write " + path + ": No space left on device";
        return false;
    }
};

class NoBackup final : public FileSteps {
public:
    bool Copy(const std::string&, const std::string& to, std::string& reason) override {
        reason = "cannot copy to " + to;
        return false;
    }
};

class NoRename final : public FileSteps {
public:
    bool Rename(const std::string&, const std::string& to, std::string& reason) override {
        reason = "cannot replace " + to;
        return false;
    }
};

TEST(FileReplace, TheNewFileTakesThePlaceOfTheOldWhichIsKeptBesideIt) {
    const testing::ScratchFolder folder;
    const std::string path = folder.Write("paramdef.ini", "old\r\n");
    std::string reason;
    ASSERT_TRUE(ReplaceFileKeepingBackup(path, "new\n", reason)) << reason;
    EXPECT_EQ(folder.Read("paramdef.ini"), "new\n");
    EXPECT_EQ(folder.Read("paramdef.ini.bak"), "old\r\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));

    // A file saved for the first time has nothing to keep.
    ASSERT_TRUE(ReplaceFileKeepingBackup(folder.File("SelectMonitor.ini"), "[A1]\n", reason));
    EXPECT_EQ(folder.Read("SelectMonitor.ini"), "[A1]\n");
    EXPECT_FALSE(std::filesystem::exists(folder.File("SelectMonitor.ini.bak")));
}

TEST(FileReplace, AFailedStepLeavesTheOldFileAndSaysWhy) {
    FullDisk fullDisk;
    NoBackup noBackup;
    NoRename noRename;
    const std::vector<std::pair<FileSteps*, const char*>> rows = {
        {&fullDisk, "No space left on device"},
        {&noBackup, "cannot copy to"},
        {&noRename, "cannot replace"},
    };
    for (const auto& [steps, why] : rows) {
        SCOPED_TRACE(why);
        const testing::ScratchFolder folder;
        const std::string path = folder.Write("paramdef.ini", "old\n");
        std::string reason;
        EXPECT_FALSE(ReplaceFileKeepingBackup(path, "a much longer new file\n", reason, *steps));
        EXPECT_NE(reason.find(why), std::string::npos) << reason;
        EXPECT_EQ(folder.Read("paramdef.ini"), "old\n");
        EXPECT_FALSE(std::filesystem::exists(path + ".new"));
    }

    // A folder that is not there cannot take the new file.
    const testing::ScratchFolder folder;
    std::string reason;
    EXPECT_FALSE(ReplaceFileKeepingBackup(folder.File("gone/paramdef.ini"), "x\n", reason));
    EXPECT_NE(reason.find("gone/paramdef.ini.new"), std::string::npos) << reason;
}

} // namespace
} // namespace korvane
