#include "app/pages/fxd/image/extension_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>

#include "app/app_state.h"
#include "app/page_table.h"
#include "app/pages/u_zbpx.h"
#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_custom_tab.h"
#include "app/u_main.h"
#include "core/views/image_charts.h"
#include "ui/drawing_host.h"

namespace qorvel {
namespace {

constexpr int kMaxOmissionChoice = 100;  // the omission range combos offer 0 … this

// Fills a combo with from…to, keeping its value when it is still offered, else `wanted`, else the first.
void listRange(QComboBox* box, int from, int to, int wanted) {
    if (box->currentIndex() >= 0) wanted = box->currentData().toInt();
    const QSignalBlocker quiet(box);
    box->clear();
    for (int v = from; v <= to; ++v) box->addItem(QString::number(v), v);
    const int at = box->findData(wanted);
    box->setCurrentIndex(at >= 0 ? at : 0);
}

QComboBox* selectBox(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItem(QStringLiteral("求奖号个数"), 0);
    box->addItem(QStringLiteral("求奖号和值"), 1);
    return box;
}

int valueOf(const QComboBox* box) { return box->currentIndex() >= 0 ? box->currentData().toInt() : 0; }

// Makes every tab page on the way from `w` up to its window the current one, so `w` is in front.
void bringToFront(QWidget* w) {
    for (QWidget* child = w; child && child->parentWidget(); child = child->parentWidget()) {
        auto* tabs = qobject_cast<QTabWidget*>(child->parentWidget()->parentWidget());
        if (tabs && tabs->indexOf(child) >= 0) tabs->setCurrentWidget(child);
    }
}

}  // namespace

ExtensionView::ExtensionView(QWidget* parent) : ImageView("kzxl", parent) {
    buildControls();
    listValues();
}

void ExtensionView::buildControls() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    auto radio = [&](QRadioButton*& button, const char* name, const char* caption) {
        button = new QRadioButton(QString::fromUtf8(caption), panel);
        button->setObjectName(name);
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on) seriesChanged();
        });
        return button;
    };
    auto combo = [&](QComboBox*& box, const char* name) {
        box = new QComboBox(panel);
        box->setObjectName(name);
        return box;
    };
    auto row = [&](int r, int c, std::initializer_list<QWidget*> widgets) {
        auto* line = new QHBoxLayout;
        line->setSpacing(3);
        for (QWidget* w : widgets) line->addWidget(w);
        line->addStretch(1);
        grid->addLayout(line, r, c);
    };
    auto label = [&](const char* text) { return new QLabel(QString::fromUtf8(text), panel); };

    cb_kzxl_ylz_s = selectBox(panel, "cb_kzxl_ylz_s");
    row(0, 0, {radio(rb_kzxl_ylz, "rb_kzxl_ylz", "遗漏值相关："), cb_kzxl_ylz_s, combo(cb_kzxl_ylz_a, "cb_kzxl_ylz_a"),
               label("<=遗漏值<="), combo(cb_kzxl_ylz_b, "cb_kzxl_ylz_b")});
    cb_kzxl_fq_s = selectBox(panel, "cb_kzxl_fq_s");
    row(0, 1, {radio(rb_kzxl_fq, "rb_kzxl_fq", "分区相关："), cb_kzxl_fq_s, label("分区数"), combo(cb_kzxl_fq_p, "cb_kzxl_fq_p"),
               label("第"), combo(cb_kzxl_fq_z, "cb_kzxl_fq_z"), label("区")});
    cb_kzxl_ys_s = selectBox(panel, "cb_kzxl_ys_s");
    row(0, 2, {radio(rb_kzxl_ys, "rb_kzxl_ys", "余数相关："), cb_kzxl_ys_s, label("除"), combo(cb_kzxl_ys_m, "cb_kzxl_ys_m"),
               label("余"), combo(cb_kzxl_ys_r, "cb_kzxl_ys_r")});
    row(1, 0, {radio(rb_kzxl_cz, "rb_kzxl_cz", "差值相关："), combo(cb_kzxl_cz, "cb_kzxl_cz"),
               radio(rb_kzxl_hz, "rb_kzxl_hz", "和值相关："), combo(cb_kzxl_hz, "cb_kzxl_hz")});
    row(1, 1, {radio(rb_kzxl_xwcz, "rb_kzxl_xwcz", "与上期差值相关："), combo(cb_kzxl_xwcz, "cb_kzxl_xwcz")});
    row(1, 2, {radio(rb_kzxl_xwhz, "rb_kzxl_xwhz", "与上期和值相关："), combo(cb_kzxl_xwhz, "cb_kzxl_xwhz")});
    for (QRadioButton* off : {radio(rb_kzxl_cs, "rb_kzxl_cs", "次数相关："), radio(rb_kzxl_lsx, "rb_kzxl_lsx", "类似性相关："),
                              radio(rb_kzxl_gq, "rb_kzxl_gq", "隔期出号相关：")})
        off->setEnabled(false);
    b_kzxl_zbpx = new QPushButton(QStringLiteral("指标剖析"), panel);
    b_kzxl_zbpx->setObjectName("b_kzxl_zbpx");
    b_kzxl_tofilter = new QPushButton(QStringLiteral("转至过滤设置"), panel);
    b_kzxl_tofilter->setObjectName("b_kzxl_tofilter");
    row(2, 0, {rb_kzxl_cs, rb_kzxl_lsx, rb_kzxl_gq});
    auto* actions = new QHBoxLayout;
    addWindowChoice(actions);
    actions->addWidget(b_kzxl_zbpx);
    actions->addWidget(b_kzxl_tofilter);
    actions->addStretch(1);
    grid->addLayout(actions, 2, 1, 1, 2);
    controlBar()->addWidget(panel, 1);
    rb_kzxl_fq->setChecked(true);

    // A parameter change redraws when it belongs to the chosen code; the zone and remainder lists follow
    // their zone count and divisor.
    const std::pair<QComboBox*, QRadioButton*> owners[] = {
        {cb_kzxl_ylz_s, rb_kzxl_ylz}, {cb_kzxl_ylz_a, rb_kzxl_ylz}, {cb_kzxl_ylz_b, rb_kzxl_ylz},
        {cb_kzxl_fq_s, rb_kzxl_fq},   {cb_kzxl_fq_p, rb_kzxl_fq},   {cb_kzxl_fq_z, rb_kzxl_fq},
        {cb_kzxl_ys_s, rb_kzxl_ys},   {cb_kzxl_ys_m, rb_kzxl_ys},   {cb_kzxl_ys_r, rb_kzxl_ys},
        {cb_kzxl_cz, rb_kzxl_cz},     {cb_kzxl_hz, rb_kzxl_hz},     {cb_kzxl_xwcz, rb_kzxl_xwcz},
        {cb_kzxl_xwhz, rb_kzxl_xwhz}};
    for (const auto& [box, owner] : owners) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, box = box, owner = owner] {
            if (box == cb_kzxl_fq_p) listParts(cb_kzxl_fq_z, valueOf(cb_kzxl_fq_p), 1);
            if (box == cb_kzxl_ys_m) listParts(cb_kzxl_ys_r, valueOf(cb_kzxl_ys_m), 0);
            if (owner->isChecked()) seriesChanged();
        });
    }
    connect(b_kzxl_zbpx, &QPushButton::clicked, this, [this] { dissect(); });
    connect(b_kzxl_tofilter, &QPushButton::clicked, this, [this] { toFilter(); });
}

// The zones 1…count of a zone count, or the remainders 0…count − 1 of a divisor.
void ExtensionView::listParts(QComboBox* parts, int count, int first) {
    listRange(parts, first, first + std::max(count, 1) - 1, first);
}

// The value lists follow the type's largest main number; a type change keeps every value still offered.
void ExtensionView::listValues() {
    const int top = workspace().params.MainTo;
    if (top == listedFor_) return;
    listedFor_ = top;
    const ExtensionChoice ylz = defaultExtensionChoice(ExtensionKind::OmissionRange);
    const ExtensionChoice fq = defaultExtensionChoice(ExtensionKind::Zone);
    const ExtensionChoice ys = defaultExtensionChoice(ExtensionKind::Remainder);
    listRange(cb_kzxl_ylz_a, 0, kMaxOmissionChoice, ylz.first);
    listRange(cb_kzxl_ylz_b, 0, kMaxOmissionChoice, ylz.second);
    listRange(cb_kzxl_fq_p, 1, top, fq.first);
    listRange(cb_kzxl_fq_z, 1, valueOf(cb_kzxl_fq_p), fq.second);
    listRange(cb_kzxl_ys_m, 1, top, ys.first);
    listRange(cb_kzxl_ys_r, 0, valueOf(cb_kzxl_ys_m) - 1, ys.second);
    listRange(cb_kzxl_cz, 1, top - 1, defaultExtensionChoice(ExtensionKind::Difference).first);
    listRange(cb_kzxl_hz, 3, 2 * top - 1, defaultExtensionChoice(ExtensionKind::Sum).first);
    listRange(cb_kzxl_xwcz, 0, top - 1, defaultExtensionChoice(ExtensionKind::PreviousDifference).first);
    listRange(cb_kzxl_xwhz, 2, 2 * top, defaultExtensionChoice(ExtensionKind::PreviousSum).first);
}

ExtensionChoice ExtensionView::choice() const {
    ExtensionChoice c;
    if (rb_kzxl_ylz->isChecked()) {
        c = {ExtensionKind::OmissionRange, valueOf(cb_kzxl_ylz_s), valueOf(cb_kzxl_ylz_a), valueOf(cb_kzxl_ylz_b)};
    } else if (rb_kzxl_ys->isChecked()) {
        c = {ExtensionKind::Remainder, valueOf(cb_kzxl_ys_s), valueOf(cb_kzxl_ys_m), valueOf(cb_kzxl_ys_r)};
    } else if (rb_kzxl_cz->isChecked()) {
        c = {ExtensionKind::Difference, 0, valueOf(cb_kzxl_cz), 0};
    } else if (rb_kzxl_hz->isChecked()) {
        c = {ExtensionKind::Sum, 0, valueOf(cb_kzxl_hz), 0};
    } else if (rb_kzxl_xwcz->isChecked()) {
        c = {ExtensionKind::PreviousDifference, 0, valueOf(cb_kzxl_xwcz), 0};
    } else if (rb_kzxl_xwhz->isChecked()) {
        c = {ExtensionKind::PreviousSum, 0, valueOf(cb_kzxl_xwhz), 0};
    } else {
        c = {ExtensionKind::Zone, valueOf(cb_kzxl_fq_s), valueOf(cb_kzxl_fq_p), valueOf(cb_kzxl_fq_z)};
    }
    return c;
}

int ExtensionView::seriesLength() const { return static_cast<int>(series_.values.size()); }

void ExtensionView::rebuild() {
    listValues();
    code_ = extensionCode(choice());
    series_ = codeSeries(workspace(), code_);
}

void ExtensionView::render(DrawSurface& surface, int width, int height) {
    drawExtensionCharts(axes_, surface, width, height, series_, code_, firstShown(), windowLength());
}

// The indicator management page computes and hands over the formula as if the user had typed it; its
// name field carries the formula so the dissection's title says what it shows.
bool ExtensionView::dissect() {
    if (!f_zbpx) return false;
    const QString formula = fromUtf8(extensionFormula(choice()));
    f_zbpx->rb_selfzb->setChecked(true);
    f_zbpx->e_selfzb->setText(formula);
    f_zbpx->e_zbmm->setText(formula);
    f_zbpx->me_zbqzfrom->clear();
    f_zbpx->me_zbqzto->clear();
    return f_zbpx->startDissection();
}

bool ExtensionView::toFilter() {
    if (!f_zh) return false;
    if (f_main) f_main->openPage(PageId::zh);
    ZhCustomTab* tab = f_zh->customTab();
    tab->e_selfzb->setText(fromUtf8(extensionFormula(choice())));
    bringToFront(tab);
    return true;
}

}  // namespace qorvel
