// The series computations of the indicator dissection page: the series as the chart type shows it, its
// extremes, its amplitude and omission, moving averages and the two-valued signals with their column layout.
// Every function works on one value per draw, oldest first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qorvel {

// How the signal chart transforms the series ("常规图" … "遗漏振幅图").
enum class ChartKind { Regular, Tail, Remainder, Amplitude, Omission, OmissionAmplitude };

inline constexpr int kMinRemainderDivisor = 2;
inline constexpr int kMaxRemainderDivisor = 20;
inline constexpr int kMinYLimit = 10;
inline constexpr int kMaxYLimit = 1000;

// |X(i) − X(i−1)|, X before the first draw counting as 0 (as the formula function does).
std::vector<int32_t> amplitudeSeries(const std::vector<int32_t>& series);
// Draws since the value last occurred before each draw: every earlier draw when it never did, 0 at the first.
std::vector<int32_t> omissionSeries(const std::vector<int32_t>& series);
// |omission(i) − omission(i−1)|, the omission before the first draw counting as 0.
std::vector<int32_t> omissionAmplitudeSeries(const std::vector<int32_t>& series);

// The series as chart type `kind` shows it; `divisor` is the k of "除 k 余数" (kept within 2…20).
std::vector<int32_t> shownSeries(const std::vector<int32_t>& series, ChartKind kind, int divisor);

struct SeriesRange {
    int32_t min = 0, max = 0;
    bool operator==(const SeriesRange&) const = default;
};

// The extremes of `values`; equal extremes (or no values) widen to min … min + mainCount − 1 so a chart
// always has a span.
SeriesRange seriesExtremes(const std::vector<int32_t>& values, int mainCount);
// The handed-over range with the same rule for equal ends.
SeriesRange widenedSeriesRange(int32_t min, int32_t max, int mainCount);

// The n-draw moving average in tenths: entry i is the mean of draws i − n + 1 … i times ten, rounded half
// away from zero, present from the n-th draw on (earlier entries are absent).
struct AverageSeries {
    int span = 0;
    std::vector<int32_t> tenths;     // one per draw
    std::vector<bool> present;       // false before the span-th draw
};
AverageSeries movingAverage(const std::vector<int32_t>& series, int span);

// The signal types of the lower grid ("升降图" … "大小图").
enum class SignalKind { UpDown, OddEven, PrimeComposite, BigSmall };

// 1 or 0 per draw: up (greater than the previous, the first draw comparing with itself), even, not prime,
// or below `threshold`.
std::vector<int> signalSeries(const std::vector<int32_t>& shown, SignalKind kind, int32_t threshold);

// The word of a signal in "文字表示" ("升"/"降", "偶"/"奇", "合"/"质", "小"/"大").
std::string signalWord(SignalKind kind, int signal);

inline constexpr int kSignalColumnRows = 5;

// One column of the signal grid: the draw (0-based) that started it and its signals, at most five equal.
struct SignalColumn {
    int firstDraw = 0;
    std::vector<int> signals;
    bool operator==(const SignalColumn&) const = default;
};

// Equal signals go down one column; a different signal or a sixth equal one starts the next column. The
// first draw starts the first column.
std::vector<SignalColumn> layoutSignals(const std::vector<int>& signals);

}  // namespace qorvel

namespace qorvel {

// |X(i) − X(i−1)| with no change at the first draw (the change chart has nothing to compare it with).
std::vector<int32_t> changeSeries(const std::vector<int32_t>& series);

// The three feature charts: 1 for odd, prime (1 counting as prime) or big (at least `middle`), else 0.
enum class FeatureKind { OddEven, PrimeComposite, BigSmall };
std::vector<int32_t> featureSeries(const std::vector<int32_t>& series, FeatureKind kind, int32_t middle);
// The middle value of the big/small feature: (min + max + 1) div 2, so the upper half is "big".
int32_t featureMiddle(SeriesRange range);

}  // namespace qorvel
