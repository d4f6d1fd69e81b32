#include "types/cold_hot.h"

#include <algorithm>
#include <vector>

namespace qorvel {
namespace {

struct NamedDefault {
    const char* name;
    int ColdHotSettings::*field;
};

constexpr NamedDefault kColdHotValues[] = {
    {"qs", &ColdHotSettings::qs},     {"coldcs", &ColdHotSettings::coldcs},
    {"hotcs", &ColdHotSettings::hotcs}, {"f_qs", &ColdHotSettings::f_qs},
    {"f_coldcs", &ColdHotSettings::f_coldcs}, {"f_hotcs", &ColdHotSettings::f_hotcs},
};

// Counts appearances of the numbers in fields firstField..lastField over at most period draws back from
// the cursor. Period and counts are byte-sized.
std::vector<int> countAppearances(t_s_dm& store, int firstField, int lastField, int maxNumber, int period) {
    std::vector<int> counts(static_cast<std::size_t>(std::max(maxNumber, 0)) + 1, 0);
    const int draws = period & 0xFF;
    for (int d = 0; d < draws; ++d) {
        for (int f = firstField; f <= lastField; ++f) {
            int n = store.GetField(f);
            if (n >= 1 && n <= maxNumber && counts[n] < 255) ++counts[n];
        }
        if (store.RecNo() <= 1) break;
        store.Prior();
    }
    return counts;
}

void classify(const std::vector<int>& counts, int cold, int hot, tseqlist& coldList, tseqlist& warmList,
              tseqlist& hotList) {
    coldList.clear();
    warmList.clear();
    hotList.clear();
    for (std::size_t n = 1; n < counts.size(); ++n) {
        const int c = counts[n];
        if (c <= cold)
            coldList.add(static_cast<int>(n));
        else if (c < hot)
            warmList.add(static_cast<int>(n));
        else
            hotList.add(static_cast<int>(n));
    }
}

}  // namespace

ColdHotSettings readColdHotSettings(SettingsStore& store) {
    ColdHotSettings s;
    for (const auto& v : kColdHotValues) {
        auto value = store.readInt(v.name);
        if (!value) {
            store.writeInt(v.name, s.*(v.field));
        } else {
            s.*(v.field) = *value;
        }
    }
    return s;
}

void writeColdHotSettings(SettingsStore& store, const ColdHotSettings& s, bool mainZone) {
    const int first = mainZone ? 0 : 3;
    for (int i = first; i < first + 3; ++i) store.writeInt(kColdHotValues[i].name, s.*(kColdHotValues[i].field));
}

void classifyColdHot(t_s_dm& store, const TypeParams& params, const ColdHotSettings& s, int issue,
                     ColdHotLists& lists) {
    const int remembered = store.GetField(0);
    const bool hadRows = !store.IsEmpty();
    if (!store.GotoIssue(issue)) return;

    auto mainCounts = countAppearances(store, 1, params.MainCount, params.MainTo, s.qs);
    classify(mainCounts, s.coldcs, s.hotcs, lists.mainCold, lists.mainWarm, lists.mainHot);

    store.GotoIssue(issue);
    auto specialCounts = countAppearances(store, params.MainCount + 1, params.MainCount + params.SpecialCount,
                                          params.SpecialTo, s.f_qs);
    classify(specialCounts, s.f_coldcs, s.f_hotcs, lists.specialCold, lists.specialWarm, lists.specialHot);

    if (hadRows) store.GotoIssue(remembered);
}

}  // namespace qorvel
