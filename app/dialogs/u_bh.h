// Tf_bh: the data transformation dialog, shown modally from "数据变换". Its controls arrive with the data
// transformation work; until then it is an empty dialog with its caption.
#pragma once

#include <QDialog>

namespace qorvel {

class Tf_bh : public QDialog {
  public:
    explicit Tf_bh(QWidget* parent = nullptr) : QDialog(parent) {
        setWindowTitle(QStringLiteral("数据变换"));
    }
};

inline Tf_bh* f_bh = nullptr;

}  // namespace qorvel
