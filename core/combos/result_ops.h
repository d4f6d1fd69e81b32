// Work on finished results: removing listed tickets, the main prize check (hit counts and a stable sort
// by hits), the dual prize levels with their summary text, and the print file of a ticket list.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "combos/result_set.h"
#include "types/lottery_type.h"

namespace qorvel {

constexpr uint8_t kRemovalMark = 199;  // hit byte of a ticket found in the removal list
constexpr int kDualPrizeLevels = 9;    // level 0 (no prize) and levels 1..8
constexpr int kDualTableMainCount = 5; // the main numbers the level table is written for
constexpr const char* kPrintFileName = "temppadnote.txt";

struct RemovalOutcome {
    std::string message;  // "" on success, else the line-number message (nothing removed then)
    int removed = 0;
};

// Removes every ticket equal, number by number, to a line of the list. Each line holds mainCount
// two-digit groups at columns 0, 3, 6, ... after trimming; a line whose group is missing or not two
// digits stops the removal with its 1-based line number and leaves the set untouched. Blank lines at the
// end of the list are ignored. Clears every hit byte.
RemovalOutcome removeListedCombinations(ResultSet& results, const std::vector<std::string>& lines,
                                        int mainCount);

// Stores in every ticket how many of its numbers are among drawMain and sorts the set by that count,
// highest first, keeping the order of tickets with equal counts. Returns the number of tickets per hit
// count (index = hits, 0..mainCount).
std::vector<int> mainPrizeCheck(ResultSet& results, int mainCount, const std::vector<int32_t>& drawMain);

// A ticket of the dual result set: main numbers, special numbers and the prize level of the last check.
struct DualTicket {
    std::vector<int32_t> main;
    std::vector<int32_t> special;
    int level = 0;
};

// The level tables of the dual prize check: the general five-plus-two table, and the table of the game
// of six main numbers from 1..33 with one special number from 1..16.
enum class DualPrizeTable { FivePlusTwo, SixOf33PlusOne };
DualPrizeTable dualPrizeTableFor(const TypeParams& params);
// The levels a table pays: eight and six.
int dualPrizeLevelCount(DualPrizeTable table);

// The level for i main hits and j special hits (first match of the level table), 0 = no prize.
int dualPrizeLevel(int mainHits, int specialHits);
int dualPrizeLevel(DualPrizeTable table, int mainHits, int specialHits);
// "一等奖" .. "八等奖", "未中奖".
std::string dualLevelText(int level);

// Sets every ticket's level against the winning numbers and sorts the tickets by level (1 first, no
// prize last), keeping the order within a level. On the five-plus-two table, more than five winning main
// numbers count their hits from the top: each number beyond five that was not matched costs one hit.
// Returns the tickets per level (index = level).
std::array<int, kDualPrizeLevels> dualPrizeCheck(DualPrizeTable table, std::vector<DualTicket>& tickets,
                                                 const std::vector<int32_t>& winMain,
                                                 const std::vector<int32_t>& winSpecial);
std::array<int, kDualPrizeLevels> dualPrizeCheck(std::vector<DualTicket>& tickets,
                                                 const std::vector<int32_t>& winMain,
                                                 const std::vector<int32_t>& winSpecial);
// "一等奖:n1个;二等奖:n2个;...;未中奖:n0个".
std::string dualPrizeSummary(const std::array<int, kDualPrizeLevels>& perLevel,
                             DualPrizeTable table = DualPrizeTable::FivePlusTwo);

// The lines of a print file: "第k条" padded to twelve columns, then six spaces and the two-digit number
// for each number of the row. withHeader adds the column header line first.
std::vector<std::string> printLines(const std::vector<std::vector<int32_t>>& rows, bool withHeader);
// Writes the lines (GBK) as kPrintFileName in folder. Returns an error text or "".
std::string writePrintFile(const std::filesystem::path& folder, const std::vector<std::string>& lines);

}  // namespace qorvel
