#include "views/value_tally.h"

#include <gtest/gtest.h>

namespace qorvel {
namespace {

std::vector<std::tuple<int64_t, int, int>> rows(const ValueTallies& t) {
    std::vector<std::tuple<int64_t, int, int>> out;
    for (const auto& v : t.values) out.emplace_back(v.value, v.count, v.omission);
    return out;
}

TEST(ValueTally, NarrowRangeListsEveryValueAndCountsTheRestOutside) {
    // 5, 7, 7, 3, 9 over the range 5..8: 6 and 8 never occurred (omission = every draw).
    const ValueTallies t = tallyValues({5, 7, 7, 3, 9}, 5, 8, 10);
    EXPECT_EQ(rows(t), (std::vector<std::tuple<int64_t, int, int>>{{5, 1, 4}, {6, 0, 5}, {7, 2, 2}, {8, 0, 5}}));
    EXPECT_EQ(t.outside, 2);
}

TEST(ValueTally, WideOrReversedRangeListsOnlyWhatOccurred) {
    for (auto [low, high] : {std::pair<int64_t, int64_t>{0, 1000}, {10, 0}}) {
        const ValueTallies t = tallyValues({4, 2, 4}, low, high, 100);
        EXPECT_EQ(rows(t), (std::vector<std::tuple<int64_t, int, int>>{{2, 1, 1}, {4, 2, 0}})) << low << ".." << high;
        EXPECT_EQ(t.outside, 0);
    }
    EXPECT_TRUE(tallyValues({}, 1, 0, 10).values.empty());
}

}  // namespace
}  // namespace qorvel
