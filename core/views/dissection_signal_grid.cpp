#include "views/dissection_signal_grid.h"

#include <algorithm>
#include <string>

namespace qorvel {

namespace {

constexpr Colour kHeaderBackground = rgbColour(236, 233, 216);
constexpr Colour kGridLine = rgbColour(160, 160, 160);
constexpr Colour kSignalOneColour = rgbColour(200, 0, 0);   // X: up, even, composite, small
constexpr Colour kSignalZeroColour = rgbColour(0, 0, 200);  // O: down, odd, prime, big

void centredText(DrawSurface& surface, const Rect& cell, const std::string& text, const Font& font) {
    const TextSize size = surface.measureText(text, font);
    surface.text({cell.left + (cell.width() - size.width) / 2, cell.top + (cell.height() - size.height) / 2}, text,
                 font);
}

}  // namespace

int visibleSignalColumns(int width) {
    return std::max(1, width / kSignalCellWidth);
}

int lastSignalWindow(int columnCount, int width) {
    return std::max(0, columnCount - visibleSignalColumns(width));
}

void drawSignalGrid(DrawSurface& surface, int width, int height, const SignalGridView& view) {
    surface.fill({0, 0, width, height}, kWhite);
    if (!view.columns || !view.issues) return;
    const int rows = 1 + kSignalColumnRows;
    const int count = static_cast<int>(view.columns->size());
    const int first = std::clamp(view.firstColumn, 0, std::max(0, count - 1));
    const int shown = std::min(visibleSignalColumns(width), count - first);
    const Pen gridPen{kGridLine, 1, PenStyle::Solid};
    for (int c = 0; c < shown; ++c) {
        const SignalColumn& column = (*view.columns)[static_cast<std::size_t>(first + c)];
        const int left = c * kSignalCellWidth;
        const Rect head{left, 0, left + kSignalCellWidth, kSignalCellHeight};
        surface.rectangle(head, gridPen, Brush{kHeaderBackground, false});
        const auto draw = static_cast<std::size_t>(column.firstDraw);
        if (draw < view.issues->size()) centredText(surface, head, std::to_string((*view.issues)[draw]), Font{});
        for (int r = 1; r < rows; ++r) {
            const Rect cell{left, r * kSignalCellHeight, left + kSignalCellWidth, (r + 1) * kSignalCellHeight};
            surface.rectangle(cell, gridPen, Brush{kWhite, false});
            if (r > static_cast<int>(column.signals.size())) continue;
            const int signal = column.signals[static_cast<std::size_t>(r - 1)];
            Font font;
            font.bold = true;
            font.colour = signal ? kSignalOneColour : kSignalZeroColour;
            centredText(surface, cell, view.words ? signalWord(view.kind, signal) : (signal ? "X" : "O"), font);
        }
    }
}

}  // namespace qorvel
