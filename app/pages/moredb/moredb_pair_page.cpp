#include "app/pages/moredb/moredb_pair_page.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringList>
#include <QTableView>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/pages/u_zh.h"

namespace qorvel {

namespace {

constexpr int kIssuesBeforeLast = 99;  // "from" is preset to the 100th-last issue
constexpr int kScrollPageStep = 10;

const QColor kHeaderBackground(255, 203, 179);
const QColor kAffineBackground(255, 0, 0);
const QColor kHostileBackground(0, 128, 0);
const QColor kNeutralBackground(209, 254, 254);

QColor backgroundOf(PairKind kind) {
    switch (kind) {
        case PairKind::Affine: return kAffineBackground;
        case PairKind::Hostile: return kHostileBackground;
        case PairKind::Neutral: break;
    }
    return kNeutralBackground;
}

QComboBox* limitCombo(const char* name, int preset, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    QStringList items;
    for (int v = 0; v <= kPairLimitMax; ++v) items << QString::number(v);
    combo->addItems(items);
    combo->setCurrentIndex(preset);
    combo->setMaxVisibleItems(20);
    return combo;
}

}  // namespace

// The pair table as the view reads it: model row and column i stand for the number i + 1; the headers
// carry the numbers, each cell the count of its pair, coloured by the limits.
class PairAffinityModel : public QAbstractTableModel {
  public:
    explicit PairAffinityModel(QObject* parent) : QAbstractTableModel(parent) {}

    void setAffinity(const PairAffinity* affinity) {
        beginResetModel();
        affinity_ = affinity;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !affinity_ ? 0 : affinity_->highest;
    }
    int columnCount(const QModelIndex& parent = {}) const override { return rowCount(parent); }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!affinity_ || !index.isValid()) return {};
        const int a = index.row() + 1;
        const int b = index.column() + 1;
        switch (role) {
            case Qt::DisplayRole: return fromUtf8(affinity_->cellText(a, b));
            case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
            case Qt::BackgroundRole: return backgroundOf(affinity_->kindOf(a, b));
            case Qt::ForegroundRole: return QColor(Qt::black);
            default: return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation, int role) const override {
        if (!affinity_ || section < 0 || section >= affinity_->highest) return {};
        switch (role) {
            case Qt::DisplayRole: return QString::number(section + 1);
            case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
            case Qt::BackgroundRole: return kHeaderBackground;
            default: return {};
        }
    }

  private:
    const PairAffinity* affinity_ = nullptr;
};

MoredbPairPage::MoredbPairPage(QWidget* parent) : QWidget(parent) {
    setObjectName("ts_xsxk");

    auto* conditions = new QGroupBox(QStringLiteral("生克条件"), this);
    rb_xsxk_nearqs = new QRadioButton(QStringLiteral("近"), conditions);
    rb_xsxk_nearqs->setObjectName("rb_xsxk_nearqs");
    rb_xsxk_nearqs->setChecked(true);
    combo_xsxk_nearqs = new QComboBox(conditions);
    combo_xsxk_nearqs->setObjectName("combo_xsxk_nearqs");
    // Editable: the scroll bar writes any count into it, and a count may be typed.
    combo_xsxk_nearqs->setEditable(true);
    for (const char* choice : kNearChoices) combo_xsxk_nearqs->addItem(QString::fromUtf8(choice));
    combo_xsxk_nearqs->setCurrentIndex(combo_xsxk_nearqs->findText(QString::fromUtf8(kDefaultNearChoice)));
    sb_xsxk = new QScrollBar(Qt::Horizontal, conditions);
    sb_xsxk->setObjectName("sb_xsxk");
    sb_xsxk->setRange(1, 1);
    sb_xsxk->setPageStep(kScrollPageStep);
    sb_xsxk->setMinimumWidth(160);
    rb_xsxk_self = new QRadioButton(QStringLiteral("自定义"), conditions);
    rb_xsxk_self->setObjectName("rb_xsxk_self");
    cb_xsxk_from = new QComboBox(conditions);
    cb_xsxk_from->setObjectName("cb_xsxk_from");
    cb_xsxk_to = new QComboBox(conditions);
    cb_xsxk_to->setObjectName("cb_xsxk_to");
    l_xsxk = new QLabel(conditions);
    l_xsxk->setObjectName("l_xsxk");
    cb_xsxk_xs = limitCombo("cb_xsxk_xs", kDefaultAffineLimit, conditions);
    cb_xsxk_xk = limitCombo("cb_xsxk_xk", kDefaultHostileLimit, conditions);
    auto* conditionGrid = new QGridLayout(conditions);
    conditionGrid->addWidget(rb_xsxk_nearqs, 0, 0);
    conditionGrid->addWidget(combo_xsxk_nearqs, 0, 1);
    conditionGrid->addWidget(sb_xsxk, 0, 2, 1, 3);
    conditionGrid->addWidget(new QLabel(QStringLiteral("相生：次数大于"), conditions), 0, 5);
    conditionGrid->addWidget(cb_xsxk_xs, 0, 6);
    conditionGrid->addWidget(rb_xsxk_self, 1, 0);
    conditionGrid->addWidget(cb_xsxk_from, 1, 1, 1, 2);
    conditionGrid->addWidget(new QLabel(QStringLiteral("<=统计区域<="), conditions), 1, 3);
    conditionGrid->addWidget(cb_xsxk_to, 1, 4);
    conditionGrid->addWidget(new QLabel(QStringLiteral("相克：次数小于"), conditions), 1, 5);
    conditionGrid->addWidget(cb_xsxk_xk, 1, 6);
    conditionGrid->addWidget(l_xsxk, 1, 7);
    conditionGrid->setColumnStretch(8, 1);

    auto* lists = new QGroupBox(QStringLiteral("生克列表"), this);
    affineCountLabel = new QLabel(lists);
    affineCountLabel->setObjectName("affineCountLabel");
    hostileCountLabel = new QLabel(lists);
    hostileCountLabel->setObjectName("hostileCountLabel");
    lb_xsxk_xs = new QListWidget(lists);
    lb_xsxk_xs->setObjectName("lb_xsxk_xs");
    lb_xsxk_xk = new QListWidget(lists);
    lb_xsxk_xk->setObjectName("lb_xsxk_xk");
    b_xsxk_filter = new QPushButton(QStringLiteral("过滤条件"), lists);
    b_xsxk_filter->setObjectName("b_xsxk_filter");
    auto* listGrid = new QGridLayout(lists);
    listGrid->addWidget(affineCountLabel, 0, 0);
    listGrid->addWidget(hostileCountLabel, 0, 1);
    listGrid->addWidget(lb_xsxk_xs, 1, 0);
    listGrid->addWidget(lb_xsxk_xk, 1, 1);
    listGrid->addWidget(b_xsxk_filter, 2, 0, 1, 2);
    const int listWidth = QFontMetrics(font()).horizontalAdvance(QStringLiteral("00:00==>1000次")) + 40;
    // The grid takes the width the lists do not need.
    lb_xsxk_xs->setFixedWidth(listWidth);
    lb_xsxk_xk->setFixedWidth(listWidth);

    sg_xsxk = new QTableView(this);
    sg_xsxk->setObjectName("sg_xsxk");
    model_ = new PairAffinityModel(sg_xsxk);
    sg_xsxk->setModel(model_);
    sg_xsxk->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg_xsxk->setSelectionMode(QAbstractItemView::SingleSelection);
    // Square cells as wide as " 01 "; the headers are the numbered row 0 and column 0.
    const int cell = QFontMetrics(sg_xsxk->font()).horizontalAdvance(QStringLiteral(" 01 "));
    for (QHeaderView* header : {sg_xsxk->horizontalHeader(), sg_xsxk->verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setDefaultSectionSize(cell);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(false);
        header->setStyleSheet(
            QStringLiteral("QHeaderView::section { background-color: rgb(%1,%2,%3); color: black; padding: 0px;"
                           " border: 1px solid rgb(192,192,192); }")
                .arg(kHeaderBackground.red())
                .arg(kHeaderBackground.green())
                .arg(kHeaderBackground.blue()));
    }
    sg_xsxk->horizontalHeader()->setFixedHeight(cell);
    sg_xsxk->verticalHeader()->setFixedWidth(cell);
    sg_xsxk->setStyleSheet(QStringLiteral("QTableCornerButton::section { background-color: rgb(%1,%2,%3); }")
                               .arg(kHeaderBackground.red())
                               .arg(kHeaderBackground.green())
                               .arg(kHeaderBackground.blue()));

    auto* body = new QHBoxLayout;
    body->addWidget(sg_xsxk, 1);
    body->addWidget(lists);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(conditions);
    layout->addLayout(body, 1);

    connect(rb_xsxk_nearqs, &QRadioButton::toggled, this, [this] { rangeChoiceChanged(); });
    connect(combo_xsxk_nearqs, &QComboBox::currentTextChanged, this, [this] { nearChoiceChanged(); });
    connect(sb_xsxk, &QScrollBar::valueChanged, this, [this](int position) { scrollBarMoved(position); });
    for (QComboBox* issue : {cb_xsxk_from, cb_xsxk_to})
        connect(issue, &QComboBox::currentIndexChanged, this, [this] {
            updateRangeLabel();
            recompute();
        });
    for (QComboBox* limit : {cb_xsxk_xs, cb_xsxk_xk})
        connect(limit, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    connect(b_xsxk_filter, &QPushButton::clicked, this, [] {
        if (f_zh) f_zh->addforselfcond();
    });

    rangeChoiceChanged();
}

void MoredbPairPage::fillIssueCombos() {
    const t_s_dm& store = workspace().MainStore;
    QStringList issues;
    for (int r = 1; r <= store.Count(); ++r) issues << QString::number(store.Row(r).fields[0]);
    for (QComboBox* combo : {cb_xsxk_from, cb_xsxk_to}) {
        const QSignalBlocker blocker(combo);
        combo->clear();
        combo->addItems(issues);
    }
    if (!issues.isEmpty()) {
        const QSignalBlocker fromBlocker(cb_xsxk_from);
        const QSignalBlocker toBlocker(cb_xsxk_to);
        cb_xsxk_from->setCurrentIndex(std::max(0, static_cast<int>(issues.size()) - 1 - kIssuesBeforeLast));
        cb_xsxk_to->setCurrentIndex(static_cast<int>(issues.size()) - 1);
    }
    updateRangeLabel();
}

void MoredbPairPage::sheetShown() {
    {
        const QSignalBlocker blocker(sb_xsxk);
        const int draws = workspace().MainStore.Count();
        sb_xsxk->setRange(1, std::max(1, draws));
        const int n = nearChoiceDraws(toUtf8(combo_xsxk_nearqs->currentText()), draws);
        if (n >= 0) sb_xsxk->setValue(n);
    }
    recompute();
}

// "近" opens its combo and scroll bar, "自定义" the issue combos; the label counts the custom range.
void MoredbPairPage::rangeChoiceChanged() {
    const bool nearChosen = rb_xsxk_nearqs->isChecked();
    combo_xsxk_nearqs->setEnabled(nearChosen);
    sb_xsxk->setEnabled(nearChosen);
    cb_xsxk_from->setEnabled(!nearChosen);
    cb_xsxk_to->setEnabled(!nearChosen);
    updateRangeLabel();
    recompute();
}

// The combo moves the bar (to the end for "所有"); the bar's own signal is held so the text stays.
void MoredbPairPage::nearChoiceChanged() {
    const int n = nearChoiceDraws(toUtf8(combo_xsxk_nearqs->currentText()), workspace().MainStore.Count());
    if (n >= 0) {
        const QSignalBlocker blocker(sb_xsxk);
        sb_xsxk->setValue(n);
    }
    // The user may still be typing into the combo: the grid does not take the focus.
    recompute(false);
}

void MoredbPairPage::scrollBarMoved(int position) {
    {
        const QSignalBlocker blocker(combo_xsxk_nearqs);
        combo_xsxk_nearqs->setCurrentText(QString::number(position));
    }
    // Taking the focus would end a drag or a key repeat on the bar.
    recompute(false);
}

void MoredbPairPage::updateRangeLabel() {
    if (rb_xsxk_nearqs->isChecked() || cb_xsxk_from->currentIndex() < 0 || cb_xsxk_to->currentIndex() < 0) {
        l_xsxk->clear();
        return;
    }
    l_xsxk->setText(fromUtf8(customRangeText(cb_xsxk_from->currentIndex(), cb_xsxk_to->currentIndex())));
}

PairDrawRange MoredbPairPage::chosenRange() const {
    const t_s_dm& store = workspace().MainStore;
    if (rb_xsxk_nearqs->isChecked()) return nearDrawsRange(store, toUtf8(combo_xsxk_nearqs->currentText()));
    bool fromOk = false, toOk = false;
    const int from = cb_xsxk_from->currentText().toInt(&fromOk);
    const int to = cb_xsxk_to->currentText().toInt(&toOk);
    if (!fromOk || !toOk) return {};
    return customDrawsRange(store, from, to);
}

void MoredbPairPage::recompute(bool takeFocus) {
    const Workspace& ws = workspace();
    model_->setAffinity(nullptr);
    affinity_ = pairAffinity(ws.MainStore, ws.params, chosenRange(), cb_xsxk_xs->currentIndex(),
                             cb_xsxk_xk->currentIndex());
    model_->setAffinity(&affinity_);

    lb_xsxk_xs->clear();
    lb_xsxk_xk->clear();
    for (const std::string& line : affinity_.affine) lb_xsxk_xs->addItem(fromUtf8(line));
    for (const std::string& line : affinity_.hostile) lb_xsxk_xk->addItem(fromUtf8(line));
    affineCountLabel->setText(fromUtf8(affineCountText(lb_xsxk_xs->count())));
    hostileCountLabel->setText(fromUtf8(hostileCountText(lb_xsxk_xk->count())));

    if (affinity_.highest > 0) sg_xsxk->setCurrentIndex(model_->index(0, 0));
    if (takeFocus) sg_xsxk->setFocus();
}

}  // namespace qorvel
