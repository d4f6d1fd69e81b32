// Tf_selfcond: the self-set condition dialog "自设条件" — a number group ticked from 1..MAX, the allowed
// member counts, the tolerant flag, and a filter assistant that charts the group's history.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "combos/filter_conditions.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace qorvel {

class Tf_selfcond : public QDialog {
  public:
    explicit Tf_selfcond(QWidget* parent = nullptr);

    // Shows the dialog prefilled with `initial` (numbers, counts, tolerant; an empty condition for a new
    // one) and returns the condition on "确定", nothing when the dialog is closed otherwise.
    std::optional<SelfSetCondition> edit(const SelfSetCondition& initial);

    // The ticked numbers ascending.
    std::vector<int> tickedNumbers() const;
    // Ticks exactly the numbers given (numbers outside 1..MAX are ignored).
    void setTickedNumbers(const std::vector<int>& numbers);
    // Replaces the chosen counts and rewrites their field.
    void setCounts(std::vector<int32_t> counts);
    const std::vector<int32_t>& counts() const { return counts_; }

    QComboBox* cb_ksxh = nullptr;        // 快速选号
    QPushButton* b_selectall = nullptr;  // 全选
    QPushButton* b_selectnone = nullptr; // 全不选
    QPushButton* b_reset = nullptr;      // 复位
    QLineEdit* e_cxgs = nullptr;         // the chosen counts
    QPushButton* b_cxgs = nullptr;       // "  ...  " of 出现个数选择
    QCheckBox* cb_rc = nullptr;          // 容错
    QPushButton* b_glzs = nullptr;       // 过滤助手
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;
    // The number boxes, index = number (0 unused); named "cb_selfnum" + number.
    std::vector<QCheckBox*> numberBoxes;

    void accept() override;

  private:
    void buildNumberBoxes(int mainTo);
    void resetChoices();
    void applyQuickChoice(int index);
    void chooseCounts();
    void showAssistant();

    QGridLayout* numberGrid_ = nullptr;
    std::vector<int32_t> counts_;
};

inline Tf_selfcond* f_selfcond = nullptr;

}  // namespace qorvel
