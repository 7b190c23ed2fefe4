#include "formula/compiled_formula.h"
#include "formula/formula_evaluator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane {
namespace {

struct EvaluateCase {
    std::string formula;
    bool evaluated;
    std::int32_t status;
    std::string valueText;
};

class FormulaEvaluate : public testing::Test {
protected:
    void ExpectAll(const std::vector<EvaluateCase>& cases) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.formula);
            FormulaEvaluator evaluator;
            evaluator.Parse(c.formula);
            FormulaValue result;
            EXPECT_EQ(evaluator.Evaluate(variables, result), c.evaluated);
            EXPECT_EQ(evaluator.Status(), c.status);
            EXPECT_EQ(result.ValueText(), c.valueText);
            // Parsed once, the formula gives the same on every evaluation.
            CompiledFormula compiled(c.formula);
            for (int pass = 0; pass < 2; ++pass) {
                FormulaValue value;
                EXPECT_EQ(compiled.Evaluate(variables, value), c.evaluated);
                EXPECT_EQ(compiled.Status(), c.status);
                EXPECT_EQ(value.ValueText(), c.valueText);
            }
        }
    }

    FormulaVariable x{"x", "7"};
    std::vector<const FormulaVariable*> variables{&x};
};

TEST_F(FormulaEvaluate, OperandsKeepTheirTextAndComputedValuesUsePercentF) {
    ExpectAll({
        {"x", true, kFormulaOk, "7"},
        {"((x))", true, kFormulaOk, "7"},
        {"0.75", true, kFormulaOk, "0.75"},
        {"x/2", true, kFormulaOk, "3.500000"},
        {"0-5", true, kFormulaOk, "-5.000000"},
        {"8-2-1", true, kFormulaOk, "5.000000"},
        {"8-2*3-1", true, kFormulaOk, "1.000000"},
        {"8/2/2*3", true, kFormulaOk, "6.000000"},
        {"2+3*4", true, kFormulaOk, "14.000000"},
        {"(2+3)*4", true, kFormulaOk, "20.000000"},
        {"1/3", true, kFormulaOk, "0.333333"},
        // The carried text loses what "%f" does not show.
        {"(1/3000000)*3000000", true, kFormulaOk, "0.000000"},
        // Exponent forms are cut at their sign: 1e - 3.
        {"1e-3", true, kFormulaOk, "-2.000000"},
        {"1e3*2", true, kFormulaOk, "2000.000000"},
        // Blanks, control characters and leading "=" are dropped.
        {"= x\t*\r\n2", true, kFormulaOk, "14.000000"},
        {"x y", true, kFormulaOk, "xy"},
        {" = = ", true, kFormulaOk, ""},
        {"a=b", true, kFormulaOk, "a=b"},
        {std::string("x*2\0+5", 6), true, kFormulaOk, "14.000000"},
        // Quotes keep operators and separators inside one operand; \" does not close.
        {"\"a+b\"", true, kFormulaOk, "\"a+b\""},
        {"\"a\\\"+b\"", true, kFormulaOk, "\"a\\\"+b\""},
        {"x\"+1", true, kFormulaOk, "x\"+1"},
        {"\"a;b\"*2", true, kFormulaOk, "0.000000"},
    });
}

TEST_F(FormulaEvaluate, FunctionsIgnoreCaseNeedTheirParenthesisAndCheckArguments) {
    ExpectAll({
        {"SUM(1;2;3)", true, kFormulaOk, "6.000000"},
        {"SUM()", true, kFormulaOk, "0.000000"},
        {"SUM(x;;2*3)+4", true, kFormulaOk, "17.000000"},
        {"sum(x;x*2)", true, kFormulaOk, "21.000000"},
        {"Sin(0)", true, kFormulaOk, "0.000000"},
        {"cOs(0)", true, kFormulaOk, "1.000000"},
        {"2*SIN(0)+1", true, kFormulaOk, "1.000000"},
        {"cos(SUM(1;2)-3)*x", true, kFormulaOk, "7.000000"},
        {"SINX", true, kFormulaOk, "SINX"},
        {"SIN x", true, kFormulaOk, "SINx"},
        {"COST*2", true, kFormulaOk, "0.000000"},
        // A name followed by "(" is found inside a longer name.
        {"xCOS(0)", true, kFormulaOk, "1.000000"},
        {"SIN(1;2)", false, kFormulaRangeError, ""},
        {"COS(;)", false, kFormulaRangeError, ""},
        // The item before the function name is an operand, not its "(".
        {"SIN(y)x", false, kFormulaNoText, ""},
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

TEST_F(FormulaEvaluate, MissingOperandsFailAndOverflowsAreCarriedAsInfinity) {
    ExpectAll({
        // No sign operator: the minus waits for a left operand it never gets.
        {"-5", false, kFormulaMissingOperand, ""},
        {"x*", false, kFormulaMissingOperand, ""},
        {"SUM(1;-2)", false, kFormulaMissingOperand, ""},
        {"1e999*1", true, kFormulaOk, "inf"},
        {"0-1e999", true, kFormulaOk, "-inf"},
        // "inf" has no leading number, so it reads as 0 once carried.
        {"(1e999*1)*2", true, kFormulaOk, "0.000000"},
        {"1e308*10", true, kFormulaOk, "inf"},
    });
}

TEST_F(FormulaEvaluate, OnlyTheLastItemOfTheRootAndWhatItConsumesCounts) {
    ExpectAll({
        {"2(3)", true, kFormulaOk, "3"},
        // Operators of enclosing lists stay waiting while "(" stays open.
        {"2*(3+4", true, kFormulaOk, "7.000000"},
        // A stray closer stops the parse, but what it built is evaluated.
        {"x+x)", true, kFormulaOk, "14.000000"},
        {"x;1", true, kFormulaOk, "7"},
        {"(x));1", true, kFormulaOk, "7"},
        {")", true, kFormulaOk, ""},
        {"1 2 (3)+", true, kFormulaOk, "15.000000"},
        {"1(2)3+", true, kFormulaOk, "5.000000"},
    });
}

TEST_F(FormulaEvaluate, LongRunsAndDeepNestingEndWithAStatus) {
    const auto repeat = [](const std::string& piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i) {
            text += piece;
        }
        return text;
    };
    ExpectAll({
        {std::string(999, '('), true, kFormulaOk, ""},
        {std::string(999, ';'), true, kFormulaOk, ""},
        {std::string(999, ')'), true, kFormulaOk, ""},
        {std::string(999, '"'), true, kFormulaOk, std::string(999, '"')},
        {std::string(999, '+'), false, kFormulaMissingOperand, ""},
        {std::string(999, '/'), false, kFormulaMissingOperand, ""},
        {repeat("(", 499) + "x" + repeat(")", 499), true, kFormulaOk, "7"},
        {"1" + repeat("+1", 499), true, kFormulaOk, "500.000000"},
        {repeat("SIN(", 200) + "0" + repeat(")", 200), true, kFormulaOk, "0.000000"},
        {repeat("SUM(1;", 150) + "1" + repeat(")", 150), true, kFormulaOk, "151.000000"},
        // Left open, every level but the innermost keeps its operators waiting.
        {repeat("2*(", 300) + "x", true, kFormulaOk, "7"},
    });
}

TEST_F(FormulaEvaluate, VariablesBindByExactNameAndTheLaterOneWins) {
    FormulaVariable hi{"RpmHigh", "3"};
    FormulaVariable lo{"RpmLow", "32"};
    FormulaVariable shadow{"x", "100"};
    variables = {&x, &hi, &lo};
    ExpectAll({
        {"(RpmHigh*256+RpmLow)/4", true, kFormulaOk, "200.000000"},
        {"X*2", true, kFormulaOk, "0.000000"},
        {"RpmHig*1", true, kFormulaOk, "0.000000"},
    });
    variables = {&x, &shadow};
    ExpectAll({{"x*1", true, kFormulaOk, "100.000000"}});
    variables = {&shadow, &x, nullptr};
    ExpectAll({{"x*1", true, kFormulaOk, "7.000000"}});
}

TEST_F(FormulaEvaluate, ACompiledFormulaFollowsItsVariablesOnEveryEvaluation) {
    CompiledFormula compiled("x*2");
    FormulaValue result;
    EXPECT_TRUE(compiled.Evaluate(variables, result));
    EXPECT_EQ(result.ValueText(), "14.000000");
    x.SetValueText("10");
    EXPECT_TRUE(compiled.Evaluate(variables, result));
    EXPECT_EQ(result.ValueText(), "20.000000");
    // Without its variable the operand is its own text again, which reads as 0.
    EXPECT_TRUE(compiled.Evaluate({}, result));
    EXPECT_EQ(result.ValueText(), "0.000000");
}

TEST_F(FormulaEvaluate, ParseReportsStrayClosersAndNullText) {
    const std::vector<std::pair<const char*, std::int32_t>> rows = {{"SUM(a;b)*c", kFormulaOk},
                                                                    {"a+b)", kFormulaUnbalanced},
                                                                    {";", kFormulaUnbalanced},
                                                                    {"(a));b", kFormulaUnbalanced},
                                                                    {nullptr, kFormulaNoText}};
    FormulaEvaluator evaluator;
    for (const auto& [formula, status] : rows) {
        EXPECT_EQ(evaluator.Parse(formula), status == kFormulaOk) << (formula ? formula : "null");
        EXPECT_EQ(evaluator.Status(), status) << (formula ? formula : "null");
    }
    // A null text leaves nothing of the previous form: the result stays as it was.
    FormulaValue result("old", "42");
    EXPECT_TRUE(evaluator.Evaluate(variables, result));
    EXPECT_EQ(result.ValueText(), "42");
}

TEST_F(FormulaEvaluate, EvaluationConsumesTheParsedFormAndFailureKeepsTheResult) {
    FormulaEvaluator evaluator;
    ASSERT_TRUE(evaluator.Parse("x*2"));
    FormulaValue result;
    EXPECT_TRUE(evaluator.Evaluate(variables, result));
    EXPECT_EQ(result.ValueText(), "14.000000");
    FormulaValue second;
    EXPECT_TRUE(evaluator.Evaluate(variables, second));
    EXPECT_EQ(second.ValueText(), "");
    x.SetValueText("10");
    ASSERT_TRUE(evaluator.Parse("x*2"));
    EXPECT_TRUE(evaluator.Evaluate(variables, result));
    EXPECT_EQ(result.ValueText(), "20.000000");

    evaluator.Parse("-5");
    FormulaValue kept("old", "42");
    EXPECT_FALSE(evaluator.Evaluate(variables, kept));
    EXPECT_EQ(kept.Name(), "old");
    EXPECT_EQ(kept.ValueText(), "42");
    // A parse error is cleared by a successful evaluation.
    EXPECT_FALSE(evaluator.Parse("x)"));
    EXPECT_TRUE(evaluator.Evaluate(variables, kept));
    EXPECT_EQ(evaluator.Status(), kFormulaOk);
    EXPECT_EQ(kept.ValueText(), "10");
}

} // namespace
} // namespace korvane
