// Tf_selfcond: the self-set condition dialog "自设条件" — a number group ticked from 1..MAX, the allowed
// member counts, the tolerant flag, and a filter assistant that charts the group's history.
#pragma once

#include <optional>
#include <vector>

#include "app/dialogs/zh/u_group_set_dialog.h"
#include "combos/filter_conditions.h"

class QComboBox;
class QGridLayout;

namespace qorvel {

class Tf_selfcond : public GroupSetDialog {
  public:
    explicit Tf_selfcond(QWidget* parent = nullptr);

    // Shows the dialog prefilled with `initial` (numbers, counts, tolerant; an empty condition for a new
    // one) and returns the condition on "确定", nothing when the dialog is closed otherwise.
    std::optional<SelfSetCondition> edit(const SelfSetCondition& initial);

    // The ticked numbers ascending.
    std::vector<int> tickedNumbers() const { return tickedValues(); }
    // Ticks exactly the numbers given (numbers outside 1..MAX are ignored).
    void setTickedNumbers(const std::vector<int>& numbers) { setTickedValues(numbers); }

    QComboBox* cb_ksxh = nullptr;         // 快速选号
    QPushButton* b_selectnone = nullptr;  // 全不选

  protected:
    void resetChoices() override;
    GroupChart groupChart(const std::vector<int>& numbers) const override;

  private:
    // The number boxes, named "cb_selfnum" + number, for 1..mainTo.
    void buildNumberBoxes(int mainTo);
    void applyQuickChoice(int index);

    QGridLayout* numberGrid_ = nullptr;
};

inline Tf_selfcond* f_selfcond = nullptr;

}  // namespace qorvel
