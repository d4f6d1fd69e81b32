// Composite codes: counting codes, determinant codes, patterns and group features. Expected values are
// worked out by hand from the rules.
#include "engine/composite_codes.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/indicators.h"
#include "engine_test_support.h"

namespace qorvel {
namespace {

using Draws = std::vector<std::vector<int>>;

// 01 02 03 04 05 06, then 04 05 06 10 20 30 (six of 1..33).
const Draws kTwoDraws = {{2009001, 1, 2, 3, 4, 5, 6, 1}, {2009002, 4, 5, 6, 10, 20, 30, 2}};
// 04 09 12 20 25 30, 01 02 04 05 06 30, 04 05 06 10 20 30.
const Draws kThreeDraws = {
    {2009001, 4, 9, 12, 20, 25, 30, 3}, {2009002, 1, 2, 4, 5, 6, 30, 5}, {2009003, 4, 5, 6, 10, 20, 30, 7}};

struct CodeCase {
    const Draws* draws;
    int row;  // the draw under the cursor
    const char* name;
    int32_t expected;
};

class CompositeCode : public ::testing::TestWithParam<CodeCase> {};

TEST_P(CompositeCode, ValueAtTheDrawWithTheCursorReturned) {
    auto ws = testing::workspaceWith(*GetParam().draws);
    ws->MainStore.SetRecNo(GetParam().row);
    EXPECT_EQ(indicatorValue(*ws, GetParam().name), GetParam().expected) << GetParam().name;
    EXPECT_EQ(ws->MainStore.RecNo(), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Counting, CompositeCode,
    ::testing::Values(
        CodeCase{&kTwoDraws, 2, "c_cz_1", 2}, CodeCase{&kTwoDraws, 2, "c_cz_10", 2},
        CodeCase{&kTwoDraws, 2, "c_cz_5", 1}, CodeCase{&kTwoDraws, 2, "c_hz_10", 1},
        // Parameters are bytes: 266 is 10.
        CodeCase{&kTwoDraws, 2, "c_cz_266", 2},
        // The first draw stands in for its own previous draw.
        CodeCase{&kTwoDraws, 1, "c_xw_cz_0", 6}, CodeCase{&kTwoDraws, 2, "c_xw_cz_0", 3},
        CodeCase{&kTwoDraws, 2, "c_xw_hz_10", 3},
        // Global omissions 0 0 0 1 1 1.
        CodeCase{&kTwoDraws, 2, "c_ylz_0_1_1", 3}, CodeCase{&kTwoDraws, 2, "c_ylz_1_0_0", 15},
        CodeCase{&kTwoDraws, 2, "c_ylz_1_1_1", 60}, CodeCase{&kTwoDraws, 2, "c_ylz_0_2_9", 0},
        // Zones of 1..33: three zones 1..11, 12..22, 23..33; twenty zones put 10 and 11 in zone 9.
        CodeCase{&kTwoDraws, 2, "c_fq_0_3_1", 4}, CodeCase{&kTwoDraws, 2, "c_fq_1_3_2", 20},
        CodeCase{&kTwoDraws, 2, "c_fq_0_1_1", 6}, CodeCase{&kTwoDraws, 2, "c_fq_1_20_9", 10},
        CodeCase{&kTwoDraws, 2, "c_fq_0_0_1", 0}, CodeCase{&kTwoDraws, 2, "c_fq_0_3_4", 0},
        CodeCase{&kTwoDraws, 2, "c_ys_0_3_1", 2}, CodeCase{&kTwoDraws, 2, "c_ys_1_3_1", 14},
        CodeCase{&kTwoDraws, 2, "c_ys_0_259_1", 2}, CodeCase{&kTwoDraws, 2, "c_ys_0_0_1", 0},
        // Any separator after the prefix is skipped.
        CodeCase{&kTwoDraws, 2, "c_cz:1", 2}, CodeCase{&kTwoDraws, 2, "c_czX10", 2},
        // Malformed parameters.
        CodeCase{&kTwoDraws, 2, "c_cz_x", kMalformedComposite},
        CodeCase{&kTwoDraws, 2, "c_cz", kMalformedComposite},
        CodeCase{&kTwoDraws, 2, "c_cz_", kMalformedComposite},
        CodeCase{&kTwoDraws, 2, "c_cz_1_2", kMalformedComposite},
        CodeCase{&kTwoDraws, 2, "c_ys_1_2", kMalformedComposite},
        CodeCase{&kTwoDraws, 2, "c_ys_1_2_3_4", kMalformedComposite},
        CodeCase{&kTwoDraws, 2, "c_cz_99999999999", kMalformedComposite},
        // A composite prefix counts only at the start of the name.
        CodeCase{&kTwoDraws, 2, "x_c_cz_1", kUnknownIndicator}));

// Rows of five over the order 1..100: 04 05 06 10 20 30 hits rows 1, 2 and 4 and columns 1, 4 and 5.
INSTANTIATE_TEST_SUITE_P(Determinant, CompositeCode,
                         ::testing::Values(CodeCase{&kTwoDraws, 2, "c_hnskhkn_0_5_5", 2},
                                           CodeCase{&kTwoDraws, 2, "c_hnskhkn_1_5_5", 2},
                                           CodeCase{&kTwoDraws, 2, "c_hnskhkn_2_5_5", 4},
                                           CodeCase{&kTwoDraws, 2, "c_hnszhxt_0_5_5", 11},
                                           CodeCase{&kTwoDraws, 2, "c_hnszhxt_1_5_5", 25},
                                           // Rows then columns, not reduced to a byte: 11 + 25 × 32.
                                           CodeCase{&kTwoDraws, 2, "c_hnszhxt_2_5_5", 811},
                                           CodeCase{&kTwoDraws, 2, "c_hnskhkn_3_5_5", 0}));

INSTANTIATE_TEST_SUITE_P(
    Expressions, CompositeCode,
    ::testing::Values(
        // At draw 3: z_num1 4 and z_num2 5; at draw 2 they were 1 and 2, at draw 1 4 and 9.
        CodeCase{&kThreeDraws, 3, "c_2zbzh:z_num1|z_num2:0", 1},
        CodeCase{&kThreeDraws, 3, "c_2zbzh:z_num1|z_num2:10", 5},
        CodeCase{&kThreeDraws, 3, "c_2zbzh:z_num1|z_num2:11", 4},
        CodeCase{&kThreeDraws, 3, "c_2zbzh:z_num1|z_num2:12", 4},
        // At the second draw the first stands in for two back; at the first draw it stands in for both.
        CodeCase{&kThreeDraws, 2, "c_2zbzh:z_num1|z_num2:10", 8},
        CodeCase{&kThreeDraws, 1, "c_2zbzh:z_num1|z_num2:10", 0},
        CodeCase{&kThreeDraws, 1, "c_2zbzh:z_num1|z_num2:12", 8},
        CodeCase{&kThreeDraws, 3, "c_3zbzh:z_num1|z_num4|z_num6:17", 1},
        CodeCase{&kThreeDraws, 3, "c_3zbzh:z_num1|z_num4|z_num6:30", 1},
        CodeCase{&kThreeDraws, 3, "c_3zbzh:z_num1|z_num2|z_num3:24", 15},
        CodeCase{&kThreeDraws, 3, "c_zhfx:z_num1|z_num2|z_num6:5", 1},
        CodeCase{&kThreeDraws, 3, "c_zhfx:z_num1|z_num2|z_num6:6", 1},
        CodeCase{&kThreeDraws, 3, "c_zhfx:z_num1|z_num2|z_num6:27", 39},
        CodeCase{&kThreeDraws, 3, "c_zhfx:z_num6:9", kSingleValueGroupMinimum},
        // A failing expression: pattern 0, group −1; a negative value also fails a group.
        CodeCase{&kThreeDraws, 3, "c_2zbzh:z_num2|:0", 0},
        CodeCase{&kThreeDraws, 3, "c_zhfx:z_num1|:4", kFailedGroup},
        CodeCase{&kThreeDraws, 3, "c_zhfx:z_num1|xyz:4", kFailedGroup},
        // Kinds a pattern does not define give 0.
        CodeCase{&kThreeDraws, 3, "c_2zbzh:z_num1|z_num2:14", 0},
        CodeCase{&kThreeDraws, 3, "c_3zbzh:z_num1|z_num2|z_num3:31", 0},
        // A composite code inside the expressions does not take over the name.
        CodeCase{&kTwoDraws, 2, "c_2zbzh:c_cz_1|z_num2:0", 1},
        // Malformed: no kind, a kind that is not a number, the wrong number of expressions.
        CodeCase{&kThreeDraws, 3, "c_2zbzh:z_num1|z_num2", kMalformedComposite},
        CodeCase{&kThreeDraws, 3, "c_2zbzh:z_num1|z_num2:a", kMalformedComposite},
        CodeCase{&kThreeDraws, 3, "c_2zbzh:z_num1|z_num2|z_num3:0", kMalformedComposite},
        CodeCase{&kThreeDraws, 3, "c_3zbzh:z_num1|z_num2:0", kMalformedComposite}));

struct PatternCase {
    int kind;
    std::vector<int32_t> values, previous, twoBack;
    int32_t expected;
};

class Pattern : public ::testing::TestWithParam<PatternCase> {};

TEST_P(Pattern, Value) {
    const auto& c = GetParam();
    EXPECT_EQ(patternValue(c.kind, c.values, c.previous, c.twoBack), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Pattern,
    ::testing::Values(PatternCase{0, {3, 8}, {}, {}, 2}, PatternCase{1, {3, 8}, {}, {}, 1},        // 奇偶
                      PatternCase{6, {2, 4, 9}, {}, {}, 5}, PatternCase{7, {2, 4, 9}, {}, {}, 4},  // 小中大
                      PatternCase{2, {1, 4}, {}, {}, 2}, PatternCase{3, {1, 4}, {}, {}, 1},  // 1 is prime
                      PatternCase{4, {15, 24}, {}, {}, 2}, PatternCase{5, {24, 15}, {}, {}, 1},
                      PatternCase{8, {3, 7, 11}, {}, {}, 5}, PatternCase{9, {3, 7, 11}, {}, {}, 4},
                      PatternCase{9, {5, 8}, {}, {}, 5}, PatternCase{1, {3, 5, 7}, {}, {}, 3},
                      PatternCase{10, {4, 9}, {4, 7}, {9, 1}, 1}, PatternCase{11, {4, 9}, {4, 7}, {9, 1}, 1},
                      PatternCase{12, {5, 20, 8}, {5, 7, 30}, {}, 21},
                      PatternCase{13, {5, 20, 8}, {5, 7, 30}, {}, 4}, PatternCase{14, {7, 3, 8}, {}, {}, 1},
                      PatternCase{15, {1, 2, 3}, {}, {}, 14}, PatternCase{16, {2, 2, 2}, {}, {}, 1},
                      PatternCase{16, {1, 2, 4}, {}, {}, 3}, PatternCase{17, {1, 5, 9}, {5, 9, 2}, {}, 2},
                      PatternCase{18, {9, 1, 0}, {}, {}, 18}, PatternCase{18, {1, 5, 8}, {}, {}, 4},
                      PatternCase{19, {4, 9, 2}, {}, {}, 7}, PatternCase{20, {4, 9, 2}, {}, {}, 5},
                      PatternCase{20, {1, 1, 2}, {}, {}, 1}, PatternCase{21, {4, 9, 2}, {}, {}, 9},
                      PatternCase{22, {4, 9, 2}, {}, {}, 4}, PatternCase{23, {4, 9, 2}, {}, {}, 2},
                      PatternCase{24, {4, 9, 2}, {}, {}, 15}, PatternCase{25, {4, 9, 2}, {}, {}, 5},
                      PatternCase{26, {2, 5, 8}, {4, 6, 8}, {}, 2},
                      PatternCase{27, {2, 5, 8}, {4, 6, 8}, {}, 1},
                      PatternCase{28, {2, 5, 8}, {4, 6, 8}, {}, 1},
                      PatternCase{29, {2, 5, 8}, {4, 6, 8}, {}, 3},
                      PatternCase{30, {2, 5, 8}, {4, 6, 8}, {}, 1}, PatternCase{14, {7, 3}, {}, {}, 0},
                      PatternCase{31, {1, 2, 3}, {}, {}, 0}, PatternCase{40, {1, 2}, {}, {}, 0}));

struct GroupCase {
    int feature;
    std::vector<int32_t> values, previous;
    int32_t expected;
};

class GroupFeature : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupFeature, Value) {
    const auto& c = GetParam();
    EXPECT_EQ(groupFeature(c.feature, c.values, c.previous), c.expected);
}

// The group 3 8 8 15 against 3 2 8 1 at the previous draw.
GroupCase g(int feature, int32_t expected) {
    return {feature, {3, 8, 8, 15}, {3, 2, 8, 1}, expected};
}

INSTANTIATE_TEST_SUITE_P(Features, GroupFeature,
                         ::testing::Values(g(0, 2), g(1, 1), g(2, 9), g(3, 3), g(4, 3), g(5, 3), g(6, 2),
                                           g(7, 12), g(8, 7), g(9, 0), g(10, 3), g(11, 3), g(12, 2), g(13, 2),
                                           g(14, 0), g(15, 2), g(16, 0), g(17, 2), g(18, 2), g(19, 0),
                                           g(20, 0), g(21, 2), g(22, 1), g(25, 3), g(26, 0), g(27, 34),
                                           g(28, 4), g(29, 24), g(30, 0), GroupCase{8, {7}, {}, -1},
                                           GroupCase{9, {7}, {}, kSingleValueGroupMinimum},
                                           GroupCase{10, {7}, {}, 0}, GroupCase{2, {7}, {}, 7},
                                           GroupCase{2, {1, 2}, {}, 2},
                                           GroupCase{4, {2001, 2001, 5000}, {}, 2}));

struct LineCase {
    int kind, columns, rows;
    std::vector<int32_t> numbers;
    std::vector<uint8_t> order;
    int32_t empty, pattern;
};

class DeterminantLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(DeterminantLines, EmptyLinesAndPattern) {
    const auto& c = GetParam();
    EXPECT_EQ(EmptyLineCount(c.kind, c.columns, c.rows, c.numbers, c.order), c.empty);
    EXPECT_EQ(LinePattern(c.kind, c.columns, c.rows, c.numbers, c.order), c.pattern);
}

std::vector<uint8_t> firstHundred() {
    std::vector<uint8_t> order;
    for (int i = 1; i <= 100; ++i) order.push_back(static_cast<uint8_t>(i));
    return order;
}

INSTANTIATE_TEST_SUITE_P(Layouts, DeterminantLines,
                         ::testing::Values(
                             // Five rows hit only in rows 1 and 3: the row pattern is 5.
                             LineCase{0, 5, 5, {2, 13}, firstHundred(), 3, 5},
                             // The order decides the layout: 30 20 / 10 4.
                             LineCase{2, 2, 2, {30}, {30, 20, 10, 4}, 2, 1 + 4},
                             LineCase{2, 2, 2, {4, 20}, {30, 20, 10, 4}, 1, 3 + (2 << 2)},
                             // Cells past the end of the order hold no number.
                             LineCase{0, 20, 10, {4, 100}, firstHundred(), 8, 1 + 16},
                             // Bits past the 32nd are dropped.
                             LineCase{1, 40, 1, {1, 40}, firstHundred(), 38, 1},
                             LineCase{5, 5, 5, {1}, firstHundred(), 0, 0}));

}  // namespace
}  // namespace qorvel

namespace qorvel {
namespace {

// Names pieced together from the fragments composite codes are made of: whatever the name, the lookup
// ends with a value, the cursor back on its draw and the value column untouched.
TEST(CompositeCode, ArbitraryNamesNeverMoveTheCursor) {
    const char* fragments[] = {"c_cz",   "c_hz",  "c_xw_cz", "c_ylz",  "c_fq",   "c_hnskhkn", "c_hnszhxt",
                               "c_ys",   "c_2zbzh", "c_3zbzh", "c_zhfx", "_",      ":",         "|",
                               "0",      "1",     "7",       "255",    "-3",     "99999999999", "z_num1",
                               "getzf(", ")",     "[-1]",    "z_hzyl", "x",      "",          "%"};
    auto ws = testing::workspaceWith(kThreeDraws);
    ws->MainStore.SetRecNo(2);
    ws->MainStore.SetValue(41);
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(fragments) - 1);
    std::uniform_int_distribution<int> length(1, 9);
    for (int i = 0; i < 3000; ++i) {
        std::string name = fragments[pick(random) % 11];  // always a composite prefix first
        for (int k = length(random); k > 0; --k) name += fragments[pick(random)];
        indicatorValue(*ws, name);
        ASSERT_EQ(ws->MainStore.RecNo(), 2) << name;
        ASSERT_EQ(ws->MainStore.GetValue(), 41) << name;
    }
}

}  // namespace
}  // namespace qorvel
