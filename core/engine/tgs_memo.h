// The evaluation memo: while the outermost formula evaluation runs, nothing changes the draw store, so the
// outcome of a formula text at a draw is fixed. The nested evaluations of that run (function arguments,
// the draws visited by the derived series, expression codes) share one memo of those outcomes. Results are
// unchanged; nested series such as getzf(getzf(...)) cost time linear in their depth instead of doubling
// with each level.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "types/workspace.h"

namespace qorvel {

struct EvaluationMemo;

struct MemoOutcome {
    int32_t value = 0;
    bool ok = false;
    std::string error;  // empty on success
};

// Opened by the outermost evaluation; the memo lives until the scope ends.
class EvaluationMemoScope {
public:
    explicit EvaluationMemoScope(const Workspace& ws);
    ~EvaluationMemoScope();
    EvaluationMemoScope(const EvaluationMemoScope&) = delete;
    EvaluationMemoScope& operator=(const EvaluationMemoScope&) = delete;

private:
    std::unique_ptr<EvaluationMemo> memo_;
    EvaluationMemo* previous_;
};

// Only texts that call a function are kept: a plain name or number is cheaper to evaluate than to look up,
// and it cannot nest.
bool worthMemoizing(std::string_view formula);

// The outcome of the text at the row, when an open memo of this workspace holds it.
const MemoOutcome* findMemoOutcome(const Workspace& ws, std::string_view formula, int row);
void storeMemoOutcome(const Workspace& ws, std::string_view formula, int row, MemoOutcome outcome);

}  // namespace qorvel
