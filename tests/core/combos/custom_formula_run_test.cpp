// Custom-indicator conditions whose formulas look back over the history: the filter keeps their history
// side for the whole run and recomputes only the candidate's own row, so every verdict must equal the
// one reached by placing each ticket in a fresh copy of the history and evaluating from scratch.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "combos/candidate_check.h"
#include "draws/draw_text.h"
#include "engine/tgs.h"
#include "test_support.h"

namespace qorvel {
namespace {

constexpr int kHistoryDraws = 120;
constexpr int kSpaceTo = 14;  // every ticket of six of 1..14, shuffled

std::unique_ptr<Workspace> historyWorkspace() {
    auto ws = std::make_unique<Workspace>();
    ws->zones = buildZoneBounds(ws->params.MainTo);
    auto draws = testing::sampleSsqDraws();
    draws.resize(kHistoryDraws);
    loadDrawsIntoStore(ws->MainStore, draws);
    return ws;
}

std::vector<Ticket> shuffledSpace() {
    std::vector<Ticket> out;
    int32_t n[6];
    for (n[0] = 1; n[0] <= kSpaceTo; ++n[0])
        for (n[1] = n[0] + 1; n[1] <= kSpaceTo; ++n[1])
            for (n[2] = n[1] + 1; n[2] <= kSpaceTo; ++n[2])
                for (n[3] = n[2] + 1; n[3] <= kSpaceTo; ++n[3])
                    for (n[4] = n[3] + 1; n[4] <= kSpaceTo; ++n[4])
                        for (n[5] = n[4] + 1; n[5] <= kSpaceTo; ++n[5]) out.push_back(makeTicket(n, 6));
    std::mt19937 random(5150);
    std::shuffle(out.begin(), out.end(), random);
    out.insert(out.begin() + 10, out.begin(), out.begin() + 10);  // the same tickets again, back to back
    return out;
}

std::vector<int32_t> range(int from, int to) {
    std::vector<int32_t> v;
    for (int i = from; i <= to; ++i) v.push_back(i);
    return v;
}

// The verdict worked out without the filter: the ticket appended to a history no run has touched.
CandidateChecker::Verdict reference(Workspace& ws, const std::vector<CustomIndicatorCondition>& customs,
                                    const Ticket& t) {
    t_s_dm& store = ws.MainStore;
    store.SetCount(kHistoryDraws + 1);
    DrawRecord& row = store.MutableRow(kHistoryDraws + 1);
    row = DrawRecord{};
    row.fields[0] = kCandidateIssue;
    for (int i = 0; i < t.count; ++i) row.fields[i + 1] = t.n[i];
    store.SetRecNo(kHistoryDraws + 1);
    CandidateChecker::Verdict v{true, 0};
    for (const auto& c : customs) {
        tgs evaluator(ws);
        int32_t value = 0;
        if (!evaluator.evaluate(c.formula, value)) break;
        if (std::find(c.values.begin(), c.values.end(), value) != c.values.end()) continue;
        if (!c.tolerant) {
            v.pass = false;
            break;
        }
        ++v.faults;
    }
    store.SetCount(kHistoryDraws);
    return v;
}

TEST(CustomFormulaRun, HistorySideKeptAcrossCandidatesGivesTheFreshVerdicts) {
    const std::vector<CustomIndicatorCondition> customs = {
        {"getylz(z_hz)", range(0, 40), false},
        {"getzfylz(z_num1)", range(0, 3), true},
        {"getylz(getylz(z_hz))", range(0, 30), false},
        {"max(getzf(z_num6),[-1]z_num6)", range(0, 30), true},
        {"getylzzf(z_hz)+getylz(getzf(z_hz))", range(0, 150), false},
        {"getylz([1]z_hz)+getylz(getylz([1]z_hz))", range(0, 60), false},
    };
    const std::vector<Ticket> tickets = shuffledSpace();
    auto fresh = historyWorkspace();
    std::vector<CandidateChecker::Verdict> expected;
    for (const Ticket& t : tickets) expected.push_back(reference(*fresh, customs, t));

    for (EvaluationPath path : {EvaluationPath::Direct, EvaluationPath::ThroughStore}) {
        auto ws = historyWorkspace();
        ConditionSet c;
        c.reset(33);
        c.notEqualDistance = c.noSpecialRuns = false;
        c.customOn = true;
        c.customs = customs;
        CandidateChecker checker(*ws, c, path);
        int passed = 0, differing = 0;
        for (std::size_t i = 0; i < tickets.size(); ++i) {
            const auto v = checker.check(tickets[i], false);
            passed += v.pass ? 1 : 0;
            if (v.pass != expected[i].pass || (v.pass && v.faults != expected[i].faults)) ++differing;
        }
        EXPECT_EQ(differing, 0) << "path " << static_cast<int>(path);
        EXPECT_GT(passed, 0);
        EXPECT_LT(passed, static_cast<int>(tickets.size()));
        EXPECT_EQ(ws->MainStore.Count(), kHistoryDraws);
    }
}

}  // namespace
}  // namespace qorvel
