// The association analysis of the more-charts page: the draws that meet position, issue-tail and
// indicator conditions ("本期系列"), each beside the draw that followed it ("下期系列"), with the values of
// the indicators in use at both. One history pass evaluates every formula, so nested derived series cost
// one walk of the history; a long pass reports progress and can be stopped.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/formula_history.h"
#include "types/workspace.h"
#include "views/dissection_input.h"

namespace qorvel {

constexpr int kAssociationPositions = 5;
constexpr int kAssociationIndicators = 3;
constexpr int kAnyValue = -1;  // a position or issue-tail filter at "all"

struct AssociationIndicator {
    std::string formula;           // as typed; trimmed before evaluation
    bool restricted = false;       // the row's value field is not empty
    std::vector<int32_t> allowed;  // the values a match may take when restricted
};

struct AssociationFilter {
    std::array<int, kAssociationPositions> positions{kAnyValue, kAnyValue, kAnyValue, kAnyValue, kAnyValue};
    bool anyMainPosition = false;  // "主号不对位": the value may be any of the main numbers
    int issueTail = kAnyValue;     // 0..9: the issue's last digit
    std::vector<AssociationIndicator> indicators;  // the rows in use, in order
};

struct AssociationSide {
    int32_t issue = 0;
    std::vector<int> numbers;                    // the W numbers, main then special
    std::vector<std::optional<int32_t>> values;  // one per indicator in use; empty when it failed
};

struct AssociationRow {
    AssociationSide current;
    std::optional<AssociationSide> next;  // the draw after it; none for the newest draw
};

struct AssociationTable {
    int width = 0;       // W: main plus special numbers
    int indicators = 0;  // M: indicators in use
    std::vector<std::string> header;  // 2H captions, H = W + M + 1
    std::vector<AssociationRow> rows;
    int withNext = 0;  // rows that have a following draw
    bool stopped = false;  // by the progress callback: nothing else is set

    int half() const { return width + indicators + 1; }
    int columnCount() const { return 2 * half(); }
    // The texts of table row `row` (0-based, below the header): 2H cells, those of a missing half empty.
    std::vector<std::string> cells(int row) const;
    // One of them; empty outside the table.
    std::string cell(int row, int column) const;
};

// Walks the whole history of ws.MainStore under one history pass; the cursor comes back.
AssociationTable buildAssociationTable(Workspace& ws, const AssociationFilter& filter,
                                       const PassProgress& progress = {});

// "本期系列一共有" n "条;下期系列一共有" m "条".
std::string associationCountText(const AssociationTable& table);

// The export "导出下期系列开奖数据": one line per row with a following draw — its issue and its numbers, the
// special ones too when withSpecial, each followed by one blank.
std::vector<std::string> associationExportLines(const AssociationTable& table, int mainCount, bool withSpecial);

// The series of table column `column` (not an issue column) for the dissection: the values of the rows of
// that half, oldest first, labelled with their own issues; the title is the column's caption. Rows whose
// cell is empty (no following draw, a failed indicator) are left out. Nothing for an issue column, a column
// out of range or a column without a value.
std::optional<DissectionInput> associationColumnSeries(const AssociationTable& table, int column);

}  // namespace qorvel
