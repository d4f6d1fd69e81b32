#include "views/image_series.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/derived_series.h"
#include "engine/indicators.h"

namespace qorvel {
namespace {

int clampedMainCount(const TypeParams& p) { return std::clamp(p.MainCount, 0, kDrawFields - 1); }

std::vector<int> mainNumbers(const t_s_dm& store, const TypeParams& p, int row) {
    const auto& f = store.Row(row).fields;
    return {f.begin() + 1, f.begin() + 1 + clampedMainCount(p)};
}

std::string oneDecimal(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    return text;
}

int roundEven(float value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

std::vector<std::vector<int>> positionRemainders(const t_s_dm& store, const TypeParams& p, int modulus) {
    std::vector<std::vector<int>> values(static_cast<std::size_t>(clampedMainCount(p)));
    if (modulus == 0) return values;
    for (int k = 0; k < clampedMainCount(p); ++k)
        for (int r = 1; r <= store.Count(); ++r) values[k].push_back(store.Row(r).fields[k + 1] % modulus);
    return values;
}

GapRow gapRow(const t_s_dm& store, const TypeParams& p, int row) {
    GapRow g;
    if (row < 1 || row > store.Count()) return g;
    g.numbers = mainNumbers(store, p, row);
    std::sort(g.numbers.begin(), g.numbers.end());
    for (std::size_t k = 1; k < g.numbers.size(); ++k) g.gaps.push_back(g.numbers[k] - g.numbers[k - 1]);
    return g;
}

const std::vector<std::pair<int, int>>& gapPairItems() {
    static const std::vector<std::pair<int, int>> items = {{2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5},
                                                           {3, 1}, {4, 2}, {5, 3}, {6, 4}, {4, 1},
                                                           {5, 2}, {6, 3}, {5, 1}, {6, 2}, {6, 1}};
    return items;
}

std::vector<OmissionEntry> numberOmissionHistory(const t_s_dm& store, const TypeParams& p, int number) {
    std::vector<OmissionEntry> entries;
    const int count = store.Count();
    int previous = 0;  // row of the previous occurrence, 0 before the first
    for (int r = 1; r <= count; ++r) {
        const auto numbers = mainNumbers(store, p, r);
        if (std::find(numbers.begin(), numbers.end(), number) == numbers.end()) continue;
        entries.push_back({store.Row(r).fields[0], r - previous - 1, 0});
        previous = r;
    }
    if (count >= 1 && previous != count) entries.push_back({store.Row(count).fields[0], count - previous, 0});
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i].amplitude = i == 0 ? entries[i].omission : std::abs(entries[i].omission - entries[i - 1].omission);
    return entries;
}

std::vector<DrawFields> omissionHandOverRecords(const std::vector<OmissionEntry>& entries) {
    std::vector<DrawFields> records;
    for (const auto& e : entries) {
        DrawFields f{};
        f[0] = e.issue;
        f[1] = e.omission;
        records.push_back(f);
    }
    if (records.empty()) records.push_back(DrawFields{});
    return records;
}

std::string omissionTrendTitle(int n) { return "主区号码" + std::to_string(n) + "的遗漏走势"; }
std::string omissionAmplitudeTitle(int n) { return "主区号码" + std::to_string(n) + "的遗漏振幅走势"; }
std::string omissionDissectionCaption(int n) { return "主区号码" + std::to_string(n) + "的遗漏"; }

SpreadPoint spreadPoint(const t_s_dm& store, const TypeParams& p, int row, SpreadMode mode) {
    SpreadPoint point;
    if (row < 1 || row > store.Count() || clampedMainCount(p) == 0) return point;
    const auto numbers = mainNumbers(store, p, row);
    const float n = static_cast<float>(numbers.size());
    float sum = 0, squares = 0;
    for (int x : numbers) sum += static_cast<float>(x);
    point.mean = sum / n;
    for (int x : numbers) squares += (static_cast<float>(x) - point.mean) * (static_cast<float>(x) - point.mean);
    point.deviation = std::sqrt(squares / n);
    constexpr float kDeviationScale = 10, kPercent = 100;
    switch (mode) {
        case SpreadMode::Mean:
            point.plotted = roundEven(point.mean);
            point.label = oneDecimal(point.mean);
            break;
        case SpreadMode::StandardDeviation:
            point.plotted = roundEven(kDeviationScale * point.deviation);
            point.label = oneDecimal(point.deviation);
            break;
        case SpreadMode::Variation: {
            const float variation = point.mean != 0 ? kPercent * point.deviation / point.mean : 0;
            point.plotted = roundEven(variation);
            point.label = oneDecimal(variation) + "%";
            break;
        }
    }
    return point;
}

SpreadAxis spreadAxis(SpreadMode mode) {
    // Labelled values as the axis writes them: every major tick from the first above the axis.
    auto labels = [](int from, int to, int step) {
        std::vector<std::string> out;
        for (int v = from; v <= to; v += step) out.push_back(std::to_string(v));
        return out;
    };
    constexpr double kMeanReference = 13.5, kVariationReference = 50;
    switch (mode) {
        case SpreadMode::Mean: return {4, 32, 1, 4, labels(8, 32, 4), kMeanReference};
        case SpreadMode::StandardDeviation: return {10, 210, 5, 20, labels(3, 21, 2), -1};
        case SpreadMode::Variation: return {0, 100, 2, 10, labels(10, 100, 10), kVariationReference};
    }
    return {};
}

GapColour gapPositionColour(int position) {
    static constexpr GapColour kColours[] = {{255, 255, 255}, {255, 0, 0}, {51, 138, 140},
                                             {128, 0, 128},   {0, 128, 0}, {0, 0, 255}};
    return (position >= 1 && position <= 6) ? kColours[position - 1] : GapColour{0, 0, 0};
}

ExtensionChoice defaultExtensionChoice(ExtensionKind kind) {
    switch (kind) {
        case ExtensionKind::OmissionRange: return {kind, 0, 1, 1};
        case ExtensionKind::Zone: return {kind, 0, 4, 1};
        case ExtensionKind::Remainder: return {kind, 0, 6, 0};
        case ExtensionKind::Difference:
        case ExtensionKind::PreviousDifference: return {kind, 0, 2, 0};
        case ExtensionKind::Sum:
        case ExtensionKind::PreviousSum: return {kind, 0, 34, 0};
    }
    return {};
}

std::string extensionCode(const ExtensionChoice& c) {
    const std::string s = std::to_string(c.select), a = std::to_string(c.first), b = std::to_string(c.second);
    switch (c.kind) {
        case ExtensionKind::OmissionRange: return "c_ylz_" + s + "_" + a + "_" + b;
        case ExtensionKind::Zone: return "c_fq_" + s + "_" + a + "_" + b;
        case ExtensionKind::Remainder: return "c_ys_" + s + "_" + a + "_" + b;
        case ExtensionKind::Difference: return "c_cz_" + a;
        case ExtensionKind::Sum: return "c_hz_" + a;
        case ExtensionKind::PreviousDifference: return "c_xw_cz_" + a;
        case ExtensionKind::PreviousSum: return "c_xw_hz_" + a;
    }
    return {};
}

std::string extensionFormula(const ExtensionChoice& choice) { return "getzb(" + extensionCode(choice) + ")"; }

ValueSeries codeSeries(Workspace& ws, const std::string& code) {
    ValueSeries series;
    t_s_dm& store = ws.MainStore;
    CursorReturn back(store);
    for (int r = 1; r <= store.Count(); ++r) {
        store.SetRecNo(r);
        series.issues.push_back(store.GetField(0));
        series.values.push_back(indicatorValue(ws, code));
    }
    for (std::size_t i = 0; i < series.values.size(); ++i)
        series.amplitudes.push_back(i == 0 ? series.values[0]
                                           : absoluteDifference(series.values[i], series.values[i - 1]));
    return series;
}

}  // namespace qorvel
