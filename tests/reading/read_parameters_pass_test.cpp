#include "reading/read_parameters_pass.h"

#include "app/unit_fixture.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

class ReadParametersPassTest : public ::testing::Test, protected fakes::UnitFixture {
protected:
    ReadParametersPassTest() {
        LoadDefinitions();
        memory[0x10] = 150;  // Volts: 12.00 V
        memory[0x11] = 0x3F; // Speed: 63
        memory[0x12] = 60;   // Temp: 20 C
        memory[0x20] = 0xA5; // input switches
        memory[0x01] = 0x81; // IO switches at the default address 0001
        window.SetText(3030, "0020");
        window.SetText(3040, "0001");
    }

    const Lines& List() { return window.List(3016); }
};

TEST_F(ReadParametersPassTest, ListsAndLogsEveryParameterInAddressOrder) {
    ASSERT_TRUE(store.SelectRomId("12AB05"));
    ASSERT_TRUE(log.Open(folder.Path("log.csv")));
    ReadParametersPass(window, context, true);
    ReadParametersPass(window, context, false);

    EXPECT_EQ(List(), (Lines{"Bytes read: 4  Count: 1", "0010 \t0x96 \t= Volts \t12.00 V",
                             "0011 \t0x3F \t= Speed \t63", "0012 \t0x3C \t= Temp \t20 C",
                             "0020 \t0xA5 \t= InputSwitches \t0xA5"}));
    EXPECT_EQ(LogLines(),
              (Lines{"01:02:03.004,Starting log session.", "01:02:03.004,*** Read Parameters ***",
                     "01:02:03.004,Volts,Speed,Temp,InputSwitches,",
                     "01:02:03.004,12.00,63,20,0xA5,", "01:02:03.004,12.00,63,20,0xA5,"}));
}

TEST_F(ReadParametersPassTest, AFailedReadShowsAndLogsOnlyTheBytesItRead) {
    ASSERT_TRUE(store.SelectRomId("12AB05"));
    ASSERT_TRUE(log.Open(folder.Path("log.csv")));
    // Only the first address answers; every later read times out.
    device.SetResponder(nullptr);
    device.Script({fakes::Reply(0x00, 0x10, 150)});
    ReadParametersPass(window, context, true);

    EXPECT_EQ(List(), (Lines{"Bytes read: -1  Count: 0", "0010 \t0x96 \t= Volts \t12.00 V",
                             "0011 \t-- \t= Speed \t--", "0012 \t-- \t= Temp \t--",
                             "0020 \t-- \t= InputSwitches \t--"}));
    EXPECT_EQ(LogLines().back(), "01:02:03.004,12.00,,,,");
    EXPECT_EQ(window.GetText(3029), "--");
    EXPECT_EQ(window.GetText(3011), "--");
}

TEST_F(ReadParametersPassTest, WithoutASelectionOnlyTheHeaderIsLogged) {
    ASSERT_TRUE(log.Open(folder.Path("log.csv")));
    window.ListAdd(3016, "old line");
    window.SetText(3029, "77");
    ReadParametersPass(window, context, true);
    EXPECT_TRUE(List().empty());
    EXPECT_TRUE(device.Trace().empty());
    EXPECT_EQ(window.GetText(3029), "77");
    EXPECT_EQ(LogLines().back(), "01:02:03.004,*** Read Parameters ***");
}

TEST_F(ReadParametersPassTest, ReadsAllParametersThenTheSwitchesInTwoTransactions) {
    ASSERT_TRUE(store.SelectRomId("12AB05"));
    ReadParametersPass(window, context, true);
    using fakes::Bytes;
    EXPECT_EQ(device.Writes(), (std::vector<Bytes>{{0x78, 0x00, 0x10, 0x00},
                                                   {0x78, 0x00, 0x11, 0x00},
                                                   {0x78, 0x00, 0x12, 0x00},
                                                   {0x78, 0x00, 0x20, 0x00},
                                                   fakes::kStopBytes,
                                                   {0x78, 0x00, 0x01, 0x00},
                                                   {0x78, 0x00, 0x20, 0x00},
                                                   fakes::kStopBytes}));
    EXPECT_EQ(window.GetText(3029), "A5");
    EXPECT_EQ(window.GetText(3039), "81");

    // A formula sees the other bytes of the same pass.
    ASSERT_TRUE(store.SelectRomId("99FF00"));
    memory[0x30] = 21;
    memory[0x31] = 5;
    ReadParametersPass(window, context, true);
    EXPECT_EQ(List()[2], "0031 \t0x05 \t= Twice \t42");
}

} // namespace
} // namespace korvane
