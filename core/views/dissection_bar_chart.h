// The bar chart the dissection's statistics sub-pages share: a title, a value axis with its caption and
// grid lines, one slot per category or value with one bar per series, each bar's value written above it,
// the slot labels and the category caption under the axis, and a legend when there are several series.
// It looks like the statistics page's bar chart (white picture, light grid, black axes, coloured bars).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "views/draw_surface.h"

namespace qorvel {

struct BarSeries {
    std::string caption;  // legend text
    Colour colour = kRed;
};

struct BarValue {
    std::optional<double> value;  // no bar where absent
    std::string text;             // written above the bar (or at the axis when absent)
};

struct BarSlot {
    std::string label;
    std::vector<BarValue> bars;  // one per series
};

struct BarChartModel {
    std::string title, xCaption, yCaption;
    std::string tickSuffix;  // appended to the tick labels ("%")
    bool wholeValues = true;  // counts: whole tick steps
    std::vector<BarSeries> series;
    std::vector<BarSlot> slots;
};

// Where everything goes, for a picture of width × height.
struct BarChartGeometry {
    Rect plot;                  // the origin is (plot.left, plot.bottom)
    double step = 1;            // value per tick
    int ticks = 1;              // the axis ends at ticks × step
    std::vector<int> slotCentre;
    struct Bar {
        int slot = 0, series = 0;
        Rect rect;  // no height for a zero or absent value
        bool present = true;
    };
    std::vector<Bar> bars;  // one per value, slot by slot
};

inline constexpr int kBarChartMaxTicks = 10;

// The tick step: the smallest 1, 2 or 5 times a power of ten that reaches `largest` in at most ten ticks,
// at least 1 when `whole` (counts) and at least 0.1 otherwise.
double barChartStep(double largest, bool whole);
BarChartGeometry layoutDissectionBars(const BarChartModel& model, int width, int height);
void paintDissectionBars(DrawSurface& surface, const BarChartModel& model, int width, int height);

}  // namespace qorvel
