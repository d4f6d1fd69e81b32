// Tf_scfa: the scheme generator "优化方案" — builds a scheme of T random formulas of the search shape that
// meet success and wrong-run constraints for each formula and for the scheme; with one formula and the
// scheme-level controls hidden it serves as "单个公式搜索". A 10 ms timer drives the generator.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "killbanker/scheme_generator.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace qorvel {

class Tf_scfa : public QDialog {
  public:
    explicit Tf_scfa(QWidget* parent = nullptr);

    // Opens modally for a page (the custom page passes its target) and a target of `count` formulas;
    // `single` runs it as the single-formula search. The formulas generated on "应用".
    std::optional<std::vector<std::string>> generate(KillPage page, const std::string& target, int count, bool single);

    // "开始生成" / "停止生成".
    void toggleRun();
    bool running() const;
    const SchemeGenerator& generator() const { return generator_; }

    std::optional<uint32_t> fixedSeed;  // tests fix the candidates; otherwise each run seeds from the clock

    QComboBox* cb_gszb = nullptr;
    QLineEdit* e_hsqs = nullptr;
    QLineEdit* e_qzfrom = nullptr;
    QLineEdit* e_qzto = nullptr;
    QComboBox* cb_ssfw_from = nullptr;
    QComboBox* cb_ssfw_to = nullptr;
    QCheckBox* cb_quick = nullptr;
    QRadioButton* rb_sssc = nullptr;
    QLineEdit* e_mbzqlfrom = nullptr;
    QLineEdit* e_mbzqlto = nullptr;
    QRadioButton* rb_randsc = nullptr;
    QCheckBox* cb_contwrong = nullptr;
    QComboBox* combo_contwrong = nullptr;
    QCheckBox* cb_fa_contwrong = nullptr;
    QComboBox* combo_fa_contwrong = nullptr;
    QComboBox* cb_gsgs = nullptr;
    QCheckBox* cb_fags_lastlc = nullptr;
    QComboBox* combo_fags_lastlc = nullptr;
    QComboBox* combo_fags_lastlc_gsgs = nullptr;
    QCheckBox* cb_wronggs_per_qs = nullptr;
    QComboBox* combo_wronggs_per_qs = nullptr;
    QComboBox* combo_wronggs_gsgs = nullptr;
    QProgressBar* pb1 = nullptr;
    QLineEdit* e_contwrong = nullptr;
    QPushButton* b_begin = nullptr;
    QPushButton* b_apply = nullptr;
    QPushButton* b_cancel = nullptr;

  protected:
    void done(int result) override;

  private:
    void buildControls();
    void layOut();
    void prepareOpening();
    bool readSettings(GeneratorSettings& settings);
    void startRun();
    void stopRun(bool finished);
    void tick();
    void setInputsEnabled(bool enabled);
    void chooseMode();

    KillPage page_ = KillPage::MainKill;
    std::string target_;
    int count_ = 5;
    bool single_ = false;
    SchemeGenerator generator_;
    QTimer* timer_ = nullptr;
    std::vector<QWidget*> schemeControls_;  // hidden in the single-formula search
};

inline Tf_scfa* f_scfa = nullptr;

// The page's generator window (made on first use when the page has not made it).
Tf_scfa& schemeGenerator();

}  // namespace qorvel
