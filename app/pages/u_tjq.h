// Tf_tjq: the statistics page, docked into the tab "统计区". Its controls arrive with the statistics work.
#pragma once

#include <QWidget>

#include "app/page.h"

namespace qorvel {

class Tf_tjq : public QWidget, public Page {
  public:
    using QWidget::QWidget;
};

inline Tf_tjq* f_tjq = nullptr;

}  // namespace qorvel
