// Tf_wsset: the tail-set dialog "尾数设置" — a group of last digits 0..9, the allowed counts, the tolerant
// and count-once flags, and a filter assistant that charts the group's history.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "combos/filter_conditions.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace qorvel {

class Tf_wsset : public QDialog {
  public:
    explicit Tf_wsset(QWidget* parent = nullptr);

    // Shows the dialog prefilled with `initial` and returns the condition on "确定".
    std::optional<TailSetCondition> edit(const TailSetCondition& initial);

    std::vector<int> tickedDigits() const;
    void setTickedDigits(const std::vector<int>& digits);
    void setCounts(std::vector<int32_t> counts);
    const std::vector<int32_t>& counts() const { return counts_; }

    QCheckBox* digitBoxes[10] = {};        // 尾数选择, named "cb_ws" + digit
    QLineEdit* e_cxgs = nullptr;           // the chosen counts
    QPushButton* b_cxgs = nullptr;         // "  ...  " of 出现个数选择
    QCheckBox* cb_rc = nullptr;            // 容错
    QCheckBox* cb_countonce = nullptr;     // 相同尾数仅计算一次
    QPushButton* b_selectall = nullptr;    // 全选
    QPushButton* b_reset = nullptr;        // 复位
    QPushButton* b_glzs = nullptr;         // 过滤助手
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;

    void accept() override;

  private:
    void resetChoices();
    void showAssistant();
    std::vector<int32_t> counts_;
};

inline Tf_wsset* f_wsset = nullptr;

}  // namespace qorvel
