// Indicator computation: the value of any catalogue code, "test" (the value column) or composite code for
// the draw at the cursor of the workspace's MainStore.
// (Interim: a minimal lookup until the full catalogue lands; the signatures below are the contract.)
#pragma once

#include <cstdint>
#include <string_view>

#include "types/workspace.h"

namespace qorvel {

constexpr int32_t kUnknownIndicator = -999;

// The value of the named indicator at the cursor of ws.MainStore; −999 for a name outside the catalogue.
// The cursor is where it was when this returns.
int32_t indicatorValue(Workspace& ws, std::string_view name);

// 1 counts as prime, 0 does not.
bool isPrime(int x);

}  // namespace qorvel
