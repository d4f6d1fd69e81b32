#include "views/indicator_trend.h"

#include <algorithm>
#include <cstdlib>

#include "engine/custom_indicators.h"
#include "engine/derived_series.h"
#include "engine/formula_history.h"
#include "engine/indicator_catalogue.h"
#include "engine/indicator_menu.h"
#include "engine/indicators.h"
#include "engine/tgs.h"

namespace qorvel {
namespace {

constexpr int kTails = 10;
constexpr int kRoads = 3;

struct FeatureName {
    const char* name;
    TrendFeature feature;
};

constexpr FeatureName kFeatureNames[] = {
    {"奇偶", TrendFeature::OddEven},  {"质合", TrendFeature::PrimeComposite},    {"012路", TrendFeature::Road},
    {"尾数", TrendFeature::Tail},     {"振幅", TrendFeature::Amplitude},         {"遗漏", TrendFeature::Omission},
    {"遗漏振幅", TrendFeature::OmissionAmplitude}, {"大小", TrendFeature::Size}, {"除", TrendFeature::Remainder},
};

void setLabels(TrendSeries& s, std::initializer_list<const char*> labels) {
    s.categoryCount = static_cast<int>(labels.size());
    s.labels = {""};
    for (const char* l : labels) s.labels.emplace_back(l);
}

int32_t featureAt(const TrendSeries& s, const TrendFeatureChoice& c, int i) {
    const int32_t v = s.values[i];
    // The derived features read the indicator series with 1-based indices.
    auto valueAt = [&](int r) { return s.values[r - 1]; };
    switch (c.feature) {
        case TrendFeature::OddEven: return v % 2 + 1;
        case TrendFeature::PrimeComposite: return isPrime(v) ? 2 : 1;
        case TrendFeature::Road: return v % kRoads + 1;
        case TrendFeature::Tail: return v % kTails;
        case TrendFeature::Amplitude: return amplitudeAtRow(i + 1, valueAt);
        case TrendFeature::Omission: return omissionAtRow(i + 1, valueAt);
        case TrendFeature::OmissionAmplitude: return omissionAmplitudeAtRow(i + 1, valueAt);
        case TrendFeature::Size: return v < c.middle ? 1 : 2;
        case TrendFeature::Remainder: return c.divisor != 0 ? v % c.divisor : 0;
    }
    return 0;
}

}  // namespace

std::optional<TrendFeature> parseTrendFeature(std::string_view name) {
    for (const auto& f : kFeatureNames)
        if (name == f.name) return f.feature;
    return std::nullopt;
}

std::string trendFeatureName(const TrendFeatureChoice& c) {
    if (c.feature == TrendFeature::Remainder) return "除" + std::to_string(c.divisor) + "余数";
    for (const auto& f : kFeatureNames)
        if (f.feature == c.feature) return f.name;
    return {};
}

TrendSeries computeTrendSeries(Workspace& ws, std::string_view formula, const std::string& title,
                               const TrendFeatureChoice& choice, const PassProgress& progress) {
    TrendSeries s;
    switch (choice.feature) {
        case TrendFeature::OddEven: setLabels(s, {"偶", "奇"}); break;
        case TrendFeature::PrimeComposite: setLabels(s, {"合", "质"}); break;
        case TrendFeature::Road: setLabels(s, {"0", "1", "2"}); break;
        case TrendFeature::Size: setLabels(s, {"小", "大"}); break;
        default: break;
    }
    s.indicatorTitle = title;
    s.featureTitle = title + "的" + trendFeatureName(choice);

    const t_s_dm& store = ws.MainStore;
    HistoryValues pass = evaluateAtEveryDraw(ws, formula, progress, true);
    if (pass.stopped) {
        s.stopped = true;
        return s;
    }
    if (!pass.failures.empty()) {
        s.error = kTrendFormulaError + pass.failures.front().error;
        return s;
    }
    for (int r = 1; r <= store.Count(); ++r) {
        s.issues.push_back(store.Row(r).fields[0]);
        s.values.push_back(absoluteDifference(pass.values[static_cast<std::size_t>(r - 1)], 0));
    }
    for (int i = 0; i < static_cast<int>(s.values.size()); ++i) s.features.push_back(featureAt(s, choice, i));
    return s;
}

std::vector<TrendTreeCategory> trendTree(std::string_view specialLabel, const std::vector<std::string>& savedLines) {
    std::vector<TrendTreeCategory> tree;
    for (const IndicatorMenuPage& page : indicatorMenuPages()) {
        TrendTreeCategory category{page.title, {}};
        for (const IndicatorMenuItem& item : page.items) category.items.push_back({item.name, item.expression});
        tree.push_back(std::move(category));
    }
    TrendTreeCategory special{std::string(specialLabel) + "系列", {}};
    for (const CatalogueEntry& entry : indicatorCatalogue())
        if (entry.code.starts_with("f_"))
            special.items.push_back({displayName(entry, specialLabel), std::string(entry.code)});
    tree.push_back(std::move(special));
    TrendTreeCategory saved{"保存的自定义指标", {}};
    for (const std::string& line : savedLines) {
        const CustomIndicator indicator = splitIndicatorLine(line);
        if (!indicator.formula.empty()) saved.items.push_back({indicator.name, indicator.formula});
    }
    tree.push_back(std::move(saved));
    return tree;
}

void TrendWindow::place(int lastIndex) {
    if (startIndex == 0) startIndex = std::max(lastIndex - pointCount + 1, 1);
}

bool TrendWindow::zoomIn(int lastIndex) {
    if (lastIndex < startIndex + kTrendZoomStep || pointCount - kTrendZoomStep <= 1) return false;
    pointCount -= kTrendZoomStep;
    startIndex += kTrendZoomStep;
    return true;
}

bool TrendWindow::zoomOut() {
    if (startIndex - kTrendZoomStep <= 1) return false;
    pointCount += kTrendZoomStep;
    startIndex -= kTrendZoomStep;
    return true;
}

bool TrendWindow::extendTo(int n, int lastIndex) {
    if (n <= 1 || lastIndex < n) return false;
    startIndex += pointCount - n;
    pointCount = n;
    return true;
}

int TrendWindow::lastVisible(int lastIndex) const { return std::min(lastIndex, startIndex + pointCount - 1); }

TrendYRange trendYRange(const std::vector<int32_t>& values, int displayMode, const TrendWindow& window,
                        int mainCount, int32_t yMaxLimit) {
    const int last = static_cast<int>(values.size());
    const bool visibleOnly = displayMode == 1;
    const int from = visibleOnly ? std::max(window.startIndex, 1) : 1;
    const int to = visibleOnly ? window.lastVisible(last) : last;
    TrendYRange range;
    if (from > to) return range;
    const auto [low, high] = std::minmax_element(values.begin() + from - 1, values.begin() + to);
    range.yMin = *low;
    range.yMax = *high;
    if (displayMode == 2) range.yMax = yMaxLimit;
    if (range.yMin == kInaccessibleValue && range.yMax == kInaccessibleValue) {
        range.inaccessible = true;
        range.yMin = 0;
    }
    // A flat series (or a limit at or below the minimum) would leave no span to scale by.
    if (range.yMax <= range.yMin) range.yMax = range.yMin + std::max(mainCount - 1, 1);
    return range;
}

IndexRange trendStatisticsRange(int statMode, const TrendWindow& window, int lastIndex, int statFrom, int statTo) {
    if (statMode == 1) return {std::max(window.startIndex, 1), window.lastVisible(lastIndex)};
    if (statMode == 2) return {std::max(statFrom, 1), std::min(statTo, lastIndex)};
    return {1, lastIndex};
}

std::string trendMemoLine(const std::string& title, int32_t minimum, int32_t maximum, const RunLengths& repeats,
                          const RunLengths& rises, const RunLengths& falls) {
    auto text = [](int64_t v) { return std::to_string(v); };
    auto runs = [&](const char* kind, const RunLengths& r) {
        return std::string("（最小") + kind + "：" + text(r.min) + "；最大" + kind + "：" + text(r.max) + "；当前" +
               kind + "：" + text(r.current) + "）；";
    };
    const int64_t middle = (static_cast<int64_t>(minimum) + maximum) / 2;
    return title + "统计结果：" + "（最小值：" + text(minimum) + "；最大值：" + text(maximum) + "；中间值：" +
           text(middle) + "）；" + runs("遗传", repeats) + runs("升序", rises) + runs("降序", falls);
}

std::string trendMemoRangeLine(int32_t fromIssue, int32_t toIssue) {
    return "（统计范围：从" + std::to_string(fromIssue) + "至" + std::to_string(toIssue) + "）";
}

}  // namespace qorvel
