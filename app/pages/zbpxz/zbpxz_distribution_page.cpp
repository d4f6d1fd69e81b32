#include "app/pages/zbpxz/zbpxz_distribution_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <climits>

#include "app/app_state.h"
#include "ui/drawing_host.h"
#include "ui/platform.h"

namespace qorvel {

namespace {

constexpr int kBoundFieldWidth = 70;

QLineEdit* boundField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setValidator(new QIntValidator(INT_MIN, INT_MAX, field));
    field->setFixedWidth(kBoundFieldWidth);
    return field;
}

}  // namespace

ZbpxzDistributionPage::ZbpxzDistributionPage(const DissectionState& state, QWidget* parent)
    : ZbpxzChartPage(state, QStringLiteral("数据分布图"), QStringLiteral("sjfb"), parent) {
    e_sjfb_min = boundField("e_sjfb_min", this);
    e_sjfb_max = boundField("e_sjfb_max", this);
    b_sjfb_update = new QPushButton(QStringLiteral("更新"), this);
    b_sjfb_update->setObjectName("b_sjfb_update");
    cb_sjfb_style = new QComboBox(this);
    cb_sjfb_style->setObjectName("cb_sjfb_style");
    for (const char* caption : distributionStyleCaptions()) cb_sjfb_style->addItem(QString::fromUtf8(caption));
    QHBoxLayout* row = controls();
    row->addSpacing(12);
    row->addWidget(new QLabel(QStringLiteral("最小值："), this));
    row->addWidget(e_sjfb_min);
    row->addWidget(new QLabel(QStringLiteral("最大值："), this));
    row->addWidget(e_sjfb_max);
    row->addWidget(b_sjfb_update);
    row->addSpacing(12);
    row->addWidget(cb_sjfb_style);
    row->addStretch(1);
    connect(b_sjfb_update, &QPushButton::clicked, this, [this] { applyBounds(true); });
    connect(cb_sjfb_style, &QComboBox::currentIndexChanged, this, [this] { im->redraw(); });
}

void ZbpxzDistributionPage::opened() {
    e_sjfb_min->setText(QString::number(state_.range.min));
    e_sjfb_max->setText(QString::number(state_.range.max));
    applyBounds(false);
    ZbpxzChartPage::opened();
}

DistributionStyle ZbpxzDistributionPage::style() const {
    return static_cast<DistributionStyle>(std::clamp(cb_sjfb_style->currentIndex(), 0, kDistributionStyles - 1));
}

// Refused bounds leave nothing of the previous picture: it shows the refusal until the fields are fixed.
void ZbpxzDistributionPage::applyBounds(bool tell) {
    const DistributionBoundsCheck check =
        checkDistributionBounds(e_sjfb_min->text().toStdString(), e_sjfb_max->text().toStdString());
    error_ = check.error;
    if (error_.empty()) bounds_ = check.bounds;
    im->redraw();
    if (tell && !error_.empty()) showMessage(fromUtf8(error_), this);
}

void ZbpxzDistributionPage::draw(DrawSurface& surface, int width, int height) {
    if (!error_.empty()) {
        drawDistributionMessage(surface, width, height, error_);
        return;
    }
    if (state_.input.series.empty()) return;
    DistributionPicture picture;
    picture.title = state_.input.title + "的数据分布图";
    picture.bounds = bounds_;
    picture.style = style();
    picture.points = windowPoints(state_.input.series);
    drawDistributionPicture(surface, width, height, picture);
}

}  // namespace qorvel
