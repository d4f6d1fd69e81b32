#include "engine/formula.h"

#include "engine/tgs.h"
#include "engine/tgs_memo.h"

namespace qorvel {

bool evaluateFormula(Workspace& ws, std::string_view formula, int32_t& value, std::string* error) {
    const int row = ws.MainStore.RecNo();
    const bool memoize = worthMemoizing(formula);
    if (memoize) {
        MemoOutcome known;
        if (findMemoOutcome(ws, formula, row, known)) {
            value = known.value;
            if (!known.ok && error) *error = *known.error;
            return known.ok;
        }
    }
    tgs evaluator(ws);
    const bool ok = evaluator.evaluate(formula, value);
    if (!ok && error) *error = evaluator.errorText();
    if (memoize) storeMemoOutcome(ws, formula, row, value, ok, evaluator.errorText());
    return ok;
}

}  // namespace qorvel
