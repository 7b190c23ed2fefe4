// `eval`: a formula with variables, shown as a parameter's value is shown.

#include "child_process.h"

#include <gtest/gtest.h>

namespace korvane::cli::testing {
namespace {

TEST(CliEval, PrintsTheDisplayTextOrTheValueText) {
    ProcessResult result = RunCliProgram({"eval", "x/2", "x=7", "--format", "%.1f"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "3.5\n");

    // Without a format the value text of the result: computed values are written "%f".
    result = RunCliProgram({"eval", "x/2", "x=7"});
    EXPECT_EQ(result.out, "3.500000\n");

    // A formula that is a plain operand keeps its text.
    result = RunCliProgram({"eval", "x", "x=0x1F"});
    EXPECT_EQ(result.out, "31\n");

    result = RunCliProgram({"eval", "a*256+b", "a=0x01", "b=2", "--format", "%d rpm"});
    EXPECT_EQ(result.out, "258 rpm\n");

    // A format without a conversion shows the value text unchanged, as in the window.
    result = RunCliProgram({"eval", "x+1", "x=1", "--format", "plain"});
    EXPECT_EQ(result.out, "2.000000\n");
}

TEST(CliEval, VariablesAreBytesAndTheLastOfANameWins) {
    ProcessResult result = RunCliProgram({"eval", "x", "x=1", "x=255"});
    EXPECT_EQ(result.out, "255\n");
    // Names may hold anything but the last "=", which splits off the byte.
    result = RunCliProgram({"eval", "a=b+1", "a=b=4", "--format", "%.0f"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
}

TEST(CliEval, UnsafeFormatsShowTheValueText) {
    const ProcessResult result = RunCliProgram({"eval", "x*2", "x=3", "--format", "%s%n"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "6.000000\n");
}

TEST(CliEval, FormulasThatFailSayWhyOnStandardError) {
    // Not parsing is a fault of the argument.
    ProcessResult result = RunCliProgram({"eval", "x)", "x=1"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("does not parse"), std::string::npos) << result.err;

    // Parsing but failing to evaluate is a failure, not a value.
    result = RunCliProgram({"eval", "x+", "x=1"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("cannot be evaluated"), std::string::npos) << result.err;
}

} // namespace
} // namespace korvane::cli::testing
