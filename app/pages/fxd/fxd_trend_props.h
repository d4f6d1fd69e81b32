// The chart-properties dialog of the indicator trend view ("图表属性设置"): grid and value labels, the
// statistics range and the y-axis mode of both charts.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace qorvel {

struct TrendChartSettings {
    bool showGrid = true;
    bool showValues = true;
    int statMode = 0;          // 0 全部记录, 1 当前显示的记录, 2 设定范围
    int statFrom = 0, statTo = 0;  // series indices for statMode 2
    int displayMode = 0;       // 0 常规显示, 1 紧凑显示, 2 限制y轴最大值
    int32_t yMaxLimit = 100;
};

class FxdTrendProperties : public QDialog {
  public:
    // issues: the issue of every draw, oldest first (the combos list them).
    FxdTrendProperties(const TrendChartSettings& settings, const std::vector<int32_t>& issues,
                       QWidget* parent = nullptr);

    // The settings as the dialog shows them.
    TrendChartSettings chosen() const;

    QCheckBox* cb_grid = nullptr;
    QCheckBox* cb_bs = nullptr;
    QRadioButton* rb_tj_all = nullptr;
    QRadioButton* rb_tj_show = nullptr;
    QRadioButton* rb_tj_range = nullptr;
    QComboBox* cb_fxtj_from = nullptr;
    QComboBox* cb_fxtj_to = nullptr;
    QRadioButton* rb_xs_normal = nullptr;
    QRadioButton* rb_xs_compact = nullptr;
    QRadioButton* rb_xs_limit = nullptr;
    QComboBox* cb_y_max = nullptr;

  private:
    TrendChartSettings settings_;
};

}  // namespace qorvel
