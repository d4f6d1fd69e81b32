// The series of the indicator trend view: a formula's value at every draw and one feature of it
// (odd/even, prime/composite, remainder, size, tail, amplitude, omission), with the chart titles and the
// category labels of the feature chart.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "types/workspace.h"

namespace qorvel {

enum class TrendFeature { OddEven, PrimeComposite, Road, Tail, Amplitude, Omission, OmissionAmplitude, Size, Remainder };

constexpr int kDefaultTrendMiddle = 17;   // cb_zbzs_zjz
constexpr int kDefaultTrendDivisor = 4;   // cb_zbzs_ys
constexpr const char* kTrendFormulaError = "公式有误:";
constexpr const char* kTrendUnsupported =
    "该指标或它的指标特征在本软件中暂不支持，请选择其他指标或其他指标特征进行分析。";

struct TrendFeatureChoice {
    TrendFeature feature = TrendFeature::OddEven;
    int middle = kDefaultTrendMiddle;
    int divisor = kDefaultTrendDivisor;
};

// The feature of a name as the combo and radios write it: 奇偶 质合 012路 尾数 振幅 遗漏 遗漏振幅 大小 除.
std::optional<TrendFeature> parseTrendFeature(std::string_view name);
// The feature's name in the feature chart's title ("奇偶", "大小", "除4余数", …).
std::string trendFeatureName(const TrendFeatureChoice& choice);

struct TrendSeries {
    std::vector<int32_t> issues, values, features;  // one per draw, oldest first
    std::string indicatorTitle, featureTitle;
    int categoryCount = 0;            // > 0: the feature chart labels its values with `labels`
    std::vector<std::string> labels;  // labels[v] for v = 1…categoryCount (index 0 empty)
    std::string error;                // "公式有误:" + the evaluator's text when a draw failed; then nothing else
};

// Evaluates the formula at every draw (v = |result|) and derives the feature; the cursor of ws.MainStore
// is back where it was. title is the selected node's text.
TrendSeries computeTrendSeries(Workspace& ws, std::string_view formula, const std::string& title,
                               const TrendFeatureChoice& choice);

// The indicator tree tv_zbzs: ten categories, each child a display name with the formula it draws.
struct TrendTreeItem {
    std::string name;     // the node text
    std::string formula;  // the node data: a code or any formula
};
struct TrendTreeCategory {
    std::string title;
    std::vector<TrendTreeItem> items;
};
// The eight indicator menu pages, the special numbers' codes of the catalogue under SpecialLabel + "系列",
// and the saved custom indicators (lines of the saved-indicator file) under "保存的自定义指标".
std::vector<TrendTreeCategory> trendTree(std::string_view specialLabel, const std::vector<std::string>& savedLines);

// Run lengths of a series over the statistics range: the open run and the longest and shortest closed.
struct RunLengths {
    int current = 0, max = 0, min = 0;
};

// Line 1 or 2 of m_zbzs_tj: the chart's title, "统计结果：", its value range with the middle value
// (truncated), and its repeat, rise and fall runs.
std::string trendMemoLine(const std::string& title, int32_t minimum, int32_t maximum, const RunLengths& repeats,
                          const RunLengths& rises, const RunLengths& falls);
// Line 3: "（统计范围：从" + the first issue + "至" + the last issue + "）".
std::string trendMemoRangeLine(int32_t fromIssue, int32_t toIssue);

}  // namespace qorvel
