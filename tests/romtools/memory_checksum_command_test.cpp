#include "romtools/checksum_command.h"

#include "app/fake_window.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

using fakes::FakeWindow;
using testing::WriteWholeFile;

class ChecksumCommand : public ::testing::Test {
protected:
    testing::ScratchFolder folder;
    FakeWindow window;
};

TEST_F(ChecksumCommand, AsksForAFileWithoutSuggestionAndDoesNothingWhenCancelled) {
    ChecksumFileCommand(window, "/home/tech");

    ASSERT_EQ(window.fileDialogs.size(), 1U);
    EXPECT_EQ(window.fileDialogs[0].suggestion, "");
    EXPECT_EQ(window.fileDialogs[0].title, "Select TARN ROM File");
    EXPECT_EQ(window.fileDialogs[0].initialFolder, "/home/tech");
    EXPECT_EQ(window.fileDialogs[0].filter,
              (FileFilter{{"Binary files (bin,hex)", "*.bin;*.hex"}, {"All files", "*.*"}}));
    EXPECT_TRUE(window.messageBoxes.empty());
}

TEST_F(ChecksumCommand, ShowsTheSummaryOfAnImage) {
    const std::string path = folder.File("rom.bin");
    WriteWholeFile(path, std::string(0x8000, '\xFF'));
    window.fileAnswers.push_back(path);

    ChecksumFileCommand(window, folder.Path().string());

    ASSERT_EQ(window.messageBoxes.size(), 1U);
    EXPECT_EQ(window.messageBoxes[0].caption, "TARN ROM Checksum");
    EXPECT_EQ(window.messageBoxes[0].style, MessageBoxStyle::Ok);
    EXPECT_EQ(window.messageBoxes[0].text,
              "File: " + path +
                  "\n\nChecksum ERROR\n\nStored Checksums:   \tFFFF\nCalculated Checksums:\t0200\n"
                  "File size: 0x8000 (32768) bytes");
}

TEST_F(ChecksumCommand, ReportsAWrongLength) {
    const std::string path = folder.File("short.bin");
    WriteWholeFile(path, std::string(0x8001, '\0'));
    window.fileAnswers.push_back(path);

    ChecksumFileCommand(window, folder.Path().string());

    ASSERT_EQ(window.messageBoxes.size(), 1U);
    EXPECT_EQ(window.messageBoxes[0].text, "Checksum failed\nInvalid file length= 8001");
    EXPECT_EQ(window.messageBoxes[0].caption, "TARN ROM Checksum");
}

} // namespace
} // namespace korvane
