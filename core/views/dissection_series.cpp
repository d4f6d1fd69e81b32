#include "views/dissection_series.h"

#include <algorithm>
#include <unordered_map>

#include "engine/derived_series.h"
#include "engine/indicators.h"

namespace qorvel {

std::vector<int32_t> amplitudeSeries(const std::vector<int32_t>& series) {
    std::vector<int32_t> out(series.size());
    int32_t before = 0;
    for (std::size_t i = 0; i < series.size(); ++i) {
        out[i] = absoluteDifference(series[i], before);
        before = series[i];
    }
    return out;
}

// One pass with the last position of every value instead of a walk back per draw.
std::vector<int32_t> omissionSeries(const std::vector<int32_t>& series) {
    std::vector<int32_t> out(series.size());
    std::unordered_map<int32_t, std::size_t> lastSeen;
    for (std::size_t i = 0; i < series.size(); ++i) {
        const auto it = lastSeen.find(series[i]);
        out[i] = static_cast<int32_t>(it == lastSeen.end() ? i : i - it->second - 1);
        lastSeen[series[i]] = i;
    }
    return out;
}

std::vector<int32_t> omissionAmplitudeSeries(const std::vector<int32_t>& series) {
    return amplitudeSeries(omissionSeries(series));
}

std::vector<int32_t> shownSeries(const std::vector<int32_t>& series, ChartKind kind, int divisor) {
    const int k = std::clamp(divisor, kMinRemainderDivisor, kMaxRemainderDivisor);
    std::vector<int32_t> out = series;
    switch (kind) {
        case ChartKind::Regular: break;
        case ChartKind::Tail:
            for (int32_t& v : out) v %= 10;
            break;
        case ChartKind::Remainder:
            for (int32_t& v : out) v %= k;
            break;
        case ChartKind::Amplitude: return amplitudeSeries(series);
        case ChartKind::Omission: return omissionSeries(series);
        case ChartKind::OmissionAmplitude: return omissionAmplitudeSeries(series);
    }
    return out;
}

SeriesRange widenedSeriesRange(int32_t min, int32_t max, int mainCount) {
    if (min != max) return {min, max};
    return {min, static_cast<int32_t>(static_cast<int64_t>(min) + std::max(mainCount, 2) - 1)};
}

SeriesRange seriesExtremes(const std::vector<int32_t>& values, int mainCount) {
    if (values.empty()) return widenedSeriesRange(0, 0, mainCount);
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    return widenedSeriesRange(*lo, *hi, mainCount);
}

AverageSeries movingAverage(const std::vector<int32_t>& series, int span) {
    AverageSeries out;
    out.span = std::max(span, 1);
    out.tenths.assign(series.size(), 0);
    out.present.assign(series.size(), false);
    int64_t sum = 0;
    for (std::size_t i = 0; i < series.size(); ++i) {
        sum += series[i];
        if (i >= static_cast<std::size_t>(out.span)) sum -= series[i - out.span];
        if (i + 1 < static_cast<std::size_t>(out.span)) continue;
        const int64_t scaled = sum * 10;
        const int64_t half = out.span / 2;
        const int64_t rounded = scaled >= 0 ? (scaled + half) / out.span : -((-scaled + half) / out.span);
        out.tenths[i] = static_cast<int32_t>(rounded);
        out.present[i] = true;
    }
    return out;
}

std::vector<int> signalSeries(const std::vector<int32_t>& shown, SignalKind kind, int32_t threshold) {
    std::vector<int> out(shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const int32_t v = shown[i];
        switch (kind) {
            case SignalKind::UpDown: out[i] = i > 0 && v > shown[i - 1] ? 1 : 0; break;
            case SignalKind::OddEven: out[i] = v % 2 == 0 ? 1 : 0; break;
            case SignalKind::PrimeComposite: out[i] = isPrime(v) ? 0 : 1; break;
            case SignalKind::BigSmall: out[i] = v < threshold ? 1 : 0; break;
        }
    }
    return out;
}

std::string signalWord(SignalKind kind, int signal) {
    static const char* const words[4][2] = {{"降", "升"}, {"奇", "偶"}, {"质", "合"}, {"大", "小"}};
    return words[static_cast<int>(kind)][signal ? 1 : 0];
}

std::vector<SignalColumn> layoutSignals(const std::vector<int>& signals) {
    std::vector<SignalColumn> columns;
    for (std::size_t i = 0; i < signals.size(); ++i) {
        const int s = signals[i] ? 1 : 0;
        const bool fits = !columns.empty() && columns.back().signals.front() == s &&
                          static_cast<int>(columns.back().signals.size()) < kSignalColumnRows;
        if (!fits) columns.push_back({static_cast<int>(i), {}});
        columns.back().signals.push_back(s);
    }
    return columns;
}

}  // namespace qorvel

namespace qorvel {

std::vector<int32_t> changeSeries(const std::vector<int32_t>& series) {
    std::vector<int32_t> out = amplitudeSeries(series);
    if (!out.empty()) out[0] = 0;
    return out;
}

std::vector<int32_t> featureSeries(const std::vector<int32_t>& series, FeatureKind kind, int32_t middle) {
    std::vector<int32_t> out(series.size());
    for (std::size_t i = 0; i < series.size(); ++i) {
        const int32_t v = series[i];
        switch (kind) {
            case FeatureKind::OddEven: out[i] = v % 2 != 0 ? 1 : 0; break;
            case FeatureKind::PrimeComposite: out[i] = isPrime(v) ? 1 : 0; break;
            case FeatureKind::BigSmall: out[i] = v >= middle ? 1 : 0; break;
        }
    }
    return out;
}

int32_t featureMiddle(SeriesRange range) {
    return static_cast<int32_t>((static_cast<int64_t>(range.min) + range.max + 1) / 2);
}

}  // namespace qorvel
