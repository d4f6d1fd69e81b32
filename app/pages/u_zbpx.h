// Tf_zbpx: the indicator management page, docked into the tab "指标管理". The hook below is what the
// shell's hidden "蓝号分析" entry calls; it does nothing until the indicator management page is built.
#pragma once

#include <QString>
#include <QWidget>

namespace qorvel {

class Tf_zbpx : public QWidget {
  public:
    using QWidget::QWidget;

    // Fills the page with an existing indicator (code, display name, value range) and dissects it.
    void dissectExistingIndicator(const QString&, const QString&, int, int) {}
};

inline Tf_zbpx* f_zbpx = nullptr;

}  // namespace qorvel
