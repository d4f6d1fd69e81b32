// The series of the indicator trend view: a formula's value at every draw and one feature of it
// (odd/even, prime/composite, remainder, size, tail, amplitude, omission), with the chart titles and the
// category labels of the feature chart.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/formula_history.h"
#include "types/workspace.h"
#include "views/t_s_zsd.h"

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
    bool stopped = false;             // the progress callback stopped the pass; then nothing else
};

// Evaluates the formula at every draw in one pass (v = |result|) and derives the feature; the cursor of
// ws.MainStore is back where it was. title is the selected node's text. `progress` may stop the pass.
TrendSeries computeTrendSeries(Workspace& ws, std::string_view formula, const std::string& title,
                               const TrendFeatureChoice& choice, const PassProgress& progress = {});

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

// The window both charts share: the first visible point (1-based, 0 = not yet placed) and the number of
// points; lastIndex is the number of draws.
constexpr int kDefaultTrendPoints = 61;
constexpr int kDefaultExtendPoints = 60;  // "扩至"
struct TrendWindow {
    int startIndex = 0;
    int pointCount = kDefaultTrendPoints;

    // Places an unplaced window on the newest draws (never before the first).
    void place(int lastIndex);
    // "放大": five points fewer, the window's end kept; refused when it would leave fewer than two
    // points or run past the last draw.
    bool zoomIn(int lastIndex);
    // "缩小": five points more at the front; refused when the start would reach the first draw.
    bool zoomOut();
    // "扩至" n: n points ending where the window ends; refused for n < 2 or more points than draws.
    bool extendTo(int n, int lastIndex);
    // The last visible index.
    int lastVisible(int lastIndex) const;
};

// The y range of a chart (displayMode 0 all draws, 1 the visible window, 2 all draws with yMaxLimit as
// maximum). A range without span (a flat series, or a limit at or below the minimum) ends mainCount − 1
// above its minimum, at least 1, so the chart never divides by zero.
struct TrendYRange {
    int32_t yMin = 0, yMax = 0;
    bool inaccessible = false;  // every value is 999: yMin becomes 0 and "该指标不能访问" is shown
};
constexpr int32_t kInaccessibleValue = 999;
constexpr const char* kTrendInaccessible = "该指标不能访问";
TrendYRange trendYRange(const std::vector<int32_t>& values, int displayMode, const TrendWindow& window,
                        int mainCount, int32_t yMaxLimit);

// The indices the statistics memo covers: statMode 0 every draw, 1 the visible window, 2 the dialog's
// range (clamped to the series).
struct IndexRange {
    int from = 1, to = 0;
};
IndexRange trendStatisticsRange(int statMode, const TrendWindow& window, int lastIndex, int statFrom, int statTo);

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
