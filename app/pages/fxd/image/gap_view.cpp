#include "app/pages/fxd/image/gap_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QRadioButton>

#include "app/app_state.h"
#include "core/views/image_charts.h"
#include "ui/drawing_host.h"

namespace qorvel {

GapView::GapView(QWidget* parent) : ImageView("jgfx", parent) {
    cb_jgfx = new QComboBox(this);
    cb_jgfx->setObjectName("cb_jgfx");
    controlBar()->addWidget(cb_jgfx);
    rb_jgfx_jj = new QRadioButton(QStringLiteral("间距标识"), this);
    rb_jgfx_jj->setObjectName("rb_jgfx_jj");
    rb_jgfx_zh = new QRadioButton(QStringLiteral("主号标识"), this);
    rb_jgfx_zh->setObjectName("rb_jgfx_zh");
    rb_jgfx_jj->setChecked(true);
    controlBar()->addWidget(rb_jgfx_jj);
    controlBar()->addWidget(rb_jgfx_zh);
    addWindowChoice();
    controlBar()->addStretch(1);
    connect(cb_jgfx, &QComboBox::currentIndexChanged, this, [this] { host()->redraw(); });
    connect(rb_jgfx_jj, &QRadioButton::toggled, this, [this] { host()->redraw(); });
    rebuild();
}

int GapView::seriesLength() const { return workspace().MainStore.Count(); }

// The pair items name positions up to the sixth; a type with fewer main numbers lists only the pairs
// it has. The item data is the pair's index in the full list (0 = "全部显示").
void GapView::rebuild() {
    const int mainCount = workspace().params.MainCount;
    if (mainCount == itemsFor_) return;
    itemsFor_ = mainCount;
    const QSignalBlocker quiet(cb_jgfx);
    cb_jgfx->clear();
    cb_jgfx->addItem(QStringLiteral("全部显示"), 0);
    const auto& items = gapPairItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].first > mainCount || items[i].second > mainCount) continue;
        cb_jgfx->addItem(QStringLiteral("%1_%2显示").arg(items[i].first).arg(items[i].second), static_cast<int>(i) + 1);
    }
    cb_jgfx->setCurrentIndex(0);
}

void GapView::render(DrawSurface& surface, int width, int height) {
    const Workspace& ws = workspace();
    const GapMarking marking = rb_jgfx_zh->isChecked() ? GapMarking::Numbers : GapMarking::Gaps;
    drawGapChart(axes_, surface, width, height, ws.MainStore, ws.params, cb_jgfx->currentData().toInt(), marking,
                 firstShown(), windowLength());
}

}  // namespace qorvel
