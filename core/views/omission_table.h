// The omission tables of the main numbers and of the tails: one row per draw of a range with each
// column's drawn mark or running omission, and the five statistics rows under them.
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
    bool tails = false;
    NumberOrdering ordering;                        // the column numbers (tails) in order
    std::vector<OmissionRow> rows;
    std::vector<OmissionColumnStatistics> statistics;  // one per column

    // "期号", the column captions (two-digit numbers, one-digit tails), "开奖号码".
    std::vector<std::string> header() const;
    // A cell's text: the number as the column caption writes it when drawn, else the omission value.
    std::string cellText(const OmissionCell& cell) const;
    // The five statistics rows, each its caption then one value per column.
    std::vector<std::vector<std::string>> statisticsRows() const;
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

}  // namespace qorvel
