// Tf_searchgs: the formula search window "公式搜索" — random formulas of one shape over one indicator,
// tested against a range of past draws by the rule of the active sub-page until one reaches the target
// success rate. A 10 ms timer drives the search; each tick tests candidates for a few milliseconds.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "killbanker/formula_search.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace qorvel {

class Tf_searchgs : public QDialog {
  public:
    explicit Tf_searchgs(QWidget* parent = nullptr);

    // Opens modally for a page (the custom page passes its target); the accepted formula on "应用".
    std::optional<QString> searchFor(KillPage page, const std::string& target);

    // "开始搜索" / "停止搜索".
    void toggleSearch();
    bool searching() const;
    const FormulaSearch& search() const { return search_; }

    // Tests set a seed so the accepted candidate is known; otherwise every search seeds from the clock.
    std::optional<uint32_t> fixedSeed;

    QComboBox* cb_gszb = nullptr;
    QLineEdit* e_hsqs = nullptr;
    QLineEdit* e_qzfrom = nullptr;
    QLineEdit* e_qzto = nullptr;
    QLineEdit* e_mbzql = nullptr;
    QLineEdit* e_mbzqlto = nullptr;
    QComboBox* cb_ssfw_from = nullptr;
    QComboBox* cb_ssfw_to = nullptr;
    QCheckBox* cb_contwrong = nullptr;
    QComboBox* combo_contwrong = nullptr;
    QCheckBox* cb_quick = nullptr;
    QLineEdit* e_xdzql = nullptr;
    QLineEdit* e_ssgs = nullptr;
    QLineEdit* e_contwrong = nullptr;
    QLabel* l_tested = nullptr;
    QPushButton* b_beginss = nullptr;
    QPushButton* b_apply = nullptr;
    QPushButton* b_cancel = nullptr;

  protected:
    void done(int result) override;

  private:
    void buildControls();
    void layOut();
    void prepareOpening();
    bool readSettings(FormulaSearchSettings& settings);
    void startSearch();
    void stopSearch(const QString& caption);
    void tick();
    void setInputsEnabled(bool enabled);

    KillPage page_ = KillPage::MainKill;
    std::string target_;
    FormulaSearch search_;
    QTimer* timer_ = nullptr;
};

inline Tf_searchgs* f_searchgs = nullptr;

// The page's search window (made on first use when the page has not made it).
Tf_searchgs& formulaSearch();

}  // namespace qorvel
