#include "combos/result_ops.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "text/file_io.h"
#include "text/number_text.h"

namespace qorvel {
namespace {

constexpr int kSixOf33Levels = 6;  // 一等奖 .. 六等奖
constexpr int kGroupStride = 3;       // two digits and one space
constexpr int kPrintLabelColumns = 12;
constexpr const char* kPrintHeader =
    "记录号          红号一  红号二  红号三  红号四  红号五  红号六  红号七";

// The numbers of one removal line, or nothing when a group is missing or not two digits.
std::optional<std::vector<int32_t>> removalGroups(const std::string& line, int mainCount) {
    const std::string text(trimBlanks(line));
    std::vector<int32_t> numbers;
    for (int g = 0; g < mainCount; ++g) {
        const std::size_t at = static_cast<std::size_t>(g) * kGroupStride;
        if (at + 2 > text.size()) return std::nullopt;
        const unsigned char a = static_cast<unsigned char>(text[at]);
        const unsigned char b = static_cast<unsigned char>(text[at + 1]);
        if (!std::isdigit(a) || !std::isdigit(b)) return std::nullopt;
        numbers.push_back((a - '0') * 10 + (b - '0'));
    }
    return numbers;
}

bool sameNumbers(const Combination& c, const std::vector<int32_t>& numbers) {
    for (std::size_t i = 0; i < numbers.size(); ++i)
        if (c.bytes[i] != numbers[i]) return false;
    return true;
}

// Display width in a GBK text file: two columns for every non-ASCII character.
int gbkColumns(const std::string& utf8) {
    int columns = 0;
    for (unsigned char ch : utf8)
        if (ch < 0x80) ++columns;
        else if ((ch & 0xC0) != 0x80) columns += 2;
    return columns;
}

}  // namespace

RemovalOutcome removeListedCombinations(ResultSet& results, const std::vector<std::string>& lines,
                                        int mainCount) {
    mainCount = std::clamp(mainCount, 0, kCombinationBytes - 1);
    std::size_t used = lines.size();
    while (used > 0 && trimBlanks(lines[used - 1]).empty()) --used;
    std::vector<std::vector<int32_t>> list;
    for (std::size_t i = 0; i < used; ++i) {
        auto numbers = removalGroups(lines[i], mainCount);
        if (!numbers) return {"第" + std::to_string(i + 1) + "行号码组有误，请正确填入", 0};
        list.push_back(std::move(*numbers));
    }
    for (int k = 1; k <= results.count(); ++k) {
        Combination& c = results.slot(k);
        c.setHits(mainCount, 0);
        for (const auto& numbers : list)
            if (sameNumbers(c, numbers)) {
                c.setHits(mainCount, kRemovalMark);
                break;
            }
    }
    int kept = 0;
    for (int k = 1; k <= results.count(); ++k) {
        Combination c = results.slot(k);
        if (c.hits(mainCount) == kRemovalMark) continue;
        c.setHits(mainCount, 0);
        results.slot(++kept) = c;
    }
    RemovalOutcome outcome{"", results.count() - kept};
    results.truncate(kept);
    return outcome;
}

std::vector<int> mainPrizeCheck(ResultSet& results, int mainCount, const std::vector<int32_t>& drawMain) {
    mainCount = std::clamp(mainCount, 0, kCombinationBytes - 1);
    std::vector<int> perHits(static_cast<std::size_t>(mainCount) + 1, 0);
    for (int k = 1; k <= results.count(); ++k) {
        Combination& c = results.slot(k);
        int hits = 0;
        for (int i = 0; i < mainCount; ++i)
            hits += std::count(drawMain.begin(), drawMain.end(), c.bytes[i]) > 0 ? 1 : 0;
        c.setHits(mainCount, static_cast<uint8_t>(hits));
        ++perHits[static_cast<std::size_t>(hits)];
    }
    // A counting sort by hits, highest first: stable and linear even for millions of tickets.
    std::vector<int> next(perHits.size(), 1);
    for (int h = mainCount - 1; h >= 0; --h) next[h] = next[h + 1] + perHits[h + 1];
    std::vector<Combination> sorted(static_cast<std::size_t>(results.count()) + 1);
    for (int k = 1; k <= results.count(); ++k) {
        const Combination& c = results.slot(k);
        sorted[static_cast<std::size_t>(next[c.hits(mainCount)]++)] = c;
    }
    for (int k = 1; k <= results.count(); ++k) results.slot(k) = sorted[static_cast<std::size_t>(k)];
    return perHits;
}

int dualPrizeLevel(int i, int j) {
    if (i == 5) return j == 2 ? 1 : j == 1 ? 2 : 3;
    if (i == 4) return j == 2 ? 4 : j == 1 ? 5 : 6;
    if (i == 3 && j == 2) return 6;
    if ((i == 3 && j == 1) || (i == 2 && j == 2)) return 7;
    if (i == 3 || (i == 2 && j == 1) || (i == 1 && j == 2) || j == 2) return 8;
    return 0;
}

DualPrizeTable dualPrizeTableFor(const TypeParams& p) {
    const bool sixOf33 = p.MainCount == 6 && p.MainFrom == 1 && p.MainTo == 33;
    const bool oneOf16 = p.SpecialCount == 1 && p.SpecialFrom == 1 && p.SpecialTo == 16;
    return sixOf33 && oneOf16 ? DualPrizeTable::SixOf33PlusOne : DualPrizeTable::FivePlusTwo;
}

int dualPrizeLevelCount(DualPrizeTable table) {
    return table == DualPrizeTable::SixOf33PlusOne ? kSixOf33Levels : kDualPrizeLevels - 1;
}

int dualPrizeLevel(DualPrizeTable table, int i, int j) {
    if (table == DualPrizeTable::FivePlusTwo) return dualPrizeLevel(i, j);
    const bool special = j >= 1;
    if (i == 6) return special ? 1 : 2;
    if (i == 5) return special ? 3 : 4;
    if (i == 4) return special ? 4 : 5;
    if (i == 3 && special) return 5;
    if (i <= 2 && special) return 6;
    return 0;
}

std::string dualLevelText(int level) {
    static const char* const kTexts[kDualPrizeLevels] = {"未中奖", "一等奖", "二等奖", "三等奖", "四等奖",
                                                         "五等奖", "六等奖", "七等奖", "八等奖"};
    return level >= 0 && level < kDualPrizeLevels ? kTexts[level] : "";
}

std::array<int, kDualPrizeLevels> dualPrizeCheck(std::vector<DualTicket>& tickets,
                                                 const std::vector<int32_t>& winMain,
                                                 const std::vector<int32_t>& winSpecial) {
    return dualPrizeCheck(DualPrizeTable::FivePlusTwo, tickets, winMain, winSpecial);
}

std::array<int, kDualPrizeLevels> dualPrizeCheck(DualPrizeTable table, std::vector<DualTicket>& tickets,
                                                 const std::vector<int32_t>& winMain,
                                                 const std::vector<int32_t>& winSpecial) {
    auto among = [](const std::vector<int32_t>& mine, const std::vector<int32_t>& win) {
        int n = 0;
        for (int32_t v : mine) n += std::count(win.begin(), win.end(), v) > 0 ? 1 : 0;
        return n;
    };
    // The general table is written for five main numbers. A game with more counts its main hits from the
    // top, so that every main number matched still reaches the first rows (six of six ranks as five).
    const int surplus = table == DualPrizeTable::FivePlusTwo
                            ? std::max(0, static_cast<int>(winMain.size()) - kDualTableMainCount)
                            : 0;
    std::array<int, kDualPrizeLevels> perLevel{};
    for (auto& t : tickets) {
        const int mainHits = std::max(0, among(t.main, winMain) - surplus);
        t.level = dualPrizeLevel(table, mainHits, among(t.special, winSpecial));
        ++perLevel[static_cast<std::size_t>(t.level)];
    }
    // Level 0 sorts last.
    std::stable_sort(tickets.begin(), tickets.end(), [](const DualTicket& a, const DualTicket& b) {
        const int ka = a.level == 0 ? kDualPrizeLevels : a.level;
        const int kb = b.level == 0 ? kDualPrizeLevels : b.level;
        return ka < kb;
    });
    return perLevel;
}

std::string dualPrizeSummary(const std::array<int, kDualPrizeLevels>& n, DualPrizeTable table) {
    std::string text;
    for (int level = 1; level <= dualPrizeLevelCount(table); ++level)
        text += dualLevelText(level) + ":" + std::to_string(n[static_cast<std::size_t>(level)]) + "个;";
    return text + dualLevelText(0) + ":" + std::to_string(n[0]) + "个";
}

std::vector<std::string> printLines(const std::vector<std::vector<int32_t>>& rows, bool withHeader) {
    std::vector<std::string> lines;
    if (withHeader) lines.emplace_back(kPrintHeader);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        std::string line = "第" + std::to_string(k + 1) + "条";
        while (gbkColumns(line) > kPrintLabelColumns && !line.empty()) {
            while (line.size() > 1 && (static_cast<unsigned char>(line.back()) & 0xC0) == 0x80) line.pop_back();
            line.pop_back();  // the last whole character
        }
        line.append(static_cast<std::size_t>(std::max(0, kPrintLabelColumns - gbkColumns(line))), ' ');
        for (int32_t v : rows[k]) line += "      " + TwoDigitText(v);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string writePrintFile(const std::filesystem::path& folder, const std::vector<std::string>& lines) {
    return writeFileAtomically(folder / kPrintFileName, joinGbkLines(lines));
}

}  // namespace qorvel
