// The statistics page's sheet "号码统计柱状图": the bar chart of appearance counts and omissions with its
// zone, order and bar options, and the cold/hot lines with their setting buttons.
#pragma once

#include <QWidget>
#include <functional>

#include "views/statistics_chart.h"
#include "views/statistics_page.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qorvel {

class DrawingHost;

class TjqBarChart : public QWidget {
  public:
    // rangeEnd gives the issue the cold/hot lists are rebuilt at after a settings change.
    TjqBarChart(std::function<int()> rangeEnd, QWidget* parent = nullptr);

    // A recompute finished: the chart shows `result` (owned by the page) from now on.
    void showResult(const StatisticsResult* result);
    // The cold/hot lines from the workspace's current lists.
    void refreshColdHotLines();
    BarOrder order() const;
    bool chartsMainZone() const;

    QRadioButton* rb_hhtj = nullptr;
    QRadioButton* rb_lhtj = nullptr;
    QRadioButton* rb_ahm = nullptr;
    QRadioButton* rb_aappcs = nullptr;
    QRadioButton* rb_aconccs = nullptr;
    QCheckBox* cb_appcs = nullptr;
    QCheckBox* cb_conccs = nullptr;
    QLabel* l_coldhot = nullptr;
    QLabel* l_f_coldhot = nullptr;
    QPushButton* b_coldhotset = nullptr;
    QPushButton* b_f_coldhotset = nullptr;
    DrawingHost* i_hmtjjzd = nullptr;

  private:
    QWidget* buildOptionBar();
    void render(class DrawSurface& surface, int width, int height) const;
    void editColdHot(bool mainZone);

    std::function<int()> rangeEnd_;
    const StatisticsResult* result_ = nullptr;  // null until the first recompute
};

}  // namespace qorvel
