// Tf_condchoice: the display choice "选择" of the marked condition report — all lines, only the
// conditions the draw satisfies, or only those it breaks.
#pragma once

#include <QDialog>
#include <optional>

#include "combos/condition_report.h"

class QPushButton;
class QRadioButton;

namespace qorvel {

class Tf_condchoice : public QDialog {
  public:
    explicit Tf_condchoice(QWidget* parent = nullptr);

    // Shows the dialog ("全部显示" preselected); the choice on "确定", nothing when closed otherwise.
    std::optional<ReportFilter> choose();

    QRadioButton* rb_all = nullptr;        // 全部显示
    QRadioButton* rb_onlyright = nullptr;  // 只显示对
    QRadioButton* rb_onlywrong = nullptr;  // 只显示错
    QPushButton* b_ok = nullptr;
};

inline Tf_condchoice* f_condchoice = nullptr;

}  // namespace qorvel
