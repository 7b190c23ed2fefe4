#include "definitions/definition_store.h"
#include "definitions/message_list.h"
#include "support/scratch_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace korvane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class DefinitionLoaderTest : public ::testing::Test {
protected:
    int LoadParameters(const std::string& text) {
        return store_.LoadParameterFile(folder_.Write("paramdef.ini", text), &messages_);
    }
    void Load(const std::string& monitorText, const std::string& parameterText = "") {
        store_.LoadParameterFile(folder_.Write("paramdef.ini", parameterText), nullptr);
        store_.LoadMonitorFile(folder_.Write("SelectMonitor.ini", monitorText), &messages_);
    }
    // "format|formula", or "<none>".
    std::string Template(const std::string& name) const {
        const ParameterDefinition* definition = store_.FindDefinition(name);
        return definition == nullptr ? "<none>"
                                     : definition->Format() + "|" + definition->Formula();
    }
    // The echo lines after "*** Reading: ...".
    std::vector<std::string> Echoed() const {
        return {messages_.lines.begin() + 1, messages_.lines.end()};
    }
    // "name@address" per parameter of the group, in name order.
    std::vector<std::string> ParametersOf(std::size_t group) const {
        std::vector<std::string> names;
        for (const auto& [name, definition] : store_.GroupAt(group).Parameters()) {
            char address[16];
            std::snprintf(address, sizeof address, "@%X", definition.Address());
            names.push_back(name + address);
        }
        return names;
    }

    testing::ScratchFolder folder_;
    DefinitionStore store_;
    VectorMessageList messages_;
};

TEST_F(DefinitionLoaderTest, ParametersWorkedExampleGivesFiveTemplatesAndItsEchoLines) {
    EXPECT_EQ(LoadParameters("; parameter templates: name, display format, formula\n"
                             "BatteryVolts,%.2f,BatteryVolts*8/100\n"
                             "CoolantTemp,%d,CoolantTemp-50\n"
                             "EngineSpeed,\"%.0f rpm\",EngineSpeed*25\n"
                             "ThrottleAngle, %.1f, \"ThrottleAngle * 100 / 255\"  ; percent\n"
                             "InputSwitches,0x%02X,InputSwitches\n"
                             "[Comment]\n"
                             "  IdleSpeed,%d,IdleSpeed*8\n"
                             "Rough,%d\n"),
              5);
    EXPECT_THAT(messages_.lines, ElementsAre("*** Reading: " + folder_.File("paramdef.ini"),
                                             "BatteryVolts,%.2f,BatteryVolts*8/100\n",
                                             "CoolantTemp,%d,CoolantTemp-50\n",
                                             "EngineSpeed,%.0f rpm,EngineSpeed*25\n",
                                             "ThrottleAngle,%.1f,ThrottleAngle * 100 / 255",
                                             "InputSwitches,0x%02X,InputSwitches\n"));
    EXPECT_EQ(store_.Definitions().size(), 5u);
    EXPECT_EQ(Template("EngineSpeed"), "%.0f rpm|EngineSpeed*25\n");
    EXPECT_EQ(Template("IdleSpeed"), "<none>");
    EXPECT_EQ(store_.FindDefinition("BatteryVolts")->Address(), 0u);
}

TEST_F(DefinitionLoaderTest, ParametersFieldsDuplicatesAndUnusualBytes) {
    std::string text = "Speed,%d,Speed*2\nSpeed,%x,Speed*3\nSPEED,%d,SPEED\n"
                       "A,%d,A * 2\nB,%d,\"B * 2\"\nC,%d\nD,,%d,D\nE,\"\",E\n\tF,%d,F\n"
                       "G\t%d\tG;comment\nCrlf,%d,Crlf*2\r\n";
    text += std::string("Nul\0x,%d,Nul\n", 13) + "Temp\xB0,%d,\"Temp\xB0 - 40\"\n";
    text += "\xEF\xBB\xBFSkipped,%d,X\n" + std::string("\0Skipped,%d,X\n", 14);
    // The first 999 bytes hold a whole definition; the rest of the line is another one.
    text += "Long,%d," + std::string(991, 'x') + "Tail,%d,Tail\n";
    EXPECT_EQ(LoadParameters(text), 13);
    EXPECT_EQ(messages_.lines.at(2), "Speed,%x,Speed*3\n");
    EXPECT_EQ(messages_.lines.at(4), "A,%d,A");
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"Speed", "%d|Speed*2\n"},
        {"SPEED", "%d|SPEED\n"},
        {"A", "%d|A"},
        {"B", "%d|B * 2"},
        {"C", "<none>"},
        {"D", "%d|D\n"},
        {"E", "|E\n"},
        {"F", "<none>"},
        {"G", "%d|G;comment\n"},
        {"Crlf", "%d|Crlf*2\n"},
        {std::string("Nul\0x", 5), "%d|Nul\n"},
        {"Temp\xB0", "%d|Temp\xB0 - 40"},
        {"Long", "%d|" + std::string(991, 'x')},
        {"Tail", "%d|Tail\n"},
    };
    for (const auto& [name, expected] : rows) {
        EXPECT_EQ(Template(name), expected) << name;
    }
    EXPECT_EQ(store_.Definitions().size(), 12u);
}

TEST_F(DefinitionLoaderTest, MonitorWorkedExampleBuildsTwoGroupsAndItsEchoLines) {
    Load("; which parameters to monitor for each ROM ID\n"
         "[Options]\nCommPort=2\n\n"
         "[A1B2C3]\nName=Example engine unit\n"
         "BatteryVoltsAddress=0x1234\nEngineSpeedAddress=0x1238\n"
         "InputSwitchesAddress=0x1240\nSparkAdvanceAddress=0x1250\n\n"
         "[A1B2C3D4]\nName=Example engine unit, later revision\n"
         "EngineSpeedAddress=2238\nShortAddress=12\n",
         "BatteryVolts,%.2f,BatteryVolts*8/100\nEngineSpeed,\"%.0f rpm\",EngineSpeed*25\n"
         "InputSwitches,0x%02X,InputSwitches\n");
    EXPECT_EQ(messages_.lines.at(0), "*** Reading: " + folder_.File("SelectMonitor.ini"));
    EXPECT_THAT(Echoed(), ElementsAre("A1B2C3", "Example engine unit",
                                      "0x1234 = BatteryVolts  ( %.2f, BatteryVolts*8/100\n )",
                                      "0x1238 = EngineSpeed  ( %.0f rpm, EngineSpeed*25\n )",
                                      "0x1240 = InputSwitches  ( 0x%02X, InputSwitches\n )",
                                      "0x1250 = SparkAdvance  ( 0x%02X, SparkAdvance )", "A1B2C3D4",
                                      "Example engine unit, later revision",
                                      "2238 = EngineSpeed  ( %.0f rpm, EngineSpeed*25\n )"));
    EXPECT_EQ(store_.CommPort(), 2);
    ASSERT_EQ(store_.GroupCount(), 2u);
    EXPECT_EQ(store_.GroupAt(0).Name(), "Example engine unit");
    EXPECT_THAT(ParametersOf(0), ElementsAre("BatteryVolts@1234", "EngineSpeed@1238",
                                             "InputSwitches@1240", "SparkAdvance@1250"));
    EXPECT_EQ(store_.GroupAt(0).FindParameter("EngineSpeed")->Format(), "%.0f rpm");
    EXPECT_FALSE(store_.GroupAt(0).IsActive());
    // Monitored parameters are copies: the template keeps address 0.
    EXPECT_EQ(store_.FindDefinition("EngineSpeed")->Address(), 0u);
    EXPECT_THAT(ParametersOf(1), ElementsAre("EngineSpeed@2238"));
}

TEST_F(DefinitionLoaderTest, MonitorCommPortTakesTheLastLineAndFallsBackToOne) {
    const std::vector<std::pair<std::string, int>> rows = {
        {"", 1},
        {"CommPort=17\n", 1},
        {"CommPort=0\n", 1},
        {"CommPort=-3\n", 1},
        {"CommPort=COM2\n", 1},
        {"CommPort=99999999999999\n", 1},
        {"CommPort=16\n", 16},
        {"CommPort= 4\n", 4},
        {"CommPort=3 ; preferred\r\n", 3},
        {"CommPort=5\n[X12]\nCommPort=7\n", 7},
        {"CommPort=5\nCommPort=99\n", 1},
        {"commport=5\n", 1},
        {" CommPort=5\n", 1},
    };
    for (const auto& [text, port] : rows) {
        DefinitionStore store;
        store.LoadMonitorFile(folder_.Write("port.ini", text), nullptr);
        EXPECT_EQ(store.CommPort(), port) << text;
    }
}

TEST_F(DefinitionLoaderTest, MonitorSectionsNamesAndAddressLines) {
    Load("Name=Orphan\nOrphanAddress=0x0001\n"
         "[A1B2C3D4E5]\nName=First\nName=Second  \r\n"
         "XAddress=1234\nSpeedAddress=123\nRpmAddress=0123\nRpmAddress=0x0020\n"
         "NoDigitsAddress=zzzz\nSpeed Address=0x10\nMixedAddress=0xAbCd ; note\n"
         "Address=0x1000\nUnrelated line\n"
         "[Options]\nCommPort=4Address=0x0040\n[Optional]\n"
         "[AB C]\nName=\n[A1\tB]\n[]\n[\n[option]\n[A1B2C3]trailing\nName=XAddress=1234\n",
         "Rpm,%d,Rpm*25\n");
    EXPECT_THAT(Echoed(), ElementsAre("A1B2C3D4", "First", "Second", "0123 = Rpm  ( %d, Rpm*25\n )",
                                      "0x0020 = Rpm  ( %d, Rpm*25\n )",
                                      "zzzz = NoDigits  ( 0x%02X, NoDigits )",
                                      "0x10 = Speed   ( 0x%02X, Speed  )",
                                      "0xAbCd ; note = Mixed  ( 0x%02X, Mixed )",
                                      "0x0040 = CommPort=4  ( 0x%02X, CommPort=4 )", "AB", "", "A1",
                                      "", "", "option", "A1B2C3", "XAddress=1234"));
    EXPECT_EQ(store_.CommPort(), 4);
    ASSERT_EQ(store_.GroupCount(), 7u);
    EXPECT_EQ(store_.GroupAt(0).Name(), "Second");
    EXPECT_THAT(ParametersOf(0),
                ElementsAre("CommPort=4@40", "Mixed@ABCD", "NoDigits@0", "Rpm@123", "Speed @10"));
    EXPECT_EQ(store_.GroupAt(1).Name(), "");
    EXPECT_EQ(store_.GroupAt(5).RomId(), "option");
    EXPECT_THAT(store_.GroupAt(6).Parameters(), IsEmpty());
}

TEST_F(DefinitionLoaderTest, MonitorUnusualBytesAndLongLinesGiveDefinedResults) {
    std::string text = "[A1B2C3]\r\nName=Motor \xE4x \xE4\xF6\r\n";
    text += std::string("Nul\0Address=0x0011\n", 19);
    text += "\xE4"
            "Address=0x0012\nTemp\xB0"
            "Address=0x0013\x80\x80\n";
    text += std::string(2000, 'L') + "Address=0x0014\n";
    const std::string longName(300, 'N');
    const std::string longFormula(600, 'f');
    const std::string addressText = "0x0001 " + std::string(400, 'c');
    text += longName + "Address=" + addressText + "\n";
    Load(text, longName + ",%d,\"" + longFormula + "\"\n");
    // Bytes from 0x80 up count as blank, so the trailing ones are trimmed.
    const RomIdGroup& group = store_.GroupAt(0);
    EXPECT_EQ(group.Name(), "Motor \xE4x");
    ASSERT_NE(group.FindParameter(std::string("Nul\0", 4)), nullptr);
    EXPECT_EQ(group.FindParameter(std::string("Nul\0", 4))->Address(), 0x11u);
    EXPECT_EQ(group.FindParameter("Temp\xB0")->Address(), 0x13u);
    EXPECT_EQ(group.Parameters().size(), 4u);
    EXPECT_EQ(group.FindParameter(longName)->Formula(), longFormula);
    EXPECT_EQ(
        messages_.lines.back(),
        (addressText + " = " + longName + "  ( %d, " + longFormula).substr(0, kEchoLineLimit));
    for (const std::string& line : messages_.lines) {
        EXPECT_LE(line.size(), kEchoLineLimit);
    }
}

} // namespace
} // namespace korvane
