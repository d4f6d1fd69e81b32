// The forecast row of one run: a fresh all-zero draw with issue 9999999 appended to the store for the
// length of a scope. A forecast row that was there before is deleted first and stays gone; at the end the
// cursor is back on the draw it was on, found again by its issue.
#pragma once

#include "draws/t_s_dm.h"

namespace qorvel {

// Deletes every row with issue 9999999.
void deleteForecastRows(t_s_dm& store);

// Deletes the last row when its issue is above 9999989 (a forecast or candidate row left in the store).
void dropTemporaryLastRow(t_s_dm& store);

class ForecastRowScope {
public:
    explicit ForecastRowScope(t_s_dm& store);
    ~ForecastRowScope();
    ForecastRowScope(const ForecastRowScope&) = delete;
    ForecastRowScope& operator=(const ForecastRowScope&) = delete;

    int row() const { return row_; }  // the forecast row's record number

private:
    t_s_dm& store_;
    int32_t cursorIssue_ = 0;
    int row_ = 0;
};

}  // namespace qorvel
