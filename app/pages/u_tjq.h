// Tf_tjq: the statistics page, docked into the tab "统计区". The top bar chooses the range of draws ("近"
// N draws or a custom issue range); "开始统计" counts it and shows the bar chart sheet and the two sheets
// of itemised statistics.
#pragma once

#include <QWidget>

#include "app/page.h"
#include "views/statistics_page.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;

namespace qorvel {

class TjqBarChart;
class TjqItemSheets;

class Tf_tjq : public QWidget, public Page {
  public:
    explicit Tf_tjq(QWidget* parent = nullptr);

    void pageShown() override;
    void typeChanged(bool reloaded) override;
    void historyChanged() override;

    // "开始统计": counts the chosen range and refreshes every sheet. False (after the invalid-number
    // message) when the count box or an issue list holds no whole number.
    bool recompute();
    // The issue of the range's last draw (for the cold/hot dialog), 0 on an empty history.
    int rangeEndIssue() const { return result_.endIssue; }
    const StatisticsResult& result() const { return result_; }

    QRadioButton* rb_fxtj_nearqs = nullptr;
    QComboBox* combo_fxtj_nearqs = nullptr;
    QScrollBar* sb_fxtj = nullptr;
    QRadioButton* rb_fxtj_self = nullptr;
    QComboBox* cb_fxtj_from = nullptr;
    QComboBox* cb_fxtj_to = nullptr;
    QLabel* l_tjq = nullptr;
    QPushButton* b_kstj = nullptr;
    QTabWidget* pc_tjq = nullptr;
    TjqBarChart* ts_jzd = nullptr;
    TjqItemSheets* itemSheets = nullptr;

  protected:
    // A tab brought to the front after the history changed behind it shows the new history.
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* buildRangeBar();
    void connectRangeBar();
    // Refills the issue lists and the scroll bar for the current history, as showing the page does.
    void fillRangeControls();
    void chooseNear();
    void chooseCustom();
    void countBoxChanged();
    void scrollBarMoved(int position);
    void issueListChanged();
    // The range the controls describe; nothing after the invalid-number message.
    std::optional<StatisticsRange> chosenRange();
    // The row of an issue list's text: the draw with that issue, else the nearest draw inside the typed
    // bound; nothing when the text is not a whole number.
    std::optional<int> issueRow(const QComboBox* list, bool lowerBound) const;
    void updateCountLabel();

    StatisticsResult result_;
    bool filling_ = false;  // the controls are being preset; their change signals recompute nothing
    bool stale_ = true;     // the history changed while the page was hidden
};

inline Tf_tjq* f_tjq = nullptr;

}  // namespace qorvel
