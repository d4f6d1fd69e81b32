// Tf_zbpxz: the indicator dissection page, docked into the tab "指标剖析". Its controls arrive with the
// dissection work.
#pragma once

#include <QWidget>

namespace qorvel {

class Tf_zbpxz : public QWidget {
  public:
    using QWidget::QWidget;
};

inline Tf_zbpxz* f_zbpxz = nullptr;

}  // namespace qorvel
