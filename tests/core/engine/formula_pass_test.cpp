// Formulas evaluated over the whole history in one pass, where the nested derived series share one memo:
// they must give the values of the plain definitions (worked out here on arrays) and of draw-by-draw
// evaluation without a pass, stay right when rows change during a pass, and stop cleanly when asked.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/custom_indicators.h"
#include "engine/formula_history.h"
#include "engine/indicators.h"
#include "engine/tgs_memo.h"
#include "engine_test_support.h"
#include "tgs_test_support.h"

namespace qorvel {
namespace {

using Series = std::vector<int32_t>;  // the value at rows 1..n, index 0 = row 1

// The plain definitions, on arrays.
Series omission(const Series& x) {
    Series out(x.size(), 0);
    for (std::size_t r = 1; r < x.size(); ++r) {
        int32_t count = 0;
        for (std::size_t j = r; j-- > 0 && x[j] != x[r];) ++count;
        out[r] = count;
    }
    return out;
}
Series amplitude(const Series& x) {
    Series out(x.size());
    for (std::size_t r = 0; r < x.size(); ++r) out[r] = std::abs(x[r] - (r > 0 ? x[r - 1] : 0));
    return out;
}
Series omissionAmplitude(const Series& x) {
    Series o = omission(x), out(x.size());
    for (std::size_t r = 0; r < x.size(); ++r) out[r] = std::abs(o[r] - (r > 0 ? o[r - 1] : 0));
    return out;
}
Series plus(Series x, int32_t k) {
    for (auto& v : x) v += k;
    return x;
}
Series combine(const Series& a, const Series& b, const std::function<int32_t(int32_t, int32_t)>& f) {
    Series out(a.size());
    for (std::size_t r = 0; r < a.size(); ++r) out[r] = f(a[r], b[r]);
    return out;
}
// The series read `by` draws away, staying inside the history.
Series shifted(const Series& x, int by) {
    Series out(x.size());
    const int last = static_cast<int>(x.size()) - 1;
    for (int r = 0; r <= last; ++r) out[static_cast<std::size_t>(r)] = x[static_cast<std::size_t>(std::clamp(r + by, 0, last))];
    return out;
}

// A catalogue code (or "test") at every row, read with the indicator lookup.
Series codeSeries(Workspace& ws, const char* code) {
    Series out;
    for (int r = 1; r <= ws.MainStore.Count(); ++r) {
        ws.MainStore.SetRecNo(r);
        out.push_back(indicatorValue(ws, code));
    }
    return out;
}

// Draw by draw with a fresh evaluator and no pass open.
Series drawByDraw(Workspace& ws, const std::string& formula) {
    Series out;
    for (int r = 1; r <= ws.MainStore.Count(); ++r) {
        ws.MainStore.SetRecNo(r);
        out.push_back(testing::evaluateAt(ws, formula).value);
    }
    return out;
}

std::string nested(const std::string& function, int depth, const std::string& inner) {
    std::string s;
    for (int i = 0; i < depth; ++i) s += function + "(";
    return s + inner + std::string(static_cast<std::size_t>(depth), ')');
}

struct PassCase {
    std::string formula;
    std::function<Series(Workspace&)> expected;
};

std::vector<PassCase> passCases() {
    auto code = [](const char* c) { return [c](Workspace& ws) { return codeSeries(ws, c); }; };
    auto hz = code("z_hz");
    return {
        {"getylz(getylz(z_hz))", [=](Workspace& ws) { return omission(omission(hz(ws))); }},
        {"getylz(getylz(getylz(z_hz)))", [=](Workspace& ws) { return omission(omission(omission(hz(ws)))); }},
        {nested("getylz", 6, "z_hz"),
         [=](Workspace& ws) {
             Series s = hz(ws);
             for (int i = 0; i < 6; ++i) s = omission(s);
             return s;
         }},
        {"getzf(getzf(getzf(z_num1)))", [=](Workspace& ws) { return amplitude(amplitude(amplitude(codeSeries(ws, "z_num1")))); }},
        {"getylzzf(getzfylz(z_hz))", [=](Workspace& ws) { return omissionAmplitude(omission(amplitude(hz(ws)))); }},
        {"getzfylz(getylz(z_ac))", [=](Workspace& ws) { return omission(amplitude(omission(codeSeries(ws, "z_ac")))); }},
        {"getylz(getzf(z_hz)+1)", [=](Workspace& ws) { return omission(plus(amplitude(hz(ws)), 1)); }},
        {"max(getylz(z_num1),getylz(getzf(z_num6)))",
         [=](Workspace& ws) {
             return combine(omission(codeSeries(ws, "z_num1")), omission(amplitude(codeSeries(ws, "z_num6"))),
                            [](int32_t a, int32_t b) { return std::max({-1, a, b}); });
         }},
        {"getylz([-1]z_hz)", [=](Workspace& ws) { return omission(shifted(hz(ws), -1)); }},
        {"getylz(getylz([2]z_num1))", [=](Workspace& ws) { return omission(omission(shifted(codeSeries(ws, "z_num1"), 2))); }},
        {"getylz(getylz(test))", [=](Workspace& ws) { return omission(omission(codeSeries(ws, "test"))); }},
        {"getzb(c_zhfx:getylz(z_hz)|z_num1:27)",
         [=](Workspace& ws) { return combine(omission(hz(ws)), codeSeries(ws, "z_num1"), std::plus<int32_t>()); }},
    };
}

// Histories: prefixes of the bundled sample, and a made-up one of five tickets in a scrambled order, so
// the series repeat a lot and their omissions reach far back.
std::unique_ptr<Workspace> historyOf(int which) {
    if (which < 3) return testing::sampleWorkspace(which == 0 ? 50 : which == 1 ? 120 : 200);
    const std::vector<std::vector<int>> tickets = {
        {1, 2, 3, 4, 5, 6}, {3, 9, 14, 20, 27, 33}, {2, 4, 6, 8, 10, 12}, {5, 11, 17, 23, 29, 31}, {1, 7, 13, 19, 25, 30}};
    std::vector<std::vector<int>> draws;
    uint32_t seed = 7;
    for (int i = 0; i < 150; ++i) {
        seed = seed * 1103515245u + 12345u;
        std::vector<int> d{2010001 + i};
        const auto& t = tickets[(seed >> 16) % (i < 75 ? 3 : 5)];  // two tickets appear only later
        d.insert(d.end(), t.begin(), t.end());
        d.push_back(static_cast<int>(1 + (seed >> 8) % 16));
        draws.push_back(d);
    }
    auto ws = testing::workspaceWith(draws);
    for (int r = 1; r <= ws->MainStore.Count(); ++r) ws->MainStore.MutableRow(r).value = (r * 7) % 11;
    return ws;
}

class FormulaPassValues : public ::testing::TestWithParam<int> {};

TEST_P(FormulaPassValues, EqualThePlainDefinitionsAndDrawByDrawEvaluation) {
    for (const PassCase& c : passCases()) {
        auto ws = historyOf(GetParam());
        const int cursor = ws->MainStore.Count() / 2;
        ws->MainStore.SetRecNo(cursor);
        const Series expected = c.expected(*ws);
        ws->MainStore.SetRecNo(cursor);
        HistoryValues pass = evaluateAtEveryDraw(*ws, c.formula);
        EXPECT_TRUE(pass.failures.empty()) << c.formula;
        EXPECT_EQ(pass.values, expected) << c.formula;
        EXPECT_EQ(ws->MainStore.RecNo(), cursor) << c.formula;
        EXPECT_EQ(drawByDraw(*ws, c.formula), expected) << c.formula;
    }
}

std::string historyName(const ::testing::TestParamInfo<int>& info) {
    const char* names[] = {"sample50", "sample120", "sample200", "fiveTickets150"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Histories, FormulaPassValues, ::testing::Values(0, 1, 2, 3), historyName);

// Rows appended, edited or removed while a pass is open: every value afterwards is that of the history
// as it now stands.
void setDraw(t_s_dm& store, int row, std::vector<int> numbers) {
    if (row > store.Count()) store.SetCount(row);
    DrawRecord& rec = store.MutableRow(row);
    rec.fields[0] = 2030000 + row;
    for (std::size_t i = 0; i < numbers.size(); ++i) rec.fields[i + 1] = numbers[i];
}

void expectPassMatchesFreshEvaluation(Workspace& ws, const std::string& formula, const char* step) {
    Series inPass;
    for (int r = 1; r <= ws.MainStore.Count(); ++r) {
        ws.MainStore.SetRecNo(r);
        int32_t v = 0;
        tgs evaluator(ws);
        evaluator.evaluate(formula, v);
        inPass.push_back(v);
    }
    // The reference runs on a copy of the store, outside the open pass.
    Workspace copy;
    copy.params = ws.params;
    copy.zones = ws.zones;
    copy.MainStore.SetCount(ws.MainStore.Count());
    for (int r = 1; r <= ws.MainStore.Count(); ++r) copy.MainStore.MutableRow(r) = ws.MainStore.Row(r);
    EXPECT_EQ(inPass, drawByDraw(copy, formula)) << step << ": " << formula;
}

TEST(FormulaPassMemo, IsDroppedFromAChangedRowOn) {
    for (const char* formula : {"getylz(getzf(z_hz))", "getylz(getylz(z_num1))", "getzf([1]z_hz)",
                                "getylz(getylz([3]z_hz))", "getylz(test)"}) {
        auto ws = testing::sampleWorkspace(60);
        HistoryPass pass(*ws);
        expectPassMatchesFreshEvaluation(*ws, formula, "start");
        setDraw(ws->MainStore, 61, {1, 2, 3, 4, 5, 6});
        expectPassMatchesFreshEvaluation(*ws, formula, "append");
        setDraw(ws->MainStore, 61, {7, 9, 14, 20, 27, 33});
        expectPassMatchesFreshEvaluation(*ws, formula, "last row edited");
        ws->MainStore.MutableRow(61).value = 99;
        expectPassMatchesFreshEvaluation(*ws, formula, "last value column edited");
        ws->MainStore.SetCount(59);
        expectPassMatchesFreshEvaluation(*ws, formula, "two rows removed");
        setDraw(ws->MainStore, 30, {2, 8, 15, 21, 22, 30});
        pass.rowsChangedFrom(30);
        expectPassMatchesFreshEvaluation(*ws, formula, "earlier row edited");
        ws->MainStore.MutableRow(10).value = 1234;
        pass.valueColumnChangedFrom(10);
        expectPassMatchesFreshEvaluation(*ws, formula, "earlier value column edited");
    }
}

// A candidate row replaced again and again at the end, as the filter does: the history side is kept, the
// candidate's own row never comes from the previous candidate.
TEST(FormulaPassMemo, FollowsACandidateRowReplacedAtTheEnd) {
    auto ws = testing::sampleWorkspace(80);
    const std::vector<std::vector<int>> candidates = {
        {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {3, 9, 14, 20, 27, 33}, {2, 4, 6, 8, 10, 12}, {1, 2, 3, 4, 5, 6}};
    const char* formulas[] = {"getylz(z_hz)", "getzfylz(z_num1)", "getylzzf(getzf(z_hz))", "[-1]z_hz+getzf(z_hz)",
                              "getylz([1]z_hz)", "getylz(getzf([2]getzf([+1]z_num1)))", "getzf([1]z_hz)"};
    HistoryPass pass(*ws);
    for (const auto& numbers : candidates) {
        setDraw(ws->MainStore, 81, numbers);
        ws->MainStore.SetRecNo(81);
        for (const char* formula : formulas) {
            const auto inPass = testing::evaluateAt(*ws, formula);
            ASSERT_TRUE(inPass.ok) << inPass.error;
            auto fresh = testing::sampleWorkspace(80);
            setDraw(fresh->MainStore, 81, numbers);
            fresh->MainStore.SetRecNo(81);
            EXPECT_EQ(inPass.value, testing::evaluateAt(*fresh, formula).value) << formula;
        }
        ws->MainStore.SetCount(80);
    }
}

struct RefusalCase {
    std::string label;
    std::string formula;
    std::string error;  // empty: evaluates
};

class FormulaTextLimits : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(FormulaTextLimits, AreTestedBeforeEvaluation) {
    auto ws = testing::sampleWorkspace(30);
    ws->MainStore.SetRecNo(30);
    auto outcome = testing::evaluateAt(*ws, GetParam().formula);
    EXPECT_EQ(outcome.ok, GetParam().error.empty()) << outcome.error;
    EXPECT_EQ(outcome.error, GetParam().error);
    EXPECT_EQ(ws->MainStore.RecNo(), 30);
}

// max(1,1,…,1) of exactly `length` characters (the last argument 11 when the count needs it).
std::string maxOfOnes(std::size_t length) {
    std::string inner = "1";
    while (inner.size() + 2 <= length - 5) inner += ",1";
    if (inner.size() < length - 5) inner += "1";
    return "max(" + inner + ")";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormulaTextLimits,
    ::testing::Values(
        RefusalCase{"getzf_31_deep", nested("getzf", kMaxFormulaNesting - 1, "z_hz"), ""},
        RefusalCase{"getzf_32_deep", nested("getzf", kMaxFormulaNesting, "z_hz"), formula_error::kTooDeep},
        RefusalCase{"getzf_10000_deep", nested("getzf", 10000, "z_hz"), formula_error::kTooDeep},
        RefusalCase{"groups_100_deep", nested("", 100, "z_hz"), ""},
        RefusalCase{"calls_inside_groups", "(" + nested("abs", kMaxFormulaNesting - 1, "1") + ")", ""},
        RefusalCase{"deep_text_after_space", "z_hz " + nested("getzf", 100, "z_hz"), ""},
        RefusalCase{"longest_accepted", maxOfOnes(kMaxFormulaLength), ""},
        RefusalCase{"one_character_too_long", maxOfOnes(kMaxFormulaLength + 1), formula_error::kTooLong},
        RefusalCase{"max_120000_arguments", maxOfOnes(240001), formula_error::kTooLong}),
    [](const auto& info) { return info.param.label; });

TEST(FormulaTextLimits, TheNestedValueAtTheLimitIsThatOfTheDefinition) {
    auto ws = testing::sampleWorkspace(40);
    Series expected = codeSeries(*ws, "z_hz");
    for (int i = 0; i < kMaxFormulaNesting - 1; ++i) expected = amplitude(expected);
    EXPECT_EQ(evaluateAtEveryDraw(*ws, nested("getzf", kMaxFormulaNesting - 1, "z_hz")).values, expected);
}

// Stopping a pass through its progress callback.
TEST(HistoryPassProgress, ReportsEveryFewRowsAndStopsWithNothingChanged) {
    auto ws = testing::sampleWorkspace(300);
    for (int r = 1; r <= 300; ++r) ws->MainStore.MutableRow(r).value = -r;
    ws->MainStore.SetRecNo(123);
    const std::string before = ws->MainStore.fileBytes();

    std::vector<int> reported;
    auto all = evaluateAtEveryDraw(*ws, "getylz(getylz(z_hz))", [&](int done, int total) {
        EXPECT_EQ(total, 300);
        reported.push_back(done);
        return true;
    });
    EXPECT_FALSE(all.stopped);
    EXPECT_EQ(all.values.size(), 300u);
    EXPECT_EQ(reported, (std::vector<int>{64, 128, 192, 256}));

    int calls = 0;
    auto stopped = evaluateAtEveryDraw(*ws, "getylz(getylz(z_hz))", [&](int, int) { return ++calls < 2; });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_TRUE(stopped.values.empty());
    EXPECT_EQ(ws->MainStore.RecNo(), 123);

    calls = 0;
    DissectionSeries series = computeDissectionSeries(*ws, "getylz(test)+1", [&](int, int) { return ++calls < 3; });
    EXPECT_TRUE(series.stopped);
    EXPECT_FALSE(series.ok);
    EXPECT_EQ(ws->MainStore.RecNo(), 123);
    EXPECT_EQ(ws->MainStore.fileBytes(), before);
    for (int r = 1; r <= 300; ++r) EXPECT_EQ(ws->MainStore.Row(r).value, -r) << r;
}

// The dissection writes each draw's value into the value column as it goes, so a formula reading "test"
// sees the new values of the earlier draws: the pass must give what draw-by-draw evaluation gives.
TEST(HistoryPassProgress, DissectionOfAFormulaReadingTheValueColumn) {
    for (const char* formula : {"getylz(test)+1", "getzf([-1]test)+2", "getylz(getzf(test))"}) {
        auto ws = testing::sampleWorkspace(150);
        auto reference = testing::sampleWorkspace(150);
        for (int r = 1; r <= 150; ++r) reference->MainStore.MutableRow(r).value = ws->MainStore.MutableRow(r).value = r % 4;
        DissectionSeries series = computeDissectionSeries(*ws, formula, [](int, int) { return true; });
        ASSERT_TRUE(series.ok) << series.error;
        for (int r = 1; r <= 150; ++r) {
            reference->MainStore.SetRecNo(r);
            reference->MainStore.SetValue(testing::evaluateAt(*reference, formula).value);
            EXPECT_EQ(ws->MainStore.Row(r).value, reference->MainStore.Row(r).value) << formula << " row " << r;
        }
    }
}

// Failing draws are listed with the evaluator's text; the values go on after them unless the pass is to
// stop at the first one.
TEST(HistoryPassFailures, AreListedInRowOrder) {
    auto ws = testing::workspaceWith({{2020001, 1, 2, 3, 4, 5, 6, 1},
                                      {2020002, 2, 4, 6, 8, 10, 12, 2},
                                      {2020003, 1, 5, 7, 9, 11, 13, 3},
                                      {2020004, 3, 4, 5, 6, 7, 8, 4}});
    const std::string formula = "getzf(z_hz)+10/(z_num1-1)";
    HistoryValues all = evaluateAtEveryDraw(*ws, formula);
    ASSERT_EQ(all.failures.size(), 2u);
    EXPECT_EQ(all.failures[0].row, 1);
    EXPECT_EQ(all.failures[1].row, 3);
    EXPECT_EQ(all.failures[1].error, formula_error::kDivisionByZero);
    // Left to right: (getzf(z_hz) + 10) / (z_num1 − 1); a failed draw holds the value reached, 0 inside the
    // group that divides by zero.
    EXPECT_EQ(all.values, (Series{0, (21 + 10) / 1, 0, (13 + 10) / 2}));

    HistoryValues first = evaluateAtEveryDraw(*ws, formula, {}, true);
    EXPECT_EQ(first.values, (Series{0}));
    EXPECT_EQ(first.failures.size(), 1u);
}

}  // namespace
}  // namespace qorvel
