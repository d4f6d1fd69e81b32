// Tf_wsset: the tail-set dialog "尾数设置" — a group of last digits 0..9, the allowed counts, the tolerant
// and count-once flags, and a filter assistant that charts the group's history.
#pragma once

#include <optional>
#include <vector>

#include "app/dialogs/zh/u_group_set_dialog.h"
#include "combos/filter_conditions.h"

namespace qorvel {

class Tf_wsset : public GroupSetDialog {
  public:
    explicit Tf_wsset(QWidget* parent = nullptr);

    // Shows the dialog prefilled with `initial` and returns the condition on "确定".
    std::optional<TailSetCondition> edit(const TailSetCondition& initial);

    std::vector<int> tickedDigits() const { return tickedValues(); }
    void setTickedDigits(const std::vector<int>& digits) { setTickedValues(digits); }

    QCheckBox* cb_countonce = nullptr;  // 相同尾数仅计算一次

  protected:
    // "复位": besides the shared fields, count-once goes back to its default.
    void resetChoices() override;
    GroupChart groupChart(const std::vector<int>& digits) const override;
};

inline Tf_wsset* f_wsset = nullptr;

}  // namespace qorvel
