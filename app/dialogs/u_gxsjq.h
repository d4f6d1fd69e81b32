// Tf_gxsjq: the data maintenance window, shown modally from "数据更新". Its draw list and buttons arrive
// with the draw entry work; until then it is an empty window with its caption.
#pragma once

#include <QDialog>

namespace qorvel {

class Tf_gxsjq : public QDialog {
  public:
    explicit Tf_gxsjq(QWidget* parent = nullptr) : QDialog(parent) {
        setWindowTitle(QStringLiteral("更新数据库（本数据仅供参考，请以福彩、体彩官方网站的开奖数据为准）"));
    }
};

inline Tf_gxsjq* f_gxsjq = nullptr;

}  // namespace qorvel
