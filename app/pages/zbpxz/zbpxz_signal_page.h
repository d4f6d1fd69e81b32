// 信号图: the series as the chosen chart type shows it over a window of draws, and below it the signal grid
// that lays each draw's two-valued signal out in columns of equal runs. "过滤设置" turns a range of the shown
// values into a filter condition.
#pragma once

#include <vector>

#include "app/pages/zbpxz/zbpxz_sub_page.h"
#include "core/views/tcoordinate.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace qorvel {

class AutoScroll;
class DrawingHost;

inline constexpr int kSignalChartDraws = 36;

class ZbpxzSignalPage : public ZbpxzSubPage {
  public:
    ZbpxzSignalPage(const DissectionState& state, QWidget* parent);

    QString pageName() const override { return QStringLiteral("信号图"); }
    void opened() override;
    void refresh() override;
    void left() override;

    ChartKind chartKind() const;
    SignalKind signalKind() const;
    const std::vector<int32_t>& shown() const { return shown_; }
    SeriesRange shownRange() const { return shownRange_; }
    const std::vector<SignalColumn>& columns() const { return columns_; }

    QRadioButton* rb_ftc_cg = nullptr;    // 常规图
    QRadioButton* rb_ftc_ws = nullptr;    // 尾数图
    QRadioButton* rb_ftc_ys = nullptr;    // 除 k 余数
    QComboBox* cb_ftc_ysd = nullptr;
    QRadioButton* rb_ftc_zf = nullptr;    // 振幅图
    QRadioButton* rb_ftc_yl = nullptr;    // 遗漏图
    QRadioButton* rb_ftc_ylzf = nullptr;  // 遗漏振幅图
    QCheckBox* cb_ftc_ylimit = nullptr;   // 限制y轴最大值
    QComboBox* cb_ftc_y_max = nullptr;
    DrawingHost* im_ftc = nullptr;
    QScrollBar* sb_ftc = nullptr;
    QRadioButton* rb_ftc_sj = nullptr;    // 升降图
    QRadioButton* rb_ftc_jo = nullptr;    // 奇偶图
    QRadioButton* rb_ftc_zh = nullptr;    // 质合图
    QRadioButton* rb_ftc_dx = nullptr;    // 大小图
    QComboBox* cb_ftc_dxd = nullptr;
    QRadioButton* rb_ftc_fh = nullptr;    // 符号表示
    QRadioButton* rb_ftc_wz = nullptr;    // 文字表示
    DrawingHost* sg_ftc_signal = nullptr;
    QScrollBar* sb_ftc_signal = nullptr;
    QLabel* l_ftc_explain = nullptr;
    QPushButton* b_ftc_filter = nullptr;  // 过滤设置
    AutoScroll* autoScroll = nullptr;

  private:
    QWidget* buildChartControls();
    QWidget* buildSignalControls();
    void computeShown();
    void computeSignals();
    void fillThresholds();
    void drawChart(DrawSurface& surface, int width, int height);
    void drawSignals(DrawSurface& surface, int width, int height);
    void placeSignalWindow(bool newest);
    void exportCondition();

    std::vector<int32_t> shown_;
    SeriesRange shownRange_;
    std::vector<SignalColumn> columns_;
    tcoordinate axes_;
    QMenu* chartMenu_ = nullptr;
    bool filling_ = false;
};

}  // namespace qorvel
