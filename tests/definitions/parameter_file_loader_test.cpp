#include "definitions/definition_store.h"
#include "definitions/message_list.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace korvane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kWorkedExample =
    "; parameter templates: name, display format, formula\n"
    "BatteryVolts,%.2f,BatteryVolts*8/100\n"
    "CoolantTemp,%d,CoolantTemp-50\n"
    "EngineSpeed,\"%.0f rpm\",EngineSpeed*25\n"
    "ThrottleAngle, %.1f, \"ThrottleAngle * 100 / 255\"  ; percent\n"
    "InputSwitches,0x%02X,InputSwitches\n"
    "[Comment]\n"
    "  IdleSpeed,%d,IdleSpeed*8\n"
    "Rough,%d\n";

// Counts echo lines without keeping them, for files too big to hold twice.
class CountingMessageList final : public MessageList {
public:
    void AppendLine(const std::string& line) override {
        ++count;
        longest = std::max(longest, line.size());
    }
    std::size_t count = 0;
    std::size_t longest = 0;
};

class ParameterFileLoaderTest : public ::testing::Test {
protected:
    int Load(const std::string& text) {
        return store_.LoadParameterFile(dir_.Write("paramdef.ini", text), &messages_);
    }
    std::string FormulaOf(const std::string& name) const {
        const ParameterDefinition* definition = store_.FindDefinition(name);
        return definition == nullptr ? "<none>" : definition->Formula();
    }
    std::string FormatOf(const std::string& name) const {
        const ParameterDefinition* definition = store_.FindDefinition(name);
        return definition == nullptr ? "<none>" : definition->Format();
    }

    testing::TempDir dir_;
    DefinitionStore store_;
    VectorMessageList messages_;
};

TEST_F(ParameterFileLoaderTest, WorkedExampleGivesFiveTemplatesAndItsEchoLines) {
    EXPECT_EQ(Load(kWorkedExample), 5);
    EXPECT_THAT(messages_.lines, ElementsAre("*** Reading: " + dir_.PathOf("paramdef.ini"),
                                             "BatteryVolts,%.2f,BatteryVolts*8/100\n",
                                             "CoolantTemp,%d,CoolantTemp-50\n",
                                             "EngineSpeed,%.0f rpm,EngineSpeed*25\n",
                                             "ThrottleAngle,%.1f,ThrottleAngle * 100 / 255",
                                             "InputSwitches,0x%02X,InputSwitches\n"));
    ASSERT_EQ(store_.Definitions().size(), 5u);
    EXPECT_EQ(FormatOf("EngineSpeed"), "%.0f rpm");
    EXPECT_EQ(FormulaOf("EngineSpeed"), "EngineSpeed*25\n");
    EXPECT_EQ(FormulaOf("ThrottleAngle"), "ThrottleAngle * 100 / 255");
    EXPECT_EQ(store_.FindDefinition("IdleSpeed"), nullptr);
    EXPECT_EQ(store_.FindDefinition("Rough"), nullptr);
    EXPECT_EQ(store_.FindDefinition("[Comment]\n"), nullptr);
    const ParameterDefinition* volts = store_.FindDefinition("BatteryVolts");
    ASSERT_NE(volts, nullptr);
    EXPECT_EQ(volts->Address(), 0u);
    EXPECT_EQ(volts->RawValue(), 0);
    EXPECT_EQ(volts->Variable(), nullptr);
}

TEST_F(ParameterFileLoaderTest, FirstDefinitionOfANameWinsButEveryLineCountsAndEchoes) {
    EXPECT_EQ(Load("Speed,%d,Speed*2\nSpeed,%x,Speed*3\nSPEED,%d,SPEED\n"), 3);
    EXPECT_EQ(FormulaOf("Speed"), "Speed*2\n");
    EXPECT_EQ(FormatOf("Speed"), "%d");
    EXPECT_EQ(FormulaOf("SPEED"), "SPEED\n");
    EXPECT_EQ(messages_.lines.size(), 4u);
    EXPECT_EQ(messages_.lines[2], "Speed,%x,Speed*3\n");
}

TEST_F(ParameterFileLoaderTest, FieldsFollowTheSplittingRules) {
    EXPECT_EQ(Load("A,%d,A * 2\n"
                   "B,%d,\"B * 2\"\n"
                   "C,%d\n"
                   "D,,%d,D\n"
                   "E,\"\",E\n"
                   "\tF,%d,F\n"
                   "G\t%d\tG;comment\n"),
              5);
    EXPECT_EQ(FormulaOf("A"), "A");
    EXPECT_EQ(FormulaOf("B"), "B * 2");
    EXPECT_EQ(FormulaOf("C"), "<none>");
    EXPECT_EQ(FormatOf("D"), "%d");
    EXPECT_EQ(FormulaOf("D"), "D\n");
    EXPECT_EQ(FormatOf("E"), "");
    EXPECT_EQ(FormulaOf("F"), "<none>");
    EXPECT_EQ(FormulaOf("G"), "G;comment\n");
    EXPECT_EQ(messages_.lines[1], "A,%d,A");
}

TEST_F(ParameterFileLoaderTest, WhatCannotBeOpenedReturnsZeroAndEchoesNothing) {
    EXPECT_EQ(store_.LoadParameterFile(dir_.PathOf("paramdef.ini"), &messages_), 0);
    std::filesystem::create_directory(dir_.PathOf("folder"));
    EXPECT_EQ(store_.LoadParameterFile(dir_.PathOf("folder"), &messages_), 0);
    EXPECT_THAT(messages_.lines, IsEmpty());
    EXPECT_THAT(store_.Definitions(), IsEmpty());
}

TEST_F(ParameterFileLoaderTest, EmptyFileEchoesOnlyTheReadingLine) {
    EXPECT_EQ(Load(""), 0);
    EXPECT_EQ(messages_.lines.size(), 1u);
    EXPECT_THAT(store_.Definitions(), IsEmpty());
}

TEST_F(ParameterFileLoaderTest, NullListEchoesNothingAndStillLoads) {
    EXPECT_EQ(store_.LoadParameterFile(dir_.Write("p.ini", kWorkedExample), nullptr), 5);
    EXPECT_EQ(store_.Definitions().size(), 5u);
}

TEST_F(ParameterFileLoaderTest, UnusualBytesGiveDefinedResults) {
    // CR LF arrives as LF; NUL and high bytes are carried as ordinary text; a line
    // starting with a high byte or NUL is skipped.
    std::string text = "Crlf,%d,Crlf*2\r\n";
    text += std::string("Nul\0x,%d,Nul\n", 13);
    text += "Temp\xB0,%d,\"Temp\xB0 - 40\"\n";
    text += "\xEF\xBB\xBFSkipped,%d,X\n";
    text += std::string("\0Skipped,%d,X\n", 14);
    EXPECT_EQ(Load(text), 3);
    EXPECT_EQ(FormulaOf("Crlf"), "Crlf*2\n");
    EXPECT_EQ(FormulaOf(std::string("Nul\0x", 5)), "Nul\n");
    EXPECT_EQ(FormulaOf("Temp\xB0"), "Temp\xB0 - 40");
    EXPECT_EQ(store_.Definitions().size(), 3u);
}

TEST_F(ParameterFileLoaderTest, LongLinesAreReadInPiecesEachJudgedOnItsOwn) {
    // The first 999 bytes hold a whole definition; the rest of the line is a second piece
    // that happens to be a definition too.
    const std::string first = "Long,%d," + std::string(991, 'x');
    ASSERT_EQ(first.size(), 999u);
    std::string text = first + "Tail,%d,Tail\n";
    text += "After,%d,After\n";
    text += std::string(100000, 'y') + "\n";
    EXPECT_EQ(Load(text), 3);
    EXPECT_EQ(FormulaOf("Long"), std::string(991, 'x'));
    EXPECT_EQ(FormulaOf("Tail"), "Tail\n");
    EXPECT_EQ(FormulaOf("After"), "After\n");
}

TEST_F(ParameterFileLoaderTest, MillionLinesLoadWithDuplicatesAndComments) {
    std::string text;
    text.reserve(30'000'000);
    for (int i = 0; i < 1'000'000; ++i) {
        if (i % 10 == 9) {
            text += "; comment line\n";
        } else {
            text += "P" + std::to_string(i % 4999) + ",%d,P" + std::to_string(i % 4999) + "*2\n";
        }
    }
    CountingMessageList counting;
    EXPECT_EQ(store_.LoadParameterFile(dir_.Write("big.ini", text), &counting), 900'000);
    EXPECT_EQ(counting.count, 900'001u);
    EXPECT_EQ(store_.Definitions().size(), 4999u);
    EXPECT_EQ(FormulaOf("P4998"), "P4998*2\n");
}

} // namespace
} // namespace korvane
