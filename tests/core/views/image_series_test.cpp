// The series of the image views and of the indicator trend view.
#include "views/image_series.h"

#include <gtest/gtest.h>

#include "engine/engine_test_support.h"
#include "views/indicator_trend.h"

namespace qorvel {
namespace {

using testing::workspaceWith;

TEST(ImageSeries, GapsOfOneDraw) {
    auto ws = workspaceWith({{2020001, 3, 8, 15, 21, 27, 33, 1}});
    const GapRow g = gapRow(ws->MainStore, ws->params, 1);
    EXPECT_EQ(g.numbers, (std::vector<int>{3, 8, 15, 21, 27, 33}));
    EXPECT_EQ(g.gaps, (std::vector<int>{5, 7, 6, 6, 6}));
    EXPECT_TRUE(gapRow(ws->MainStore, ws->params, 2).numbers.empty());
    EXPECT_EQ(gapPairItems().front(), std::make_pair(2, 1));
    EXPECT_EQ(gapPairItems().size(), 15u);
}

TEST(ImageSeries, PositionRemainders) {
    auto ws = workspaceWith({{2020001, 3, 8, 15, 21, 27, 33, 1}, {2020002, 1, 2, 4, 5, 7, 9, 1}});
    const auto values = positionRemainders(ws->MainStore, ws->params, 4);
    ASSERT_EQ(values.size(), 6u);
    EXPECT_EQ(values[0], (std::vector<int>{3, 1}));
    EXPECT_EQ(values[5], (std::vector<int>{1, 1}));
}

TEST(ImageSeries, SpreadOfOneDraw) {
    auto ws = workspaceWith({{2020001, 1, 2, 3, 4, 5, 6, 1}});
    struct Case {
        SpreadMode mode;
        int plotted;
        const char* label;
    } cases[] = {
        {SpreadMode::Mean, 4, "3.5"},  // 3.5 rounds to the even 4
        {SpreadMode::StandardDeviation, 17, "1.7"},
        {SpreadMode::Variation, 49, "48.8%"},
    };
    for (const auto& c : cases) {
        const SpreadPoint p = spreadPoint(ws->MainStore, ws->params, 1, c.mode);
        EXPECT_EQ(p.plotted, c.plotted);
        EXPECT_EQ(p.label, c.label);
    }
}

TEST(ImageSeries, SpreadAxes) {
    const SpreadAxis mean = spreadAxis(SpreadMode::Mean);
    EXPECT_EQ(mean.labels, (std::vector<std::string>{"8", "12", "16", "20", "24", "28", "32"}));
    EXPECT_EQ(mean.referenceAbove, 13.5);
    const SpreadAxis deviation = spreadAxis(SpreadMode::StandardDeviation);
    EXPECT_EQ(deviation.labels.front(), "3");
    EXPECT_EQ(deviation.labels.back(), "21");
    EXPECT_LT(deviation.referenceAbove, 0);
    EXPECT_EQ(spreadAxis(SpreadMode::Variation).labels.size(), 10u);
    EXPECT_EQ(gapPositionColour(3).g, 138);
}

TEST(ImageSeries, OmissionHistoryOfOneNumber) {
    auto ws = workspaceWith({{2020001, 1, 2, 3, 4, 5, 6, 1},
                             {2020002, 5, 7, 8, 9, 10, 11, 1},
                             {2020003, 2, 7, 8, 9, 10, 11, 1},
                             {2020004, 2, 7, 8, 9, 10, 11, 1},
                             {2020005, 5, 7, 8, 9, 10, 11, 1}});
    struct Case {
        int number;
        std::vector<std::pair<int, int>> entries;  // (issue, omission)
    } cases[] = {
        {5, {{2020001, 0}, {2020002, 0}, {2020005, 2}}},  // drawn in the newest draw: no extra entry
        {1, {{2020001, 0}, {2020005, 4}}},                // then absent: the current omission
        {2, {{2020001, 0}, {2020003, 1}, {2020004, 0}, {2020005, 1}}},
        {33, {{2020005, 5}}},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<int, int>> got;
        for (const auto& e : numberOmissionHistory(ws->MainStore, ws->params, c.number))
            got.emplace_back(e.issue, e.omission);
        EXPECT_EQ(got, c.entries) << c.number;
    }
    const auto two = numberOmissionHistory(ws->MainStore, ws->params, 2);
    EXPECT_EQ(two[1].amplitude, 1);
    EXPECT_EQ(two[2].amplitude, 1);
    const auto records = omissionHandOverRecords(two);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1][0], 2020003);
    EXPECT_EQ(records[1][1], 1);
    EXPECT_EQ(omissionHandOverRecords({}).size(), 1u);
    EXPECT_EQ(omissionTrendTitle(7), "主区号码7的遗漏走势");
}

TEST(ImageSeries, ExtensionCodes) {
    struct Case {
        ExtensionChoice choice;
        const char* code;
    } cases[] = {
        {defaultExtensionChoice(ExtensionKind::OmissionRange), "c_ylz_0_1_1"},
        {defaultExtensionChoice(ExtensionKind::Zone), "c_fq_0_4_1"},
        {defaultExtensionChoice(ExtensionKind::Remainder), "c_ys_0_6_0"},
        {{ExtensionKind::Remainder, 1, 5, 3}, "c_ys_1_5_3"},
        {defaultExtensionChoice(ExtensionKind::Difference), "c_cz_2"},
        {defaultExtensionChoice(ExtensionKind::Sum), "c_hz_34"},
        {defaultExtensionChoice(ExtensionKind::PreviousDifference), "c_xw_cz_2"},
        {defaultExtensionChoice(ExtensionKind::PreviousSum), "c_xw_hz_34"},
    };
    for (const auto& c : cases) EXPECT_EQ(extensionCode(c.choice), c.code);
    EXPECT_EQ(extensionFormula(defaultExtensionChoice(ExtensionKind::Zone)), "getzb(c_fq_0_4_1)");
}

TEST(ImageSeries, CodeSeriesKeepsTheCursor) {
    auto ws = workspaceWith({{2020001, 1, 2, 3, 4, 5, 6, 1}, {2020002, 2, 4, 6, 8, 10, 12, 1}});
    ws->MainStore.SetRecNo(1);
    const ValueSeries s = codeSeries(*ws, "z_hz");
    EXPECT_EQ(s.values, (std::vector<int32_t>{21, 42}));
    EXPECT_EQ(s.amplitudes, (std::vector<int32_t>{21, 21}));
    EXPECT_EQ(ws->MainStore.RecNo(), 1);
}

class TrendSeriesTest : public ::testing::Test {
protected:
    // First numbers 4, 7, 7, 2.
    std::unique_ptr<Workspace> ws = workspaceWith({{2020001, 4, 10, 11, 12, 13, 14, 1},
                                                   {2020002, 7, 10, 11, 12, 13, 14, 1},
                                                   {2020003, 7, 10, 11, 12, 13, 14, 1},
                                                   {2020004, 2, 10, 11, 12, 13, 14, 1}});
    std::vector<int32_t> features(const char* formula, TrendFeatureChoice choice) {
        return computeTrendSeries(*ws, formula, "title", choice).features;
    }
};

TEST_F(TrendSeriesTest, FeaturesOfTheValues) {
    struct Case {
        TrendFeatureChoice choice;
        std::vector<int32_t> features;
    } cases[] = {
        {{TrendFeature::OddEven}, {1, 2, 2, 1}},
        {{TrendFeature::PrimeComposite}, {1, 2, 2, 2}},
        {{TrendFeature::Road}, {2, 2, 2, 3}},
        {{TrendFeature::Tail}, {4, 7, 7, 2}},
        {{TrendFeature::Amplitude}, {4, 3, 0, 5}},
        {{TrendFeature::Omission}, {0, 1, 0, 3}},
        {{TrendFeature::OmissionAmplitude}, {0, 1, 1, 3}},
        {{TrendFeature::Size, 5}, {1, 2, 2, 1}},
        {{TrendFeature::Remainder, 17, 3}, {1, 1, 1, 2}},
    };
    for (const auto& c : cases) EXPECT_EQ(features("z_num1", c.choice), c.features) << trendFeatureName(c.choice);
    EXPECT_EQ(features("0-z_num1", {TrendFeature::Tail}), (std::vector<int32_t>{4, 7, 7, 2}));  // |result|
}

TEST_F(TrendSeriesTest, TitlesLabelsAndErrors) {
    const TrendSeries s = computeTrendSeries(*ws, "z_num1", "第一位", {TrendFeature::Remainder, 17, 4});
    EXPECT_EQ(s.featureTitle, "第一位的除4余数");
    EXPECT_EQ(s.categoryCount, 0);
    const TrendSeries odd = computeTrendSeries(*ws, "z_num1", "第一位", {});
    EXPECT_EQ(odd.featureTitle, "第一位的奇偶");
    EXPECT_EQ(odd.labels, (std::vector<std::string>{"", "偶", "奇"}));
    ws->MainStore.SetRecNo(2);
    const TrendSeries bad = computeTrendSeries(*ws, "z_num1+", "x", {});
    EXPECT_EQ(bad.error.rfind("公式有误:", 0), 0u) << bad.error;
    EXPECT_TRUE(bad.values.empty());
    EXPECT_EQ(ws->MainStore.RecNo(), 2);
    EXPECT_EQ(parseTrendFeature("遗漏振幅"), TrendFeature::OmissionAmplitude);
    EXPECT_FALSE(parseTrendFeature("振"));
}

}  // namespace
}  // namespace qorvel

namespace qorvel {
namespace {

TEST(TrendTree, TenCategoriesInOrder) {
    const auto tree = trendTree("蓝号", {"z_hz+1        和值加一", "", "f_num1"});
    ASSERT_EQ(tree.size(), 10u);
    const char* titles[] = {"常规系列", "和值系列", "振幅系列", "遗漏系列", "遗漏振幅",
                            "振幅遗漏", "线和线差", "尾数系列", "蓝号系列", "保存的自定义指标"};
    for (int k = 0; k < 10; ++k) EXPECT_EQ(tree[k].title, titles[k]);
    EXPECT_EQ(tree[0].items.front().formula, "z_num1");
    EXPECT_EQ(tree[0].items.front().name, "主号一");
    EXPECT_EQ(tree[8].items.front().formula.rfind("f_", 0), 0u);
    ASSERT_EQ(tree[9].items.size(), 2u);
    EXPECT_EQ(tree[9].items[0].name, "和值加一");
    EXPECT_EQ(tree[9].items[0].formula, "z_hz+1");
    EXPECT_EQ(tree[9].items[1].name, "");
}

TEST(TrendWindow, ZoomAndExtend) {
    TrendWindow w;
    w.place(100);
    EXPECT_EQ(w.startIndex, 40);
    TrendWindow shortHistory;
    shortHistory.place(30);
    EXPECT_EQ(shortHistory.startIndex, 1);

    TrendWindow six{6, 61};
    EXPECT_FALSE(six.zoomOut());  // 缩小 at 6 does nothing
    TrendWindow seven{7, 61};
    EXPECT_TRUE(seven.zoomOut());
    EXPECT_EQ(seven.startIndex, 2);
    EXPECT_EQ(seven.pointCount, 66);

    TrendWindow narrow{10, 7};
    EXPECT_TRUE(narrow.zoomIn(100));
    EXPECT_EQ(narrow.pointCount, 2);
    EXPECT_FALSE(narrow.zoomIn(100));  // never below two points
    TrendWindow end{98, 61};
    EXPECT_FALSE(end.zoomIn(100));

    TrendWindow ext{40, 61};
    EXPECT_TRUE(ext.extendTo(60, 100));
    EXPECT_EQ(ext.startIndex, 41);
    EXPECT_EQ(ext.pointCount, 60);
    EXPECT_FALSE(ext.extendTo(1, 100));
    EXPECT_FALSE(ext.extendTo(200, 100));
}

TEST(TrendWindow, YRangeByDisplayMode) {
    const std::vector<int32_t> values = {5, 9, 3, 7, 7, 7};
    const TrendWindow window{4, 3};
    struct Case {
        int mode, mainCount;
        int32_t yMin, yMax;
    } cases[] = {
        {0, 6, 3, 9},
        {1, 6, 7, 12},  // flat window widened by the main count − 1
        {1, 1, 7, 8},   // a one-number type still gets a span
        {2, 6, 3, 50},
    };
    EXPECT_EQ(trendYRange({4, 4, 4}, 0, window, 6, 50).yMax, 9);  // flat over all draws
    EXPECT_EQ(trendYRange(values, 2, window, 6, 2).yMax, 8);       // a limit below the minimum
    for (const auto& c : cases) {
        const TrendYRange r = trendYRange(values, c.mode, window, c.mainCount, 50);
        EXPECT_EQ(r.yMin, c.yMin) << c.mode;
        EXPECT_EQ(r.yMax, c.yMax) << c.mode;
    }
    const TrendYRange inaccessible = trendYRange({999, 999}, 0, TrendWindow{1, 61}, 6, 50);
    EXPECT_TRUE(inaccessible.inaccessible);
    EXPECT_EQ(inaccessible.yMin, 0);
    EXPECT_EQ(inaccessible.yMax, 999);
}

TEST(TrendMemo, StatisticsRangeByMode) {
    const TrendWindow window{40, 61};
    struct Case {
        int mode, from, to;
    } cases[] = {{0, 1, 90}, {1, 40, 90}, {2, 5, 90}};
    for (const auto& c : cases) {
        const IndexRange r = trendStatisticsRange(c.mode, window, 90, 5, 120);
        EXPECT_EQ(r.from, c.from) << c.mode;
        EXPECT_EQ(r.to, c.to) << c.mode;
    }
}

TEST(TrendMemo, LinesOfTheStatisticsMemo) {
    EXPECT_EQ(trendMemoLine("和值", -3, 8, {1, 4, 0}, {0, 2, 0}, {2, 3, 1}),
              "和值统计结果：（最小值：-3；最大值：8；中间值：2）；（最小遗传：0；最大遗传：4；当前遗传：1）；"
              "（最小升序：0；最大升序：2；当前升序：0）；（最小降序：1；最大降序：3；当前降序：2）；");
    EXPECT_EQ(trendMemoRangeLine(2020001, 9999999), "（统计范围：从2020001至9999999）");
}

}  // namespace
}  // namespace qorvel
