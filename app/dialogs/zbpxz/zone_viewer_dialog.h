// 取值范围及分区: lists how the zone rule splits a value range into 2 … 15 zones ("显示常用分区") or into a
// chosen count of zones ("显示指定分区"). "应用" lists the range in the two fields; the dialog opens with the
// range it was given already listed.
#pragma once

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace qorvel {

class ZoneViewerDialog : public QDialog {
  public:
    ZoneViewerDialog(int32_t from, int32_t to, QWidget* parent = nullptr);

    // "应用": the memo lists the zones of the typed range; a refused range is said through the message seam
    // and leaves the memo as it was.
    void apply();

    QLineEdit* e_from = nullptr;
    QLineEdit* e_to = nullptr;
    QPushButton* b_apply = nullptr;
    QRadioButton* rb_common = nullptr;  // 显示常用分区
    QRadioButton* rb_given = nullptr;   // 显示指定分区
    QComboBox* cb_zones = nullptr;
    QPlainTextEdit* m_zones = nullptr;
    QPushButton* b_close = nullptr;
};

}  // namespace qorvel
