// 数据分布图: each draw of a window placed in the row of its value between "最小值：" and "最大值：", marked
// in the style the style combo chooses ("图一" balls, "图二" squares, "图三" balls joined by a line, "图四"
// points joined by a line).
#pragma once

#include <string>

#include "app/pages/zbpxz/zbpxz_chart_page.h"
#include "core/views/dissection_distribution.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace qorvel {

class ZbpxzDistributionPage : public ZbpxzChartPage {
  public:
    ZbpxzDistributionPage(const DissectionState& state, QWidget* parent);

    // Presets the fields to the series range.
    void opened() override;

    DistributionBounds bounds() const { return bounds_; }
    // The message the picture shows instead of a chart, empty when the bounds are drawn.
    const std::string& boundsError() const { return error_; }
    DistributionStyle style() const;

    QLineEdit* e_sjfb_min = nullptr;
    QLineEdit* e_sjfb_max = nullptr;
    QPushButton* b_sjfb_update = nullptr;  // 更新
    QComboBox* cb_sjfb_style = nullptr;

  protected:
    void draw(DrawSurface& surface, int width, int height) override;

  private:
    // Takes the fields as the bounds; `tell` shows a refusal as a message too.
    void applyBounds(bool tell);

    DistributionBounds bounds_;
    std::string error_;
};

}  // namespace qorvel
