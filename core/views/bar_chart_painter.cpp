#include "views/bar_chart_painter.h"

#include <algorithm>
#include <string>

namespace qorvel {
namespace {

constexpr int kTickLength = 4;
constexpr int kLabelGap = 3;
constexpr int kLegendTextGap = 4;
constexpr int kValueFontSize = 7;

Font chartFont(int size = kDefaultFontSize) {
    Font f;
    f.size = size;
    return f;
}

// One legend entry: a filled square and its caption to its right, vertically centred on the square.
// Returns the right edge of the caption.
int legendEntry(DrawSurface& s, const Rect& square, Colour colour, const char* caption, const Font& font) {
    s.rectangle(square, Pen{colour, 1}, Brush{colour, false});
    const TextSize t = s.measureText(caption, font);
    const int x = square.right + kLegendTextGap;
    s.text({x, square.top + (square.height() - t.height) / 2}, caption, font);
    return x + t.width;
}

void paintLegend(DrawSurface& s, int height, const Font& font) {
    const int top = height - kLegendTopAboveBottom, bottom = height - kLegendBottomAboveBottom;
    const int end = legendEntry(s, {kAppearanceLegendLeft, top, kAppearanceLegendRight, bottom}, kAppearanceBarColour,
                                kAppearanceLegend, font);
    // The second square keeps its place unless the first caption is wider than the gap before it.
    const int left = std::max(kOmissionLegendLeft, end + 2 * kLegendTextGap);
    legendEntry(s, {left, top, left + (kOmissionLegendRight - kOmissionLegendLeft), bottom}, kOmissionBarColour,
                kOmissionLegend, font);
}

void paintAxes(DrawSurface& s, const BarChartLayout& c, const Font& font) {
    const int top = c.originY - c.plotHeight, right = c.originX + c.plotWidth;
    for (std::size_t k = 0; k < c.tickY.size(); ++k) {
        const int y = c.tickY[k];
        s.line({c.originX + 1, y}, {right, y}, Pen{kBarGridColour, 1});
        s.line({c.originX - kTickLength, y}, {c.originX, y}, Pen{kBlack, 1});
        const std::string label = std::to_string(c.tickValues[k]);
        const TextSize t = s.measureText(label, font);
        s.text({c.originX - kTickLength - kLabelGap - t.width, y - t.height / 2}, label, font);
    }
    s.line({c.originX, top}, {c.originX, c.originY}, Pen{kBlack, 1});
    s.line({c.originX, c.originY}, {right, c.originY}, Pen{kBlack, 1});
    for (std::size_t i = 0; i < c.slotX.size(); ++i) {
        const TextSize t = s.measureText(c.slotLabels[i], font);
        s.line({c.slotX[i], c.originY}, {c.slotX[i], c.originY + kTickLength}, Pen{kBlack, 1});
        s.text({c.slotX[i] - t.width / 2, c.originY + kTickLength + 1}, c.slotLabels[i], font);
    }
}

void paintBars(DrawSurface& s, const BarChartLayout& c) {
    Font font = chartFont(kValueFontSize);
    for (const ChartBar& bar : c.bars) {
        const Colour colour = bar.appearance ? kAppearanceBarColour : kOmissionBarColour;
        if (bar.right > bar.left && bar.bottom > bar.top) s.fill({bar.left, bar.top, bar.right, bar.bottom}, colour);
        font.colour = colour;
        const std::string value = std::to_string(bar.value);
        const TextSize t = s.measureText(value, font);
        const int x = bar.appearance ? bar.right - t.width : bar.left;
        s.text({x, bar.top - t.height - 1}, value, font);
    }
}

}  // namespace

void paintBarChart(DrawSurface& surface, const BarChartLayout& layout, int width, int height) {
    surface.fill({0, 0, width, height}, kWhite);
    const Font font = chartFont();
    paintLegend(surface, height, font);
    paintAxes(surface, layout, font);
    paintBars(surface, layout);
}

}  // namespace qorvel
