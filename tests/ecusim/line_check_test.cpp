// The units answer only on a line set up as theirs.

#include "sim_fixture.h"

#include <gtest/gtest.h>

namespace korvane::ecusim::testing {
namespace {

class LineCheckTest : public ::testing::Test {
protected:
    void StartWith(const std::vector<std::string>& extra, const LineSetup& setup) {
        std::vector<std::string> arguments = {"--fast"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        ASSERT_TRUE(process.Start(arguments));
        ASSERT_TRUE(line.Open(process.PtyPath(), setup));
    }
    bool Answers() {
        line.Flush();
        if (!line.Write(EcuRead(0x1234))) {
            return false;
        }
        const bool answered = line.Read(3, kQuietWindow).size() == 3;
        (void)line.Write(kStopFrame);
        return answered;
    }
    SimProcess process;
    TestLine line;
};

TEST_F(LineCheckTest, AnswersOnlyAtTheUnitsRateAndFraming) {
    StartWith({}, LineSetup{9600});
    EXPECT_FALSE(Answers());
    ASSERT_TRUE(line.Configure(LineSetup{1200}));
    EXPECT_FALSE(Answers());
    ASSERT_TRUE(line.Configure(LineSetup{2000})); // 2.4 % off
    EXPECT_FALSE(Answers());
    ASSERT_TRUE(line.Configure(LineSetup{1970})); // within a UART's tolerance
    EXPECT_TRUE(Answers());
    ASSERT_TRUE(line.Configure(LineSetup{1953, true, false, true})); // two stop bits
    EXPECT_FALSE(Answers());
    ASSERT_TRUE(line.Configure(LineSetup{1953, true, true, false})); // odd parity
    EXPECT_FALSE(Answers());
    ASSERT_TRUE(line.Configure(LineSetup{1953}));
    EXPECT_TRUE(Answers());
}

TEST_F(LineCheckTest, AnyLineAnswersWhateverTheSettings) {
    StartWith({"--any-line"}, LineSetup{9600, false, false, true});
    EXPECT_TRUE(Answers());
}

TEST_F(LineCheckTest, ALineNobodySetUpIsNotTheUnitsLine) {
    ASSERT_TRUE(process.Start({"--fast"}));
    ASSERT_TRUE(line.OpenAsIs(process.PtyPath()));
    EXPECT_FALSE(Answers());
}

} // namespace
} // namespace korvane::ecusim::testing
