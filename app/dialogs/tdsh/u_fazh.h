// Tf_fazh: the scheme synthesis window "方案综合" — the lists of several schemes side by side draw by draw
// with their combined list ("方案组合"), the same at one chosen draw ("方案比较"), and the hand-over of the
// combined list to the filter page.
#pragma once

#include <QDialog>
#include <vector>

#include "killbanker/scheme_synthesis.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace qorvel {

class Tf_fazh : public QDialog {
  public:
    explicit Tf_fazh(QWidget* parent = nullptr);

    // Shows the window (not modal) with fresh issue lists and the active tab brought up to date.
    void showWindow();
    void updateCombination();
    void updateComparison();
    // "方案组合设置" of either tab, then the tab is brought up to date.
    void editSchemesInUse();
    // "自设条件过滤" / "过滤条件": the combined list of the tab to the filter page's self-set condition.
    void handOverCombined(bool comparison);
    // "自定义指标过滤": the custom target with the range 0..999 to the filter page's custom condition.
    void handOverIndicator(bool comparison);
    const SchemeUseList& schemesInUse() const { return uses_; }

    QTabWidget* pc_fazh = nullptr;
    QTableWidget* sg_fazh = nullptr;
    QComboBox* cb_fazh_style = nullptr;
    QComboBox* cb_fazh_gsgs = nullptr;
    QComboBox* cb_fazh_lbxs = nullptr;
    QComboBox* cb_fazh_qsq = nullptr;
    QComboBox* cb_fazh_width = nullptr;
    QComboBox* cb_fazh_lastwidth = nullptr;
    QPushButton* b_fazh_update = nullptr;
    QPushButton* b_fazh_set = nullptr;
    QPushButton* b_fazh_selfcond = nullptr;
    QPushButton* b_fazh_selfzb = nullptr;
    QTableWidget* sg_fabj = nullptr;
    QComboBox* cb_fabj_ycq = nullptr;
    QLineEdit* e_fabj_kjh = nullptr;
    QComboBox* cb_fabj_style = nullptr;
    QComboBox* cb_fabj_gsgs = nullptr;
    QComboBox* cb_fabj_lbxs = nullptr;
    QPushButton* b_fabj_update = nullptr;
    QPushButton* b_fabj_set = nullptr;
    QPushButton* b_fabj_selfcond = nullptr;
    QPushButton* b_fabj_selfzb = nullptr;
    QLabel* l_fabj_zbmc = nullptr;
    QLineEdit* e_fabj_zbmc = nullptr;
    QLabel* l_fabj_zbz = nullptr;
    QLineEdit* e_fabj_zbz = nullptr;

  private:
    QWidget* buildCombinationTab();
    QWidget* buildComparisonTab();
    void fillIssues();
    // The request of a tab; false (message shown) when the type's set is missing.
    bool request(QComboBox* style, QComboBox* count, QComboBox* display, SynthesisRequest& r);
    void fillCounts(QComboBox* style, QComboBox* count);
    void applyWidths();
    void showCustomFields();

    SchemeUseList uses_;
    std::vector<int32_t> combined_[2];  // the last combined list of each tab
    int32_t comparedTarget_ = -1;
    bool updating_ = false;
};

inline Tf_fazh* f_fazh = nullptr;

// The page's synthesis window (made on first use when the page has not made it).
Tf_fazh& schemeSynthesis();

}  // namespace qorvel
