// The rows of the data transformation dialog's table: which main numbers each draw holds, and the text
// of its last column.
#pragma once

#include <cstdint>
#include <string>

#include "draws/t_s_dm.h"
#include "types/lottery_type.h"

namespace qorvel {

struct TransformTableRow {
    int issue = 0;
    uint64_t drawn = 0;  // bit x set when main number x (0..63) is in the draw
    std::string text;    // the main numbers "01 02 … ", then with specials "| " and each special "07,"
};

TransformTableRow transformTableRow(const DrawFields& fields, const TypeParams& params, bool withSpecials);

inline bool holdsNumber(const TransformTableRow& row, int x) {
    return x >= 0 && x < 64 && ((row.drawn >> x) & 1U) != 0;
}

}  // namespace qorvel
