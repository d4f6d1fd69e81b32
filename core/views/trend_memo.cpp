#include "views/trend_memo.h"

namespace qorvel {
namespace {

RunLengths lengthsOf(const RunStats& runs) { return {runs.current, runs.max, runs.min}; }

std::string chartLine(const std::string& title, const t_s_zsd& chart, const IndexRange& range) {
    if (range.from > range.to) return trendMemoLine(title, 0, 0, {}, {}, {});
    const ValueRange values = chart.RangeMinMax(range.from, range.to);
    return trendMemoLine(title, values.min, values.max, lengthsOf(chart.RepeatRuns(range.from, range.to)),
                         lengthsOf(chart.RiseRuns(range.from, range.to)),
                         lengthsOf(chart.FallRuns(range.from, range.to)));
}

}  // namespace

t_s_zsd trendChartOf(const std::vector<int32_t>& issues, const std::vector<int32_t>& values) {
    t_s_zsd chart;
    chart.Resize(static_cast<int>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i)
        chart.series[i + 1] = {i < issues.size() ? issues[i] : 0, values[i]};
    return chart;
}

std::array<std::string, 3> trendMemoLines(const TrendSeries& series, const IndexRange& range) {
    const t_s_zsd indicator = trendChartOf(series.issues, series.values);
    const t_s_zsd feature = trendChartOf(series.issues, series.features);
    const bool empty = range.from > range.to;
    return {chartLine(series.indicatorTitle, indicator, range), chartLine(series.featureTitle, feature, range),
            trendMemoRangeLine(empty ? 0 : indicator.At(range.from).issue, empty ? 0 : indicator.At(range.to).issue)};
}

}  // namespace qorvel
