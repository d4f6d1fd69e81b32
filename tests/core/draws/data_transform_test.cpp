#include "draws/data_transform.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "draws/forecast_row.h"
#include "draws/history_fixture.h"
#include "test_support.h"

namespace qorvel {
namespace {

using testing::HistoryFixture;
using Draws = std::vector<std::vector<int>>;

Draws sampleHistory() {
    Draws draws;
    for (const auto& f : testing::sampleSsqDraws()) draws.emplace_back(f.begin(), f.begin() + 8);
    return draws;
}

std::vector<int> mappingRow(const t_s_dm& mapping, int row, int length) {
    const auto& f = mapping.Row(row).fields;
    return std::vector<int>(f.begin() + 1, f.begin() + 1 + length);
}

struct ShuffleCase {
    std::vector<int> in;
    int selector;
    std::vector<int> out;
};

TEST(Shuffle, SwapsTheFirstWithTheSelectedThenWalksByValue) {
    const ShuffleCase cases[] = {
        {{1, 2, 3, 4, 5}, 3, {3, 2, 5, 4, 1}},
        {{6, 7, 8, 9, 10}, 3, {8, 10, 9, 6, 7}},
        {{1, 2, 3}, 1, {1, 2, 3}},
        {{5, 9, 1, 7}, 2, {9, 1, 7, 5}},
        {{4, 8}, 3, {4, 8}},  // selector beyond the array: the first swap is left out
        {{4}, 3, {4}},
        {{}, 2, {}},
    };
    for (const auto& c : cases) {
        std::vector<int> a = c.in;
        shuffleS(a, c.selector);
        EXPECT_EQ(a, c.out) << c.in.size() << " S(" << c.selector << ")";
    }
}

// The ordering of row r taken literally: walk back from draw r - 1 to draw 1, each draw's numbers in their
// S(3) order, listing every number the first time it is met; the numbers never met follow ascending.
std::vector<int> walkBackOrdering(const Draws& draws, int r, int mainTo) {
    std::vector<int> order;
    std::vector<bool> met(static_cast<std::size_t>(mainTo) + 1, false);
    for (int back = r - 1; back >= 1; --back) {
        std::vector<int> numbers(draws[static_cast<std::size_t>(back - 1)].begin() + 1,
                                 draws[static_cast<std::size_t>(back - 1)].begin() + 7);
        std::sort(numbers.begin(), numbers.end());
        shuffleS(numbers, 3);
        for (int x : numbers)
            if (!met[static_cast<std::size_t>(x)]) {
                met[static_cast<std::size_t>(x)] = true;
                order.push_back(x);
            }
    }
    for (int x = 1; x <= mainTo; ++x)
        if (!met[static_cast<std::size_t>(x)]) order.push_back(x);
    return order;
}

TEST(MappingStore, EveryRowOrdersTheNumbersByTheirLastAppearanceBeforeTheDraw) {
    const Draws history = sampleHistory();
    HistoryFixture h(history);
    buildMappingStore(h.ws.MainStore, h.ws.params, 1, h.ws.TransformStore);
    ASSERT_EQ(h.ws.TransformStore.Count(), static_cast<int>(history.size()));
    for (int r : {1, 2, 3, 50, 1000, static_cast<int>(history.size())})
        EXPECT_EQ(mappingRow(h.ws.TransformStore, r, 33), walkBackOrdering(history, r, 33)) << "row " << r;

    // Higher levels reshuffle every row with S(level - 1).
    for (int level = 2; level <= kTransformLevels; ++level) {
        t_s_dm shuffled;
        buildMappingStore(h.ws.MainStore, h.ws.params, level, shuffled);
        for (int r : {1, 700, 3000}) {
            std::vector<int> expected = walkBackOrdering(history, r, 33);
            shuffleS(expected, level - 1);
            EXPECT_EQ(mappingRow(shuffled, r, 33), expected) << "level " << level << " row " << r;
        }
    }
}

TEST(Transform, FirstDrawsOfTheWorkedExample) {
    // Five of 1..22: draw 2 maps through row 1 (ascending) and stays; draw 3 maps through row 2, which
    // starts with draw 1's numbers in their S(3) order 3 2 5 4 1.
    HistoryFixture h({{2020001, 1, 2, 3, 4, 5}, {2020002, 6, 7, 8, 9, 10}, {2020003, 1, 2, 3, 9, 20},
                      {2020004, 6, 8, 10, 11, 22}},
                     testing::fiveOf22());
    DataTransform transform;
    SelectionFlags selection{};
    transform.apply(h.ws, 1, selection);
    std::vector<int> row2 = {3, 2, 5, 4, 1};
    for (int x = 6; x <= 22; ++x) row2.push_back(x);
    EXPECT_EQ(mappingRow(h.ws.TransformStore, 2, 22), row2);
    // Row 3 puts draw 2's numbers first in their S(3) order 8 10 9 6 7.
    EXPECT_EQ(mappingRow(h.ws.TransformStore, 3, 5), (std::vector<int>{8, 10, 9, 6, 7}));
    const Draws expected = {
        {2020001, 1, 2, 3, 4, 5},
        {2020002, 6, 7, 8, 9, 10},
        {2020003, 1, 2, 5, 9, 20},   // 3 -> 1, 2 -> 2, 1 -> 5
        {2020004, 1, 2, 4, 11, 22},  // 8 -> 1, 10 -> 2, 6 -> 4
    };
    EXPECT_EQ(h.draws(5), expected);
}

TEST(Transform, EveryLevelMapsBackToTheFileAndOriginalDataRestoresIt) {
    const Draws history = sampleHistory();
    HistoryFixture h(history);
    const std::string file = h.fileBytes();
    DataTransform transform;
    SelectionFlags selection{};
    for (int k = 1; k <= kTransformLevels; ++k) {
        TransformOutcome outcome = transform.apply(h.ws, k, selection);
        EXPECT_EQ(outcome.error, "");
        EXPECT_EQ(outcome.caption, "双色球(变换数据" + std::to_string(k) + ")");
        EXPECT_FALSE(outcome.dataUpdateEnabled);
        EXPECT_EQ(transform.level(h.ws), k);
        const Draws now = h.draws(7);
        EXPECT_EQ(now[0], history[0]) << "the first draw keeps its numbers";
        EXPECT_NE(now, history);
        for (std::size_t i = 1; i < now.size(); ++i) {
            EXPECT_TRUE(std::is_sorted(now[i].begin() + 1, now[i].begin() + 7)) << i;
            EXPECT_EQ(now[i][7], history[i][7]) << "special numbers are not transformed";
            std::vector<int> back;
            for (int j = 1; j <= 6; ++j)
                back.push_back(originalNumber(h.ws.TransformStore, static_cast<int>(i), now[i][j], h.ws.params));
            std::sort(back.begin(), back.end());
            ASSERT_EQ(back, std::vector<int>(history[i].begin() + 1, history[i].begin() + 7)) << "level " << k << " draw " << i;
        }
        EXPECT_EQ(h.fileBytes(), file) << "the draw file is never written";
    }
    TransformOutcome outcome = transform.apply(h.ws, 0, selection);
    EXPECT_EQ(outcome.caption, "双色球(原始数据)");
    EXPECT_TRUE(outcome.dataUpdateEnabled);
    EXPECT_FALSE(h.ws.dataTransformed);
    EXPECT_EQ(h.draws(7), history);
    EXPECT_EQ(h.fileBytes(), file);
}

TEST(Transform, ForecastRowAndSelectionSurviveEveryChange) {
    HistoryFixture h(sampleHistory());
    const std::string file = h.fileBytes();
    const std::vector<int> forecast{2, 9, 14, 21, 27, 30};
    ASSERT_EQ(writeForecastRow(h.ws.MainStore, h.ws.params, forecast), "");
    SelectionFlags selection{};
    const std::vector<int> chosen{3, 7, 12, 20, 28, 33};
    for (int x : chosen) selection[static_cast<std::size_t>(x)] = true;

    DataTransform transform;
    for (int k : {1, 3, 2, 4, 0}) {
        transform.apply(h.ws, k, selection);
        const t_s_dm& store = h.ws.MainStore;
        ASSERT_EQ(store.Row(store.Count()).fields[0], kForecastIssue) << k;
        ASSERT_NE(store.Row(store.Count() - 1).fields[0], kForecastIssue) << "one forecast row only";
        std::vector<int> mains(store.Row(store.Count()).fields.begin() + 1, store.Row(store.Count()).fields.begin() + 7);
        // Transformed like every other draw: through the mapping row of the draw before it.
        std::vector<int> expected;
        for (int x : forecast) expected.push_back(k ? transformedNumber(h.ws.TransformStore, store.Count() - 1, x, h.ws.params) : x);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(mains, expected) << k;
        EXPECT_EQ(store.GetField(7), 1);
        EXPECT_EQ(store.GetField(8), 2);
        EXPECT_EQ(transform.originalCombination(h.ws, mains), forecast) << k;
        // The selection row stands for the draw after the last row, so it maps through the last mapping row.
        std::vector<int> selected;
        for (int x : chosen)
            selected.push_back(k ? transformedNumber(h.ws.TransformStore, h.ws.TransformStore.Count(), x, h.ws.params) : x);
        std::sort(selected.begin(), selected.end());
        EXPECT_EQ(selectedNumbers(selection), selected) << k;
    }
    EXPECT_EQ(selectedNumbers(selection), chosen);
    EXPECT_EQ(h.fileBytes(), file);
}

TEST(Transform, TypeChangeEndsTheTransformationAndShortDrawsAreSafe) {
    TypeParams two = testing::fiveOf22();
    two.MainCount = 2;
    const Draws history = {{2020001, 3, 9}, {2020002, 1, 22}, {2020003, 9, 17}, {2020004, 2, 3}};
    HistoryFixture h(history, two);
    DataTransform transform;
    SelectionFlags selection{};
    transform.apply(h.ws, 4, selection);
    const Draws now = h.draws(2);
    for (std::size_t i = 1; i < now.size(); ++i) {
        std::vector<int> back{originalNumber(h.ws.TransformStore, static_cast<int>(i), now[i][1], two),
                              originalNumber(h.ws.TransformStore, static_cast<int>(i), now[i][2], two)};
        std::sort(back.begin(), back.end());
        EXPECT_EQ(back, std::vector<int>(history[i].begin() + 1, history[i].end())) << i;
    }
    h.ws.dataTransformed = false;  // what a type change does
    EXPECT_EQ(transform.level(h.ws), 0);
    EXPECT_EQ(transform.originalCombination(h.ws, {7, 4}), (std::vector<int>{4, 7}));
    EXPECT_EQ(transform.apply(h.ws, 5, selection).error, "没有这种数据变换");
}

TEST(ForecastRow, SelectionMustHoldExactlyTheMainCount) {
    HistoryFixture h({{2020001, 1, 2, 3, 4, 5}, {2020002, 6, 7, 8, 9, 10}}, testing::fiveOf22());
    EXPECT_EQ(writeForecastRow(h.ws.MainStore, h.ws.params, {1, 2, 3, 4}), "选号区红号个数应为5个");
    EXPECT_EQ(h.ws.MainStore.Count(), 2);
    ASSERT_EQ(writeForecastRow(h.ws.MainStore, h.ws.params, {2, 4, 6, 8, 10}), "");
    ASSERT_EQ(writeForecastRow(h.ws.MainStore, h.ws.params, {1, 3, 5, 7, 9}), "");
    ASSERT_EQ(h.ws.MainStore.Count(), 3);
    EXPECT_EQ(testing::storeDraws(h.ws.MainStore, 7)[2], (std::vector<int>{kForecastIssue, 1, 3, 5, 7, 9, 1, 2}));
    EXPECT_TRUE(clearForecastRow(h.ws.MainStore));
    EXPECT_FALSE(clearForecastRow(h.ws.MainStore));
    EXPECT_EQ(h.ws.MainStore.Count(), 2);
}

TEST(ForecastRow, WritingAndClearingKeepTheCursor) {
    HistoryFixture h({{2020001, 1, 2, 3, 4, 5}, {2020002, 6, 7, 8, 9, 10}}, testing::fiveOf22());
    t_s_dm& store = h.ws.MainStore;
    store.SetRecNo(1);
    ASSERT_EQ(writeForecastRow(store, h.ws.params, {2, 4, 6, 8, 10}), "");
    EXPECT_EQ(store.RecNo(), 1);
    writeForecastFields(store, 5, {}, {3, 4});
    EXPECT_EQ(store.RecNo(), 1);
    EXPECT_TRUE(clearForecastRow(store));
    EXPECT_EQ(store.RecNo(), 1);
    EXPECT_FALSE(clearForecastRow(store));
    EXPECT_EQ(store.RecNo(), 1);
    // A cursor on the forecast row itself ends on the last draw.
    ASSERT_EQ(writeForecastRow(store, h.ws.params, {2, 4, 6, 8, 10}), "");
    store.Last();
    EXPECT_TRUE(clearForecastRow(store));
    EXPECT_EQ(store.RecNo(), 2);
}

}  // namespace
}  // namespace qorvel
