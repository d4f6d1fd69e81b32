#include "killbanker/forecast_scope.h"

namespace qorvel {
namespace {
constexpr int32_t kHighestDrawIssue = 9999989;  // issues above it belong to temporary rows
}

void deleteForecastRows(t_s_dm& store) {
    for (int r = store.Count(); r >= 1; --r) {
        if (store.Row(r).fields[0] != kForecastIssue) continue;
        store.SetRecNo(r);
        store.Delete(false);
    }
}

void dropTemporaryLastRow(t_s_dm& store) {
    if (store.Count() < 1 || store.Row(store.Count()).fields[0] <= kHighestDrawIssue) return;
    const int cursor = store.RecNo();
    store.SetRecNo(store.Count());
    store.Delete(false);
    if (cursor >= 1 && cursor <= store.Count()) store.SetRecNo(cursor);
}

ForecastRowScope::ForecastRowScope(t_s_dm& store) : store_(store) {
    const int cursor = store.RecNo();
    if (cursor >= 1 && cursor <= store.Count()) cursorIssue_ = store.Row(cursor).fields[0];
    deleteForecastRows(store);
    row_ = store.Count() + 1;
    store.SetCount(row_);
    // A deleted row can leave its values in the slot; the forecast row starts all zero.
    store.MutableRow(row_) = DrawRecord{};
    store.MutableRow(row_).fields[0] = kForecastIssue;
    store.SetRecNo(row_);
}

ForecastRowScope::~ForecastRowScope() {
    deleteForecastRows(store_);
    if (store_.Count() < 1) return;
    if (cursorIssue_ == 0 || cursorIssue_ == kForecastIssue || !store_.GotoIssue(cursorIssue_)) store_.Last();
}

}  // namespace qorvel
