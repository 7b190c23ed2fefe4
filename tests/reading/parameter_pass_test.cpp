#include "reading/parameter_pass.h"

#include "reading/pass_texts.h"

#include "app/unit_fixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

class ReadParametersPassTest : public ::testing::Test, protected fakes::UnitFixture {
protected:
    explicit ReadParametersPassTest(const std::string& monitor = fakes::kTestMonitor)
        : UnitFixture(monitor) {
        LoadDefinitions();
        memory[0x10] = 150;  // Volts: 12.00 V
        memory[0x11] = 0x3F; // Speed: 63
        memory[0x12] = 60;   // Temp: 20 C
        memory[0x20] = 0xA5; // input switches
        memory[0x01] = 0x81; // IO switches at the default address 0001
    }

    ParameterPassResult Pass(bool firstPass) {
        last = ReadParametersPass(session.Link(UnitType::Ecu), store, log,
                                  session.ParameterPassCount(), firstPass, switches);
        return last;
    }
    Lines List() const { return ParameterPassLines(last); }
    std::vector<std::optional<double>> Numbers() const {
        std::vector<std::optional<double>> numbers;
        for (const ParameterReading& parameter : last.parameters) {
            numbers.push_back(parameter.number);
        }
        return numbers;
    }

    SwitchAddresses switches{0x20, 0x01};
    ParameterPassResult last;
};

TEST_F(ReadParametersPassTest, ListsAndLogsEveryParameterInAddressOrder) {
    ASSERT_TRUE(store.SelectRomId("12AB05"));
    ASSERT_TRUE(log.Open(folder.Path("log.csv")));
    Pass(true);
    Pass(false);

    EXPECT_EQ(List(), (Lines{"Bytes read: 4  Count: 1", "0010 \t0x96 \t= Volts \t12.00 V",
                             "0011 \t0x3F \t= Speed \t63", "0012 \t0x3C \t= Temp \t20 C",
                             "0020 \t0xA5 \t= InputSwitches \t0xA5"}));
    EXPECT_EQ(LogLines(),
              (Lines{"01:02:03.004,Starting log session.", "01:02:03.004,*** Read Parameters ***",
                     "01:02:03.004,Volts,Speed,Temp,InputSwitches,",
                     "01:02:03.004,12.00,63,20,0xA5,", "01:02:03.004,12.00,63,20,0xA5,"}));
    // The numbers beside the texts: InputSwitches' "0xA5" reads as no number, 165 is its value.
    EXPECT_EQ(Numbers(), (std::vector<std::optional<double>>{12.0, 63.0, 20.0, 165.0}));
}

TEST_F(ReadParametersPassTest, AFailedReadShowsAndLogsOnlyTheBytesItRead) {
    ASSERT_TRUE(store.SelectRomId("12AB05"));
    ASSERT_TRUE(log.Open(folder.Path("log.csv")));
    // Only the first address answers; every later read times out.
    device.SetResponder(nullptr);
    device.Script({fakes::Reply(0x00, 0x10, 150)});
    Pass(true);

    EXPECT_EQ(List(), (Lines{"Bytes read: -1  Count: 0", "0010 \t0x96 \t= Volts \t12.00 V",
                             "0011 \t-- \t= Speed \t--", "0012 \t-- \t= Temp \t--",
                             "0020 \t-- \t= InputSwitches \t--"}));
    EXPECT_EQ(LogLines().back(), "01:02:03.004,12.00,,,,");
    EXPECT_EQ(Numbers(), (std::vector<std::optional<double>>{12.0, {}, {}, {}}));
    EXPECT_FALSE(last.switches.input);
    EXPECT_FALSE(last.switches.io);
}

class DependentParameterTest : public ReadParametersPassTest {
protected:
    DependentParameterTest()
        : ReadParametersPassTest("[77EE00]\nTwiceAddress=0x0030\nVoltsAddress=0x0031\n") {}
};

TEST_F(DependentParameterTest, AValueComputedFromAByteThisPassDidNotReadIsMissing) {
    ASSERT_TRUE(store.SelectRomId("77EE00"));
    ASSERT_TRUE(log.Open(folder.Path("log.csv")));
    memory[0x30] = 5;
    memory[0x31] = 21;
    // A formula sees the other bytes of the same pass.
    Pass(true);
    EXPECT_EQ(List()[1], "0030 \t0x05 \t= Twice \t42");

    // Twice (Volts*2) was read, Volts was not: Twice must not be computed from the Volts
    // byte of the pass before.
    device.SetResponder(nullptr);
    device.Script({fakes::Reply(0x00, 0x30, 5)});
    Pass(false);
    EXPECT_EQ(List()[1], "0030 \t0x05 \t= Twice \t--");
    EXPECT_EQ(last.parameters[0].number, std::nullopt);
    EXPECT_EQ(List()[2], "0031 \t-- \t= Volts \t--");
    EXPECT_EQ(LogLines().back(), "01:02:03.004,,,");
}

TEST_F(ReadParametersPassTest, WithoutASelectionOnlyTheHeaderIsLogged) {
    ASSERT_TRUE(log.Open(folder.Path("log.csv")));
    EXPECT_FALSE(Pass(true).read);
    EXPECT_TRUE(List().empty());
    EXPECT_TRUE(device.Trace().empty());
    EXPECT_EQ(LogLines().back(), "01:02:03.004,*** Read Parameters ***");
}

TEST_F(ReadParametersPassTest, ReadsAllParametersThenTheSwitchesInTwoTransactions) {
    ASSERT_TRUE(store.SelectRomId("12AB05"));
    Pass(true);
    using fakes::Bytes;
    EXPECT_EQ(device.Writes(), (std::vector<Bytes>{{0x78, 0x00, 0x10, 0x00},
                                                   {0x78, 0x00, 0x11, 0x00},
                                                   {0x78, 0x00, 0x12, 0x00},
                                                   {0x78, 0x00, 0x20, 0x00},
                                                   fakes::kStopBytes,
                                                   {0x78, 0x00, 0x01, 0x00},
                                                   {0x78, 0x00, 0x20, 0x00},
                                                   fakes::kStopBytes}));
    EXPECT_EQ(last.switches.input, 0xA5);
    EXPECT_EQ(last.switches.io, 0x81);
}

} // namespace
} // namespace korvane
