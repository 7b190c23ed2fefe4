#include "formula/formula_evaluator.h"
#include "parsed_form_text.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

struct ParseCase {
    const char* formula;
    bool parses;
    std::int32_t status;
    const char* parsedForm;
};

void ExpectParse(const ParseCase& c) {
    FormulaEvaluator evaluator;
    EXPECT_EQ(evaluator.Parse(c.formula), c.parses) << c.formula;
    EXPECT_EQ(evaluator.Status(), c.status) << c.formula;
    EXPECT_EQ(ParsedFormText(evaluator.Root()), c.parsedForm) << c.formula;
}

TEST(FormulaParse, OperatorsBecomePostfixWithLeftBindingAndPrecedence) {
    const ParseCase cases[] = {
        {"a-b*c-d", true, kFormulaOk, "a b c * - d -"},
        {"a*b-c", true, kFormulaOk, "a b * c -"},
        {"8-2-1", true, kFormulaOk, "8 2 - 1 -"},
        {"a/b/c*d", true, kFormulaOk, "a b / c / d *"},
        {"2+3*4", true, kFormulaOk, "2 3 4 * +"},
        // No sign operator: the minus waits for a left operand it never gets.
        {"-5", true, kFormulaOk, "5 -"},
        // Exponent forms are cut at their sign.
        {"1e-3", true, kFormulaOk, "1e 3 -"},
        {"1e3*2", true, kFormulaOk, "1e3 2 *"},
    };
    for (const auto& c : cases) {
        ExpectParse(c);
    }
}

TEST(FormulaParse, BlanksControlCharactersAndLeadingEqualsAreDropped) {
    const ParseCase cases[] = {
        {"= Byte1 * 2", true, kFormulaOk, "Byte1 2 *"},
        {"==x", true, kFormulaOk, "x"},
        {"byte 1\t+\r\n2", true, kFormulaOk, "byte1 2 +"},
        {"", true, kFormulaOk, ""},
        {" = = ", true, kFormulaOk, ""},
        // Only leading "=" are skipped; a later one is operand text.
        {"a=b", true, kFormulaOk, "a=b"},
    };
    for (const auto& c : cases) {
        ExpectParse(c);
    }
}

TEST(FormulaParse, ParenthesesMakeAParenthesisListOfArgumentGroups) {
    const ParseCase cases[] = {
        {"SUM(byte1;2*3)+4", true, kFormulaOk, "[[byte1] [2 3 *]] SUM 4 +"},
        {"(2+3)*4", true, kFormulaOk, "[[2 3 +]] 4 *"},
        {"SUM(a;;b)", true, kFormulaOk, "[[a] [] [b]] SUM"},
        {"SUM()", true, kFormulaOk, "[[]] SUM"},
        {"2*SIN(0)+1", true, kFormulaOk, "2 [[0]] SIN * 1 +"},
        {"((x))", true, kFormulaOk, "[[[[x]]]]"},
        // The operators of enclosing lists stay on their stacks when "(" stays open.
        {"2*(3+4", true, kFormulaOk, "2 [[3 4 +]]"},
    };
    for (const auto& c : cases) {
        ExpectParse(c);
    }
}

TEST(FormulaParse, FunctionNamesNeedTheirParenthesisAndIgnoreCase) {
    const ParseCase cases[] = {
        {"sin(x)", true, kFormulaOk, "[[x]] SIN"},
        {"Sin(x)", true, kFormulaOk, "[[x]] SIN"},
        {"cOs(x)", true, kFormulaOk, "[[x]] COS"},
        {"sum(x)", true, kFormulaOk, "[[x]] SUM"},
        {"SINX", true, kFormulaOk, "SINX"},
        {"SIN x", true, kFormulaOk, "SINx"},
        {"COST*2", true, kFormulaOk, "COST 2 *"},
        // A name followed by "(" is found inside a longer name.
        {"xSIN(1)", true, kFormulaOk, "x [[1]] SIN"},
        {"SIN(y)x", true, kFormulaOk, "[[y]] x SIN"},
    };
    for (const auto& c : cases) {
        ExpectParse(c);
    }
}

TEST(FormulaParse, QuotesKeepOperatorsAndSeparatorsInsideOneOperand) {
    const ParseCase cases[] = {
        {"\"a+b\"", true, kFormulaOk, "\"a+b\""},
        {"\"a;b\"*2", true, kFormulaOk, "\"a;b\" 2 *"},
        // An escaped quote does not close the text.
        {"\"a\\\"+b\"", true, kFormulaOk, "\"a\\\"+b\""},
        // A quote within a name opens quoted text too.
        {"x\"+1", true, kFormulaOk, "x\"+1"},
    };
    for (const auto& c : cases) {
        ExpectParse(c);
    }
}

TEST(FormulaParse, StrayClosersStopWithStatusFiveKeepingWhatCameBefore) {
    const ParseCase cases[] = {
        {"a+b)", false, kFormulaUnbalanced, "a b +"},   {"a;b", false, kFormulaUnbalanced, "a"},
        {")", false, kFormulaUnbalanced, ""},           {";", false, kFormulaUnbalanced, ""},
        {"(a));b", false, kFormulaUnbalanced, "[[a]]"},
    };
    for (const auto& c : cases) {
        ExpectParse(c);
    }
}

TEST(FormulaParse, NullTextFailsWithStatusOneAndANewParseReplacesTheOldForm) {
    FormulaEvaluator evaluator;
    ASSERT_TRUE(evaluator.Parse("SUM(a;b)*c"));
    const char* none = nullptr;
    EXPECT_FALSE(evaluator.Parse(none));
    EXPECT_EQ(evaluator.Status(), kFormulaNoText);
    EXPECT_EQ(ParsedFormText(evaluator.Root()), "");

    EXPECT_FALSE(evaluator.Parse("a)"));
    EXPECT_TRUE(evaluator.Parse("b"));
    EXPECT_EQ(evaluator.Status(), kFormulaOk);
    EXPECT_EQ(ParsedFormText(evaluator.Root()), "b");
}

TEST(FormulaParse, TextEndsAtItsFirstZeroByte) {
    FormulaEvaluator evaluator;
    EXPECT_TRUE(evaluator.Parse(std::string("x*2\0+5", 6)));
    EXPECT_EQ(ParsedFormText(evaluator.Root()), "x 2 *");
}

} // namespace
} // namespace korvane
