#include "app/pages/fxd/image/remainder_view.h"

#include <QHBoxLayout>
#include <QRadioButton>

#include "app/app_state.h"
#include "core/views/image_charts.h"
#include "ui/drawing_host.h"

namespace qorvel {

RemainderView::RemainderView(QWidget* parent) : ImageView("zhysz", parent) {
    struct Choice {
        QRadioButton** button;
        const char* name;
        const char* caption;
    };
    for (const Choice& c : {Choice{&rb_zhysz_c3, "rb_zhysz_c3", "除三余数"}, Choice{&rb_zhysz_c4, "rb_zhysz_c4", "除四余数"},
                            Choice{&rb_zhysz_c5, "rb_zhysz_c5", "除五余数"}}) {
        *c.button = new QRadioButton(QString::fromUtf8(c.caption), this);
        (*c.button)->setObjectName(c.name);
        controlBar()->addWidget(*c.button);
        connect(*c.button, &QRadioButton::toggled, this, [this](bool on) {
            if (on) host()->redraw();
        });
    }
    rb_zhysz_c3->setChecked(true);
    addWindowChoice();
    controlBar()->addStretch(1);
}

int RemainderView::modulus() const {
    constexpr int kByThree = 3, kByFour = 4, kByFive = 5;
    return rb_zhysz_c5->isChecked() ? kByFive : rb_zhysz_c4->isChecked() ? kByFour : kByThree;
}

int RemainderView::seriesLength() const { return workspace().MainStore.Count(); }

void RemainderView::render(DrawSurface& surface, int width, int height) {
    const Workspace& ws = workspace();
    drawRemainderCharts(axes_, surface, width, height, ws.MainStore, ws.params, modulus(), firstShown(), windowLength());
}

}  // namespace qorvel
