// The indicator catalogue: every built-in indicator code with its display name, its value range and the
// recipe that computes it. The table in indicator_catalogue.cpp is the single source for names, ranges,
// the indicator menu and the computation.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/indicator_info.h"
#include "types/lottery_type.h"

namespace qorvel {

struct Workspace;

constexpr int kCatalogueCodeCount = 239;

// What a range bound is measured from; the bound is that quantity plus an offset.
enum class RangeTerm : uint8_t {
    Fixed,         // 0: the bound is the offset alone
    MainCount,     // N
    MainTo,        // MAX
    SpecialTo,     // SMAX
    MainCountMax,  // N × MAX
    TwiceMainTo,   // 2 × MAX
};

struct RangeForm {
    RangeTerm term = RangeTerm::Fixed;
    int32_t offset = 0;
};

// The computation of one value at one draw. The argument of the entry selects the variant (a position,
// a pair of positions, a divisor and remainder, a sum kind, ...).
enum class IndicatorKernel : uint8_t {
    Position,           // arg K: the number in field K
    PositionTail,       // arg K: that number mod 10
    LineSum,            // arg 10·J + I: nJ + nI
    LineDifference,     // arg 10·J + I: nJ − nI
    SpecialNumber,      // arg 1 or 2: the field after the main numbers
    SpecialSum,         // s1 + … + sM
    SpecialDifference,  // s2 − s1
    MainSum,            // arg MainSumKind
    BigCount,           // main numbers above T
    OddCount,
    PrimeCount,
    RepeatCount,     // numbers also in the previous draw
    TailGroupCount,  // distinct tails
    ConsecutivePairs,
    NeighbourCount,  // numbers with a neighbour (distance 1) in the previous draw
    AcValue,
    LargestGap,
    SmallestGap,
    GapKinds,       // distinct gaps
    HighTailCount,  // tails 5..9
    OddRun,
    EvenRun,
    PrimeRun,
    NonPrimeRun,
    LongestRun,      // longest run of consecutive integers
    RemainderCount,  // arg 10·d + r: numbers with n mod d = r
    ThirdZoneCount,  // arg 1..3: numbers in that zone of the three-zone split
    Temperature,     // arg 0 cold, 1 warm, 2 hot
    Skew,
    Spread,
    Average,
    SpecialAverage,
    SpecialSkew,
    SpecialSpread,
    GlobalOmission,  // arg K: draws since the number nK was last drawn at any position
    GlobalOmissionSum,
};

// The variants of IndicatorKernel::MainSum.
enum class MainSumKind : int16_t {
    Total,
    SumTail,  // total mod 10
    TailSum,  // sum of the tails
    Odd,
    Even,
    Prime,
    NonPrime,  // total minus the prime sum
    AboveB2,
    UpToB2,
    ThirdZoneBig,
    ThirdZoneMiddle,
    ThirdZoneSmall,
    Remainder3,  // sum of n mod 3
    Remainder4,
    Remainder5,
    Road0,  // sum of the numbers with n mod 3 = 0
    Road1,
    Road2,
    HighTails,  // sum of the tails 5..9
    SmallOdd,
    BigOdd,
    SmallEven,
    BigEven,
    SmallPrime,
    BigPrime,
    SmallComposite,
    BigComposite,
};

// The series a code reads of its base computation.
enum class DerivedSeries : uint8_t {
    None,
    Amplitude,          // |X(t) − X(t−1)|
    Omission,           // draws since X last had the value of X(t)
    OmissionAmplitude,  // amplitude of the omission series
};

enum class NameForm : uint8_t {
    Fixed,
    SpecialLabel,  // the current type's SpecialLabel, "副号一" when that label is "副号"
};

struct CatalogueEntry {
    std::string_view code;
    std::string_view name;
    RangeForm minimum;
    RangeForm maximum;
    IndicatorKernel kernel;
    int16_t arg = 0;
    DerivedSeries series = DerivedSeries::None;
    NameForm nameForm = NameForm::Fixed;
};

// All catalogue entries in catalogue order.
std::span<const CatalogueEntry> indicatorCatalogue();

// The entry of a code (exact, case-sensitive match); nullptr outside the catalogue.
const CatalogueEntry* findCatalogueEntry(std::string_view code);

// A bound evaluated for the lottery type.
int32_t rangeValue(const RangeForm& form, const TypeParams& params);

// The display name of an entry for a type whose special-zone label is specialLabel.
std::string displayName(const CatalogueEntry& entry, std::string_view specialLabel);

// Writes the code into info; on a match also the display name and range, otherwise they keep the values
// of the previous lookup. Returns whether the code matched.
bool lookupIndicator(IndicatorInfo& info, std::string_view code, const TypeParams& params,
                     std::string_view specialLabel);

// The same on the workspace's shared record, for its current type.
bool lookupIndicator(Workspace& ws, std::string_view code);

}  // namespace qorvel
