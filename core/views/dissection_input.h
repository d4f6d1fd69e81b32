// DissectionInput: what the indicator pages hand to the dissection view. The series holds one value per
// draw (oldest first); seriesMin/seriesMax bound the values the view lays out; cursorRow is the first draw
// the chart windows show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qorvel {

struct DissectionInput {
    std::vector<int32_t> series;
    int32_t seriesMin = 0, seriesMax = 0;
    std::string title, formula, name;
    int cursorRow = 0;
};

}  // namespace qorvel
