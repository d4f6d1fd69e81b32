#include "views/transform_table.h"

#include "draws/history_edit.h"
#include "text/number_text.h"

namespace qorvel {

TransformTableRow transformTableRow(const DrawFields& fields, const TypeParams& params, bool withSpecials) {
    TransformTableRow row;
    row.issue = fields[0];
    for (int i = 1; i <= params.MainCount && i < kDrawFields; ++i) {
        if (fields[i] >= 0 && fields[i] < 64) row.drawn |= uint64_t{1} << fields[i];
        row.text += TwoDigitText(fields[i]) + " ";
    }
    if (withSpecials) {
        row.text += "| ";
        for (int i = 1; i <= effectiveSpecialCount(params) && params.MainCount + i < kDrawFields; ++i)
            row.text += TwoDigitText(fields[params.MainCount + i]) + ",";
    }
    return row;
}

}  // namespace qorvel
