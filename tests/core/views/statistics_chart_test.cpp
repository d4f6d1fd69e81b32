// Geometry of the statistics page's bar chart.
#include "views/statistics_chart.h"

#include <gtest/gtest.h>

namespace qorvel {
namespace {

// Three numbers: counts 4, 0, 25; omissions 0, 7, 1.
ZoneStatistics threeNumbers() {
    ZoneStatistics z;
    z.byNumber = {{1, 4, 0}, {2, 0, 7}, {3, 25, 1}};
    z.byCount = {{2, 0, 7}, {1, 4, 0}, {3, 25, 1}};
    z.byOmission = {{1, 4, 0}, {3, 25, 1}, {2, 0, 7}};
    return z;
}

TEST(BarChartLayout, PlotAreaTicksAndBars) {
    // 360 × 360 image: origin (30, 320), plot 300 × 300; m = 25 gives step 3 and an axis up to 30.
    const BarChartLayout c = layoutBarChart(threeNumbers(), BarOrder::ByNumber, true, true, 360, 360);
    EXPECT_EQ(c.originX, 30);
    EXPECT_EQ(c.originY, 320);
    EXPECT_EQ(c.step, 3);
    EXPECT_EQ(c.tickValues.front(), 3);
    EXPECT_EQ(c.tickValues.back(), 30);
    EXPECT_EQ(c.tickY.back(), 20);
    ASSERT_EQ(c.bars.size(), 6u);
    // Slot width 100: slot 1's appearance bar spans 66.7…100, its omission bar 100…133.3.
    const ChartBar& count1 = c.bars[0];
    EXPECT_TRUE(count1.appearance);
    EXPECT_EQ(count1.left, 30 + 67);
    EXPECT_EQ(count1.right, 30 + 100);
    EXPECT_EQ(count1.top, 320 - 40);  // 4 × 10 pixels per value
    const ChartBar& omission1 = c.bars[1];
    EXPECT_FALSE(omission1.appearance);
    EXPECT_EQ(omission1.left, 130);
    EXPECT_EQ(omission1.right, 163);
    EXPECT_EQ(omission1.top, 320);
    EXPECT_EQ(c.bars[4].top, 320 - 250);
    EXPECT_EQ(c.slotX, (std::vector<int>{130, 230, 330}));
}

TEST(BarChartLayout, OrderAndShownBars) {
    const BarChartLayout byCount = layoutBarChart(threeNumbers(), BarOrder::ByCount, true, false, 360, 360);
    EXPECT_EQ(byCount.slotLabels, (std::vector<std::string>{"02", "01", "03"}));
    ASSERT_EQ(byCount.bars.size(), 3u);
    for (const auto& bar : byCount.bars) EXPECT_TRUE(bar.appearance);
    const BarChartLayout none = layoutBarChart(ZoneStatistics{}, BarOrder::ByOmission, true, true, 100, 100);
    EXPECT_TRUE(none.bars.empty());
    EXPECT_EQ(none.step, 1);
}

}  // namespace
}  // namespace qorvel
