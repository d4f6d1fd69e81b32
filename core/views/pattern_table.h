// The pattern table "综合形态" of the more-charts page: every draw with a class digit for each of its
// numbers and for each gap between neighbouring main numbers (the last gap wraps round from the highest
// number to the lowest), classified by size, zones, parity, primality or a remainder, optionally on the
// tail digits only.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/indicator_kernels.h"
#include "types/workspace.h"

namespace qorvel {

// The class choice radios, in their order on the sheet.
enum class PatternClassKind {
    BigSmall,        // "大小"
    ThreeZones,      // "大中小"
    OddEven,         // "奇偶"
    PrimeComposite,  // "质合"
    Remainder3,      // "除三余数"
    Remainder4,      // "除四余数"
    Remainder5,      // "除五余数"
    RemainderBy,     // "除" with the chosen divisor
};

constexpr int kPatternDivisorFrom = 6;  // the divisors offered with "除"
constexpr int kPatternDivisorTo = 10;

struct PatternTableOptions {
    PatternClassKind kind = PatternClassKind::BigSmall;
    int divisor = kPatternDivisorFrom;  // used with RemainderBy
    bool tails = true;                  // "尾号分析": classify v mod 10, special numbers get class columns
    bool hideGaps = false;              // "隐掉间隔数": the gap column stays empty
};

struct RgbColour {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const RgbColour&) const = default;
};

// The fill of a class cell, indexed by its class value 0 … 9.
inline constexpr std::array<RgbColour, 10> ClassColours{{
    {166, 202, 240}, {255, 255, 0}, {255, 0, 0}, {0, 128, 0}, {255, 255, 255},
    {0, 255, 0}, {125, 3, 171}, {255, 142, 98}, {173, 122, 201}, {0, 151, 151},
}};

struct PatternTable {
    int mainCount = 0;     // N
    int classNumbers = 0;  // P: N, plus the special numbers with "尾号分析"
    std::vector<std::string> header;             // P + N + 3 captions
    std::vector<std::vector<std::string>> rows;  // one per draw, oldest first, each P + N + 3 cells

    int columnCount() const { return classNumbers + mainCount + 3; }
    int gapColumn() const { return classNumbers + 2; }
    // A column holding one class digit per draw (of a number or of a gap).
    bool isClassColumn(int column) const {
        return column >= 2 && column < columnCount() && column != gapColumn();
    }
    // The text of a cell; empty outside the table.
    std::string cell(int row, int column) const;
};

// The class digit of value v under `options` (of v mod 10 when options.tails). Never negative.
int patternClass(int v, const PatternTableOptions& options, const Thresholds& thresholds);

// The N gaps of main numbers: |n(g+1) − n(g)| − 1 for the neighbours in ascending order, then the
// wrap-around gap mainTo + n1 − nN − mainFrom. The numbers need not be sorted.
std::vector<int> patternGaps(std::vector<int> mainNumbers, int mainFrom, int mainTo);

// Reads the whole history of ws.MainStore row by row; the cursor does not move.
PatternTable buildPatternTable(const Workspace& ws, const PatternTableOptions& options);

}  // namespace qorvel
