// The value-picker requests of the special-zone tabs of the filter page: the blue-filter conditions with
// values (remainders, amplitude, omission), the list conditions of the special-zone filter, and the
// special candidate and banker numbers. Each request carries the condition's range for the current
// type, its chosen values as preselection and, where the picker offers criteria, the current value.
#pragma once

#include "combos/special_conditions.h"
#include "combos/value_criteria.h"
#include "types/workspace.h"

namespace qorvel {

// 除三/四/五余数: tiles over 0..divisor − 1 without criteria. 绝对振幅: tiles over 0..special maximum with
// criteria; 遗漏值: the check list over 0..150 with criteria; both with the value of their indicator for
// the last draw. Choice and mean conditions have no picker (from > to in the request).
ValuePickerRequest blueConditionPickerRequest(Workspace& ws, const BlueConditionSet& conditions,
                                              const BlueConditionInfo& info);

// A list condition of the special-zone filter: tiles with criteria over its range, the indicator's value
// for the last draw as the current value.
ValuePickerRequest zoneConditionPickerRequest(Workspace& ws, const ZoneConditionSet& conditions,
                                              const ZoneConditionInfo& info);

// "副区可选号码" and "副区胆码": tiles over the special range with the current flags preselected.
ValuePickerRequest specialNumberPickerRequest(const Workspace& ws, const ZoneConditionSet& conditions, bool bankers);

}  // namespace qorvel
