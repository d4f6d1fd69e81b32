// 特征图: three charts over the window — odd (1) or even (0), prime (1) or composite (0), big (1) or small (0)
// against the middle of the value range, which the page names ("中间值是:").
#pragma once

#include "app/pages/zbpxz/zbpxz_chart_page.h"

class QLabel;

namespace qorvel {

class ZbpxzFeaturePage : public ZbpxzChartPage {
  public:
    ZbpxzFeaturePage(const DissectionState& state, QWidget* parent);

    int32_t middle() const { return middle_; }
    QLabel* l_tzt_middle = nullptr;

  protected:
    void recompute() override;
    void draw(DrawSurface& surface, int width, int height) override;

  private:
    std::vector<int32_t> oddEven_, prime_, big_;
    int32_t middle_ = 0;
};

}  // namespace qorvel
