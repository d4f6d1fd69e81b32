// DissectionInput: what the indicator pages hand to the dissection view. The series holds one value per
// draw (oldest first); seriesMin/seriesMax bound the values the view lays out; cursorRow is the first draw
// the chart windows show. A series of draws other than the history's (the association analysis' matches)
// carries their issues.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qorvel {

// A dissection opens this many draws before the end of the series.
constexpr int kDissectionLeadDraws = 36;

struct DissectionInput {
    std::vector<int32_t> series;
    std::vector<int32_t> issues;  // one per value; empty: the series runs over the history's draws
    int32_t seriesMin = 0, seriesMax = 0;
    std::string title, formula, name;
    int cursorRow = 0;
};

}  // namespace qorvel
