#include "views/image_charts.h"

#include <algorithm>
#include <cmath>

#include "text/number_text.h"

namespace qorvel {
namespace {

constexpr const char* kSampleIssue = "2006001";
constexpr int kAxisMarginPx = 60;     // axis length = picture width - margin
constexpr int kOriginGapPx = 10;      // between the widest y label and the y axis
constexpr int kFullTopPx = 20;        // a chart over the whole picture: axis top
constexpr int kFullBottomPx = 40;     // and room under the axis for the issue labels
constexpr int kStackTitlePx = 24;     // a stacked chart: room for its title above the axis
constexpr int kStackGapPx = 8;        // under a stacked chart without issue labels
constexpr int kStackIssuesPx = 24;    // under the last stacked chart, which carries the issue labels
constexpr int kValueLabelGapPx = 5;
constexpr int kNumberLabelGapPx = 3;
constexpr int kIssueLabelEvery = 3;
constexpr int kGapYStep = 2;          // 间隔分析 labels every second number: 3, 5, …
constexpr Colour kGapPairColour = kRed;

struct YAxis {
    int from = 0, to = 0, minor = 1, major = 1;
    std::vector<std::string> labels;  // one per labelled tick from the first above the origin
};

// The draws of a window that exist in the history, 1-based and inclusive; empty when last < first.
struct Shown {
    int first = 1, last = 0;
    int count() const { return std::max(0, last - first + 1); }
};

Shown shownDraws(int total, int first, int length) {
    Shown s;
    s.first = std::clamp(first, 1, std::max(total, 1));
    s.last = std::min(total, s.first + std::max(length, 0) - 1);
    return s;
}

bool isForecastRow(const t_s_dm& store, int row) {
    return row == store.Count() && store.Row(row).fields[0] == kForecastIssue;
}

// Issue labels of the labelled x ticks: tick k stands at draw xFrom + 3k.
std::vector<std::string> issueLabels(const t_s_dm& store, int xFrom, const Shown& shown) {
    std::vector<std::string> labels;
    for (int row = xFrom + kIssueLabelEvery; row <= shown.last; row += kIssueLabelEvery)
        labels.push_back(row >= shown.first ? std::to_string(store.Row(row).fields[0]) : std::string());
    return labels;
}

// Sets the record up for one chart: x over `steps` draws from xFrom, y as given, the axes between
// axisTop and originY, the issue labels under the labelled x ticks.
void placeChart(tcoordinate& a, DrawSurface& s, int width, int axisTop, int originY, int xFrom, int steps,
                const std::vector<std::string>& issues, const YAxis& y) {
    const Font font;
    a.xMinor = 1;
    a.xMajor = kIssueLabelEvery;
    a.xFrom = xFrom;
    a.xTo = xFrom + steps;
    a.yFrom = y.from;
    a.yTo = y.to;
    a.yMinor = y.minor;
    a.yMajor = y.major;
    for (auto& label : a.labels) label.clear();
    const int xLabels = std::min<int>(static_cast<int>(issues.size()), kCoordinateMaxXLabels);
    for (int k = 1; k <= xLabels; ++k) a.labels[k] = issues[k - 1];
    a.xLabelCount = static_cast<std::uint16_t>(xLabels);
    const int yLabels = std::min<int>(static_cast<int>(y.labels.size()), kCoordinateMaxYLabels);
    const TextSize issueSize = s.measureText(kSampleIssue, font);
    a.issueLabelWidth = issueSize.width;
    a.issueLabelHeight = issueSize.height;
    a.yLabelWidth = 0;
    a.yLabelHeight = issueSize.height;
    for (int k = 1; k <= yLabels; ++k) {
        a.labels[kCoordinateYLabelBase + k] = y.labels[k - 1];
        a.yLabelWidth = std::max(a.yLabelWidth, s.measureText(y.labels[k - 1], font).width);
    }
    a.yLabelCount = static_cast<std::uint16_t>(yLabels);
    a.originX = a.yLabelWidth + kOriginGapPx;
    a.originY = originY;
    a.width = static_cast<float>(std::max(width - kAxisMarginPx, 1));
    a.height = static_cast<float>(std::max(originY - axisTop, 1));
    a.Update();
}

void textCentredAbove(DrawSurface& s, Point p, const std::string& text, const Font& font) {
    const TextSize size = s.measureText(text, font);
    s.text({p.x - size.width / 2, p.y - kCoordinatePointRadius - kValueLabelGapPx - size.height}, text, font);
}

void textCentredAt(DrawSurface& s, Point centre, const std::string& text, const Font& font) {
    const TextSize size = s.measureText(text, font);
    s.text({centre.x - size.width / 2, centre.y - size.height / 2}, text, font);
}

int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Values outside the axis range are drawn at its edge, so nothing lands over a title or a neighbour.
int clampToAxis(const tcoordinate& a, int value) {
    return std::clamp(value, std::min(a.yFrom, a.yTo), std::max(a.yFrom, a.yTo));
}

std::vector<SeriesPoint> windowOf(const std::vector<int32_t>& issues, const std::vector<int32_t>& values,
                                  const Shown& shown) {
    std::vector<SeriesPoint> points;
    for (int i = shown.first; i <= shown.last; ++i)
        points.push_back({issues[static_cast<std::size_t>(i - 1)], values[static_cast<std::size_t>(i - 1)]});
    return points;
}

// The top of a value chart: the largest value, at least one above the bottom so the axis has a height.
int chartTop(const std::vector<int32_t>& values, int bottom) {
    int top = bottom + 1;
    for (int32_t v : values) top = std::max(top, static_cast<int>(v));
    return top;
}

}  // namespace

int lastWindowStart(int total, int length) {
    return std::max(1, total - std::max(length, 1) + 1);
}

void drawRemainderCharts(tcoordinate& axes, DrawSurface& surface, int width, int height, const t_s_dm& store,
                         const TypeParams& params, int modulus, int first, int length) {
    surface.fill({0, 0, width, height}, kWhite);
    const std::vector<std::vector<int>> values = positionRemainders(store, params, modulus);
    const int positions = static_cast<int>(values.size());
    if (positions == 0 || modulus < 1) return;
    const Shown shown = shownDraws(store.Count(), first, length);
    // The axis reaches one unit above the largest remainder so the value written over a top point stays
    // under the chart's title.
    YAxis y{0, modulus, 1, 1, {}};
    for (int v = 1; v < modulus; ++v) y.labels.push_back(std::to_string(v));
    const Font font;
    const Pen linePen{kBlack, 1, PenStyle::Solid};
    for (int k = 0; k < positions; ++k) {
        const bool last = k + 1 == positions;
        const int areaTop = k * height / positions;
        const int areaBottom = (k + 1) * height / positions;
        placeChart(axes, surface, width, areaTop + kStackTitlePx, areaBottom - (last ? kStackIssuesPx : kStackGapPx),
                   shown.first, shown.count(), last ? issueLabels(store, shown.first, shown) : std::vector<std::string>{},
                   y);
        axes.DrawAxes(surface, "主号" + std::to_string(k + 1));
        const std::vector<int>& position = values[static_cast<std::size_t>(k)];
        for (int row = shown.first + 1; row <= shown.last; ++row)
            surface.line(axes.PointPixel(row - 1, position[row - 2]), axes.PointPixel(row, position[row - 1]), linePen);
        for (int row = shown.first; row <= shown.last; ++row) {
            const int v = position[static_cast<std::size_t>(row - 1)];
            const Point p = axes.PlotPoint(surface, row, v, kCoordinatePointRadius, isForecastRow(store, row));
            textCentredAbove(surface, p, std::to_string(v), font);
        }
    }
}

std::vector<int> gapPositions(int pair, int mainCount) {
    std::vector<int> positions;
    if (pair == 0) {
        for (int k = mainCount; k >= 1; --k) positions.push_back(k);
        return positions;
    }
    const auto& items = gapPairItems();
    if (pair < 0 || pair > static_cast<int>(items.size())) return positions;
    const auto [a, b] = items[static_cast<std::size_t>(pair - 1)];
    if (a > mainCount || b > mainCount) return positions;
    return {std::max(a, b), std::min(a, b)};
}

void drawGapChart(tcoordinate& axes, DrawSurface& surface, int width, int height, const t_s_dm& store,
                  const TypeParams& params, int pair, GapMarking marking, int first, int length) {
    surface.fill({0, 0, width, height}, kWhite);
    const Shown shown = shownDraws(store.Count(), first, length);
    YAxis y{1, std::max(params.MainTo, 2), 1, kGapYStep, {}};
    for (int v = y.from + kGapYStep; v <= y.to; v += kGapYStep) y.labels.push_back(std::to_string(v));
    // One free step on each side keeps the first and last bars off the axis and inside the picture.
    const int xFrom = shown.first - 1;
    placeChart(axes, surface, width, kFullTopPx, height - kFullBottomPx, xFrom, shown.count() + 1,
               issueLabels(store, xFrom, shown), y);
    const std::string caption = pair == 0 ? std::string("全部显示")
                                          : std::to_string(gapPairItems()[static_cast<std::size_t>(pair - 1)].first) +
                                                "_" + std::to_string(gapPairItems()[static_cast<std::size_t>(pair - 1)].second);
    axes.DrawAxes(surface, "主号间隔（" + caption + "）");

    const std::vector<int> positions = gapPositions(pair, params.MainCount);
    Font white;
    white.colour = kWhite;
    const Font black;
    for (int row = shown.first; row <= shown.last; ++row) {
        const GapRow g = gapRow(store, params, row);
        const int x = axes.PointPixel(row, y.from).x;
        if (isForecastRow(store, row)) axes.DrawForecastBox(surface, x);
        auto yOf = [&](int position) {
            return axes.PointPixel(row, clampToAxis(axes, g.numbers[static_cast<std::size_t>(position - 1)])).y;
        };
        auto colourOf = [&](int position) {
            if (pair != 0) return kGapPairColour;
            const GapColour c = gapPositionColour(position);
            return rgbColour(c.r, c.g, c.b);
        };
        if (static_cast<int>(g.numbers.size()) < params.MainCount) continue;
        if (marking == GapMarking::Gaps) {
            // Highest position first: each lower bar covers the part below its own number, so bar k shows
            // the segment between numbers k − 1 and k, where its gap is written.
            for (std::size_t i = 0; i < positions.size(); ++i) {
                const int k = positions[i];
                const int top = yOf(k);
                surface.rectangle({x - kGapBarWidth / 2, top, x + kGapBarWidth / 2, axes.originY},
                                  Pen{kWhite, 1, PenStyle::Solid}, Brush{colourOf(k), false});
                if (i + 1 == positions.size()) continue;
                const int below = positions[i + 1];
                const int gap = g.numbers[static_cast<std::size_t>(k - 1)] - g.numbers[static_cast<std::size_t>(below - 1)];
                textCentredAt(surface, {x, (top + yOf(below)) / 2}, std::to_string(gap), white);
            }
            continue;
        }
        for (std::size_t i = 0; i + 1 < positions.size(); ++i)
            surface.line({x, yOf(positions[i + 1])}, {x, yOf(positions[i])}, Pen{colourOf(positions[i]), kGapLineWidth, PenStyle::Solid});
        if (positions.size() < 2) continue;
        for (int k : positions) {
            const int number = g.numbers[static_cast<std::size_t>(k - 1)];
            const Point p = axes.PlotPoint(surface, row, clampToAxis(axes, number), kCoordinatePointRadius);
            const std::string text = TwoDigitText(number);
            const TextSize size = surface.measureText(text, black);
            surface.text({p.x + kCoordinatePointRadius + kNumberLabelGapPx, p.y - size.height / 2}, text, black);
        }
    }
}

void drawSpreadChart(tcoordinate& axes, DrawSurface& surface, int width, int height, const t_s_dm& store,
                     const TypeParams& params, SpreadMode mode, const std::string& title, int first, int length) {
    surface.fill({0, 0, width, height}, kWhite);
    const Shown shown = shownDraws(store.Count(), first, length);
    const SpreadAxis spread = spreadAxis(mode);
    const YAxis y{spread.yFrom, spread.yTo, spread.minorStep, spread.majorStep, spread.labels};
    placeChart(axes, surface, width, kFullTopPx, height - kFullBottomPx, shown.first, shown.count(),
               issueLabels(store, shown.first, shown), y);
    axes.DrawAxes(surface, title);
    if (spread.referenceAbove >= 0) {
        const int ry = axes.originY - roundEven(spread.referenceAbove * axes.yScale);
        surface.line({axes.originX, ry}, {axes.originX + roundEven(axes.width), ry}, Pen{kRed, 1, PenStyle::Dash});
    }
    std::vector<SpreadPoint> points;
    for (int row = shown.first; row <= shown.last; ++row) points.push_back(spreadPoint(store, params, row, mode));
    auto pixel = [&](std::size_t i) {
        return axes.PointPixel(shown.first + static_cast<int>(i), clampToAxis(axes, points[i].plotted));
    };
    const Pen linePen{kBlack, 1, PenStyle::Solid};
    for (std::size_t i = 1; i < points.size(); ++i) surface.line(pixel(i - 1), pixel(i), linePen);
    const Font font;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int row = shown.first + static_cast<int>(i);
        const Point p = axes.PlotPoint(surface, row, clampToAxis(axes, points[i].plotted), kCoordinatePointRadius,
                                       isForecastRow(store, row));
        if (i > 0) textCentredAbove(surface, p, points[i].label, font);
    }
}

void drawOmissionTrend(tcoordinate& axes, DrawSurface& surface, int width, int height,
                       const std::vector<OmissionEntry>& entries, int number, int first) {
    std::vector<int32_t> issues, omissions, amplitudes;
    for (const OmissionEntry& e : entries) {
        issues.push_back(e.issue);
        omissions.push_back(e.omission);
        amplitudes.push_back(e.amplitude);
    }
    const Shown shown = shownDraws(static_cast<int>(entries.size()), first, kOmissionTrendWindow);
    axes.ChartPair(surface, height, width, chartTop(omissions, 0), 0, omissionTrendTitle(number), kPairUpperHalf,
                   windowOf(issues, omissions, shown), shown.first);
    axes.ChartPair(surface, height, width, chartTop(amplitudes, 0), 0, omissionAmplitudeTitle(number), kPairLowerHalf,
                   windowOf(issues, amplitudes, shown), shown.first);
}

std::string extensionValueTitle(const std::string& code) { return code; }
std::string extensionAmplitudeTitle(const std::string& code) { return code + "的振幅"; }

void drawExtensionCharts(tcoordinate& axes, DrawSurface& surface, int width, int height, const ValueSeries& series,
                         const std::string& title, int first, int length) {
    const Shown shown = shownDraws(static_cast<int>(series.values.size()), first, length);
    int lowest = 0;
    if (!series.values.empty()) lowest = *std::min_element(series.values.begin(), series.values.end());
    axes.ChartPair(surface, height, width, chartTop(series.values, lowest), lowest, extensionValueTitle(title),
                   kPairUpperHalf, windowOf(series.issues, series.values, shown), shown.first);
    axes.ChartPair(surface, height, width, chartTop(series.amplitudes, 0), 0, extensionAmplitudeTitle(title),
                   kPairLowerHalf, windowOf(series.issues, series.amplitudes, shown), shown.first);
}

}  // namespace qorvel
