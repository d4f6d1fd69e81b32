#include "combos/condition_report.h"

#include <gtest/gtest.h>

#include "combo_test_support.h"
#include "test_support.h"
#include "text/file_io.h"
#include "text/gbk.h"

namespace qorvel {
namespace {

const std::vector<std::vector<int>> kHistory = {
    {2021001, 1, 5, 10, 15, 20, 25, 4},
    {2021002, 3, 5, 12, 18, 27, 33, 7},
    {2021003, 2, 7, 12, 19, 27, 30, 9},
};

ConditionSet reportConditions() {
    ConditionSet c;
    c.reset(10);
    c.candidates[4] = false;
    c.bankers[2] = true;
    c.setEnabled(88, true);  // 主号一
    c.lists[88].values = {1, 2};
    c.setEnabled(25, true);  // 和值
    c.lists[25].values = {100, 101};
    c.lists[25].tolerant = true;
    c.setEnabled(15, true);  // AC值, no values chosen
    c.standardDeviation = {true, 5, 12, false};
    c.noSpecialRuns = false;
    c.notHistory = true;
    c.totalTolerance = {true, 0, 1};
    c.customOn = true;
    c.customs = {{"z_num1%2", {0}, true}};
    c.selfSetOn = true;
    c.selfSets = {{{2, 7}, {2}, false}};
    c.tailSetOn = true;
    c.tailSets = {{{0, 5}, {1, 2}, true, true}};
    return c;
}

TEST(ConditionReport, LinesInIdOrderWithTheReportCaptions) {
    const std::vector<std::string> expected = {
        "可选红号：01，02，03，05，06，07，08，09，10，",
        "胆码：02，",
        "",
        "指标过滤设置：",
        "",
        "ac值：",
        "和值：100，101，（容错）",
        "标准差：5<=取值范围<=12",
        "红号一：1，2，",
        "不允许和历史数据相同",
        "去除等间距组合",
        "已设定了容错个数0<=总容错<=1",
        "",
        "自定义指标过滤设置：",
        "",
        "自定义指标1（z_num1%2）：0，（容错）",
        "自设条件过滤设置：",
        "自设条件1：（号码组：02，07，出号个数：2，）",
        "尾数过滤设置：",
        "尾数设置1：（尾号组：0，5，出号个数：1，2，）容错(相同尾数仅计算一次)",
    };
    EXPECT_EQ(conditionReportLines(reportConditions(), 10), expected);
}

TEST(ConditionReport, MarkedAgainstADrawAndFiltered) {
    auto ws = testing::makeWorkspace(6, 33, kHistory);
    ws->MainStore.SetRecNo(1);
    ConditionSet c = reportConditions();
    c.reset(33);
    c.bankers[2] = true;
    c.setEnabled(88, true);
    c.lists[88].values = {2};  // 02 07 12 19 27 30: right
    c.setEnabled(25, true);
    c.lists[25].values = {100};  // sum 97: wrong, tolerant
    c.lists[25].tolerant = true;
    c.notHistory = true;         // not drawn before: right
    c.totalTolerance = {true, 1, 1};  // one tolerant fault: right
    c.selfSetOn = true;
    c.selfSets = {{{2, 7, 8}, {3}, false}};  // holds two: wrong
    struct Case {
        ReportFilter filter;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {ReportFilter::All,
         {"正确 可选红号：01，02，03，04，05，06，07，08，09，10，11，12，13，14，15，16，17，18，19，20，21，22，23，"
          "24，25，26，27，28，29，30，31，32，33，",
          "正确 胆码：02，", "", "指标过滤设置：", "", "错误 和值：100，（容错）", "正确 红号一：2，",
          "正确 不允许和历史数据相同", "正确 去除等间距组合", "正确 去除特殊连号", "正确 已设定了容错个数1<=总容错<=1",
          "自设条件过滤设置：", "错误 自设条件1：（号码组：02，07，08，出号个数：3，）"}},
        {ReportFilter::OnlyWrong,
         {"", "指标过滤设置：", "", "错误 和值：100，（容错）", "自设条件过滤设置：",
          "错误 自设条件1：（号码组：02，07，08，出号个数：3，）"}},
    };
    for (const auto& k : cases) {
        const MarkedReport r = markedReportLines(*ws, c, 2021003, k.filter);
        EXPECT_TRUE(r.error.empty());
        EXPECT_EQ(r.lines, k.lines);
    }
    EXPECT_EQ(ws->MainStore.RecNo(), 1);
    EXPECT_EQ(markedReportLines(*ws, c, 2099001, ReportFilter::All).error, "期号2099001不存在");
}

TEST(ConditionReport, WrittenAsGbkBelowTheProgramFolder) {
    testing::TempDir dir;
    Workspace ws;
    ws.ProgramFolder = dir.path();
    ASSERT_EQ(writeConditionReport(ws, {"可选红号：01，", "胆码："}), "");
    const auto bytes = readFileBytes(dir / "database/showcond.txt");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, utf8ToGbk("可选红号：01，") + "\r\n" + utf8ToGbk("胆码：") + "\r\n");
}

}  // namespace
}  // namespace qorvel
