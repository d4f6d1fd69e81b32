// The forecast row: the in-memory row with issue 9999999 at the end of the history that pages fill with
// the numbers chosen for the coming draw. It is never saved by the operations here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "draws/t_s_dm.h"
#include "types/lottery_type.h"

namespace qorvel {

constexpr int kSelectionNumbers = 49;
// Selection flags of a "选号区": index n (1..49) says whether number n is selected; index 0 is unused.
using SelectionFlags = std::array<bool, kSelectionNumbers + 1>;

// "选号区红号个数应为" + count + "个"
std::string selectionCountMessage(int mainCount);

// The selected numbers in ascending order.
std::vector<int> selectedNumbers(const SelectionFlags& selection);

// The operations below leave the store's cursor on the draw it was on (on the last draw when that was the
// forecast row that is deleted).

// Writes the numbers into the forecast row, creating it (all fields 0) at the end of the store when there
// is none: the main numbers into fields 1..mainCount, the special numbers into the fields after them. An
// empty list leaves its fields as they are.
void writeForecastFields(t_s_dm& store, int mainCount, const std::vector<int32_t>& mains,
                         const std::vector<int32_t>& specials);

// Writes the numbers into the forecast row as its main numbers, with 1 and 2 as its first two special
// fields. Returns the message to show, empty on success; a wrong count of numbers changes nothing.
std::string writeForecastRow(t_s_dm& store, const TypeParams& params, const std::vector<int>& mains);

// Deletes the forecast row, from memory only or, with save, from the draw file too; false when there is
// none.
bool clearForecastRow(t_s_dm& store, bool save = false);

}  // namespace qorvel
