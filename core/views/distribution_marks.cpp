#include "views/distribution_marks.h"

#include <algorithm>

#include "text/number_text.h"
#include "views/view_text.h"

namespace qorvel {
namespace {

constexpr uint8_t kAcross = 1, kDown = 2, kDiagonal = 3;
constexpr uint8_t kRunOffset = 3;  // a run's code is its pair's code + 3
constexpr int kTileStrong = 0, kTileWeak = 1, kTilePlain = 2;
constexpr int kKeepStrongOnly = 1, kNoMarks = 2;

CodeMatrix blank(const DrawnMatrix& m) {
    return CodeMatrix(static_cast<std::size_t>(m.rows()), std::vector<uint8_t>(m.numbers() + 2, 0));
}

bool isPairOrRun(uint8_t v, uint8_t pair) { return v == pair || v == pair + kRunOffset; }

// Marks every pair (r, n)–(r + dr, n + dn) of drawn cells on s: the pair code, or the run code when the
// first cell already belongs to a chain; then the first cell of each run takes the run code.
void markChains(const DrawnMatrix& m, CodeMatrix& s, int dr, int dn, uint8_t pair) {
    const uint8_t run = pair + kRunOffset;
    for (int r = 0; r < m.rows(); ++r)
        for (int n = 1; n <= m.numbers(); ++n)
            if (m.drawn(r, n) && m.drawn(r + dr, n + dn)) {
                const uint8_t v = isPairOrRun(s[r][n], pair) ? run : pair;
                s[r][n] = v;
                s[r + dr][n + dn] = v;
            }
    for (int r = 0; r < m.rows(); ++r)
        for (int n = 1; n <= m.numbers(); ++n)
            if (s[r][n] == pair && m.inside(r + dr, n + dn) && s[r + dr][n + dn] == run) s[r][n] = run;
}

// A run code always wins; a pair code only fills cells still unclassified.
void merge(CodeMatrix& base, const CodeMatrix& pass, uint8_t pair) {
    for (std::size_t r = 0; r < base.size(); ++r)
        for (std::size_t n = 0; n < base[r].size(); ++n) {
            if (pass[r][n] == pair + kRunOffset)
                base[r][n] = pass[r][n];
            else if (pass[r][n] == pair && base[r][n] == kNoAssociation)
                base[r][n] = pair;
        }
}

// Marks the listed cells (offsets from (r, n)) when all of them are drawn.
void markWhenAll(const DrawnMatrix& m, CodeMatrix& out, std::initializer_list<std::pair<int, int>> cells) {
    for (int r = 0; r < m.rows(); ++r)
        for (int n = 1; n <= m.numbers(); ++n) {
            bool all = true;
            for (auto [dr, dn] : cells) all = all && m.drawn(r + dr, n + dn);
            if (all)
                for (auto [dr, dn] : cells) out[r + dr][n + dn] = 1;
        }
}

void markSquareTriangles(const DrawnMatrix& m, CodeMatrix& out) {
    constexpr std::pair<int, int> square[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    constexpr int kTriangleCells = 3;
    for (int r = 0; r < m.rows(); ++r)
        for (int n = 1; n <= m.numbers(); ++n) {
            int drawn = 0;
            for (auto [dr, dn] : square) drawn += m.drawn(r + dr, n + dn);
            if (drawn >= kTriangleCells)
                for (auto [dr, dn] : square)
                    if (m.drawn(r + dr, n + dn)) out[r + dr][n + dn] = 1;
        }
}

std::string numbersText(const DrawRecord& row, const TypeParams& p) {
    std::vector<int> mains(row.fields.begin() + 1, row.fields.begin() + 1 + p.MainCount);
    std::string text = numbersFollowedBy(mains, " ");
    if (p.SpecialCount > 0) {
        std::vector<int> specials(row.fields.begin() + 1 + p.MainCount,
                                  row.fields.begin() + 1 + p.MainCount + p.SpecialCount);
        text += "- " + numbersFollowedBy(specials, " ");
    }
    return text;
}

// The window of draws the marks look at, as a matrix whose row 0 is the draw `firstRow`.
struct Window {
    int firstRow = 1;
    int selectionIndex = -1;  // matrix row of the selection row, −1 when outside
    DrawnMatrix matrix{0, 0};
};

Window buildWindow(const t_s_dm& store, const TypeParams& p, int topRow, int dataRows,
                   const SelectionFlags& selection) {
    Window w;
    w.firstRow = std::max(topRow - kAssociationRowsAbove, 1);
    w.matrix = DrawnMatrix(dataRows + kAssociationExtraRows, std::max(p.MainTo, 0));
    const int count = store.Count();
    for (int i = 0; i < w.matrix.rows(); ++i) {
        const int r = w.firstRow + i;
        if (r <= count) {
            for (int f = 1; f <= p.MainCount; ++f) w.matrix.set(i, store.Row(r).fields[f]);
        } else if (r == count + 1 && topRow + dataRows - 1 > count) {
            w.selectionIndex = i;
            for (int n = 1; n <= kSelectionNumbers; ++n)
                if (selection[n]) w.matrix.set(i, n);
        }
    }
    return w;
}

// Rows of the window with their captions; fill(row, matrixIndex) adds the marks.
template <class Fill>
std::vector<DistributionRow> windowRows(const t_s_dm& store, const TypeParams& p, int topRow, int dataRows,
                                        const Window& w, Fill&& fill) {
    std::vector<DistributionRow> rows;
    const int count = store.Count();
    for (int r = topRow; r < topRow + dataRows && r <= count + 1; ++r) {
        DistributionRow row;
        if (r <= count) {
            row.issue = store.Row(r).fields[0];
            row.issueText = issueCaption(row.issue);
            row.numbersText = numbersText(store.Row(r), p);
        } else {
            if (w.selectionIndex < 0) break;
            row.selection = true;
            row.issueText = kDistributionSelectionCaption;
        }
        fill(row, r, r - w.firstRow);
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

const std::array<const char*, kMarkingKinds>& markingCaptions() {
    static const std::array<const char*, kMarkingKinds> captions = {
        "标识二个以上连号,重号,斜连号", "标识三个以上连号,重号,斜连号", "取消标识", "连号", "重号", "左斜连号",
        "右斜连号", "斜连号", "左上三角", "右上三角", "左下三角", "右下三角", "三角"};
    return captions;
}

CodeMatrix classifyAssociations(const DrawnMatrix& m) {
    CodeMatrix base = blank(m);
    markChains(m, base, 0, 1, kAcross);
    const struct {
        int dr, dn;
        uint8_t pair;
    } passes[] = {{1, 0, kDown}, {1, -1, kDiagonal}, {1, 1, kDiagonal}};
    for (const auto& pass : passes) {
        CodeMatrix scratch = blank(m);
        markChains(m, scratch, pass.dr, pass.dn, pass.pair);
        merge(base, scratch, pass.pair);
    }
    return base;
}

CodeMatrix singlePattern(const DrawnMatrix& m, int pattern) {
    CodeMatrix out = blank(m);
    switch (pattern) {
        case 1: markWhenAll(m, out, {{0, 0}, {0, 1}}); break;
        case 2: markWhenAll(m, out, {{0, 0}, {1, 0}}); break;
        case 3: markWhenAll(m, out, {{0, 0}, {1, -1}}); break;
        case 4: markWhenAll(m, out, {{0, 0}, {1, 1}}); break;
        case 5:
            markWhenAll(m, out, {{0, 0}, {1, -1}});
            markWhenAll(m, out, {{0, 0}, {1, 1}});
            break;
        case 6: markWhenAll(m, out, {{0, 0}, {1, 0}, {0, 1}}); break;
        case 7: markWhenAll(m, out, {{0, 0}, {1, 1}, {0, 1}}); break;
        case 8: markWhenAll(m, out, {{0, 0}, {1, 1}, {1, 0}}); break;
        case 9: markWhenAll(m, out, {{0, 0}, {1, -1}, {1, 0}}); break;
        case 10: markSquareTriangles(m, out); break;
        default: break;
    }
    return out;
}

int associationTile(int marking, uint8_t code, bool inPattern) {
    if (marking >= kFirstSinglePattern) return inPattern ? kTileStrong : kTilePlain;
    if (marking == kNoMarks || code == kNoAssociation) return kTilePlain;
    if (code > kRunOffset) return kTileStrong;
    return marking == kKeepStrongOnly ? kTilePlain : kTileWeak;
}

bool toggleDistributionSelection(SelectionFlags& selection, int n, int mainCount) {
    if (n < 1 || n > kSelectionNumbers) return false;
    if (!selection[n]) {
        int selected = 0;
        for (int k = 1; k <= kSelectionNumbers; ++k) selected += selection[k];
        if (selected >= mainCount) return false;
    }
    selection[n] = !selection[n];
    return true;
}

int distributionStartRow(int drawCount, int dataRows) {
    return drawCount < dataRows ? 1 : std::max(drawCount - (dataRows - 2), 1);
}

std::vector<DistributionRow> associationRows(const t_s_dm& store, const TypeParams& p, int topRow, int dataRows,
                                             int marking, const SelectionFlags& selection) {
    topRow = std::max(topRow, 1);
    const Window w = buildWindow(store, p, topRow, dataRows, selection);
    const bool single = marking >= kFirstSinglePattern && marking < kMarkingKinds;
    const CodeMatrix codes = single ? singlePattern(w.matrix, marking - kFirstSinglePattern + 1)
                                    : classifyAssociations(w.matrix);
    return windowRows(store, p, topRow, dataRows, w, [&](DistributionRow& row, int, int i) {
        for (int n = std::max(p.MainFrom, 1); n <= p.MainTo; ++n) {
            if (!w.matrix.drawn(i, n)) continue;
            int tile = associationTile(marking, single ? 0 : codes[i][n], single && codes[i][n] != 0);
            if (row.selection) tile = tile == kTilePlain ? kTilePlain : kTileStrong;
            row.marks.push_back({n, tile});
        }
    });
}

std::vector<DistributionRow> temperatureRows(const t_s_dm& store, const TypeParams& p,
                                             const ColdHotSettings& settings, int topRow, int dataRows,
                                             const SelectionFlags& selection) {
    topRow = std::max(topRow, 1);
    const Window w = buildWindow(store, p, topRow, dataRows, selection);
    const TemperatureRule rule = mainTemperatureRule(p, settings);
    return windowRows(store, p, topRow, dataRows, w, [&](DistributionRow& row, int r, int i) {
        const int classifiedAt = row.selection ? store.Count() : std::max(r - 1, 1);
        row.temperatures = temperaturesAt(store, rule, classifiedAt);
        for (int n = std::max(p.MainFrom, 1); n <= p.MainTo; ++n)
            if (w.matrix.drawn(i, n)) row.marks.push_back({n, static_cast<int>(row.temperatures[n])});
    });
}

}  // namespace qorvel
