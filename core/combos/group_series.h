// The series the "过滤助手" buttons of the self-set and tail-set dialogs hand to the dissection view: for
// every draw of the history, how many of its main numbers fall into a number group or a tail-digit group.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "views/dissection_input.h"

namespace qorvel {

class t_s_dm;

// How many of the numbers lie in the group (flags indexed by number).
int groupMemberCount(const std::vector<int>& numbers, const std::vector<bool>& inGroup);

// Without countOnce: how many numbers end in one of the digits; with it: how many of the digits occur as
// the last digit of at least one number.
int tailGroupCount(const std::vector<int>& numbers, const std::vector<int>& digits, bool countOnce);

// The series of `count` over every draw of the store (oldest first), written into each draw's value
// column too, range 0..mainCount, the view starting kAssistantLeadDraws draws before the end (1-based).
DissectionInput groupDissection(t_s_dm& store, int mainCount, const std::string& title,
                                const std::function<int(const std::vector<int>& numbers)>& count);

}  // namespace qorvel
