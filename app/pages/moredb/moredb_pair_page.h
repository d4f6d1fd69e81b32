// MoredbPairPage: the sheet "相生相克" of the more-charts page — how often each pair of main numbers was
// drawn together in the newest draws or between two issues, with the pairs drawn together often (相生)
// and rarely (相克) listed by two limits.
#pragma once

#include <QWidget>

#include "core/views/pair_affinity.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTableView;

namespace qorvel {

class PairAffinityModel;

class MoredbPairPage : public QWidget {
  public:
    explicit MoredbPairPage(QWidget* parent = nullptr);

    // The issue combos hold every issue, oldest first; "from" is preset to the 100th-last issue (the
    // first with fewer draws), "to" to the last.
    void fillIssueCombos();
    // The sheet was shown: the scroll bar spans the history and follows the "近" combo; recomputes.
    void sheetShown();
    // Counts the pairs over the chosen range and fills the grid, the lists and their labels.
    void recompute(bool takeFocus = true);

    const PairAffinity& affinity() const { return affinity_; }

    QRadioButton* rb_xsxk_nearqs = nullptr;  // 近
    QComboBox* combo_xsxk_nearqs = nullptr;
    QScrollBar* sb_xsxk = nullptr;
    QRadioButton* rb_xsxk_self = nullptr;  // 自定义
    QComboBox* cb_xsxk_from = nullptr;
    QComboBox* cb_xsxk_to = nullptr;
    QLabel* l_xsxk = nullptr;
    QComboBox* cb_xsxk_xs = nullptr;  // 相生：次数大于
    QComboBox* cb_xsxk_xk = nullptr;  // 相克：次数小于
    QLabel* affineCountLabel = nullptr;   // 相生[n]
    QListWidget* lb_xsxk_xs = nullptr;
    QLabel* hostileCountLabel = nullptr;  // 相克[n]
    QListWidget* lb_xsxk_xk = nullptr;
    QPushButton* b_xsxk_filter = nullptr;  // 过滤条件
    QTableView* sg_xsxk = nullptr;

  private:
    void rangeChoiceChanged();
    void nearChoiceChanged();
    void scrollBarMoved(int position);
    void updateRangeLabel();
    PairDrawRange chosenRange() const;

    PairAffinity affinity_;
    PairAffinityModel* model_ = nullptr;
};

}  // namespace qorvel
