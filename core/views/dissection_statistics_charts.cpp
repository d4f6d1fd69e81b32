#include "views/dissection_statistics_charts.h"

#include "views/view_text.h"

namespace qorvel {
namespace {

constexpr const char* kCountCaption = "出现次数";
constexpr const char* kPercentCaption = "百分比例";
constexpr const char* kNoValueText = "-";

// A count as its bar: the count itself, or its share of the draws with the percentage text.
BarValue countBar(int count, int draws, bool percentages) {
    if (!percentages) return {static_cast<double>(count), std::to_string(count)};
    const double share = draws > 0 ? 100.0 * count / draws : 0.0;
    return {share, percentText(count, draws)};
}

void setCountAxes(BarChartModel& m, bool percentages) {
    m.yCaption = percentages ? std::string(kPercentCaption) + "(%)" : kCountCaption;
    m.tickSuffix = percentages ? "%" : "";
    m.wholeValues = !percentages;
    m.series = {{percentages ? kPercentCaption : kCountCaption, kRed}};
}

}  // namespace

std::string itemGroupingCaption(ItemGrouping grouping, int parameter) {
    switch (grouping) {
    case ItemGrouping::OddEven: return "奇偶";
    case ItemGrouping::PrimeComposite: return "质合";
    case ItemGrouping::Zones: return std::to_string(parameter) + "分区";
    case ItemGrouping::Remainders: return "除" + std::to_string(parameter) + "余数";
    }
    return {};
}

BarChartModel itemStatisticsChart(const ItemStatistics& stats, bool percentages, const std::string& heading,
                                  const std::string& groupingText, const std::string& spanText) {
    BarChartModel m;
    m.title = heading + "（" + groupingText + "，" + spanText + "）";
    m.xCaption = groupingText;
    setCountAxes(m, percentages);
    for (const ItemRow& row : stats.rows) m.slots.push_back({row.caption, {countBar(row.count, stats.draws, percentages)}});
    return m;
}

BarChartModel occurrenceChart(const std::vector<ValueCount>& shown, int draws, int outside, bool percentages,
                              const std::string& heading, const std::string& spanText) {
    BarChartModel m;
    m.title = heading + "（" + spanText;
    if (outside > 0) m.title += "，取值范围外" + std::to_string(outside) + "期";
    m.title += "）";
    m.xCaption = kOmissionMeasureCaptions[0];
    setCountAxes(m, percentages);
    for (const ValueCount& v : shown) m.slots.push_back({std::to_string(v.value), {countBar(v.count, draws, percentages)}});
    return m;
}

BarChartModel omissionChart(const std::vector<ValueOmissions>& shown, const std::string& heading,
                            const std::string& spanText) {
    BarChartModel m;
    m.title = heading + "（" + spanText + "）";
    m.xCaption = kOmissionMeasureCaptions[0];
    m.yCaption = "遗漏次数";
    for (int k = 1; k < kOmissionMeasureCount; ++k)
        m.series.push_back({kOmissionMeasureCaptions[k], kOmissionMeasureColours[k - 1]});
    for (const ValueOmissions& v : shown) {
        BarSlot slot{std::to_string(v.value), {}};
        for (int k = 1; k < kOmissionMeasureCount; ++k) {
            const std::optional<int64_t> measure = omissionMeasure(v, static_cast<OmissionMeasure>(k));
            if (measure)
                slot.bars.push_back({static_cast<double>(*measure), std::to_string(*measure)});
            else
                slot.bars.push_back({std::nullopt, kNoValueText});
        }
        m.slots.push_back(std::move(slot));
    }
    return m;
}

}  // namespace qorvel
