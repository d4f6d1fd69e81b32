// Tf_fxd: the trend analysis page, docked into the tab " 综合分析". Its controls arrive with the trend
// analysis work.
#pragma once

#include <QWidget>

#include "app/page.h"

namespace qorvel {

class Tf_fxd : public QWidget, public Page {
  public:
    using QWidget::QWidget;
};

inline Tf_fxd* f_fxd = nullptr;

}  // namespace qorvel
