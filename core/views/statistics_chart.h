// The geometry of the statistics page's bar chart: plot area, axis ticks, one slot per number in the
// chosen order with its appearance bar (red) and omission bar (blue). The page paints what this returns.
#pragma once

#include <string>
#include <vector>

#include "views/statistics_page.h"

namespace qorvel {

enum class BarOrder { ByNumber = 0, ByCount = 1, ByOmission = 2 };  // rb_ahm, rb_aappcs, rb_aconccs

constexpr int kChartLeftMargin = 30;    // origin this far from the left edge
constexpr int kChartBottomMargin = 40;  // and this far above the bottom
constexpr int kChartSideSpace = 60;     // plot width = image width − 60, height = image height − 60
constexpr int kChartTicks = 10;

struct ChartBar {
    int left = 0, right = 0, top = 0, bottom = 0;  // pixels, right and bottom exclusive
    int value = 0;
    bool appearance = true;  // red appearance bar, else the blue omission bar
    // The value is written above the bar: right-aligned to its right edge (appearance) or left-aligned
    // to its left edge (omission).
};

struct BarChartLayout {
    int originX = 0, originY = 0, plotWidth = 0, plotHeight = 0;
    int step = 1;                   // value per tick; the axis ends at 10 × step
    std::vector<int> tickValues;    // step, 2·step, …, 10·step
    std::vector<int> tickY;         // pixel row of each tick
    std::vector<std::string> slotLabels;  // the numbers in the chosen order (two-digit)
    std::vector<int> slotX;         // pixel column of each slot's centre (between its two bars)
    std::vector<ChartBar> bars;
};

BarChartLayout layoutBarChart(const ZoneStatistics& zone, BarOrder order, bool showCounts, bool showOmissions,
                              int imageWidth, int imageHeight);

}  // namespace qorvel
