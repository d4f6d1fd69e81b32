// The coordinate record of the image charts: scales and counts, half-to-even point placement, the
// forecast box, and the layouts and labels of ChartPair.
#include <gtest/gtest.h>

#include <algorithm>

#include "recording_surface.h"
#include "views/tcoordinate.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

std::vector<SeriesPoint> window(int count, int firstIssue, int value = 4) {
    std::vector<SeriesPoint> points;
    for (int i = 0; i < count; ++i) points.push_back({firstIssue + i, value + i % 3});
    return points;
}

}  // namespace

TEST(Coordinate, UpdateDerivesScalesTickPixelsAndCounts) {
    struct Case {
        int xFrom, xTo;
    };
    for (const Case c : {Case{10, 70}, Case{70, 10}}) {  // the direction of a range does not matter
        tcoordinate axes;
        axes.width = 600;
        axes.height = 200;
        axes.xFrom = c.xFrom;
        axes.xTo = c.xTo;
        axes.yFrom = 0;
        axes.yTo = 300;
        axes.yMinor = 10;
        axes.yMajor = 50;
        axes.Update();
        EXPECT_FLOAT_EQ(axes.xScale, 10.0f);
        EXPECT_FLOAT_EQ(axes.yScale, 200.0f / 300.0f);
        EXPECT_FLOAT_EQ(axes.xMinorPx, 10.0f);
        EXPECT_FLOAT_EQ(axes.xMajorPx, 30.0f);
        EXPECT_FLOAT_EQ(axes.yMajorPx, 50.0f * 200.0f / 300.0f);
        EXPECT_EQ(axes.xMinorCount, 60);
        EXPECT_EQ(axes.xMajorCount, 20);
        EXPECT_EQ(axes.yMinorCount, 30);
        EXPECT_EQ(axes.yMajorCount, 6);
    }
    tcoordinate empty;
    empty.Update();  // zero ranges: no division by zero
    EXPECT_FLOAT_EQ(empty.xScale, 0.0f);
    EXPECT_EQ(empty.xMinorCount, 0);
}

TEST(Coordinate, PointsRoundHalfToEven) {
    struct Case {
        int drawIndex, value;
        Point expected;
    };
    // xScale 2.5 and yScale 0.5 put every odd step on a half pixel.
    const Case cases[] = {
        {1, 0, {102, 300}},  // 2.5 -> 2
        {3, 0, {108, 300}},  // 7.5 -> 8
        {5, 0, {112, 300}},  // 12.5 -> 12
        {0, 1, {100, 300}},  // 0.5 -> 0
        {0, 3, {100, 298}},  // 1.5 -> 2
        {0, 5, {100, 298}},  // 2.5 -> 2
        {4, 7, {110, 296}},  // 10 and 3.5 -> 4
    };
    tcoordinate axes;
    axes.originX = 100;
    axes.originY = 300;
    axes.width = 150;
    axes.height = 100;
    axes.xFrom = 0;
    axes.xTo = 60;
    axes.yFrom = 0;
    axes.yTo = 200;
    axes.Update();
    for (const Case& c : cases) {
        RecordingSurface surface(400, 400);
        EXPECT_EQ(axes.PlotPoint(surface, c.drawIndex, c.value, 5), c.expected) << c.drawIndex << "/" << c.value;
    }
}

TEST(Coordinate, TheForecastRowGetsADottedBoxBeforeItsMarker) {
    tcoordinate axes;
    axes.originX = 40;
    axes.originY = 200;
    axes.width = 300;
    axes.height = 150;
    axes.xFrom = 0;
    axes.xTo = 30;
    axes.yFrom = 0;
    axes.yTo = 100;
    axes.Update();
    RecordingSurface surface(400, 300);
    axes.PlotPoint(surface, 30, 50, 5, true);
    axes.PlotPoint(surface, 10, 50, 5, false);
    EXPECT_EQ(surface.log(), (std::vector<std::string>{
                                 "rect 335,50,345,200 pen=0000FF/1/dot brush=none",
                                 "ellipse 335,120,345,130 pen=000000/1/solid brush=FF0000",
                                 "ellipse 135,120,145,130 pen=000000/1/solid brush=FF0000",
                             }));
}

TEST(CoordinatePair, LayoutsPlaceTheAxesAndClearOnlyTheFirstChartOfAnImage) {
    struct Case {
        int layout;
        int originY, height;
        bool clears;
    };
    const Case cases[] = {
        {kPairFull, 560, 540, true},          {kPairUpperHalf, 270, 250, true},
        {kPairLowerHalf, 570, 250, false},    {kPairUpperThird, 170, 150, true},
        {kPairMiddleThird, 370, 150, false},  {kPairLowerThird, 570, 150, false},
    };
    for (const Case& c : cases) {
        tcoordinate axes;
        RecordingSurface surface(800, 600);
        axes.ChartPair(surface, 600, 800, 9, 0, "t", c.layout, window(12, 2009001), 20);
        EXPECT_EQ(axes.originY, c.originY) << c.layout;
        EXPECT_FLOAT_EQ(axes.height, static_cast<float>(c.height)) << c.layout;
        EXPECT_FLOAT_EQ(axes.width, 740.0f);
        EXPECT_EQ(axes.originX, axes.yLabelWidth + 10);
        EXPECT_EQ(surface.log().front() == "fill 0,0,800,600 FFFFFF", c.clears) << c.layout;
    }
}

TEST(CoordinatePair, YLabelsAndTicksFollowTheRange) {
    struct Case {
        const char* name;
        int yMin, yMax;
        int major, minor;  // in tenths
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {"below 10: every value", 0, 5, 10, 10, {"1", "2", "3", "4", "5"}},
        {"30: every 4th", 3, 33, 40, 10, {"7", "11", "15", "19", "23", "27", "31", "35", "39", "43"}},
        {"above 100: sparse minor ticks", 0, 150, 160, 160,
         {"16", "32", "48", "64", "80", "96", "112", "128", "144", "160"}},
    };
    for (const Case& c : cases) {
        tcoordinate axes;
        RecordingSurface surface(800, 600);
        axes.ChartPair(surface, 600, 800, c.yMax, c.yMin, "", kPairFull, window(9, 2009001), 1);
        EXPECT_EQ(axes.yFrom, 10 * c.yMin) << c.name;
        EXPECT_EQ(axes.yTo, 10 * c.yMax) << c.name;
        EXPECT_EQ(axes.yMajor, c.major) << c.name;
        EXPECT_EQ(axes.yMinor, c.minor) << c.name;
        std::vector<std::string> labels;
        for (int k = 1; k <= axes.yLabelCount; ++k) labels.push_back(axes.labels[kCoordinateYLabelBase + k]);
        EXPECT_EQ(labels, c.labels) << c.name;
    }
}

TEST(CoordinatePair, IssueLabelsEveryThirdDrawAndTheForecastRow) {
    auto points = window(10, 2009001);
    points.back().issue = 9999999;
    tcoordinate axes;
    RecordingSurface surface(800, 400);
    axes.ChartPair(surface, 400, 800, 9, 0, "标题", kPairFull, points, 5);
    EXPECT_EQ(axes.xLabelCount, 3);
    EXPECT_EQ(axes.labels[1], "2009004");
    EXPECT_EQ(axes.labels[3], "9999999");
    EXPECT_EQ(axes.xFrom, 5);
    EXPECT_EQ(axes.xTo, 15);
    std::vector<std::string> texts;
    for (const auto& line : surface.linesStartingWith("text ")) texts.push_back(line.substr(line.find('"')));
    EXPECT_NE(std::find(texts.begin(), texts.end(), "\"预测区\" MS Sans Serif/8/000000"), texts.end());
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](auto& t) { return t.rfind("\"9999999\"", 0) == 0; }), 0);
    const auto boxes = surface.linesStartingWith("rect ");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("pen=0000FF/1/dot brush=none"), std::string::npos);
    // The middle of the range is marked with a purple dashed line.
    const auto lines = surface.linesStartingWith("line ");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](auto& l) { return l.find("800080/1/dash") != std::string::npos; }),
              1);
}
