// Formula evaluation entry point used by the indicator engine's expression codes, the filter and the
// pages: evaluates a formula at the cursor of ws.MainStore with a fresh evaluator.
// (Interim: a single name or number until the formula language lands; the signature is the contract.)
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "types/workspace.h"

namespace qorvel {

// True on success with the result in value; on failure error receives the evaluator's error text.
bool evaluateFormula(Workspace& ws, std::string_view formula, int32_t& value, std::string* error = nullptr);

}  // namespace qorvel
