// The dissection's statistics sub-pages: spans of draws, counts by category with their zone captions and
// percentages, occurrence counts and omission statistics per value with their orderings, pages, and the
// bar chart they share.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "recording_surface.h"
#include "test_support.h"
#include "types/lottery_type.h"
#include "views/dissection_bar_chart.h"
#include "views/dissection_statistics.h"
#include "views/omission_table.h"

namespace qorvel {
namespace {

using Values = std::vector<int32_t>;
using Rows = std::vector<ItemRow>;

TEST(DissectionStatisticsSpan, LastDrawsAndIssueRanges) {
    struct Case {
        DrawSpan span, expected;
    };
    const Case cases[] = {
        {lastDrawsSpan(10, 5), {6, 10}},
        {lastDrawsSpan(10, 0), {1, 10}},    // "所有"
        {lastDrawsSpan(3, 5), {1, 3}},      // counting stops at the first draw
        {lastDrawsSpan(0, 5), {1, 0}},
        {drawsBetween(3, 7, 10), {3, 7}},
        {drawsBetween(8, 3, 10), {1, 0}},   // a start after the end counts nothing
        {drawsBetween(0, 99, 10), {1, 10}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.span, c.expected) << c.expected.first << ".." << c.expected.last;
    }
    EXPECT_EQ(drawsBetween(8, 3, 10).count(), 0);
    EXPECT_EQ(lastDrawsSpan(10, 5).count(), 5);
}

// Draws 1…8; 0 is neither prime nor composite.
const Values kItemSeries{1, 2, 4, 9, 0, 11, 12, 5};

TEST(DissectionItemStatistics, CountsByCategory) {
    struct Case {
        const char* name;
        Values series;
        DrawSpan span;
        ItemGrouping grouping;
        int parameter;
        SeriesRange range;
        Rows rows;
    };
    const DrawSpan all{1, 8};
    const Case cases[] = {
        {"odd/even", kItemSeries, all, ItemGrouping::OddEven, 0, {0, 12}, {{"奇", 4}, {"偶", 4}}},
        {"last three", kItemSeries, {6, 8}, ItemGrouping::OddEven, 0, {0, 12}, {{"奇", 2}, {"偶", 1}}},
        {"prime/composite", kItemSeries, all, ItemGrouping::PrimeComposite, 0, {0, 12},
         {{"质", 4}, {"合", 3}, {"其它", 1}}},
        {"three zones of 0..12", kItemSeries, all, ItemGrouping::Zones, 3, {0, 12},
         {{"第1分区<0..3>;", 3}, {"第2分区<4..7>;", 2}, {"第3分区<8..12>;", 3}}},
        {"values outside the range", kItemSeries, all, ItemGrouping::Zones, 2, {1, 10},
         {{"第1分区<1..5>;", 4}, {"第2分区<6..10>;", 1}, {"其它", 3}}},
        {"more zones than values", {1, 3, 3}, {1, 3}, ItemGrouping::Zones, 5, {1, 3},
         {{"第1分区<1..1>;", 1}, {"第2分区<2..2>;", 0}, {"第3分区<3..3>;", 2}}},
        {"zone count kept within 2..15", {1, 3, 3}, {1, 3}, ItemGrouping::Zones, 1, {1, 4},
         {{"第1分区<1..2>;", 1}, {"第2分区<3..4>;", 2}}},
        {"remainders by 3", kItemSeries, all, ItemGrouping::Remainders, 3, {0, 12},
         {{"除3余0", 3}, {"除3余1", 2}, {"除3余2", 3}}},
        {"negative values", {-3, -4, -1, 6}, {1, 4}, ItemGrouping::Remainders, 3, {-4, 6},
         {{"除3余0", 2}, {"除3余1", 0}, {"除3余2", 0}, {"其它", 2}}},
        {"negative odd", {-3, -4}, {1, 2}, ItemGrouping::OddEven, 0, {-4, 0}, {{"奇", 1}, {"偶", 1}}},
        {"empty span", kItemSeries, {5, 2}, ItemGrouping::OddEven, 0, {0, 12}, {{"奇", 0}, {"偶", 0}}},
    };
    for (const Case& c : cases) {
        const ItemStatistics stats = itemStatistics(c.series, c.span, c.grouping, c.parameter, c.range);
        EXPECT_EQ(stats.rows, c.rows) << c.name;
        EXPECT_EQ(stats.draws, c.span.count()) << c.name;
    }
}

TEST(DissectionItemStatistics, ZonesSplitLikeTheZoneTable) {
    // Over 1…MainTo the value zones are the zone table's zones, so 1…22 in seven zones ends 3, 6, … 18, 22.
    EXPECT_EQ(valueZoneBounds({1, 22}, 7), (std::vector<int64_t>{0, 3, 6, 9, 12, 15, 18, 22}));
    for (int mainTo : {16, 33, 35}) {
        const ZoneBounds table = buildZoneBounds(mainTo);
        for (int n = kMinZoneCount; n <= kMaxZoneCount; ++n) {
            const std::vector<int64_t> bounds = valueZoneBounds({1, mainTo}, n);
            ASSERT_EQ(bounds.size(), table.forCount(n).size()) << mainTo << " " << n;
            for (std::size_t k = 0; k < bounds.size(); ++k)
                EXPECT_EQ(bounds[k], table.forCount(n)[k]) << mainTo << " " << n << " " << k;
        }
    }
    // The same split shifted to the range's start.
    EXPECT_EQ(valueZoneBounds({21, 183}, 3), (std::vector<int64_t>{20, 74, 128, 183}));
    // A range of more values than an int holds splits by the same rule.
    EXPECT_EQ(valueZoneBounds({INT32_MIN, INT32_MAX}, 2),
              (std::vector<int64_t>{int64_t{INT32_MIN} - 1, -1, INT32_MAX}));
    EXPECT_EQ(valueZoneBounds({INT32_MIN, INT32_MAX}, 3).back(), INT32_MAX);
}

TEST(DissectionItemStatistics, PercentagesRoundHalfUpOnTheExactQuotient) {
    struct Case {
        int count, draws;
        const char* text;
    };
    const Case cases[] = {{1, 3, "33.3%"}, {2, 3, "66.7%"}, {1, 16, "6.3%"}, {1, 8, "12.5%"}, {8, 8, "100.0%"},
                          {0, 0, "0.0%"}};
    for (const Case& c : cases) {
        ItemStatistics stats;
        stats.draws = c.draws;
        EXPECT_EQ(stats.percent({"奇", c.count}), c.text) << c.count << "/" << c.draws;
    }
}

TEST(DissectionOccurrences, CountsEveryValueOfTheRange) {
    const Values series{5, 7, 7, 3, 9, 7, 5};
    const OccurrenceStatistics all = occurrenceStatistics(series, {1, 7}, {3, 8});
    EXPECT_EQ(all.values, (std::vector<ValueCount>{{3, 1}, {4, 0}, {5, 2}, {6, 0}, {7, 3}, {8, 0}}));
    EXPECT_EQ(all.outside, 1);  // the 9
    EXPECT_EQ(all.draws, 7);
    const OccurrenceStatistics tail = occurrenceStatistics(series, {5, 7}, {3, 8});
    EXPECT_EQ(tail.values, (std::vector<ValueCount>{{3, 0}, {4, 0}, {5, 1}, {6, 0}, {7, 1}, {8, 0}}));
    // A range too wide to list lists only the values that occur.
    const OccurrenceStatistics wide = occurrenceStatistics(series, {1, 7}, {0, 1000000});
    EXPECT_EQ(wide.values, (std::vector<ValueCount>{{3, 1}, {5, 2}, {7, 3}, {9, 1}}));
}

TEST(DissectionOccurrences, OrdersKeepEqualCountsInValueOrder) {
    const std::vector<ValueCount> values{{3, 1}, {4, 0}, {5, 2}, {6, 0}, {7, 3}, {8, 0}};
    auto valuesOf = [](const std::vector<ValueCount>& counts) {
        std::vector<int64_t> v;
        for (const ValueCount& c : counts) v.push_back(c.value);
        return v;
    };
    EXPECT_EQ(valuesOf(orderedCounts(values, ValueOrder::ByValue)), (std::vector<int64_t>{3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(valuesOf(orderedCounts(values, ValueOrder::Ascending)), (std::vector<int64_t>{4, 6, 8, 3, 5, 7}));
    EXPECT_EQ(valuesOf(orderedCounts(values, ValueOrder::Descending)), (std::vector<int64_t>{7, 5, 3, 4, 6, 8}));
}

TEST(DissectionOmissions, PerValueOverTheSpan) {
    // Value 1 at draws 2 and 6, 2 at 1, 3, 4 and 7, 3 at 5, 4 never.
    const Values series{2, 1, 2, 2, 3, 1, 2};
    using O = std::optional<int>;
    struct Case {
        const char* name;
        DrawSpan span;
        std::vector<ValueOmissions> expected;
    };
    const Case cases[] = {
        {"whole series",
         {1, 7},
         {{1, 2, O(3), O(1), O(2), O(3), 1},
          {2, 4, O(2), O(0), O(1), O(2), 0},  // 3 / 4 rounds to 1
          {3, 1, O(4), O(4), O(4), O(4), 2},
          {4, 0, {}, {}, {}, {}, 7}}},        // never drawn: nothing recorded, the whole span current
        {"from draw 3",
         {3, 7},
         {{1, 1, O(3), O(3), O(3), O(3), 1},
          {2, 3, O(2), O(0), O(1), O(2), 0},  // drawn at the span's first draw: that records nothing
          {3, 1, O(2), O(2), O(2), O(2), 2},
          {4, 0, {}, {}, {}, {}, 5}}},
        {"empty span", {4, 2}, {{1, 0, {}, {}, {}, {}, 0}, {2, 0, {}, {}, {}, {}, 0}, {3, 0, {}, {}, {}, {}, 0},
                                {4, 0, {}, {}, {}, {}, 0}}},
    };
    for (const Case& c : cases) EXPECT_EQ(omissionStatistics(series, c.span, {1, 4}).values, c.expected) << c.name;
}

// Over a one-number history the omission table's columns are the values, so both must agree.
TEST(DissectionOmissions, AgreeWithTheOmissionTable) {
    Values series;
    for (int i = 0; i < 60; ++i) series.push_back(1 + (i * i * 7 + i / 3) % 6);  // 1…6, 6 rarely
    series.push_back(6);
    t_s_dm store;
    std::vector<std::vector<int>> draws;
    for (std::size_t i = 0; i < series.size(); ++i) draws.push_back({2020001 + static_cast<int>(i), series[i]});
    testing::fillStore(store, draws);
    const TypeParams params{1, 0, 1, 7, 1, 16, false};
    for (DrawSpan span : {DrawSpan{1, 61}, DrawSpan{12, 50}, DrawSpan{30, 30}}) {
        const OmissionTable table = buildNumberOmissionTable(store, params, span.first, span.last, 0);
        const OmissionStatistics ours = omissionStatistics(series, span, {1, 7});
        ASSERT_EQ(ours.values.size(), table.statistics.size());
        for (std::size_t s = 0; s < ours.values.size(); ++s) {
            const ValueOmissions& v = ours.values[s];
            const OmissionColumnStatistics& t = table.statistics[s];
            const std::string where = std::to_string(span.first) + ".." + std::to_string(span.last) + " value " +
                                      std::to_string(v.value);
            EXPECT_EQ(v.occurrences, t.occurrences) << where;
            EXPECT_EQ(v.maxOmission.value_or(kNoOmission), t.maxOmission) << where;
            EXPECT_EQ(v.averageOmission.value_or(kNoOmission), t.averageOmission) << where;
            EXPECT_EQ(v.lastOmission.value_or(kNoOmission), t.lastOmission) << where;
            EXPECT_EQ(v.currentOmission, t.currentOmission) << where;
            EXPECT_EQ(v.minOmission.has_value(), v.maxOmission.has_value()) << where;
            if (v.minOmission) {
                EXPECT_LE(*v.minOmission, *v.maxOmission) << where;
            }
        }
    }
}

TEST(DissectionOmissions, OrdersPutValuesWithoutAMeasureLast) {
    using O = std::optional<int>;
    const std::vector<ValueOmissions> values{{1, 2, O(3), O(1), O(2), O(3), 1},
                                             {2, 4, O(2), O(0), O(1), O(2), 0},
                                             {3, 1, O(4), O(4), O(4), O(4), 2},
                                             {4, 0, {}, {}, {}, {}, 7},
                                             {5, 1, O(2), O(2), O(2), O(2), 3}};
    auto valuesOf = [](const std::vector<ValueOmissions>& v) {
        std::vector<int64_t> out;
        for (const ValueOmissions& o : v) out.push_back(o.value);
        return out;
    };
    struct Case {
        OmissionMeasure measure;
        ValueOrder order;
        std::vector<int64_t> values;
    };
    const Case cases[] = {
        {OmissionMeasure::Max, ValueOrder::Ascending, {2, 5, 1, 3, 4}},
        {OmissionMeasure::Max, ValueOrder::Descending, {3, 1, 2, 5, 4}},
        {OmissionMeasure::Min, ValueOrder::Ascending, {2, 1, 5, 3, 4}},
        {OmissionMeasure::Current, ValueOrder::Ascending, {2, 1, 3, 5, 4}},
        {OmissionMeasure::Value, ValueOrder::Descending, {5, 4, 3, 2, 1}},
        {OmissionMeasure::Average, ValueOrder::ByValue, {1, 2, 3, 4, 5}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(valuesOf(orderedOmissions(values, c.measure, c.order)), c.values)
            << kOmissionMeasureCaptions[static_cast<int>(c.measure)] << " " << static_cast<int>(c.order);
}

TEST(DissectionStatisticsPages, SlicesOfTheValues) {
    struct Case {
        int items, size, page;
        int pages;
        PageSlice slice;
    };
    const Case cases[] = {
        {0, 25, 0, 1, {0, 0}}, {25, 25, 0, 1, {0, 25}}, {26, 25, 1, 2, {25, 1}},
        {163, 25, 9, 7, {150, 13}},  // a page past the end shows the last one
        {163, 25, -1, 7, {0, 25}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pageCount(c.items, c.size), c.pages) << c.items;
        EXPECT_EQ(pageSlice(c.items, c.size, c.page), c.slice) << c.items << " page " << c.page;
    }
}

TEST(DissectionBarChart, TickSteps) {
    struct Case {
        double largest;
        bool whole;
        double step;
    };
    const Case cases[] = {{0, true, 1},    {10, true, 1},    {11, true, 2},     {20, true, 2},  {21, true, 5},
                          {163, true, 20}, {3493, true, 500}, {100, false, 10}, {0.5, false, 0.1},
                          {3.7, false, 0.5}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(barChartStep(c.largest, c.whole), c.step) << c.largest;
}

BarChartModel twoSeriesModel() {
    BarChartModel m;
    m.title = "和值的测试";
    m.xCaption = "指标取值";
    m.yCaption = "遗漏";
    m.series = {{"最大遗漏", kRed}, {"本次遗漏", kBlue}};
    m.slots = {{"第1分区<100..120>;", {{10.0, "10"}, {5.0, "5"}}}, {"7", {{std::nullopt, "-"}, {0.0, "0"}}}};
    return m;
}

TEST(DissectionBarChart, BarsRiseInProportionAndAbsentValuesDrawNone) {
    const BarChartModel m = twoSeriesModel();
    const BarChartGeometry g = layoutDissectionBars(m, 400, 300);
    EXPECT_EQ(g.ticks * g.step, 10);
    ASSERT_EQ(g.bars.size(), 4u);
    const Rect& tall = g.bars[0].rect;
    const Rect& half = g.bars[1].rect;
    EXPECT_EQ(tall.top, g.plot.top);  // the largest value reaches the top tick
    EXPECT_NEAR(half.height() * 2, tall.height(), 1);
    EXPECT_LE(tall.right, half.left + 1);  // side by side inside the slot
    EXPECT_FALSE(g.bars[2].present);
    EXPECT_EQ(g.bars[2].rect.height(), 0);
    EXPECT_EQ(g.bars[3].rect.height(), 0);
    for (const auto& bar : g.bars) {
        EXPECT_GE(bar.rect.left, g.plot.left);
        EXPECT_LE(bar.rect.right, g.plot.right);
    }

    testing::RecordingSurface surface(400, 300);
    paintDissectionBars(surface, m, 400, 300);
    const std::string log = surface.logText();
    for (const char* text : {"\"和值的测试\"", "\"指标取值\"", "\"遗漏\"", "\"最大遗漏\"", "\"本次遗漏\"", "\"10\"", "\"5\"",
                             "\"-\"", "\"0\""})
        EXPECT_NE(log.find(text), std::string::npos) << text;
    // 108 pixels of caption fit a slot of 164: it stays on one line.
    EXPECT_NE(log.find("\"第1分区<100..120>;\""), std::string::npos);
    // Only the present, non-zero bars are filled in their series colours.
    int redFills = 0, blueFills = 0;
    for (const std::string& line : surface.linesStartingWith("fill ")) {
        if (line.ends_with(" 0000FF")) ++redFills;
        if (line.ends_with(" FF0000")) ++blueFills;
    }
    EXPECT_EQ(redFills, 1 + 1);   // the bar and its legend square
    EXPECT_EQ(blueFills, 1 + 1);
}

TEST(DissectionBarChart, NarrowSlotsBreakZoneCaptionsBeforeTheBounds) {
    BarChartModel m = twoSeriesModel();
    testing::RecordingSurface surface(200, 300);
    paintDissectionBars(surface, m, 200, 300);
    const std::string log = surface.logText();
    EXPECT_NE(log.find("\"第1分区\""), std::string::npos);
    EXPECT_NE(log.find("\"<100..120>;\""), std::string::npos);
    // An empty chart still draws its frame.
    m.slots.clear();
    testing::RecordingSurface empty(200, 300);
    paintDissectionBars(empty, m, 200, 300);
    EXPECT_NE(empty.logText().find("\"和值的测试\""), std::string::npos);
}

}  // namespace
}  // namespace qorvel
