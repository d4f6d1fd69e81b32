#include "combos/candidate_check.h"

#include <gtest/gtest.h>

#include <cmath>

#include "combo_test_support.h"

namespace qorvel {
namespace {

using testing::makeWorkspace;
using testing::plainConditions;

const std::vector<std::vector<int>> kHistory = {
    {2003001, 1, 5, 10, 15, 20, 25, 4},
    {2003002, 3, 5, 12, 18, 27, 33, 7},
};

struct CheckCase {
    const char* name;
    std::vector<int32_t> numbers;
    bool pass;
};

bool passes(Workspace& ws, const ConditionSet& c, std::vector<int32_t> numbers, int* faults = nullptr) {
    CandidateChecker checker(ws, c, EvaluationPath::Direct);
    const auto v = checker.check(makeTicket(numbers.data(), static_cast<int>(numbers.size())), false);
    if (faults) *faults = v.faults;
    return v.pass;
}

TEST(StructuralSwitches, EqualGapsAndSpecialRuns) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ConditionSet c = plainConditions(33);
    c.notEqualDistance = true;
    c.noSpecialRuns = true;
    const CheckCase cases[] = {
        {"all gaps equal", {1, 2, 3, 4, 5, 6}, false},
        {"gaps 1 1 2 3 5", {1, 2, 3, 5, 8, 13}, true},
        {"gaps all 5", {3, 8, 13, 18, 23, 28}, false},
        {"five largest 20 12 11 10 02", {1, 2, 10, 11, 12, 20}, true},
        {"run of four 09..12", {1, 9, 10, 11, 12, 20}, false},
        {"two then three on top", {1, 5, 7, 8, 10, 11}, true},
        {"three then two on top", {1, 5, 6, 7, 9, 10}, false},
        {"two then three", {1, 2, 5, 6, 8, 9}, true},
        {"three on top, two below", {1, 3, 4, 8, 9, 10}, false},
        {"two on top, three below", {1, 2, 3, 4, 6, 7}, false},
        {"run of four outside the five largest", {1, 2, 3, 4, 10, 20}, true},
        {"two and three split by a larger number", {2, 3, 4, 6, 7, 20}, true},
    };
    for (const auto& k : cases) EXPECT_EQ(passes(*ws, c, k.numbers), k.pass) << k.name;
}

TEST(StructuralSwitches, SpecialRunsForShortTickets) {
    const CheckCase cases[] = {
        {"four consecutive", {5, 6, 7, 8}, false},
        {"four with a gap", {5, 6, 7, 9}, true},
    };
    auto ws = makeWorkspace(4, 20, {});
    ConditionSet c = plainConditions(20);
    c.noSpecialRuns = true;
    for (const auto& k : cases) EXPECT_EQ(passes(*ws, c, k.numbers), k.pass) << k.name;
    auto ws3 = makeWorkspace(3, 20, {});
    EXPECT_TRUE(passes(*ws3, c, {5, 6, 7}));
}

TEST(StructuralSwitches, HistoryTestFindsOnlyDrawnSets) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ConditionSet c = plainConditions(33);
    c.notHistory = true;
    const CheckCase cases[] = {
        {"first draw", {1, 5, 10, 15, 20, 25}, false},
        {"last draw", {3, 5, 12, 18, 27, 33}, false},
        {"one number off", {3, 5, 12, 18, 27, 32}, true},
        {"same sum, other set", {2, 6, 10, 15, 20, 23}, true},
    };
    for (const auto& k : cases) EXPECT_EQ(passes(*ws, c, k.numbers), k.pass) << k.name;
}

TEST(GroupConditions, TailSetCountOnceAndSelfSet) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ConditionSet c = plainConditions(33);
    c.tailSetOn = true;
    ASSERT_TRUE(c.addTailSet({{1}, {1}, false, true}).added);
    EXPECT_TRUE(passes(*ws, c, {1, 11, 21, 25, 30, 33}));  // digit 1 occurs
    c.tailSets[0].countOnce = false;
    EXPECT_FALSE(passes(*ws, c, {1, 11, 21, 25, 30, 33}));  // three numbers end in 1
    c.tailSets[0].counts = {3};
    EXPECT_TRUE(passes(*ws, c, {1, 11, 21, 25, 30, 33}));
    c.tailSetOn = false;  // the master switch off leaves the list out
    c.tailSets[0].counts = {0};
    EXPECT_TRUE(passes(*ws, c, {1, 11, 21, 25, 30, 33}));

    ConditionSet s = plainConditions(33);
    s.selfSetOn = true;
    ASSERT_TRUE(s.addSelfSet({{1, 2, 3}, {0}, false}).added);
    const CheckCase cases[] = {
        {"holds 1", {1, 10, 20, 25, 30, 33}, false},
        {"holds 3", {3, 10, 20, 25, 30, 33}, false},
        {"none of 1..3", {4, 10, 20, 25, 30, 33}, true},
    };
    for (const auto& k : cases) EXPECT_EQ(passes(*ws, s, k.numbers), k.pass) << k.name;
}

TEST(Tolerance, FaultCountAndTotalToleranceBounds) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ConditionSet c = plainConditions(33);
    c.setEnabled(25, true);  // 和值
    c.lists[25].values = {100};
    c.lists[25].tolerant = true;
    c.setEnabled(2, true);   // 奇数个数
    c.lists[2].values = {0};
    c.lists[2].tolerant = true;
    const std::vector<int32_t> failsBoth = {1, 3, 5, 7, 9, 11};  // sum 36, six odd
    const std::vector<int32_t> failsNone = {2, 4, 6, 8, 30, 50};  // sum 100, no odd
    int faults = -1;
    // Tolerant conditions with the total tolerance off never reject.
    EXPECT_TRUE(passes(*ws, c, failsBoth, &faults));
    EXPECT_EQ(faults, 2);
    struct Bounds {
        int from, to;
        bool both, none;
    };
    const Bounds bounds[] = {{1, 3, true, false}, {0, 1, false, true}, {2, 2, true, false}, {0, 3, true, true}};
    c.totalTolerance.enabled = true;
    for (const auto& b : bounds) {
        c.totalTolerance.from = b.from;
        c.totalTolerance.to = b.to;
        EXPECT_EQ(passes(*ws, c, failsBoth), b.both) << b.from << ".." << b.to;
        EXPECT_EQ(passes(*ws, c, failsNone), b.none) << b.from << ".." << b.to;
    }
    // A condition that is not tolerant rejects whatever the total tolerance says.
    c.lists[2].tolerant = false;
    c.totalTolerance = {true, 0, 100};
    EXPECT_FALSE(passes(*ws, c, failsBoth));
}

// The single-precision model of 标准差 and 离散系数, worked out with float arithmetic by hand.
TEST(RangeConditions, SingleStandardDeviationAndVariation) {
    const int32_t numbers[] = {1, 2, 3, 4, 5, 6};
    const SpreadFigures f = spreadFigures(makeTicket(numbers, 6));
    EXPECT_FLOAT_EQ(f.mean, 3.5f);
    EXPECT_FLOAT_EQ(f.sd, std::sqrt(17.5f / 6.0f));  // squares 6.25 2.25 0.25 0.25 2.25 6.25
    EXPECT_EQ(f.cvThousandths, 488);                 // 1.7078 / 3.5 = 0.48795

    auto ws = makeWorkspace(6, 33, kHistory);
    ConditionSet c = plainConditions(33);
    c.variationCoefficient = {true, 48, 49, false};  // 48.8 % lies inside
    EXPECT_TRUE(passes(*ws, c, {1, 2, 3, 4, 5, 6}));
    c.variationCoefficient = {true, 49, 60, false};
    EXPECT_FALSE(passes(*ws, c, {1, 2, 3, 4, 5, 6}));
    c.variationCoefficient = {};
    c.standardDeviation = {true, 1, 2, false};  // sd 1.708
    EXPECT_TRUE(passes(*ws, c, {1, 2, 3, 4, 5, 6}));
    c.standardDeviation = {true, 2, 10, true};  // tolerant: counted, not rejected
    int faults = 0;
    EXPECT_TRUE(passes(*ws, c, {1, 2, 3, 4, 5, 6}, &faults));
    EXPECT_EQ(faults, 1);
}

TEST(CustomConditions, EmptyListOrFailingFormulaEndsTheCustomTests) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ConditionSet c = plainConditions(33);
    c.customOn = true;
    c.customs = {{"z_hz%2", {0}, false}};
    EXPECT_TRUE(passes(*ws, c, {2, 4, 6, 8, 10, 12}));   // sum 42, even
    EXPECT_FALSE(passes(*ws, c, {1, 4, 6, 8, 10, 12}));  // sum 41, odd
    // An empty value list stops before the later condition that would reject.
    c.customs = {{"z_hz%2", {}, false}, {"z_hz%2", {0}, false}};
    EXPECT_TRUE(passes(*ws, c, {1, 4, 6, 8, 10, 12}));
    // A formula the evaluator rejects also stops the custom tests without rejecting the ticket.
    c.customs = {{"max(1", {5}, false}, {"z_hz%2", {0}, false}};
    EXPECT_TRUE(passes(*ws, c, {1, 4, 6, 8, 10, 12}));
    // The switch off leaves the list out.
    c.customs = {{"z_hz%2", {0}, false}};
    c.customOn = false;
    EXPECT_TRUE(passes(*ws, c, {1, 4, 6, 8, 10, 12}));
}

TEST(StoredCombinations, CandidatesAndBankersOfAContinuedRun) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ConditionSet c = plainConditions(33);
    c.candidates.fill(false);
    for (int n = 1; n <= 12; ++n) c.candidates[n] = true;
    c.bankers[20] = true;  // a banker outside the candidates
    CandidateChecker checker(*ws, c, EvaluationPath::Direct);
    const CheckCase cases[] = {
        {"candidates and the banker", {1, 2, 3, 4, 5, 20}, true},
        {"banker missing", {1, 2, 3, 4, 5, 6}, false},
        {"a number outside the candidates", {1, 2, 3, 4, 13, 20}, false},
        {"a repeated number", {1, 1, 3, 4, 5, 20}, false},
        {"a number out of range", {0, 2, 3, 4, 5, 20}, false},
    };
    for (const auto& k : cases)
        EXPECT_EQ(checker.check(makeTicket(k.numbers.data(), 6), true).pass, k.pass) << k.name;
}

TEST(ThroughStorePath, CandidateRowIsPlacedAndRemoved) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ws->MainStore.SetRecNo(1);
    ConditionSet c = plainConditions(33);
    c.setEnabled(88, true);  // 主号一 through the indicator engine
    c.lists[88].values = {2};
    c.setEnabled(25, true);
    c.lists[25].values = {100};
    {
        CandidateChecker checker(*ws, c, EvaluationPath::ThroughStore);
        const int32_t yes[] = {2, 4, 6, 8, 30, 50};
        const int32_t no[] = {3, 4, 6, 8, 30, 49};
        EXPECT_TRUE(checker.check(makeTicket(yes, 6), false).pass);
        EXPECT_FALSE(checker.check(makeTicket(no, 6), false).pass);
        EXPECT_EQ(ws->MainStore.Count(), 2);
    }
    EXPECT_EQ(ws->MainStore.Count(), 2);
    EXPECT_EQ(ws->MainStore.Row(2).fields[0], 2003002);
}

}  // namespace
}  // namespace qorvel
