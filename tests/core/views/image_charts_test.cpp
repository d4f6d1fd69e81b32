// The pictures of the image trend views: the gap bars and their texts, the pair items, the number marks,
// the spread chart's points, labels and clamping, the stacked remainder charts, the forecast box and the
// omission and related-value chart pairs, each checked on a recording surface.
#include "views/image_charts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/engine_test_support.h"
#include "recording_surface.h"

namespace qorvel {
namespace {

using testing::RecordingSurface;
using testing::workspaceWith;

constexpr int kWidth = 800, kHeight = 600;

// The quoted texts of the log's text lines, in drawing order; with `colour` only those in that colour
// (six hex digits, as the log writes colours).
std::vector<std::string> texts(const RecordingSurface& s, const std::string& colour = {}) {
    std::vector<std::string> out;
    for (const std::string& line : s.linesStartingWith("text ")) {
        const auto open = line.find('"'), close = line.rfind('"');
        if (!colour.empty() && line.substr(line.rfind('/') + 1) != colour) continue;
        out.push_back(line.substr(open + 1, close - open - 1));
    }
    return out;
}

std::vector<std::string> withPrefix(const RecordingSurface& s, const std::string& prefix) {
    return s.linesStartingWith(prefix);
}

int count(const std::vector<std::string>& lines, const std::string& part) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [&](const std::string& l) { return l.find(part) != std::string::npos; }));
}

TEST(ImageWindow, LastStartShowsTheNewestDraws) {
    struct Case {
        int total, length, start;
    } cases[] = {{100, 36, 65}, {36, 36, 1}, {10, 36, 1}, {0, 36, 1}, {5, 0, 5}};
    for (const Case& c : cases) EXPECT_EQ(lastWindowStart(c.total, c.length), c.start) << c.total << "/" << c.length;
}

TEST(GapChart, PositionsOfTheItems) {
    struct Case {
        int pair, mainCount;
        std::vector<int> positions;
    } cases[] = {
        {0, 6, {6, 5, 4, 3, 2, 1}},
        {1, 6, {2, 1}},    // "2_1显示"
        {15, 6, {6, 1}},   // "6_1显示"
        {15, 5, {}},       // a five-number type has no sixth position
        {16, 6, {}},       // past the list
        {-1, 6, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(gapPositions(c.pair, c.mainCount), c.positions) << c.pair;
}

TEST(GapChart, BarsFromTheHighestPositionWithTheGapsInWhite) {
    auto ws = workspaceWith({{2020001, 3, 8, 15, 21, 27, 33, 1}});
    tcoordinate axes;
    RecordingSurface s(kWidth, kHeight);
    drawGapChart(axes, s, kWidth, kHeight, ws->MainStore, ws->params, 0, GapMarking::Gaps, 1, 36);
    EXPECT_EQ(texts(s, "FFFFFF"), (std::vector<std::string>{"6", "6", "6", "7", "5"}));  // 33-27 … 8-3
    const auto bars = withPrefix(s, "rect ");
    ASSERT_EQ(bars.size(), 6u);
    const char* fills[] = {"FF0000", "008000", "800080", "8C8A33", "0000FF", "FFFFFF"};  // blue … white
    for (int i = 0; i < 6; ++i) {
        EXPECT_NE(bars[i].find("brush=" + std::string(fills[i])), std::string::npos) << bars[i];
        EXPECT_NE(bars[i].find("pen=FFFFFF/1/solid"), std::string::npos) << bars[i];
    }
    // Every bar stands on the axis and reaches its number; the first is 16 pixels wide.
    const Point top = axes.PointPixel(1, 33);
    EXPECT_NE(bars[0].find("rect " + std::to_string(top.x - 8) + "," + std::to_string(top.y) + "," +
                           std::to_string(top.x + 8) + "," + std::to_string(axes.originY)),
              std::string::npos)
        << bars[0];
    EXPECT_GT(top.x, axes.originX);  // the first draw keeps off the y axis
    std::vector<std::string> yLabels;
    for (int k = 1; k <= axes.yLabelCount; ++k) yLabels.push_back(axes.labels[kCoordinateYLabelBase + k]);
    EXPECT_EQ(yLabels.front(), "3");
    EXPECT_EQ(yLabels.back(), "33");
    EXPECT_EQ(yLabels.size(), 16u);
}

TEST(GapChart, APairItemIsDrawnInRed) {
    auto ws = workspaceWith({{2020001, 3, 8, 15, 21, 27, 33, 1}});
    tcoordinate axes;
    RecordingSurface gaps(kWidth, kHeight);
    drawGapChart(axes, gaps, kWidth, kHeight, ws->MainStore, ws->params, 6 /* 3_1显示 */, GapMarking::Gaps, 1, 36);
    EXPECT_EQ(texts(gaps, "FFFFFF"), (std::vector<std::string>{"12"}));
    EXPECT_EQ(count(withPrefix(gaps, "rect "), "brush=0000FF"), 2);
    EXPECT_EQ(withPrefix(gaps, "rect ").size(), 2u);

    RecordingSurface numbers(kWidth, kHeight);
    drawGapChart(axes, numbers, kWidth, kHeight, ws->MainStore, ws->params, 6, GapMarking::Numbers, 1, 36);
    const auto lines = withPrefix(numbers, "line ");
    EXPECT_EQ(count(lines, "0000FF/2/solid"), 1);
    EXPECT_EQ(count(withPrefix(numbers, "ellipse "), "brush=FF0000"), 2);
    const auto shown = texts(numbers, "000000");
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "03"), 1);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "15"), 2);  // the number and the y label
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "08"), 0);
}

TEST(GapChart, NumberMarksJoinNeighboursInThePositionColours) {
    auto ws = workspaceWith({{2020001, 3, 8, 15, 21, 27, 33, 1}});
    tcoordinate axes;
    RecordingSurface s(kWidth, kHeight);
    drawGapChart(axes, s, kWidth, kHeight, ws->MainStore, ws->params, 0, GapMarking::Numbers, 1, 36);
    const auto lines = withPrefix(s, "line ");
    for (const char* colour : {"FF0000/2", "008000/2", "800080/2", "8C8A33/2", "0000FF/2"})
        EXPECT_EQ(count(lines, colour), 1) << colour;
    EXPECT_EQ(count(lines, "FFFFFF/2"), 0);  // position 1 has no segment of its own
    EXPECT_EQ(withPrefix(s, "ellipse ").size(), 6u);
    const auto shown = texts(s, "000000");
    for (const char* n : {"03", "08", "15", "21", "27", "33"})
        EXPECT_NE(std::find(shown.begin(), shown.end(), n), shown.end()) << n;
}

TEST(ImageCharts, IssueLabelsOfALongWindowDoNotRunIntoEachOther) {
    std::vector<std::vector<int>> draws;
    for (int i = 0; i < 80; ++i) draws.push_back({2020001 + i, 3, 8, 15, 21, 27, 33, 1});
    auto ws = workspaceWith(draws);
    tcoordinate axes;
    RecordingSurface s(kWidth, kHeight);
    drawGapChart(axes, s, kWidth, kHeight, ws->MainStore, ws->params, 0, GapMarking::Gaps, 15, 66);
    int previousRight = -1000, shown = 0;
    for (const std::string& line : s.linesStartingWith("text ")) {
        const auto open = line.find('"');
        const std::string text = line.substr(open + 1, line.rfind('"') - open - 1);
        if (text.size() != 7) continue;  // the issues
        const int left = std::stoi(line.substr(5));
        EXPECT_GE(left, previousRight) << text;
        previousRight = left + RecordingSurface::fixedTextSize(text, kDefaultFontSize).width;
        ++shown;
    }
    EXPECT_GE(shown, 5);  // thinned, not dropped
}

TEST(SpreadChart, MeanPlottedHalfToEvenAndLabelledFromTheSecondDraw) {
    auto ws = workspaceWith({{2020001, 1, 2, 3, 4, 5, 6, 1}, {2020002, 1, 2, 3, 4, 5, 6, 1}});
    tcoordinate axes;
    RecordingSurface s(kWidth, kHeight);
    drawSpreadChart(axes, s, kWidth, kHeight, ws->MainStore, ws->params, SpreadMode::Mean, "平均量", 1, 36);
    const auto labels = texts(s);
    EXPECT_EQ(std::count(labels.begin(), labels.end(), "3.5"), 1);
    const Point p = axes.PointPixel(2, 4);  // 3.5 is plotted at 4
    const std::string marker = "ellipse " + std::to_string(p.x - 5) + "," + std::to_string(p.y - 5);
    EXPECT_EQ(count(withPrefix(s, "ellipse "), marker), 1);
    // The red dashed reference 13.5 units above the axis.
    const int ry = axes.originY - static_cast<int>(std::nearbyint(13.5 * axes.yScale));
    EXPECT_EQ(count(withPrefix(s, "line "), "," + std::to_string(ry) + " 0000FF/1/dash"), 1);
}

TEST(SpreadChart, AxesOfTheModesAndValuesBeyondThem) {
    // 1 2 3 4 5 33: coefficient of variation far above 100%, drawn at the top of the axis.
    auto ws = workspaceWith({{2020001, 1, 2, 3, 4, 5, 33, 1}, {2020002, 1, 2, 3, 4, 5, 33, 1}});
    struct Case {
        SpreadMode mode;
        int yFrom, yTo;
        bool reference;
    } cases[] = {{SpreadMode::Mean, 4, 32, true}, {SpreadMode::StandardDeviation, 10, 210, false},
                 {SpreadMode::Variation, 0, 100, true}};
    for (const Case& c : cases) {
        tcoordinate axes;
        RecordingSurface s(kWidth, kHeight);
        drawSpreadChart(axes, s, kWidth, kHeight, ws->MainStore, ws->params, c.mode, "", 1, 36);
        EXPECT_EQ(axes.yFrom, c.yFrom);
        EXPECT_EQ(axes.yTo, c.yTo);
        EXPECT_EQ(count(withPrefix(s, "line "), "0000FF/1/dash"), c.reference ? 1 : 0);
        for (const std::string& e : withPrefix(s, "ellipse ")) {
            const int top = std::stoi(e.substr(e.find(',') + 1));
            EXPECT_GE(top + 5, axes.originY - static_cast<int>(axes.height)) << e;
            EXPECT_LE(top + 5, axes.originY) << e;
        }
    }
    tcoordinate axes;
    RecordingSurface s(kWidth, kHeight);
    drawSpreadChart(axes, s, kWidth, kHeight, ws->MainStore, ws->params, SpreadMode::Variation, "", 1, 36);
    const auto labels = texts(s);
    EXPECT_NE(std::find_if(labels.begin(), labels.end(), [](const std::string& t) { return !t.empty() && t.back() == '%'; }),
              labels.end());
}

TEST(RemainderCharts, OneChartPerPositionWithIssuesUnderTheLast) {
    std::vector<std::vector<int>> draws;
    for (int i = 0; i < 10; ++i) draws.push_back({2020001 + i, 1 + i, 8, 15, 21, 27, 33, 1});
    auto ws = workspaceWith(draws);
    tcoordinate axes;
    RecordingSurface s(kWidth, kHeight);
    drawRemainderCharts(axes, s, kWidth, kHeight, ws->MainStore, ws->params, 4, 3, 6);
    const auto shown = texts(s);
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(std::count(shown.begin(), shown.end(), "主号" + std::to_string(k)), 1) << k;
    // Draws 3…8 in the window; the issues of draws 6 (tick 1) under the last chart only.
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "2020006"), 1);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "2020003"), 0);
    EXPECT_EQ(axes.yFrom, 0);
    EXPECT_EQ(axes.labels[kCoordinateYLabelBase + 3], "3");  // one label per remainder above 0
    EXPECT_EQ(axes.yLabelCount, 3);
    // The first position: 3 4 5 6 7 8 mod 4 = 3 0 1 2 3 0, each written over its point.
    std::vector<std::string> firstChart(shown.begin() + 1, shown.begin() + 1 + 6 + 3);
    std::vector<std::string> values;
    for (const std::string& t : firstChart)
        if (t.size() == 1) values.push_back(t);
    EXPECT_EQ(values, (std::vector<std::string>{"1", "2", "3", "3", "0", "1", "2", "3", "0"}));
    EXPECT_EQ(withPrefix(s, "ellipse ").size(), 36u);
}

TEST(ImageCharts, TheForecastRowGetsItsBoxAndCaption) {
    auto ws = workspaceWith({{2020001, 3, 8, 15, 21, 27, 33, 1},
                             {2020002, 1, 2, 3, 4, 5, 6, 1},
                             {2020003, 3, 8, 15, 21, 27, 33, 1},
                             {9999999, 2, 4, 6, 8, 10, 12, 1}});
    for (int view = 0; view < 3; ++view) {
        tcoordinate axes;
        RecordingSurface s(kWidth, kHeight);
        if (view == 0) drawGapChart(axes, s, kWidth, kHeight, ws->MainStore, ws->params, 0, GapMarking::Gaps, 1, 36);
        if (view == 1) drawSpreadChart(axes, s, kWidth, kHeight, ws->MainStore, ws->params, SpreadMode::Mean, "", 1, 36);
        if (view == 2) drawRemainderCharts(axes, s, kWidth, kHeight, ws->MainStore, ws->params, 3, 1, 36);
        EXPECT_EQ(count(withPrefix(s, "rect "), "pen=0000FF/1/dot"), view == 2 ? 6 : 1) << view;
        const auto shown = texts(s);
        // Draw 4 carries the first labelled tick where the axis starts at draw 1; the gap chart starts
        // one step early, so its first labelled tick is draw 3.
        EXPECT_EQ(std::count(shown.begin(), shown.end(), "预测区"), view == 0 ? 0 : 1) << view;
    }
}

TEST(OmissionTrend, TwoChartsOverAWindowOfEntries) {
    std::vector<OmissionEntry> entries;
    for (int i = 0; i < 50; ++i) entries.push_back({2020001 + 2 * i, i % 7, i == 0 ? 0 : 1});
    tcoordinate axes;
    RecordingSurface s(kWidth, kHeight);
    drawOmissionTrend(axes, s, kWidth, kHeight, entries, 7, lastWindowStart(50, kOmissionTrendWindow));
    const auto shown = texts(s);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "主区号码7的遗漏走势"), 1);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "主区号码7的遗漏振幅走势"), 1);
    EXPECT_EQ(withPrefix(s, "ellipse ").size(), 72u);
    EXPECT_EQ(axes.xFrom, 15);  // the newest 36 of 50
    // Labelled ticks carry the entries' issues: tick 1 is entry 18.
    EXPECT_EQ(axes.labels[1], std::to_string(2020001 + 2 * 17));

    RecordingSurface empty(kWidth, kHeight);
    drawOmissionTrend(axes, empty, kWidth, kHeight, {}, 7, 1);
    EXPECT_TRUE(withPrefix(empty, "ellipse ").empty());
    EXPECT_FALSE(withPrefix(empty, "line ").empty());  // the axes are still there
}

TEST(ExtensionCharts, ValueOverAmplitudeFromTheLowestValue) {
    ValueSeries series;
    for (int i = 0; i < 40; ++i) {
        series.issues.push_back(2020001 + i);
        series.values.push_back(5 + i % 4);
        series.amplitudes.push_back(i == 0 ? 5 : (i % 4 == 0 ? 3 : 1));
    }
    tcoordinate axes;
    RecordingSurface s(kWidth, kHeight);
    drawExtensionCharts(axes, s, kWidth, kHeight, series, "c_fq_0_4_1", 1, 36);
    const auto shown = texts(s);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "c_fq_0_4_1"), 1);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "c_fq_0_4_1的振幅"), 1);
    EXPECT_EQ(withPrefix(s, "ellipse ").size(), 72u);
    EXPECT_EQ(axes.yFrom, 0);  // the amplitude chart, drawn last
    // A constant series still gets an axis of some height.
    ValueSeries flat{{2020001, 2020002}, {4, 4}, {0, 0}};
    RecordingSurface f(kWidth, kHeight);
    drawExtensionCharts(axes, f, kWidth, kHeight, flat, "c_cz_2", 1, 36);
    EXPECT_GT(axes.yScale, 0.0f);
}

}  // namespace
}  // namespace qorvel
