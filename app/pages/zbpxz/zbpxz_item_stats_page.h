// 分项统计: how many of the counted draws fall in each category of the series values — odd/even,
// prime/composite, the zones of the value range or the remainders by k — as counts or percentages.
#pragma once

#include "app/pages/zbpxz/zbpxz_statistics_page.h"

class QRadioButton;

namespace qorvel {

class ZbpxzItemStatsPage : public ZbpxzStatisticsPage {
  public:
    ZbpxzItemStatsPage(const DissectionState& state, QWidget* parent);

    ItemGrouping grouping() const;
    // The zone count or divisor of the chosen grouping.
    int parameter() const;
    const ItemStatistics& statistics() const { return stats_; }

    QRadioButton* rb_fxtj_jo = nullptr;  // 奇偶
    QRadioButton* rb_fxtj_zh = nullptr;  // 质合
    QRadioButton* rb_fxtj_fq = nullptr;  // 分区 n
    QComboBox* cb_fxtj_fq = nullptr;
    QRadioButton* rb_fxtj_ys = nullptr;  // 除 k
    QComboBox* cb_fxtj_ys = nullptr;

  protected:
    void recompute() override;
    BarChartModel buildModel() override;

  private:
    ItemStatistics stats_;
};

}  // namespace qorvel
