// The computations behind the catalogue codes, each for one row of a draw store. They read rows directly
// and never move the store's cursor.
#pragma once

#include <cstdint>

#include "draws/t_s_dm.h"
#include "engine/indicator_catalogue.h"
#include "types/cold_hot.h"
#include "types/lottery_type.h"

namespace qorvel {

struct Workspace;

// Fields 1..50 can hold numbers; counts are clamped to them so no computation reads past a record.
constexpr int kMaxRecordNumbers = kDrawFields - 1;
constexpr int32_t kTailBase = 10;
constexpr int32_t kHighTail = 5;                // tails 5..9 are high
constexpr int32_t kNearestDistanceStart = 255;  // start value of every nearest-distance minimum
constexpr int32_t kSmallestGapStart = 999;

// The named thresholds of the current type.
struct Thresholds {
    int32_t B2 = 0;   // small/big boundary: bound 1 of the two-zone split
    int32_t B31 = 0;  // three-zone bounds
    int32_t B32 = 0;
    int32_t B33 = 0;
    int32_t T = 0;  // big-count threshold (MAX − MIN + 1) div 2
};

// Bound k of the n-zone split of 1..mainTo, read from the table when it has been built for this type
// and worked out by the same rule otherwise.
int32_t zoneBound(const ZoneBounds& zones, int mainTo, int n, int k);
Thresholds indicatorThresholds(const TypeParams& params, const ZoneBounds& zones);

// Everything a computation reads for one draw.
struct DrawContext {
    const t_s_dm* store = nullptr;
    int row = 0;           // the draw; 0 on an empty store (row 0 reads as zeros)
    int mainCount = 0;     // N, clamped to the record
    int specialCount = 0;  // M, clamped to the record
    int mainFrom = 0;
    int mainTo = 0;
    Thresholds thresholds;
    ColdHotSettings coldHot;

    const int32_t* fields(int r) const { return store->Row(r).fields.data(); }
    // Field i of row r; 0 outside the record.
    int32_t field(int r, int i) const { return (i >= 0 && i < kDrawFields) ? fields(r)[i] : 0; }
    const int32_t* mainNumbers(int r) const { return fields(r) + 1; }
    const int32_t* specialNumbers(int r) const { return fields(r) + 1 + mainCount; }
    // The draw before row r; false for the first draw.
    bool hasPrevious(int r) const { return r >= 2; }
};

// The context of the cursor row of ws.MainStore.
DrawContext drawContext(const Workspace& ws);

// The value of one kernel at row r of the context's store.
int32_t kernelValue(const DrawContext& c, int r, IndicatorKernel kernel, int arg);

// Draws before row r since value v was last among the main numbers (the global omission).
int32_t globalOmission(const DrawContext& c, int r, int32_t v);

}  // namespace qorvel
