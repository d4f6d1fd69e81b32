#include "app/pages/fxd/fxd_distribution_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"
#include "app/dialogs/u_coldhotset.h"
#include "app/pages/u_fxd.h"
#include "text/number_text.h"
#include "ui/drawing_host.h"
#include "ui/platform.h"
#include "views/distribution_marks.h"

namespace qorvel {

namespace {

constexpr int kInset = 10;
constexpr int kIssueColumnWidth = 60;
constexpr int kNumberColumnWidth = 20;
constexpr int kFirstNumberColumn = 2;
constexpr int kNumberFontSize = 10;
constexpr int kVerticalPageStep = 10;
constexpr int kHorizontalStep = 10, kHorizontalPageStep = 50;
constexpr int kHorizontalSlack = 30;
constexpr const char* kDrawColumnSample = "    01 02 03 04 05 06 | 07    ";
constexpr Colour kBorderColour = rgbColour(163, 204, 207);
constexpr Colour kHeaderTop = rgbColour(29, 108, 103);
constexpr Colour kHeaderNumbers = rgbColour(2, 122, 185);
constexpr Colour kTemperatureDrawText = rgbColour(65, 65, 65);

Colour temperatureColour(Temperature t) {
    switch (t) {
        case Temperature::Hot: return kRed;
        case Temperature::Warm: return kBlue;
        case Temperature::Cold: break;
    }
    return kGreen;
}

}  // namespace

FxdDistributionView::FxdDistributionView(Tf_fxd* page, QWidget* parent) : FxdView(page, parent) {
    grid_.Create(kDistributionColumns, kDistributionRows);

    rb_fbd_gl = new QRadioButton(QString::fromUtf8("关联分布"), this);
    rb_fbd_gl->setObjectName("rb_fbd_gl");
    rb_fbd_gl->setChecked(true);
    rb_fbd_lrh = new QRadioButton(QString::fromUtf8("冷温热分布"), this);
    rb_fbd_lrh->setObjectName("rb_fbd_lrh");
    cb_fbd = new QComboBox(this);
    cb_fbd->setObjectName("cb_fbd");
    for (const char* caption : markingCaptions()) cb_fbd->addItem(QString::fromUtf8(caption));
    b_fbd_coldhot = new QPushButton(QString::fromUtf8("主号冷热设置"), this);
    b_fbd_coldhot->setObjectName("b_fbd_coldhot");
    b_fbd_coldhot->setEnabled(false);
    connect(rb_fbd_gl, &QRadioButton::toggled, this, [this](bool association) {
        cb_fbd->setEnabled(association);
        b_fbd_coldhot->setEnabled(!association);
        i_fbd->redraw();
    });
    connect(cb_fbd, &QComboBox::currentIndexChanged, this, [this] { i_fbd->redraw(); });
    connect(b_fbd_coldhot, &QPushButton::clicked, this, [this] { editColdHot(); });

    i_fbd = new DrawingHost(this);
    i_fbd->setObjectName("i_fbd");
    i_fbd->setCrosshairEnabled(false);
    i_fbd->setRenderer([this](DrawSurface& s, int w, int h) { render(s, w, h); });
    i_fbd->setHitTest([this](Point p) { return grid_.HitTest(p); });
    connect(i_fbd, &DrawingHost::clicked, this, &FxdDistributionView::cellClicked);
    connect(i_fbd, &DrawingHost::wheelStepped, this,
            [this](int steps) { sb_fbd_v->setValue(sb_fbd_v->value() + steps); });
    sb_fbd_v = new QScrollBar(Qt::Vertical, this);
    sb_fbd_v->setObjectName("sb_fbd_v");
    sb_fbd_v->setPageStep(kVerticalPageStep);
    connect(sb_fbd_v, &QScrollBar::valueChanged, this, [this](int v) {
        if (syncing_) return;
        topRow_ = v;
        userScrolled_ = true;
        i_fbd->redraw();
    });
    sb_fbd_h = new QScrollBar(Qt::Horizontal, this);
    sb_fbd_h->setObjectName("sb_fbd_h");
    sb_fbd_h->setSingleStep(kHorizontalStep);
    sb_fbd_h->setPageStep(kHorizontalPageStep);
    connect(sb_fbd_h, &QScrollBar::valueChanged, this, [this](int v) {
        if (syncing_) return;
        grid_.scrollX = v;
        i_fbd->redraw();
    });

    auto* bar = new QHBoxLayout;
    bar->addWidget(rb_fbd_gl);
    bar->addWidget(cb_fbd);
    bar->addSpacing(16);
    bar->addWidget(rb_fbd_lrh);
    bar->addWidget(b_fbd_coldhot);
    bar->addStretch();
    auto* chart = new QGridLayout;
    chart->setSpacing(0);
    chart->addWidget(i_fbd, 0, 0);
    chart->addWidget(sb_fbd_v, 0, 1);
    chart->addWidget(sb_fbd_h, 1, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addLayout(chart, 1);
}

bool FxdDistributionView::temperatureMode() const { return rb_fbd_lrh->isChecked(); }

void FxdDistributionView::refresh() {
    syncScrollBars();
    i_fbd->redraw();
}

void FxdDistributionView::displayModeChanged() { i_fbd->redraw(); }

void FxdDistributionView::setUpGrid(DrawSurface& surface, int width, int height) {
    const TypeParams& p = workspace().params;
    const int numbers = p.MainTo - p.MainFrom + 1;
    const int zoneLast = kFirstNumberColumn + numbers - 1;
    grid_.ClearContents();
    grid_.zoneCount = 1;
    grid_.zones[0] = {kFirstNumberColumn, zoneLast};
    grid_.fixedRows = 2;
    grid_.frozenCols = 1;
    grid_.drawnCols = std::min(zoneLast + 1, kDistributionColumns);
    const int drawWidth = surface.measureText(kDrawColumnSample, Font{}).width;
    const Colour drawText = temperatureMode() ? kTemperatureDrawText : kRed;
    for (int col = 0; col < grid_.drawnCols; ++col) {
        grid_.SetColumnWidth(col, col == 0 ? kIssueColumnWidth : col == 1 ? drawWidth : kNumberColumnWidth);
        grid_.SetColumnPen(col, Pen{kBorderColour, 2, PenStyle::Solid});
        grid_.SetColumnColor(col, kWhite);
        for (int row = 0; row < kDistributionRows; ++row) {
            t_s_cell& c = grid_.cell(col, row);
            c.fontColor = col == 0 ? kBlack : col == 1 ? drawText : kWhite;
            if (col >= kFirstNumberColumn) c.fontSize = kNumberFontSize;
        }
        if (col == 0) continue;
        grid_.cell(col, 0).background = kHeaderTop;
        grid_.cell(col, 1).background = kHeaderNumbers;
        grid_.cell(col, 0).fontColor = grid_.cell(col, 1).fontColor = kWhite;
    }
    grid_.SetColumnBorders(0, false);
    grid_.SetCellText(1, 0, "开奖号");
    grid_.cell(1, 0).fontSize = kNumberFontSize;
    grid_.MergeAcross(0, kFirstNumberColumn, zoneLast);
    grid_.SetCellText(kFirstNumberColumn, 0, "开奖" + workspace().MainLabel());
    for (int n = p.MainFrom; n <= p.MainTo; ++n)
        grid_.SetCellText(kFirstNumberColumn + n - p.MainFrom, 1, std::to_string(n));
    grid_.SetBounds({kInset, kInset, width - kInset, height - kInset});
}

void FxdDistributionView::render(DrawSurface& surface, int width, int height) {
    Workspace& ws = workspace();
    const int count = ws.MainStore.Count();
    setUpGrid(surface, width, height);
    if (topRow_ == 0 || !userScrolled_) topRow_ = distributionStartRow(count, grid_.visibleRows);
    topRow_ = std::clamp(topRow_, 1, std::max(count, 1));
    grid_.topRow = topRow_;
    grid_.selectedRow = selectedRow_;
    grid_.dataRowCount = count;
    if (count > 0) {
        const bool temperature = temperatureMode();
        const std::vector<DistributionRow> rows =
            temperature ? temperatureRows(ws.MainStore, ws.params, ws.coldHot, topRow_, grid_.visibleRows, selection_)
                        : associationRows(ws.MainStore, ws.params, topRow_, grid_.visibleRows, cb_fbd->currentIndex(),
                                          selection_);
        for (std::size_t k = 0; k < rows.size(); ++k)
            fillRow(grid_.fixedRows + static_cast<int>(k), rows[k], temperature);
    }
    grid_.Layout();
    grid_.Draw(surface);
    syncScrollBars();
}

void FxdDistributionView::fillRow(int row, const DistributionRow& data, bool temperature) {
    const TypeParams& p = workspace().params;
    grid_.SetCellText(0, row, data.issueText);
    grid_.SetCellText(1, row, data.numbersText);
    if (temperature) {
        for (int n = p.MainFrom; n <= p.MainTo && n < static_cast<int>(data.temperatures.size()); ++n) {
            t_s_cell& c = grid_.cell(kFirstNumberColumn + n - p.MainFrom, row);
            c.text = TwoDigitText(n);
            c.fontColor = temperatureColour(data.temperatures[n]);
        }
    }
    for (const DistributionCell& mark : data.marks) {
        t_s_cell& c = grid_.cell(kFirstNumberColumn + mark.number - p.MainFrom, row);
        c.mark.kind = kMarkPicture;
        c.mark.transparent = page()->ballMode() ? 1 : 0;
        c.mark.tile = static_cast<uint8_t>(mark.tile);
        c.text = page()->numberOnMark() ? TwoDigitText(mark.number) : std::string();
        c.fontColor = kWhite;
        c.tag = 1;
    }
}

void FxdDistributionView::syncScrollBars() {
    syncing_ = true;
    const int count = workspace().MainStore.Count();
    sb_fbd_v->setRange(1, std::max(count, 1));
    if (topRow_ > 0) sb_fbd_v->setValue(topRow_);
    const int imageWidth = i_fbd->width();
    sb_fbd_h->setRange(0, std::max(0, grid_.totalWidth - imageWidth + kHorizontalSlack));
    sb_fbd_h->setValue(grid_.scrollX);
    syncing_ = false;
}

int FxdDistributionView::historyIndexOfRow(int row) const {
    return row < grid_.fixedRows ? 0 : row - grid_.fixedRows + topRow_;
}

void FxdDistributionView::cellClicked(int col, int row, QPoint pos, Qt::MouseButton button) {
    const int count = workspace().MainStore.Count();
    const int index = row < 0 ? 0 : historyIndexOfRow(row);
    const QPoint global = i_fbd->mapToGlobal(pos);
    if (index == count + 1 && count > 0) {
        if (button == Qt::RightButton) {
            page()->popupSelectionMenu(this, global);
            return;
        }
        const TypeParams& p = workspace().params;
        const int n = col - kFirstNumberColumn + p.MainFrom;
        if (button == Qt::LeftButton && col >= kFirstNumberColumn && n <= p.MainTo &&
            toggleDistributionSelection(selection_, n, p.MainCount))
            i_fbd->redraw();
        return;
    }
    if (button == Qt::RightButton) {
        page()->popupViewMenu(this, i_fbd, global);
    } else if (button == Qt::LeftButton && index >= 1 && index <= count) {
        selectedRow_ = index;
        i_fbd->redraw();
    }
}

bool FxdDistributionView::scrollStep(int direction) {
    const int before = sb_fbd_v->value();
    sb_fbd_v->setValue(before + direction);
    return sb_fbd_v->value() != before;
}

void FxdDistributionView::editColdHot() {
    t_s_dm& store = workspace().MainStore;
    if (!f_coldhotset || store.Count() == 0) return;
    if (f_coldhotset->editZone(true, store.Row(store.Count()).fields[0])) i_fbd->redraw();
}

void FxdDistributionView::clearSelection() {
    selection_ = {};
    i_fbd->redraw();
}

std::vector<int> FxdDistributionView::selectedMainNumbers() const { return selectedNumbers(selection_); }

void FxdDistributionView::importSelection() {
    Workspace& ws = workspace();
    const std::string message = writeForecastRow(ws.MainStore, ws.params, selectedNumbers(selection_));
    if (!message.empty()) {
        showMessage(fromUtf8(message), this);
        return;
    }
    refresh();
}

void FxdDistributionView::clearForecast() {
    if (clearForecastRow(workspace().MainStore)) refresh();
}

}  // namespace qorvel
