#include "app/pages/tdsh/kill_grid_model.h"

#include <QColor>
#include <QPainter>

namespace qorvel {
namespace {

QColor qcolor(const KillRgb& c) { return QColor(c.r, c.g, c.b); }

}  // namespace

void KillGridModel::setGrid(KillGrid grid) {
    beginResetModel();
    grid_ = std::move(grid);
    selected_ = -1;
    endResetModel();
}

void KillGridModel::setSelectedRow(int row) {
    if (row == selected_) return;
    const int previous = selected_;
    selected_ = row;
    for (int r : {previous, row})
        if (r >= 0 && r < grid_.rows) Q_EMIT dataChanged(index(r, 0), index(r, grid_.columns - 1));
}

int KillGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.rows; }

int KillGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.columns; }

QVariant KillGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= grid_.rows || index.column() >= grid_.columns) return {};
    const int r = index.row();
    const int c = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(grid_.at(r, c).text);
        case Qt::BackgroundRole:
            return qcolor(killCellColours(grid_, r, c, r == selected_).background);
        case Qt::ForegroundRole:
            return qcolor(killCellColours(grid_, r, c, r == selected_).text);
        default:
            return {};
    }
}

void KillListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const KillGrid& grid = model_.grid();
    const int r = index.row();
    const bool listCell = index.column() == grid.listColumn && r < grid.rows &&
                          grid.rowKinds[static_cast<std::size_t>(r)] == KillRowKind::Draw;
    if (!listCell) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const KillCellColours colours = killCellColours(grid, r, index.column(), r == model_.selectedRow());
    painter->save();
    painter->fillRect(option.rect, qcolor(colours.background));
    painter->setFont(option.font);
    const QString text = QString::fromStdString(grid.at(r, index.column()).text);
    const QFontMetrics metrics(option.font);
    const QRect area = option.rect.adjusted(3, 0, -3, 0);
    int x = area.left();
    // Spaces keep their width; each run of digits is one listed value.
    int i = 0;
    while (i < text.size() && x < area.right()) {
        int j = i;
        const bool blank = text[i] == QLatin1Char(' ');
        while (j < text.size() && (text[j] == QLatin1Char(' ')) == blank) ++j;
        const QString piece = text.mid(i, j - i);
        if (!blank) {
            bool ok = false;
            const int value = piece.toInt(&ok);
            painter->setPen(qcolor(ok && grid.wasDrawn(r, value) ? kKillDrawnText : colours.text));
            painter->drawText(QRect(x, area.top(), area.right() - x, area.height()),
                              Qt::AlignLeft | Qt::AlignVCenter, piece);
        }
        x += metrics.horizontalAdvance(piece);
        i = j;
    }
    painter->restore();
}

}  // namespace qorvel
