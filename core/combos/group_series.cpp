#include "combos/group_series.h"

#include <algorithm>

#include "combos/value_criteria.h"
#include "draws/t_s_dm.h"

namespace qorvel {
namespace {
constexpr int kDigits = 10;
}  // namespace

int groupMemberCount(const std::vector<int>& numbers, const std::vector<bool>& inGroup) {
    int count = 0;
    for (int n : numbers)
        if (n >= 0 && n < static_cast<int>(inGroup.size()) && inGroup[static_cast<std::size_t>(n)]) ++count;
    return count;
}

int tailGroupCount(const std::vector<int>& numbers, const std::vector<int>& digits, bool countOnce) {
    bool wanted[kDigits] = {};
    for (int d : digits)
        if (d >= 0 && d < kDigits) wanted[d] = true;
    bool seen[kDigits] = {};
    int count = 0;
    for (int n : numbers) {
        const int tail = n % kDigits;
        if (tail < 0 || !wanted[tail]) continue;
        if (!countOnce) ++count;
        else if (!seen[tail]) {
            seen[tail] = true;
            ++count;
        }
    }
    return count;
}

DissectionInput groupDissection(t_s_dm& store, int mainCount, const std::string& title,
                                const std::function<int(const std::vector<int>& numbers)>& count) {
    DissectionInput input;
    input.title = title;
    input.seriesMin = 0;
    input.seriesMax = mainCount;
    std::vector<int> numbers(static_cast<std::size_t>(mainCount));
    for (int r = 1; r <= store.Count(); ++r) {
        DrawRecord& row = store.MutableRow(r);
        for (int i = 0; i < mainCount; ++i) numbers[static_cast<std::size_t>(i)] = row.fields[i + 1];
        row.value = count(numbers);
        input.series.push_back(row.value);
    }
    input.cursorRow = std::max(1, store.Count() - kAssistantLeadDraws);
    return input;
}

}  // namespace qorvel
