// 过滤设置: the bounds and options of a condition exported from the signal chart. The export buttons check
// the bounds and work out the allowed values; the dialog stays open on a refused entry.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "core/views/dissection_export.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qorvel {

enum class ExportTarget { Main, Special };

class FilterSettingDialog : public QDialog {
  public:
    // Bounds preset to `shown`; `lastShown` is the last draw's shown value the "升"/"降" option compares with.
    FilterSettingDialog(SeriesRange shown, int32_t lastShown, bool hasSpecial, QWidget* parent);

    ExportTarget target() const { return target_; }
    const std::vector<int32_t>& values() const { return values_; }
    bool tolerant() const;
    ExportOptions options() const;

    QLineEdit* e_min = nullptr;
    QLineEdit* e_max = nullptr;
    QCheckBox* cb_jo = nullptr;   // 奇偶
    QRadioButton* rb_odd = nullptr;
    QRadioButton* rb_even = nullptr;
    QCheckBox* cb_zh = nullptr;   // 质合
    QRadioButton* rb_prime = nullptr;
    QRadioButton* rb_composite = nullptr;
    QCheckBox* cb_sj = nullptr;   // 升降
    QRadioButton* rb_up = nullptr;
    QRadioButton* rb_down = nullptr;
    QCheckBox* cb_rc = nullptr;   // 是否容错
    QPushButton* b_main = nullptr;
    QPushButton* b_special = nullptr;
    QPushButton* b_cancel = nullptr;

  private:
    void tryExport(ExportTarget target);

    int32_t lastShown_;
    ExportTarget target_ = ExportTarget::Main;
    std::vector<int32_t> values_;
};

}  // namespace qorvel
