// Tf_cpstyle: the type dialog ("彩种") — one radio per slot, the editors of the selected slot, "确定修改" to
// store the editors into the slot and save the type file, and "确定" to close with the selected slot.
#pragma once

#include <QDialog>
#include <array>

#include "types/lottery_type.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qorvel {

constexpr int kShownTypeRadios = 7;  // slots 0..6 are offered; the other radios stay hidden
constexpr int kRangeListMax = 49;

class Tf_cpstyle : public QDialog {
  public:
    explicit Tf_cpstyle(QWidget* parent = nullptr);

    // Closing by the title bar (or Escape) counts as OK; only the hidden "取消" cancels.
    void reject() override;

    std::array<QRadioButton*, kTypeSlots> rb{};  // rb0 .. rb20
    QLineEdit* e_cpmm = nullptr;
    QComboBox* combo_zh_from = nullptr;
    QComboBox* combo_zh_to = nullptr;
    QPushButton* Button1 = nullptr;  // 确定修改
    QPushButton* b_ok = nullptr;     // 确定
    QComboBox* combo_zhgs = nullptr;
    QLabel* l_zhgs = nullptr;  // "开奖主号个数：N个" of the selected slot
    QComboBox* combo_fhgs = nullptr;
    QComboBox* combo_spec_from = nullptr;
    QComboBox* combo_spec_to = nullptr;
    QCheckBox* cb_hasspec = nullptr;
    QComboBox* combo_ltorsz = nullptr;
    QCheckBox* cb_run = nullptr;
    QPushButton* Button3 = nullptr;  // 取消

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls();
    // Loads slot n into the editors and makes it the current type.
    void selectSlot(int n);
    void enableSpecialEditors();
    // "确定修改": stores the editors into the current slot and saves all slots.
    void applyEditors();
};

inline Tf_cpstyle* f_cpstyle = nullptr;

}  // namespace qorvel
