// The forecast row: the in-memory row with issue 9999999 at the end of the history that pages fill with
// the numbers chosen for the coming draw. It is never saved by the operations here.
#pragma once

#include <array>
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

// Writes the numbers into the forecast row (created when missing) as its main numbers, with 1 and 2 as
// its first two special fields. Returns the message to show, empty on success; a wrong count of numbers
// changes nothing.
std::string writeForecastRow(t_s_dm& store, const TypeParams& params, const std::vector<int>& mains);

// Deletes the forecast row from memory; false when there is none.
bool clearForecastRow(t_s_dm& store);

}  // namespace qorvel
