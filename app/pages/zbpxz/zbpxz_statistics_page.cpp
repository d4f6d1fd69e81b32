#include "app/pages/zbpxz/zbpxz_statistics_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"
#include "core/views/statistics_page.h"
#include "core/views/view_text.h"
#include "ui/drawing_host.h"

namespace qorvel {

ZbpxzStatisticsPage::ZbpxzStatisticsPage(const DissectionState& state, const QString& caption, const QString& name,
                                         QWidget* parent)
    : ZbpxzSubPage(state, parent), caption_(caption), name_(name) {
    setObjectName("ts_" + name);
    auto* range = new QHBoxLayout;
    auto* mode = new QButtonGroup(this);
    rb_near = new QRadioButton(QStringLiteral("近"), this);
    rb_near->setObjectName(controlName("rb", "near"));
    cb_near = new QComboBox(this);
    cb_near->setObjectName(controlName("cb", "nearqs"));
    for (std::string_view item : kNearCountItems) cb_near->addItem(QString::fromUtf8(item.data(), int(item.size())));
    cb_near->setCurrentText(QString::number(kDefaultStatisticsDraws));
    rb_self = new QRadioButton(QStringLiteral("自定义"), this);
    rb_self->setObjectName(controlName("rb", "self"));
    cb_from = new QComboBox(this);
    cb_from->setObjectName(controlName("cb", "from"));
    cb_to = new QComboBox(this);
    cb_to->setObjectName(controlName("cb", "to"));
    l_count = new QLabel(this);
    l_count->setObjectName(controlName("l", "count"));
    mode->addButton(rb_near);
    mode->addButton(rb_self);
    rb_near->setChecked(true);
    range->addWidget(rb_near);
    range->addWidget(cb_near);
    range->addWidget(new QLabel(QStringLiteral("期统计"), this));
    range->addSpacing(12);
    range->addWidget(rb_self);
    range->addWidget(cb_from);
    range->addWidget(new QLabel(QStringLiteral("<=统计区域<="), this));
    range->addWidget(cb_to);
    range->addWidget(l_count);
    range->addStretch(1);

    controls_ = new QHBoxLayout;
    im = new DrawingHost(this);
    im->setObjectName("im_" + name);
    im->setRenderer([this](DrawSurface& s, int w, int h) { paintDissectionBars(s, model_, w, h); });
    menu_ = new QMenu(this);
    im->setPopupMenu(menu_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(range);
    layout->addLayout(controls_);
    layout->addWidget(im, 1);
    rangeModeChanged();

    connect(mode, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on) rangeModeChanged();
    });
    connect(cb_near, &QComboBox::currentIndexChanged, this, [this] { recount(); });
    for (QComboBox* issue : {cb_from, cb_to})
        connect(issue, &QComboBox::currentIndexChanged, this, [this] {
            updateCountLabel();
            recount();
        });
}

QString ZbpxzStatisticsPage::controlName(const char* kind, const char* what) const {
    return QString::fromLatin1(kind) + "_" + name_ + "_" + QString::fromLatin1(what);
}

void ZbpxzStatisticsPage::opened() {
    opened_ = true;
    fillIssueRange(cb_from, cb_to);
    updateCountLabel();
    page_ = 0;
    recompute();
    rebuild();
}

// New draws in the history relabel the issues; the chosen positions stay.
void ZbpxzStatisticsPage::refresh() {
    if (opened_ && !issuesCurrent()) {
        const int from = cb_from->currentIndex(), to = cb_to->currentIndex();
        fillIssueRange(cb_from, cb_to);
        const QSignalBlocker blockFrom(cb_from), blockTo(cb_to);
        if (from >= 0 && from < cb_from->count()) cb_from->setCurrentIndex(from);
        if (to >= 0 && to < cb_to->count()) cb_to->setCurrentIndex(to);
        updateCountLabel();
    }
    recompute();
    rebuild();
}

bool ZbpxzStatisticsPage::issuesCurrent() const {
    const std::vector<int32_t>& issues = state_.issues;
    if (cb_from->count() != static_cast<int>(issues.size())) return false;
    return issues.empty() || (cb_from->itemText(0) == QString::number(issues.front()) &&
                              cb_from->itemText(cb_from->count() - 1) == QString::number(issues.back()));
}

DrawSpan ZbpxzStatisticsPage::span() const {
    if (rb_self->isChecked()) return drawsBetween(chosenDraw(cb_from), chosenDraw(cb_to), state_.count());
    // The combo holds only its own items, so anything but a count is "所有".
    return lastDrawsSpan(state_.count(), parseNearCount(toUtf8(cb_near->currentText())).value_or(0));
}

bool ZbpxzStatisticsPage::percentages() const { return rb_bl && rb_bl->isChecked(); }

std::string ZbpxzStatisticsPage::spanCaption() const {
    const DrawSpan s = span();
    if (s.count() == 0) return "共0期";
    const auto issue = [this](int draw) { return issueCaption(state_.issues[static_cast<std::size_t>(draw - 1)]); };
    return issue(s.first) + "期至" + issue(s.last) + "期，共" + std::to_string(s.count()) + "期";
}

void ZbpxzStatisticsPage::rangeModeChanged() {
    const bool custom = rb_self->isChecked();
    cb_near->setEnabled(!custom);
    cb_from->setEnabled(custom);
    cb_to->setEnabled(custom);
    l_count->setVisible(custom);
    updateCountLabel();
    recount();
}

// The count may be zero or less when the start lies after the end; nothing is counted then.
void ZbpxzStatisticsPage::updateCountLabel() {
    l_count->setText(rb_self->isChecked()
                         ? QStringLiteral("共%1期").arg(chosenDraw(cb_to) - chosenDraw(cb_from) + 1)
                         : QString());
}

void ZbpxzStatisticsPage::recount() {
    if (!opened_) return;  // nothing handed over yet
    recompute();
    rebuild();
}

void ZbpxzStatisticsPage::addCountPercentChoice() {
    auto* group = new QButtonGroup(this);
    rb_cs = new QRadioButton(QStringLiteral("显示次数"), this);
    rb_cs->setObjectName(controlName("rb", "cs"));
    rb_bl = new QRadioButton(QStringLiteral("显示百分比例"), this);
    rb_bl->setObjectName(controlName("rb", "bl"));
    group->addButton(rb_cs);
    group->addButton(rb_bl);
    rb_cs->setChecked(true);
    controls_->addWidget(rb_cs);
    controls_->addWidget(rb_bl);
    controls_->addSpacing(12);
    connect(group, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on) rebuild();
    });
}

void ZbpxzStatisticsPage::addSortButtons(bool byValue) {
    auto button = [this](const char* caption, const char* what, ValueOrder order) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(controlName("b", what));
        controls_->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, order] {
            order_ = order;
            page_ = 0;
            rebuild();
        });
        return b;
    };
    if (byValue) b_value = button("按取值排列", "value", ValueOrder::ByValue);
    b_asc = button("升序排列", "asc", ValueOrder::Ascending);
    b_desc = button("降序排列", "desc", ValueOrder::Descending);
    controls_->addSpacing(12);
}

void ZbpxzStatisticsPage::addPaging() {
    auto button = [this](const char* caption, const char* what) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(controlName("b", what));
        controls_->addWidget(b);
        return b;
    };
    b_first = button("首页", "first");
    b_prev = button("上一页", "prev");
    l_page = new QLabel(this);
    l_page->setObjectName(controlName("l", "page"));
    controls_->addWidget(l_page);
    b_next = button("下一页", "next");
    b_last = button("末页", "last");
    connect(b_first, &QPushButton::clicked, this, [this] { turnTo(0); });
    connect(b_prev, &QPushButton::clicked, this, [this] { turnTo(page_ - 1); });
    connect(b_next, &QPushButton::clicked, this, [this] { turnTo(page_ + 1); });
    connect(b_last, &QPushButton::clicked, this, [this] { turnTo(pages_ - 1); });
    connect(im, &DrawingHost::wheelStepped, this, [this](int steps) { turnTo(page_ + (steps > 0 ? 1 : -1)); });
}

void ZbpxzStatisticsPage::setItemCount(int items, int pageSize) {
    items_ = items;
    pageSize_ = pageSize;
    pages_ = pageCount(items, pageSize);
    page_ = std::clamp(page_, 0, pages_ - 1);
}

PageSlice ZbpxzStatisticsPage::currentSlice() const { return pageSlice(items_, pageSize_, page_); }

void ZbpxzStatisticsPage::turnTo(int page) {
    const int kept = page_;
    page_ = std::clamp(page, 0, pages_ - 1);
    if (page_ != kept) rebuild();
}

void ZbpxzStatisticsPage::rebuild() {
    model_ = buildModel();
    if (l_page) {
        l_page->setText(QStringLiteral("第%1/%2页").arg(page_ + 1).arg(pages_));
        b_first->setEnabled(page_ > 0);
        b_prev->setEnabled(page_ > 0);
        b_next->setEnabled(page_ + 1 < pages_);
        b_last->setEnabled(page_ + 1 < pages_);
    }
    im->redraw();
}

}  // namespace qorvel
