// The trend chart: step choice, scaling and mapping, the drawing steps (issue labels, forecast box, text
// labels, markers), the y range of the display modes, window navigation, run statistics and the derived
// values of a series.
#include <gtest/gtest.h>

#include <algorithm>

#include "recording_surface.h"
#include "views/t_s_zsd.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

// A chart over `values`, issues from `firstIssue` upwards; the last point becomes the forecast row when
// `forecast` is set.
t_s_zsd chartOf(const std::vector<int>& values, int firstIssue = 2009001, bool forecast = false) {
    t_s_zsd chart;
    chart.Resize(static_cast<int>(values.size()));
    for (size_t i = 0; i < values.size(); ++i)
        chart.series[i + 1] = {firstIssue + static_cast<int>(i), values[i]};
    if (forecast && !values.empty()) chart.series[values.size()].issue = kTrendForecastIssue;
    return chart;
}

std::vector<int> ramp(int count, int from) {
    std::vector<int> values(count);
    for (int i = 0; i < count; ++i) values[i] = from + i % 7;
    return values;
}

std::vector<std::string> texts(const RecordingSurface& s) {
    std::vector<std::string> found;
    for (const auto& line : s.linesStartingWith("text ")) {
        const auto open = line.find('"');
        found.push_back(line.substr(open + 1, line.find('"', open + 1) - open - 1));
    }
    return found;
}

bool contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// Positions the chart in a 20-pixel frame inside an outer rectangle `width` wide.
void place(t_s_zsd& chart, int width, int height = 240) {
    chart.outerRect = {10, 10, 10 + width, 10 + height};
    chart.plotRect = {30, 20, width - 10, height - 22};
}

}  // namespace

TEST(TrendDefaults, ANewChartIsAnUnpositionedSixtyOnePointWindow) {
    const t_s_zsd chart;
    EXPECT_EQ(chart.startIndex, 0);
    EXPECT_EQ(chart.pointCount, 61);
    EXPECT_EQ(chart.markerSize, 4);
    EXPECT_EQ(chart.markerStyle, kMarkerHollowCircle);
    EXPECT_EQ(chart.xTickStep, 1);
    EXPECT_EQ(chart.xLabelPos, 1);
    EXPECT_EQ(chart.labelMode, 0);
    EXPECT_EQ(chart.statMode, 0);
    EXPECT_EQ(chart.displayMode, kDisplayNormal);
    EXPECT_EQ(chart.showAxes + chart.showGrid + chart.showValues + chart.enabled, 4);
    EXPECT_EQ(chart.markerColor, kBlue);
    EXPECT_EQ(chart.gridColor, rgbColour(230, 230, 230));
    for (Colour c : {chart.yLabelColor, chart.xLabelColor, chart.valueColor, chart.lineColor, chart.axisColor})
        EXPECT_EQ(c, kBlack);
}

TEST(TrendSteps, YStepsFollowTheSpanAndXLabelsThePointCount) {
    struct Case {
        int span, labelStep, tickStep;
    };
    const Case cases[] = {
        {0, 1, 1},      {20, 1, 1},      {21, 5, 1},      {24, 5, 1},     {50, 5, 1},
        {51, 10, 2},    {100, 10, 2},    {101, 20, 4},    {200, 20, 4},   {201, 50, 10},
        {500, 50, 10},  {501, 100, 50},  {2000, 100, 50}, {2001, 500, 250},
    };
    for (const Case& c : cases) {
        t_s_zsd chart;
        chart.yMin = 7;
        chart.yMax = 7 + c.span;
        chart.ChooseSteps();
        EXPECT_EQ(chart.yLabelStep, c.labelStep) << "span " << c.span;
        EXPECT_EQ(chart.yTickStep, c.tickStep) << "span " << c.span;
    }
    const std::pair<int, int> xCases[] = {{2, 1}, {20, 1}, {21, 3}, {40, 3}, {150, 3}, {151, 5}};
    for (auto [points, step] : xCases) {
        t_s_zsd chart;
        chart.pointCount = points;
        chart.ChooseSteps();
        EXPECT_EQ(chart.xLabelStep, step) << points << " points";
        EXPECT_EQ(chart.xTickStep, 1);
    }
}

TEST(TrendScale, RescaleCountsTicksAndLabelsAndMapPointTruncates) {
    t_s_zsd chart = chartOf(ramp(61, 3));
    chart.plotRect = {30, 20, 630, 220};
    chart.startIndex = 1;
    chart.yMin = 3;
    chart.yMax = 27;  // span 24
    chart.Rescale();
    EXPECT_EQ(chart.yLabelStep, 5);
    EXPECT_EQ(chart.yTickStep, 1);
    EXPECT_EQ(chart.yLabelCount, 5);
    EXPECT_EQ(chart.yTickCount, 25);
    EXPECT_EQ(chart.xLabelStep, 3);
    EXPECT_EQ(chart.xLabelCount, 21);
    EXPECT_EQ(chart.xTickCount, 61);
    EXPECT_FLOAT_EQ(chart.xScale, 10.0f);
    EXPECT_FLOAT_EQ(chart.yScale, 200.0f / 24.0f);
    EXPECT_EQ(chart.MapPoint(1, 3), (Point{30, 220}));
    EXPECT_EQ(chart.MapPoint(61, 27), (Point{630, 20}));
    EXPECT_EQ(chart.MapPoint(4, 10), (Point{60, 162}));  // 7 * 8.33 = 58.3 truncated
    EXPECT_EQ(chart.MapPoint(1, 2), (Point{30, 228}));   // -8.3 truncates toward zero
}

TEST(TrendScale, AFlatRangeOrAOnePointWindowStaysFinite) {
    t_s_zsd chart = chartOf({5, 5, 5});
    chart.plotRect = {30, 20, 330, 220};
    chart.startIndex = 1;
    chart.pointCount = 1;
    chart.yMin = chart.yMax = 5;
    chart.Rescale();
    EXPECT_FLOAT_EQ(chart.yScale, 200.0f);
    EXPECT_FLOAT_EQ(chart.xScale, 300.0f);
    EXPECT_EQ(chart.MapPoint(1, 5), (Point{30, 220}));
    RecordingSurface surface(400, 300);
    place(chart, 380);
    chart.Draw(surface);  // must not loop or crash
    EXPECT_FALSE(surface.linesStartingWith("ellipse ").empty());
}

TEST(TrendDraw, IssueLabelsAreShortenedToFourDigitsWhenTheyDoNotFit) {
    struct Case {
        int width;
        const char* firstLabel;
    };
    // 40 points: a label every third point, the first one at point 4 = issue 2009001.
    const Case cases[] = {{320, "9001"}, {1100, "2009001"}};
    for (const Case& c : cases) {
        t_s_zsd chart = chartOf(ramp(40, 1), 2008998);
        chart.pointCount = 40;
        chart.startIndex = 1;
        place(chart, c.width);
        chart.yMin = 0;
        chart.yMax = 8;
        chart.Rescale();
        ASSERT_EQ(chart.xLabelStep, 3);
        RecordingSurface surface(c.width + 20, 260);
        chart.Draw(surface);
        const auto drawn = texts(surface);
        EXPECT_TRUE(contains(drawn, c.firstLabel)) << c.width;
        EXPECT_FALSE(contains(drawn, c.width < 500 ? "2009001" : "9001")) << c.width;
    }
    EXPECT_EQ(t_s_zsd::IssueLabel(2009001, true), "9001");
    EXPECT_EQ(t_s_zsd::IssueLabel(kTrendForecastIssue, true), "预测区");
}

TEST(TrendDraw, TheForecastRowIsLabelledAndBoxedOnlyWhenInTheWindow) {
    struct Case {
        const char* name;
        int points;
        bool boxed;
    };
    const Case cases[] = {{"window reaches the forecast row", 40, true}, {"window stops before it", 39, false}};
    for (const Case& c : cases) {
        t_s_zsd chart = chartOf(ramp(40, 1), 2009001, true);
        chart.pointCount = c.points;
        chart.startIndex = 1;
        place(chart, 1100);
        chart.yMin = 0;
        chart.yMax = 8;
        chart.Rescale();
        RecordingSurface surface(1200, 260);
        chart.Draw(surface);
        const int x = chart.MapPoint(40, 0).x;
        const int half = static_cast<int>(chart.xScale / 2);
        const std::string box = "rect " + std::to_string(x - half) + "," + std::to_string(chart.plotRect.top) + "," +
                                std::to_string(x + half) + "," + std::to_string(chart.plotRect.bottom) +
                                " pen=0000FF/1/dot brush=none";
        EXPECT_EQ(contains(surface.linesStartingWith("rect "), box), c.boxed) << c.name;
        EXPECT_EQ(contains(texts(surface), "预测区"), c.boxed) << c.name;
    }
}

TEST(TrendDraw, CategoryLabelsReplaceNumbersOnTheYAxisAndAboveThePoints) {
    // The odd/even feature of 4, 7, 7, 2 is 1, 2, 2, 1 ("偶", "奇").
    t_s_zsd chart = chartOf({1, 2, 2, 1});
    chart.SetCategoryLabels({"偶", "奇"});
    EXPECT_EQ(chart.labelMode, 1);
    EXPECT_EQ(chart.categoryCount, 2);
    EXPECT_EQ(chart.yMin, 0);
    EXPECT_EQ(chart.yMax, 3);
    chart.pointCount = 4;
    chart.startIndex = 1;
    place(chart, 400);
    chart.Rescale();
    RecordingSurface surface(420, 260);
    chart.Draw(surface);
    const auto drawn = texts(surface);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), "偶"), 1 + 2);  // one y label, two value labels
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), "奇"), 1 + 2);
    EXPECT_FALSE(contains(drawn, "1"));
    EXPECT_FALSE(contains(drawn, "3"));
    // v = 3 has no label but still gets its major tick.
    const int y3 = chart.MapPoint(1, 3).y;
    EXPECT_TRUE(contains(surface.linesStartingWith("line "),
                         "line 30," + std::to_string(y3) + " 40," + std::to_string(y3) + " 000000/2/solid"));
}

TEST(TrendDraw, MarkerStylesChooseShapeFillAndPen) {
    struct Case {
        std::uint8_t style;
        const char* shape;
        const char* penAndBrush;
    };
    const Case cases[] = {
        {kMarkerFilledCircle, "ellipse ", "pen=FF0000/1/solid brush=FF0000"},
        {kMarkerFilledSquare, "rect ", "pen=FF0000/1/solid brush=FF0000"},
        {kMarkerHollowCircle, "ellipse ", "pen=FF0000/2/solid brush=FFFFFF"},
        {kMarkerHollowSquare, "rect ", "pen=FF0000/2/solid brush=FFFFFF"},
    };
    for (const Case& c : cases) {
        t_s_zsd chart = chartOf({3, 5});
        chart.markerStyle = c.style;
        chart.pointCount = 2;
        chart.startIndex = 1;
        place(chart, 300);
        chart.yMin = 0;
        chart.yMax = 10;
        chart.Rescale();
        RecordingSurface surface(320, 260);
        chart.Draw(surface);
        const Point p = chart.MapPoint(2, 5);
        const std::string expected = std::string(c.shape) + std::to_string(p.x - 4) + "," + std::to_string(p.y - 4) +
                                     "," + std::to_string(p.x + 4) + "," + std::to_string(p.y + 4) + " " + c.penAndBrush;
        EXPECT_TRUE(contains(surface.linesStartingWith(c.shape), expected)) << surface.logText();
    }
}

TEST(TrendDraw, ADisabledChartDrawsNothing) {
    t_s_zsd chart = chartOf({1, 2, 3});
    chart.enabled = 0;
    place(chart, 300);
    RecordingSurface surface(320, 260);
    chart.Draw(surface);
    EXPECT_TRUE(surface.log().empty());
}

TEST(TrendRange, DisplayModesChooseTheYRange) {
    struct Case {
        const char* name;
        std::uint8_t mode;
        int startIndex;
        ValueRange expected;
    };
    // Values 5 9 2 7 7 7; a three-point window.
    const Case cases[] = {
        {"normal: all draws", kDisplayNormal, 4, {9, 2}},
        {"compact: the window", kDisplayCompact, 2, {9, 2}},
        {"compact, flat window raised by main count - 1", kDisplayCompact, 4, {12, 7}},
        {"compact before positioning uses the newest window", kDisplayCompact, 0, {12, 7}},
        {"limited maximum", kDisplayLimited, 4, {20, 2}},
    };
    for (const Case& c : cases) {
        t_s_zsd chart = chartOf({5, 9, 2, 7, 7, 7});
        chart.pointCount = 3;
        chart.startIndex = c.startIndex;
        chart.displayMode = c.mode;
        chart.yMaxLimit = 20;
        chart.ChooseYRange(6);
        EXPECT_EQ((ValueRange{chart.yMax, chart.yMin}), c.expected) << c.name;
    }
    EXPECT_EQ(chartOf({}).RangeMinMax(1, 0), (ValueRange{-9999999, 9999999}));
}

TEST(TrendWindow, ZoomAndExtendMoveTheWindowWithinItsLimits) {
    enum Op { In, Out, Extend };
    struct Case {
        const char* name;
        Op op;
        int start, points, last, extendTo;
        bool changed;
        int newStart, newPoints;
    };
    const Case cases[] = {
        {"zoom out at 6 does nothing", Out, 6, 61, 100, 0, false, 6, 61},
        {"zoom out at 7", Out, 7, 61, 100, 0, true, 2, 66},
        {"zoom in", In, 10, 61, 100, 0, true, 15, 56},
        {"zoom in past the end", In, 98, 61, 100, 0, false, 98, 61},
        {"zoom in to one point", In, 10, 6, 100, 0, false, 10, 6},
        {"extend to 60", Extend, 40, 61, 100, 60, true, 41, 60},
        {"extend to 1", Extend, 40, 61, 100, 1, false, 40, 61},
        {"extend past the history", Extend, 40, 61, 100, 200, false, 40, 61},
        {"extend before the first draw starts at 1", Extend, 5, 61, 100, 80, true, 1, 80},
    };
    for (const Case& c : cases) {
        t_s_zsd chart;
        chart.Resize(c.last);
        chart.startIndex = c.start;
        chart.pointCount = c.points;
        const bool changed = c.op == In ? chart.ZoomIn() : c.op == Out ? chart.ZoomOut() : chart.ExtendTo(c.extendTo);
        EXPECT_EQ(changed, c.changed) << c.name;
        EXPECT_EQ(chart.startIndex, c.newStart) << c.name;
        EXPECT_EQ(chart.pointCount, c.newPoints) << c.name;
    }
    const std::pair<int, int> newest[] = {{100, 40}, {30, 1}, {61, 1}};
    for (auto [last, start] : newest) {
        t_s_zsd chart;
        chart.Resize(last);
        chart.PositionNewest();
        EXPECT_EQ(chart.startIndex, start) << last;
    }
}

TEST(TrendStatistics, RunLengths) {
    enum Kind { Repeat, Rise, Fall };
    struct Case {
        const char* name;
        Kind kind;
        std::vector<int> values;
        RunStats expected;
    };
    const Case cases[] = {
        {"falling counts equal values", Fall, {5, 5, 4, 6}, {0, 2, 0}},
        {"rising", Rise, {5, 5, 4, 6}, {1, 1, 0}},
        {"repeats", Repeat, {5, 5, 4, 6}, {0, 1, 0}},
        {"one long repeat", Repeat, {3, 3, 3}, {2, 2, 2}},
        {"steady rise", Rise, {1, 2, 3, 4}, {3, 3, 3}},
        {"a single value", Fall, {8}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        const t_s_zsd chart = chartOf(c.values);
        const int last = static_cast<int>(c.values.size());
        const RunStats got = c.kind == Repeat ? chart.RepeatRuns(1, last)
                             : c.kind == Rise ? chart.RiseRuns(1, last)
                                              : chart.FallRuns(1, last);
        EXPECT_EQ(got, c.expected) << c.name;
    }
}

TEST(TrendStatistics, DerivedValues) {
    struct Case {
        std::vector<int> values;
        int index;
        int amplitude, omission, omissionAmplitude;
    };
    const Case cases[] = {
        {{1, 2, 1}, 3, 1, 1, 0},        // 1 was last seen two points back
        {{1, 2}, 2, 1, 1, 1},           // never seen before: index - 1
        {{4, 4}, 2, 0, 0, 0},
        {{1, 2, 3, 1}, 4, 2, 2, 0},     // omission at 3 is 2 as well
        {{4, 7, 7, 2}, 1, 4, 0, 0},     // the first point: its own value, no omission
        {{9, 3, 5, 7, 9}, 5, 2, 3, 0},  // omissions 0 1 2 3 3
    };
    for (const Case& c : cases) {
        const t_s_zsd chart = chartOf(c.values);
        EXPECT_EQ(chart.AmplitudeAt(c.index), c.amplitude) << c.index;
        EXPECT_EQ(chart.OmissionAt(c.index), c.omission) << c.index;
        EXPECT_EQ(chart.OmissionAmplitudeAt(c.index), c.omissionAmplitude) << c.index;
    }
    EXPECT_EQ(chartOf({1, 2}).OmissionAt(0), 0);  // before the series: nothing to count, no crash
}
