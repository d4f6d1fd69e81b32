// The result popups' work on the forecast row and on transformed numbers: "加到预测区" from the main,
// special and dual result sets (the forecast row, issue 9999999, is edited or created), and
// "恢复到原始投注结果" (every ticket mapped back through the active data transformation and re-sorted).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "combos/dual_match.h"
#include "combos/result_set.h"
#include "combos/special_filter.h"
#include "draws/data_transform.h"
#include "draws/forecast_row.h"
#include "draws/t_s_dm.h"
#include "types/workspace.h"

namespace qorvel {

extern const char* const kSelectRowMessage;  // "请先在上边的列表中选择一组号码"

// "加到预测区" of each result set for the selected entry k (1-based; 0 or out of range: kSelectRowMessage).
// The main set writes the ticket and 1 and 2 as the first two special numbers; the special set writes
// its group into the special fields only; the dual set writes the ticket's main and special numbers.
std::string addMainResultToForecast(t_s_dm& store, const TypeParams& params, const ResultSet& results, int k);
std::string addSpecialResultToForecast(t_s_dm& store, const TypeParams& params, const SpecialResultSet& results,
                                       int k);
std::string addDualResultToForecast(t_s_dm& store, const TypeParams& params, const DualResultSet& results, int k);

// "恢复到原始投注结果": with a data transformation active every main number is replaced by its original
// (through the mapping row of the last real draw); each ticket is then sorted ascending. The hit byte of a
// main ticket and the special numbers of a dual ticket are kept.
void restoreOriginalResults(const Workspace& ws, const DataTransform& transform, ResultSet& results);
void restoreOriginalDualResults(const Workspace& ws, const DataTransform& transform, DualResultSet& results);
// The same through the workspace's own mapping, active while its data are transformed.
void restoreOriginalResults(const Workspace& ws, ResultSet& results);

}  // namespace qorvel
