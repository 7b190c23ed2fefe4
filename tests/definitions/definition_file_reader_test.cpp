#include "definitions/definition_file_reader.h"

#include "definitions/message_list.h"
#include "support/scratch_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace korvane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class DefinitionFileReaderTest : public ::testing::Test {
protected:
    std::vector<std::string> ReadAll(const std::string& bytes) {
        DefinitionFileReader reader;
        std::vector<std::string> lines;
        EXPECT_TRUE(reader.Open(folder_.Write("file.ini", bytes), nullptr));
        std::string line;
        while (reader.NextLine(line)) {
            lines.push_back(line);
        }
        return lines;
    }

    testing::ScratchFolder folder_;
};

TEST_F(DefinitionFileReaderTest, OpenEchoesThePathOrFailsSilently) {
    const std::string path = folder_.Write("paramdef.ini", "A,b,c\n");
    VectorMessageList messages;
    DefinitionFileReader reader;
    ASSERT_TRUE(reader.Open(path, &messages));
    EXPECT_THAT(messages.lines, ElementsAre("*** Reading: " + path));

    messages.lines.clear();
    std::filesystem::create_directory(folder_.File("folder.ini"));
    // A named pipe with no writer would block whoever opens it.
    ASSERT_EQ(mkfifo(folder_.File("pipe.ini").c_str(), 0600), 0);
    for (const std::string& bad : {folder_.File("missing.ini"), std::string(),
                                   folder_.File("folder.ini"), folder_.File("pipe.ini")}) {
        EXPECT_FALSE(reader.Open(bad, &messages)) << bad;
    }
    EXPECT_THAT(messages.lines, IsEmpty());
    std::string line;
    EXPECT_FALSE(reader.NextLine(line));

    std::filesystem::permissions(path, std::filesystem::perms::none);
    if (!std::ifstream(path).is_open()) {
        EXPECT_FALSE(reader.Open(path, &messages));
        EXPECT_THAT(messages.lines, IsEmpty());
    }
}

TEST_F(DefinitionFileReaderTest, LinesAreFoldedSkippedAndCut) {
    const std::string a999(999, 'a');
    const std::string c998(998, 'c');
    const std::vector<std::pair<std::string, std::vector<std::string>>> rows = {
        {"", {}},
        {"one\ntwo\nthree", {"one\n", "two\n", "three"}},
        {"one\r\ntwo\r\r\nthree\rfour\r", {"one\n", "two\r\n", "three\rfour\r"}},
        {std::string(";c\n \n\tx\n\n\r\n\x80x\n") + std::string(1, '\0') + "x\nkept\n[x]\n",
         {"kept\n", "[x]\n"}},
        {std::string("a\0b\xFF\n", 5), {std::string("a\0b\xFF\n", 5)}},
        {a999 + std::string(501, 'b') + "\nnext\n", {a999, std::string(501, 'b') + "\n", "next\n"}},
        // A cut-off piece that starts with a blank byte is skipped like any line.
        {a999 + " " + std::string(500, 'b') + "\n", {a999}},
        {a999 + a999 + "b\n", {a999, a999, "b\n"}},
        {a999 + "\nx", {a999, "x"}},
        {c998 + "\r\nx", {c998 + "\n", "x"}},
    };
    for (const auto& [bytes, expected] : rows) {
        SCOPED_TRACE(bytes.substr(0, 40));
        EXPECT_EQ(ReadAll(bytes), expected);
    }
}

TEST_F(DefinitionFileReaderTest, CarriageReturnAcrossTheReadBufferIsStillFolded) {
    std::string text;
    std::vector<std::string> expected;
    for (int i = 0; text.size() < 200000; ++i) {
        const std::string line = "L" + std::to_string(i);
        text += line + "\r\n";
        expected.push_back(line + "\n");
    }
    EXPECT_EQ(ReadAll(text), expected);
}

TEST_F(DefinitionFileReaderTest, ReopeningStartsAnotherFileFromItsBeginning) {
    const std::string a = folder_.Write("a.ini", "a1\na2\n");
    const std::string b = folder_.Write("b.ini", "b1\n");
    DefinitionFileReader reader;
    std::string line;
    ASSERT_TRUE(reader.Open(a, nullptr));
    ASSERT_TRUE(reader.NextLine(line));
    ASSERT_TRUE(reader.Open(b, nullptr));
    ASSERT_TRUE(reader.NextLine(line));
    EXPECT_EQ(line, "b1\n");
    EXPECT_FALSE(reader.NextLine(line));
}

} // namespace
} // namespace korvane
