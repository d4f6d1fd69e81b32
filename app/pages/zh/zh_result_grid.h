// The look the filter page's result grids share: centred cells, the serial column and the number columns
// in their colours, read-only cells and whole-row selection.
#pragma once

#include <QColor>
#include <string>
#include <vector>

class QTableWidget;
class QWidget;

namespace qorvel {

// The background of a cell in `column`: the serial colour for column 0, the number colour for columns
// 1..numberColumns, none (an invalid colour) after them.
QColor resultCellBackground(int column, int numberColumns);

// The row height of the result grids: the text's height and a small margin.
int resultRowHeight(const QWidget& grid);

// Prepares a grid once: read-only, row selection, no row header, rows as high as their text.
void setUpResultGrid(QTableWidget* grid);

// Replaces the grid's headers and rows. Column 0 is the serial column; columns 1..numberColumns hold
// numbers.
void fillResultGrid(QTableWidget* grid, const std::vector<std::string>& headers,
                    const std::vector<std::vector<std::string>>& rows, int numberColumns);

}  // namespace qorvel
