// Tf_addselfzb: the custom-indicator editor ("添加自定义指标" / "修改自定义指标") — a formula and a display
// name; the formula must pass the plain-text check before the dialog closes with OK.
#pragma once

#include <QDialog>
#include <optional>

#include "engine/custom_indicators.h"

class QLineEdit;
class QPushButton;

namespace qorvel {

class Tf_addselfzb : public QDialog {
  public:
    explicit Tf_addselfzb(QWidget* parent = nullptr);

    // Opens as "添加自定义指标" with both fields empty; the indicator on OK, nothing on cancel.
    std::optional<CustomIndicator> addIndicator();
    // Opens as "修改自定义指标" with the fields filled from `current`.
    std::optional<CustomIndicator> modifyIndicator(const CustomIndicator& current);

    // Trims the formula and closes with OK only when the plain-text check accepts it.
    void accept() override;

    QLineEdit* Edit1 = nullptr;  // "自定义指标公式："
    QLineEdit* Edit2 = nullptr;  // "自定义指标命名："
    QPushButton* b_fzsr = nullptr;
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;

  private:
    std::optional<CustomIndicator> run(const QString& caption, const CustomIndicator& start);
    void openAssistedInput();
};

inline Tf_addselfzb* f_addselfzb = nullptr;

// The shared editor: f_addselfzb, or one made on first use when the program has not created it.
Tf_addselfzb& indicatorEditor();

}  // namespace qorvel
