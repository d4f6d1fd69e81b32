#include "app/pages/fxd/fxd_image_views.h"

#include <QTabWidget>

#include "app/pages/fxd/image/extension_view.h"
#include "app/pages/fxd/image/gap_view.h"
#include "app/pages/fxd/image/omission_trend_view.h"
#include "app/pages/fxd/image/remainder_view.h"
#include "app/pages/fxd/image/spread_view.h"

namespace qorvel {

void addImageViewTabs(QTabWidget* pc_fxd) {
    struct Tab {
        QWidget* view;
        const char* name;
        const char* caption;
    };
    const Tab tabs[] = {
        {new ExtensionView(pc_fxd), "ts_kzxl1", "扩展系列一"},
        {new RemainderView(pc_fxd), "ts_zhysz", "主号余数图"},
        {new GapView(pc_fxd), "ts_jgfx", "间隔分析"},
        {new OmissionTrendView(pc_fxd), "ts_zhylzs", "主号遗漏走势"},
        {new SpreadView(pc_fxd), "ts_lzl", "离中量"},
    };
    for (const Tab& t : tabs) {
        t.view->setObjectName(t.name);
        pc_fxd->addTab(t.view, QString::fromUtf8(t.caption));
    }
}

}  // namespace qorvel
