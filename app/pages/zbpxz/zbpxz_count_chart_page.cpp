#include "app/pages/zbpxz/zbpxz_count_chart_page.h"

#include <QHBoxLayout>

#include "core/views/dissection_statistics_charts.h"

namespace qorvel {

ZbpxzCountChartPage::ZbpxzCountChartPage(const DissectionState& state, QWidget* parent)
    : ZbpxzStatisticsPage(state, QStringLiteral("出现次数统计图"), QStringLiteral("cxcs"), parent) {
    addCountPercentChoice();
    addSortButtons(true);
    addPaging();
    controls()->addStretch(1);
}

void ZbpxzCountChartPage::recompute() {
    stats_ = occurrenceStatistics(state_.input.series, span(), state_.range);
    setItemCount(static_cast<int>(stats_.values.size()), kCountChartPageSize);
}

BarChartModel ZbpxzCountChartPage::buildModel() {
    const std::vector<ValueCount> ordered = orderedCounts(stats_.values, order());
    const PageSlice slice = currentSlice();
    shown_.assign(ordered.begin() + slice.first, ordered.begin() + slice.first + slice.size);
    return occurrenceChart(shown_, stats_.draws, stats_.outside, percentages(),
                           state_.input.title + "的出现次数统计图", spanCaption());
}

}  // namespace qorvel
