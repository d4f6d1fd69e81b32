#include "combos/special_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "combo_test_support.h"
#include "combos/combo_filter.h"
#include "draws/draw_text.h"
#include "test_support.h"
#include "text/file_io.h"

namespace qorvel {
namespace {

using Numbers = std::vector<int>;

Numbers range(int from, int to) {
    Numbers out;
    for (int v = from; v <= to; ++v) out.push_back(v);
    return out;
}

Numbers singlesOf(const SpecialResultSet& set) {
    Numbers out;
    for (int k = 1; k <= set.count(); ++k) out.push_back(set.at(k).numbers[0]);
    return out;
}

std::vector<Numbers> pairsOf(const SpecialResultSet& set) {
    std::vector<Numbers> out;
    for (int k = 1; k <= set.count(); ++k) out.push_back({set.at(k).numbers[0], set.at(k).numbers[1]});
    return out;
}

// Six of 1..33 plus one of 1..16; the special numbers of the five draws are 5, 12, 3, 12, 7.
std::unique_ptr<Workspace> blueHistory() {
    return testing::makeWorkspace(6, 33, {{2024001, 1, 2, 3, 4, 5, 6, 5},
                                          {2024002, 2, 3, 4, 5, 6, 7, 12},
                                          {2024003, 3, 4, 5, 6, 7, 8, 3},
                                          {2024004, 4, 5, 6, 7, 8, 9, 12},
                                          {2024005, 5, 6, 7, 8, 9, 10, 7}});
}

BlueCondition choice(int item, bool tolerant = false) { return {true, item, {}, {}, {}, tolerant}; }
BlueCondition values(std::vector<int32_t> v, bool tolerant = false) { return {true, -1, std::move(v), {}, {}, tolerant}; }
BlueCondition mean(double lower, double upper) { return {true, -1, {}, lower, upper, false}; }

struct BlueCase {
    const char* name;
    std::vector<std::pair<int, BlueCondition>> conditions;
    TotalTolerance tolerance;
    Numbers expected;  // worked out by hand from the specials 5, 12, 3, 12, 7 (last)
};

class BlueFilter : public ::testing::TestWithParam<BlueCase> {};

TEST_P(BlueFilter, KeepsTheNumbersWorkedOutByHand) {
    const BlueCase& c = GetParam();
    auto ws = blueHistory();
    ws->MainStore.SetRecNo(2);
    const std::string before = ws->MainStore.fileBytes();
    BlueConditionSet set;
    set.reset();
    for (const auto& [id, condition] : c.conditions) *set.condition(id) = condition;
    set.totalTolerance = c.tolerance;
    SpecialResultSet results;
    results.appendNumbers({9});
    const SpecialRunOutcome out = StartBlueFilter(*ws, set, results);
    EXPECT_FALSE(out.refused) << out.message;
    EXPECT_EQ(singlesOf(results), c.expected);
    EXPECT_EQ(out.count, static_cast<int>(c.expected.size()));
    EXPECT_EQ(ws->MainStore.fileBytes(), before) << "the forecast row is gone again";
    EXPECT_EQ(ws->MainStore.RecNo(), 2);
}

TotalTolerance tolerance(int from, int to) { return {true, from, to}; }

INSTANTIATE_TEST_SUITE_P(
    Cases, BlueFilter,
    ::testing::Values(
        BlueCase{"nothing", {}, {}, range(1, 16)},
        BlueCase{"small", {{3, choice(0)}}, {}, range(1, 8)},
        BlueCase{"big", {{3, choice(1)}}, {}, range(9, 16)},
        BlueCase{"evenComposite", {{1, choice(1)}, {2, choice(1)}}, {}, {4, 6, 8, 10, 12, 14, 16}},
        BlueCase{"oddPrimeOneCounts", {{1, choice(0)}, {2, choice(0)}}, {}, {1, 3, 5, 7, 11, 13}},
        BlueCase{"choiceNotMadeIsIgnored", {{1, choice(-1)}}, {}, range(1, 16)},
        BlueCase{"remainders", {{4, values({0})}, {5, values({1})}}, {}, {9}},
        BlueCase{"remainderByFive", {{6, values({2, 4})}}, {}, {2, 4, 7, 9, 12, 14}},
        BlueCase{"amplitudeFromLastSeven", {{7, values({0, 1})}}, {}, {6, 7, 8}},
        BlueCase{"omission", {{8, values({1, 2})}}, {}, {3, 12}},
        BlueCase{"omissionNeverDrawn", {{8, values({5})}}, {}, {1, 2, 4, 6, 8, 9, 10, 11, 13, 14, 15, 16}},
        BlueCase{"emptyListIgnored", {{8, values({})}}, {}, range(1, 16)},
        BlueCase{"twoDrawMean", {{9, mean(9.0, 10.0)}}, {}, {11, 12, 13}},
        // (s + 12 + 7) / 3 to one decimal: 6.67 -> 6.7 and 7.33 -> 7.3 are inside, 7.67 -> 7.7 is not.
        BlueCase{"threeDrawMeanRounded", {{10, mean(6.7, 7.3)}}, {}, {1, 2, 3}},
        // Only five earlier draws: (s + 39) / 6; 7.0 only for s = 3 (6.8 and 7.2 around it).
        BlueCase{"tenDrawMeanOverTheDrawsThereAre", {{13, mean(7.0, 7.0)}}, {}, {3}},
        BlueCase{"tolerantNeverRejectsWithoutTotal", {{3, choice(0, true)}, {1, choice(0, true)}}, {}, range(1, 16)},
        BlueCase{"atMostOneFault", {{3, choice(0, true)}, {1, choice(0, true)}}, tolerance(0, 1),
                 {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 13, 15}},
        BlueCase{"atLeastOneFault", {{3, choice(0, true)}}, tolerance(1, 3), range(9, 16)},
        BlueCase{"toleranceIgnoresHardFailures", {{3, choice(0)}, {1, choice(1, true)}}, tolerance(1, 1), {1, 3, 5, 7}}),
    [](const auto& info) { return std::string(info.param.name); });

struct CustomCase {
    const char* name;
    std::vector<CustomIndicatorCondition> customs;
    bool on;
    Numbers expected;
};

class BlueCustom : public ::testing::TestWithParam<CustomCase> {};

TEST_P(BlueCustom, FormulasReadTheCandidateInTheForecastRow) {
    const CustomCase& c = GetParam();
    auto ws = blueHistory();
    BlueConditionSet set;
    set.reset();
    set.customOn = c.on;
    set.customs = c.customs;
    SpecialResultSet results;
    StartBlueFilter(*ws, set, results);
    EXPECT_EQ(singlesOf(results), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlueCustom,
    ::testing::Values(
        CustomCase{"remainder", {{"f_num1%4", {0}, false}}, true, {4, 8, 12, 16}},
        CustomCase{"switchOff", {{"f_num1%4", {0}, false}}, false, range(1, 16)},
        CustomCase{"emptyValuesStopTheLaterOnes", {{"f_num1", {}, false}, {"f_num1%4", {0}, false}}, true, range(1, 16)},
        CustomCase{"brokenFormulaStops", {{"f_num1+", {1}, false}, {"f_num1%4", {0}, false}}, true, range(1, 16)},
        CustomCase{"secondStillApplies", {{"f_num1%2", {0}, false}, {"f_num1%4", {0}, false}}, true, {4, 8, 12, 16}}),
    [](const auto& info) { return std::string(info.param.name); });

// An independent count over the bundled history: the amplitude and omission of each special number are
// worked out here from the list of special numbers alone.
TEST(BlueFilterOnSample, AmplitudeAndOmissionMatchACountOverTheSpecialNumbers) {
    auto ws = testing::makeWorkspace(6, 33, {});
    std::vector<int> specials;
    for (const DrawFields& f : testing::sampleSsqDraws()) {
        ws->MainStore.Append();
        ws->MainStore.MutableRow(ws->MainStore.RecNo()).fields = f;
        specials.push_back(f[7]);
    }
    struct Case {
        std::vector<int32_t> amplitudes, omissions;
    };
    for (const Case& c : {Case{{0, 1, 2, 3}, {}}, Case{{}, range(0, 10)}, Case{{4, 5, 6, 7, 8}, {12, 13, 14, 15, 16, 17, 18, 19, 20}}}) {
        BlueConditionSet set;
        set.reset();
        if (!c.amplitudes.empty()) *set.condition(7) = values(c.amplitudes);
        if (!c.omissions.empty()) *set.condition(8) = values(c.omissions);
        SpecialResultSet results;
        StartBlueFilter(*ws, set, results);

        Numbers expected;
        for (int s = 1; s <= 16; ++s) {
            const int amplitude = std::abs(s - specials.back());
            const auto last = std::find(specials.rbegin(), specials.rend(), s);
            const int omission = static_cast<int>(last - specials.rbegin());
            const auto has = [](const std::vector<int32_t>& l, int v) {
                return l.empty() || std::find(l.begin(), l.end(), v) != l.end();
            };
            if (has(c.amplitudes, amplitude) && has(c.omissions, omission)) expected.push_back(s);
        }
        EXPECT_EQ(singlesOf(results), expected);
        EXPECT_FALSE(expected.empty());
    }
}

// Custom formulas that look back over the history, for every candidate special number: the omission and
// the omission of the omission series, worked out here from the list of special numbers with the
// candidate appended.
TEST(BlueFilterOnSample, LookBackCustomFormulasMatchACountOverTheSpecialNumbers) {
    auto ws = testing::makeWorkspace(6, 33, {});
    std::vector<int32_t> specials;
    for (const DrawFields& f : testing::sampleSsqDraws()) {
        if (specials.size() == 400) break;
        ws->MainStore.Append();
        ws->MainStore.MutableRow(ws->MainStore.RecNo()).fields = f;
        specials.push_back(f[7]);
    }
    const auto omissions = [](const std::vector<int32_t>& x) {
        std::vector<int32_t> out(x.size(), 0);
        for (std::size_t r = 1; r < x.size(); ++r)
            for (std::size_t j = r; j-- > 0 && x[j] != x[r];) ++out[r];
        return out;
    };
    BlueConditionSet set;
    set.reset();
    set.customOn = true;
    set.customs = {{"getylz(f_num1)", range(0, 12), false}, {"getylz(getylz(f_num1))", range(0, 40), false}};
    SpecialResultSet results;
    StartBlueFilter(*ws, set, results);

    Numbers expected;
    for (int s = 1; s <= 16; ++s) {
        std::vector<int32_t> series = specials;
        series.push_back(s);
        const auto once = omissions(series);
        const auto twice = omissions(once);
        if (once.back() <= 12 && twice.back() <= 40) expected.push_back(s);
    }
    EXPECT_EQ(singlesOf(results), expected);
    EXPECT_FALSE(expected.empty());
    EXPECT_LT(expected.size(), 16u);
    EXPECT_EQ(ws->MainStore.Count(), 400);
}

TEST(BlueFilterRefusals, ForecastRowIsClearedAndMeanBoundsAreRequired) {
    auto ws = blueHistory();
    SpecialResultSet results;
    results.appendNumbers({4});
    BlueConditionSet set;
    set.reset();

    ws->MainStore.Append();
    ws->MainStore.MutableRow(ws->MainStore.RecNo()).fields[0] = kForecastIssue;
    SpecialRunOutcome out = StartBlueFilter(*ws, set, results);
    EXPECT_TRUE(out.refused);
    EXPECT_EQ(out.message, kBlueForecastRowMessage);
    EXPECT_EQ(ws->MainStore.Count(), 5) << "the forecast row is cleared";
    EXPECT_EQ(singlesOf(results), Numbers{4});

    *set.condition(11) = BlueCondition{true, -1, {}, 3.0, std::nullopt, false};
    out = StartBlueFilter(*ws, set, results);
    EXPECT_TRUE(out.refused);
    EXPECT_EQ(out.message, "四期均值还未确定范围");
    EXPECT_EQ(singlesOf(results), Numbers{4});
    EXPECT_EQ(ws->MainStore.Count(), 5);
}

TEST(BlueFilterRange, CandidatesFollowTheSpecialRange) {
    auto ws = blueHistory();
    ws->params.SpecialFrom = 3;
    ws->params.SpecialTo = 9;
    BlueConditionSet set;
    set.reset();
    SpecialResultSet results;
    StartBlueFilter(*ws, set, results);
    EXPECT_EQ(singlesOf(results), range(3, 9));
    EXPECT_EQ(blueResultLabel(results.count()), "过滤结果：共7个");
    EXPECT_EQ(blueResultLines(results).front(), "03");
}

// ---- Two special numbers ----

// Five of 1..35 plus two of 1..12; special pairs (3,9), (1,4), (4,11), last (2,4).
std::unique_ptr<Workspace> zoneHistory() {
    auto ws = testing::makeWorkspace(5, 35, {{2024001, 1, 2, 3, 4, 5, 3, 9},
                                             {2024002, 2, 3, 4, 5, 6, 1, 4},
                                             {2024003, 3, 4, 5, 6, 7, 4, 11},
                                             {2024004, 4, 5, 6, 7, 8, 2, 4}});
    ws->params.SpecialCount = 2;
    ws->params.SpecialTo = 12;
    return ws;
}

struct ZoneCase {
    const char* name;
    std::function<void(ZoneConditionSet&)> set;
    std::vector<Numbers> expected;  // in enumeration order
};

std::vector<Numbers> allPairsDescending(const Numbers& candidates, const Numbers& bankers) {
    // Every pair, read as (larger, smaller) in descending order, that holds all bankers.
    std::vector<Numbers> out;
    for (auto hi = candidates.rbegin(); hi != candidates.rend(); ++hi)
        for (auto lo = hi + 1; lo != candidates.rend(); ++lo) {
            int held = 0;
            for (int b : bankers) held += (b == *hi || b == *lo) ? 1 : 0;
            if (held == static_cast<int>(bankers.size())) out.push_back({*lo, *hi});
        }
    return out;
}

class ZoneFilter : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneFilter, EnumeratesAndFiltersTheSpecialGroups) {
    const ZoneCase& c = GetParam();
    auto ws = zoneHistory();
    ws->MainStore.SetRecNo(3);
    const std::string before = ws->MainStore.fileBytes();
    ZoneConditionSet set;
    set.reset(ws->params);
    c.set(set);
    SpecialResultSet results;
    const SpecialRunOutcome out = StartSpecialFilter(*ws, set, results);
    EXPECT_FALSE(out.refused);
    EXPECT_EQ(pairsOf(results), c.expected);
    EXPECT_EQ(ws->MainStore.fileBytes(), before);
    EXPECT_EQ(ws->MainStore.RecNo(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ZoneFilter,
    ::testing::Values(
        ZoneCase{"everyPair", [](ZoneConditionSet&) {}, allPairsDescending(range(1, 12), {})},
        ZoneCase{"candidates",
                 [](ZoneConditionSet& s) {
                     s.candidates.fill(false);
                     s.candidates[1] = s.candidates[2] = s.candidates[3] = true;
                 },
                 {{2, 3}, {1, 3}, {1, 2}}},
        ZoneCase{"oneBanker", [](ZoneConditionSet& s) { s.bankers[5] = true; }, allPairsDescending(range(1, 12), {5})},
        ZoneCase{"twoBankersGiveOneGroup", [](ZoneConditionSet& s) { s.bankers[3] = s.bankers[7] = true; }, {{3, 7}}},
        ZoneCase{"bankerOutsideTheCandidates",
                 [](ZoneConditionSet& s) {
                     s.candidates.fill(false);
                     s.candidates[1] = s.candidates[2] = true;
                     s.bankers[9] = true;
                 },
                 {{2, 9}, {1, 9}}},
        ZoneCase{"firstAndSum",
                 [](ZoneConditionSet& s) {
                     s.lists[1] = {1, "f_num1", true, {1, 2}, false};
                     s.lists[5] = {5, "f_hz", true, {5}, false};
                 },
                 {{1, 4}, {2, 3}}},
        ZoneCase{"differenceTolerant",
                 [](ZoneConditionSet& s) {
                     s.lists[6] = {6, "f_cz", true, {1}, true};
                     s.lists[2] = {2, "f_num2", true, {12}, true};
                     s.totalTolerance = {true, 0, 0};
                 },
                 {{11, 12}}},
        // Omission of each number in the second place: 4 was drawn last (0), 11 one draw earlier (1).
        ZoneCase{"secondOmission",
                 [](ZoneConditionSet& s) { s.lists[8] = {8, "f_num2yl", true, {0, 1}, false}; },
                 {{10, 11}, {9, 11}, {8, 11}, {7, 11}, {6, 11}, {5, 11}, {4, 11}, {3, 11}, {2, 11}, {1, 11},
                  {3, 4}, {2, 4}, {1, 4}}},
        ZoneCase{"customFormula",
                 [](ZoneConditionSet& s) {
                     s.customOn = true;
                     s.customs = {{"f_num2-f_num1", {10}, false}};
                 },
                 {{2, 12}, {1, 11}}},
        ZoneCase{"disabledListIgnored",
                 [](ZoneConditionSet& s) { s.lists[1] = {1, "f_num1", false, {1}, false}; },
                 allPairsDescending(range(1, 12), {})}),
    [](const auto& info) { return std::string(info.param.name); });

// An independent count over the bundled five-plus-two history: each position's omission is counted here
// from the list of special pairs alone.
TEST(ZoneFilterOnSample, OmissionsMatchACountOverTheSpecialPairs) {
    TypeParams p;
    p.MainCount = 5;
    p.MainTo = 35;
    p.SpecialCount = 2;
    p.SpecialTo = 12;
    const auto draws = parseDrawText(readFileBytes(QORVEL_SAMPLE_DIR "/dlt.txt").value_or(""), p).draws;
    ASSERT_GT(draws.size(), 100u);
    auto ws = testing::makeWorkspace(5, 35, {});
    ws->params = p;
    loadDrawsIntoStore(ws->MainStore, draws);

    auto omission = [&](int position, int v) {
        int count = 0;
        for (auto d = draws.rbegin(); d != draws.rend() && (*d)[static_cast<std::size_t>(5 + position)] != v; ++d) ++count;
        return count;
    };
    struct Case {
        std::vector<int32_t> first, second;
    };
    for (const Case& c : {Case{range(0, 4), {}}, Case{{}, range(0, 6)}, Case{range(2, 9), range(0, 3)}}) {
        ZoneConditionSet set;
        set.reset(p);
        if (!c.first.empty()) set.lists[7] = {7, "f_num1yl", true, c.first, false};
        if (!c.second.empty()) set.lists[8] = {8, "f_num2yl", true, c.second, false};
        SpecialResultSet results;
        StartSpecialFilter(*ws, set, results);

        std::vector<Numbers> expected;
        const auto allowed = [](const std::vector<int32_t>& l, int v) {
            return l.empty() || std::find(l.begin(), l.end(), v) != l.end();
        };
        for (const Numbers& pair : allPairsDescending(range(1, 12), {}))
            if (allowed(c.first, omission(1, pair[0])) && allowed(c.second, omission(2, pair[1]))) expected.push_back(pair);
        EXPECT_EQ(pairsOf(results), expected);
        EXPECT_FALSE(expected.empty());
    }
}

TEST(ZoneFilterRules, ForecastRowRefusesAndBankersAreLimited) {
    auto ws = zoneHistory();
    ws->MainStore.Append();
    ws->MainStore.MutableRow(ws->MainStore.RecNo()).fields[0] = kForecastIssue;
    ZoneConditionSet set;
    set.reset(ws->params);
    SpecialResultSet results;
    const SpecialRunOutcome out = StartSpecialFilter(*ws, set, results);
    EXPECT_TRUE(out.refused);
    EXPECT_EQ(out.message, kForecastRowMessage);
    EXPECT_EQ(ws->MainStore.Count(), 4);
    EXPECT_TRUE(results.empty());

    EXPECT_EQ(set.setBankers({3, 5}, 2), "");
    EXPECT_TRUE(set.bankers[3] && set.bankers[5]);
    EXPECT_EQ(set.setBankers({1, 3, 5}, 2), "选择副区胆码不能大于2个");
    EXPECT_EQ(std::count(set.bankers.begin(), set.bankers.end(), true), 0) << "the bankers are cleared";
}

TEST(ZoneGrid, HeadersRowsAndEdits) {
    SpecialResultSet set;
    set.appendNumbers({3, 9});
    set.appendNumbers({1, 12});
    const SpecialResultGrid grid = specialResultGrid(set, 2);
    EXPECT_EQ(grid.headers, (std::vector<std::string>{"序号", "副号一", "副号二"}));
    EXPECT_EQ(grid.rows[1], (std::vector<std::string>{"第2条", "01", "12"}));

    EXPECT_EQ(set.remove(0), kSelectRowToDeleteMessage);
    EXPECT_EQ(set.replace(3, {1, 2}), kSelectRowToModifyMessage);
    EXPECT_EQ(set.replace(2, {5, 6}), "");
    EXPECT_EQ(set.remove(1), "");
    EXPECT_EQ(pairsOf(set), (std::vector<Numbers>{{5, 6}}));
}

TEST(BlueResultList, AddingKeepsTheNumbersAscendingAndSingle) {
    SpecialResultSet set;
    EXPECT_EQ(set.insertSingle(9), 1);
    EXPECT_EQ(set.insertSingle(3), 1);
    EXPECT_EQ(set.insertSingle(12), 3);
    EXPECT_EQ(set.insertSingle(9), 2);  // already there
    EXPECT_EQ(singlesOf(set), (Numbers{3, 9, 12}));
}

TEST(SpecialResultFiles, SaveAndLoadKeepTheGroupsInOrder) {
    testing::TempDir dir;
    SpecialResultSet set;
    set.appendNumbers({11, 12});
    set.appendNumbers({2, 7});
    EXPECT_EQ(saveSpecialResults(dir / "fq.txt", set, 2), "");
    SpecialResultSet loaded;
    EXPECT_EQ(loadSpecialResults(dir / "fq.txt", 2, loaded), "");
    EXPECT_EQ(pairsOf(loaded), pairsOf(set));
    loaded.appendNumbers({1, 1});
    EXPECT_NE(loadSpecialResults(dir / "missing.txt", 2, loaded), "");
    EXPECT_EQ(loaded.count(), 3) << "a failed load keeps the set";
}

}  // namespace
}  // namespace qorvel
