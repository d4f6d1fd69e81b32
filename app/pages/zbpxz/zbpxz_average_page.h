// 均值走势图: the series and its moving averages over a window of draws, one check box per line, and the
// export of every draw's value to a text file.
#pragma once

#include <array>

#include "app/pages/zbpxz/zbpxz_sub_page.h"
#include "core/views/dissection_average_chart.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;

namespace qorvel {

class AutoScroll;
class DrawingHost;

inline constexpr const char* kExportValuesTitle = "导出指标值";
inline constexpr const char* kExportValuesFilter = "指标值(*.txt)|*.txt";

class ZbpxzAveragePage : public ZbpxzSubPage {
  public:
    ZbpxzAveragePage(const DissectionState& state, QWidget* parent);

    QString pageName() const override { return QStringLiteral("均值走势图"); }
    void opened() override;
    void refresh() override;
    void left() override;
    int windowDraws() const;

    QCheckBox* cb_jz_cg = nullptr;  // 常规线
    std::array<QCheckBox*, kAverageSpans.size()> cb_jz{};  // 二期均值 … 十期均值
    QComboBox* cb_jz_qs = nullptr;  // 显示36期 …
    QPushButton* b_jz_export = nullptr;
    DrawingHost* im_jz = nullptr;
    QScrollBar* sb_jz = nullptr;
    QLabel* l_jz_legend = nullptr;
    AutoScroll* autoScroll = nullptr;

  private:
    void placeWindow(bool keepFirst);
    void draw(DrawSurface& surface, int width, int height);
    void exportValues();

    tcoordinate axes_;
    QMenu* menu_ = nullptr;
};

}  // namespace qorvel
