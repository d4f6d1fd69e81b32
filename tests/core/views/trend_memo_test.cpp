// The statistics memo of the indicator trend view from both series over a range of draws.
#include "views/trend_memo.h"

#include <gtest/gtest.h>

namespace qorvel {
namespace {

TrendSeries sumsAndOddEven() {
    TrendSeries s;
    s.issues = {2020001, 2020002, 2020003, 2020004, 2020005};
    s.values = {21, 42, 21, 105, 33};
    s.features = {2, 1, 2, 2, 2};
    s.indicatorTitle = "z_hz";
    s.featureTitle = "z_hz的奇偶";
    return s;
}

TEST(TrendMemo, LinesOverTheRange) {
    struct Case {
        IndexRange range;
        std::string indicator, feature, span;
    };
    const Case cases[] = {
        {{1, 5},
         "z_hz统计结果：（最小值：21；最大值：105；中间值：63）；（最小遗传：0；最大遗传：0；当前遗传：0）；"
         "（最小升序：0；最大升序：1；当前升序：0）；（最小降序：0；最大降序：1；当前降序：1）；",
         "z_hz的奇偶统计结果：（最小值：1；最大值：2；中间值：1）；（最小遗传：0；最大遗传：2；当前遗传：2）；"
         "（最小升序：0；最大升序：1；当前升序：0）；（最小降序：1；最大降序：2；当前降序：2）；",
         "（统计范围：从2020001至2020005）"},
        {{2, 4},
         "z_hz统计结果：（最小值：21；最大值：105；中间值：63）；（最小遗传：0；最大遗传：0；当前遗传：0）；"
         "（最小升序：0；最大升序：1；当前升序：1）；（最小降序：0；最大降序：1；当前降序：0）；",
         "z_hz的奇偶统计结果：（最小值：1；最大值：2；中间值：1）；（最小遗传：0；最大遗传：1；当前遗传：1）；"
         "（最小升序：0；最大升序：1；当前升序：0）；（最小降序：0；最大降序：1；当前降序：1）；",
         "（统计范围：从2020002至2020004）"},
        // An empty range reports zeros, not the search's start values.
        {{4, 2},
         "z_hz统计结果：（最小值：0；最大值：0；中间值：0）；（最小遗传：0；最大遗传：0；当前遗传：0）；"
         "（最小升序：0；最大升序：0；当前升序：0）；（最小降序：0；最大降序：0；当前降序：0）；",
         "z_hz的奇偶统计结果：（最小值：0；最大值：0；中间值：0）；（最小遗传：0；最大遗传：0；当前遗传：0）；"
         "（最小升序：0；最大升序：0；当前升序：0）；（最小降序：0；最大降序：0；当前降序：0）；",
         "（统计范围：从0至0）"},
    };
    for (const Case& c : cases) {
        const auto lines = trendMemoLines(sumsAndOddEven(), c.range);
        EXPECT_EQ(lines[0], c.indicator) << c.range.from << ".." << c.range.to;
        EXPECT_EQ(lines[1], c.feature) << c.range.from << ".." << c.range.to;
        EXPECT_EQ(lines[2], c.span) << c.range.from << ".." << c.range.to;
    }
}

TEST(TrendMemo, ChartHoldsIssuesAndValuesFromIndexOne) {
    const t_s_zsd chart = trendChartOf({2020001, 2020002}, {7, 9});
    EXPECT_EQ(chart.lastIndex, 2);
    EXPECT_EQ(chart.At(1), (SeriesPoint{2020001, 7}));
    EXPECT_EQ(chart.At(2), (SeriesPoint{2020002, 9}));
}

}  // namespace
}  // namespace qorvel
