#include "views/omission_cells.h"

#include "views/ball_picture.h"
#include "views/number_ordering.h"
#include "views/view_colours.h"

namespace qorvel {

namespace {

constexpr int kLineWidth = 2;

Colour colourOf(RgbColour c) { return rgbColour(c.r, c.g, c.b); }

void centredText(DrawSurface& s, const Rect& cell, const std::string& text, Colour colour) {
    if (text.empty()) return;
    Font font;
    font.colour = colour;
    const TextSize size = s.measureText(text, font);
    s.text({cell.left + (cell.width() - size.width) / 2, cell.top + (cell.height() - size.height) / 2}, text, font);
}

void paintMark(DrawSurface& s, const Rect& cell, const OmissionCellsView& view, int tile, const std::string& text,
               Colour textColour) {
    const Rect inner{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
    DrawBallPicture(s, inner, view.ball ? kOmissionBallStyle : kOmissionSquareStyle, tile);
    if (view.numberOnMark) centredText(s, cell, text, textColour);
}

void paintColumnCell(DrawSurface& s, const Rect& cell, const OmissionCellsView& view, int row, int slot) {
    using namespace omission_colours;
    const OmissionTable& table = *view.table;
    const int n = table.ordering.numbers[static_cast<std::size_t>(slot)];
    const int zone = view.zones && slot < static_cast<int>(view.zones->size()) ? (*view.zones)[slot] : 0;
    s.fill(cell, colourOf(zoneBackground(zone)));
    const std::string caption = table.columnCaption(slot);
    if (row == omissionSelectionRow(table)) {
        const int tile = view.selectedTile ? view.selectedTile(n) : -1;
        if (tile >= 0)
            paintMark(s, cell, view, tile, caption, kWhite);
        else
            centredText(s, cell, caption, kBlack);
        return;
    }
    if (!passesSpecShow(view.specShow, n)) return;
    const OmissionCell& c = table.rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(slot)];
    if (c.drawn)
        paintMark(s, cell, view, kOmissionDrawnTile, table.cellText(c), colourOf(kDrawnNumberText));
    else
        centredText(s, cell, table.cellText(c), colourOf(kOmissionText));
}

}  // namespace

void paintOmissionCell(DrawSurface& s, const Rect& cell, const OmissionCellsView& view, int row, int col) {
    using namespace omission_colours;
    if (!view.table) return;
    const OmissionTable& table = *view.table;
    const int slots = static_cast<int>(table.ordering.numbers.size());
    const int dataRows = static_cast<int>(table.rows.size());
    if (row < 0 || row >= omissionGridRows(table) || col < 0 || col > slots + 1) return;
    if (row > dataRows) {  // the statistics rows; the header above them counts as row 0
        const std::size_t k = static_cast<std::size_t>(row - dataRows - 1);
        s.fill(cell, colourOf((row + 1) % 2 == 1 ? kStatisticsOdd : kStatisticsEven));
        if (col == 0)
            centredText(s, cell, kOmissionStatisticsCaptions[k], kBlack);
        else if (col <= slots && view.statistics && k < view.statistics->size())
            centredText(s, cell, (*view.statistics)[k][static_cast<std::size_t>(col)], kBlack);
        return;
    }
    if (col == 0) {
        centredText(s, cell, row == dataRows ? kSelectionRowCaption : table.rows[static_cast<std::size_t>(row)].issueText,
                    kBlue);
    } else if (col == slots + 1) {
        if (row < dataRows) centredText(s, cell, table.rows[static_cast<std::size_t>(row)].numbersText, kGreen);
    } else {
        paintColumnCell(s, cell, view, row, col - 1);
    }
}

void paintOmissionDrawnMark(DrawSurface& s, const Rect& cell, const OmissionCellsView& view, int row, int col) {
    if (!view.table) return;
    const OmissionTable& table = *view.table;
    const int slots = static_cast<int>(table.ordering.numbers.size());
    if (row < 0 || row >= static_cast<int>(table.rows.size()) || col < 1 || col > slots) return;
    const OmissionCell& c = table.rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(col - 1)];
    if (!c.drawn || !passesSpecShow(view.specShow, table.ordering.numbers[static_cast<std::size_t>(col - 1)])) return;
    paintMark(s, cell, view, kOmissionDrawnTile, table.cellText(c), colourOf(omission_colours::kDrawnNumberText));
}

void drawOmissionLine(DrawSurface& surface, const std::vector<Point>& centres) {
    const Pen pen{kOmissionLineColour, kLineWidth, PenStyle::Solid};
    for (std::size_t i = 1; i < centres.size(); ++i)
        if (centres[i - 1].x >= 0 && centres[i].x >= 0) surface.line(centres[i - 1], centres[i], pen);
}

}  // namespace qorvel
