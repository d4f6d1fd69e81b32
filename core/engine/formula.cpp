#include "engine/formula.h"

#include "engine/indicators.h"
#include "text/number_text.h"

namespace qorvel {

bool evaluateFormula(Workspace& ws, std::string_view formula, int32_t& value, std::string* error) {
    formula = trimBlanks(formula);
    if (formula.empty()) {
        if (error) *error = "你还未输入公式";
        return false;
    }
    if (auto n = parseWholeNumber(formula)) {
        value = *n;
        return true;
    }
    value = indicatorValue(ws, formula);
    return true;
}

}  // namespace qorvel
