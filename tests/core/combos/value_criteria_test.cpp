#include "combos/value_criteria.h"

#include <gtest/gtest.h>

#include <numeric>

#include "combo_test_support.h"
#include "engine/indicators.h"

namespace qorvel {
namespace {

using testing::makeWorkspace;

std::vector<int32_t> span(int from, int to, int step = 1) {
    std::vector<int32_t> out;
    for (int v = from; v <= to; v += step) out.push_back(v);
    return out;
}

ValueCriteria odd() {
    ValueCriteria c;
    c.parityOn = true;
    c.odd = true;
    return c;
}

ValueCriteria remainders(int k, std::initializer_list<int> accepted, ValueCriteria c = {}) {
    c.remainders[static_cast<std::size_t>(k)].on = true;
    for (int r : accepted) c.remainders[static_cast<std::size_t>(k)].accepted[static_cast<std::size_t>(r)] = true;
    return c;
}

ValueCriteria bounds(BoundCriterion ValueCriteria::*which, const char* from, const char* to) {
    ValueCriteria c;
    c.*which = {true, from, to};
    return c;
}

struct CriteriaCase {
    const char* name;
    ValueCriteria criteria;
    int from;
    int to;
    std::optional<int32_t> current;
    std::vector<int32_t> expected;
};

TEST(ChooseByCriteria, ChoosesTheValuesEveryTickedCriterionHoldsFor) {
    ValueCriteria even;
    even.parityOn = true;
    even.odd = false;
    ValueCriteria prime;
    prime.primeOn = true;
    ValueCriteria composite = prime;
    composite.prime = false;
    ValueCriteria tail5;
    tail5.tailOn = true;
    tail5.tailDigits = "5";
    ValueCriteria tails17;
    tails17.tailOn = true;
    tails17.tailDigits = "1,7";
    ValueCriteria allTails;
    allTails.tailOn = true;
    ValueCriteria oddPrimeInRange = bounds(&ValueCriteria::range, "10", "30");
    oddPrimeInRange.parityOn = true;
    oddPrimeInRange.primeOn = true;

    const CriteriaCase cases[] = {
        {"nothing ticked chooses nothing", ValueCriteria{}, 0, 6, 3, {}},
        {"odd and a multiple of 3", remainders(3, {0}, odd()), 0, 6, std::nullopt, {3}},
        {"even", even, 0, 6, std::nullopt, {0, 2, 4, 6}},
        {"prime counts 1, not 0", prime, 0, 10, std::nullopt, {1, 2, 3, 5, 7}},
        {"composite holds 0", composite, 0, 10, std::nullopt, {0, 4, 6, 8, 9, 10}},
        {"remainder 1 or 3 by 4", remainders(4, {1, 3}), 0, 9, std::nullopt, {1, 3, 5, 7, 9}},
        {"remainder 0 by 9", remainders(9, {0}), 0, 30, std::nullopt, {0, 9, 18, 27}},
        {"divisor ticked without remainders", remainders(5, {}), 0, 10, std::nullopt, {}},
        {"two divisors together", remainders(5, {0}, remainders(3, {0})), 0, 45, std::nullopt, {0, 15, 30, 45}},
        {"tail 5 over 0..100", tail5, 0, 100, std::nullopt, span(5, 95, 10)},
        {"tail digits among other characters", tails17, 0, 20, std::nullopt, {1, 7, 11, 17}},
        {"default tail text holds every digit", allTails, 8, 12, std::nullopt, span(8, 12)},
        {"amplitude around the current value", bounds(&ValueCriteria::amplitude, "0", "2"), 0, 20, 10,
         span(8, 12)},
        {"amplitude excluding the current value", bounds(&ValueCriteria::amplitude, "3", "4"), 0, 20, 10,
         {6, 7, 13, 14}},
        {"amplitude without a current value", bounds(&ValueCriteria::amplitude, "0", "5"), 0, 20, std::nullopt,
         {}},
        {"range bounds inclusive", bounds(&ValueCriteria::range, "3", "5"), 0, 10, std::nullopt, {3, 4, 5}},
        {"range reversed chooses nothing", bounds(&ValueCriteria::range, "5", "3"), 0, 10, std::nullopt, {}},
        {"range with blanks around", bounds(&ValueCriteria::range, " 7 ", "8 "), 0, 10, std::nullopt, {7, 8}},
        {"two-draw mean in whole bounds", bounds(&ValueCriteria::average, "10", "11"), 0, 30, 10, span(10, 12)},
        {"two-draw mean on a half", bounds(&ValueCriteria::average, "10.5", "10.5"), 0, 30, 10, {11}},
        {"two-draw mean in real bounds", bounds(&ValueCriteria::average, "9.6", "10.4"), 0, 30, 10, {10}},
        {"two-draw mean without a current value", bounds(&ValueCriteria::average, "0", "99"), 0, 30,
         std::nullopt, {}},
        {"odd primes within 10..30", oddPrimeInRange, 0, 40, std::nullopt, {11, 13, 17, 19, 23, 29}},
    };
    for (const auto& k : cases) {
        ValueSelection selection(kListPickerLastValue);
        selection.begin(k.from, k.to, span(k.from, k.to));
        EXPECT_EQ(selection.chooseByCriteria(k.criteria, k.current), "") << k.name;
        EXPECT_EQ(selection.chosen(), k.expected) << k.name;
    }
}

struct StopCase {
    const char* name;
    ValueCriteria criteria;
    std::string message;
};

TEST(ChooseByCriteria, AnEmptyOrMalformedBoundStopsThePass) {
    ValueCriteria oddThenRange = bounds(&ValueCriteria::range, "", "9");
    oddThenRange.parityOn = true;
    const StopCase cases[] = {
        {"amplitude lower bound empty", bounds(&ValueCriteria::amplitude, "", "3"), kAmplitudeBoundMissing},
        {"amplitude upper bound blank", bounds(&ValueCriteria::amplitude, "1", "  "), kAmplitudeBoundMissing},
        {"range upper bound empty", bounds(&ValueCriteria::range, "2", ""), kRangeBoundMissing},
        {"mean bound empty", bounds(&ValueCriteria::average, "", ""), kAverageBoundMissing},
        {"range reached after the values failing parity", oddThenRange, kRangeBoundMissing},
        {"range bound not a number", bounds(&ValueCriteria::range, "1x", "9"), "'1x' 不是有效的整数"},
        {"amplitude bound not a number", bounds(&ValueCriteria::amplitude, "0", "2.5"), "'2.5' 不是有效的整数"},
        {"mean bound not a number", bounds(&ValueCriteria::average, "1", "a1"), "'a1' 不是有效的实数"},
    };
    for (const auto& k : cases) {
        ValueSelection selection(kTilePickerLastValue);
        selection.begin(0, 20, span(0, 20, 2));
        EXPECT_EQ(selection.chooseByCriteria(k.criteria, 5), k.message) << k.name;
        // The range was cleared first and no value got past the stopping criterion.
        EXPECT_TRUE(selection.chosen().empty()) << k.name;
    }
}

TEST(ChooseByCriteria, AStopKeepsTheStateOfTheValuesExaminedBefore) {
    // Selection state outside the walk is not touched: values chosen by hand after the stop stay.
    ValueSelection selection(kTilePickerLastValue);
    selection.begin(0, 10, {});
    EXPECT_EQ(selection.chooseByCriteria(bounds(&ValueCriteria::range, "", ""), std::nullopt), kRangeBoundMissing);
    selection.set(4, true);
    EXPECT_EQ(selection.chosen(), std::vector<int32_t>{4});
    EXPECT_EQ(selection.chooseByCriteria(odd(), std::nullopt), "");
    EXPECT_EQ(selection.chosen(), (std::vector<int32_t>{1, 3, 5, 7, 9}));
}

TEST(ValueSelection, OperationsActOnTheRangeOnly) {
    ValueSelection selection(kTilePickerLastValue);
    selection.begin(3, 8, {0, 2, 3, 8, 9, 500, -1});
    EXPECT_EQ(selection.chosen(), (std::vector<int32_t>{3, 8}));
    selection.invert();
    EXPECT_EQ(selection.chosen(), (std::vector<int32_t>{4, 5, 6, 7}));
    selection.toggle(2);
    selection.toggle(9);
    selection.toggle(5);
    EXPECT_EQ(selection.chosen(), (std::vector<int32_t>{4, 6, 7}));
    selection.chooseAll();
    EXPECT_EQ(selection.chosen(), span(3, 8));
    selection.chooseNone();
    EXPECT_TRUE(selection.chosen().empty());
    // A new use starts from its own preselection only.
    selection.begin(0, 2, {1});
    EXPECT_EQ(selection.chosen(), std::vector<int32_t>{1});
}

TEST(ValueSelection, RangeIsClampedToThePicker) {
    const struct {
        int from, to;
        int expectedFrom, expectedTo;
    } cases[] = {{-5, 3, 0, 3}, {170, 200, 170, 180}, {10, 9, 10, 9}};
    for (const auto& k : cases) {
        ValueSelection selection(kTilePickerLastValue);
        selection.begin(k.from, k.to, {});
        selection.chooseAll();
        EXPECT_EQ(selection.from(), k.expectedFrom);
        EXPECT_EQ(selection.to(), k.expectedTo);
        const int n = std::max(0, k.expectedTo - k.expectedFrom + 1);
        EXPECT_EQ(static_cast<int>(selection.chosen().size()), n);
    }
}

const std::vector<std::vector<int>> kHistory = {
    {2020001, 1, 5, 10, 15, 20, 25, 4},
    {2020002, 3, 5, 12, 18, 27, 33, 7},
    {2020003, 1, 6, 11, 19, 28, 30, 2},
    {2020004, 2, 7, 12, 18, 22, 31, 9},
};

int32_t valueAtRow(Workspace& ws, int row, std::string_view code) {
    ws.MainStore.SetRecNo(row);
    return indicatorValue(ws, code);
}

TEST(CurrentConditionValue, IsTheValueForTheLastDraw) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ws->MainStore.SetRecNo(2);
    const int32_t lastSum = 2 + 7 + 12 + 18 + 22 + 31;
    EXPECT_EQ(currentConditionValue(*ws, "z_hz"), lastSum);
    EXPECT_EQ(currentConditionValue(*ws, "z_num2"), 7);
    EXPECT_EQ(currentConditionValue(*ws, " z_hz+1 "), lastSum + 1);
    // 红号一 was 2 in the last draw and never before: its omission counts every earlier draw.
    EXPECT_EQ(currentConditionValue(*ws, "z_num1yl"), 3);
    // 红号二 of the last draw is 7, never drawn before at that position.
    EXPECT_EQ(currentConditionValue(*ws, "z_num2yl"), 3);
    ws->MainStore.SetRecNo(2);
    EXPECT_EQ(currentConditionValue(*ws, "z_num1yl+"), std::nullopt);
    EXPECT_EQ(currentConditionValue(*ws, ""), std::nullopt);
    EXPECT_EQ(ws->MainStore.RecNo(), 2);
}

TEST(CurrentConditionValue, SkipsTheForecastRowAndAnEmptyStore) {
    auto withForecast = kHistory;
    withForecast.push_back({kForecastIssue, 4, 8, 9, 14, 16, 29, 1});
    auto ws = makeWorkspace(6, 33, withForecast);
    EXPECT_EQ(currentConditionValue(*ws, "z_num1"), 2);
    auto empty = makeWorkspace(6, 33, {});
    EXPECT_EQ(currentConditionValue(*empty, "z_hz"), std::nullopt);
}

TEST(PreselectedValues, FollowTheListNumberOrCode) {
    ConditionSet c;
    c.reset(10);
    c.candidates.fill(false);
    for (int n : {2, 4, 9, 12}) c.candidates[static_cast<std::size_t>(n)] = true;
    c.bankers[3] = true;
    c.bankers[7] = true;
    c.list(1)->values = {0, 2, 5};
    c.customs.push_back({"z_hz", {100, 120}, false});
    const struct {
        const char* name;
        int listNumber;
        std::vector<int32_t> expected;
    } cases[] = {
        {"list condition", 1, {0, 2, 5}},
        {"empty list condition", 2, {}},
        {"bankers", kPreselectBankers, {3, 7}},
        {"candidates up to the highest number", kPreselectCandidates, {2, 4, 9}},
        {"special-zone list", kPreselectSpecialList, {1, 16}},
        {"custom-indicator list", kFirstCustomId, {100, 120}},
        {"custom list not present", kFirstCustomId + 1, {}},
        {"no preselection", kNoPreselection, {}},
        {"range condition", kStandardDeviationId, {}},
    };
    for (const auto& k : cases) EXPECT_EQ(preselectedValues(c, k.listNumber, 10, {1, 16}), k.expected) << k.name;
}

TEST(ConditionPickerRequest, TakesRangeKindAndCurrentValueFromTheTable) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ConditionSet c;
    c.reset(33);
    c.list(88)->values = {1, 2};
    const struct {
        int id;
        int from, to;
        bool criteria, checkList;
        std::optional<int32_t> current;
    } cases[] = {
        {88, 1, 29, true, false, 2},     // 主号一: 1..MAX−4, last draw's first number
        {4, 1, 6, false, false, {}},     // 尾组个数: 1..N, no criteria
        {16, 1, 28, true, false, 9},     // 最大间距: 1..MAX−N+1, gaps of 2 7 12 18 22 31
        {67, 3, 65, true, false, 9},     // 和值2_1: 3..2·MAX−1
        {84, 3, 62, true, false, 33},    // 和值6_1: 3..2·MAX−4
        {29, 1, 28, true, false, 5},     // 差值3_2: 1..MAX−5
        {131, 0, 700, true, true, valueAtRow(*ws, 4, "z_hzyl")},  // 和值遗漏: check list
    };
    for (const auto& k : cases) {
        const ValuePickerRequest r = conditionPickerRequest(*ws, c, *findCondition(k.id));
        EXPECT_EQ(r.from, k.from) << k.id;
        EXPECT_EQ(r.to, k.to) << k.id;
        EXPECT_EQ(r.criteria, k.criteria) << k.id;
        EXPECT_EQ(r.checkList, k.checkList) << k.id;
        EXPECT_EQ(r.currentValue, k.current) << k.id;
        EXPECT_EQ(r.assistantSource, findCondition(k.id)->IndicatorCode) << k.id;
        EXPECT_EQ(r.preselected, c.list(k.id)->values) << k.id;
    }
}

TEST(NumberPickerRequest, OffersTheMainRangeWithoutCurrentValue) {
    auto ws = makeWorkspace(5, 35, kHistory);
    ConditionSet c;
    c.reset(35);
    c.bankers[6] = true;
    for (bool bankers : {false, true}) {
        const ValuePickerRequest r = numberPickerRequest(*ws, c, bankers);
        EXPECT_EQ(r.from, 1);
        EXPECT_EQ(r.to, 35);
        EXPECT_TRUE(r.criteria);
        EXPECT_FALSE(r.currentValue);
        EXPECT_TRUE(r.assistantSource.empty());
        EXPECT_EQ(r.preselected, bankers ? std::vector<int32_t>{6} : span(1, 35));
    }
}

TEST(FormulaPickerRequest, UsesTheFormulasValueForTheLastDraw) {
    auto ws = makeWorkspace(6, 33, kHistory);
    const ValuePickerRequest r = formulaPickerRequest(*ws, " z_num6-z_num1 ", 0, kCustomValueLast, {3, 29});
    EXPECT_TRUE(r.checkList);
    EXPECT_TRUE(r.criteria);
    EXPECT_EQ(r.from, 0);
    EXPECT_EQ(r.to, kCustomValueLast);
    EXPECT_EQ(r.currentValue, 31 - 2);
    EXPECT_EQ(r.assistantSource, "z_num6-z_num1");
    EXPECT_EQ(r.preselected, (std::vector<int32_t>{3, 29}));
    EXPECT_EQ(formulaPickerRequest(*ws, "z_num6-", 0, 10, {}).currentValue, std::nullopt);
}

TEST(FilterAssistant, EvaluatesEveryDrawAndWritesTheValueColumn) {
    auto ws = makeWorkspace(6, 33, kHistory);
    ws->MainStore.SetRecNo(3);
    const AssistantOutcome out = filterAssistantInput(*ws, "z_num2");
    ASSERT_EQ(out.error, "");
    EXPECT_EQ(out.input.series, (std::vector<int32_t>{5, 5, 6, 7}));
    EXPECT_EQ(out.input.seriesMin, 5);
    EXPECT_EQ(out.input.seriesMax, 7);
    EXPECT_EQ(out.input.title, "红号二（过滤助手）");
    EXPECT_EQ(out.input.formula, "z_num2");
    EXPECT_EQ(out.input.cursorRow, 1);
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(ws->MainStore.Row(r).value, out.input.series[static_cast<std::size_t>(r - 1)]);
    EXPECT_EQ(ws->MainStore.RecNo(), 3);
}

TEST(FilterAssistant, FormulasFlatSeriesAndErrors) {
    auto ws = makeWorkspace(6, 33, kHistory);
    const AssistantOutcome formula = filterAssistantInput(*ws, "z_num1*0+4");
    ASSERT_EQ(formula.error, "");
    EXPECT_EQ(formula.input.title, "z_num1*0+4（过滤助手）");
    // A flat series is widened to a range of MainCount values.
    EXPECT_EQ(formula.input.seriesMin, 4);
    EXPECT_EQ(formula.input.seriesMax, 9);

    const AssistantOutcome bad = filterAssistantInput(*ws, "z_hz/0");
    EXPECT_EQ(bad.error, std::string(kFormulaErrorPrefix) + "除数不能为0");
}

TEST(FilterAssistant, OpensThirtySixDrawsBeforeTheEnd) {
    std::vector<std::vector<int>> draws;
    for (int i = 0; i < 50; ++i) draws.push_back({2020001 + i, 1 + i % 5, 10, 15, 20, 25, 30, 1});
    auto ws = makeWorkspace(6, 33, draws);
    EXPECT_EQ(filterAssistantInput(*ws, "z_num1").input.cursorRow, 50 - kAssistantLeadDraws);
}

}  // namespace
}  // namespace qorvel
