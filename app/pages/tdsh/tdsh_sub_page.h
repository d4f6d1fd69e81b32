// TdshSubPage: one sub-page of the banker and kill page (main kill, special kill, main banker, special
// banker, main tail kill, custom kill). It mirrors a KillPageModel: the scheme, formula count, index, start
// issue and list display, the edit box of one formula, the result grid and the row memo, and the buttons
// that edit, import, save, export, collect, search, optimise and hand the forecast to the filter page.
// Members are named after the page's controls without the page code; each objectName carries the code
// ("cb_hmsh_fa" for cb_fa on the main kill page).
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "killbanker/kill_page_model.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace qorvel {

class KillGridModel;

class TdshSubPage : public QWidget {
  public:
    // The five number pages edit a set held by the main page; the custom page loads its own.
    TdshSubPage(KillPage page, FormulaSet* set, QWidget* parent = nullptr);

    KillPage page() const { return model_.page(); }
    KillPageModel& model() { return model_; }
    const KillGrid& shownGrid() const;

    // Page start: first scheme, index 1, the formula count's default, every issue with the first chosen.
    void resetControls();
    // A type change brought a new set (or none changed but the history did): refills the issue list,
    // shows the current formula and drops the stale grid.
    void refreshAfterTypeChange(FormulaSet* set);
    // The history changed: the issue list follows, keeping the chosen issue where it still exists.
    void refillStartIssues();

    // The buttons and reactions, callable as a user's click is.
    void run();
    void confirmEdit();
    void importFormulas();
    void saveGroup();
    void exportData();
    void collectFormula();
    void searchFormula();
    void optimiseScheme();
    void handOverForecast();
    void clickRow(int row);
    void showRowFrequencies();
    void sortByRate();
    void sortByDrawnValue();
    void openSynthesis();
    void loadCustomSet();
    void createCustomSet();

    QTableView* sg = nullptr;
    QComboBox* cb_fa = nullptr;
    QComboBox* cb_gsgs = nullptr;
    QComboBox* cb_shgs = nullptr;
    QLineEdit* e_gs = nullptr;  // objectName "e_" + code
    QPushButton* b_save = nullptr;
    QPushButton* Button5 = nullptr;
    QComboBox* cb_qsq = nullptr;
    QComboBox* cb_lbxs = nullptr;
    QPushButton* b_start = nullptr;
    QPlainTextEdit* m_hm = nullptr;
    QProgressBar* pb = nullptr;
    QPushButton* b_dcshsj = nullptr;
    QPushButton* b_dr = nullptr;
    QPushButton* b_savegsz = nullptr;
    QPushButton* b_collectgs = nullptr;
    QPushButton* b_gsss = nullptr;
    QPushButton* b_rebuildfa = nullptr;
    QPushButton* b_sort_1 = nullptr;
    QMenu* pm_more = nullptr;
    QPushButton* b_convtocond = nullptr;
    // Custom kill page only.
    QPushButton* b_selfsh_load = nullptr;
    QPushButton* b_selfgs_gene = nullptr;
    QLineEdit* e_selfsh_zb = nullptr;
    QLineEdit* e_qzfrom = nullptr;
    QLineEdit* e_qzto = nullptr;

  private:
    QString name(const char* prefix, const char* suffix = "") const;
    void buildControls();
    QWidget* buildCustomRow();
    void layOut();
    void connectReactions();
    void fillFormulaIndices();
    void showCurrentFormula();
    void showCustomFields();
    void showResult(const KillRunResult& result);
    KillRunResult withPassProgress(const std::function<KillRunResult()>& action);
    // The target of the custom page for the search windows; false (with the message shown) without a set.
    bool customTarget(std::string& target);
    // Puts the scheme combos back to the model's state without running.
    void syncCombos();

    KillPageModel model_;
    std::function<bool(int, int)> passStep_;  // the progress window's step while a run goes on
    KillGridModel* gridModel_ = nullptr;
    bool syncing_ = false;  // combos set by the program do not run the page
};

}  // namespace qorvel
