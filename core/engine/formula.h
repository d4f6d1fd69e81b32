// Formula evaluation entry point used by the indicator engine's expression codes, the filter and the
// pages: evaluates a formula at the cursor of ws.MainStore with a fresh evaluator (tgs).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "types/workspace.h"

namespace qorvel {

// True on success with the result in value; on failure error receives the evaluator's error text and
// value the accumulator reached before the failing step (an empty formula leaves value untouched).
// Inside a running evaluation or a history pass, a text with a function call evaluated again at the same
// draw gives the outcome of its first evaluation without recomputing it (see tgs_memo.h).
bool evaluateFormula(Workspace& ws, std::string_view formula, int32_t& value, std::string* error = nullptr);

}  // namespace qorvel
