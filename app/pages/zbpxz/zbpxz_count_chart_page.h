// 出现次数统计图: how often every value of the series range occurred in the counted draws, as counts or
// percentages, in value order or sorted by count, a page of values at a time.
#pragma once

#include "app/pages/zbpxz/zbpxz_statistics_page.h"

namespace qorvel {

class ZbpxzCountChartPage : public ZbpxzStatisticsPage {
  public:
    ZbpxzCountChartPage(const DissectionState& state, QWidget* parent);

    const OccurrenceStatistics& statistics() const { return stats_; }
    // The values of the shown page in their order.
    const std::vector<ValueCount>& shownValues() const { return shown_; }

  protected:
    void recompute() override;
    BarChartModel buildModel() override;

  private:
    OccurrenceStatistics stats_;
    std::vector<ValueCount> shown_;
};

}  // namespace qorvel
