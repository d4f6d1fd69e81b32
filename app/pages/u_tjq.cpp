#include "app/pages/u_tjq.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/pages/tjq/tjq_bar_chart.h"
#include "app/pages/tjq/tjq_item_sheets.h"
#include "draws/t_s_dm.h"
#include "text/number_text.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr int kScrollLargeStep = 10;
constexpr int kIssueListWidth = 90;

template <class T>
T* named(T* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

Tf_tjq::Tf_tjq(QWidget* parent) : QWidget(parent) {
    setObjectName("f_tjq");
    pc_tjq = named(new QTabWidget(this), "pc_tjq");
    ts_jzd = new TjqBarChart([this] { return rangeEndIssue(); }, pc_tjq);
    pc_tjq->addTab(ts_jzd, QStringLiteral("号码统计柱状图"));
    itemSheets = new TjqItemSheets(pc_tjq, [this] { recompute(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildRangeBar());
    layout->addWidget(pc_tjq, 1);
    connectRangeBar();
}

QWidget* Tf_tjq::buildRangeBar() {
    auto* bar = new QWidget(this);
    rb_fxtj_nearqs = named(new QRadioButton(QStringLiteral("近"), bar), "rb_fxtj_nearqs");
    combo_fxtj_nearqs = named(new QComboBox(bar), "combo_fxtj_nearqs");
    combo_fxtj_nearqs->setEditable(true);
    for (std::string_view item : kNearCountItems) combo_fxtj_nearqs->addItem(fromUtf8(std::string(item)));
    combo_fxtj_nearqs->setCurrentText(QString::number(kDefaultNearCount));
    sb_fxtj = named(new QScrollBar(Qt::Horizontal, bar), "sb_fxtj");
    sb_fxtj->setRange(1, 1);
    sb_fxtj->setPageStep(kScrollLargeStep);
    sb_fxtj->setMinimumWidth(120);
    rb_fxtj_self = named(new QRadioButton(QStringLiteral("自定义"), bar), "rb_fxtj_self");
    cb_fxtj_from = named(new QComboBox(bar), "cb_fxtj_from");
    cb_fxtj_to = named(new QComboBox(bar), "cb_fxtj_to");
    for (QComboBox* list : {cb_fxtj_from, cb_fxtj_to}) {
        list->setEditable(true);
        list->setMinimumWidth(kIssueListWidth);
        list->setEnabled(false);
    }
    l_tjq = named(new QLabel(bar), "l_tjq");
    l_tjq->setMinimumWidth(60);
    b_kstj = named(new QPushButton(QStringLiteral("开始统计"), bar), "b_kstj");
    auto* range = new QButtonGroup(bar);
    range->addButton(rb_fxtj_nearqs);
    range->addButton(rb_fxtj_self);
    rb_fxtj_nearqs->setChecked(true);

    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(rb_fxtj_nearqs);
    row->addWidget(combo_fxtj_nearqs);
    row->addWidget(sb_fxtj);
    row->addWidget(new QLabel(QStringLiteral("期统计"), bar));
    row->addSpacing(16);
    row->addWidget(rb_fxtj_self);
    row->addWidget(cb_fxtj_from);
    row->addWidget(new QLabel(QStringLiteral("<=统计区域<="), bar));
    row->addWidget(cb_fxtj_to);
    row->addWidget(l_tjq);
    row->addStretch();
    row->addWidget(b_kstj);
    return bar;
}

void Tf_tjq::connectRangeBar() {
    connect(rb_fxtj_nearqs, &QRadioButton::toggled, this, [this](bool on) {
        if (on) chooseNear();
    });
    connect(rb_fxtj_self, &QRadioButton::toggled, this, [this](bool on) {
        if (on) chooseCustom();
    });
    // A chosen item and an edited text that is confirmed both count as a change of the box.
    connect(combo_fxtj_nearqs, &QComboBox::activated, this, [this] { countBoxChanged(); });
    connect(combo_fxtj_nearqs->lineEdit(), &QLineEdit::editingFinished, this, [this] { countBoxChanged(); });
    connect(sb_fxtj, &QScrollBar::valueChanged, this, &Tf_tjq::scrollBarMoved);
    for (QComboBox* list : {cb_fxtj_from, cb_fxtj_to}) {
        connect(list, &QComboBox::activated, this, [this] { issueListChanged(); });
        connect(list->lineEdit(), &QLineEdit::editingFinished, this, [this] { issueListChanged(); });
    }
    connect(b_kstj, &QPushButton::clicked, this, [this] { recompute(); });
}

void Tf_tjq::fillRangeControls() {
    const QSignalBlocker blockFrom(cb_fxtj_from), blockTo(cb_fxtj_to), blockBar(sb_fxtj);
    const t_s_dm& store = workspace().MainStore;
    const int draws = store.Count();
    QStringList issues;
    issues.reserve(draws);
    for (int r = 1; r <= draws; ++r) issues << QString::number(store.Row(r).fields[0]);
    for (QComboBox* list : {cb_fxtj_from, cb_fxtj_to}) {
        list->clear();
        list->addItems(issues);
    }
    if (draws > 0) {
        cb_fxtj_from->setCurrentIndex(statisticsDefaultFromRow(draws) - 1);
        cb_fxtj_to->setCurrentIndex(draws - 1);
    }
    sb_fxtj->setRange(1, std::max(draws, 1));
    const auto near = parseNearCount(toUtf8(combo_fxtj_nearqs->currentText()));
    sb_fxtj->setValue(near && *near > 0 ? *near : draws);
    if (rb_fxtj_self->isChecked()) updateCountLabel();
    pc_tjq->setCurrentWidget(ts_jzd);
}

void Tf_tjq::pageShown() {
    fillRangeControls();
    stale_ = false;
    recompute();
}

void Tf_tjq::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) pageShown();
}

void Tf_tjq::typeChanged(bool reloaded) {
    if (!reloaded) return;
    if (isVisible())
        pageShown();
    else
        stale_ = true;
}

void Tf_tjq::historyChanged() { typeChanged(true); }

void Tf_tjq::chooseNear() {
    l_tjq->clear();
    cb_fxtj_from->setEnabled(false);
    cb_fxtj_to->setEnabled(false);
    combo_fxtj_nearqs->setEnabled(true);
    sb_fxtj->setEnabled(true);
    recompute();
}

void Tf_tjq::chooseCustom() {
    cb_fxtj_from->setEnabled(true);
    cb_fxtj_to->setEnabled(true);
    combo_fxtj_nearqs->setEnabled(false);
    sb_fxtj->setEnabled(false);
    updateCountLabel();
    recompute();
}

void Tf_tjq::countBoxChanged() {
    const auto near = parseNearCount(toUtf8(combo_fxtj_nearqs->currentText()));
    if (near) {
        const QSignalBlocker block(sb_fxtj);
        sb_fxtj->setValue(*near > 0 ? *near : sb_fxtj->maximum());
    }
    recompute();  // an invalid text is reported there
}

void Tf_tjq::scrollBarMoved(int position) {
    combo_fxtj_nearqs->setCurrentText(QString::number(position));
    recompute();
}

void Tf_tjq::issueListChanged() {
    updateCountLabel();
    recompute();
}

std::optional<int> Tf_tjq::issueRow(const QComboBox* list, bool lowerBound) const {
    const auto issue = parseWholeNumber(trimBlanks(toUtf8(list->currentText())));
    if (!issue) return std::nullopt;
    const t_s_dm& store = workspace().MainStore;
    // Issues ascend with the rows, so a typed issue between two draws is bounded by its neighbours.
    int row = lowerBound ? store.Count() + 1 : 0;
    for (int r = 1; r <= store.Count(); ++r) {
        const int32_t at = store.Row(r).fields[0];
        if (lowerBound && at >= *issue) return r;
        if (!lowerBound && at <= *issue) row = r;
    }
    return row;
}

void Tf_tjq::updateCountLabel() {
    const auto from = issueRow(cb_fxtj_from, true);
    const auto to = issueRow(cb_fxtj_to, false);
    l_tjq->setText(from && to ? fromUtf8(customRangeLabel(*from, *to)) : QString());
}

std::optional<StatisticsRange> Tf_tjq::chosenRange() {
    const t_s_dm& store = workspace().MainStore;
    if (rb_fxtj_nearqs->isChecked()) {
        const auto near = parseNearCount(toUtf8(combo_fxtj_nearqs->currentText()));
        if (!near) {
            showMessage(invalidNumberMessage(combo_fxtj_nearqs->currentText()), this);
            return std::nullopt;
        }
        return nearRange(store, *near);
    }
    for (const QComboBox* list : {cb_fxtj_from, cb_fxtj_to})
        if (!parseWholeNumber(trimBlanks(toUtf8(list->currentText())))) {
            showMessage(invalidNumberMessage(list->currentText()), this);
            return std::nullopt;
        }
    return customRange(store, *issueRow(cb_fxtj_from, true), *issueRow(cb_fxtj_to, false));
}

bool Tf_tjq::recompute() {
    const auto range = chosenRange();
    if (!range) return false;
    result_ = computeStatistics(workspace(), *range, itemSheets->divisor());
    ts_jzd->showResult(&result_);
    itemSheets->showRows(result_.items);
    return true;
}

}  // namespace qorvel
