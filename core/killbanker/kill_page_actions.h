// What the banker and kill page does with a finished run besides showing it: which tabs a type shows,
// the forecast row's list handed to the filter as a self-set condition, the frequency table of a row and
// the scheme's formulas reordered by the run.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "combos/filter_conditions.h"
#include "killbanker/kill_run.h"

namespace qorvel {

// "副区杀号" needs one special number or more, "副区定胆" two or more; the other pages always show.
bool killPageShown(KillPage page, const TypeParams& params);

struct ForecastHandOver {
    SelfSetCondition condition;
    std::string error;  // empty when the condition can be handed over
};

// The forecast row's list as a self-set condition of main numbers: the main kill page hands its killed
// numbers with the allowed count 0, the main banker page its proposed numbers with the counts 1..N, the
// tail kill page the main numbers whose tail is killed with the count 0. The special pages and the custom
// page have no main numbers to hand over.
ForecastHandOver forecastSelfSet(const KillGrid& grid, const TypeParams& params);

// "当前行频率统计": the distinct values of grid row r's formulas with how many formulas gave each, most
// frequent first, equal counts by value.
std::vector<std::pair<int32_t, int>> rowValueFrequencies(const KillGrid& grid, int row);

// "公式按准确率排序": the run's formulas, highest success count first (equal counts keep their order).
std::vector<std::string> formulasByRate(const KillGrid& grid, const std::vector<std::string>& formulas);
// "公式按频率排序": the run's formulas, most often drawn value first: the number of draws on which the
// formula's value was among the tested values (equal counts keep their order).
std::vector<std::string> formulasByDrawnValue(const KillGrid& grid, const std::vector<std::string>& formulas);

}  // namespace qorvel
