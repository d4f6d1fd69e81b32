#include "app/dialogs/u_bh.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>

#include "app/app_state.h"
#include "app/u_main.h"
#include "draws/history_edit.h"
#include "text/number_text.h"
#include "ui/ball_pictures.h"
#include "ui/image_surface.h"
#include "ui/platform.h"
#include "views/transform_table.h"

namespace qorvel {
namespace {

constexpr int kRowHeight = 22;            // number columns are as wide as the rows are high
constexpr int kLastColumnExtra = 20;      // the draw text column is this much wider than eight numbers
constexpr int kIssueColumnExtra = 16;
constexpr int kDefaultZones = 3;
constexpr int kPopupOffset = 5;           // the popup opens this many pixels right of the click
constexpr int kBallStyle = 2;             // the masked 46-pixel balls of the tables
constexpr int kMainBallTile = 0;
constexpr const char* kWidestDrawText = "01 02 03 04 05 06 07 08";

const QColor kHeaderBack(255, 203, 179);
const QColor kRowBack(255, 255, 255);
const QColor kIssueText(0, 0, 255);
const QColor kDrawText(0, 128, 0);
const QColor kOddZoneBack(255, 219, 247);
const QColor kEvenZoneBack(231, 239, 255);
const QColor kBallText(252, 254, 216);
const QColor kEmptyText(53, 96, 142);
const QColor kSelectedText(255, 255, 255);

// Extra roles of the grid's cells.
enum CellRole { ZoneRole = Qt::UserRole + 1, BallRole };

}  // namespace

// The grid's rows: one per draw of the history as it was at the last refresh, then the selection row.
class BhGridModel : public QAbstractTableModel {
  public:
    explicit BhGridModel(const SelectionFlags& selection, QObject* parent)
        : QAbstractTableModel(parent), selection_(selection) {}

    void rebuild(const Workspace& ws, int zones, bool withSpecials) {
        beginResetModel();
        from_ = ws.params.MainFrom;
        to_ = std::min(ws.params.MainTo, 63);
        zones_ = zones;
        zoneBounds_ = ws.zones;
        rows_.clear();
        const t_s_dm& store = ws.MainStore;
        rows_.reserve(static_cast<std::size_t>(store.Count()));
        for (int r = 1; r <= store.Count(); ++r) rows_.push_back(transformTableRow(store.Row(r).fields, ws.params, withSpecials));
        endResetModel();
    }

    void selectionChanged() {
        const int row = static_cast<int>(rows_.size());
        Q_EMIT dataChanged(index(row, 1), index(row, numberCount()));
    }

    int numberCount() const { return std::max(0, to_ - from_ + 1); }
    int numberAt(int column) const { return from_ + column - 1; }
    bool isNumberColumn(int column) const { return column >= 1 && column <= numberCount(); }
    int selectionRow() const { return static_cast<int>(rows_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size()) + 1;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : numberCount() + 2;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        if (section == 0) return QStringLiteral("期号");
        if (isNumberColumn(section)) return QString::number(numberAt(section));
        return QString();
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const int column = index.column();
        const bool selectionRowCell = index.row() == selectionRow();
        if (isNumberColumn(column)) {
            const int x = numberAt(column);
            const bool marked = selectionRowCell ? x >= 1 && x <= kSelectionNumbers && selection_[x]
                                                 : holdsNumber(rows_[index.row()], x);
            if (role == BallRole) return marked;
            if (role == ZoneRole) return zoneBounds_.zoneOf(zones_, x);
            if (role == Qt::DisplayRole) return marked ? fromUtf8(TwoDigitText(x)) : QString();
            return {};
        }
        if (role != Qt::DisplayRole) return {};
        if (selectionRowCell) return column == 0 ? QStringLiteral("选号区") : QString();
        const TransformTableRow& row = rows_[index.row()];
        if (column == 0) return row.issue == kForecastIssue ? QStringLiteral("预测区") : QString::number(row.issue);
        return fromUtf8(row.text);
    }

  private:
    const SelectionFlags& selection_;
    std::vector<TransformTableRow> rows_;
    ZoneBounds zoneBounds_;
    int from_ = 1;
    int to_ = 0;
    int zones_ = kDefaultZones;
};

namespace {

// Paints every cell itself: zone shading, ball pictures and the fixed text colours; the view's own
// selection highlight is not drawn over them.
class BhCellPainter : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const auto* model = static_cast<const BhGridModel*>(index.model());
        const QRect cell = option.rect;
        const QString text = index.data(Qt::DisplayRole).toString();
        painter->save();
        if (model->isNumberColumn(index.column())) {
            const int zone = index.data(ZoneRole).toInt();
            painter->fillRect(cell, zone % 2 == 1 ? kOddZoneBack : kEvenZoneBack);
            const bool ball = index.data(BallRole).toBool();
            if (ball) {
                PainterSurface surface(*painter, cell.right() + 1, cell.bottom() + 1);
                DrawBallPicture(surface, fromQRect(cell), kBallStyle, kMainBallTile);
            }
            const bool selectionRow = index.row() == model->selectionRow();
            painter->setPen(!ball ? kEmptyText : selectionRow ? kSelectedText : kBallText);
            QFont font = option.font;
            font.setBold(ball);
            painter->setFont(font);
            painter->drawText(cell, Qt::AlignCenter, text);
        } else {
            painter->fillRect(cell, kRowBack);
            painter->setPen(index.column() == 0 ? kIssueText : kDrawText);
            painter->setFont(option.font);
            painter->drawText(cell.adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
        }
        painter->setPen(QColor(220, 220, 220));
        painter->drawLine(cell.bottomLeft(), cell.bottomRight());
        painter->drawLine(cell.topRight(), cell.bottomRight());
        painter->restore();
    }
};

}  // namespace

Tf_bh::Tf_bh(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("数据变换"));
    buildControls();
}

void Tf_bh::buildControls() {
    cb_bhstyle = new QComboBox(this);
    cb_bhstyle->setObjectName("cb_bhstyle");
    for (const char* item : kTransformItems) cb_bhstyle->addItem(QString::fromUtf8(item));
    cb_fq = new QComboBox(this);
    cb_fq->setObjectName("cb_fq");
    for (int n = kMinZoneCount; n <= kMaxZoneCount; ++n) cb_fq->addItem(QString::number(n));
    cb_fq->setCurrentText(QString::number(kDefaultZones));
    b_cancel = new QPushButton(QStringLiteral("返回"), this);
    b_cancel->setObjectName("b_cancel");
    cb_showoriginal = new QCheckBox(QStringLiteral("显示原始号码"), this);
    cb_showoriginal->setObjectName("cb_showoriginal");
    rb_main = new QRadioButton(QStringLiteral("主号"), this);
    rb_main->setObjectName("rb_main");
    rb_mainspecial = new QRadioButton(QStringLiteral("红号和蓝号"), this);
    rb_mainspecial->setObjectName("rb_mainspecial");
    rb_main->setChecked(true);
    for (QWidget* hidden : std::initializer_list<QWidget*>{cb_showoriginal, rb_main, rb_mainspecial}) hidden->hide();

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("开奖数据类型"), this));
    bar->addWidget(cb_bhstyle);
    bar->addSpacing(16);
    bar->addWidget(new QLabel(QStringLiteral("分区"), this));
    bar->addWidget(cb_fq);
    bar->addStretch();
    bar->addWidget(b_cancel);

    sg_bhdb = new QTableView(this);
    sg_bhdb->setObjectName("sg_bhdb");
    model_ = new BhGridModel(selection_, this);
    sg_bhdb->setModel(model_);
    sg_bhdb->setItemDelegate(new BhCellPainter(sg_bhdb));
    sg_bhdb->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg_bhdb->setSelectionMode(QAbstractItemView::SingleSelection);
    sg_bhdb->setSelectionBehavior(QAbstractItemView::SelectRows);
    sg_bhdb->setShowGrid(false);
    sg_bhdb->verticalHeader()->hide();
    sg_bhdb->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sg_bhdb->verticalHeader()->setDefaultSectionSize(kRowHeight);
    sg_bhdb->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sg_bhdb->horizontalHeader()->setMinimumSectionSize(kRowHeight);
    sg_bhdb->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; color: black; border: 0px;"
                       " border-right: 1px solid #dcdcdc; padding: 0px; }")
            .arg(kHeaderBack.name()));
    sg_bhdb->viewport()->installEventFilter(this);

    pm_select = new QMenu(this);
    pm_select->setObjectName("pm_select");
    mi_clearselection = pm_select->addAction(QStringLiteral("清除选号区"));
    mi_clearselection->setObjectName("mi_clearselection");
    mi_toforecast = pm_select->addAction(QStringLiteral("将选号导入到预测区"));
    mi_toforecast->setObjectName("mi_toforecast");
    mi_clearforecast = pm_select->addAction(QStringLiteral("清除预测区"));
    mi_clearforecast->setObjectName("mi_clearforecast");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(sg_bhdb, 1);

    connect(cb_bhstyle, &QComboBox::currentIndexChanged, this, &Tf_bh::applyTransformation);
    connect(cb_fq, &QComboBox::currentIndexChanged, this, &Tf_bh::refreshGrid);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(mi_clearselection, &QAction::triggered, this, &Tf_bh::clearSelection);
    connect(mi_toforecast, &QAction::triggered, this, &Tf_bh::selectionToForecast);
    connect(mi_clearforecast, &QAction::triggered, this, &Tf_bh::clearForecast);
}

void Tf_bh::showEvent(QShowEvent* event) {
    placeOverPageArea();
    selection_.fill(false);
    {
        const QSignalBlocker block(cb_bhstyle);
        cb_bhstyle->setCurrentIndex(transform_.level(workspace()));
    }
    refreshGrid();
    QDialog::showEvent(event);
}

// The dialog covers the main window's page area: below the menu bar, above the status bar.
void Tf_bh::placeOverPageArea() {
    if (f_main == nullptr) return;
    const int top = f_main->menuBar()->height();
    const int bottom = f_main->statusBar()->isVisible() ? f_main->statusBar()->height() : 0;
    const QPoint origin = f_main->mapToGlobal(QPoint(0, top));
    setGeometry(QRect(origin, QSize(f_main->width(), std::max(0, f_main->height() - top - bottom))));
}

void Tf_bh::applyTransformation(int k) {
    Workspace& ws = workspace();
    const TransformOutcome outcome = transform_.apply(ws, k, selection_);
    if (!outcome.error.empty()) {
        showMessage(fromUtf8(outcome.error), this);
        const QSignalBlocker block(cb_bhstyle);
        cb_bhstyle->setCurrentIndex(transform_.level(ws));
    }
    if (f_main) {
        f_main->setWindowTitle(fromUtf8(outcome.caption));
        if (f_main->n_sjgx) f_main->n_sjgx->setEnabled(outcome.dataUpdateEnabled);
    }
    refreshGrid();
}

void Tf_bh::refreshGrid() {
    Workspace& ws = workspace();
    const int zones = std::clamp(cb_fq->currentText().toInt(), kMinZoneCount, kMaxZoneCount);
    model_->rebuild(ws, zones, rb_mainspecial->isChecked());

    QHeaderView* header = sg_bhdb->horizontalHeader();
    const QFontMetrics metrics(sg_bhdb->font());
    header->resizeSection(0, metrics.horizontalAdvance(QStringLiteral("9999999")) + kIssueColumnExtra);
    for (int column = 1; column <= model_->numberCount(); ++column) header->resizeSection(column, kRowHeight);
    header->resizeSection(model_->numberCount() + 1,
                          metrics.horizontalAdvance(QString::fromLatin1(kWidestDrawText)) + kLastColumnExtra);
    // The grid reads the rows directly, so the history's cursor stays on the draw it was on.
    sg_bhdb->setCurrentIndex(model_->index(model_->selectionRow(), 0));
    sg_bhdb->scrollToBottom();
}

int Tf_bh::selectionRow() const { return model_->selectionRow(); }

int Tf_bh::numberColumn(int number) const { return number - workspace().params.MainFrom + 1; }

bool Tf_bh::eventFilter(QObject* watched, QEvent* event) {
    if (watched != sg_bhdb->viewport() || event->type() != QEvent::MouseButtonPress)
        return QDialog::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint pos = mouse->position().toPoint();
    const QModelIndex index = sg_bhdb->indexAt(pos);
    if (!index.isValid() || index.row() != model_->selectionRow() || !model_->isNumberColumn(index.column()))
        return QDialog::eventFilter(watched, event);
    if (mouse->button() == Qt::LeftButton) {
        const int x = model_->numberAt(index.column());
        if (x >= 1 && x <= kSelectionNumbers) selection_[x] = !selection_[x];
        model_->selectionChanged();
        return false;
    }
    if (mouse->button() == Qt::RightButton) {
        pm_select->popup(sg_bhdb->viewport()->mapToGlobal(pos) + QPoint(kPopupOffset, 0));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tf_bh::clearSelection() {
    selection_.fill(false);
    model_->selectionChanged();
}

void Tf_bh::selectionToForecast() {
    Workspace& ws = workspace();
    const std::string message = writeForecastRow(ws.MainStore, ws.params, selectedNumbers(selection_));
    if (!message.empty()) {
        showMessage(fromUtf8(message), this);
        return;
    }
    refreshGrid();
}

void Tf_bh::clearForecast() {
    if (clearForecastRow(workspace().MainStore)) refreshGrid();
}

}  // namespace qorvel
