// Cold, warm and hot numbers by how often they came in a window of draws ending at a given row, read
// from the rows directly so a view can classify every draw of the history without moving the cursor.
#pragma once

#include <cstdint>
#include <vector>

#include "draws/t_s_dm.h"
#include "types/cold_hot.h"
#include "types/lottery_type.h"

namespace qorvel {

// The order is the tile a view draws the temperature with.
enum class Temperature : uint8_t { Hot = 0, Warm = 1, Cold = 2 };

// Which fields are counted, for numbers 1…maxNumber, over how many draws, with which limits.
struct TemperatureRule {
    int firstField = 1, lastField = 0, maxNumber = 0;
    int period = 0, cold = 0, hot = 0;
};

TemperatureRule mainTemperatureRule(const TypeParams& params, const ColdHotSettings& settings);
TemperatureRule specialTemperatureRule(const TypeParams& params, const ColdHotSettings& settings);

// The temperature of every number (index n, 1…maxNumber; index 0 unused) over the rule's period of draws
// ending at endRow, the draw itself included. Period and counts are byte-sized, as in the cold/hot lists.
std::vector<Temperature> temperaturesAt(const t_s_dm& store, const TemperatureRule& rule, int endRow);

}  // namespace qorvel
