// The frame shared by the dissection's statistics sub-pages: the range of draws counted (the last n draws
// or "所有", or a custom issue range), the bar chart picture, and the optional count/percentage choice,
// sort buttons and paging the sub-pages add to their control row.
#pragma once

#include <QString>

#include "app/pages/zbpxz/zbpxz_sub_page.h"
#include "core/views/dissection_bar_chart.h"
#include "core/views/dissection_statistics.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace qorvel {

class DrawingHost;

class ZbpxzStatisticsPage : public ZbpxzSubPage {
  public:
    // `name` is the object name suffix of the tab and the prefix of its controls ("fxtj": ts_fxtj, cb_fxtj_near).
    ZbpxzStatisticsPage(const DissectionState& state, const QString& caption, const QString& name, QWidget* parent);

    QString pageName() const override { return caption_; }
    void opened() override;
    void refresh() override;

    // The draws counted by the current range controls.
    DrawSpan span() const;
    bool percentages() const;
    ValueOrder order() const { return order_; }
    int page() const { return page_; }
    int pages() const { return pages_; }
    const BarChartModel& model() const { return model_; }

    QRadioButton* rb_near = nullptr;  // 近
    QComboBox* cb_near = nullptr;     // 5 … 300, 所有
    QRadioButton* rb_self = nullptr;  // 自定义
    QComboBox* cb_from = nullptr;
    QComboBox* cb_to = nullptr;
    QLabel* l_count = nullptr;        // 共 n 期
    DrawingHost* im = nullptr;
    // Present where the sub-page asked for them.
    QRadioButton* rb_cs = nullptr;  // 显示次数
    QRadioButton* rb_bl = nullptr;  // 显示百分比例
    QPushButton* b_value = nullptr;  // 按取值排列
    QPushButton* b_asc = nullptr;    // 升序排列
    QPushButton* b_desc = nullptr;   // 降序排列
    QPushButton* b_first = nullptr, *b_prev = nullptr, *b_next = nullptr, *b_last = nullptr;
    QLabel* l_page = nullptr;

  protected:
    QHBoxLayout* controls() const { return controls_; }
    // kind + "_" + name + "_" + what ("cb_fxtj_from").
    QString controlName(const char* kind, const char* what) const;
    // The caption of the span for chart titles: "2009001期至2009100期，共100期".
    std::string spanCaption() const;

    void addCountPercentChoice();
    void addSortButtons(bool byValue);
    void addPaging();
    // Count again from the series (called on opened(), refresh() and any range change).
    virtual void recompute() = 0;
    // Rebuild the chart from what recompute() counted, for the current order, page and count mode.
    virtual BarChartModel buildModel() = 0;
    // The sub-page's item count changed: pages follow, the current page kept within them.
    void setItemCount(int items, int pageSize);
    PageSlice currentSlice() const;
    // Rebuild the model and redraw.
    void rebuild();

  private:
    // The issue lists still hold the issues of the series.
    bool issuesCurrent() const;
    void rangeModeChanged();
    void updateCountLabel();
    void recount();
    void turnTo(int page);

    QString caption_, name_;
    QHBoxLayout* controls_ = nullptr;
    QMenu* menu_ = nullptr;
    BarChartModel model_;
    ValueOrder order_ = ValueOrder::ByValue;
    int page_ = 0, pages_ = 1, items_ = 0, pageSize_ = 1;
    bool opened_ = false;
};

}  // namespace qorvel
