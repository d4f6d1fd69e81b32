#include "combo_test_support.h"

#include "test_support.h"

namespace qorvel::testing {

std::unique_ptr<Workspace> makeWorkspace(int n, int maxNumber, const std::vector<std::vector<int>>& draws) {
    auto ws = std::make_unique<Workspace>();
    ws->params.MainCount = n;
    ws->params.MainFrom = 1;
    ws->params.MainTo = maxNumber;
    ws->params.SpecialCount = 1;
    ws->params.SpecialTo = 16;
    ws->zones = buildZoneBounds(maxNumber);
    ws->coldHot = ColdHotSettings{};
    fillStore(ws->MainStore, draws);
    return ws;
}

std::vector<std::vector<int>> ticketsOf(const ResultSet& results, int n) {
    std::vector<std::vector<int>> out;
    for (int k = 1; k <= results.count(); ++k) {
        std::vector<int> t;
        for (int i = 0; i < n; ++i) t.push_back(results.slot(k).bytes[i]);
        out.push_back(t);
    }
    return out;
}

ConditionSet plainConditions(int maxNumber) {
    ConditionSet c;
    c.reset(maxNumber);
    c.notEqualDistance = false;
    c.noSpecialRuns = false;
    return c;
}

}  // namespace qorvel::testing
