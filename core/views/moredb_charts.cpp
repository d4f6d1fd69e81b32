#include "views/moredb_charts.h"

#include <algorithm>
#include <sstream>

#include "engine/indicators.h"
#include "text/file_io.h"
#include "text/number_text.h"

namespace qorvel {

namespace {

constexpr int kIssueWidth = 60;
constexpr int kNarrowWidth = 20;
constexpr int kWideWidth = 40;
constexpr int kSumBinWidth = 60;
constexpr int kSumValueWidth = 40;
constexpr int kZoneFontSize = 10;
constexpr int kTileCount = 9;
constexpr int kCountValues = 7;  // the value columns 0 … 6 of a count zone
constexpr int kSumBins = 8;
constexpr int kSumFirstColumn = 3;
constexpr const char* kDrawColumnSample = "   01 02 03 04 05 06 | 07   ";
constexpr Colour kBorderColour = rgbColour(163, 204, 207);
constexpr Colour kHeaderTop = rgbColour(29, 108, 103);
constexpr Colour kHeaderRows = rgbColour(2, 122, 185);

struct CountZone {
    const char* caption;
    const char* code;
};
constexpr std::array<CountZone, 7> kCountZones = {{{"大数个数", "z_dsgs"},
                                                  {"奇数个数", "z_jsgs"},
                                                  {"质数个数", "z_zsgs"},
                                                  {"重号个数", "z_cmgs"},
                                                  {"连码组数", "z_lmzs"},
                                                  {"尾组个数", "z_wzgs"},
                                                  {"高尾个数", "z_gwgs"}}};
constexpr std::array<const char*, kSumBins> kSumCaptions = {"40以下",  "41-60",   "61-80",   "81-100",
                                                            "101-120", "121-140", "141-160", "161以上"};

bool isExtended(ChartView v) { return v == ChartView::Counts || v == ChartView::ZoneCounts || v == ChartView::Sum; }

int positions(const Workspace& ws) { return ws.params.MainCount + ws.params.SpecialCount; }

std::string positionCaption(const Workspace& ws, int i) {
    if (i < ws.params.MainCount) return ws.MainLabel() + std::to_string(i + 1);
    if (ws.params.SpecialCount == 1) return ws.SpecialLabel();
    return ws.SpecialLabel() + std::to_string(i - ws.params.MainCount + 1);
}

// Columns per zone (the hidden gap after a zone not counted) of the per-position views.
int positionZoneWidth(const ChartSettings& s) {
    switch (s.view) {
        case ChartView::Tail: return 10;
        case ChartView::Field: return s.field.cols;
        default: return 2;
    }
}

// Adds a zone clipped to the grid's columns; a zone starting beyond them is left out.
void addZone(t_s_grid& grid, int first, int last) {
    if (first >= grid.colCount || grid.zoneCount >= kGridMaxZones) return;
    grid.zones[grid.zoneCount++] = {first, std::min(last, grid.colCount - 1)};
}

std::string markText(const ChartSettings& s, int offset) {
    switch (s.view) {
        case ChartView::Tail: return std::to_string(offset);
        case ChartView::OddEven: return offset == 0 ? "奇" : "偶";
        case ChartView::PrimeComposite: return offset == 0 ? "质" : "合";
        case ChartView::Counts:
        case ChartView::ZoneCounts: return std::to_string(offset);
        default: return {};
    }
}

void setMark(t_s_cell& c, int tile, const std::string& text) {
    c.mark.kind = kMarkPicture;
    c.mark.transparent = 1;
    c.mark.tile = static_cast<std::uint8_t>(tile);
    c.text = text;
    c.tag = 1;
}

void clearMark(t_s_cell& c) {
    c.tag = 0;
    c.text.clear();
    c.mark.kind = kMarkNone;
}

// The marks of the draw at the cursor in grid row `row`.
void markDraw(t_s_grid& grid, Workspace& ws, const ChartSettings& s, int row) {
    const t_s_dm& store = ws.MainStore;
    if (isExtended(s.view)) {
        std::string text;
        for (int k = 1; k <= ws.params.MainCount; ++k) text += TwoDigitText(store.GetField(k)) + " ";
        if (ws.params.SpecialCount > 0) {
            text += "- ";
            for (int j = 1; j <= ws.params.SpecialCount; ++j)
                text += TwoDigitText(store.GetField(ws.params.MainCount + j)) + " ";
        }
        grid.SetCellText(1, row, text);
    }
    for (int z = 0; z < grid.zoneCount; ++z) {
        const GridZone zone = grid.zones[z];
        int offset = -1;
        std::string text;
        int tile = z % kTileCount;
        const int v = store.GetField(z + 1);
        switch (s.view) {
            case ChartView::Tail:
                offset = v % 10;
                text = std::to_string(offset);
                break;
            case ChartView::OddEven:
                offset = v % 2 != 0 ? 0 : 1;
                text = markText(s, offset);
                break;
            case ChartView::PrimeComposite:
                offset = isPrime(v) ? 0 : 1;
                text = markText(s, offset);
                break;
            case ChartView::Counts:
            case ChartView::ZoneCounts: {
                const std::string code = s.view == ChartView::Counts
                                             ? std::string(kCountZones[z].code)
                                             : "c_fq_0_" + std::to_string(s.zoneCount) + "_" + std::to_string(z + 1);
                const int value = indicatorValue(ws, code);
                if (value < 0) break;
                // A count beyond the value columns (7 of seven main numbers) goes to the last one.
                offset = std::min(value, kCountValues - 1);
                text = std::to_string(value);
                break;
            }
            case ChartView::Sum: {
                const int sum = indicatorValue(ws, "z_hz");
                grid.SetCellText(2, row, std::to_string(sum));
                offset = sumBin(sum);
                tile = offset;
                break;
            }
            case ChartView::Field: {
                const int value = s.fieldTail ? v % 10 : v;
                offset = fieldColumn(s.field, value);
                text = std::to_string(value);
                break;
            }
        }
        const int col = zone.first + offset;
        if (offset >= 0 && col <= zone.last) setMark(grid.cell(col, row), tile, text);
    }
}

int firstTagged(t_s_grid& grid, const GridZone& zone, int row) {
    for (int col = zone.first; col <= zone.last; ++col)
        if (grid.cell(col, row).tag) return col;
    return -1;
}

}  // namespace

std::vector<std::string> loadFieldStyles(const Workspace& ws) {
    const auto path = ws.file(kFieldStyleFile);
    std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        std::vector<std::string> lines;
        for (int n = 1; n <= kFieldStyleCount; ++n) lines.push_back("田野走势图" + std::to_string(n));
        writeFileAtomically(path, joinGbkLines(lines));
        return lines;
    }
    return readGbkLines(*bytes);
}

std::string fieldMatrixFile(int index) { return "save\\mb_tyd" + std::to_string(index) + ".jz"; }

std::vector<std::string> defaultFieldMatrixLines(const std::string& name) {
    std::vector<std::string> lines = {name, std::to_string(kFieldMatrixDefault), std::to_string(kFieldMatrixDefault)};
    for (int r = 0; r < kFieldMatrixDefault; ++r) {
        std::string line;
        for (int c = 0; c < kFieldMatrixDefault; ++c) line += TwoDigitText(r * kFieldMatrixDefault + c + 1) + " ";
        lines.push_back(line);
    }
    return lines;
}

FieldMatrix parseFieldMatrix(const std::vector<std::string>& lines) {
    FieldMatrix m;
    for (auto& column : m.cells) column.fill(kFieldEmpty);
    if (!lines.empty()) m.name = lines[0];
    std::string rest;
    for (std::size_t k = 1; k < lines.size(); ++k) rest += lines[k] + " ";
    std::istringstream in(rest);
    int c = kFieldMatrixDefault, r = kFieldMatrixDefault;
    if (!(in >> c)) c = kFieldMatrixDefault;
    if (!(in >> r)) r = kFieldMatrixDefault;
    m.cols = std::clamp(c, 1, kFieldMatrixMax);
    m.rows = std::clamp(r, 1, kFieldMatrixMax);
    // Values are read in the file's own row length, so a C beyond 10 still keeps the rows aligned.
    const int fileCols = std::max(c, 1);
    const int fileRows = std::max(r, 1);
    for (int row = 0; row < fileRows; ++row)
        for (int col = 0; col < fileCols; ++col) {
            int v = 0;
            if (!(in >> v)) return m;
            if (row < m.rows && col < m.cols && v >= 0 && v <= 255) m.cells[col][row] = static_cast<std::uint8_t>(v);
        }
    return m;
}

FieldMatrix loadFieldMatrix(const Workspace& ws, int index, const std::string& styleName) {
    const auto path = ws.file(fieldMatrixFile(index));
    std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        const std::vector<std::string> lines = defaultFieldMatrixLines(styleName);
        writeFileAtomically(path, joinGbkLines(lines));
        return parseFieldMatrix(lines);
    }
    return parseFieldMatrix(readGbkLines(*bytes));
}

int sumBin(int sum) {
    if (sum <= 40) return 0;
    if (sum > 160) return kSumBins - 1;
    return (sum - 41) / 20 + 1;
}

int fieldColumn(const FieldMatrix& m, int v) {
    for (int j = 0; j < m.cols; ++j)
        for (int k = 0; k < m.rows; ++k)
            if (m.cells[j][k] == v) return j;
    return m.cols - 1;
}

void setUpChartGrid(t_s_grid& grid, Workspace& ws, const ChartSettings& s, DrawSurface& surface, int width,
                    int height) {
    grid.ClearContents();
    grid.zoneCount = 0;
    const int z = positions(ws);
    std::vector<std::string> captions;
    int columnWidth = kNarrowWidth, penWidth = 2, drawn = 0;
    if (isExtended(s.view)) {
        grid.fixedRows = 2;
        grid.frozenCols = 2;
        if (s.view == ChartView::Sum) {
            addZone(grid, kSumFirstColumn, kSumFirstColumn + kSumBins - 1);
            captions.push_back("红球和值分布");
            columnWidth = kSumBinWidth;
            drawn = kSumFirstColumn + kSumBins;
        } else {
            const int k = s.view == ChartView::Counts ? static_cast<int>(kCountZones.size()) : s.zoneCount;
            for (int i = 0; i < k; ++i) {
                addZone(grid, kCountValues * i + 2, kCountValues * i + 8);
                captions.push_back(s.view == ChartView::Counts ? std::string(kCountZones[i].caption)
                                                               : std::to_string(k) + "-" + std::to_string(i + 1) + "分区个数");
            }
            drawn = kCountValues * k + 2;
        }
    } else {
        const int w = positionZoneWidth(s);
        grid.fixedRows = s.view == ChartView::Field ? s.field.rows + 1 : 2;
        grid.frozenCols = 1;
        columnWidth = s.view == ChartView::OddEven || s.view == ChartView::PrimeComposite ? kWideWidth : kNarrowWidth;
        penWidth = s.view == ChartView::Tail ? 1 : 2;
        for (int i = 0; i < z; ++i) {
            addZone(grid, (w + 1) * i + 1, (w + 1) * i + w);
            captions.push_back(positionCaption(ws, i) + (s.view == ChartView::Field && s.fieldTail ? "尾" : ""));
        }
        drawn = (w + 1) * z;
    }
    grid.drawnCols = std::clamp(drawn, 1, grid.colCount);

    for (int col = 0; col < grid.drawnCols; ++col) {
        const int zone = chartZoneOf(grid, col);
        int w = columnWidth;
        if (col == 0) w = kIssueWidth;
        else if (isExtended(s.view) && col == 1) w = surface.measureText(kDrawColumnSample, Font{}).width;
        else if (s.view == ChartView::Sum && col == 2) w = kSumValueWidth;
        grid.SetColumnWidth(col, w);
        grid.SetColumnPen(col, Pen{kBorderColour, penWidth, PenStyle::Solid});
        Colour background = kWhite;
        if (zone >= 0 && s.view != ChartView::Sum) background = grid.palette[zone % std::max(grid.paletteCount, 1)];
        if (s.view == ChartView::Sum && col == 2) background = kHeaderRows;
        grid.SetColumnColor(col, background);
        for (int row = 0; row < grid.rowCount; ++row) {
            t_s_cell& c = grid.cell(col, row);
            c.fontColor = kBlack;
            if (zone >= 0 || (s.view == ChartView::Sum && col == 2)) {
                c.fontColor = kWhite;
                c.fontSize = kZoneFontSize;
            } else if (isExtended(s.view) && col == 1) {
                c.fontColor = kRed;
            }
        }
        if (col == 0) continue;
        grid.cell(col, 0).background = kHeaderTop;
        grid.cell(col, 0).fontColor = kWhite;
        for (int row = 1; row < grid.fixedRows; ++row) {
            grid.cell(col, row).background = kHeaderRows;
            grid.cell(col, row).fontColor = kWhite;
        }
    }
    grid.SetColumnBorders(0, false);
    // The gap after every per-position zone but the last.
    if (!isExtended(s.view))
        for (int i = 0; i + 1 < grid.zoneCount; ++i) {
            const int gap = grid.zones[i].last + 1;
            grid.SetColumnWidth(gap, kNarrowWidth);
            grid.SetColumnVisible(gap, false);
        }
    for (int i = 0; i < grid.zoneCount; ++i) {
        const GridZone zone = grid.zones[i];
        grid.SetCellText(zone.first, 0, captions[i]);
        grid.MergeAcross(0, zone.first, zone.last);
        for (int col = zone.first; col <= zone.last; ++col) {
            const int offset = col - zone.first;
            std::string caption;
            switch (s.view) {
                case ChartView::Tail: caption = std::to_string(offset); break;
                case ChartView::OddEven: caption = markText(s, offset); break;
                case ChartView::PrimeComposite: caption = markText(s, offset); break;
                case ChartView::Counts:
                case ChartView::ZoneCounts: caption = std::to_string(offset); break;
                case ChartView::Sum: caption = kSumCaptions[offset]; break;
                case ChartView::Field: break;
            }
            if (s.view != ChartView::Field) {
                grid.SetCellText(col, 1, caption);
                continue;
            }
            for (int k = 0; k < s.field.rows; ++k) {
                const std::uint8_t v = s.field.cells[offset][k];
                grid.SetCellText(col, k + 1, v == kFieldEmpty ? std::string() : TwoDigitText(v));
            }
        }
    }
    if (isExtended(s.view)) grid.SetCellText(1, 0, "开奖号");
    grid.dataRowCount = ws.MainStore.Count();
    grid.SetBounds({kChartInset, kChartInset, width - kChartInset, height - kChartInset});
}

void fillChartRows(t_s_grid& grid, Workspace& ws, const ChartSettings& s) {
    t_s_dm& store = ws.MainStore;
    const int count = store.Count();
    // A history that shrank (another type, deleted draws) leaves the window to be placed again.
    if (grid.topRow > count) grid.topRow = 0;
    if (grid.topRow == 0) {
        if (count < grid.visibleRows) {
            store.First();
            grid.topRow = 1;
        } else {
            store.Last();
            store.MoveBy(2 - grid.visibleRows);
            grid.topRow = store.RecNo();
        }
    } else {
        store.SetRecNo(grid.topRow);
    }
    const int end = grid.fixedRows + grid.visibleRows;
    for (int r = grid.fixedRows; r < end; ++r) {
        // An empty history reports no end after First; it has only the selection row.
        if (store.Eof() || count == 0) {
            grid.CopySpareToRow(r);
            grid.SetCellText(0, r, kChartSelectionCaption);
            break;
        }
        const int issue = store.GetField(0);
        grid.SetCellText(0, r, issue == kForecastIssue ? "预测区" : std::to_string(issue));
        markDraw(grid, ws, s, r);
        store.Next();
    }
    for (int r = grid.fixedRows; r + 1 < end; ++r)
        for (int z = 0; z < grid.zoneCount; ++z) {
            const int from = firstTagged(grid, grid.zones[z], r);
            const int to = firstTagged(grid, grid.zones[z], r + 1);
            if (from < 0 || to < 0) continue;
            grid.cell(from, r).linkOn = 1;
            grid.cell(from, r).linkTarget = &grid.cell(to, r + 1);
        }
}

void drawChart(t_s_grid& grid, Workspace& ws, const ChartSettings& s, DrawSurface& surface, int width, int height) {
    t_s_dm& store = ws.MainStore;
    const bool placed = store.Count() > 0;
    const int issue = placed ? store.GetField(0) : 0;
    setUpChartGrid(grid, ws, s, surface, width, height);
    fillChartRows(grid, ws, s);
    grid.Draw(surface);
    if (placed) store.GotoIssue(issue);
}

int chartZoneOf(const t_s_grid& grid, int col) {
    for (int z = 0; z < grid.zoneCount; ++z)
        if (col >= grid.zones[z].first && col <= grid.zones[z].last) return z;
    return -1;
}

bool toggleChartSelection(t_s_grid& grid, const ChartSettings& s, int col, int row) {
    const int z = chartZoneOf(grid, col);
    if (z < 0 || !grid.hasCell(col, row)) return false;
    t_s_cell& clicked = grid.cell(col, row);
    if (clicked.mark.kind != kMarkNone) {
        clearMark(clicked);
    } else {
        const GridZone zone = grid.zones[z];
        for (int c = zone.first; c <= zone.last; ++c) clearMark(grid.cell(c, row));
        setMark(clicked, z % kTileCount, s.view == ChartView::Field ? std::string() : markText(s, col - zone.first));
    }
    grid.CopyRowToSpare(row);
    return true;
}

void clearChartSelection(t_s_grid& grid) {
    // Out of view the row index lies beyond the drawn rows; the spare row is what survives, so it is
    // cleared directly as well.
    const int row = grid.dataRowCount + grid.fixedRows - grid.topRow + 1;
    const bool inView = row >= grid.fixedRows && row < grid.drawnRows && row < grid.rowCount;
    for (int col = grid.frozenCols; col < grid.drawnCols; ++col) {
        if (inView) grid.cell(col, row).ClearContents();
        grid.spare(col).ClearContents();
    }
}

}  // namespace qorvel
