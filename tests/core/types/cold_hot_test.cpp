#include "types/cold_hot.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace qorvel {
namespace {

std::vector<int> values(const tseqlist& list) {
    std::vector<int> v;
    for (int k = 1; k <= list.count(); ++k) v.push_back(list.get(k));
    return v;
}

// Draws where number 1 appears in the last `ones` draws, number 2 in the last `twos`, and so on.
t_s_dm storeWithCounts(int draws, const std::vector<std::pair<int, int>>& numberAppearances) {
    t_s_dm store;
    std::vector<std::vector<int>> rows;
    for (int d = 0; d < draws; ++d) {
        std::vector<int> row{2021001 + d};
        const int fromEnd = draws - d;  // 1 for the last draw
        for (auto [number, times] : numberAppearances)
            if (fromEnd <= times) row.push_back(number);
        while (row.size() < 7) row.push_back(33);  // filler number
        row.push_back(1);                          // special
        rows.push_back(row);
    }
    testing::fillStore(store, rows);
    return store;
}

TEST(ColdHotSettings, FirstReadWritesTheDefaults) {
    MemorySettingsStore store;
    auto s = readColdHotSettings(store);
    EXPECT_EQ(s.qs, 20);
    const std::pair<const char*, int> expected[] = {{"qs", 20},     {"coldcs", 4},   {"hotcs", 8},
                                                    {"f_qs", 20},   {"f_coldcs", 1}, {"f_hotcs", 5}};
    for (auto [name, value] : expected) EXPECT_EQ(store.readInt(name), value) << name;
}

TEST(ColdHotSettings, ExistingValuesAreKept) {
    MemorySettingsStore store;
    store.writeInt("hotcs", 11);
    auto s = readColdHotSettings(store);
    EXPECT_EQ(s.hotcs, 11);
    EXPECT_EQ(store.readInt("hotcs"), 11);
}

TEST(ColdHot, FourIsColdFiveToSevenWarmEightHot) {
    auto store = storeWithCounts(30, {{1, 4}, {2, 5}, {3, 7}, {4, 8}, {5, 12}});
    ColdHotLists lists;
    store.Last();
    const int last = store.GetField(0);
    classifyColdHot(store, TypeParams{}, ColdHotSettings{}, last, lists);
    auto cold = values(lists.mainCold);
    auto warm = values(lists.mainWarm);
    auto hot = values(lists.mainHot);
    EXPECT_NE(std::find(cold.begin(), cold.end(), 1), cold.end());
    EXPECT_EQ(warm, (std::vector<int>{2, 3}));
    EXPECT_EQ(hot, (std::vector<int>{4, 5, 33}));
    EXPECT_EQ(cold.size() + warm.size() + hot.size(), 33u);
}

TEST(ColdHot, ShortHistoryCountsOnlyItsDraws) {
    auto store = storeWithCounts(5, {{1, 5}, {2, 3}});
    ColdHotLists lists;
    store.Last();
    ColdHotSettings s;
    s.coldcs = 3;
    s.hotcs = 5;
    classifyColdHot(store, TypeParams{}, s, store.GetField(0), lists);
    EXPECT_EQ(values(lists.mainHot), (std::vector<int>{1, 33}));
    EXPECT_NE(std::find(values(lists.mainCold).begin(), values(lists.mainCold).end(), 2),
              values(lists.mainCold).end());
}

TEST(ColdHot, PeriodIsByteSized) {
    auto store = storeWithCounts(10, {{1, 10}});
    ColdHotLists lists;
    store.Last();
    ColdHotSettings s;
    s.qs = 256;  // counts no draw
    s.coldcs = 0;
    s.hotcs = 1;
    classifyColdHot(store, TypeParams{}, s, store.GetField(0), lists);
    EXPECT_EQ(lists.mainCold.count(), 33);
    s.qs = 257;  // one draw
    classifyColdHot(store, TypeParams{}, s, store.GetField(0), lists);
    EXPECT_EQ(values(lists.mainHot), (std::vector<int>{1, 33}));
}

TEST(ColdHot, ColdWinsWhenLimitsOverlap) {
    auto store = storeWithCounts(10, {{1, 6}});
    ColdHotLists lists;
    store.Last();
    ColdHotSettings s;
    s.coldcs = 9;
    s.hotcs = 2;
    classifyColdHot(store, TypeParams{}, s, store.GetField(0), lists);
    EXPECT_EQ(lists.mainCold.count(), 32);
    EXPECT_EQ(values(lists.mainHot), (std::vector<int>{33}));
}

TEST(ColdHot, SpecialNumbersUseTheirOwnLimits) {
    auto store = storeWithCounts(8, {});
    ColdHotLists lists;
    store.Last();
    classifyColdHot(store, TypeParams{}, ColdHotSettings{}, store.GetField(0), lists);
    EXPECT_EQ(values(lists.specialHot), (std::vector<int>{1}));  // 8 times, hot from 5
    EXPECT_EQ(lists.specialCold.count(), 15);
}

TEST(ColdHot, UnknownIssueKeepsListsAndCursor) {
    auto store = storeWithCounts(10, {{1, 10}});
    ColdHotLists lists;
    lists.mainCold.add(99);
    store.SetRecNo(4);
    classifyColdHot(store, TypeParams{}, ColdHotSettings{}, 1999001, lists);
    EXPECT_EQ(values(lists.mainCold), (std::vector<int>{99}));
    EXPECT_EQ(store.RecNo(), 4);
    classifyColdHot(store, TypeParams{}, ColdHotSettings{}, store.Row(10).fields[0], lists);
    EXPECT_EQ(store.RecNo(), 4);  // back on the remembered draw
}

}  // namespace
}  // namespace qorvel
