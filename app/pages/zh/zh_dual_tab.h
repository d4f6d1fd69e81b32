// The dual-zone tab of the filter page ("双区匹配"): pairs the main result set with the special result set
// into full tickets, makes random full tickets, checks them against winning numbers, prints them, and
// edits them through the popup of its grid.
#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "app/dialogs/zh/u_dual_prize.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace qorvel {

class Tf_zh;
class DualGridModel;
struct DualTicket;

class ZhDualTab : public QWidget {
  public:
    ZhDualTab(Tf_zh& page, QWidget* parent);

    // The buttons of the tab.
    void startMatch();     // "开始匹配"
    void randomTickets();  // "机选组号"
    void prizeCheck();     // "对奖"
    void printResults();   // "打印"

    // Opens the popup of the grid at a global position; the popup entry with this object name.
    void popupAt(const QPoint& globalPos);
    QAction* entry(const char* name) const;

    // The popup entries.
    void addToForecast();
    void clearForecast();
    void saveResults();
    void loadResults();
    void addTicket();
    void deleteTicket();
    void modifyTicket();

    // Redraws the grid from the dual result set (every change of the set goes through here).
    void showResults();
    // Shows the set as new: no levels, an empty prize memo, the count in the status line.
    void showNewSet();

    QRadioButton* rb_sxpp = nullptr;   // "顺序匹配"
    QRadioButton* rb_sjpp = nullptr;   // "随机匹配"
    QRadioButton* rb_qzhpp = nullptr;  // "全组合匹配"
    QPushButton* b_startpp = nullptr;
    QPushButton* b_jxzh2 = nullptr;
    QLineEdit* me_jxzh2 = nullptr;
    QPushButton* b_dj = nullptr;
    QPushButton* b_dy = nullptr;
    QTableView* sg_sqresult = nullptr;
    QPlainTextEdit* m_djjg = nullptr;
    QLabel* l_sqstatus = nullptr;
    QMenu* pm_sqresult = nullptr;

  private:
    QWidget* buildControls();
    void buildPopup();
    // The ticket of the selected grid row, 0 when no row is selected.
    int selectedTicket() const;
    void selectTicket(int k);
    // Shows the text in the tab's status label and the main window's status line.
    void setStatus(const std::string& text);
    // After the set was replaced: no prize levels shown, no summary, the count in the status.
    // A ticket edited while prize levels are shown gets its level against the last winning numbers.
    void setLevel(DualTicket& ticket) const;
    bool busy() const;

    Tf_zh& page_;
    DualGridModel* model_ = nullptr;
    bool levelsShown_ = false;
    std::optional<WinningNumbers> lastWinning_;
};

}  // namespace qorvel
