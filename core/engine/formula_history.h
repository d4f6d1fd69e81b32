// A formula evaluated at every draw of the history in one pass: the evaluations share one memo, so the
// derived series inside the formula are built once for the whole history. Long passes report progress
// and can be stopped.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "types/workspace.h"

namespace qorvel {

// Rows between two progress reports of a pass.
constexpr int kPassProgressRows = 64;

// Called every kPassProgressRows rows with the rows done and the rows in all; returning false stops the
// pass. A stopped pass changes nothing and leaves the cursor where it was.
using PassProgress = std::function<bool(int done, int total)>;

struct FormulaRowFailure {
    int row = 0;
    std::string error;  // the evaluator's text
};

struct HistoryValues {
    std::vector<int32_t> values;               // rows 1..n in order; a failed row holds the value reached
    std::vector<FormulaRowFailure> failures;   // in row order
    bool stopped = false;                      // by the progress callback; values and failures are empty
};

// Evaluates formula with the cursor on every row of ws.MainStore in turn. With stopAtFirstFailure the
// values end at the first failing row (its value included). The cursor is returned.
HistoryValues evaluateAtEveryDraw(Workspace& ws, std::string_view formula, const PassProgress& progress = {},
                                  bool stopAtFirstFailure = false);

}  // namespace qorvel
