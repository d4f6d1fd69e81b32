#include "views/t_s_zsd.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace qorvel {
namespace {

constexpr const char* kForecastLabel = "预测区";
constexpr const char* kWidestIssue = "2008001";
constexpr int kShortIssueDigits = 4;
constexpr int kLabelGapPx = 6;       // room an issue label needs beside its neighbours
constexpr int kTextGapPx = 5;        // gap between an axis and its labels, or a title and the plot
constexpr int kMinorTickPx = 5;
constexpr int kMajorTickPx = 10;
constexpr int kAxisPenWidth = 2;
constexpr int kHollowMarkerPenWidth = 2;
constexpr int kValueGapPx = 2;
constexpr int kRangeStartMax = -9999999;
constexpr int kRangeStartMin = 9999999;
constexpr int kRunStartMin = 99999;

struct StepRow {
    int maxSpan;
    int labelStep;
    int tickStep;
};
constexpr StepRow kYSteps[] = {
    {20, 1, 1}, {50, 5, 1}, {100, 10, 2}, {200, 20, 4}, {500, 50, 10}, {2000, 100, 50},
};
constexpr int kWideLabelStep = 500;
constexpr int kWideTickStep = 250;

constexpr int kFewPoints = 20;
constexpr int kSomePoints = 150;

int ceilDiv(int a, int b) {
    if (a <= 0 || b <= 0) return 0;
    return a / b + (a % b != 0 ? 1 : 0);
}

int truncated(float v) {
    return static_cast<int>(v);
}

template <class Extends>
RunStats runs(const t_s_zsd& chart, int from, int to, Extends extends) {
    from = std::max(from, 1);
    to = std::min(to, chart.lastIndex);
    RunStats stats{0, 0, kRunStartMin};
    int run = 0;
    for (int i = from + 1; i <= to; ++i) {
        if (extends(chart.ValueAt(i - 1), chart.ValueAt(i))) {
            ++run;
        } else {
            stats.max = std::max(stats.max, run);
            stats.min = std::min(stats.min, run);
            run = 0;
        }
    }
    stats.current = run;
    stats.max = std::max(stats.max, run);
    stats.min = std::min(stats.min, run);
    return stats;
}

}  // namespace

void t_s_zsd::Resize(int count) {
    count = std::max(count, 0);
    series.assign(static_cast<size_t>(count) + 1, SeriesPoint{});
    lastIndex = count;
}

SeriesPoint t_s_zsd::At(int index) const {
    if (index < 1 || index > lastIndex || index >= static_cast<int>(series.size())) return {};
    return series[index];
}

void t_s_zsd::ChooseSteps() {
    const int span = yMax - yMin;
    yLabelStep = kWideLabelStep;
    yTickStep = kWideTickStep;
    for (const StepRow& row : kYSteps) {
        if (span <= row.maxSpan) {
            yLabelStep = row.labelStep;
            yTickStep = row.tickStep;
            break;
        }
    }
    xLabelStep = pointCount <= kFewPoints ? 1 : pointCount <= kSomePoints ? 3 : 5;
    xTickStep = 1;
}

void t_s_zsd::Rescale() {
    ChooseSteps();
    const int span = yMax - yMin;
    // A flat or inverted range and a one-point window would divide by zero; they are drawn as if one
    // unit and one step wide instead.
    const int spanDivisor = std::max(span, 1);
    const int stepDivisor = std::max(pointCount - 1, 1);
    yScale = static_cast<float>(plotRect.bottom - plotRect.top) / static_cast<float>(spanDivisor);
    yTickPixels = static_cast<float>(yTickStep) * yScale;
    xScale = static_cast<float>(plotRect.right - plotRect.left) / static_cast<float>(stepDivisor);
    yLabelCount = ceilDiv(span + 1, yLabelStep);
    xLabelCount = ceilDiv(pointCount, xLabelStep);
    yTickCount = ceilDiv(span + 1, yTickStep);
    xTickCount = ceilDiv(pointCount, xTickStep);
}

Point t_s_zsd::MapPoint(int index, int value) const {
    return {truncated(static_cast<float>(index - startIndex) * xScale) + plotRect.left,
            plotRect.bottom - truncated(static_cast<float>(value - yMin) * yScale)};
}

std::string t_s_zsd::IssueLabel(std::int32_t issue, bool shortened) {
    if (issue == kTrendForecastIssue) return kForecastLabel;
    std::string text = std::to_string(issue);
    if (shortened && static_cast<int>(text.size()) > kShortIssueDigits)
        text = text.substr(text.size() - kShortIssueDigits);
    return text;
}

int t_s_zsd::textLeft(int centreX, int textWidth) const {
    // Labels at the ends of the axis would be cut by the chart's own bitmap; they are moved inside it.
    return std::clamp(centreX - textWidth / 2, 0, std::max(outerRect.width() - textWidth, 0));
}

std::string t_s_zsd::valueText(int value) const {
    if (labelMode && value >= 1 && value <= kTrendLabelCount) return labels[value];
    return std::to_string(value);
}

void t_s_zsd::drawTitle(DrawSurface& s, const Font& font) const {
    if (title.empty()) return;
    const TextSize size = s.measureText(title, font);
    const int x = plotRect.left + (plotRect.right - plotRect.left - size.width) / 2;
    const int y = xLabelPos == 1 ? plotRect.top - size.height - kTextGapPx
                                 : plotRect.top - 2 * size.height - 2 * kTextGapPx;
    s.text({x, y}, title, font);
}

void t_s_zsd::drawGrid(DrawSurface& s) const {
    if (!showGrid) return;
    const Pen pen{gridColor, 1, PenStyle::Solid};
    for (int k = 2; k <= xTickCount; ++k) {
        const int x = truncated(static_cast<float>(k - 1) * xScale) + plotRect.left;
        s.line({x, plotRect.top}, {x, plotRect.bottom}, pen);
    }
    for (int v = yMin + 1; v <= yMax; ++v) {
        if (v % yTickStep != 0) continue;
        const int y = plotRect.bottom - truncated(static_cast<float>(v - yMin) * yScale);
        s.line({plotRect.left, y}, {plotRect.right, y}, pen);
    }
}

void t_s_zsd::drawAxes(DrawSurface& s, const Font& font, bool shortLabels) const {
    if (!showAxes) return;
    const Pen pen{axisColor, kAxisPenWidth, PenStyle::Solid};
    const int left = plotRect.left;
    const int bottom = plotRect.bottom;
    s.line({left, bottom}, {plotRect.right, bottom}, pen);
    s.line({left, plotRect.top}, {left, bottom}, pen);
    for (int k = 2; k <= xTickCount; ++k) {
        const int x = truncated(static_cast<float>(k - 1) * xScale) + left;
        s.line({x, bottom}, {x, bottom - kMinorTickPx}, pen);
    }
    Font xFont = font;
    xFont.colour = xLabelColor;
    for (int k = 2; k <= xLabelCount; ++k) {
        const int x = truncated(static_cast<float>((k - 1) * xLabelStep) * xScale) + left;
        s.line({x, bottom}, {x, bottom - kMajorTickPx}, pen);
        const int index = (k - 1) * xLabelStep + startIndex;
        if (index > lastIndex) continue;
        const std::string label = IssueLabel(At(index).issue, shortLabels);
        const TextSize size = s.measureText(label, xFont);
        const int y = xLabelPos == 1 ? bottom + kTextGapPx : plotRect.top - size.height - kTextGapPx;
        s.text({textLeft(x, size.width), y}, label, xFont);
    }
    Font yFont = font;
    yFont.colour = yLabelColor;
    for (int v = yMin + 1; v <= yMax; ++v) {
        const int y = bottom - truncated(static_cast<float>(v - yMin) * yScale);
        if (v % yTickStep == 0) s.line({left, y}, {left + kMinorTickPx, y}, pen);
        if (v % yLabelStep != 0) continue;
        s.line({left, y}, {left + kMajorTickPx, y}, pen);
        const std::string label = valueText(v);
        if (label.empty()) continue;
        const TextSize size = s.measureText(label, yFont);
        s.text({left - kTextGapPx - size.width, y - size.height / 2}, label, yFont);
    }
}

void t_s_zsd::drawFrame(DrawSurface& s) const {
    const Pen pen{axisColor, kAxisPenWidth, PenStyle::Solid};
    const Rect& r = plotRect;
    s.line({r.left, r.top}, {r.right, r.top}, pen);
    s.line({r.right, r.top}, {r.right, r.bottom}, pen);
    s.line({r.left, r.bottom}, {r.right, r.bottom}, pen);
    s.line({r.left, r.top}, {r.left, r.bottom}, pen);
}

int t_s_zsd::LastVisible() const {
    return std::min(lastIndex, startIndex + pointCount - 1);
}

void t_s_zsd::drawLine(DrawSurface& s) const {
    const Pen pen{lineColor, 1, PenStyle::Solid};
    const int last = LastVisible();
    for (int i = std::max(startIndex, 1); i < last; ++i)
        s.line(MapPoint(i, ValueAt(i)), MapPoint(i + 1, ValueAt(i + 1)), pen);
}

void t_s_zsd::drawMarkers(DrawSurface& s, const Font& font) const {
    const int last = LastVisible();
    Font valueFont = font;
    valueFont.colour = valueColor;
    for (int i = std::max(startIndex, 1); i <= last; ++i) {
        const int value = ValueAt(i);
        const Point p = MapPoint(i, value);
        const Rect box{p.x - markerSize, p.y - markerSize, p.x + markerSize, p.y + markerSize};
        const Pen solid{markerColor, 1, PenStyle::Solid};
        const Pen hollow{markerColor, kHollowMarkerPenWidth, PenStyle::Solid};
        switch (markerStyle) {
            case kMarkerFilledCircle: s.ellipse(box, solid, Brush{markerColor, false}); break;
            case kMarkerFilledSquare: s.rectangle(box, solid, Brush{markerColor, false}); break;
            case kMarkerHollowCircle: s.ellipse(box, hollow, Brush{kWhite, false}); break;
            case kMarkerHollowSquare: s.rectangle(box, hollow, Brush{kWhite, false}); break;
            default: break;
        }
        if (!showValues) continue;
        const std::string text = valueText(value);
        if (text.empty()) continue;
        const TextSize size = s.measureText(text, valueFont);
        s.text({textLeft(p.x, size.width), p.y - markerSize - kValueGapPx - size.height}, text, valueFont);
    }
}

void t_s_zsd::drawForecastBox(DrawSurface& s) const {
    if (lastIndex < 1 || startIndex + pointCount <= lastIndex) return;
    if (At(lastIndex).issue != kTrendForecastIssue) return;
    const int x = MapPoint(lastIndex, ValueAt(lastIndex)).x;
    const int half = truncated(xScale / 2);
    s.rectangle({x - half, plotRect.top, x + half, plotRect.bottom}, Pen{kRed, 1, PenStyle::Dot}, Brush{kWhite, true});
}

void t_s_zsd::Draw(DrawSurface& surface) const {
    if (!enabled || outerRect.width() <= 0 || outerRect.height() <= 0) return;
    std::unique_ptr<DrawSurface> bitmap = surface.createBitmap(outerRect.width(), outerRect.height());
    DrawSurface& s = *bitmap;
    const Font font;
    const int widest = s.measureText(kWidestIssue, font).width;
    const bool shortLabels = static_cast<float>(xLabelStep) * xScale - kLabelGapPx < static_cast<float>(widest);
    Font titleFont = font;
    titleFont.colour = axisColor;
    drawTitle(s, titleFont);
    drawGrid(s);
    drawAxes(s, font, shortLabels);
    drawFrame(s);
    drawLine(s);
    drawMarkers(s, font);
    drawForecastBox(s);
    surface.copyFrom(s, {0, 0, outerRect.width(), outerRect.height()}, outerRect, CopyMode::Copy);
}

void t_s_zsd::SetCategoryLabels(const std::vector<std::string>& names) {
    const int count = std::min(static_cast<int>(names.size()), kTrendLabelCount);
    labelMode = 1;
    categoryCount = count;
    for (int v = 1; v <= kTrendLabelCount; ++v) labels[v] = v <= count ? names[v - 1] : std::string();
    yMin = 0;
    yMax = count + 1;
}

void t_s_zsd::PositionNewest() {
    if (startIndex == 0) startIndex = std::max(1, lastIndex - pointCount + 1);
}

void t_s_zsd::ChooseYRange(int mainCount) {
    ValueRange range;
    if (displayMode == kDisplayCompact) {
        const int start = startIndex != 0 ? startIndex : std::max(1, lastIndex - pointCount + 1);
        range = RangeMinMax(start, std::min(lastIndex, start + pointCount - 1));
        if (range.min == range.max) range.max += mainCount - 1;
    } else {
        range = RangeMinMax(1, lastIndex);
        if (displayMode == kDisplayLimited) range.max = yMaxLimit;
    }
    yMax = range.max;
    yMin = range.min;
}

bool t_s_zsd::ZoomIn() {
    if (lastIndex < startIndex + kTrendZoomStep || pointCount - kTrendZoomStep <= 1) return false;
    pointCount -= kTrendZoomStep;
    startIndex += kTrendZoomStep;
    return true;
}

bool t_s_zsd::ZoomOut() {
    if (startIndex - kTrendZoomStep <= 1) return false;
    pointCount += kTrendZoomStep;
    startIndex -= kTrendZoomStep;
    return true;
}

bool t_s_zsd::ExtendTo(int points) {
    if (points <= 1 || lastIndex < points) return false;
    // Keeps the window's last point where it is; a window wider than the history before it starts at the
    // first draw instead of before it.
    startIndex = std::max(1, startIndex + pointCount - points);
    pointCount = points;
    return true;
}

ValueRange t_s_zsd::RangeMinMax(int from, int to) const {
    ValueRange range{kRangeStartMax, kRangeStartMin};
    for (int i = std::max(from, 1); i <= std::min(to, lastIndex); ++i) {
        range.max = std::max(range.max, ValueAt(i));
        range.min = std::min(range.min, ValueAt(i));
    }
    return range;
}

RunStats t_s_zsd::RepeatRuns(int from, int to) const {
    return runs(*this, from, to, [](int previous, int value) { return value == previous; });
}

RunStats t_s_zsd::RiseRuns(int from, int to) const {
    return runs(*this, from, to, [](int previous, int value) { return value > previous; });
}

RunStats t_s_zsd::FallRuns(int from, int to) const {
    return runs(*this, from, to, [](int previous, int value) { return value <= previous; });
}

int t_s_zsd::AmplitudeAt(int index) const {
    if (index >= 2) return std::abs(ValueAt(index - 1) - ValueAt(index));
    return ValueAt(index);
}

int t_s_zsd::OmissionAt(int index) const {
    if (index < 1) return 0;
    const int value = ValueAt(index);
    int count = 0;
    for (int j = index - 1; j >= 1; --j) {
        if (ValueAt(j) == value) return count;
        ++count;
    }
    return index - 1;
}

int t_s_zsd::OmissionAmplitudeAt(int index) const {
    if (index > 1) return std::abs(OmissionAt(index) - OmissionAt(index - 1));
    return OmissionAt(index);
}

}  // namespace qorvel
