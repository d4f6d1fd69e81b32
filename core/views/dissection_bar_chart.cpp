#include "views/dissection_bar_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "views/bar_chart_painter.h"

namespace qorvel {
namespace {

constexpr int kLeftMargin = 56;
constexpr int kRightMargin = 16;
constexpr int kTopMargin = 52;
constexpr int kBottomMargin = 80;
constexpr int kTitleTop = 6;
constexpr int kTickLength = 4;
constexpr int kLabelGap = 3;
constexpr int kLineHeight = 13;
constexpr int kLegendSquare = 10;
constexpr int kLegendGap = 16;
constexpr int kTitleFontSize = 10;
constexpr int kValueFontSize = 8;
constexpr int kGroupedValueFontSize = 7;  // several bars share a slot
constexpr double kGroupShare = 0.8;   // of a slot's width taken by its bars
constexpr int kWidestBar = 70;        // so two categories do not become two walls

int roundPixel(double x) { return static_cast<int>(std::floor(x + 0.5)); }

Font chartFont(int size = kDefaultFontSize, Colour colour = kBlack, bool bold = false) {
    Font f;
    f.size = size;
    f.colour = colour;
    f.bold = bold;
    return f;
}

double largestValue(const BarChartModel& model) {
    double largest = 0;
    for (const BarSlot& slot : model.slots)
        for (const BarValue& bar : slot.bars)
            if (bar.value) largest = std::max(largest, *bar.value);
    return largest;
}

std::string tickText(double value, double step, const std::string& suffix) {
    char text[32];
    std::snprintf(text, sizeof text, step < 1 ? "%.1f" : "%.0f", value);
    return text + suffix;
}

void centredText(DrawSurface& s, int centreX, int top, const std::string& text, const Font& font) {
    const TextSize t = s.measureText(text, font);
    s.text({centreX - t.width / 2, top}, text, font);
}

// A label wider than its slot goes on two lines, broken before its first "<" (the zone captions) or in
// the middle of its characters.
std::vector<std::string> labelLines(DrawSurface& s, const std::string& label, int slotWidth, const Font& font) {
    if (s.measureText(label, font).width <= slotWidth) return {label};
    std::size_t cut = label.find('<');
    if (cut == std::string::npos || cut == 0) {
        cut = label.size() / 2;
        while (cut > 0 && (static_cast<unsigned char>(label[cut]) & 0xC0) == 0x80) --cut;  // UTF-8 boundary
    }
    if (cut == 0) return {label};
    return {label.substr(0, cut), label.substr(cut)};
}

void paintAxes(DrawSurface& s, const BarChartModel& model, const BarChartGeometry& g) {
    const Font font = chartFont();
    const Rect& p = g.plot;
    for (int k = 1; k <= g.ticks; ++k) {
        const int y = p.bottom - roundPixel(static_cast<double>(k) * p.height() / g.ticks);
        s.line({p.left + 1, y}, {p.right, y}, Pen{kBarGridColour, 1});
        s.line({p.left - kTickLength, y}, {p.left, y}, Pen{kBlack, 1});
        const std::string label = tickText(k * g.step, g.step, model.tickSuffix);
        const TextSize t = s.measureText(label, font);
        s.text({p.left - kTickLength - kLabelGap - t.width, y - t.height / 2}, label, font);
    }
    const TextSize zero = s.measureText("0", font);
    s.text({p.left - kTickLength - kLabelGap - zero.width, p.bottom - zero.height / 2}, "0", font);
    s.line({p.left, p.top}, {p.left, p.bottom}, Pen{kBlack, 1});
    s.line({p.left, p.bottom}, {p.right, p.bottom}, Pen{kBlack, 1});
    if (!model.yCaption.empty()) s.text({kLabelGap, p.top - 2 * kLineHeight}, model.yCaption, font);
}

void paintBars(DrawSurface& s, const BarChartModel& model, const BarChartGeometry& g) {
    for (const BarChartGeometry::Bar& bar : g.bars)
        if (bar.present && bar.rect.width() > 0 && bar.rect.height() > 0)
            s.fill(bar.rect, model.series[static_cast<std::size_t>(bar.series)].colour);
    // The texts come after every bar so a label reaching over a neighbour stays readable.
    Font font = chartFont(model.series.size() > 1 ? kGroupedValueFontSize : kValueFontSize);
    for (const BarChartGeometry::Bar& bar : g.bars) {
        const std::string& text =
            model.slots[static_cast<std::size_t>(bar.slot)].bars[static_cast<std::size_t>(bar.series)].text;
        font.colour = model.series[static_cast<std::size_t>(bar.series)].colour;
        const TextSize t = s.measureText(text, font);
        centredText(s, (bar.rect.left + bar.rect.right) / 2, bar.rect.top - t.height - 1, text, font);
    }
}

void paintSlotLabels(DrawSurface& s, const BarChartModel& model, const BarChartGeometry& g) {
    const Font font = chartFont();
    const int slotWidth = g.slotCentre.empty() ? 0 : g.plot.width() / static_cast<int>(g.slotCentre.size());
    for (std::size_t i = 0; i < model.slots.size(); ++i) {
        const int x = g.slotCentre[i];
        s.line({x, g.plot.bottom}, {x, g.plot.bottom + kTickLength}, Pen{kBlack, 1});
        int top = g.plot.bottom + kTickLength + 1;
        for (const std::string& line : labelLines(s, model.slots[i].label, slotWidth - 2, font)) {
            centredText(s, x, top, line, font);
            top += kLineHeight;
        }
    }
    if (!model.xCaption.empty())
        centredText(s, g.plot.left + g.plot.width() / 2, g.plot.bottom + kTickLength + 2 * kLineHeight + 6,
                    model.xCaption, chartFont(kDefaultFontSize, kBlack, true));
}

void paintLegend(DrawSurface& s, const BarChartModel& model, int height) {
    const Font font = chartFont();
    const int top = height - kLegendTopAboveBottom;
    int x = kAppearanceLegendLeft;
    for (const BarSeries& series : model.series) {
        s.fill({x, top, x + kLegendSquare, top + kLegendSquare}, series.colour);
        const TextSize t = s.measureText(series.caption, font);
        s.text({x + kLegendSquare + 4, top + (kLegendSquare - t.height) / 2}, series.caption, font);
        x += kLegendSquare + 4 + t.width + kLegendGap;
    }
}

}  // namespace

double barChartStep(double largest, bool whole) {
    const double least = whole ? 1.0 : 0.1;
    const double raw = largest / kBarChartMaxTicks;
    if (!(raw > least)) return least;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        // A small tolerance keeps 20 / 10 = 2 on step 2 rather than 5.
        if (m * magnitude >= raw * (1 - 1e-9)) return std::max(m * magnitude, least);
    }
    return std::max(10 * magnitude, least);
}

BarChartGeometry layoutDissectionBars(const BarChartModel& model, int width, int height) {
    BarChartGeometry g;
    g.plot = {kLeftMargin, kTopMargin, std::max(kLeftMargin + 1, width - kRightMargin),
              std::max(kTopMargin + 1, height - kBottomMargin)};
    const double largest = largestValue(model);
    g.step = barChartStep(largest, model.wholeValues);
    g.ticks = std::clamp(static_cast<int>(std::ceil(largest / g.step - 1e-9)), 1, kBarChartMaxTicks);
    const std::size_t slots = model.slots.size();
    if (slots == 0) return g;
    const double slotWidth = static_cast<double>(g.plot.width()) / static_cast<double>(slots);
    const int n = std::max<int>(1, static_cast<int>(model.series.size()));
    const double barWidth = std::min(slotWidth * kGroupShare / n, static_cast<double>(kWidestBar));
    const double scale = g.plot.height() / (g.ticks * g.step);
    for (std::size_t i = 0; i < slots; ++i) {
        const double centre = g.plot.left + (i + 0.5) * slotWidth;
        g.slotCentre.push_back(roundPixel(centre));
        const std::vector<BarValue>& bars = model.slots[i].bars;
        for (int k = 0; k < n && k < static_cast<int>(bars.size()); ++k) {
            const std::optional<double>& v = bars[static_cast<std::size_t>(k)].value;
            const double left = centre - n * barWidth / 2 + k * barWidth;
            const double value = v ? std::clamp(*v, 0.0, g.ticks * g.step) : 0.0;
            g.bars.push_back({static_cast<int>(i), k,
                              Rect{roundPixel(left), g.plot.bottom - roundPixel(value * scale),
                                   roundPixel(left + barWidth) - (n > 1 ? 1 : 0), g.plot.bottom},
                              v.has_value()});
        }
    }
    return g;
}

void paintDissectionBars(DrawSurface& surface, const BarChartModel& model, int width, int height) {
    surface.fill({0, 0, width, height}, kWhite);
    const BarChartGeometry g = layoutDissectionBars(model, width, height);
    if (!model.title.empty()) centredText(surface, width / 2, kTitleTop, model.title, chartFont(kTitleFontSize, kBlack, true));
    paintAxes(surface, model, g);
    paintBars(surface, model, g);
    paintSlotLabels(surface, model, g);
    paintLegend(surface, model, height);
}

}  // namespace qorvel
