#include "app/pages/fxd/fxd_omission_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"
#include "app/pages/fxd/fxd_cell_grid.h"
#include "app/pages/u_fxd.h"
#include "text/number_text.h"
#include "ui/image_surface.h"
#include "ui/platform.h"
#include "views/distribution_marks.h"
#include "views/number_ordering.h"
#include "views/omission_cells.h"
#include "views/view_colours.h"

namespace qorvel {

namespace {

constexpr int kIssueColumnWidth = 64;
constexpr int kTailColumnWidth = 60;
constexpr int kLastColumnPadding = 20;
constexpr int kMinZoneParts = 2, kMaxZoneParts = 15;
constexpr const char* kMainNumbersSample = "01 02 03 04 05 06 07 08";
constexpr const char* kTailsSample = "0 1 2 3 4 5 6 7 8 9";
QComboBox* combo(const QString& name, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    return c;
}

}  // namespace

FxdOmissionView::FxdOmissionView(Tf_fxd* page, QWidget* parent, bool tails) : FxdView(page, parent), tails_(tails) {
    const QString range = tails ? "wsyltb" : "zhyltb";
    const QString prefix = tails ? "cb_ws_" : "cb_";
    cb_startfrom = combo("cb_" + range + "_startfrom", this);
    cb_to = combo("cb_" + range + "_to", this);
    b_refresh = new QPushButton(QString::fromUtf8("刷新"), this);
    b_refresh->setObjectName("b_" + range + "_refresh");
    cb_sortaccofq = combo(prefix + "sortaccofq", this);
    for (int k = 0; k < kOrderingKinds; ++k) cb_sortaccofq->addItem(fromUtf8(orderingCaption(k)));
    cb_fq = combo(prefix + "fq", this);
    for (int parts = kMinZoneParts; parts <= kMaxZoneParts; ++parts) cb_fq->addItem(QString::number(parts));
    cb_fq->setCurrentIndex((tails ? kDefaultTailZoneParts : kDefaultMainZoneParts) - kMinZoneParts);
    cb_specshow = combo(prefix + "specshow", this);
    for (const char* caption : specShowCaptions()) cb_specshow->addItem(QString::fromUtf8(caption));

    sg_table = new FxdCellGrid(this);
    sg_table->setObjectName(tails ? "sg_wsyltb" : "sg_zhyltb");
    sg_table->showHeaderRow(omission_colours::kHeader);
    sg_table->setCellPainter([this](DrawSurface& s, const Rect& cell, int row, int col) { paintCell(s, cell, row, col); });
    sg_table->setResizeHandler([this] {
        layOutColumns();
        if (!table_.rows.empty() && sg_table->currentRow() == static_cast<int>(table_.rows.size()) - 1)
            sg_table->scrollToBottom();
    });
    sg_table->setPressHandler([this](int row, int col, Qt::MouseButton b, QPoint global) { cellPressed(row, col, b, global); });

    connect(b_refresh, &QPushButton::clicked, this, [this] { rebuild(); });
    for (QComboBox* c : {cb_startfrom, cb_to, cb_sortaccofq})
        connect(c, &QComboBox::currentIndexChanged, this, [this] {
            if (!filling_) rebuild();
        });
    for (QComboBox* c : {cb_fq, cb_specshow})
        connect(c, &QComboBox::currentIndexChanged, this, [this] {
            if (filling_) return;
            zones_ = columnZones(table_.ordering, cb_sortaccofq->currentIndex(), cb_fq->currentIndex() + kMinZoneParts);
            sg_table->repaintCells();
        });

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QString::fromUtf8("从"), this));
    bar->addWidget(cb_startfrom);
    bar->addWidget(new QLabel(QString::fromUtf8("至"), this));
    bar->addWidget(cb_to);
    bar->addWidget(b_refresh);
    bar->addSpacing(12);
    bar->addWidget(cb_sortaccofq);
    bar->addWidget(new QLabel(QString::fromUtf8("常规顺序分区"), this));
    bar->addWidget(cb_fq);
    bar->addWidget(new QLabel(QString::fromUtf8("按类型显示"), this));
    bar->addWidget(cb_specshow);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(sg_table, 1);
}

void FxdOmissionView::fillRangeCombos() {
    const t_s_dm& store = workspace().MainStore;
    const int count = store.Count();
    // The choice survives a refresh while its issue is still there; an end on the last draw stays there.
    const QString from = cb_startfrom->currentText();
    const bool toLast = cb_to->count() == 0 || cb_to->currentIndex() == cb_to->count() - 1;
    const QString to = cb_to->currentText();
    filling_ = true;
    cb_startfrom->clear();
    cb_to->clear();
    for (int r = 1; r <= count; ++r) {
        const QString issue = QString::number(store.Row(r).fields[0]);
        cb_startfrom->addItem(issue);
        cb_to->addItem(issue);
    }
    const int fromAt = cb_startfrom->findText(from);
    cb_startfrom->setCurrentIndex(fromAt >= 0 ? fromAt : omissionDefaultFromRow(count) - 1);
    const int toAt = cb_to->findText(to);
    cb_to->setCurrentIndex(!toLast && toAt >= 0 ? toAt : count - 1);
    filling_ = false;
}

void FxdOmissionView::refresh() {
    fillRangeCombos();
    rebuild();
}

void FxdOmissionView::rebuild() {
    Workspace& ws = workspace();
    const int kind = cb_sortaccofq->currentIndex();
    const int fromRow = cb_startfrom->currentIndex() + 1, toRow = cb_to->currentIndex() + 1;
    table_ = tails_ ? buildTailOmissionTable(ws.MainStore, ws.params, fromRow, toRow, kind)
                    : buildNumberOmissionTable(ws.MainStore, ws.params, fromRow, toRow, kind);
    zones_ = columnZones(table_.ordering, kind, cb_fq->currentIndex() + kMinZoneParts);
    header_ = table_.header();
    statistics_ = table_.statisticsRows();
    const int dataRows = static_cast<int>(table_.rows.size());
    sg_table->setColumnCount(static_cast<int>(table_.ordering.numbers.size()) + 2);
    sg_table->setRowCount(omissionGridRows(table_));
    QStringList captions;
    for (const std::string& caption : header_) captions << fromUtf8(caption);
    sg_table->setHorizontalHeaderLabels(captions);
    layOutColumns();
    if (dataRows > 0) {
        // The newest draws with the selection and statistics rows under them.
        sg_table->setCurrentCell(dataRows - 1, 1);
        sg_table->scrollToBottom();
    }
    sg_table->repaintCells();
}

void FxdOmissionView::layOutColumns() {
    const int slots = static_cast<int>(table_.ordering.numbers.size());
    // Measured in the font the cells are painted with.
    ImageSurface probe(1, 1);
    const int last = probe.measureText(tails_ ? kTailsSample : kMainNumbersSample, Font{}).width + kLastColumnPadding;
    sg_table->setColumnWidth(0, kIssueColumnWidth);
    sg_table->setColumnWidth(slots + 1, last);
    const int client = sg_table->width() - 2 * sg_table->frameWidth() - sg_table->verticalScrollBar()->sizeHint().width();
    const int shared = slots > 0 ? std::max(16, (client - kIssueColumnWidth - last) / slots - 1) : 0;
    for (int s = 1; s <= slots; ++s) sg_table->setColumnWidth(s, tails_ ? kTailColumnWidth : shared);
}

void FxdOmissionView::paintCell(DrawSurface& s, const Rect& cell, int row, int col) {
    OmissionCellsView view;
    view.table = &table_;
    view.statistics = &statistics_;
    view.zones = &zones_;
    view.specShow = cb_specshow->currentIndex();
    view.ball = page()->ballMode();
    view.numberOnMark = page()->numberOnMark();
    // A selected main number is a ball of tile 0; a tail's state s > 0 is a ball of tile s − 1.
    view.selectedTile = [this](int n) {
        const int state = tails_ ? tailStates_[static_cast<std::size_t>(n)] : (selection_[static_cast<std::size_t>(n)] ? 1 : 0);
        return state - 1;
    };
    paintOmissionCell(s, cell, view, row, col);
}

void FxdOmissionView::cellPressed(int row, int col, Qt::MouseButton button, QPoint globalPos) {
    const int slots = static_cast<int>(table_.ordering.numbers.size());
    if (row != selectionRow() || table_.rows.empty()) {
        if (button == Qt::RightButton) page()->popupViewMenu(this, nullptr, globalPos);
        return;
    }
    if (button == Qt::RightButton) {
        // The tail selection is cleared at once; it cannot go into the forecast row.
        if (tails_)
            clearSelection();
        else
            page()->popupSelectionMenu(this, globalPos);
        return;
    }
    if (button != Qt::LeftButton || col < 1 || col > slots) return;
    const int n = table_.ordering.numbers[col - 1];
    if (tails_)
        tailStates_[n] = nextTailSelectionState(tailStates_[n]);
    else
        selection_[n] = !selection_[n];
    sg_table->repaintCells();
}

bool FxdOmissionView::scrollStep(int direction) {
    QScrollBar* bar = sg_table->verticalScrollBar();
    const int before = bar->value();
    // One row a step.
    bar->setValue(before + direction * sg_table->verticalHeader()->defaultSectionSize());
    return bar->value() != before;
}

void FxdOmissionView::displayModeChanged() { sg_table->repaintCells(); }

void FxdOmissionView::clearSelection() {
    selection_ = {};
    tailStates_ = {};
    sg_table->repaintCells();
}

std::vector<int> FxdOmissionView::selectedMainNumbers() const {
    return tails_ ? std::vector<int>{} : selectedNumbers(selection_);
}

void FxdOmissionView::importSelection() {
    if (tails_) return;
    Workspace& ws = workspace();
    const std::string message = writeForecastRow(ws.MainStore, ws.params, selectedNumbers(selection_));
    if (!message.empty()) {
        showMessage(fromUtf8(message), this);
        return;
    }
    // The range now ends on the forecast row.
    fillRangeCombos();
    filling_ = true;
    cb_to->setCurrentIndex(cb_to->count() - 1);
    filling_ = false;
    rebuild();
}

void FxdOmissionView::clearForecast() {
    if (!clearForecastRow(workspace().MainStore)) return;
    fillRangeCombos();
    filling_ = true;
    cb_to->setCurrentIndex(cb_to->count() - 1);
    filling_ = false;
    rebuild();
}

}  // namespace qorvel
