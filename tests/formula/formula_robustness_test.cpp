#include "formula/formula_evaluator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <pthread.h>
#define KORVANE_SMALL_STACK_THREADS 1
#endif

namespace korvane {
namespace {

struct Outcome {
    bool parsed = false;
    std::int32_t parseStatus = kFormulaOk;
    bool evaluated = false;
    std::int32_t evaluateStatus = kFormulaOk;
    std::string valueText;
    std::string shown;
};

Outcome ParseEvaluateShow(const std::string& formula) {
    static const FormulaVariable x{"x", "7"};
    const std::vector<const FormulaVariable*> variables{&x};
    FormulaEvaluator evaluator;
    Outcome outcome;
    outcome.parsed = evaluator.Parse(formula);
    outcome.parseStatus = evaluator.Status();
    FormulaValue result;
    outcome.evaluated = evaluator.Evaluate(variables, result);
    outcome.evaluateStatus = evaluator.Status();
    outcome.valueText = result.ValueText();
    outcome.shown = result.FormatForDisplay("%.1f");
    return outcome;
}

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST(FormulaRobustness, LongRunsOfOneCharacterEndWithAStatus) {
    Outcome open = ParseEvaluateShow(std::string(999, '('));
    EXPECT_TRUE(open.parsed); // an unclosed parenthesis is no parse error
    EXPECT_TRUE(open.evaluated);
    EXPECT_EQ(open.valueText, "");

    for (const char c : {';', ')'}) {
        const Outcome o = ParseEvaluateShow(std::string(999, c));
        EXPECT_FALSE(o.parsed) << c;
        EXPECT_EQ(o.parseStatus, kFormulaUnbalanced) << c;
        EXPECT_TRUE(o.evaluated) << c;
    }
    for (const char c : {'+', '-', '*', '/'}) {
        const Outcome o = ParseEvaluateShow(std::string(999, c));
        EXPECT_TRUE(o.parsed) << c;
        EXPECT_FALSE(o.evaluated) << c;
        EXPECT_EQ(o.evaluateStatus, kFormulaMissingOperand) << c;
        EXPECT_EQ(o.shown, "0.0") << c;
    }
    const Outcome quotes = ParseEvaluateShow(std::string(999, '"'));
    EXPECT_TRUE(quotes.evaluated);
    EXPECT_EQ(quotes.valueText, std::string(999, '"'));
}

TEST(FormulaRobustness, DeepNestingAndLongChainsEvaluate) {
    EXPECT_EQ(ParseEvaluateShow(Repeat("(", 499) + "x" + Repeat(")", 499)).valueText, "7");
    EXPECT_EQ(ParseEvaluateShow("1" + Repeat("+1", 499)).valueText, "500.000000");
    EXPECT_EQ(ParseEvaluateShow(Repeat("SIN(", 200) + "0" + Repeat(")", 200)).valueText,
              "0.000000");
    EXPECT_EQ(ParseEvaluateShow(Repeat("SUM(1;", 150) + "1" + Repeat(")", 150)).valueText,
              "151.000000");
    // Left open, every level but the innermost keeps its operators waiting.
    EXPECT_EQ(ParseEvaluateShow(Repeat("2*(", 300) + "x").valueText, "7");
}

// Formula texts from a fixed pseudo-random sequence over the language's characters.
std::string GarbageFormula(std::uint32_t& seed, std::size_t length) {
    static const std::string alphabet = "()()((;;+-*/SINCOSUMsincosum x1.e9\"\\=\t\x01\xff";
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        seed = seed * 1664525U + 1013904223U;
        text += alphabet[(seed >> 16) % alphabet.size()];
    }
    return text;
}

TEST(FormulaRobustness, GarbageNeverBreaksTheStatusContract) {
    std::uint32_t seed = 12345;
    for (int round = 0; round < 1500; ++round) {
        const std::string formula = GarbageFormula(seed, 1 + static_cast<std::size_t>(round % 999));
        const Outcome o = ParseEvaluateShow(formula);
        ASSERT_GE(o.parseStatus, kFormulaOk) << formula;
        ASSERT_LE(o.parseStatus, kFormulaUnbalanced) << formula;
        ASSERT_EQ(o.parsed, o.parseStatus == kFormulaOk) << formula;
        ASSERT_GE(o.evaluateStatus, kFormulaOk) << formula;
        ASSERT_LE(o.evaluateStatus, kFormulaUnbalanced) << formula;
        if (!o.evaluated) {
            ASSERT_EQ(o.valueText, "") << formula;
            ASSERT_NE(o.evaluateStatus, kFormulaOk) << formula;
        }
        ASSERT_LE(o.shown.size(), kDisplayTextLimit) << formula;
    }
}

#if KORVANE_SMALL_STACK_THREADS
// Runs Parse, Evaluate and destruction of a very deeply nested formula on a thread
// with a small stack: any recursion over the nesting depth would overflow it.
void* ParseEvaluateDeepFormula(void* outcome) {
    constexpr std::size_t kDepth = 20000;
    const std::string formula = Repeat("SUM(1;", kDepth) + "x" + Repeat(")", kDepth);
    *static_cast<Outcome*>(outcome) = ParseEvaluateShow(formula);
    return nullptr;
}

TEST(FormulaRobustness, NestingDepthNeedsNoCallStack) {
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, 1024 * 1024), 0);
    Outcome outcome;
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, ParseEvaluateDeepFormula, &outcome), 0);
    ASSERT_EQ(pthread_join(thread, nullptr), 0);
    pthread_attr_destroy(&attributes);
    EXPECT_TRUE(outcome.parsed);
    EXPECT_TRUE(outcome.evaluated);
    EXPECT_EQ(outcome.valueText, "20007.000000");
}
#endif

} // namespace
} // namespace korvane
