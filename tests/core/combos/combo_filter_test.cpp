#include "combos/combo_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>

#include "combo_test_support.h"
#include "test_support.h"

namespace qorvel {
namespace {

using testing::makeWorkspace;
using testing::plainConditions;
using testing::ticketsOf;
using Tickets = std::vector<std::vector<int>>;

RunRequest quietRun() {
    RunRequest r;
    r.saveUndoSnapshot = false;
    return r;
}

int64_t binomial(int n, int k) {
    int64_t r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

const std::vector<std::vector<int>> kHistory = {
    {2021001, 1, 5, 10, 15, 20, 25, 4},
    {2021002, 3, 5, 12, 18, 27, 33, 7},
    {2021003, 2, 7, 12, 19, 27, 30, 9},
};

TEST(Enumeration, FirstTicketsOfTheWholeSpace) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ComboFilter filter(*ws);
    filter.conditions = plainConditions(33);
    const RunOutcome out = filter.StartRun(quietRun());
    ASSERT_EQ(out.status, RunStatus::Completed);
    EXPECT_EQ(out.count, binomial(33, 6));
    EXPECT_EQ(out.passCount, out.count);
    const Tickets first = {{28, 29, 30, 31, 32, 33}, {27, 29, 30, 31, 32, 33}, {26, 29, 30, 31, 32, 33}};
    for (int k = 1; k <= 3; ++k) {
        const auto& b = filter.results.slot(k).bytes;
        EXPECT_EQ(std::vector<int>(b.begin(), b.begin() + 6), first[k - 1]);
    }
    const auto& last = filter.results.slot(filter.results.count()).bytes;
    EXPECT_EQ(std::vector<int>(last.begin(), last.begin() + 6), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

// Every ticket of 4 of 9 in the order a direct reading of "descending lexicographic order of the
// descending tuples" gives.
TEST(Enumeration, DescendingOrderOfDescendingTuples) {
    auto ws = makeWorkspace(4, 9, {});
    ComboFilter filter(*ws);
    filter.conditions = plainConditions(9);
    ASSERT_EQ(filter.StartRun(quietRun()).status, RunStatus::Completed);
    Tickets expected;
    for (int a = 1; a <= 9; ++a)
        for (int b = a + 1; b <= 9; ++b)
            for (int c = b + 1; c <= 9; ++c)
                for (int d = c + 1; d <= 9; ++d) expected.push_back({a, b, c, d});
    std::sort(expected.begin(), expected.end(), [](const auto& x, const auto& y) {
        return std::lexicographical_compare(y.rbegin(), y.rend(), x.rbegin(), x.rend());
    });
    EXPECT_EQ(ticketsOf(filter.results, 4), expected);
}

struct SpaceCase {
    const char* name;
    int n;
    std::vector<int> candidates;  // empty: none allowed
    std::vector<int> bankers;
    Tickets expectedFirst;        // the first tickets of the run
    int64_t expectedCount;
};

TEST(Enumeration, CandidatesAndBankers) {
    const SpaceCase cases[] = {
        {"no candidates, no bankers", 4, {}, {}, {}, 0},
        {"three bankers among 6 candidates", 4, {1, 2, 3, 4, 5, 6}, {2, 4, 6}, {{2, 4, 5, 6}, {2, 3, 4, 6}}, 3},
        {"four bankers, no candidates", 4, {}, {1, 3, 5, 7}, {{1, 3, 5, 7}}, 1},
        {"banker outside the candidates", 3, {1, 2, 3}, {9}, {{2, 3, 9}, {1, 3, 9}, {1, 2, 9}}, 3},
        {"more bankers than numbers", 4, {1, 2, 3, 4}, {1, 2, 3, 4, 5}, {}, 0},
    };
    for (const auto& k : cases) {
        auto ws = makeWorkspace(k.n, 9, {});
        const int n = k.n;
        ComboFilter filter(*ws);
        filter.conditions = plainConditions(9);
        filter.conditions.candidates.fill(false);
        for (int c : k.candidates) filter.conditions.candidates[c] = true;
        for (int b : k.bankers) filter.conditions.bankers[b] = true;
        ASSERT_EQ(filter.StartRun(quietRun()).status, RunStatus::Completed) << k.name;
        const Tickets got = ticketsOf(filter.results, n);
        EXPECT_EQ(static_cast<int64_t>(got.size()), k.expectedCount) << k.name;
        for (std::size_t i = 0; i < k.expectedFirst.size() && i < got.size(); ++i)
            EXPECT_EQ(got[i], k.expectedFirst[i]) << k.name;
        for (const auto& t : got)
            for (int b : k.bankers) EXPECT_TRUE(std::count(t.begin(), t.end(), b)) << k.name;
    }
}

TEST(Enumeration, EmptyRunShowsPageOneOfZero) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ComboFilter filter(*ws);
    filter.conditions.candidates.fill(false);
    ASSERT_EQ(filter.StartRun(quietRun()).count, 0);
    const ResultPage page = filter.currentResultPage();
    EXPECT_EQ(resultPageLabel(page.page, page.pages), "第1页/ 0页");
    EXPECT_TRUE(page.rows.empty());
    EXPECT_EQ(filter.resultStatusText(), "超强组号  已得到符合条件的主号组有0个");
}

// The small independent check: one condition over a 3-draw history, the survivors against a brute
// force written without the filter's code.
TEST(IndependentCheck, RepeatCountAgainstBruteForce) {
    auto ws = makeWorkspace(5, 16, {{2021001, 1, 4, 9, 11, 16, 3}, {2021002, 2, 4, 7, 12, 15, 5},
                                    {2021003, 3, 4, 8, 12, 13, 1}});
    ComboFilter filter(*ws);
    filter.conditions = plainConditions(16);
    filter.conditions.setEnabled(6, true);  // 重号个数
    filter.conditions.lists[6].values = {2};
    ASSERT_EQ(filter.StartRun(quietRun()).status, RunStatus::Completed);
    std::set<std::vector<int>> got;
    for (const auto& t : ticketsOf(filter.results, 5)) got.insert(t);

    const std::set<int> last = {3, 4, 8, 12, 13};
    std::set<std::vector<int>> expected;
    for (int mask = 0; mask < (1 << 16); ++mask) {
        std::vector<int> t;
        for (int b = 0; b < 16; ++b)
            if (mask & (1 << b)) t.push_back(b + 1);
        if (t.size() != 5) continue;
        int shared = 0;
        for (int x : t) shared += static_cast<int>(last.count(x));
        if (shared == 2) expected.insert(t);
    }
    EXPECT_EQ(got, expected);
    EXPECT_EQ(static_cast<std::size_t>(filter.results.count()), expected.size());
}

TEST(ReferenceIssue, CandidatesAreTheDrawAfterTheCutAndTheStoreComesBack) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ws->MainStore.SetRecNo(2);
    ws->MainStore.MutableRow(3).value = 77;
    const std::string before = ws->MainStore.fileBytes();
    ComboFilter filter(*ws);
    filter.conditions = plainConditions(33);
    filter.conditions.notHistory = true;
    filter.conditions.setEnabled(6, true);  // 重号个数 against draw 2021002 when 2021003 is the reference
    filter.conditions.lists[6].values = {2};
    filter.conditions.setEnabled(88, true);
    filter.conditions.lists[88].values = {2};
    filter.conditions.setEnabled(89, true);
    filter.conditions.lists[89].values = {7};
    RunRequest request = quietRun();
    request.referenceIssue = 2021003;
    ASSERT_EQ(filter.StartRun(request).status, RunStatus::Completed);
    // 02 07 12 19 27 30 shares 12 and 27 with 2021002 and is not in the history before it.
    const Tickets got = ticketsOf(filter.results, 6);
    EXPECT_NE(std::find(got.begin(), got.end(), std::vector<int>{2, 7, 12, 19, 27, 30}), got.end());
    EXPECT_EQ(ws->MainStore.fileBytes(), before);
    EXPECT_EQ(ws->MainStore.Count(), 3);
    EXPECT_EQ(ws->MainStore.RecNo(), 2);
    EXPECT_EQ(ws->MainStore.Row(3).value, 77);

    // Without the reference issue the same draw is history and the repeat count is against itself.
    ASSERT_EQ(filter.StartRun(quietRun()).status, RunStatus::Completed);
    const Tickets now = ticketsOf(filter.results, 6);
    EXPECT_EQ(std::find(now.begin(), now.end(), std::vector<int>{2, 7, 12, 19, 27, 30}), now.end());

    request.referenceIssue = 2020999;
    const RunOutcome missing = filter.StartRun(request);
    EXPECT_EQ(missing.status, RunStatus::Refused);
    EXPECT_EQ(missing.message, kReferenceIssueMissingMessage);
    EXPECT_EQ(ws->MainStore.fileBytes(), before);
}

TEST(RunSnapshot, ARunWorksOnItsCopyWhileTheSharedHistoryChanges) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ws->MainStore.SetRecNo(2);
    ComboFilter filter(*ws);
    filter.conditions = plainConditions(33);
    filter.conditions.notHistory = true;
    filter.conditions.setEnabled(6, true);
    filter.conditions.lists[6].values = {2};
    RunRequest request = quietRun();
    request.referenceIssue = 2021003;
    ASSERT_EQ(filter.StartRun(request).status, RunStatus::Completed);
    const Tickets undisturbed = ticketsOf(filter.results, 6);

    // The snapshot is taken, then the shared history is edited before the run works on it: the run sees
    // the history as it was, and the shared history keeps the edit, its cursor and no candidate row.
    const RunSnapshot snapshot = filter.prepareRun();
    ws->MainStore.Append();
    ws->MainStore.MutableRow(4).fields = DrawFields{2021004, 2, 7, 12, 19, 27, 30, 1};
    ws->MainStore.SetRecNo(1);
    ws->params.MainTo = 35;
    ASSERT_EQ(filter.StartRun(request, snapshot).status, RunStatus::Completed);
    EXPECT_EQ(ticketsOf(filter.results, 6), undisturbed);
    EXPECT_EQ(ws->MainStore.Count(), 4);
    EXPECT_EQ(ws->MainStore.RecNo(), 1);
    EXPECT_EQ(ws->MainStore.Row(4).fields[0], 2021004);
    EXPECT_EQ(snapshot.ws->MainStore.Count(), 3) << "the reference-issue cut is undone in the copy too";
}

TEST(RunSnapshot, ARunOnAnotherThreadLeavesTheSharedHistoryToItsOwner) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ComboFilter filter(*ws);
    filter.conditions = plainConditions(33);
    filter.conditions.setEnabled(6, true);
    filter.conditions.lists[6].values = {1};
    filter.evaluationPath = EvaluationPath::ThroughStore;  // the path that appends a candidate row
    RunRequest request = quietRun();
    request.referenceIssue = 2021002;
    const RunSnapshot snapshot = filter.prepareRun();
    RunOutcome outcome;
    std::thread run([&] { outcome = filter.StartRun(request, snapshot); });
    // Meanwhile the owner edits and walks its history as pages do.
    for (int k = 0; k < 200; ++k) {
        ws->MainStore.Append();
        ws->MainStore.MutableRow(ws->MainStore.RecNo()).fields = DrawFields{2022001 + k, 1, 2, 3, 4, 5, 6, 7};
        for (int r = 1; r <= ws->MainStore.Count(); ++r) ws->MainStore.SetRecNo(r);
    }
    run.join();
    ASSERT_EQ(outcome.status, RunStatus::Completed);
    EXPECT_GT(filter.results.count(), 0);
    EXPECT_EQ(ws->MainStore.Count(), 3 + 200);
    for (int r = 1; r <= ws->MainStore.Count(); ++r) EXPECT_NE(ws->MainStore.Row(r).fields[0], kCandidateIssue);
}

TEST(RunRefusals, ForecastRowAndMissingBounds) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ComboFilter filter(*ws);
    filter.conditions = plainConditions(33);
    filter.conditions.candidates.fill(false);
    for (int v = 1; v <= 9; ++v) filter.conditions.candidates[v] = true;
    ASSERT_EQ(filter.StartRun(quietRun()).status, RunStatus::Completed);
    const Tickets previous = ticketsOf(filter.results, 6);

    testing::fillStore(ws->MainStore, {kHistory[0], kHistory[1], kHistory[2], {kForecastIssue, 1, 2, 3, 4, 5, 6, 1}});
    RunOutcome out = filter.ContinueRun(quietRun());
    EXPECT_EQ(out.status, RunStatus::Refused);
    EXPECT_EQ(out.message, kForecastRowMessage);
    EXPECT_EQ(ws->MainStore.Count(), 3);  // the forecast area is cleared
    EXPECT_EQ(ticketsOf(filter.results, 6), previous);

    struct BoundsCase {
        int id;
        std::optional<int> from, to;
        const char* message;
    };
    const BoundsCase cases[] = {{34, std::nullopt, 5, kStandardDeviationBoundsMessage},
                                {34, 1, std::nullopt, kStandardDeviationBoundsMessage},
                                {35, std::nullopt, std::nullopt, kVariationBoundsMessage}};
    for (const auto& c : cases) {
        filter.conditions = plainConditions(33);
        filter.conditions.setEnabled(c.id, true);
        filter.conditions.range(c.id)->from = c.from;
        filter.conditions.range(c.id)->to = c.to;
        out = filter.StartRun(quietRun());
        EXPECT_EQ(out.status, RunStatus::Refused);
        EXPECT_EQ(out.message, c.message);
        EXPECT_EQ(ticketsOf(filter.results, 6), previous);
    }
}

TEST(ContinuedRun, FiltersTheResultsAndMovesTheLastIntoGaps) {
    auto ws = makeWorkspace(4, 9, {});
    ComboFilter filter(*ws);
    filter.conditions = plainConditions(9);
    ASSERT_EQ(filter.ContinueRun(quietRun()).count, 0);  // an empty set stays empty
    const Tickets loaded = {{1, 2, 3, 5}, {2, 4, 6, 8}, {1, 3, 5, 7}, {2, 3, 4, 9}, {1, 2, 4, 6}};
    for (const auto& t : loaded) {
        const std::vector<int32_t> v(t.begin(), t.end());
        filter.results.appendNumbers(v.data(), 4);
    }
    filter.conditions.setEnabled(2, true);  // 奇数个数 in {1, 2}
    filter.conditions.lists[2].values = {1, 2};
    const RunOutcome out = filter.ContinueRun(quietRun());
    ASSERT_EQ(out.status, RunStatus::Completed);
    // 1 2 3 5 (3 odd) fails: 1 2 4 6 takes its place and passes; 2 4 6 8 (0 odd) fails: 2 3 4 9 moves
    // in and passes; 1 3 5 7 fails and is the last.
    EXPECT_EQ(ticketsOf(filter.results, 4), (Tickets{{1, 2, 4, 6}, {2, 3, 4, 9}}));
    EXPECT_EQ(out.passCount, 2);
    EXPECT_EQ(filter.resultStatusText(), "超强组号  已得到符合条件的主号组有2个");
}

TEST(Cancellation, LeavesResultsAndStoreAsTheyWere) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ComboFilter filter(*ws);
    filter.conditions = plainConditions(33);
    filter.conditions.candidates.fill(false);
    for (int v = 1; v <= 10; ++v) filter.conditions.candidates[v] = true;
    ASSERT_EQ(filter.StartRun(quietRun()).status, RunStatus::Completed);
    const Tickets before = ticketsOf(filter.results, 6);
    const std::string store = ws->MainStore.fileBytes();
    filter.hitsShown = true;

    filter.conditions = plainConditions(33);
    filter.conditions.setEnabled(25, true);
    for (int v = 0; v < 200; ++v) filter.conditions.lists[25].values.push_back(v);
    RunRequest request = quietRun();
    request.referenceIssue = 2021002;
    int reports = 0;
    request.progress = [&](const RunProgress& p) {
        EXPECT_EQ(p.total, binomial(33, 6));
        return ++reports < 3;
    };
    EXPECT_EQ(filter.StartRun(request).status, RunStatus::Cancelled);
    EXPECT_EQ(reports, 3);
    EXPECT_EQ(ticketsOf(filter.results, 6), before);
    EXPECT_EQ(ws->MainStore.fileBytes(), store);
    EXPECT_TRUE(filter.hitsShown);

    request.progress = [](const RunProgress&) { return false; };
    for (int k = 0; k < 70000; ++k) filter.results.appendNumbers(std::vector<int32_t>{1, 2, 3, 4, 5, 7}.data(), 6);
    const Tickets big = ticketsOf(filter.results, 6);
    EXPECT_EQ(filter.ContinueRun(request).status, RunStatus::Cancelled);
    EXPECT_EQ(ticketsOf(filter.results, 6), big);
    EXPECT_EQ(ws->MainStore.fileBytes(), store);
}

TEST(RandomModes, UnfilteredTicketsAndShuffledSurvivors) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ComboFilter filter(*ws);
    filter.setRandomSeed(7);
    filter.conditions = plainConditions(33);
    filter.conditions.candidates.fill(false);
    for (int v = 1; v <= 8; ++v) filter.conditions.candidates[v] = true;  // 28 tickets

    RunRequest request = quietRun();
    request.randomMode = true;
    ASSERT_EQ(filter.StartRun(request).count, kDefaultRandomCount);
    bool outsideCandidates = false;
    for (const auto& t : ticketsOf(filter.results, 6)) {
        EXPECT_TRUE(std::is_sorted(t.begin(), t.end()));
        EXPECT_EQ(std::set<int>(t.begin(), t.end()).size(), 6u);
        EXPECT_GE(t.front(), 1);
        EXPECT_LE(t.back(), 33);
        outsideCandidates = outsideCandidates || t.back() > 8;
    }
    EXPECT_TRUE(outsideCandidates);

    request.randomAfterFilter = true;
    request.randomCount = 100;  // more than survive: all 28 kept, shuffled
    ASSERT_EQ(filter.StartRun(request).count, 28);
    Tickets shuffled = ticketsOf(filter.results, 6);
    ASSERT_EQ(filter.StartRun(quietRun()).count, 28);
    Tickets ordered = ticketsOf(filter.results, 6);
    EXPECT_NE(shuffled, ordered);
    std::sort(shuffled.begin(), shuffled.end());
    std::sort(ordered.begin(), ordered.end());
    EXPECT_EQ(shuffled, ordered);

    request.randomCount = 5;
    ASSERT_EQ(filter.StartRun(request).count, 5);
}

TEST(ResultPages, TenThousandAPage) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ComboFilter filter(*ws);
    filter.conditions = plainConditions(33);
    filter.conditions.candidates.fill(false);
    for (int v = 1; v <= 15; ++v) filter.conditions.candidates[v] = true;  // 5,005 tickets
    filter.conditions.candidates[16] = filter.conditions.candidates[17] = true;  // 12,376
    ASSERT_EQ(filter.StartRun(quietRun()).count, 12376);
    filter.currentPage = 2;
    const ResultPage page = filter.currentResultPage();
    EXPECT_EQ(page.pages, 2);
    EXPECT_EQ(page.first, 10001);
    EXPECT_EQ(page.last, 12376);
    ASSERT_EQ(page.rows.size(), 2376u);
    EXPECT_EQ(page.rows[0][0], "第10001条");
    EXPECT_EQ(page.headers.size(), 7u);
    const Combination& c = filter.results.slot(10001);
    EXPECT_EQ(page.rows[0][1], (c.bytes[0] < 10 ? "0" : "") + std::to_string(c.bytes[0]));
    EXPECT_EQ(resultCountLabel(12376), "投注结果：共12376注");
}

TEST(UndoRing, StepsAfterOneToSixRuns) {
    for (int runs = 1; runs <= 6; ++runs) {
        testing::TempDir dir;
        auto ws = makeWorkspace(3, 8, {});
        ws->ProgramFolder = dir.path();
        ComboFilter filter(*ws);
        for (int r = 1; r <= runs; ++r) {
            filter.conditions = plainConditions(8);
            filter.conditions.setEnabled(25, true);
            filter.conditions.lists[25].values = {r};  // marks which run the conditions belong to
            ASSERT_EQ(filter.StartRun(RunRequest{}).status, RunStatus::Completed);
        }
        const int steps = std::min(runs - 1, kMaxUndoSteps);
        for (int s = 1; s <= steps; ++s) {
            ASSERT_EQ(filter.undoConditions(), "") << runs << " runs, step " << s;
            EXPECT_EQ(filter.conditions.lists[25].values, std::vector<int32_t>{runs - s}) << runs << " runs";
        }
        EXPECT_EQ(filter.undoConditions(), kNoUndoMessage) << runs << " runs";
        filter.deleteUndoFiles();
        for (int k = 0; k < kUndoSlots; ++k) EXPECT_FALSE(std::filesystem::exists(dir / undoFileName(k)));
    }
}

TEST(UndoRing, RingArithmetic) {
    struct Expected {
        int oldest, current, steps;
    };
    const Expected afterPushes[] = {{0, 0, 0}, {0, 1, 1}, {0, 2, 2}, {0, 3, 3}, {0, 4, 4}, {1, 0, 4}, {2, 1, 4}};
    tjlq ring;
    EXPECT_FALSE(ring.stepBack());
    for (const auto& e : afterPushes) {
        ring.push();
        EXPECT_EQ(ring.oldest, e.oldest);
        EXPECT_EQ(ring.current, e.current);
        EXPECT_EQ(ring.steps, e.steps);
    }
    ASSERT_TRUE(ring.stepBack());
    EXPECT_EQ(ring.current, 0);
    ASSERT_TRUE(ring.stepBack());
    EXPECT_EQ(ring.current, 4);
}

TEST(FixedFiles, MissingFilesGiveTheirMessages) {
    testing::TempDir dir;
    auto ws = makeWorkspace(6, 33, kHistory);
    ws->ProgramFolder = dir.path();
    ComboFilter filter(*ws);
    filter.conditions.setEnabled(1, true);
    filter.conditions.lists[1].values = {2, 3};
    EXPECT_EQ(filter.loadStandardConditions(), kStandardFileMissingMessage);
    EXPECT_EQ(filter.loadExitConditions(), kExitFileMissingMessage);
    EXPECT_EQ(filter.undoConditions(), kNoUndoMessage);
    EXPECT_TRUE(filter.conditions.lists[1].enabled);  // nothing changed

    ASSERT_EQ(filter.saveStandardConditions(), "");
    ASSERT_EQ(filter.saveExitConditions(), "");
    EXPECT_TRUE(std::filesystem::exists(dir / "save/cgset.zh"));
    EXPECT_TRUE(std::filesystem::exists(dir / "exitset.zh"));
    filter.conditions.reset(33);
    ASSERT_EQ(filter.loadStandardConditions(), "");
    EXPECT_EQ(filter.conditions.lists[1].values, (std::vector<int32_t>{2, 3}));
}

TEST(BatchRun, NewRunThenContinuedRuns) {
    testing::TempDir dir;
    auto ws = makeWorkspace(4, 9, {});
    ws->ProgramFolder = dir.path();
    ComboFilter filter(*ws);
    filter.conditions = plainConditions(9);
    filter.conditions.setEnabled(2, true);  // 奇数个数 2
    filter.conditions.lists[2].values = {2};
    ASSERT_EQ(filter.SaveConditions(dir / "odd"), "");
    filter.conditions = plainConditions(9);
    filter.conditions.setEnabled(88, true);  // 主号一 1
    filter.conditions.lists[88].values = {1};
    ASSERT_EQ(filter.SaveConditions(dir / "first.zh"), "");

    const RunOutcome out = filter.runBatch({dir / "odd.zh", dir / "missing.zh", dir / "first.zh"}, RunRequest{});
    ASSERT_EQ(out.status, RunStatus::Completed);
    EXPECT_EQ(out.message, kBatchDoneMessage);
    for (const auto& t : ticketsOf(filter.results, 4)) {
        EXPECT_EQ(t[0], 1);
        EXPECT_EQ(std::count_if(t.begin(), t.end(), [](int v) { return v % 2; }), 2);
    }
    // 1, one more odd of 3 5 7 9 and two evens of 2 4 6 8: 4 × 6 tickets.
    EXPECT_EQ(out.count, 24);
}

}  // namespace
}  // namespace qorvel
