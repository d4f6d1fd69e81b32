#include "app/pages/zbpxz/zbpxz_property_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "app/app_state.h"
#include "app/dialogs/zbpxz/component_dialog.h"
#include "app/dialogs/zbpxz/zone_viewer_dialog.h"
#include "app/pages/display_modes.h"
#include "app/pages/fxd/fxd_cell_grid.h"
#include "core/views/ball_picture.h"
#include "core/views/omission_table.h"
#include "core/views/view_colours.h"
#include "ui/image_surface.h"

namespace qorvel {

namespace {

constexpr int kIssueColumnWidth = 64;
constexpr int kValueColumnWidth = 48;
constexpr int kHeaderLineHeight = 20;
constexpr int kBallStyle = 2;    // the 46-pixel masked strip
constexpr int kSquareStyle = 1;  // the opaque strip
constexpr int kHitTile = 0;
constexpr int kSelectedTile = 1;
constexpr const char* kIssueCaption = "期号";
constexpr const char* kValueCaption = "数值";

Colour colourOf(RgbColour c) { return rgbColour(c.r, c.g, c.b); }

void centredText(DrawSurface& s, const Rect& cell, const std::string& text, Colour colour) {
    if (text.empty()) return;
    Font font;
    font.colour = colour;
    const TextSize size = s.measureText(text, font);
    s.text({cell.left + (cell.width() - size.width) / 2, cell.top + (cell.height() - size.height) / 2}, text, font);
}

// The columns a header caption spans: the issue and value columns stand alone; a component's name spans
// its class columns above their captions.
struct HeaderBand {
    int first = 0, last = 0;
    int component = -1;  // -1 for the issue and value columns
    std::string name, caption;
};

// The two-line header: each section paints the whole band it belongs to, clipped to itself, so a name
// reads centred across its component's columns whatever is scrolled into view.
class PropertyHeader : public QHeaderView {
  public:
    using BandOf = std::function<HeaderBand(int section)>;

    PropertyHeader(BandOf bandOf, QWidget* parent) : QHeaderView(Qt::Horizontal, parent), bandOf_(std::move(bandOf)) {
        setSectionResizeMode(QHeaderView::Fixed);
        setHighlightSections(false);
        setSectionsClickable(false);
        setMinimumSectionSize(kMinPropertyCellWidth - 2);
        setFixedHeight(2 * kHeaderLineHeight);
    }

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        const HeaderBand band = bandOf_(section);
        painter->save();
        painter->setClipRect(rect);
        PainterSurface s(*painter, viewport()->width(), height());
        const Rect cell = toRect(rect);
        const Colour background = colourOf(omission_colours::kHeader);
        const Pen border{rgbColour(208, 208, 208), 1};
        if (band.component < 0) {
            s.fill(cell, background);
            centredText(s, cell, band.name, kBlack);
        } else {
            const int left = sectionViewportPosition(band.first);
            const int right = sectionViewportPosition(band.last) + sectionSize(band.last);
            const Rect top{left, cell.top, right, cell.top + kHeaderLineHeight};
            const Rect bottom{cell.left, cell.top + kHeaderLineHeight, cell.right, cell.bottom};
            s.fill(top, colourOf(zoneBackground(band.component)));
            centredText(s, top, band.name, kBlack);
            s.line({top.left, top.bottom - 1}, {top.right, top.bottom - 1}, border);
            s.fill(bottom, background);
            centredText(s, bottom, band.caption, kBlack);
            s.line({right - 1, top.top}, {right - 1, top.bottom}, border);
        }
        s.line({cell.right - 1, band.component < 0 ? cell.top : cell.top + kHeaderLineHeight},
               {cell.right - 1, cell.bottom}, border);
        painter->restore();
    }

  private:
    BandOf bandOf_;
};

QPushButton* button(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    return b;
}

QComboBox* combo(const char* name, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    return c;
}

}  // namespace

ZbpxzPropertyPage::ZbpxzPropertyPage(const DissectionState& state, QWidget* parent) : ZbpxzSubPage(state, parent) {
    setObjectName("ts_txtb");
    cb_txtb_from = combo("cb_txtb_from", this);
    cb_txtb_to = combo("cb_txtb_to", this);
    cb_txtb_width = combo("cb_txtb_width", this);
    for (int w = kMinPropertyCellWidth; w <= kMaxPropertyCellWidth; w += kPropertyCellWidthStep)
        cb_txtb_width->addItem(QString::number(w));
    cb_txtb_width->setCurrentText(QString::number(kDefaultPropertyCellWidth));
    b_txtb_refresh = button("刷新", "b_txtb_refresh", this);
    b_txtb_zj = button("组件设置", "b_txtb_zj", this);
    b_txtb_fq = button("分区及范围", "b_txtb_fq", this);

    sg_txtb = new FxdCellGrid(this);
    sg_txtb->setObjectName("sg_txtb");
    sg_txtb->setHorizontalHeader(new PropertyHeader(
        [this](int section) {
            HeaderBand band;
            if (section < kPropertyFixedColumns) {
                band.first = band.last = section;
                band.name = section == 0 ? kIssueCaption : kValueCaption;
                return band;
            }
            const std::size_t col = static_cast<std::size_t>(section - kPropertyFixedColumns);
            if (col >= table_.columns.size()) return band;
            const PropertyColumn& c = table_.columns[col];
            const PropertyComponent& k = table_.components[static_cast<std::size_t>(c.component)];
            band.component = c.component;
            band.first = kPropertyFixedColumns + k.firstColumn;
            band.last = band.first + k.meaning.parts - 1;
            band.name = k.name;
            band.caption = c.caption;
            return band;
        },
        sg_txtb));
    sg_txtb->horizontalHeader()->show();
    sg_txtb->setCellPainter([this](DrawSurface& s, const Rect& cell, int row, int col) { paintCell(s, cell, row, col); });
    sg_txtb->setPressHandler([this](int row, int col, Qt::MouseButton b, QPoint global) { cellPressed(row, col, b, global); });

    pm_txtb = new QMenu(this);
    pm_txtb->setObjectName("pm_txtb");
    addDisplayModeMenu(pm_txtb, this, displayMode_, [this](int mode) { setDisplayMode(mode); });
    pm_txtb->addSeparator();
    QAction* clear = pm_txtb->addAction(QString::fromUtf8("清除选号区"));
    clear->setObjectName("mi_clearselection");
    connect(clear, &QAction::triggered, this, [this] { clearSelection(); });

    connect(b_txtb_refresh, &QPushButton::clicked, this, [this] { rebuild(); });
    connect(b_txtb_zj, &QPushButton::clicked, this, [this] { chooseComponents(); });
    connect(b_txtb_fq, &QPushButton::clicked, this, [this] { showZones(); });
    for (QComboBox* c : {cb_txtb_from, cb_txtb_to})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { rebuild(); });
    connect(cb_txtb_width, &QComboBox::currentIndexChanged, this, [this] { layOutColumns(); });

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QString::fromUtf8("从"), this));
    bar->addWidget(cb_txtb_from);
    bar->addWidget(new QLabel(QString::fromUtf8("至"), this));
    bar->addWidget(cb_txtb_to);
    bar->addWidget(b_txtb_refresh);
    bar->addSpacing(12);
    bar->addWidget(new QLabel(QString::fromUtf8("单元格宽度"), this));
    bar->addWidget(cb_txtb_width);
    bar->addSpacing(12);
    bar->addWidget(b_txtb_zj);
    bar->addWidget(b_txtb_fq);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(sg_txtb, 1);
}

void ZbpxzPropertyPage::opened() {
    fillIssueRange(cb_txtb_from, cb_txtb_to);
    selection_.clear();
    columnKeys_.clear();
    table_ = {};
    sg_txtb->setRowCount(0);
    sg_txtb->setColumnCount(0);
}

void ZbpxzPropertyPage::refresh() { rebuild(); }

void ZbpxzPropertyPage::rebuild() {
    table_ = buildPropertyTable(state_.input.series, state_.issues, state_.range, workspace().numberClasses,
                                chosenDraw(cb_txtb_from), chosenDraw(cb_txtb_to));
    // The selection belongs to the classes it was made under; other components start it afresh.
    std::vector<std::string> keys;
    for (const PropertyComponent& k : table_.components) keys.push_back(k.name);
    if (keys != columnKeys_ || selection_.size() != table_.columns.size()) {
        columnKeys_ = std::move(keys);
        selection_.assign(table_.columns.size(), false);
    }
    const int dataRows = static_cast<int>(table_.rows.size());
    sg_txtb->setColumnCount(kPropertyFixedColumns + static_cast<int>(table_.columns.size()));
    sg_txtb->setRowCount(dataRows + 1);
    layOutColumns();
    // The newest draws in view with the selection row under them.
    if (dataRows > 0) sg_txtb->scrollToBottom();
    sg_txtb->horizontalHeader()->viewport()->update();
    sg_txtb->repaintCells();
}

void ZbpxzPropertyPage::layOutColumns() {
    sg_txtb->setColumnWidth(0, kIssueColumnWidth);
    sg_txtb->setColumnWidth(1, kValueColumnWidth);
    const int width = cb_txtb_width->currentText().toInt();
    for (int c = kPropertyFixedColumns; c < sg_txtb->columnCount(); ++c) sg_txtb->setColumnWidth(c, width);
}

void ZbpxzPropertyPage::paintMark(DrawSurface& s, const Rect& cell, const std::string& text, Colour textColour) {
    const Rect inner{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
    DrawBallPicture(s, inner, ballMode(displayMode_) ? kBallStyle : kSquareStyle, kHitTile);
    if (numberOnMark(displayMode_)) centredText(s, cell, text, textColour);
}

void ZbpxzPropertyPage::paintCell(DrawSurface& s, const Rect& cell, int row, int col) {
    using namespace omission_colours;
    const int dataRows = static_cast<int>(table_.rows.size());
    if (row < 0 || row > dataRows) return;
    const bool selectionRowHere = row == dataRows;
    if (col == 0) {
        if (selectionRowHere) {
            centredText(s, cell, kSelectionRowCaption, kBlue);
            return;
        }
        const PropertyRow& r = table_.rows[static_cast<std::size_t>(row)];
        centredText(s, cell, r.issueText, r.forecast ? kRed : kBlue);
        return;
    }
    if (col == 1) {
        if (!selectionRowHere) centredText(s, cell, std::to_string(table_.rows[static_cast<std::size_t>(row)].value), kBlack);
        return;
    }
    const std::size_t c = static_cast<std::size_t>(col - kPropertyFixedColumns);
    if (c >= table_.columns.size()) return;
    const PropertyColumn& column = table_.columns[c];
    s.fill(cell, colourOf(zoneBackground(column.component)));
    if (selectionRowHere) {
        if (selection_[c]) {
            const Rect inner{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
            DrawBallPicture(s, inner, ballMode(displayMode_) ? kBallStyle : kSquareStyle, kSelectedTile);
            if (numberOnMark(displayMode_)) centredText(s, cell, column.caption, kWhite);
        } else {
            centredText(s, cell, column.caption, kBlack);
        }
        return;
    }
    if (table_.hit(row, static_cast<int>(c)))
        paintMark(s, cell, column.caption, colourOf(kDrawnNumberText));
    else
        centredText(s, cell, std::to_string(table_.rows[static_cast<std::size_t>(row)].omissions[c]), colourOf(kOmissionText));
}

void ZbpxzPropertyPage::cellPressed(int row, int col, Qt::MouseButton button, QPoint globalPos) {
    if (button == Qt::RightButton) {
        pm_txtb->popup(globalPos);
        return;
    }
    const int c = col - kPropertyFixedColumns;
    if (button != Qt::LeftButton || row != selectionRow() || c < 0 || c >= static_cast<int>(selection_.size())) return;
    selection_[static_cast<std::size_t>(c)] = !selection_[static_cast<std::size_t>(c)];
    sg_txtb->repaintCells();
}

void ZbpxzPropertyPage::setDisplayMode(int mode) {
    displayMode_ = std::clamp(mode, 0, kDisplayModes - 1);
    sg_txtb->repaintCells();
}

void ZbpxzPropertyPage::clearSelection() {
    std::fill(selection_.begin(), selection_.end(), false);
    sg_txtb->repaintCells();
}

void ZbpxzPropertyPage::chooseComponents() {
    ComponentDialog dialog(this);
    dialog.exec();
    rebuild();
}

// Opened on the series range, so the listed zones are the ones the table's zone columns use.
void ZbpxzPropertyPage::showZones() {
    const bool haveSeries = state_.count() > 0;
    ZoneViewerDialog dialog(haveSeries ? state_.range.min : kDefaultViewerFrom,
                            haveSeries ? state_.range.max : kDefaultViewerTo, this);
    dialog.exec();
}

}  // namespace qorvel
