// 变化量及尾数图: three charts over the window — the series, its absolute change from the previous draw and
// its tail digit.
#pragma once

#include "app/pages/zbpxz/zbpxz_chart_page.h"

namespace qorvel {

class ZbpxzChangePage : public ZbpxzChartPage {
  public:
    ZbpxzChangePage(const DissectionState& state, QWidget* parent);

  protected:
    void recompute() override;
    void draw(DrawSurface& surface, int width, int height) override;

  private:
    std::vector<int32_t> changes_, tails_;
};

}  // namespace qorvel
