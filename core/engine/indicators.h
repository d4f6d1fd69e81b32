// Indicator computation: the value of any catalogue code, "test" (the value column) or composite code for
// the draw at the cursor of the workspace's MainStore, the shared prime rule and thresholds, and the
// derived series and segment statistics built on them.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/derived_series.h"
#include "engine/indicator_kernels.h"
#include "engine/segment_statistic.h"
#include "types/workspace.h"

namespace qorvel {

constexpr int32_t kUnknownIndicator = -999;
constexpr std::string_view kValueColumnName = "test";

// The value of the named indicator at the cursor of ws.MainStore; −999 for a name outside the catalogue.
// The cursor is where it was when this returns.
int32_t indicatorValue(Workspace& ws, std::string_view name);

// The value of one catalogue entry at the cursor of ws.MainStore.
int32_t catalogueValue(Workspace& ws, const CatalogueEntry& entry);

// 1 counts as prime, 0 and negative numbers do not.
bool isPrime(int x);

// The thresholds of the workspace's current type (B2, B31, B32, B33 and T).
Thresholds indicatorThresholds(const Workspace& ws);

}  // namespace qorvel
