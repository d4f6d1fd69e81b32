// The row-based temperatures agree with the shared cold/hot lists at every draw they are built for.
#include "views/temperature_window.h"

#include <gtest/gtest.h>

#include "engine/engine_test_support.h"

namespace qorvel {
namespace {

std::vector<int> numbersOf(const std::vector<Temperature>& kinds, Temperature kind) {
    std::vector<int> out;
    for (int n = 1; n < static_cast<int>(kinds.size()); ++n)
        if (kinds[n] == kind) out.push_back(n);
    return out;
}

std::vector<int> listed(const tseqlist& list) {
    std::vector<int> out;
    for (int k = 1; k <= list.count(); ++k) out.push_back(list.get(k));
    return out;
}

TEST(TemperatureWindow, MatchesTheColdHotLists) {
    auto ws = testing::sampleWorkspace(120);
    const ColdHotSettings settings[] = {{}, {10, 1, 3, 5, 0, 2}, {300, 50, 60, 1, 0, 1}};  // 300 wraps as a byte
    for (const auto& s : settings)
        for (int r : {1, 5, 60, 120}) {
            const int issue = ws->MainStore.Row(r).fields[0];
            ColdHotLists lists;
            classifyColdHot(ws->MainStore, ws->params, s, issue, lists);
            const auto main = temperaturesAt(ws->MainStore, mainTemperatureRule(ws->params, s), r);
            const auto special = temperaturesAt(ws->MainStore, specialTemperatureRule(ws->params, s), r);
            EXPECT_EQ(numbersOf(main, Temperature::Cold), listed(lists.mainCold)) << r;
            EXPECT_EQ(numbersOf(main, Temperature::Warm), listed(lists.mainWarm)) << r;
            EXPECT_EQ(numbersOf(main, Temperature::Hot), listed(lists.mainHot)) << r;
            EXPECT_EQ(numbersOf(special, Temperature::Hot), listed(lists.specialHot)) << r;
            EXPECT_EQ(numbersOf(special, Temperature::Cold), listed(lists.specialCold)) << r;
        }
}

}  // namespace
}  // namespace qorvel
