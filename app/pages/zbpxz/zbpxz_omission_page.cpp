#include "app/pages/zbpxz/zbpxz_omission_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"
#include "app/pages/display_modes.h"
#include "app/pages/fxd/fxd_cell_grid.h"
#include "core/views/number_ordering.h"
#include "core/views/omission_cells.h"
#include "core/views/view_colours.h"
#include "ui/image_surface.h"
#include "ui/platform.h"

namespace qorvel {

namespace {

constexpr int kIssueColumnWidth = 64;
constexpr int kLastColumnPadding = 20;
constexpr int kMinZoneParts = 2, kMaxZoneParts = 15;
constexpr int kNarrowestCell = 12, kWidestCell = 60, kCellWidthStep = 2;
constexpr int kNarrowestSharedCell = 16;  // the automatic width never goes below this; the grid scrolls then
constexpr int kIssueDigits = 8;
constexpr const char* kAutomaticWidth = "自动";

QComboBox* combo(const char* name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    return box;
}

QLabel* label(const char* caption, QWidget* parent) { return new QLabel(QString::fromUtf8(caption), parent); }

}  // namespace

ZbpxzOmissionPage::ZbpxzOmissionPage(const DissectionState& state, QWidget* parent) : ZbpxzSubPage(state, parent) {
    setObjectName("ts_ylfb");
    sg_ylfb = new FxdCellGrid(this);
    sg_ylfb->setObjectName("sg_ylfb");
    sg_ylfb->showHeaderRow(omission_colours::kHeader);
    sg_ylfb->setCellPainter([this](DrawSurface& s, const Rect& cell, int row, int col) { paintCell(s, cell, row, col); });
    sg_ylfb->setOverlayPainter([this](DrawSurface& s) { paintLine(s); });
    sg_ylfb->setResizeHandler([this] { layOutColumns(); });
    sg_ylfb->setPressHandler([this](int row, int col, Qt::MouseButton b, QPoint global) { cellPressed(row, col, b, global); });
    l_ylfb_message = new QLabel(this);
    l_ylfb_message->setObjectName("l_ylfb_message");
    l_ylfb_message->setAlignment(Qt::AlignCenter);
    l_ylfb_message->hide();

    pm_ylfb = new QMenu(this);
    pm_ylfb->setObjectName("pm_ylfb");
    addDisplayModeMenu(pm_ylfb, this, displayMode_, [this](int mode) {
        displayMode_ = mode;
        sg_ylfb->repaintCells();
    });
    QAction* clear = pm_ylfb->addAction(QStringLiteral("清除选号区"));
    clear->setObjectName("mi_ylfb_clear");
    connect(clear, &QAction::triggered, this, [this] {
        selection_.clear();
        sg_ylfb->repaintCells();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildControls());
    layout->addWidget(sg_ylfb, 1);
    layout->addWidget(l_ylfb_message, 1);
}

QWidget* ZbpxzOmissionPage::buildControls() {
    auto* box = new QWidget(this);
    cb_ylfb_startfrom = combo("cb_ylfb_startfrom", box);
    cb_ylfb_to = combo("cb_ylfb_to", box);
    // Sized for an issue, not by measuring every one of a few thousand items.
    for (QComboBox* c : {cb_ylfb_startfrom, cb_ylfb_to}) {
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(kIssueDigits);
    }
    b_ylfb_refresh = new QPushButton(QStringLiteral("刷新"), box);
    b_ylfb_refresh->setObjectName("b_ylfb_refresh");
    cb_ylfb_sortaccofq = combo("cb_ylfb_sortaccofq", box);
    for (int k = 0; k < kOrderingKinds; ++k) cb_ylfb_sortaccofq->addItem(fromUtf8(orderingCaption(k)));
    cb_ylfb_fq = combo("cb_ylfb_fq", box);
    for (int parts = kMinZoneParts; parts <= kMaxZoneParts; ++parts) cb_ylfb_fq->addItem(QString::number(parts));
    cb_ylfb_fq->setCurrentIndex(kDefaultMainZoneParts - kMinZoneParts);
    cb_ylfb_specshow = combo("cb_ylfb_specshow", box);
    for (const char* caption : specShowCaptions()) cb_ylfb_specshow->addItem(QString::fromUtf8(caption));
    cb_ylfb_width = combo("cb_ylfb_width", box);
    cb_ylfb_width->addItem(QString::fromUtf8(kAutomaticWidth), 0);
    for (int w = kNarrowestCell; w <= kWidestCell; w += kCellWidthStep) cb_ylfb_width->addItem(QString::number(w), w);
    cb_ylfb_line = new QCheckBox(QStringLiteral("显示折线图"), box);
    cb_ylfb_line->setObjectName("cb_ylfb_line");

    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(cb_ylfb_startfrom);
    row->addWidget(label("至", box));
    row->addWidget(cb_ylfb_to);
    row->addWidget(b_ylfb_refresh);
    row->addSpacing(8);
    row->addWidget(label("按类型排序", box));
    row->addWidget(cb_ylfb_sortaccofq);
    row->addWidget(label("常规顺序分区", box));
    row->addWidget(cb_ylfb_fq);
    row->addWidget(label("按类型显示", box));
    row->addWidget(cb_ylfb_specshow);
    row->addWidget(label("单元格宽度", box));
    row->addWidget(cb_ylfb_width);
    row->addWidget(cb_ylfb_line);
    row->addStretch(1);

    connect(b_ylfb_refresh, &QPushButton::clicked, this, [this] { refresh(); });
    for (QComboBox* c : {cb_ylfb_startfrom, cb_ylfb_to, cb_ylfb_sortaccofq})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { rebuild(); });
    connect(cb_ylfb_fq, &QComboBox::currentIndexChanged, this, [this] {
        rezone();
        sg_ylfb->repaintCells();
    });
    connect(cb_ylfb_specshow, &QComboBox::currentIndexChanged, this, [this] { sg_ylfb->repaintCells(); });
    connect(cb_ylfb_width, &QComboBox::currentIndexChanged, this, [this] {
        layOutColumns();
        // A horizontal scroll bar may appear with the new widths; the newest rows stay in view above it.
        QMetaObject::invokeMethod(sg_ylfb, [this] { sg_ylfb->scrollToBottom(); }, Qt::QueuedConnection);
    });
    connect(cb_ylfb_line, &QCheckBox::toggled, this, [this] { sg_ylfb->repaintCells(); });
    return box;
}

// A new series keeps the controls' choices but not the selection, whose values belong to the old series.
void ZbpxzOmissionPage::opened() {
    fillIssueRange(cb_ylfb_startfrom, cb_ylfb_to);
    selection_.clear();
    tooWide_ = valueRangeTooWide(state_.range.min, state_.range.max);
    table_ = {};
}

void ZbpxzOmissionPage::refresh() {
    tooWide_ = valueRangeTooWide(state_.range.min, state_.range.max);
    rebuild();
    if (tooWide_) showMessage(QString::fromUtf8(kValueRangeTooWide), this);
}

void ZbpxzOmissionPage::rebuild() {
    tooWide_ = valueRangeTooWide(state_.range.min, state_.range.max);
    sg_ylfb->setVisible(!tooWide_);
    l_ylfb_message->setVisible(tooWide_);
    l_ylfb_message->setText(tooWide_ ? QString::fromUtf8(kValueRangeTooWide) : QString());
    table_ = buildValueOmissionTable(state_.input.series, state_.issues, state_.range.min, state_.range.max,
                                     chosenDraw(cb_ylfb_startfrom), chosenDraw(cb_ylfb_to),
                                     cb_ylfb_sortaccofq->currentIndex());
    statistics_ = table_.statisticsRows();
    drawnColumns_ = table_.drawnColumns();
    rezone();
    const int slots = static_cast<int>(table_.ordering.numbers.size());
    sg_ylfb->setColumnCount(slots > 0 ? slots + 2 : 0);
    sg_ylfb->setRowCount(omissionGridRows(table_));
    if (slots > 0) {
        QStringList captions;
        for (const std::string& caption : table_.header()) captions << fromUtf8(caption);
        sg_ylfb->setHorizontalHeaderLabels(captions);
    }
    layOutColumns();
    if (!table_.rows.empty()) {
        // The newest draws with the selection and statistics rows under them.
        sg_ylfb->setCurrentCell(static_cast<int>(table_.rows.size()) - 1, 1);
        sg_ylfb->scrollToBottom();
    }
    sg_ylfb->repaintCells();
}

void ZbpxzOmissionPage::rezone() {
    zones_ = columnZones(table_.ordering, cb_ylfb_sortaccofq->currentIndex(), cb_ylfb_fq->currentIndex() + kMinZoneParts);
}

int ZbpxzOmissionPage::cellWidth() const {
    const int chosen = cb_ylfb_width->currentData().toInt();
    if (chosen > 0) return chosen;
    const int slots = static_cast<int>(table_.ordering.numbers.size());
    if (slots == 0) return kNarrowestSharedCell;
    const int last = sg_ylfb->columnCount() > 0 ? sg_ylfb->columnWidth(slots + 1) : 0;
    const int client = sg_ylfb->width() - 2 * sg_ylfb->frameWidth() - sg_ylfb->verticalScrollBar()->sizeHint().width();
    return std::max(kNarrowestSharedCell, (client - kIssueColumnWidth - last) / slots - 1);
}

void ZbpxzOmissionPage::layOutColumns() {
    const int slots = static_cast<int>(table_.ordering.numbers.size());
    if (slots == 0) return;
    // The last column holds one value; it is as wide as its caption or the widest value, measured in the
    // font the cells are painted with.
    ImageSurface probe(1, 1);
    int last = probe.measureText(kOmissionValueCaption, Font{}).width;
    for (int32_t v : {state_.range.min, state_.range.max})
        last = std::max(last, probe.measureText(std::to_string(v), Font{}).width);
    sg_ylfb->setColumnWidth(0, kIssueColumnWidth);
    sg_ylfb->setColumnWidth(slots + 1, last + kLastColumnPadding);
    const int width = cellWidth();
    for (int s = 1; s <= slots; ++s) sg_ylfb->setColumnWidth(s, width);
}

OmissionCellsView ZbpxzOmissionPage::cellsView() {
    OmissionCellsView view;
    view.table = &table_;
    view.statistics = &statistics_;
    view.zones = &zones_;
    view.specShow = cb_ylfb_specshow->currentIndex();
    view.ball = ballMode(displayMode_);
    view.numberOnMark = numberOnMark(displayMode_);
    view.selectedTile = [this](int value) { return selection_.count(value) ? kOmissionDrawnTile : -1; };
    return view;
}

void ZbpxzOmissionPage::paintCell(DrawSurface& s, const Rect& cell, int row, int col) {
    paintOmissionCell(s, cell, cellsView(), row, col);
}

// The line joins the drawn cells of the rows in view and of the row just beyond each edge; a row whose
// value the type filter hides, or that lies outside the columns, breaks it.
void ZbpxzOmissionPage::paintLine(DrawSurface& s) {
    if (!cb_ylfb_line->isChecked() || table_.rows.empty()) return;
    const int dataRows = static_cast<int>(table_.rows.size());
    const int top = sg_ylfb->rowAt(0), bottom = sg_ylfb->rowAt(sg_ylfb->viewport()->height() - 1);
    const int first = std::max(0, (top < 0 ? 0 : top) - 1);
    const int last = std::min(dataRows - 1, (bottom < 0 ? dataRows - 1 : bottom) + 1);
    const int filter = cb_ylfb_specshow->currentIndex();
    std::vector<Point> centres;
    std::vector<std::pair<int, QRect>> marks;
    for (int r = first; r <= last; ++r) {
        const int slot = drawnColumns_[static_cast<std::size_t>(r)];
        if (slot < 0 || !passesSpecShow(filter, table_.ordering.numbers[static_cast<std::size_t>(slot)])) {
            centres.push_back({-1, -1});
            continue;
        }
        const QRect rect = sg_ylfb->visualRect(sg_ylfb->model()->index(r, slot + 1));
        centres.push_back({rect.center().x(), rect.center().y()});
        marks.emplace_back(r, rect);
    }
    drawOmissionLine(s, centres);
    // The marks stay on top of the line, so their numbers remain readable.
    const OmissionCellsView view = cellsView();
    for (const auto& [r, rect] : marks)
        paintOmissionDrawnMark(s, toRect(rect), view, r, drawnColumns_[static_cast<std::size_t>(r)] + 1);
}

void ZbpxzOmissionPage::cellPressed(int row, int col, Qt::MouseButton button, QPoint globalPos) {
    const int slots = static_cast<int>(table_.ordering.numbers.size());
    if (button == Qt::RightButton) {
        pm_ylfb->popup(globalPos);
        return;
    }
    if (button != Qt::LeftButton || row != omissionSelectionRow(table_) || table_.rows.empty() || col < 1 || col > slots)
        return;
    const int value = table_.ordering.numbers[static_cast<std::size_t>(col - 1)];
    if (!selection_.erase(value)) selection_.insert(value);
    sg_ylfb->repaintCells();
}

}  // namespace qorvel
