// The statistics page: range, counts and omissions, orderings, cold/hot lines and itemised rows on a
// five-draw history whose values are worked out by hand below.
#include "views/statistics_page.h"

#include <gtest/gtest.h>

#include "engine/engine_test_support.h"
#include "views/view_text.h"

namespace qorvel {
namespace {

using testing::workspaceWith;

// Sums 21 42 21 105 33; odd counts 3 0 3 3 3; distinct tails 6 5 6 2 6; specials 7 3 9 1 7.
const std::vector<std::vector<int>> kFiveDraws = {
    {2020001, 1, 2, 3, 4, 5, 6, 7},      {2020002, 2, 4, 6, 8, 10, 12, 3}, {2020003, 1, 2, 3, 4, 5, 6, 9},
    {2020004, 5, 10, 15, 20, 25, 30, 1}, {2020005, 3, 4, 5, 6, 7, 8, 7},
};

const ItemisedRow* findRow(const std::vector<ItemisedRow>& rows, const std::string& group, const std::string& caption) {
    for (const auto& row : rows)
        if (row.group == group && row.caption == caption) return &row;
    return nullptr;
}

TEST(FixedQuotient, RoundsHalfUpOnTheExactQuotient) {
    struct Case {
        int64_t num, den;
        int decimals;
        const char* text;
    } cases[] = {
        {1, 3, 1, "0.3"}, {2, 3, 1, "0.7"}, {1, 8, 2, "0.13"}, {5, 2, 0, "3"},   {0, 0, 2, "0.00"},
        {10, 4, 1, "2.5"}, {1, 20, 1, "0.1"}, {7, 100, 2, "0.07"}, {199, 2, 1, "99.5"}, {5, 0, 1, "0.0"},
    };
    for (const auto& c : cases) EXPECT_EQ(fixedQuotient(c.num, c.den, c.decimals), c.text) << c.num << "/" << c.den;
    EXPECT_EQ(percentText(1203, 2100), "57.3%");
    EXPECT_EQ(percentText(1, 0), "0.0%");
}

TEST(StatisticsRange, NearAndCustomRanges) {
    auto ws = workspaceWith(kFiveDraws);
    const t_s_dm& store = ws->MainStore;
    struct Case {
        StatisticsRange range;
        int endRow, count;
    } cases[] = {
        {nearRange(store, 3), 5, 3},      {nearRange(store, 0), 5, 5},       // "所有"
        {nearRange(store, 100), 5, 5},    {customRange(store, 2, 4), 4, 3},
        {customRange(store, 4, 2), 2, 0}, {customRange(store, 3, 3), 3, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.range.endRow, c.endRow);
        EXPECT_EQ(c.range.count, c.count);
    }
    EXPECT_EQ(parseNearCount("所有"), 0);
    EXPECT_EQ(parseNearCount("150"), 150);
    EXPECT_FALSE(parseNearCount("12a"));
    EXPECT_FALSE(parseNearCount("0"));  // not a way to say "所有"
    EXPECT_FALSE(parseNearCount("-5"));
    EXPECT_EQ(customRangeLabel(4, 2), "共-1期");
    EXPECT_EQ(statisticsDefaultFromRow(150), 50);
    EXPECT_EQ(statisticsDefaultFromRow(30), 1);
}

TEST(StatisticsCounts, CountsOverTheRangeOmissionsOverTheWholeHistory) {
    auto ws = workspaceWith(kFiveDraws);
    const auto result = computeStatistics(*ws, nearRange(ws->MainStore, 3), 3);
    EXPECT_EQ(result.endIssue, 2020005);
    struct Case {
        int number, count, omission;
    } cases[] = {
        {5, 3, 0},   // in every draw of the range
        {1, 1, 2},   // last drawn two draws before the end
        {12, 0, 3},  // outside the range, its omission still found further back
        {33, 0, 0},  // never drawn
    };
    for (const auto& c : cases) {
        EXPECT_EQ(result.main.byNumber[c.number - 1].count, c.count) << c.number;
        EXPECT_EQ(result.main.byNumber[c.number - 1].omission, c.omission) << c.number;
    }
    EXPECT_EQ(result.special.byNumber[6].omission, 0);  // special 7 drawn at the end
    EXPECT_EQ(result.special.byNumber[8].count, 1);
    EXPECT_EQ(result.main.scaleStep(), 1);
}

TEST(StatisticsCounts, ReversedCustomRangeCountsNothing) {
    auto ws = workspaceWith(kFiveDraws);
    const auto result = computeStatistics(*ws, customRange(ws->MainStore, 4, 2), 3);
    EXPECT_EQ(result.range.count, 0);
    for (const auto& s : result.main.byNumber) EXPECT_EQ(s.count, 0) << s.number;
    EXPECT_EQ(result.endIssue, 2020002);
}

TEST(StatisticsOrders, AscendingWithEqualValuesInNumberOrder) {
    auto ws = workspaceWith(kFiveDraws, TypeParams{2, 1, 1, 6, 1, 16, true});
    // Over the whole history the first two numbers give counts 1:2, 2:3, 3:1, 4:2, 5:1, 6:0.
    const auto result = computeStatistics(*ws, nearRange(ws->MainStore, 0), 3);
    std::vector<int> byCount, byOmission;
    for (const auto& s : result.main.byCount) byCount.push_back(s.number);
    for (const auto& s : result.main.byOmission) byOmission.push_back(s.number);
    EXPECT_EQ(byCount, (std::vector<int>{6, 3, 5, 1, 4, 2}));
    // Omissions: 3 and 4 at the end (0), 6 never (0), 5 one back, 1 and 2 two back.
    EXPECT_EQ(byOmission, (std::vector<int>{3, 4, 6, 5, 1, 2}));
}

TEST(StatisticsColdHot, LinesListEveryClassWithTwoDigitNumbers) {
    auto ws = workspaceWith(kFiveDraws);
    ws->coldHot = ColdHotSettings{5, 1, 3, 5, 1, 2};
    const auto result = computeStatistics(*ws, nearRange(ws->MainStore, 100), 3);
    EXPECT_EQ(result.mainColdHotLine.rfind("主区冷号:07  09  11  12  13  ", 0), 0u) << result.mainColdHotLine;
    EXPECT_TRUE(result.mainColdHotLine.ends_with(";  主区温号:01  08  10  ;  红码热号:02  03  04  05  06  "))
        << result.mainColdHotLine;
    EXPECT_TRUE(result.specialColdHotLine.ends_with("16  ;  副区温号:;  副区热号:07  ")) << result.specialColdHotLine;
    EXPECT_EQ(ws->MainStore.RecNo(), 5);
}

TEST(ItemisedStatistics, RowsOfBothSheets) {
    auto ws = workspaceWith(kFiveDraws);
    const auto rows = itemisedStatistics(*ws, nearRange(ws->MainStore, 0), 3);
    struct Case {
        const char *group, *caption, *value, *percent;
        int bar;
    } cases[] = {
        {"奇偶", "奇数个数:", "12", "40.0%", 28},
        {"奇偶", "偶数个数:", "18", "60.0%", 42},
        {"奇偶", "个数差:", "6", "", -1},
        {"尾数", "2个尾数:", "1期", "20.0%", 14},
        {"尾数", "6个尾数:", "3期", "60.0%", 42},
        {"尾数", "平均每期尾数个数:", "5.0个", "", -1},
        {"质数", "平均每期质数个数:", "2.6个", "", -1},  // primes 4 1 4 1 3 (1 counts as prime)
        {"连号", "5组连号:", "3期", "", 42},  // a bar of its share, no percentage shown
        {"和值", "和值平均值:", "44.40", "", -1},
        {"和值", "最大和值:", "105", "", -1},
        {"和值", "最小和值:", "21", "", -1},
        {"间距", "间距平均值:", "2.00", "", -1},
        {"间距", "最小间距:", "1", "", -1},
        {"余数", "除三余零数:", "10", "33.3%", 23},
        {"七区", "一区：", "12", "", -1},
    };
    for (const auto& c : cases) {
        const ItemisedRow* row = findRow(rows, c.group, c.caption);
        ASSERT_NE(row, nullptr) << c.caption;
        EXPECT_EQ(row->value, c.value) << c.caption;
        EXPECT_EQ(row->percent, c.percent) << c.caption;
        EXPECT_EQ(row->barWidth, c.bar) << c.caption;
    }
    EXPECT_EQ(findRow(rows, "奇偶", "奇数个数:")->sheet, 1);
    EXPECT_EQ(findRow(rows, "七区", "一区：")->sheet, 2);
}

TEST(ItemisedStatistics, RemainderRowsFollowTheDivisor) {
    auto ws = workspaceWith(kFiveDraws);
    for (int divisor : {3, 4, 5}) {
        const auto rows = itemisedStatistics(*ws, nearRange(ws->MainStore, 0), divisor);
        int shown = 0;
        for (const auto& row : rows) shown += row.group == "余数";
        EXPECT_EQ(shown, divisor);
    }
    const auto five = itemisedStatistics(*ws, nearRange(ws->MainStore, 0), 5);
    EXPECT_NE(findRow(five, "余数", "除五余四数:"), nullptr);
    EXPECT_EQ(findRow(five, "余数", "除三余零数:"), nullptr);
}

TEST(ItemisedStatistics, EmptyRangeWritesZerosWithoutDividing) {
    auto ws = workspaceWith(kFiveDraws);
    const auto rows = itemisedStatistics(*ws, customRange(ws->MainStore, 4, 2), 3);
    EXPECT_EQ(findRow(rows, "奇偶", "奇数个数:")->percent, "0.0%");
    EXPECT_EQ(findRow(rows, "偏度", "平均偏度值:")->value, "0.00");
    EXPECT_EQ(findRow(rows, "偏度", "最小偏度值:")->value, "999");
    EXPECT_EQ(findRow(rows, "尾数", "平均每期尾数个数:")->value, "0.0个");
}

TEST(ItemisedStatistics, SevenZonesOfTwentyTwoNumbers) {
    // Zones of 1..22: 1–3, 4–6, 7–9, 10–12, 13–15, 16–18, 19–22.
    auto ws = workspaceWith({{2020001, 3, 4, 9, 10, 15, 19, 22}}, TypeParams{7, 0, 1, 22, 1, 16, false});
    const auto rows = itemisedStatistics(*ws, nearRange(ws->MainStore, 0), 3);
    const char* captions[] = {"一区：", "二区：", "三区：", "四区：", "五区：", "六区：", "七区："};
    const char* expected[] = {"1", "1", "1", "1", "1", "0", "2"};
    for (int z = 0; z < 7; ++z) EXPECT_EQ(findRow(rows, "七区", captions[z])->value, expected[z]) << captions[z];
}

}  // namespace
}  // namespace qorvel
