// trend: the indicator trend view for one formula — optionally its value and feature at every draw, then
// the three lines of the statistics memo. Output is UTF-8, tab-separated, one record a line.
#include <ostream>

#include "cli/cli.h"
#include "text/number_text.h"
#include "views/indicator_trend.h"
#include "views/trend_memo.h"

namespace qorvel::cli {
namespace {

constexpr int kBadArgumentStatus = 2;
constexpr int kFormulaErrorStatus = 3;
constexpr int kMiddleLow = 1, kMiddleHigh = 1000;   // items of cb_zbzs_zjz
constexpr int kDivisorLow = 4, kDivisorHigh = 20;   // items of cb_zbzs_ys
constexpr const char* kTrendUsage =
    "trend FORMULA [--feature F] [--middle V] [--divisor D] [--stat all|shown|FROM,TO] [--series]";

int badArgument(CliContext& ctx, const std::string& message) {
    *ctx.err << "qorvel-cli: " << message << "\n";
    return kBadArgumentStatus;
}

struct TrendArgs {
    std::string formula;
    TrendFeatureChoice choice;
    std::string stat = "all";
    bool series = false;
};

// A whole number within [low, high], or an error text.
std::string boundedNumber(const std::string& option, const std::string& text, int low, int high, int& value) {
    const auto v = parseWholeNumber(text);
    if (!v || *v < low || *v > high)
        return option + " 需要" + std::to_string(low) + "到" + std::to_string(high) + "之间的整数: " + text;
    value = *v;
    return {};
}

// Reads the command's arguments; an error text when one is wrong.
std::string parseTrendArgs(const std::vector<std::string>& args, TrendArgs& parsed) {
    bool haveFormula = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--series") {
            parsed.series = true;
            continue;
        }
        if (a == "--feature" || a == "--middle" || a == "--divisor" || a == "--stat") {
            if (i + 1 >= args.size()) return "选项 " + a + " 缺少参数";
            const std::string& v = args[++i];
            std::string error;
            if (a == "--feature") {
                const auto feature = parseTrendFeature(v);
                if (!feature) return "--feature 需要 奇偶 质合 012路 尾数 振幅 遗漏 遗漏振幅 大小 除 之一: " + v;
                parsed.choice.feature = *feature;
            } else if (a == "--middle") {
                error = boundedNumber(a, v, kMiddleLow, kMiddleHigh, parsed.choice.middle);
            } else if (a == "--divisor") {
                error = boundedNumber(a, v, kDivisorLow, kDivisorHigh, parsed.choice.divisor);
            } else {
                parsed.stat = v;
            }
            if (!error.empty()) return error;
            continue;
        }
        if (a.rfind("--", 0) == 0) return "未知选项: " + a;
        if (haveFormula) return std::string("用法: ") + kTrendUsage;
        parsed.formula = a;
        haveFormula = true;
    }
    if (!haveFormula || trimBlanks(parsed.formula).empty()) return std::string("用法: ") + kTrendUsage;
    return {};
}

// The row of an issue of the history, 0 when it is not there.
int rowOfIssue(const t_s_dm& store, const std::string& text) {
    const auto issue = parseWholeNumber(text);
    if (issue)
        for (int r = 1; r <= store.Count(); ++r)
            if (store.Row(r).fields[0] == *issue) return r;
    return 0;
}

// The memo's range for --stat: every draw, the window the view shows first, or the draws FROM..TO.
std::string statisticsRange(const std::string& stat, const t_s_dm& store, IndexRange& range) {
    const int last = store.Count();
    TrendWindow window;
    window.place(last);
    if (stat == "all") {
        range = trendStatisticsRange(0, window, last, 0, 0);
        return {};
    }
    if (stat == "shown") {
        range = trendStatisticsRange(1, window, last, 0, 0);
        return {};
    }
    const auto comma = stat.find(',');
    const int from = comma == std::string::npos ? 0 : rowOfIssue(store, stat.substr(0, comma));
    const int to = comma == std::string::npos ? 0 : rowOfIssue(store, stat.substr(comma + 1));
    if (from == 0 || to == 0) return "--stat 需要 all、shown 或历史数据中的两个期号 FROM,TO: " + stat;
    if (from > to) return "--stat 的起始期号晚于结束期号: " + stat;
    range = trendStatisticsRange(2, window, last, from, to);
    return {};
}

int runTrend(CliContext& ctx) {
    TrendArgs a;
    std::string error = parseTrendArgs(ctx.args, a);
    if (!error.empty()) return badArgument(ctx, error);
    error = ctx.prepareWorkspace();
    if (!error.empty()) return fail(ctx, error);
    Workspace& ws = *ctx.workspace;
    IndexRange range;
    error = statisticsRange(a.stat, ws.MainStore, range);
    if (!error.empty()) return badArgument(ctx, error);

    const TrendSeries series = computeTrendSeries(ws, a.formula, a.formula, a.choice);
    if (!series.error.empty()) {
        *ctx.err << series.error << '\n' << kTrendUnsupported << '\n';
        return kFormulaErrorStatus;
    }
    auto& out = *ctx.out;
    if (a.series)
        for (std::size_t i = 0; i < series.values.size(); ++i)
            out << series.issues[i] << '\t' << series.values[i] << '\t' << series.features[i] << '\n';
    for (const std::string& line : trendMemoLines(series, range)) out << line << '\n';
    return 0;
}

const CommandRegistration kTrend("trend", kTrendUsage, runTrend);

}  // namespace
}  // namespace qorvel::cli
