#include "combos/result_forecast.h"

#include <gtest/gtest.h>

#include "combo_test_support.h"
#include "draws/history_fixture.h"
#include "test_support.h"

namespace qorvel {
namespace {

using Fields = std::vector<int32_t>;

// Fields 0..9 of the forecast row, or empty when there is none.
Fields forecastFields(const t_s_dm& store) {
    for (int r = 1; r <= store.Count(); ++r)
        if (store.Row(r).fields[0] == kForecastIssue)
            return Fields(store.Row(r).fields.begin(), store.Row(r).fields.begin() + 10);
    return {};
}

enum class Source { Main, Special, Dual };

struct ForecastCase {
    const char* name;
    Source source;
    int specialCount;
    bool rowExists;  // a forecast row 9999999 | 1 2 3 4 5 6 | 14 15 is there before
    Fields expected;
};

class ForecastWrite : public ::testing::TestWithParam<ForecastCase> {};

TEST_P(ForecastWrite, WritesTheSelectedTicketIntoTheForecastRow) {
    const ForecastCase& c = GetParam();
    auto ws = testing::makeWorkspace(6, 33, {{2024001, 1, 2, 3, 4, 5, 6, 7}, {2024002, 8, 9, 10, 11, 12, 13, 9}});
    ws->params.SpecialCount = c.specialCount;
    if (c.rowExists) {
        ws->MainStore.Append();
        ws->MainStore.MutableRow(3).fields = {kForecastIssue, 1, 2, 3, 4, 5, 6, 14, 15};
    }
    ws->MainStore.SetRecNo(1);
    const int draws = ws->MainStore.Count();

    ResultSet mains;
    const int32_t ticket[6] = {3, 7, 11, 19, 25, 33};
    mains.appendNumbers(ticket, 6);
    SpecialResultSet specials;
    specials.appendNumbers({4, 10});
    DualResultSet dual;
    dual.append({{2, 4, 6, 8, 10, 12}, {5, 11}, 0});

    auto add = [&](int k) {
        switch (c.source) {
            case Source::Main: return addMainResultToForecast(ws->MainStore, ws->params, mains, k);
            case Source::Special: return addSpecialResultToForecast(ws->MainStore, ws->params, specials, k);
            case Source::Dual: return addDualResultToForecast(ws->MainStore, ws->params, dual, k);
        }
        return std::string();
    };
    const Fields before = forecastFields(ws->MainStore);
    EXPECT_EQ(add(0), kSelectRowMessage);
    EXPECT_EQ(add(2), kSelectRowMessage);
    EXPECT_EQ(forecastFields(ws->MainStore), before) << "nothing written without a selection";

    EXPECT_EQ(add(1), "");
    EXPECT_EQ(forecastFields(ws->MainStore), c.expected);
    EXPECT_EQ(ws->MainStore.Count(), c.rowExists ? draws : draws + 1) << "at most one forecast row";
    EXPECT_EQ(ws->MainStore.RecNo(), 1) << "the cursor stays";
    EXPECT_EQ(add(1), "");
    EXPECT_EQ(ws->MainStore.Count(), c.rowExists ? draws : draws + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ForecastWrite,
    ::testing::Values(
        ForecastCase{"mainNew", Source::Main, 1, false, {kForecastIssue, 3, 7, 11, 19, 25, 33, 1, 2, 0}},
        ForecastCase{"mainExisting", Source::Main, 1, true, {kForecastIssue, 3, 7, 11, 19, 25, 33, 1, 2, 0}},
        ForecastCase{"oneSpecialNew", Source::Special, 1, false, {kForecastIssue, 0, 0, 0, 0, 0, 0, 4, 0, 0}},
        ForecastCase{"oneSpecialExisting", Source::Special, 1, true, {kForecastIssue, 1, 2, 3, 4, 5, 6, 4, 15, 0}},
        ForecastCase{"twoSpecialsExisting", Source::Special, 2, true, {kForecastIssue, 1, 2, 3, 4, 5, 6, 4, 10, 0}},
        ForecastCase{"dualNew", Source::Dual, 2, false, {kForecastIssue, 2, 4, 6, 8, 10, 12, 5, 11, 0}},
        ForecastCase{"dualExisting", Source::Dual, 2, true, {kForecastIssue, 2, 4, 6, 8, 10, 12, 5, 11, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

// Five of 1..22 over three draws: with transformation 1 the coming draw maps through the mapping row of
// draw 3, which lists draw 2's numbers in their shuffled order 8 10 9 6 7, then draw 1's 3 2 5 4 1, then
// 11..22 — so transformed number t stands for the t-th entry of that list.
TEST(RestoreOriginal, MapsEveryNumberBackAndSortsEachTicket) {
    testing::HistoryFixture h({{2020001, 1, 2, 3, 4, 5}, {2020002, 6, 7, 8, 9, 10}, {2020003, 1, 2, 3, 9, 20}},
                              testing::fiveOf22());
    DataTransform transform;
    SelectionFlags selection{};

    struct Case {
        std::vector<int32_t> transformed, original;
    };
    const Case cases[] = {{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}},
                          {{6, 7, 10, 11, 22}, {1, 2, 3, 11, 22}},
                          {{5, 8, 9, 12, 13}, {4, 5, 7, 12, 13}}};
    auto fill = [&](ResultSet& mains, DualResultSet& dual) {
        mains.clear();
        dual.clear();
        for (const Case& c : cases) {
            mains.appendNumbers(c.transformed.data(), 5);
            mains.slot(mains.count()).setHits(5, 4);
            dual.append({c.transformed, {9}, 0});
        }
    };
    ResultSet mains;
    DualResultSet dual;

    fill(mains, dual);
    restoreOriginalResults(h.ws, transform, mains);
    restoreOriginalDualResults(h.ws, transform, dual);
    EXPECT_EQ(testing::ticketsOf(mains, 5)[1], (std::vector<int>{6, 7, 10, 11, 22})) << "untransformed: unchanged";

    ASSERT_EQ(transform.apply(h.ws, 1, selection).error, "");
    fill(mains, dual);
    restoreOriginalResults(h.ws, transform, mains);
    restoreOriginalDualResults(h.ws, transform, dual);
    for (int k = 1; k <= 3; ++k) {
        const std::vector<int32_t>& want = cases[k - 1].original;
        EXPECT_EQ(testing::ticketsOf(mains, 5)[static_cast<std::size_t>(k - 1)], std::vector<int>(want.begin(), want.end())) << k;
        EXPECT_EQ(mains.slot(k).hits(5), 4) << "the hit byte stays";
        EXPECT_EQ(dual.at(k).main, want) << k;
        EXPECT_EQ(dual.at(k).special, (std::vector<int32_t>{9})) << "special numbers are not transformed";
    }
}

TEST(RestoreOriginal, UntransformedTicketsAreOnlySorted) {
    auto ws = testing::makeWorkspace(6, 33, {{2024001, 1, 2, 3, 4, 5, 6, 7}});
    DataTransform transform;
    ResultSet mains;
    const int32_t typed[6] = {30, 4, 17, 2, 9, 11};
    mains.appendNumbers(typed, 6);
    restoreOriginalResults(*ws, transform, mains);
    EXPECT_EQ(testing::ticketsOf(mains, 6)[0], (std::vector<int>{2, 4, 9, 11, 17, 30}));
}

}  // namespace
}  // namespace qorvel
