// The direct computation of the filter's indicator values for a ticket taken as the draw after the last
// draw of the store. The history-dependent parts (repeats, neighbours and skew against the last draw,
// amplitudes, omissions, global omissions, cold/warm/hot classes) are worked out once per run into a
// HistoryContext; a ticket's value is then a few table look-ups and a loop over its numbers. The values
// equal those the indicator engine gives for the same ticket appended to the store as its last row
// (main numbers in fields 1..N, every other field 0).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "draws/t_s_dm.h"
#include "types/cold_hot.h"
#include "types/lottery_type.h"

namespace qorvel {

constexpr int kMaxTicketNumbers = 7;
constexpr int kNumberTableSize = 64;  // tables indexed by a number 0..63; main numbers are 1..49

// A ticket of N numbers, ascending, with the bit set of its numbers and their sum.
struct Ticket {
    int count = 0;
    std::array<int32_t, kMaxTicketNumbers + 1> n{};  // n[0..count-1]; positions beyond count read 0
    uint64_t mask = 0;
    int32_t sum = 0;
};

// Builds a ticket from numbers in any order (sorted ascending here).
Ticket makeTicket(const int32_t* numbers, int count);

// Number of set bits, without relying on a processor instruction the build does not ask for.
inline int countBits(uint64_t v) {
    v = v - ((v >> 1) & 0x5555555555555555ull);
    v = (v & 0x3333333333333333ull) + ((v >> 2) & 0x3333333333333333ull);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((v * 0x0101010101010101ull) >> 56);
}

// Omission of a value against a series of earlier draws: the number of draws since the value last
// occurred, or the length of the series when it never did.
class OmissionTable {
public:
    void build(const std::vector<int32_t>& series);  // series[0] is draw 1
    int32_t of(int32_t value) const;

private:
    int32_t draws_ = 0;
    int32_t low_ = 0;
    std::vector<int32_t> lastIndex_;  // by value − low_; 0 when the value never occurred
};

// Per-number tables used by the weighted sums.
enum class WeightTable : uint8_t {
    Identity, Tail, Odd, Even, Prime, NotPrime, HighTail, BigHalf, SmallHalf, Zone3Small, Zone3Middle,
    Zone3Big, Mod3, Mod4, Mod5, Route0, Route1, Route2, GlobalOmission, Count
};

// The values one draw contributes to the derived series whose omissions the filter reads.
enum class DrawSeries : uint8_t { Skew, Spread, Average, Sum, TailSum, SumTail, Count };

// Facts about the draws before the candidate, worked out once per run.
struct HistoryContext {
    int draws = 0;        // T, the number of draws before the candidate
    int mainCount = 6;    // N
    int mainFrom = 1;
    int mainTo = 33;

    std::array<int32_t, kDrawFields> previous{};  // fields of draw T (all 0 when T = 0)
    uint64_t previousMask = 0;                    // main numbers of draw T (0..63)
    std::array<int32_t, kNumberTableSize> previousDistance{};  // smallest |v − p| over draw T's main numbers
    int32_t previousSum = 0;
    int32_t previousTailSum = 0;
    int32_t previousOmissionSum = 0;              // z_ylhz of draw T

    uint64_t coldMask = 0, warmMask = 0, hotMask = 0;
    std::array<std::array<int32_t, kNumberTableSize>, static_cast<int>(WeightTable::Count)> weights{};
    std::array<OmissionTable, kMaxTicketNumbers + 1> positionOmission;  // index K = 1..7
    std::array<OmissionTable, static_cast<int>(DrawSeries::Count)> seriesOmission;
    std::vector<int32_t> zoneBounds3;   // 0, B31, B32, B33
    int32_t smallBigBound = 16;         // B2
    int32_t bigCountThreshold = 16;     // (MAX − MIN + 1) div 2

    // Reads rows 1..store.Count() (the store as cut for the run) without moving its cursor.
    void build(const t_s_dm& store, const TypeParams& params, const ZoneBounds& zones,
               const ColdHotSettings& coldHot);

    const std::array<int32_t, kNumberTableSize>& table(WeightTable t) const {
        return weights[static_cast<int>(t)];
    }
};

// One built-in indicator compiled for direct computation.
struct DirectIndicator {
    enum class Kind : uint8_t {
        MaskCount, WeightSum, Position, LineSum, LineDiff, SumTail, TailGroups, ConsecutivePairs, Ac,
        GapKinds, Spread, Average, MaxGap, MinGap, PairRun, LongestRun, Neighbours, Skew,
        PositionAmplitude, SumAmplitude, TailSumAmplitude, OmissionSumAmplitude, PositionOmission,
        SeriesOmission
    };
    enum class PairProperty : uint8_t { Odd, Even, Prime, NotPrime };

    Kind kind = Kind::MaskCount;
    uint64_t mask = 0;           // MaskCount: the numbers counted (fixed for the run)
    int a = 0;                   // Position/amplitude/omission: K; lines: J; WeightSum: table; run: property
    int b = 0;                   // lines: I; SeriesOmission: the series
};

// Compiles a code of the condition table (and a few more the formulas use) for direct computation, or
// nothing when the code has no direct form.
std::optional<DirectIndicator> compileDirect(std::string_view code, const HistoryContext& context);

// The value of a compiled indicator for the ticket.
int32_t directValue(const DirectIndicator& indicator, const Ticket& ticket, const HistoryContext& context);

// Shape values shared by the candidate and the history series (numbers in field order).
int32_t spreadOf(const int32_t* numbers, int count);
int32_t skewOf(const int32_t* numbers, int count, const int32_t* previous, int previousCount);
int32_t averageOf(int32_t sum, int count);

}  // namespace qorvel
