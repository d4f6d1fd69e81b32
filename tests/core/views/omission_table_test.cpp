// Orderings by category, column zones and the omission tables of main numbers and tails.
#include "views/omission_table.h"

#include <gtest/gtest.h>

#include "engine/engine_test_support.h"
#include "test_support.h"
#include "views/statistics_page.h"
#include "views/view_colours.h"

namespace qorvel {
namespace {

using testing::fillStore;

std::vector<int> range(int from, int to, int step = 1) {
    std::vector<int> v;
    for (int n = from; n <= to; n += step) v.push_back(n);
    return v;
}

std::vector<int> concat(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(OrderNumbersByCategory, GroupsInOrderEachAscending) {
    struct Case {
        int kind, from, to;
        std::vector<int> numbers, groupEnds;
    } cases[] = {
        {0, 1, 5, {1, 2, 3, 4, 5}, {5}},
        {1, 1, 10, {1, 2, 3, 5, 7, 4, 6, 8, 9, 10}, {5, 10}},  // 1 counts as prime
        {1, 0, 4, {1, 2, 3, 0, 4}, {3, 5}},                   // 0 counts as composite
        {2, 1, 33, concat(range(2, 32, 2), range(1, 33, 2)), {16, 33}},
        {3, 1, 7, {3, 6, 1, 4, 7, 2, 5}, {2, 5, 7}},
        {20, 0, 9, range(0, 9), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},  // empty groups leave no boundary
    };
    for (const auto& c : cases) {
        const auto ordering = OrderNumbersByCategory(c.kind, c.from, c.to);
        EXPECT_EQ(ordering.numbers, c.numbers) << orderingCaption(c.kind);
        EXPECT_EQ(ordering.groupEnds, c.groupEnds) << orderingCaption(c.kind);
    }
    EXPECT_EQ(OrderNumbersByCategory(2, 1, 33).NumberAtPosition(17), 1);
    EXPECT_EQ(OrderNumbersByCategory(2, 1, 33).NumberAtPosition(34), 0);
    EXPECT_EQ(orderingCaption(3), "按除3余数");
    EXPECT_EQ(orderingCaption(20), "按除20余数");
}

TEST(ColumnZones, RegularSplitsAndGroupBoundaries) {
    struct Case {
        int kind, from, to, parts;
        std::vector<int> zones;
    } cases[] = {
        {0, 1, 10, 3, {0, 0, 0, 1, 1, 1, 2, 2, 2, 2}},  // the last zones take the remainder
        {0, 0, 9, 2, {0, 0, 0, 0, 0, 1, 1, 1, 1, 1}},
        {2, 1, 6, 3, {0, 0, 0, 1, 1, 1}},               // the split count only applies to 常规顺序
    };
    for (const auto& c : cases)
        EXPECT_EQ(columnZones(OrderNumbersByCategory(c.kind, c.from, c.to), c.kind, c.parts), c.zones);
    // In 按奇偶 order the colour changes between 32 and 1.
    const auto ordering = OrderNumbersByCategory(2, 1, 33);
    const auto zones = columnZones(ordering, 2, 3);
    EXPECT_EQ(ordering.numbers[15], 32);
    EXPECT_FALSE(zoneBackground(zones[15]) == zoneBackground(zones[16]));
    EXPECT_TRUE(zoneBackground(zones[0]) == zoneBackground(zones[15]));
}

TEST(SpecShow, FiltersByClass) {
    const std::vector<std::vector<int>> shown = {
        range(1, 9), {1, 3, 5, 7, 9}, {2, 4, 6, 8}, {1, 2, 3, 5, 7}, {4, 6, 8, 9}, {3, 6, 9}, {1, 4, 7}, {2, 5, 8}};
    for (int f = 0; f < kSpecShowKinds; ++f) {
        std::vector<int> passing;
        for (int n = 1; n <= 9; ++n)
            if (passesSpecShow(f, n)) passing.push_back(n);
        EXPECT_EQ(passing, shown[f]) << specShowCaptions()[f];
    }
}

class NumberOmissionTable : public ::testing::Test {
protected:
    void SetUp() override {
        fillStore(store, {{2020001, 1, 2}, {2020002, 1, 3}, {2020003, 4, 5}, {2020004, 1, 5}});
    }
    t_s_dm store;
    TypeParams params{2, 0, 1, 5, 1, 16, false};
};

TEST_F(NumberOmissionTable, CellsCarryRunningOmissions) {
    const auto table = buildNumberOmissionTable(store, params, 1, 4, 0);
    EXPECT_EQ(table.header(), (std::vector<std::string>{"期号", "01", "02", "03", "04", "05", "开奖号码"}));
    ASSERT_EQ(table.rows.size(), 4u);
    const char* expected[4][5] = {
        {"01", "02", "1", "1", "1"},
        {"01", "1", "03", "2", "2"},
        {"1", "2", "1", "04", "05"},
        {"01", "3", "2", "1", "05"},
    };
    for (int r = 0; r < 4; ++r)
        for (int s = 0; s < 5; ++s) EXPECT_EQ(table.cellText(table.rows[r].cells[s]), expected[r][s]) << r << "," << s;
    EXPECT_TRUE(table.rows[0].cells[0].drawn);
    EXPECT_FALSE(table.rows[0].cells[2].drawn);
    EXPECT_EQ(table.rows[1].issueText, "2020002");
    EXPECT_EQ(table.rows[1].numbersText, "01 03 ");
}

TEST_F(NumberOmissionTable, StatisticsRows) {
    const auto rows = buildNumberOmissionTable(store, params, 1, 4, 0).statisticsRows();
    const std::vector<std::vector<std::string>> expected = {
        {"出现次数", "3", "1", "1", "1", "2"},
        {"最大遗漏", "1", "9999", "1", "2", "2"},
        {"平均遗漏", "0", "9999", "1", "2", "1"},  // 1 / 3 rounds to 0
        {"上次遗漏", "1", "9999", "1", "2", "0"},  // 5: drawn in the last two rows, last omission 0
        {"本次遗漏", "0", "3", "2", "1", "0"},
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(NumberOmissionTable, RangeAndOrderingAndForecastRow) {
    fillStore(store, {{2020001, 1, 2}, {2020002, 1, 3}, {kForecastIssue, 2, 4}});
    const auto table = buildNumberOmissionTable(store, params, 2, 3, 2);
    EXPECT_EQ(table.header(), (std::vector<std::string>{"期号", "02", "04", "01", "03", "05", "开奖号码"}));
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[1].issueText, "预测区");
    EXPECT_EQ(table.cellText(table.rows[0].cells[0]), "1");  // the range's first row starts at 1
    EXPECT_TRUE(buildNumberOmissionTable(store, params, 3, 2, 0).rows.empty());
    EXPECT_EQ(omissionDefaultFromRow(150), 51);
    EXPECT_EQ(omissionDefaultFromRow(100), 1);
    EXPECT_EQ(omissionDefaultFromRow(101), 2);
}

TEST(TailOmissionTable, ATailTwiceInADrawCountsOnce) {
    t_s_dm store;
    fillStore(store, {{2020001, 1, 11, 21}, {2020002, 2, 12, 30}, {2020003, 10, 20, 31}});
    const TypeParams params{3, 0, 1, 33, 1, 16, false};
    const auto table = buildTailOmissionTable(store, params, 1, 3, 0);
    EXPECT_EQ(table.header(), (std::vector<std::string>{"期号", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                                        "开奖号码"}));
    EXPECT_EQ(table.rows[0].numbersText, "1 1 1");
    EXPECT_EQ(table.cellText(table.rows[0].cells[1]), "1");
    EXPECT_TRUE(table.rows[0].cells[1].drawn);
    EXPECT_EQ(table.cellText(table.rows[1].cells[1]), "1");
    EXPECT_FALSE(table.rows[1].cells[1].drawn);
    const auto stats = table.statisticsRows();
    EXPECT_EQ(stats[0][1], "2");  // tail 0 in draws 2 and 3
    EXPECT_EQ(stats[0][2], "2");  // tail 1 in draws 1 and 3, not three times in draw 1
    EXPECT_EQ(stats[2][2], "0");  // tail 1: one omission of 1 over two occurrences, halves to even
    const auto odd = buildTailOmissionTable(store, params, 1, 3, 2);
    EXPECT_EQ(odd.ordering.numbers, (std::vector<int>{0, 2, 4, 6, 8, 1, 3, 5, 7, 9}));
}

}  // namespace
}  // namespace qorvel

namespace qorvel {
namespace {

// Over the whole sample history the table's occurrences are the statistics page's counts, and for every
// number drawn at least once its current omission is the page's omission at the last draw.
TEST(NumberOmissionTableOnSample, AgreesWithTheStatisticsPageOverAllDraws) {
    auto ws = testing::sampleWorkspace(400);
    const auto table = buildNumberOmissionTable(ws->MainStore, ws->params, 1, ws->MainStore.Count(), 0);
    const auto stats = computeStatistics(*ws, nearRange(ws->MainStore, 0), 3);
    for (int n = 1; n <= 33; ++n) {
        const auto& column = table.statistics[n - 1];
        const auto& page = stats.main.byNumber[n - 1];
        EXPECT_EQ(column.occurrences, page.count) << n;
        if (page.count > 0) EXPECT_EQ(column.currentOmission, page.omission) << n;
    }
}

}  // namespace
}  // namespace qorvel
