#include "app/pages/zh/zh_result_grid.h"

#include <QColor>
#include <QHeaderView>
#include <QTableWidget>

namespace qorvel {
namespace {
const QColor kSerialColour(251, 232, 210);
const QColor kNumberColour(206, 255, 255);
constexpr int kRowMargin = 6;
}  // namespace

QColor resultCellBackground(int column, int numberColumns) {
    if (column == 0) return kSerialColour;
    if (column <= numberColumns) return kNumberColour;
    return {};
}

int resultRowHeight(const QWidget& grid) { return grid.fontMetrics().height() + kRowMargin; }

void setUpResultGrid(QTableWidget* grid) {
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(resultRowHeight(*grid));
}

void fillResultGrid(QTableWidget* grid, const std::vector<std::string>& headers,
                    const std::vector<std::vector<std::string>>& rows, int numberColumns) {
    grid->clear();
    grid->setColumnCount(static_cast<int>(headers.size()));
    QStringList labels;
    for (const auto& h : headers) labels << QString::fromStdString(h);
    grid->setHorizontalHeaderLabels(labels);
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(row.size()); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(row[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignCenter);
            if (const QColor colour = resultCellBackground(c, numberColumns); colour.isValid())
                item->setBackground(colour);
            grid->setItem(r, c, item);
        }
    }
}

}  // namespace qorvel
