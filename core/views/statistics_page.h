// The statistics page's computations: the range of draws, per-number appearance counts and current
// omissions with their two orderings, the cold/hot lines and the two sheets of itemised statistics.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "types/workspace.h"

namespace qorvel {

// Items of the count box; the last one means every draw.
constexpr std::array<std::string_view, 18> kNearCountItems = {
    "5", "10", "15", "20", "25", "30", "40", "50", "60", "70", "80", "90", "100", "150", "200", "250", "300", "所有"};
constexpr std::string_view kAllDrawsItem = "所有";
constexpr int kDefaultNearCount = 100;
constexpr int kStatisticsFromOffset = 100;   // the "from" list starts this many items before the end
constexpr std::array<int, 3> kRemainderDivisors = {3, 4, 5};  // items of cb_ys
constexpr int kItemBarWidth = 70;            // bar width of a 100 % share

// The draws counted: T draws backward from the row endRow (0 on an empty history).
struct StatisticsRange {
    int endRow = 0;
    int count = 0;  // draws actually counted, never negative
};

// The last `count` draws, fewer when the history is shorter; a count below 1 means every draw.
StatisticsRange nearRange(const t_s_dm& store, int count);
// The draws fromRow..toRow; empty when fromRow lies after toRow (the end stays at toRow).
StatisticsRange customRange(const t_s_dm& store, int fromRow, int toRow);
// The count box text as a count: a whole number from 1, or "所有" (every draw, 0); nothing for other
// texts (0 and negative counts included).
std::optional<int> parseNearCount(std::string_view text);
// The label l_tjq of the custom range: "共" + (toRow − fromRow + 1) + "期".
std::string customRangeLabel(int fromRow, int toRow);
// The row the "from" list selects when the page is shown.
int statisticsDefaultFromRow(int drawCount);

struct NumberStatistic {
    int number = 0;
    int count = 0;     // appearances in the range
    int omission = 0;  // draws since last drawn, at the range's end (0 when never met)
};

// One zone's numbers in the three orders of the bar chart.
struct ZoneStatistics {
    std::vector<NumberStatistic> byNumber;
    std::vector<NumberStatistic> byCount;     // ascending count, equal counts in number order
    std::vector<NumberStatistic> byOmission;  // ascending omission, likewise
    // The bar chart's value per axis tick: trunc(m / 10) + 1, m the greatest count or omission.
    int scaleStep() const;
};

// One visible row of "分项统计一" or "分项统计二".
struct ItemisedRow {
    int sheet = 1;           // 1 or 2
    std::string group;       // "奇偶", …, "七区"
    std::string caption;     // "奇数个数:", "2个尾数:", "一区：", …
    std::string value;       // the text after the caption, unit included ("1203", "35期", "3.5个")
    std::string percent;     // "57.3%" or empty
    int barWidth = -1;       // pixels of the bar beside a count (its share of 70), −1 for other rows
};

struct StatisticsResult {
    StatisticsRange range;
    int32_t endIssue = 0;  // issue of the range's last draw, 0 on an empty history
    ZoneStatistics main, special;
    std::string mainColdHotLine, specialColdHotLine;
    std::vector<ItemisedRow> items;
};

// "开始统计": counts, omissions, orders, the cold/hot lists rebuilt at the range's end (into
// ws.coldHotLists) and the itemised rows for the remainder divisor (3, 4 or 5). The cursor of
// ws.MainStore is back where it was.
StatisticsResult computeStatistics(Workspace& ws, const StatisticsRange& range, int divisor);

// The cold/hot lines from ws.coldHotLists ("主区冷号:01  05  ;  主区温号:…;  红码热号:…").
std::string mainColdHotLine(const ColdHotLists& lists);
std::string specialColdHotLine(const ColdHotLists& lists);

// The itemised rows alone (the part of computeStatistics the remainder box changes).
std::vector<ItemisedRow> itemisedStatistics(const Workspace& ws, const StatisticsRange& range, int divisor);

}  // namespace qorvel
