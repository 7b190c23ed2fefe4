#include "definitions/definition_file_reader.h"

#include "definitions/message_list.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace korvane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> ReadAll(const std::string& path) {
    DefinitionFileReader reader;
    std::vector<std::string> lines;
    if (!reader.Open(path, nullptr)) {
        ADD_FAILURE() << "cannot open " << path;
        return lines;
    }
    std::string line;
    while (reader.NextLine(line)) {
        lines.push_back(line);
    }
    reader.Close();
    return lines;
}

class DefinitionFileReaderTest : public ::testing::Test {
protected:
    testing::TempDir dir_;
};

TEST_F(DefinitionFileReaderTest, OpenEchoesThePathAsGiven) {
    const std::string path = dir_.Write("paramdef.ini", "A,b,c\n");
    VectorMessageList messages;
    DefinitionFileReader reader;
    ASSERT_TRUE(reader.Open(path, &messages));
    EXPECT_THAT(messages.lines, ElementsAre("*** Reading: " + path));

    DefinitionFileReader silent;
    EXPECT_TRUE(silent.Open(path, nullptr));
}

TEST_F(DefinitionFileReaderTest, WhatCannotBeOpenedGivesFalseAndNoEcho) {
    VectorMessageList messages;
    DefinitionFileReader reader;
    EXPECT_FALSE(reader.Open(dir_.PathOf("missing.ini"), &messages));
    EXPECT_FALSE(reader.Open(dir_.PathOf(""), &messages));
    EXPECT_FALSE(reader.Open("", &messages));

    std::filesystem::create_directory(dir_.PathOf("folder.ini"));
    EXPECT_FALSE(reader.Open(dir_.PathOf("folder.ini"), &messages));
    EXPECT_THAT(messages.lines, IsEmpty());

    std::string line;
    EXPECT_FALSE(reader.NextLine(line));
}

TEST_F(DefinitionFileReaderTest, UnreadableFileIsNotOpened) {
    const std::string path = dir_.Write("locked.ini", "A,b,c\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    if (std::ifstream(path).is_open()) {
        GTEST_SKIP() << "running with rights that read any file";
    }
    VectorMessageList messages;
    DefinitionFileReader reader;
    EXPECT_FALSE(reader.Open(path, &messages));
    EXPECT_THAT(messages.lines, IsEmpty());
}

TEST_F(DefinitionFileReaderTest, EmptyFileDeliversNoLine) {
    EXPECT_THAT(ReadAll(dir_.Write("empty.ini", "")), IsEmpty());
}

TEST_F(DefinitionFileReaderTest, EveryLineIsDeliveredOnceWithItsLineFeed) {
    EXPECT_THAT(ReadAll(dir_.Write("a.ini", "one\ntwo\nthree")),
                ElementsAre("one\n", "two\n", "three"));
    EXPECT_THAT(ReadAll(dir_.Write("b.ini", "one\ntwo\n")), ElementsAre("one\n", "two\n"));
}

TEST_F(DefinitionFileReaderTest, CarriageReturnBeforeLineFeedIsFolded) {
    EXPECT_THAT(ReadAll(dir_.Write("crlf.ini", "one\r\ntwo\r\r\nthree\rfour\r")),
                ElementsAre("one\n", "two\r\n", "three\rfour\r"));
}

TEST_F(DefinitionFileReaderTest, CommentsAndLinesStartingWithABlankByteAreSkipped) {
    const std::string text = std::string(";A,b,c\n") + " A,b,c\n" + "\tA,b,c\n" + "\n" + "\r\n" +
                             "\x80" + "A,b,c\n" + std::string(1, '\0') + "A,b,c\n" + "kept\n" +
                             "[x]\n";
    EXPECT_THAT(ReadAll(dir_.Write("skip.ini", text)), ElementsAre("kept\n", "[x]\n"));
}

TEST_F(DefinitionFileReaderTest, NulAndHighBytesInsideALineAreCarried) {
    const std::string text("a\0b\xFF\n", 5);
    EXPECT_THAT(ReadAll(dir_.Write("bytes.ini", text)), ElementsAre(text));
}

TEST_F(DefinitionFileReaderTest, LongLinesAreCutIntoPiecesOf999Bytes) {
    const std::string first(999, 'a');
    const std::string rest(501, 'b');
    EXPECT_THAT(ReadAll(dir_.Write("long.ini", first + rest + "\nnext\n")),
                ElementsAre(first, rest + "\n", "next\n"));

    // A piece that starts with a blank byte is skipped like any other line.
    const std::string blankRest = " " + std::string(500, 'b');
    EXPECT_THAT(ReadAll(dir_.Write("blank.ini", first + blankRest + "\n")), ElementsAre(first));

    // Exactly 999 bytes: the line feed alone forms the next piece and is skipped.
    EXPECT_THAT(ReadAll(dir_.Write("exact.ini", first + "\nx")), ElementsAre(first, "x"));

    // CR LF counts as one byte when the line is cut.
    const std::string crlf(998, 'c');
    EXPECT_THAT(ReadAll(dir_.Write("crlf.ini", crlf + "\r\nx")), ElementsAre(crlf + "\n", "x"));
}

TEST_F(DefinitionFileReaderTest, HundredThousandByteLineArrivesInPieces) {
    const std::string line(100000, 'z');
    const std::vector<std::string> lines = ReadAll(dir_.Write("huge.ini", line + "\n"));
    ASSERT_EQ(lines.size(), 101u);
    std::string joined;
    for (const std::string& piece : lines) {
        EXPECT_LE(piece.size(), DefinitionFileReader::kMaxLineBytes);
        joined += piece;
    }
    EXPECT_EQ(joined, line + "\n");
}

TEST_F(DefinitionFileReaderTest, CarriageReturnAcrossTheReadBufferIsStillFolded) {
    // Put CR LF pairs at every offset around the reader's buffer edge.
    std::string text;
    std::vector<std::string> expected;
    for (int i = 0; text.size() < 200000; ++i) {
        std::string line = "L" + std::to_string(i);
        text += line + "\r\n";
        expected.push_back(line + "\n");
    }
    EXPECT_EQ(ReadAll(dir_.Write("many.ini", text)), expected);
}

TEST_F(DefinitionFileReaderTest, ReopeningStartsAnotherFileFromItsBeginning) {
    const std::string a = dir_.Write("a.ini", "a1\na2\n");
    const std::string b = dir_.Write("b.ini", "b1\n");
    DefinitionFileReader reader;
    std::string line;
    ASSERT_TRUE(reader.Open(a, nullptr));
    ASSERT_TRUE(reader.NextLine(line));
    EXPECT_EQ(line, "a1\n");
    ASSERT_TRUE(reader.Open(b, nullptr));
    ASSERT_TRUE(reader.NextLine(line));
    EXPECT_EQ(line, "b1\n");
    EXPECT_FALSE(reader.NextLine(line));
}

} // namespace
} // namespace korvane
