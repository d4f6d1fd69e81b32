#include "views/statistics_chart.h"

#include <algorithm>
#include <cmath>

#include "text/number_text.h"

namespace qorvel {
namespace {

int roundPixel(double x) { return static_cast<int>(std::floor(x + 0.5)); }

}  // namespace

BarChartLayout layoutBarChart(const ZoneStatistics& zone, BarOrder order, bool showCounts, bool showOmissions,
                              int imageWidth, int imageHeight) {
    BarChartLayout c;
    c.originX = kChartLeftMargin;
    c.originY = imageHeight - kChartBottomMargin;
    c.plotWidth = std::max(imageWidth - kChartSideSpace, 0);
    c.plotHeight = std::max(imageHeight - kChartSideSpace, 0);
    c.step = zone.scaleStep();
    const double perValue = static_cast<double>(c.plotHeight) / (kChartTicks * c.step);
    for (int k = 1; k <= kChartTicks; ++k) {
        c.tickValues.push_back(k * c.step);
        c.tickY.push_back(c.originY - roundPixel(k * c.step * perValue));
    }
    const std::vector<NumberStatistic>& slots = order == BarOrder::ByCount      ? zone.byCount
                                                : order == BarOrder::ByOmission ? zone.byOmission
                                                                                : zone.byNumber;
    if (slots.empty()) return c;
    const double w = static_cast<double>(c.plotWidth) / static_cast<double>(slots.size());
    for (std::size_t s = 0; s < slots.size(); ++s) {
        const double i = static_cast<double>(s + 1);
        c.slotLabels.push_back(TwoDigitText(slots[s].number));
        c.slotX.push_back(c.originX + roundPixel(i * w));
        auto bar = [&](double from, double to, int value, bool appearance) {
            c.bars.push_back({c.originX + roundPixel(from), c.originX + roundPixel(to),
                              c.originY - roundPixel(value * perValue), c.originY, value, appearance});
        };
        if (showCounts) bar((i - 1 + 2.0 / 3.0) * w, i * w, slots[s].count, true);
        if (showOmissions) bar(i * w, i * w + w / 3.0, slots[s].omission, false);
    }
    return c;
}

}  // namespace qorvel
