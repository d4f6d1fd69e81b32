// The omission tables of the main numbers, of the tails and of the values of a dissected series: one row
// per draw of a range with each column's drawn mark or running omission, and the five statistics rows
// under them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "draws/t_s_dm.h"
#include "types/lottery_type.h"
#include "views/number_ordering.h"

namespace qorvel {

constexpr int kOmissionTableRows = 100;   // the range starts this many draws before the end
constexpr int kNoOmission = 9999;         // shown by a column that never recorded an omission
constexpr int kTailCount = 10;
constexpr int kDefaultMainZoneParts = 3;  // cb_fq
constexpr int kDefaultTailZoneParts = 2;  // cb_ws_fq
constexpr const char* kOmissionIssueCaption = "期号";
constexpr const char* kOmissionNumbersCaption = "开奖号码";
constexpr const char* kOmissionValueCaption = "指标取值";
// The value table has one column per value; a wider range is not tabulated. 101 columns (a span of 100,
// as the distribution picture allows) still leave each at least 8 pixels on a 1024-pixel screen and
// keep a table of a few hundred draws within a few ten thousand cells.
constexpr int kMaxValueColumns = 101;
constexpr const char* kValueRangeTooWide = "该指标取值范围太宽,不宜用图表显示，请选择取值范围";
constexpr const char* kSelectionRowCaption = "选号区";
constexpr std::array<const char*, 5> kOmissionStatisticsCaptions = {"出现次数", "最大遗漏", "平均遗漏", "上次遗漏",
                                                                     "本次遗漏"};

struct OmissionCell {
    bool drawn = false;
    int value = 0;  // the number (tail) when drawn, else the running omission
};

struct OmissionRow {
    int32_t issue = 0;
    std::string issueText;              // "预测区" for the forecast row
    std::vector<OmissionCell> cells;    // one per column, in column order
    std::string numbersText;            // the last column
};

struct OmissionColumnStatistics {
    int occurrences = 0;
    int maxOmission = kNoOmission;
    int averageOmission = kNoOmission;  // recorded omissions / occurrences, halves to even
    int lastOmission = kNoOmission;
    int currentOmission = 0;            // 0 when drawn in the last row, else that row's value
};

struct OmissionTable {
    bool tails = false;                             // one-digit captions; else two-digit (TwoDigitText)
    std::string lastCaption = kOmissionNumbersCaption;
    NumberOrdering ordering;                        // the column numbers (tails) in order
    std::vector<OmissionRow> rows;
    std::vector<OmissionColumnStatistics> statistics;  // one per column

    // "期号", the column captions (two-digit numbers and values, one-digit tails), the last column's caption.
    std::vector<std::string> header() const;
    // The caption of column `slot` (0-based, in ordering order).
    std::string columnCaption(int slot) const;
    // A cell's text: the number as the column caption writes it when drawn, else the omission value.
    std::string cellText(const OmissionCell& cell) const;
    // The five statistics rows, each its caption then one value per column.
    std::vector<std::vector<std::string>> statisticsRows() const;
    // Per data row, the 0-based column of its first drawn cell, -1 when nothing of the row is a column
    // (the points the line chart joins).
    std::vector<int> drawnColumns() const;
};

// The row the range starts at by default: the 100th-last draw, or the first.
int omissionDefaultFromRow(int drawCount);

// The main numbers' table over rows fromRow..toRow (no rows when fromRow lies after toRow), columns in
// ordering `kind` over MainFrom..MainTo.
OmissionTable buildNumberOmissionTable(const t_s_dm& store, const TypeParams& params, int fromRow, int toRow,
                                       int kind);
// The tails' table: ten columns 0…9 in ordering `kind`; a tail drawn twice in one draw counts once.
OmissionTable buildTailOmissionTable(const t_s_dm& store, const TypeParams& params, int fromRow, int toRow,
                                     int kind);

// Whether the values minValue..maxValue are too many columns for the value table.
bool valueRangeTooWide(int32_t minValue, int32_t maxValue);

// The value table of a series (one value per draw, issues[i] the issue of draw i + 1) over rows
// fromRow..toRow: one column per value minValue..maxValue in ordering `kind`, a draw's value as its drawn
// cell and in the last column. A range too wide (valueRangeTooWide) gives a table without columns or rows.
OmissionTable buildValueOmissionTable(const std::vector<int32_t>& series, const std::vector<int32_t>& issues,
                                      int32_t minValue, int32_t maxValue, int fromRow, int toRow, int kind);

}  // namespace qorvel
