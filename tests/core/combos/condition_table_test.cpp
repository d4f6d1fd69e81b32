#include "combos/condition_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "combos/filter_conditions.h"

namespace qorvel {
namespace {

TEST(ConditionTable, EveryIdOnceAndEveryCodeOnce) {
    std::set<int> ids;
    std::set<std::string> codes;
    for (const ConditionInfo& row : conditionTable()) {
        EXPECT_TRUE(ids.insert(row.id).second) << row.id;
        if (!row.isRange()) {
            EXPECT_TRUE(codes.insert(row.IndicatorCode).second) << row.IndicatorCode;
        }
        EXPECT_EQ(findCondition(row.id), &row);
        const std::string report = row.reportCaption;
        EXPECT_EQ(report.substr(report.size() - 3), "：") << row.id;
    }
    for (int id = 1; id <= kMaxListConditionId; ++id) EXPECT_EQ(ids.count(id), id == kUnusedConditionId ? 0u : 1u) << id;
    EXPECT_EQ(findCondition(kUnusedConditionId), nullptr);
    EXPECT_EQ(findConditionByCode("xh76")->id, 72);
}

// Rows of positions 6 and 7 are hidden: the position digits of the code tell which.
TEST(ConditionTable, HiddenRowsAreThoseOfPositionsSixAndSeven) {
    for (const ConditionInfo& row : conditionTable()) {
        const std::string code = row.IndicatorCode;
        bool sixOrSeven = false;
        if (code.rfind("z_num", 0) == 0) sixOrSeven = code[5] == '6' || code[5] == '7';
        if (code.rfind("xh", 0) == 0 || code.rfind("xc", 0) == 0)
            sixOrSeven = code.find_first_of("67") != std::string::npos;
        EXPECT_EQ(row.hidden, sixOrSeven) << code;
    }
}

struct RangeCase {
    int id;
    int n, max;
    int from, to;
};

TEST(ConditionTable, PickerRangesFollowTheType) {
    const RangeCase cases[] = {
        {88, 6, 33, 1, 29}, {92, 5, 35, 1, 35}, {16, 6, 33, 1, 28}, {4, 5, 35, 1, 5}, {5, 6, 33, 0, 5},
        {67, 6, 33, 3, 65}, {84, 6, 33, 3, 62}, {28, 6, 33, 1, 28}, {29, 6, 33, 1, 28}, {63, 6, 33, 1, 33},
        {48, 6, 33, 0, 27}, {131, 6, 33, 0, 700},
    };
    for (const auto& c : cases) {
        const ConditionInfo* row = findCondition(c.id);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->from.at(c.n, c.max), c.from) << c.id;
        EXPECT_EQ(row->to.at(c.n, c.max), c.to) << c.id;
    }
    EXPECT_EQ(findCondition(82)->lineGap(), 4);
    EXPECT_EQ(findCondition(87)->lineGap(), 4);
    EXPECT_EQ(findCondition(73)->lineGap(), 2);
}

TEST(ConditionSetTest, ResetAndUnticking) {
    ConditionSet c;
    c.setEnabled(25, true);
    c.lists[25].values = {90};
    c.lists[25].tolerant = true;
    c.setEnabled(25, false);
    EXPECT_TRUE(c.lists[25].values.empty());
    EXPECT_FALSE(c.lists[25].tolerant);
    c.standardDeviation = {true, 1, 2, true};
    c.setEnabled(kStandardDeviationId, false);
    EXPECT_FALSE(c.standardDeviation.from);
    c.reset(20);
    EXPECT_TRUE(c.candidates[20]);
    EXPECT_FALSE(c.candidates[21]);
    EXPECT_TRUE(c.notEqualDistance);
    EXPECT_TRUE(c.noSpecialRuns);
    EXPECT_FALSE(c.notHistory);
    EXPECT_EQ(c.totalTolerance.to, 3);
    EXPECT_EQ(c.lists[131].IndicatorCode, "z_hzyl");
    EXPECT_EQ(c.list(34), nullptr);
}

TEST(ConditionSetTest, ListBoxLines) {
    const SelfSetCondition self{{1, 12}, {0, 2}, true};
    const TailSetCondition tail{{0, 5}, {1}, false, true};
    const CustomIndicatorCondition custom{"z_hz%3", {0, 1}, true};
    EXPECT_EQ(selfSetLine(self), "号码组: 01  12  ;出现个数: 0  2  容错");
    EXPECT_EQ(tailSetLine(tail), "尾号组: 0  5  ;出现个数: 1  (相同尾数仅计算一次)");
    EXPECT_EQ(customLine(custom), "z_hz%3  容错  取值: 0  1  ");
    EXPECT_EQ(selfSetLoadedLine(self), "号码组合:01  12    出现个数0  2  容错");
    EXPECT_EQ(tailSetLoadedLine(tail), "尾号组:0  5    出现个数1  (相同尾数仅计算一次)");
    EXPECT_EQ(customLoadedLine(custom), "z_hz%3  容错  取值：0  1  ");
}

}  // namespace
}  // namespace qorvel
