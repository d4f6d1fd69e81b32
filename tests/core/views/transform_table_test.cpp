#include "views/transform_table.h"

#include <gtest/gtest.h>

namespace qorvel {
namespace {

TEST(TransformTable, RowHoldsTheDrawnNumbersAndTheLastColumnText) {
    TypeParams p;
    p.MainCount = 5, p.MainFrom = 1, p.MainTo = 35, p.SpecialCount = 2, p.SpecialFrom = 1, p.SpecialTo = 12;
    p.HasSpecial = 1;
    DrawFields f{};
    const int32_t values[] = {2024001, 3, 9, 17, 28, 35, 4, 11};
    std::copy(std::begin(values), std::end(values), f.begin());
    const TransformTableRow row = transformTableRow(f, p, true);
    EXPECT_EQ(row.issue, 2024001);
    for (int x = 0; x < 64; ++x) EXPECT_EQ(holdsNumber(row, x), x == 3 || x == 9 || x == 17 || x == 28 || x == 35) << x;
    EXPECT_FALSE(holdsNumber(row, 64));
    EXPECT_EQ(row.text, "03 09 17 28 35 | 04,11,");
    EXPECT_EQ(transformTableRow(f, p, false).text, "03 09 17 28 35 ");
}

}  // namespace
}  // namespace qorvel
