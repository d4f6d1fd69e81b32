#include "app/pages/zbpxz/zbpxz_field_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/app_state.h"
#include "app/dialogs/zbpxz/field_style_dialog.h"
#include "ui/drawing_host.h"
#include "ui/platform.h"

namespace qorvel {

namespace {

constexpr const char* kStyleNames[kFieldStyles] = {"田野走势图一", "田野走势图二", "田野走势图三", "田野走势图四",
                                                   "田野走势图五", "田野走势图六", "田野走势图七", "田野走势图八",
                                                   "田野走势图九", "田野走势图十"};

}  // namespace

ZbpxzFieldPage::ZbpxzFieldPage(const DissectionState& state, QWidget* parent)
    : ZbpxzChartPage(state, QStringLiteral("田野走势图"), QStringLiteral("tyd"), parent) {
    cb_tyd_style = new QComboBox(this);
    cb_tyd_style->setObjectName("cb_tyd_style");
    for (const char* name : kStyleNames) cb_tyd_style->addItem(QString::fromUtf8(name));
    cb_tyd_zhs = new QComboBox(this);
    cb_tyd_zhs->setObjectName("cb_tyd_zhs");
    for (int g = kMinFieldRows; g <= kMaxFieldRows; ++g) cb_tyd_zhs->addItem(QString::number(g), g);
    cb_tyd_zhs->setCurrentText(QString::number(kDefaultFieldRows));
    b_tyd_modify = new QPushButton(QStringLiteral("修改田野图"), this);
    b_tyd_modify->setObjectName("b_tyd_modify");
    controls()->insertWidget(0, cb_tyd_style);
    controls()->addWidget(new QLabel(QStringLiteral("总行数"), this));
    controls()->addWidget(cb_tyd_zhs);
    controls()->addStretch(1);
    controls()->addWidget(b_tyd_modify);
    connect(cb_tyd_style, &QComboBox::currentIndexChanged, this, [this] { im->redraw(); });
    connect(cb_tyd_zhs, &QComboBox::currentIndexChanged, this, [this] {
        loadStyles();
        im->redraw();
    });
    connect(b_tyd_modify, &QPushButton::clicked, this, [this] { modifyStyle(); });
}

int ZbpxzFieldPage::style() const {
    return std::max(0, cb_tyd_style->currentIndex());
}

void ZbpxzFieldPage::refresh() {
    if (!loaded_) loadStyles();
    ZbpxzChartPage::refresh();
}

// Reads the styles of the chosen G, creating the file when it is missing.
void ZbpxzFieldPage::loadStyles() {
    const FieldStylesLoad load = loadFieldStyles(workspace().ProgramFolder, cb_tyd_zhs->currentData().toInt());
    styles_ = load.styles;
    loaded_ = true;
    if (!load.error.empty()) showMessage(fromUtf8(load.error), this);
}

void ZbpxzFieldPage::modifyStyle() {
    if (!loaded_) loadStyles();
    FieldStyleDialog dialog(styles_.styles[style()], styles_.rows, this);
    if (dialog.exec() != QDialog::Accepted) return;
    FieldStyles changed = styles_;
    changed.styles[style()] = dialog.rows();
    const std::string error = saveFieldStyles(workspace().ProgramFolder, changed);
    if (!error.empty()) {
        showMessage(fromUtf8(error), this);
        return;
    }
    styles_ = changed;
    im->redraw();
}

void ZbpxzFieldPage::draw(DrawSurface& surface, int width, int height) {
    if (!loaded_ || state_.count() == 0) return;
    const std::vector<std::string>& rows = styles_.styles[style()];
    std::vector<FieldPoint> points;
    for (int i = firstDraw(); i <= lastDraw(); ++i)
        points.push_back({state_.issues[static_cast<std::size_t>(i - 1)],
                          fieldRowOf(rows, state_.input.series[static_cast<std::size_t>(i - 1)])});
    drawFieldChart(surface, width, height, axes_, rows, points, firstDraw(),
                   state_.input.title + "的" + toUtf8(cb_tyd_style->currentText()));
}

}  // namespace qorvel
