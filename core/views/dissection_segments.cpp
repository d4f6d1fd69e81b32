#include "views/dissection_segments.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <set>

namespace qorvel {

namespace {

constexpr int kCoarseLengthStep = 5;
constexpr int kFineLengthsFrom = 9;
constexpr int kTenths = 10;
constexpr int kFewValues = 10;    // below this range every whole value is labelled
constexpr int kManyValues = 100;  // above it minor ticks are as sparse as labelled ones
constexpr int kMaxYLabels = 10;
constexpr int kAxisMarginPx = 60;
constexpr int kOriginGapPx = 10;
constexpr int kAxisTopPx = 40;         // room for the title and the top point's value
constexpr int kLabelGapPx = 5;
constexpr int kLabelSpacingPx = 6;     // least room between two labels of one row
constexpr int kBottomMarginPx = 6;
constexpr int kValueLabelGapPx = 5;

// Sums of many large values are kept inside 32 bits, and the chart's values (in tenths) within half of
// that, so the axes' span of two extremes still fits.
int32_t saturated(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

constexpr int64_t kLargestChartValue = std::numeric_limits<int32_t>::max() / (2 * kTenths);

// Mean of `sum` over `n` in tenths, rounded half away from zero (as the moving averages are).
int32_t tenthsMean(int64_t sum, int64_t n) {
    if (n <= 0) return 0;
    const int64_t scaled = sum * kTenths;
    const int64_t half = n / 2;
    return saturated(scaled >= 0 ? (scaled + half) / n : -((-scaled + half) / n));
}

int32_t statistic(const std::vector<int32_t>& series, int first, int count, SegmentContent content) {
    const auto begin = series.begin() + first;
    const auto end = begin + count;
    switch (content) {
        case SegmentContent::Sum:
        case SegmentContent::Average: {
            int64_t sum = 0;
            for (auto it = begin; it != end; ++it) sum += *it;
            return content == SegmentContent::Sum ? saturated(sum) : tenthsMean(sum, count);
        }
        case SegmentContent::Max: return *std::max_element(begin, end);
        case SegmentContent::Min: return *std::min_element(begin, end);
        case SegmentContent::AverageAmplitude: {
            int64_t sum = 0;
            for (auto it = begin + 1; it < end; ++it) sum += std::llabs(static_cast<int64_t>(*it) - *(it - 1));
            return tenthsMean(sum, count - 1);
        }
        case SegmentContent::Repeats: {
            const std::set<int32_t> distinct(begin, end);
            return static_cast<int32_t>(count - static_cast<int>(distinct.size()));
        }
    }
    return 0;
}

int floorDiv(int64_t a, int b) {
    int64_t q = a / b;
    if (a % b != 0 && a < 0) --q;
    return static_cast<int>(q);
}

int ceilDiv(int64_t a, int b) {
    return -floorDiv(-a, b);
}

// Ticks and labels of the y axis for whole values yMin … yMax, counted in tenths, as the value charts
// label theirs.
void setYAxis(tcoordinate& axes, int yMin, int yMax) {
    const int range = yMax - yMin;
    const int step = range / kFewValues + 1;
    axes.yFrom = kTenths * yMin;
    axes.yTo = kTenths * yMax;
    axes.yMajor = range < kFewValues ? kTenths : kTenths * step;
    axes.yMinor = range > kManyValues ? kTenths * step : kTenths;
    for (int k = 1; k <= kCoordinateMaxYLabels; ++k) axes.labels[kCoordinateYLabelBase + k].clear();
    const int count = range < kFewValues ? range : kMaxYLabels;
    const int labelStep = range < kFewValues ? 1 : step;
    for (int k = 1; k <= count; ++k) axes.labels[kCoordinateYLabelBase + k] = std::to_string(yMin + k * labelStep);
    axes.yLabelCount = static_cast<std::uint16_t>(count);
}

std::string countText(int count) {
    return "(共" + std::to_string(count) + "期)";
}

}  // namespace

std::vector<int> segmentLengthChoices() {
    std::vector<int> lengths;
    for (int n = kLongestSegment; n > kFineLengthsFrom; n -= kCoarseLengthStep) lengths.push_back(n);
    for (int n = kFineLengthsFrom; n >= kShortestSegment; --n) lengths.push_back(n);
    return lengths;
}

const std::vector<std::string>& segmentContentNames() {
    static const std::vector<std::string> names{"区段总和", "区段平均值", "区段最大值",
                                                "区段最小值", "区段平均振幅", "相同个数"};
    return names;
}

bool segmentContentInTenths(SegmentContent content) {
    return content == SegmentContent::Average || content == SegmentContent::AverageAmplitude;
}

int drawnCount(const std::vector<int32_t>& issues) {
    const int count = static_cast<int>(issues.size());
    return count > 0 && issues.back() == kTrendForecastIssue ? count - 1 : count;
}

std::vector<Segment> segmentSeries(const std::vector<int32_t>& series, const std::vector<int32_t>& issues,
                                   int length, int offset, SegmentContent content) {
    const int drawn = std::min(drawnCount(issues), static_cast<int>(series.size()));
    const int n = std::clamp(length, kShortestSegment, kLongestSegment);
    // Draws after the last full cut, counted from the newest (0: the newest segment is a full one).
    const int shift = ((offset - 1) % n + n) % n;
    std::vector<Segment> segments;
    auto add = [&](int first, int count) {
        segments.push_back({first, count, issues[static_cast<std::size_t>(first)],
                            statistic(series, first, count, content)});
    };
    int end = drawn;  // one past the newest draw still to cut, 0-based
    if (shift > 0 && end > 0) {
        const int first = std::max(0, end - shift);
        add(first, end - first);
        end = first;
    }
    while (end > 0) {
        const int first = std::max(0, end - n);
        add(first, end - first);
        end = first;
    }
    std::reverse(segments.begin(), segments.end());
    return segments;
}

std::string segmentLabel(const Segment& segment) {
    return std::to_string(segment.issue) + countText(segment.count);
}

std::string tenthsText(int32_t tenths) {
    const int64_t magnitude = std::llabs(static_cast<int64_t>(tenths));
    return (tenths < 0 ? "-" : "") + std::to_string(magnitude / kTenths) + "." + std::to_string(magnitude % kTenths);
}

void drawSegmentChart(tcoordinate& axes, DrawSurface& surface, int width, int height,
                      const std::vector<Segment>& segments, bool tenths, int first, int shown,
                      const std::string& title) {
    surface.fill({0, 0, width, height}, kWhite);
    if (segments.empty()) return;
    const int total = static_cast<int>(segments.size());
    first = std::clamp(first, 0, total - 1);
    const int last = std::min(total, first + std::max(shown, 1));  // one past
    const int count = last - first;
    const Font font;

    // The y range spans every segment, in whole values; one more on top keeps the top value's label in.
    const auto [low, high] = std::minmax_element(segments.begin(), segments.end(),
                                                 [](const Segment& a, const Segment& b) { return a.value < b.value; });
    const int scale = tenths ? 1 : kTenths;  // statistic → chart units (tenths)
    auto chartValue = [&](int i) {
        const int64_t v = static_cast<int64_t>(segments[static_cast<std::size_t>(i)].value) * scale;
        return static_cast<int>(std::clamp(v, -kLargestChartValue * kTenths, kLargestChartValue * kTenths));
    };
    const int yMin = floorDiv(std::max<int64_t>(low->value * int64_t{scale}, -kLargestChartValue * kTenths), kTenths);
    const int yMax = std::max(ceilDiv(std::min<int64_t>(high->value * int64_t{scale}, (kLargestChartValue - 1) * kTenths), kTenths), yMin) + 1;
    setYAxis(axes, yMin, yMax);

    axes.yLabelWidth = 0;
    for (int k = 1; k <= axes.yLabelCount; ++k)
        axes.yLabelWidth = std::max(axes.yLabelWidth, surface.measureText(axes.labels[kCoordinateYLabelBase + k], font).width);
    const TextSize issueSize = surface.measureText(segmentLabel(segments[static_cast<std::size_t>(first)]), font);
    axes.issueLabelHeight = issueSize.height;

    // Segment k of the window (1-based) sits on x tick k; the ticks leave one free step at either end.
    axes.xMinor = 1;
    axes.xMajor = 1;
    axes.xFrom = 0;
    axes.xTo = count + 1;
    axes.xLabelCount = 0;  // the two-line labels are written below
    axes.width = static_cast<float>(std::max(width - kAxisMarginPx, 1));
    axes.originX = axes.yLabelWidth + kOriginGapPx;
    const float spacing = axes.width / static_cast<float>(count + 1);
    int labelWidth = 0;
    for (int i = first; i < last; ++i) {
        const Segment& s = segments[static_cast<std::size_t>(i)];
        labelWidth = std::max({labelWidth, surface.measureText(std::to_string(s.issue), font).width,
                               surface.measureText(countText(s.count), font).width});
    }
    const int rows = static_cast<float>(labelWidth + kLabelSpacingPx) > spacing ? 2 : 1;
    const int lineHeight = issueSize.height;
    axes.originY = height - kBottomMarginPx - kLabelGapPx - rows * 2 * lineHeight;
    axes.height = static_cast<float>(std::max(axes.originY - kAxisTopPx, 1));
    axes.DrawAxes(surface, title);

    const int middleY = axes.PointPixel(0, (axes.yFrom + axes.yTo) / 2).y;
    surface.line({axes.originX, middleY}, {axes.originX + static_cast<int>(axes.width), middleY},
                 Pen{kPurple, 1, PenStyle::Dash});
    const Pen linePen{kBlack, 1, PenStyle::Solid};
    for (int i = first + 1; i < last; ++i)
        surface.line(axes.PointPixel(i - first, chartValue(i - 1)), axes.PointPixel(i - first + 1, chartValue(i)), linePen);
    for (int i = first; i < last; ++i) {
        const Segment& s = segments[static_cast<std::size_t>(i)];
        const int k = i - first + 1;
        const Point p = axes.PlotPoint(surface, k, chartValue(i), kCoordinatePointRadius);
        const std::string value = tenths ? tenthsText(s.value) : std::to_string(s.value);
        const TextSize valueSize = surface.measureText(value, font);
        surface.text({p.x - valueSize.width / 2, p.y - kCoordinatePointRadius - kValueLabelGapPx - valueSize.height},
                     value, font);
        const int top = axes.originY + kLabelGapPx + (rows == 2 && k % 2 == 0 ? 2 * lineHeight : 0);
        const std::string issue = std::to_string(s.issue);
        const std::string days = countText(s.count);
        surface.text({p.x - surface.measureText(issue, font).width / 2, top}, issue, font);
        surface.text({p.x - surface.measureText(days, font).width / 2, top + lineHeight}, days, font);
    }
}

std::vector<ValueOmission> valueOmissionHistory(const std::vector<int32_t>& series,
                                                const std::vector<int32_t>& issues, int32_t value) {
    const bool forecast = drawnCount(issues) < static_cast<int>(issues.size());
    const int drawn = std::min(drawnCount(issues), static_cast<int>(series.size()));
    std::vector<ValueOmission> entries;
    int previous = -1;  // index of the previous occurrence
    for (int i = 0; i < drawn; ++i) {
        if (series[static_cast<std::size_t>(i)] != value) continue;
        entries.push_back({issues[static_cast<std::size_t>(i)], i - previous - 1, 0});
        previous = i;
    }
    if (forecast)
        entries.push_back({kTrendForecastIssue, drawn - previous - 1, 0});
    else if (drawn > 0 && previous != drawn - 1)
        entries.push_back({issues[static_cast<std::size_t>(drawn - 1)], drawn - previous - 1, 0});
    int32_t before = 0;
    for (ValueOmission& e : entries) {
        e.change = std::abs(e.omission - before);
        before = e.omission;
    }
    return entries;
}

std::string valueOmissionTitle(const std::string& title, int32_t value) {
    return title + "取值" + std::to_string(value) + "的遗漏走势";
}

std::string valueOmissionChangeTitle(const std::string& title, int32_t value) {
    return title + "取值" + std::to_string(value) + "的遗漏振幅走势";
}

std::vector<int32_t> valueChoices(const std::vector<int32_t>& series, const std::vector<int32_t>& issues,
                                  int32_t min, int32_t max) {
    std::vector<int32_t> values;
    if (max < min) std::swap(min, max);
    if (static_cast<int64_t>(max) - min < kMostValueChoices) {
        for (int64_t v = min; v <= max; ++v) values.push_back(static_cast<int32_t>(v));
        return values;
    }
    const int drawn = std::min(drawnCount(issues), static_cast<int>(series.size()));
    const std::set<int32_t> held(series.begin(), series.begin() + drawn);
    return {held.begin(), held.end()};
}

}  // namespace qorvel
