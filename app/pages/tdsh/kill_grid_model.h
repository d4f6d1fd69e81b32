// The result grid of a banker or kill sub-page: a table model over the engine's KillGrid, with the cell
// colours the engine gives, and a delegate that paints the drawn numbers of the list column red.
#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

#include "killbanker/kill_run.h"

namespace qorvel {

class KillGridModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setGrid(KillGrid grid);
    const KillGrid& grid() const { return grid_; }
    // The selected row is painted green (data rows only); −1 selects none.
    void setSelectedRow(int row);
    int selectedRow() const { return selected_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    KillGrid grid_;
    int selected_ = -1;
};

// Paints a list cell token by token: a value that was drawn on the row's draw in red, the others black.
class KillListDelegate : public QStyledItemDelegate {
  public:
    KillListDelegate(const KillGridModel& model, QObject* parent) : QStyledItemDelegate(parent), model_(model) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    const KillGridModel& model_;
};

}  // namespace qorvel
