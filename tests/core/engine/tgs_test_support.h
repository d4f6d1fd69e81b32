// A workspace of the default type (six of 1..33 plus one of 1..16) holding a small history, for the
// formula evaluator's tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/tgs.h"
#include "test_support.h"
#include "types/workspace.h"

namespace qorvel::testing {

// Five draws; their main sums are 21, 42, 21, 105, 33, their first numbers 1, 2, 1, 5, 3, and their value
// column (the name "test") 10, 20, 30, 40, 50.
inline const std::vector<std::vector<int>> kFiveDraws = {
    {2020001, 1, 2, 3, 4, 5, 6, 7},      {2020002, 2, 4, 6, 8, 10, 12, 3}, {2020003, 1, 2, 3, 4, 5, 6, 9},
    {2020004, 5, 10, 15, 20, 25, 30, 1}, {2020005, 3, 4, 5, 6, 7, 8, 7},
};

inline void loadHistory(Workspace& ws, const std::vector<std::vector<int>>& draws) {
    fillStore(ws.MainStore, draws);
    for (int r = 1; r <= ws.MainStore.Count(); ++r) ws.MainStore.MutableRow(r).value = 10 * r;
}

struct Outcome {
    bool ok = false;
    int32_t value = 0;
    std::string error;
};

// Evaluates with a fresh evaluator; value starts at `initial` so an untouched value shows.
inline Outcome evaluateAt(Workspace& ws, const std::string& formula, int32_t initial = 0) {
    tgs evaluator(ws);
    Outcome o;
    o.value = initial;
    o.ok = evaluator.evaluate(formula, o.value);
    if (!o.ok) o.error = evaluator.errorText();
    return o;
}

}  // namespace qorvel::testing
