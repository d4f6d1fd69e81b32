// 余数走势图: the series value mod k over the window for a group of two or three moduli, one chart each.
#pragma once

#include <array>

#include "app/pages/zbpxz/zbpxz_chart_page.h"

namespace qorvel {

class ZbpxzRemainderPage : public ZbpxzChartPage {
  public:
    ZbpxzRemainderPage(const DissectionState& state, QWidget* parent);

    // The moduli of the chosen group.
    std::vector<int> divisors() const;

    QComboBox* cb_yszs_group = nullptr;

  protected:
    void recompute() override;
    void draw(DrawSurface& surface, int width, int height) override;

  private:
    std::vector<std::vector<int32_t>> remainders_;
};

}  // namespace qorvel
