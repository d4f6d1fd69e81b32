#include "engine/segment_statistic.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace qorvel {
namespace {

// Value column 4 7 7 2 7 5 on the issues 2009001 .. 2009006.
std::unique_ptr<Workspace> valueHistory() {
    std::vector<std::vector<int>> draws;
    for (int i = 1; i <= 6; ++i) draws.push_back({2009000 + i, 1, 2, 3, 4, 5, 6, 7});
    auto ws = testing::workspaceWith(draws);
    const int32_t values[] = {4, 7, 7, 2, 7, 5};
    for (int r = 1; r <= 6; ++r) ws->MainStore.MutableRow(r).value = values[r - 1];
    return ws;
}

struct SegmentCase {
    std::string_view kind;
    int32_t fromIssue;
    int32_t toIssue;
    int32_t expected;
};

class SegmentStatistic : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(SegmentStatistic, OverTheRun) {
    auto ws = valueHistory();
    ws->MainStore.SetRecNo(3);
    const auto& c = GetParam();
    EXPECT_EQ(segmentStatistic(ws->MainStore, c.kind, c.fromIssue, c.toIssue), c.expected);
    EXPECT_EQ(ws->MainStore.RecNo(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SegmentStatistic,
    ::testing::Values(
        // The run 5 7 2 7 7 (issues 6 back to 2).
        SegmentCase{kSegmentSum, 2009006, 2009002, 28}, SegmentCase{kSegmentMean, 2009006, 2009002, 6},
        SegmentCase{kSegmentMaximum, 2009006, 2009002, 7}, SegmentCase{kSegmentMinimum, 2009006, 2009002, 2},
        SegmentCase{kSegmentMeanAmplitude, 2009006, 2009002, 3},
        SegmentCase{kSegmentRepeats, 2009006, 2009002, 3},
        // Halves go to the even neighbour: 9 ÷ 2 = 4.5 → 4, 11 ÷ 2 = 5.5 → 6; amplitude 5 ÷ 2 = 2.5 → 2.
        SegmentCase{kSegmentMean, 2009004, 2009003, 4}, SegmentCase{kSegmentMean, 2009002, 2009001, 6},
        SegmentCase{kSegmentMeanAmplitude, 2009004, 2009002, 2},
        // A single draw has no amplitude.
        SegmentCase{kSegmentMeanAmplitude, 2009003, 2009003, 0},
        SegmentCase{kSegmentMean, 2009003, 2009003, 7},
        // An end before the history stops at the first draw; a missing start gives 0.
        SegmentCase{kSegmentSum, 2009006, 2008001, 32}, SegmentCase{kSegmentSum, 2009009, 2009001, 0},
        SegmentCase{"其他", 2009006, 2009001, 0}));

TEST(SegmentStatisticValues, RepeatsCountEveryDrawOfARepeatedValue) {
    const struct {
        std::vector<int32_t> values;
        int32_t repeats;
    } cases[] = {{{3, 3, 3, 5, 5, 6}, 5}, {{1, 2, 3}, 0}, {{4, 4}, 2}, {{-1, -1, 0}, 2}};
    for (const auto& c : cases) EXPECT_EQ(segmentStatistic(kSegmentRepeats, c.values), c.repeats);
}

TEST(SegmentStatisticValues, RoundHalfToEven) {
    const struct {
        int64_t num, den, expected;
    } cases[] = {{9, 2, 4},   {11, 2, 6},   {7, 3, 2},   {8, 3, 3},
                 {-9, 2, -4}, {-11, 2, -6}, {-8, 3, -3}, {0, 5, 0}};
    for (const auto& c : cases) EXPECT_EQ(roundHalfToEven(c.num, c.den), c.expected) << c.num << "/" << c.den;
}

}  // namespace
}  // namespace qorvel
