// The formula language on formulas of numbers only: left-to-right evaluation, operators, groups, the
// space rule, the built-in functions and their argument splitting, and every error text.
#include <gtest/gtest.h>

#include "tgs_test_support.h"

namespace qorvel::testing {
namespace {

namespace fe = formula_error;

struct ValueCase {
    const char* formula;
    int32_t value;
};

class ConstantFormula : public ::testing::TestWithParam<ValueCase> {
protected:
    void SetUp() override { loadHistory(ws, kFiveDraws); }
    Workspace ws;
};

TEST_P(ConstantFormula, EvaluatesLeftToRight) {
    auto o = evaluateAt(ws, GetParam().formula);
    EXPECT_TRUE(o.ok) << o.error;
    EXPECT_EQ(o.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Operators, ConstantFormula, ::testing::Values(
    ValueCase{"1+2*3", 9},         // no precedence: (1+2)*3
    ValueCase{"1+(2*3)", 7},
    ValueCase{"2*3+4*5", 50},      // ((2*3)+4)*5
    ValueCase{"10/3", 3},
    ValueCase{"0-7", -7},
    ValueCase{"0-7/2", -3},        // truncated toward zero
    ValueCase{"7%3", 1},
    ValueCase{"0-7%3", -1},        // remainder takes the sign of the left operand
    ValueCase{"7%(0-3)", 1},
    ValueCase{"10!3", 1},
    ValueCase{"9!3", 3},
    ValueCase{"2!3", 2},
    ValueCase{"4!3", 1},
    ValueCase{"2000000000!7", 5},  // 1999999999 mod 7 = 4, plus 1; no loop of two thousand million steps
    ValueCase{"0-5!0", -5},        // left not above right: nothing to subtract
    ValueCase{"0!0", 0},
    ValueCase{"3>2", 1},
    ValueCase{"2>3", 0},
    ValueCase{"2<3", 1},
    ValueCase{"3<3", 0},
    ValueCase{"2=2&0", 0},
    ValueCase{"3&5", 1},
    ValueCase{"0&5", 0},
    ValueCase{"65536&65536", 1},   // both non-zero, although their 32-bit product is 0
    ValueCase{"0#5", 1},
    ValueCase{"0#0", 0},
    ValueCase{"007+1", 8},
    ValueCase{"2147483647", 2147483647},
    ValueCase{"2147483647+1", -2147483647 - 1},  // sums wrap
    ValueCase{"65536*65536", 0},                  // products wrap
    ValueCase{"0-2147483647-1/(0-1)", -2147483647 - 1},  // the one quotient beyond 32 bits wraps
    ValueCase{"0-2147483647-1%(0-1)", 0}));

INSTANTIATE_TEST_SUITE_P(GroupsAndEnds, ConstantFormula, ::testing::Values(
    ValueCase{"(1+2)*(3+4)", 21},
    ValueCase{"2*(3+(4*5))", 46},
    ValueCase{"((((((((((((7))))))))))))", 7},          // twelve groups at once: the stack grows
    ValueCase{"1+(2+(3+(4+(5+(6+(7+(8)))))))", 36},
    ValueCase{"5+(1+2", 3},                               // a group left open gives its own value
    ValueCase{"1*(2*(3+4", 7},
    ValueCase{"1+2 +5", 3},                               // a space ends the formula
    ValueCase{"12 x(", 12},
    ValueCase{"(1+2) 9", 3},
    ValueCase{"(1+2)9", 3},                               // anything else after a group stops there
    ValueCase{"(4)[1]z_hz", 4}));

INSTANTIATE_TEST_SUITE_P(Functions, ConstantFormula, ::testing::Values(
    ValueCase{"max(3,7,5)", 7},
    ValueCase{"max(0-5,0-3)", -1},          // the running maximum starts at −1
    ValueCase{"min(1000000)", 999999},      // and the minimum at 999999
    ValueCase{"min(4,0-2,9)", -2},
    ValueCase{"max()", 0},                  // an empty argument is 0
    ValueCase{"max(,3)", 3},
    ValueCase{"min(,3)", 0},
    ValueCase{"mid(1,2,9)", 2},             // mean 4.0
    ValueCase{"mid(1,3)", 1},               // mean 2.0: a tie, the first wins
    ValueCase{"mid(3,1)", 3},
    ValueCase{"mid(0-1,0-2)", -1},          // mean −1.5: a tie
    ValueCase{"mid(0,0,1)", 0},
    ValueCase{"mid(7)", 7},
    ValueCase{"mid()", 0},
    // Mean 29/20 = 1.45 rounds to 1.4 (half to even), nearer 1 than the first argument 2.
    ValueCase{"mid(2,2,2,2,2,2,2,2,2,1,1,1,1,1,1,1,1,1,1,1)", 1},
    // Mean 31/20 = 1.55 rounds to 1.6, nearer 2 than the first argument 1.
    ValueCase{"mid(1,1,1,1,1,1,1,1,1,2,2,2,2,2,2,2,2,2,2,2)", 2},
    ValueCase{"abs(0-4)", 4},
    ValueCase{"abs(5,0-9)", 9},             // the last argument counts
    ValueCase{"abs(0-2147483647-1)", -2147483647 - 1},
    ValueCase{"if(1,5,6)", 5},
    ValueCase{"if(0,5,6)", 6},
    ValueCase{"if(3,5,6,7)", 5},
    ValueCase{"if(0,5,6,7)", 7},            // arguments between the second and the last are ignored
    ValueCase{"if(5,7)", 0},
    ValueCase{"if(0,7)", 7},
    ValueCase{"if(0)", 0},
    ValueCase{"if(4)", 0},
    ValueCase{"max(min(1,2),3)", 3},        // split at every comma: "min(1", "2)" and "3"
    ValueCase{"max(abs(1,0-9),2)", 2},      // "abs(1" fails inside (its 0 counts), "0-9)" gives −9
    ValueCase{"max(abs(0-9))", 9},
    ValueCase{"max(1,2)+1", 3},
    ValueCase{"(max(1,2))*4", 8},
    ValueCase{"max(1,2) 9", 2},
    ValueCase{"2*max(1,(3+4)*2)", 28},
    ValueCase{"max(1+2*3,4)", 9}));

struct ErrorCase {
    const char* formula;
    int32_t value;  // the accumulator reached before the failing step
    std::string error;
};

class FormulaError : public ::testing::TestWithParam<ErrorCase> {
protected:
    void SetUp() override { loadHistory(ws, kFiveDraws); }
    Workspace ws;
};

TEST_P(FormulaError, FailsWithTheTextAndTheAccumulator) {
    auto o = evaluateAt(ws, GetParam().formula, 12345);
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.error, GetParam().error);
    EXPECT_EQ(o.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, FormulaError, ::testing::Values(
    ErrorCase{"", 12345, fe::kEmpty},  // the value is left untouched
    ErrorCase{"-7", 0, fe::kBadStart},
    ErrorCase{"+1", 0, fe::kBadStart},
    ErrorCase{" 1", 0, fe::kBadStart},
    ErrorCase{")", 0, fe::kBadStart},
    ErrorCase{"]", 0, fe::kBadStart},
    ErrorCase{"12a", 0, fe::kNumberThenCharacter},
    ErrorCase{"3+12z_hz", 3, fe::kNumberThenCharacter},
    ErrorCase{"5(1)", 0, fe::kNumberThenCharacter},
    ErrorCase{"1,2", 0, fe::kNumberThenCharacter},
    ErrorCase{"1+", 1, fe::kAfterOperator},
    ErrorCase{"1+)", 1, fe::kAfterOperator},
    ErrorCase{"1+ 2", 1, fe::kAfterOperator},
    ErrorCase{"4*-1", 4, fe::kAfterOperator},
    ErrorCase{"(", 0, fe::kAfterOpenGroup},
    ErrorCase{"2*( 1)", 0, fe::kAfterOpenGroup},
    ErrorCase{"(+1)", 0, fe::kAfterOpenGroup},
    ErrorCase{"()", 0, fe::kAfterOpenGroup},
    ErrorCase{"1)", 1, fe::kUnmatchedClose},
    ErrorCase{"3+(2))", 5, fe::kUnmatchedClose},
    ErrorCase{"[-1z_hz", 0, fe::kOffsetUnclosed},
    ErrorCase{"2+[-1", 2, fe::kOffsetUnclosed},
    ErrorCase{"[ 1]z_hz", 0, fe::kOffsetUnclosed},
    ErrorCase{"[]z_hz", 0, fe::kOffsetNotInteger},
    ErrorCase{"[+-1]z_hz", 0, fe::kOffsetNotInteger},
    ErrorCase{"[1-]z_hz", 0, fe::kOffsetNotInteger},
    ErrorCase{"[-]z_hz", 0, fe::kOffsetNotInteger},
    ErrorCase{"xyz(1)", 0, std::string("xyz") + fe::kUnknownFunctionSuffix},
    ErrorCase{"7+Max(1)", 7, std::string("Max") + fe::kUnknownFunctionSuffix},
    ErrorCase{"max(1,2", 0, fe::kFunctionBody},
    ErrorCase{"max(max(1)", 0, fe::kFunctionBody},
    ErrorCase{"max(1,2)3", 0, fe::kAfterFunction},
    ErrorCase{"2+max(1,2)a", 2, fe::kAfterFunction},
    ErrorCase{"max(1)(2)", 0, fe::kAfterFunction},
    ErrorCase{"7/0", 7, fe::kDivisionByZero},
    ErrorCase{"7%0", 7, fe::kDivisionByZero},
    ErrorCase{"1+6/(2-2)", 0, fe::kDivisionByZero},  // fails on closing the group, inside it
    ErrorCase{"5!0", 5, fe::kTruncationRight},
    ErrorCase{"5!(0-2)", -2, fe::kTruncationRight},
    ErrorCase{"2147483648", 0, fe::kOutOfRange},
    ErrorCase{"1+99999999999999999999", 1, fe::kOutOfRange},
    ErrorCase{"[2147483648]z_hz", 0, fe::kOutOfRange},
    ErrorCase{"[-2147483649]z_hz", 0, fe::kOutOfRange}));

// Nested function calls beyond the nesting limit are refused as a whole, although nested failures are
// otherwise ignored.
TEST(FormulaNesting, DeepCallsAreRefusedAndShallowOnesWork) {
    Workspace ws;
    loadHistory(ws, kFiveDraws);
    auto nested = [](int depth) {
        std::string s;
        for (int i = 0; i < depth; ++i) s += "abs(";
        return s + "0-5" + std::string(static_cast<std::size_t>(depth), ')');
    };
    auto shallow = evaluateAt(ws, nested(kMaxFormulaNesting - 1));
    EXPECT_TRUE(shallow.ok) << shallow.error;
    EXPECT_EQ(shallow.value, 5);
    auto deep = evaluateAt(ws, nested(kMaxFormulaNesting + 5));
    EXPECT_FALSE(deep.ok);
    EXPECT_EQ(deep.error, fe::kTooDeep);
    auto after = evaluateAt(ws, "abs(0-3)");  // a refusal leaves nothing behind
    EXPECT_TRUE(after.ok);
    EXPECT_EQ(after.value, 3);
}

TEST(FormulaErrorText, IsKeptUntilTheNextFailure) {
    Workspace ws;
    loadHistory(ws, kFiveDraws);
    tgs evaluator(ws);
    int32_t v = 0;
    ASSERT_FALSE(evaluator.evaluate("1/0", v));
    ASSERT_TRUE(evaluator.evaluate("1+1", v));
    EXPECT_EQ(v, 2);
    EXPECT_EQ(evaluator.errorText(), fe::kDivisionByZero);
    ASSERT_FALSE(evaluator.evaluate("(", v));
    EXPECT_EQ(evaluator.errorText(), fe::kAfterOpenGroup);
}

struct CheckCase {
    const char* text;
    std::string message;  // empty: the text passes
};

class FormulaTextCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(FormulaTextCheck, ReportsTheLastFailingTest) {
    std::string message = "previous";
    bool ok = checkFormulaText(GetParam().text, &message);
    EXPECT_EQ(ok, GetParam().message.empty());
    EXPECT_EQ(message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Texts, FormulaTextCheck, ::testing::Values(
    CheckCase{"", "自定义公式不能为空"},
    CheckCase{"z_hz+1", ""},
    CheckCase{"max([-1]z_hz,[-2]z_hz)", ""},
    CheckCase{")(", ""},  // counted, not matched
    CheckCase{"][", ""},
    CheckCase{"z_hz +1", "不能有空格"},
    CheckCase{"(z_hz", "\"(\"与\")\"不匹配"},
    CheckCase{"z_hz)", "\"(\"与\")\"不匹配"},
    CheckCase{"[-1z_hz", "\"[\"与\"]\"不匹配"},
    CheckCase{"a (", "\"(\"与\")\"不匹配"},   // space and parentheses fail: the later message shows
    CheckCase{"( [", "\"[\"与\"]\"不匹配"},   // all three fail
    CheckCase{"a ]", "\"[\"与\"]\"不匹配"}));

}  // namespace
}  // namespace qorvel::testing
