#include "app/pages/zbpxz/zbpxz_segment_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "ui/drawing_host.h"

namespace qorvel {

ZbpxzSegmentPage::ZbpxzSegmentPage(const DissectionState& state, QWidget* parent)
    : ZbpxzWindowedPage(state, QStringLiteral("按期数分段走势"), QStringLiteral("fdzs"), parent) {
    cb_fdzs_length = new QComboBox(this);
    cb_fdzs_length->setObjectName("cb_fdzs_length");
    for (int n : segmentLengthChoices()) cb_fdzs_length->addItem(QString::number(n), n);
    cb_fdzs_length->setCurrentIndex(cb_fdzs_length->findData(kDefaultSegmentLength));
    cb_fdzs_offset = new QComboBox(this);
    cb_fdzs_offset->setObjectName("cb_fdzs_offset");
    for (int o = kLargestSegmentOffset; o >= kSmallestSegmentOffset; --o) cb_fdzs_offset->addItem(QString::number(o), o);
    cb_fdzs_offset->setCurrentIndex(cb_fdzs_offset->findData(kDefaultSegmentOffset));
    cb_fdzs_content = new QComboBox(this);
    cb_fdzs_content->setObjectName("cb_fdzs_content");
    for (const std::string& name : segmentContentNames()) cb_fdzs_content->addItem(QString::fromStdString(name));
    controls()->addWidget(new QLabel(QStringLiteral("每段期数:"), this));
    controls()->addWidget(cb_fdzs_length);
    controls()->addWidget(new QLabel(QStringLiteral("位置偏移:"), this));
    controls()->addWidget(cb_fdzs_offset);
    controls()->addWidget(new QLabel(QStringLiteral("显示内容:"), this));
    controls()->addWidget(cb_fdzs_content);
    controls()->addStretch(1);
    for (QComboBox* combo : {cb_fdzs_length, cb_fdzs_offset, cb_fdzs_content})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { restart(); });
}

int ZbpxzSegmentPage::segmentLength() const {
    return cb_fdzs_length->currentData().toInt();
}

int ZbpxzSegmentPage::segmentOffset() const {
    return cb_fdzs_offset->currentData().toInt();
}

SegmentContent ZbpxzSegmentPage::content() const {
    return static_cast<SegmentContent>(std::max(0, cb_fdzs_content->currentIndex()));
}

std::string ZbpxzSegmentPage::chartTitle() const {
    return state_.input.title + "每" + std::to_string(segmentLength()) + "期分段的" +
           cb_fdzs_content->currentText().toStdString();
}

void ZbpxzSegmentPage::recompute() {
    segments_ = segmentSeries(state_.input.series, state_.issues, segmentLength(), segmentOffset(), content());
}

void ZbpxzSegmentPage::draw(DrawSurface& surface, int width, int height) {
    drawSegmentChart(axes_, surface, width, height, segments_, segmentContentInTenths(content()), firstItem(),
                     kSegmentChartWindow, chartTitle());
}

}  // namespace qorvel
