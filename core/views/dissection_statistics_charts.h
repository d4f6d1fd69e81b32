// The bar charts of the dissection's statistics sub-pages, built from what they counted: titles, axis
// captions, one slot per category or value of the shown page, bar values and their texts.
#pragma once

#include <string>
#include <vector>

#include "views/dissection_bar_chart.h"
#include "views/dissection_statistics.h"

namespace qorvel {

inline constexpr Colour kOrange = rgbColour(255, 128, 0);
// The colours of the omission chart's five bars, in the order of their captions after "指标取值".
inline constexpr Colour kOmissionMeasureColours[] = {kRed, kGreen, kPurple, kOrange, kBlue};

// The grouping as the chart title names it: "奇偶", "质合", "3分区", "除3余数".
std::string itemGroupingCaption(ItemGrouping grouping, int parameter);

// `heading` is the dissection's title with the sub-page's name; `spanText` names the draws counted.
BarChartModel itemStatisticsChart(const ItemStatistics& stats, bool percentages, const std::string& heading,
                                  const std::string& groupingText, const std::string& spanText);
// `shown` are the values of the shown page in their order.
BarChartModel occurrenceChart(const std::vector<ValueCount>& shown, int draws, int outside, bool percentages,
                              const std::string& heading, const std::string& spanText);
BarChartModel omissionChart(const std::vector<ValueOmissions>& shown, const std::string& heading,
                            const std::string& spanText);

}  // namespace qorvel
