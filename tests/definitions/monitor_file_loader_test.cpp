#include "definitions/definition_store.h"
#include "definitions/message_list.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace korvane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kParameterExample =
    "; parameter templates: name, display format, formula\n"
    "BatteryVolts,%.2f,BatteryVolts*8/100\n"
    "CoolantTemp,%d,CoolantTemp-50\n"
    "EngineSpeed,\"%.0f rpm\",EngineSpeed*25\n"
    "ThrottleAngle, %.1f, \"ThrottleAngle * 100 / 255\"  ; percent\n"
    "InputSwitches,0x%02X,InputSwitches\n"
    "[Comment]\n"
    "  IdleSpeed,%d,IdleSpeed*8\n"
    "Rough,%d\n";

constexpr const char* kMonitorExample = "; which parameters to monitor for each ROM ID\n"
                                        "[Options]\n"
                                        "CommPort=2\n"
                                        "\n"
                                        "[A1B2C3]\n"
                                        "Name=Example engine unit\n"
                                        "BatteryVoltsAddress=0x1234\n"
                                        "CoolantTempAddress=0x1235\n"
                                        "EngineSpeedAddress=0x1238\n"
                                        "InputSwitchesAddress=0x1240\n"
                                        "IOSwitchesAddress=0x1241\n"
                                        "SparkAdvanceAddress=0x1250\n"
                                        "\n"
                                        "[A1B2C3D4]\n"
                                        "Name=Example engine unit, later revision\n"
                                        "EngineSpeedAddress=2238\n"
                                        "ShortAddress=12\n";

class MonitorFileLoaderTest : public ::testing::Test {
protected:
    void Load(const std::string& monitorText, const std::string& parameterText = "") {
        if (!parameterText.empty()) {
            store_.LoadParameterFile(dir_.Write("paramdef.ini", parameterText), nullptr);
        }
        store_.LoadMonitorFile(dir_.Write("SelectMonitor.ini", monitorText), &messages_);
    }
    // The echo lines after "*** Reading: ...".
    std::vector<std::string> Echoed() const {
        if (messages_.lines.empty()) {
            return {};
        }
        return {messages_.lines.begin() + 1, messages_.lines.end()};
    }
    std::vector<std::string> NamesOf(std::size_t group) const {
        std::vector<std::string> names;
        for (const auto& [name, definition] : store_.GroupAt(group).Parameters()) {
            names.push_back(name);
        }
        return names;
    }

    testing::TempDir dir_;
    DefinitionStore store_;
    VectorMessageList messages_;
};

TEST_F(MonitorFileLoaderTest, WorkedExampleBuildsTwoGroupsAndItsEchoLines) {
    Load(kMonitorExample, kParameterExample);
    EXPECT_EQ(messages_.lines.at(0), "*** Reading: " + dir_.PathOf("SelectMonitor.ini"));
    EXPECT_THAT(Echoed(), ElementsAre("A1B2C3", "Example engine unit",
                                      "0x1234 = BatteryVolts  ( %.2f, BatteryVolts*8/100\n )",
                                      "0x1235 = CoolantTemp  ( %d, CoolantTemp-50\n )",
                                      "0x1238 = EngineSpeed  ( %.0f rpm, EngineSpeed*25\n )",
                                      "0x1240 = InputSwitches  ( 0x%02X, InputSwitches\n )",
                                      "0x1241 = IOSwitches  ( 0x%02X, IOSwitches )",
                                      "0x1250 = SparkAdvance  ( 0x%02X, SparkAdvance )", "A1B2C3D4",
                                      "Example engine unit, later revision",
                                      "2238 = EngineSpeed  ( %.0f rpm, EngineSpeed*25\n )"));
    EXPECT_EQ(store_.CommPort(), 2);
    ASSERT_EQ(store_.GroupCount(), 2u);

    const RomIdGroup& first = store_.GroupAt(0);
    EXPECT_EQ(first.RomId(), "A1B2C3");
    EXPECT_EQ(first.Name(), "Example engine unit");
    EXPECT_THAT(NamesOf(0), ElementsAre("BatteryVolts", "CoolantTemp", "EngineSpeed", "IOSwitches",
                                        "InputSwitches", "SparkAdvance"));
    const ParameterDefinition* speed = first.FindParameter("EngineSpeed");
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->Address(), 0x1238u);
    EXPECT_EQ(speed->Format(), "%.0f rpm");
    EXPECT_EQ(speed->Formula(), "EngineSpeed*25\n");
    const ParameterDefinition* spark = first.FindParameter("SparkAdvance");
    ASSERT_NE(spark, nullptr);
    EXPECT_EQ(spark->Format(), "0x%02X");
    EXPECT_EQ(spark->Formula(), "SparkAdvance");
    EXPECT_FALSE(first.IsActive());

    // Monitored parameters are copies: the template itself keeps address 0.
    EXPECT_EQ(store_.FindDefinition("EngineSpeed")->Address(), 0u);

    const RomIdGroup& later = store_.GroupAt(1);
    EXPECT_THAT(NamesOf(1), ElementsAre("EngineSpeed"));
    EXPECT_EQ(later.FindParameter("EngineSpeed")->Address(), 0x2238u);
}

TEST_F(MonitorFileLoaderTest, CommPortTakesTheLastLineAndFallsBackToOne) {
    const auto portAfter = [this](const std::string& text) {
        DefinitionStore store;
        store.LoadMonitorFile(dir_.Write("port.ini", text), nullptr);
        return store.CommPort();
    };
    EXPECT_EQ(portAfter(""), 1);
    EXPECT_EQ(portAfter("CommPort=17\n"), 1);
    EXPECT_EQ(portAfter("CommPort=0\n"), 1);
    EXPECT_EQ(portAfter("CommPort=-3\n"), 1);
    EXPECT_EQ(portAfter("CommPort=COM2\n"), 1);
    EXPECT_EQ(portAfter("CommPort=\n"), 1);
    EXPECT_EQ(portAfter("CommPort=99999999999999\n"), 1);
    EXPECT_EQ(portAfter("CommPort=16\n"), 16);
    EXPECT_EQ(portAfter("CommPort= 4\n"), 4);
    EXPECT_EQ(portAfter("CommPort=3 ; preferred\r\n"), 3);
    EXPECT_EQ(portAfter("CommPort=5\n[X12]\nCommPort=7\n"), 7);
    EXPECT_EQ(portAfter("CommPort=5\nCommPort=99\n"), 1);
    EXPECT_EQ(portAfter("commport=5\n"), 1);
    EXPECT_EQ(portAfter(" CommPort=5\n"), 1);
}

TEST_F(MonitorFileLoaderTest, SectionHeadersGiveRomIdsOfAtMostEightBytes) {
    Load("[A1B2C3D4E5]\n[AB C]\n[A1\tB]\n[]\n[\n[option]\n[A1B2C3]trailing\n[A1B2C3]\n");
    EXPECT_THAT(Echoed(),
                ElementsAre("A1B2C3D4", "AB", "A1", "", "", "option", "A1B2C3", "A1B2C3"));
    ASSERT_EQ(store_.GroupCount(), 8u);
    EXPECT_EQ(store_.GroupAt(0).RomId(), "A1B2C3D4");
    EXPECT_EQ(store_.GroupAt(5).RomId(), "option");
}

TEST_F(MonitorFileLoaderTest, AddressLinesNeedANameOfTwoAndAnAddressTextOfFourBytes) {
    Load("[A1B2C3]\n"
         "XAddress=1234\n"
         "SpeedAddress=123\n"
         "RpmAddress=0123\n"
         "NoDigitsAddress=zzzz\n"
         "Speed Address=0x10\n"
         "MixedAddress=0xAbCd ; note\n"
         "Address=0x1000\n"
         "Unrelated line\n",
         "Speed,%d,Speed*2\n");
    EXPECT_THAT(Echoed(), ElementsAre("A1B2C3", "0123 = Rpm  ( 0x%02X, Rpm )",
                                      "zzzz = NoDigits  ( 0x%02X, NoDigits )",
                                      "0x10 = Speed   ( 0x%02X, Speed  )",
                                      "0xAbCd ; note = Mixed  ( 0x%02X, Mixed )"));
    const RomIdGroup& group = store_.GroupAt(0);
    EXPECT_THAT(NamesOf(0), ElementsAre("Mixed", "NoDigits", "Rpm", "Speed "));
    EXPECT_EQ(group.FindParameter("Rpm")->Address(), 0x123u);
    EXPECT_EQ(group.FindParameter("NoDigits")->Address(), 0u);
    EXPECT_EQ(group.FindParameter("Mixed")->Address(), 0xABCDu);
    EXPECT_EQ(group.FindParameter("Speed"), nullptr);
}

TEST_F(MonitorFileLoaderTest, LinesOutsideASectionAndOptionHeadersDoNotChangeTheSection) {
    Load("Name=Orphan\n"
         "OrphanAddress=0x0001\n"
         "[A1B2C3]\n"
         "FirstAddress=0x0010\n"
         "[Options]\n"
         "CommPort=3\n"
         "SecondAddress=0x0020\n"
         "[Optional]\n"
         "[B2C3D4]\n"
         "ThirdAddress=0x0030\n");
    EXPECT_EQ(store_.CommPort(), 3);
    ASSERT_EQ(store_.GroupCount(), 2u);
    EXPECT_THAT(NamesOf(0), ElementsAre("First", "Second"));
    EXPECT_THAT(NamesOf(1), ElementsAre("Third"));
    EXPECT_EQ(store_.GroupAt(0).Name(), "");
}

TEST_F(MonitorFileLoaderTest, NameLinesReplaceTheNameAndAnEmptyNameIsEchoedEmpty) {
    Load("[A1B2C3]\nName=First\nName=Second  \r\n[B2C3D4]\nName=\n[C3D4E5]\nName=XAddress=1234\n");
    EXPECT_THAT(Echoed(),
                ElementsAre("A1B2C3", "First", "Second", "B2C3D4", "", "C3D4E5", "XAddress=1234"));
    EXPECT_EQ(store_.GroupAt(0).Name(), "Second");
    EXPECT_EQ(store_.GroupAt(1).Name(), "");
    EXPECT_THAT(store_.GroupAt(2).Parameters(), IsEmpty());
}

TEST_F(MonitorFileLoaderTest, DuplicateParameterKeepsTheFirstButIsStillEchoed) {
    Load("[A1B2C3]\nRpmAddress=0x0010\nRpmAddress=0x0020\n", "Rpm,%d,Rpm*25\n");
    EXPECT_THAT(Echoed(), ElementsAre("A1B2C3", "0x0010 = Rpm  ( %d, Rpm*25\n )",
                                      "0x0020 = Rpm  ( %d, Rpm*25\n )"));
    EXPECT_EQ(store_.GroupAt(0).Parameters().size(), 1u);
    EXPECT_EQ(store_.GroupAt(0).FindParameter("Rpm")->Address(), 0x10u);
}

TEST_F(MonitorFileLoaderTest, CommPortLineWithAnAddressKeyIsAlsoAParameter) {
    Load("[A1B2C3]\nCommPort=4Address=0x0040\n");
    EXPECT_EQ(store_.CommPort(), 4);
    EXPECT_THAT(NamesOf(0), ElementsAre("CommPort=4"));
}

TEST_F(MonitorFileLoaderTest, WhatCannotBeOpenedKeepsTheDefaults) {
    store_.LoadMonitorFile(dir_.PathOf("SelectMonitor.ini"), &messages_);
    std::filesystem::create_directory(dir_.PathOf("folder"));
    store_.LoadMonitorFile(dir_.PathOf("folder"), &messages_);
    EXPECT_THAT(messages_.lines, IsEmpty());
    EXPECT_EQ(store_.GroupCount(), 0u);
    EXPECT_EQ(store_.CommPort(), 1);
}

TEST_F(MonitorFileLoaderTest, UnusualBytesGiveDefinedResults) {
    std::string text = "[A1B2C3]\r\n";
    text += "Name=Motor \xE4x \xE4\xF6\r\n";
    text += std::string("Nul\0Address=0x0011\n", 19);
    text += "\xE4"
            "Address=0x0012\n";
    text += "Temp\xB0"
            "Address=0x0013\x80\x80\n";
    text += std::string(2000, 'L') + "Address=0x0014\n";
    Load(text);
    // Bytes from 0x80 up count as blank, so the trailing ones are trimmed.
    EXPECT_EQ(store_.GroupAt(0).Name(), "Motor \xE4x");
    const RomIdGroup& group = store_.GroupAt(0);
    ASSERT_NE(group.FindParameter(std::string("Nul\0", 4)), nullptr);
    EXPECT_EQ(group.FindParameter(std::string("Nul\0", 4))->Address(), 0x11u);
    EXPECT_EQ(group.FindParameter("Temp\xB0")->Address(), 0x13u);
    // The long line's last piece carries the key after a name of pieces' leftover bytes.
    EXPECT_EQ(group.Parameters().size(), 3u);
    for (const std::string& line : messages_.lines) {
        EXPECT_LE(line.size(), kEchoLineLimit);
    }
}

TEST_F(MonitorFileLoaderTest, EchoLinesAreCutAtTheTextLimit) {
    const std::string longName(300, 'N');
    const std::string longFormula(600, 'f');
    const std::string addressText = "0x0001 " + std::string(400, 'c');
    Load("[A1B2C3]\n" + longName + "Address=" + addressText + "\n",
         longName + ",%d,\"" + longFormula + "\"\n");
    ASSERT_EQ(messages_.lines.size(), 3u);
    EXPECT_EQ(messages_.lines[2].size(), kEchoLineLimit);
    EXPECT_EQ(
        messages_.lines[2],
        (addressText + " = " + longName + "  ( %d, " + longFormula).substr(0, kEchoLineLimit));
    EXPECT_EQ(store_.GroupAt(0).FindParameter(longName)->Formula(), longFormula);
}

TEST_F(MonitorFileLoaderTest, ThousandSectionsLoad) {
    std::string text = "CommPort=9\n";
    for (int section = 0; section < 1000; ++section) {
        text += "[S" + std::to_string(100000 + section) + "]\nName=Unit " +
                std::to_string(section) + "\n";
        for (int parameter = 0; parameter < 20; ++parameter) {
            text += "P" + std::to_string(parameter) + "Address=0x" +
                    std::to_string(1000 + parameter) + "\n";
        }
    }
    store_.LoadMonitorFile(dir_.Write("big.ini", text), nullptr);
    ASSERT_EQ(store_.GroupCount(), 1000u);
    EXPECT_EQ(store_.GroupAt(999).RomId(), "S100999");
    EXPECT_EQ(store_.GroupAt(999).Parameters().size(), 20u);
    EXPECT_EQ(store_.CommPort(), 9);
}

} // namespace
} // namespace korvane
