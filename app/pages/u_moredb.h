// Tf_moredb: the more charts page, docked into the tab "更多图表". Its controls arrive with the chart work.
#pragma once

#include <QWidget>

#include "app/page.h"

namespace qorvel {

class Tf_moredb : public QWidget, public Page {
  public:
    using QWidget::QWidget;
};

inline Tf_moredb* f_moredb = nullptr;

}  // namespace qorvel
