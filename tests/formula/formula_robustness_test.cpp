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

// Parses and evaluates, checking the status contract; returns the value text.
std::string ParseAndEvaluate(const std::string& formula) {
    static const FormulaVariable x{"x", "7"};
    const std::vector<const FormulaVariable*> variables{&x};
    FormulaEvaluator evaluator;
    const bool parsed = evaluator.Parse(formula);
    EXPECT_EQ(parsed, evaluator.Status() == kFormulaOk);
    EXPECT_LE(evaluator.Status(), kFormulaUnbalanced);
    FormulaValue result;
    const bool evaluated = evaluator.Evaluate(variables, result);
    EXPECT_GE(evaluator.Status(), kFormulaOk);
    EXPECT_LE(evaluator.Status(), kFormulaUnbalanced);
    if (!evaluated) {
        EXPECT_EQ(result.ValueText(), "");
        EXPECT_NE(evaluator.Status(), kFormulaOk);
    }
    EXPECT_LE(result.FormatForDisplay("%.1f").size(), kDisplayTextLimit);
    return result.ValueText();
}

TEST(FormulaRobustness, GarbageNeverBreaksTheStatusContract) {
    static const std::string alphabet = "()()((;;+-*/SINCOSUMsincosum x1.e9\"\\=\t\x01\xff";
    std::uint32_t seed = 12345;
    for (int round = 0; round < 1500; ++round) {
        std::string formula;
        for (int i = 0; i <= round % 999; ++i) {
            seed = seed * 1664525U + 1013904223U;
            formula += alphabet[(seed >> 16) % alphabet.size()];
        }
        SCOPED_TRACE(formula);
        ParseAndEvaluate(formula);
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
}

#if KORVANE_SMALL_STACK_THREADS
// Parse, Evaluate and destruction of a very deeply nested formula on a thread with a
// small stack: any recursion over the nesting depth would overflow it.
void* ParseEvaluateDeepFormula(void* valueText) {
    std::string formula;
    for (int i = 0; i < 20000; ++i) {
        formula += "SUM(1;";
    }
    formula += "x" + std::string(20000, ')');
    *static_cast<std::string*>(valueText) = ParseAndEvaluate(formula);
    return nullptr;
}

TEST(FormulaRobustness, NestingDepthNeedsNoCallStack) {
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, 1024 * 1024), 0);
    std::string valueText;
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, ParseEvaluateDeepFormula, &valueText), 0);
    ASSERT_EQ(pthread_join(thread, nullptr), 0);
    pthread_attr_destroy(&attributes);
    EXPECT_EQ(valueText, "20007.000000");
}
#endif

} // namespace
} // namespace korvane
