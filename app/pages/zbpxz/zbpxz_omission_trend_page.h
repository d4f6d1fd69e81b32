// 遗漏值走势: the omission of the series value at each draw ("遗漏值") and its amplitude ("遗漏值振幅") over the
// window; "动态坐标" scales the y axis to the window, "限制y轴最大值" caps it at the chosen value.
#pragma once

#include "app/pages/zbpxz/zbpxz_chart_page.h"

class QComboBox;
class QRadioButton;

namespace qorvel {

class ZbpxzOmissionTrendPage : public ZbpxzChartPage {
  public:
    ZbpxzOmissionTrendPage(const DissectionState& state, QWidget* parent);

    QRadioButton* rb_ylzs_dynamic = nullptr;  // 动态坐标
    QRadioButton* rb_ylzs_limit = nullptr;    // 限制y轴最大值
    QComboBox* cb_ylzs_y_max = nullptr;

  protected:
    void recompute() override;
    void draw(DrawSurface& surface, int width, int height) override;

  private:
    int32_t yMaxFor(const std::vector<int32_t>& values) const;

    std::vector<int32_t> omissions_, amplitudes_;
};

}  // namespace qorvel
