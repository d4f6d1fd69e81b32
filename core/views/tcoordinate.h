// tcoordinate: the light axes record of the image charts — a frame of axes with issue labels on the
// labelled x ticks, integer y labels, a marker per point and a dotted red box around the forecast row.
// ChartPair draws one complete value chart (full image, a half or a third of it) with it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "views/draw_surface.h"
#include "views/t_s_zsd.h"

namespace qorvel {

inline constexpr int kCoordinateLabelSlots = 201;
inline constexpr int kCoordinateMaxXLabels = 100;  // labels[1..100]
inline constexpr int kCoordinateYLabelBase = 101;  // y label k is labels[101 + k]
inline constexpr int kCoordinateMaxYLabels = kCoordinateLabelSlots - 1 - kCoordinateYLabelBase;
inline constexpr int kCoordinatePointRadius = 5;

// ChartPair layouts: where on the image the chart goes.
inline constexpr int kPairFull = 0;
inline constexpr int kPairUpperHalf = 1;
inline constexpr int kPairLowerHalf = 2;
inline constexpr int kPairUpperThird = 3;
inline constexpr int kPairMiddleThird = 4;
inline constexpr int kPairLowerThird = 5;

class tcoordinate {
public:
    std::int32_t originX = 0, originY = 0;
    std::int32_t xMinor = 1, xMajor = 3;
    std::int32_t yMinor = 1, yMajor = 1;
    float xMinorPx = 0, xMajorPx = 0, yMinorPx = 0, yMajorPx = 0;
    std::int32_t minorLen = 5, majorLen = 10;
    std::int32_t xFrom = 0, xTo = 0;
    std::int32_t yFrom = 0, yTo = 0;
    std::array<std::string, kCoordinateLabelSlots> labels;
    std::uint16_t yLabelCount = 0, xLabelCount = 0;
    float width = 0, height = 0;
    float xScale = 0, yScale = 0;
    std::int32_t xMinorCount = 0, yMinorCount = 0, xMajorCount = 0, yMajorCount = 0;
    std::int32_t issueLabelWidth = 0, yLabelWidth = 0, issueLabelHeight = 0, yLabelHeight = 0;

    // Scales, tick pixels and tick counts from the ranges, steps and axis lengths.
    void Update();
    // Update, then the title, the ticks and labels of both axes and the two axes.
    void DrawAxes(DrawSurface& surface, const std::string& title);
    // The pixel of a point, rounding half to even.
    Point PointPixel(int drawIndex, int value) const;
    // Draws the point as a filled blue circle with a black outline and returns its pixel. For the
    // forecast row (the last draw of the history) a dotted red box one minor tick wide is drawn first.
    Point PlotPoint(DrawSurface& surface, int drawIndex, int value, int radius, bool forecastRow = false);
    // The dotted red box one minor tick wide, centred on x, over the full axis height.
    void DrawForecastBox(DrawSurface& surface, int x) const;

    // One value chart on an image of imageWidth x imageHeight: `points` are the draws of the window in
    // order, the first being draw `firstIndex`; values are plotted in tenths so the y labels can be any
    // whole values from yMin to yMax. Layout is one of the kPair constants.
    void ChartPair(DrawSurface& surface, int imageHeight, int imageWidth, int yMax, int yMin,
                   const std::string& title, int layout, const std::vector<SeriesPoint>& points, int firstIndex);

private:
    void placeAxes(int imageHeight, int imageWidth, int layout);
    void setYLabels(int yMax, int yMin);
    void setIssueLabels(const std::vector<SeriesPoint>& points);
};

}  // namespace qorvel
