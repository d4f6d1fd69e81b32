#include "app/pages/fxd/fxd_data_tables_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"
#include "app/pages/fxd/fxd_cell_grid.h"
#include "ui/image_surface.h"

namespace qorvel {

namespace {

constexpr int kCellPadding = 12;
constexpr int kMeasuredRows = 300;  // the newest rows a column's width is measured on
constexpr RgbColour kHeaderColour{255, 203, 179};
constexpr Colour kStripe = rgbColour(246, 248, 252);
constexpr Colour kMainNumberText = rgbColour(200, 0, 0);
constexpr Colour kSpecialNumberText = rgbColour(0, 0, 200);

}  // namespace

FxdDataTablesView::FxdDataTablesView(Tf_fxd* page, QWidget* parent) : FxdView(page, parent) {
    pc_sjb = new QTabWidget(this);
    pc_sjb->setObjectName("pc_sjb");
    for (int k = 0; k < kDataTableCount; ++k) {
        auto* grid = new FxdCellGrid(pc_sjb);
        grid->setObjectName(QStringLiteral("sg_sjb%1").arg(k + 1));
        grid->showHeaderRow(kHeaderColour);
        grid->setCellPainter([this, k](DrawSurface& s, const Rect& cell, int row, int col) { paintCell(k, s, cell, row, col); });
        // A grid laid out while its tab was hidden keeps the newest draws in view once it gets its size.
        grid->setResizeHandler([grid] {
            if (grid->rowCount() > 0 && grid->currentRow() == grid->rowCount() - 1) grid->scrollToBottom();
        });
        grids_[k] = grid;
        pc_sjb->addTab(grid, QStringLiteral("数据表%1").arg(k + 1));
    }
    b_sjb_refresh = new QPushButton(QString::fromUtf8("刷新"), this);
    b_sjb_refresh->setObjectName("b_sjb_refresh");
    connect(b_sjb_refresh, &QPushButton::clicked, this, [this] { refresh(); });
    auto* bar = new QHBoxLayout;
    bar->addWidget(b_sjb_refresh);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(pc_sjb, 1);
}

void FxdDataTablesView::refresh() {
    const Workspace& ws = workspace();
    mainColumns_ = ws.params.MainCount;
    numberColumns_ = ws.params.MainCount + ws.params.SpecialCount;
    for (int k = 0; k < kDataTableCount; ++k) {
        tables_[k] = buildDataTable(ws, k + 1);
        fillGrid(k);
    }
}

void FxdDataTablesView::fillGrid(int k) {
    const DataTable& t = tables_[k];
    FxdCellGrid* grid = grids_[k];
    const int rows = static_cast<int>(t.rows.size());
    const int cols = static_cast<int>(t.header.size());
    grid->setColumnCount(cols);
    grid->setRowCount(rows);
    QStringList captions;
    for (const std::string& c : t.header) captions << fromUtf8(c);
    grid->setHorizontalHeaderLabels(captions);
    // Each column as wide as its caption or its widest text among the newest rows.
    ImageSurface probe(1, 1);
    const Font font;
    for (int c = 0; c < cols; ++c) {
        int width = probe.measureText(t.header[c], font).width;
        for (int r = std::max(0, rows - kMeasuredRows); r < rows; ++r)
            if (c < static_cast<int>(t.rows[r].size())) width = std::max(width, probe.measureText(t.rows[r][c], font).width);
        grid->setColumnWidth(c, width + kCellPadding);
    }
    if (rows > 0) {
        grid->setCurrentCell(rows - 1, 0);
        grid->scrollToBottom();
    }
    grid->repaintCells();
}

void FxdDataTablesView::paintCell(int k, DrawSurface& s, const Rect& cell, int row, int col) {
    const DataTable& t = tables_[k];
    if (row >= static_cast<int>(t.rows.size()) || col >= static_cast<int>(t.rows[row].size())) return;
    if (row % 2 == 1) s.fill(cell, kStripe);
    Font font;
    font.colour = col == 0 ? kBlue : col <= mainColumns_ ? kMainNumberText : col <= numberColumns_ ? kSpecialNumberText : kBlack;
    const std::string& text = t.rows[row][col];
    const TextSize size = s.measureText(text, font);
    s.text({cell.left + (cell.width() - size.width) / 2, cell.top + (cell.height() - size.height) / 2}, text, font);
}

bool FxdDataTablesView::scrollStep(int direction) {
    QScrollBar* bar = grids_[pc_sjb->currentIndex()]->verticalScrollBar();
    const int before = bar->value();
    bar->setValue(before + direction * grids_[0]->verticalHeader()->defaultSectionSize());
    return bar->value() != before;
}

}  // namespace qorvel
