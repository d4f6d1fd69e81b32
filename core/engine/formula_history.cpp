#include "engine/formula_history.h"

#include "engine/derived_series.h"
#include "engine/tgs.h"
#include "engine/tgs_memo.h"

namespace qorvel {

HistoryValues evaluateAtEveryDraw(Workspace& ws, std::string_view formula, const PassProgress& progress,
                                  bool stopAtFirstFailure) {
    HistoryValues out;
    t_s_dm& store = ws.MainStore;
    CursorReturn back(store);
    HistoryPass pass(ws);
    tgs evaluator(ws);
    const int count = store.Count();
    out.values.reserve(static_cast<std::size_t>(count));
    for (int r = 1; r <= count; ++r) {
        store.SetRecNo(r);
        int32_t value = 0;
        const bool ok = evaluator.evaluate(formula, value);
        out.values.push_back(value);
        if (!ok) {
            out.failures.push_back({r, evaluator.errorText()});
            if (stopAtFirstFailure) break;
        }
        if (progress && r % kPassProgressRows == 0 && r < count && !progress(r, count)) {
            return HistoryValues{{}, {}, true};
        }
    }
    return out;
}

}  // namespace qorvel
