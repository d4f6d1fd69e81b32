// Helpers for the combination filter tests: small workspaces with a chosen type and history.
#pragma once

#include <memory>
#include <vector>

#include "combos/combo_filter.h"
#include "types/workspace.h"

namespace qorvel::testing {

// A workspace of a type with n main numbers from 1 to maxNumber and one special number 1..16, its
// MainStore filled with the draws ({issue, numbers..., special}) in order. Cold/hot: period 20, 4, 8.
std::unique_ptr<Workspace> makeWorkspace(int n, int maxNumber, const std::vector<std::vector<int>>& draws);

// Every ticket of the result set as ascending numbers.
std::vector<std::vector<int>> ticketsOf(const ResultSet& results, int n);

// A condition set with nothing enabled and the two structural switches off, all numbers candidates.
ConditionSet plainConditions(int maxNumber);

}  // namespace qorvel::testing
