// The value pickers as the self-set, tail-set and custom-indicator controls use them: one call that opens
// the picker modally and returns the chosen values ascending, or nothing when the user cancels.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace qorvel {

// The tile picker over from..to, without criteria and without preselection (the count choices).
std::optional<std::vector<int32_t>> chooseCountValues(QWidget* parent, int from, int to);

// The check-list picker over from..to with `preset` ticked and the formula's current value for the
// criteria; `formula` is what its "过滤助手" dissects.
std::optional<std::vector<int32_t>> chooseFormulaValues(QWidget* parent, const std::string& formula, int from, int to,
                                                        const std::vector<int32_t>& preset,
                                                        std::optional<int> currentValue);

}  // namespace qorvel
