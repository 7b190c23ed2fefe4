#include "formula/formula_evaluator.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace korvane {
namespace {

TEST(FormulaApi, VariableListsOfEitherConstnessBind) {
    FormulaVariable x("x", "7");
    std::vector<FormulaVariable*> mutableList{&x};
    std::vector<const FormulaVariable*> constList{&x};
    FormulaEvaluator evaluator;
    FormulaValue result;
    EXPECT_TRUE(evaluator.Parse("x"));
    EXPECT_TRUE(evaluator.Evaluate(mutableList, result));
    EXPECT_TRUE(evaluator.Parse("x"));
    EXPECT_TRUE(evaluator.Evaluate(constList, result));
}

} // namespace
} // namespace korvane
