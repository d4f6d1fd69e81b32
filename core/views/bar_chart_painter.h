// Paints the statistics page's bar chart from its layout: white picture, legend at the bottom, grid and
// axes with tick labels, slot labels under the axis, red appearance and blue omission bars with their
// values written above them.
#pragma once

#include "views/draw_surface.h"
#include "views/statistics_chart.h"

namespace qorvel {

inline constexpr Colour kAppearanceBarColour = kRed;
inline constexpr Colour kOmissionBarColour = kBlue;
inline constexpr Colour kBarGridColour = rgbColour(230, 230, 230);
inline constexpr const char* kAppearanceLegend = "出现次数";
inline constexpr const char* kOmissionLegend = "遗漏次数";

// Legend squares sit this far above the bottom edge (from 20 to 10 pixels) at these left edges.
inline constexpr int kLegendTopAboveBottom = 20;
inline constexpr int kLegendBottomAboveBottom = 10;
inline constexpr int kAppearanceLegendLeft = 10;
inline constexpr int kAppearanceLegendRight = 20;
inline constexpr int kOmissionLegendLeft = 60;
inline constexpr int kOmissionLegendRight = 80;

// Draws the whole chart on a surface of width × height (the layout's own size).
void paintBarChart(DrawSurface& surface, const BarChartLayout& layout, int width, int height);

}  // namespace qorvel
