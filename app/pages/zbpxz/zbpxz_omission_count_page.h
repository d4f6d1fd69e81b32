// 遗漏次数统计图: per value of the series range its longest, shortest, average, last and current omission
// over the counted draws, in value order or sorted by one of them, a page of values at a time.
#pragma once

#include "app/pages/zbpxz/zbpxz_statistics_page.h"

namespace qorvel {

class ZbpxzOmissionCountPage : public ZbpxzStatisticsPage {
  public:
    ZbpxzOmissionCountPage(const DissectionState& state, QWidget* parent);

    OmissionMeasure sortMeasure() const;
    const OmissionStatistics& statistics() const { return stats_; }
    const std::vector<ValueOmissions>& shownValues() const { return shown_; }

    QComboBox* cb_ylcs_sort = nullptr;  // the measure the sort buttons sort by
    QPushButton* b_ylcs_tj = nullptr;   // 重新统计

  protected:
    void recompute() override;
    BarChartModel buildModel() override;

  private:
    OmissionStatistics stats_;
    std::vector<ValueOmissions> shown_;
};

}  // namespace qorvel
