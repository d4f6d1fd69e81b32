// The three regular data tables: one row per draw (oldest first) of per-draw properties as the grids
// show them.
#pragma once

#include <string>
#include <vector>

#include "types/workspace.h"

namespace qorvel {

constexpr int kDataTableCount = 3;

struct DataTable {
    std::vector<std::string> header;             // "期数", the number columns, then the table's own columns
    std::vector<std::vector<std::string>> rows;  // one per draw, every cell's text
};

// Table 1, 2 or 3 ("数据表1/2/3") over every draw of ws.MainStore; an empty table for another number.
// The cursor does not move.
DataTable buildDataTable(const Workspace& ws, int table);

// The captions of the number positions: MainLabel + 1 … MainCount, then SpecialLabel alone for one special
// number or SpecialLabel + 1 … for several.
std::vector<std::string> numberCaptions(const Workspace& ws);

}  // namespace qorvel
