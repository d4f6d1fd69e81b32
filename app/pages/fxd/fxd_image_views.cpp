#include "app/pages/fxd/fxd_image_views.h"

namespace qorvel {

void addImageViewTabs(QTabWidget* pc_fxd) { (void)pc_fxd; }

}  // namespace qorvel
