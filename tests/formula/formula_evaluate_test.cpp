#include "formula/formula_evaluator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

struct Outcome {
    bool evaluated = false;
    std::int32_t status = kFormulaOk;
    std::string valueText;
};

Outcome ParseAndEvaluate(const std::string& formula,
                         const std::vector<const FormulaVariable*>& variables) {
    FormulaEvaluator evaluator;
    evaluator.Parse(formula);
    FormulaValue result;
    Outcome outcome;
    outcome.evaluated = evaluator.Evaluate(variables, result);
    outcome.status = evaluator.Status();
    outcome.valueText = result.ValueText();
    return outcome;
}

struct EvaluateCase {
    const char* formula;
    bool evaluated;
    std::int32_t status;
    const char* valueText;
};

class FormulaEvaluate : public testing::Test {
protected:
    void ExpectAll(std::initializer_list<EvaluateCase> cases) {
        for (const auto& c : cases) {
            const Outcome outcome = ParseAndEvaluate(c.formula, variables);
            EXPECT_EQ(outcome.evaluated, c.evaluated) << c.formula;
            EXPECT_EQ(outcome.status, c.status) << c.formula;
            EXPECT_EQ(outcome.valueText, c.valueText) << c.formula;
        }
    }

    FormulaVariable x{"x", "7"};
    std::vector<const FormulaVariable*> variables{&x};
};

TEST_F(FormulaEvaluate, AnOperandKeepsItsTextAndComputedValuesUsePercentF) {
    ExpectAll({
        {"x", true, kFormulaOk, "7"},
        {"(x)", true, kFormulaOk, "7"},
        {"0.75", true, kFormulaOk, "0.75"},
        {"x*1", true, kFormulaOk, "7.000000"},
        {"x/2", true, kFormulaOk, "3.500000"},
        {"0-5", true, kFormulaOk, "-5.000000"},
        {"8-2-1", true, kFormulaOk, "5.000000"},
        {"2+3*4", true, kFormulaOk, "14.000000"},
        {"(2+3)*4", true, kFormulaOk, "20.000000"},
        {"10-2*3-1", true, kFormulaOk, "3.000000"},
        {"1/3", true, kFormulaOk, "0.333333"},
        // The carried text loses what "%f" does not show.
        {"(1/3000000)*3000000", true, kFormulaOk, "0.000000"},
        {"", true, kFormulaOk, ""},
    });
}

TEST_F(FormulaEvaluate, TinyDivisorsAreReplacedAndReportedButStillSucceed) {
    ExpectAll({
        {"x/0", true, kFormulaRangeError, "700000000.000000"},
        {"1/0.000000001", true, kFormulaRangeError, "100000000.000000"},
        {"1/0.00000001", true, kFormulaOk, "100000000.000000"},
        {"1/(0-0.000000001)", true, kFormulaRangeError, "100000000.000000"},
        {"1/y", true, kFormulaRangeError, "100000000.000000"},
    });
}

TEST_F(FormulaEvaluate, FunctionsCheckTheirArgumentCounts) {
    ExpectAll({
        {"SUM(1;2;3)", true, kFormulaOk, "6.000000"},
        {"SUM()", true, kFormulaOk, "0.000000"},
        {"sum(x;x*2)", true, kFormulaOk, "21.000000"},
        {"SIN(0)", true, kFormulaOk, "0.000000"},
        {"COS(0)", true, kFormulaOk, "1.000000"},
        {"2*SIN(0)+1", true, kFormulaOk, "1.000000"},
        {"cos(SUM(1;2)-3)*x", true, kFormulaOk, "7.000000"},
        {"SIN(1;2)", false, kFormulaRangeError, ""},
        {"COS(;)", false, kFormulaRangeError, ""},
        // The item before the function name is an operand, not its "(".
        {"SIN(y)x", false, kFormulaNoText, ""},
    });
}

TEST_F(FormulaEvaluate, MissingOperandsFailWithStatusThree) {
    ExpectAll({
        {"-5", false, kFormulaMissingOperand, ""},
        {"x*", false, kFormulaMissingOperand, ""},
        {"*", false, kFormulaMissingOperand, ""},
        {"SUM(1;-2)", false, kFormulaMissingOperand, ""},
    });
}

TEST_F(FormulaEvaluate, OnlyTheLastItemOfTheRootAndWhatItConsumesCounts) {
    ExpectAll({
        {"2(3)", true, kFormulaOk, "3"},
        {"2*(3+4", true, kFormulaOk, "7.000000"},
        // The parse stops with status 5, but what it built is evaluated.
        {"x+x)", true, kFormulaOk, "14.000000"},
        {"x;1", true, kFormulaOk, "7"},
        // Blanks go, so "1 2" is the operand 12.
        {"1 2 (3)+", true, kFormulaOk, "15.000000"},
        // The "+" takes 3 and the group; the 1 before them is never looked at.
        {"1(2)3+", true, kFormulaOk, "5.000000"},
    });
}

TEST_F(FormulaEvaluate, VariablesBindByExactNameAndTheLaterOneWins) {
    FormulaVariable hi{"RpmHigh", "3"};
    FormulaVariable lo{"RpmLow", "32"};
    FormulaVariable shadow{"x", "100"};
    variables = {&x, &hi, &lo};
    ExpectAll({
        {"(RpmHigh*256+RpmLow)/4", true, kFormulaOk, "200.000000"},
        {"SUM(x;RpmLow)", true, kFormulaOk, "39.000000"},
        {"X*2", true, kFormulaOk, "0.000000"},
        {"y*2", true, kFormulaOk, "0.000000"},
        {"RpmHig*1", true, kFormulaOk, "0.000000"},
        // Blanks go: the name is "xy", unknown, so the operand keeps its own text.
        {"x y", true, kFormulaOk, "xy"},
    });
    variables = {&x, &shadow};
    ExpectAll({{"x*1", true, kFormulaOk, "100.000000"}});
    variables = {&shadow, &x, nullptr};
    ExpectAll({{"x*1", true, kFormulaOk, "7.000000"}});
}

TEST_F(FormulaEvaluate, EvaluationConsumesTheParsedForm) {
    FormulaEvaluator evaluator;
    ASSERT_TRUE(evaluator.Parse("x*2"));
    FormulaValue first;
    EXPECT_TRUE(evaluator.Evaluate(variables, first));
    EXPECT_EQ(first.ValueText(), "14.000000");
    FormulaValue second;
    EXPECT_TRUE(evaluator.Evaluate(variables, second));
    EXPECT_EQ(second.ValueText(), "");

    // A new raw byte shows after the next Parse.
    x.SetValueText("10");
    ASSERT_TRUE(evaluator.Parse("x*2"));
    EXPECT_TRUE(evaluator.Evaluate(variables, second));
    EXPECT_EQ(second.ValueText(), "20.000000");
}

TEST_F(FormulaEvaluate, FailureLeavesTheResultAndAParseErrorIsClearedByEvaluate) {
    FormulaEvaluator evaluator;
    evaluator.Parse("-5");
    FormulaValue result("old", "42");
    EXPECT_FALSE(evaluator.Evaluate(variables, result));
    EXPECT_EQ(result.Name(), "old");
    EXPECT_EQ(result.ValueText(), "42");

    EXPECT_FALSE(evaluator.Parse("x)"));
    EXPECT_EQ(evaluator.Status(), kFormulaUnbalanced);
    EXPECT_TRUE(evaluator.Evaluate(variables, result));
    EXPECT_EQ(evaluator.Status(), kFormulaOk);
    EXPECT_EQ(result.ValueText(), "7");
}

TEST_F(FormulaEvaluate, OverflowsAreCarriedAsInfinityText) {
    ExpectAll({
        {"1e999*1", true, kFormulaOk, "inf"},
        {"0-1e999", true, kFormulaOk, "-inf"},
        // "inf" has no leading number, so it reads as 0 once carried.
        {"(1e999*1)*2", true, kFormulaOk, "0.000000"},
        {"1e308*10", true, kFormulaOk, "inf"},
    });
}

} // namespace
} // namespace korvane
