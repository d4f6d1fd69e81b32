#include "views/dissection_average_chart.h"

#include <algorithm>

#include "views/dissection_series.h"

namespace qorvel {

namespace {

constexpr int kAveragePenWidth = 2;

}  // namespace

Colour averageColour(int spanIndex) {
    static constexpr Colour colours[] = {kGreen, kPurple, rgbColour(255, 140, 0), kRed, kBlue};
    return colours[std::clamp(spanIndex, 0, static_cast<int>(std::size(colours)) - 1)];
}

// The frame comes from the coordinate chart of the series itself; without the regular line that chart is
// drawn on a scratch bitmap only to place the axes, which are then drawn alone.
void drawAverageChart(DrawSurface& surface, int width, int height, tcoordinate& axes, const AverageChartInput& in) {
    if (!in.series || !in.issues || in.series->empty()) return;
    const int count = static_cast<int>(in.series->size());
    const int first = std::clamp(in.first, 1, count);
    const int last = std::min(count, first + in.draws - 1);
    std::vector<SeriesPoint> points;
    for (int i = first; i <= last; ++i)
        points.push_back({(*in.issues)[static_cast<std::size_t>(i - 1)], (*in.series)[static_cast<std::size_t>(i - 1)]});
    if (in.regular) {
        axes.ChartPair(surface, height, width, in.yMax, in.yMin, in.title, kPairFull, points, first);
    } else {
        auto scratch = surface.createBitmap(width, height);
        axes.ChartPair(*scratch, height, width, in.yMax, in.yMin, in.title, kPairFull, points, first);
        surface.fill({0, 0, width, height}, kWhite);
        axes.DrawAxes(surface, in.title);
    }
    for (std::size_t s = 0; s < kAverageSpans.size(); ++s) {
        if (!in.spans[s]) continue;
        const AverageSeries avg = movingAverage(*in.series, kAverageSpans[s]);
        const Pen pen{averageColour(static_cast<int>(s)), kAveragePenWidth, PenStyle::Solid};
        for (int i = first + 1; i <= last; ++i) {
            const auto a = static_cast<std::size_t>(i - 2), b = static_cast<std::size_t>(i - 1);
            if (!avg.present[a] || !avg.present[b]) continue;
            surface.line(axes.PointPixel(i - 1, avg.tenths[a]), axes.PointPixel(i, avg.tenths[b]), pen);
        }
    }
}

}  // namespace qorvel
