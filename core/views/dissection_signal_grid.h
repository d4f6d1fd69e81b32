// The signal grid of the dissection page: one column per run of equal signals, the issue that started the
// run on top and the run's signals below as "X"/"O" or as words.
#pragma once

#include <cstdint>
#include <vector>

#include "views/draw_surface.h"
#include "views/dissection_series.h"

namespace qorvel {

inline constexpr int kSignalCellWidth = 52;
inline constexpr int kSignalCellHeight = 20;

struct SignalGridView {
    const std::vector<SignalColumn>* columns = nullptr;
    const std::vector<int32_t>* issues = nullptr;  // issue of every draw, oldest first
    SignalKind kind = SignalKind::UpDown;
    bool words = false;   // "文字表示" instead of "符号表示"
    int firstColumn = 0;  // the leftmost column shown
};

// Columns that fit in `width` pixels.
int visibleSignalColumns(int width);
// The first column that shows the newest column at the right edge.
int lastSignalWindow(int columnCount, int width);

// Draws the grid from view.firstColumn on, as many columns as fit.
void drawSignalGrid(DrawSurface& surface, int width, int height, const SignalGridView& view);

}  // namespace qorvel
