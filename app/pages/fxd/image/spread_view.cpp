#include "app/pages/fxd/image/spread_view.h"

#include <QHBoxLayout>
#include <QRadioButton>

#include "app/app_state.h"
#include "core/views/image_charts.h"
#include "ui/drawing_host.h"

namespace qorvel {

SpreadView::SpreadView(QWidget* parent) : ImageView("lzl", parent) {
    struct Choice {
        QRadioButton** button;
        const char* name;
        const char* caption;
    };
    for (const Choice& c : {Choice{&rb_lzl_pjl, "rb_lzl_pjl", "平均量"}, Choice{&rb_lzl_bzc, "rb_lzl_bzc", "标准差"},
                            Choice{&rb_lzl_lsxs, "rb_lzl_lsxs", "离散系数"}}) {
        *c.button = new QRadioButton(QString::fromUtf8(c.caption), this);
        (*c.button)->setObjectName(c.name);
        controlBar()->addWidget(*c.button);
        connect(*c.button, &QRadioButton::toggled, this, [this](bool on) {
            if (on) host()->redraw();
        });
    }
    rb_lzl_pjl->setChecked(true);
    addWindowChoice();
    controlBar()->addStretch(1);
}

SpreadMode SpreadView::mode() const {
    if (rb_lzl_bzc->isChecked()) return SpreadMode::StandardDeviation;
    if (rb_lzl_lsxs->isChecked()) return SpreadMode::Variation;
    return SpreadMode::Mean;
}

int SpreadView::seriesLength() const { return workspace().MainStore.Count(); }

void SpreadView::render(DrawSurface& surface, int width, int height) {
    const Workspace& ws = workspace();
    const QRadioButton* chosen = rb_lzl_bzc->isChecked() ? rb_lzl_bzc : rb_lzl_lsxs->isChecked() ? rb_lzl_lsxs : rb_lzl_pjl;
    drawSpreadChart(axes_, surface, width, height, ws.MainStore, ws.params, mode(), toUtf8(chosen->text()), firstShown(),
                    windowLength());
}

}  // namespace qorvel
