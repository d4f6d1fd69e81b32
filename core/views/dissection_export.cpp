#include "views/dissection_export.h"

#include <algorithm>


#include "engine/indicators.h"
#include "text/number_text.h"

namespace qorvel {

namespace {

bool passes(int32_t v, const ExportOptions& o, int32_t lastShown) {
    if (o.trend == TrendOption::Up && !(v > lastShown)) return false;
    if (o.trend == TrendOption::Down && !(v <= lastShown)) return false;
    if (o.parity == ParityOption::Odd && v % 2 == 0) return false;
    if (o.parity == ParityOption::Even && v % 2 != 0) return false;
    if (o.prime == PrimeOption::Prime && !isPrime(v)) return false;
    if (o.prime == PrimeOption::Composite && isPrime(v)) return false;
    return true;
}

}  // namespace

std::string exportBaseFormula(std::string_view formula, std::string_view name) {
    const std::string_view f = trimBlanks(formula);
    return std::string(f.empty() ? trimBlanks(name) : f);
}

std::string wrapFormula(const std::string& base, ChartKind kind, int divisor) {
    switch (kind) {
        case ChartKind::Regular: return base;
        case ChartKind::Tail: return base + "%10";
        case ChartKind::Remainder: return base + "%" + std::to_string(divisor);
        case ChartKind::Amplitude: return "getzf(" + base + ")";
        case ChartKind::Omission: return "getylz(" + base + ")";
        case ChartKind::OmissionAmplitude: return "getylzzf(" + base + ")";
    }
    return base;
}

std::variant<SeriesRange, std::string> parseExportBounds(std::string_view minText, std::string_view maxText) {
    const std::string_view lo = trimBlanks(minText), hi = trimBlanks(maxText);
    if (lo.empty() || hi.empty()) return std::string(kBoundsEmpty);
    const auto min = parseWholeNumber(lo), max = parseWholeNumber(hi);
    if (!min || !max) return std::string(kBoundsNotNumbers);
    if (*min > *max) return std::string(kBoundsReversed);
    return SeriesRange{*min, *max};
}

std::variant<std::vector<int32_t>, std::string> allowedExportValues(SeriesRange range, const ExportOptions& options,
                                                                    int32_t lastShown) {
    if (static_cast<int64_t>(range.max) - range.min + 1 > kMaxExportValues) return std::string(kTooManyValues);
    std::vector<int32_t> values;
    for (int64_t v = range.min; v <= range.max; ++v)
        if (passes(static_cast<int32_t>(v), options, lastShown)) values.push_back(static_cast<int32_t>(v));
    if (values.empty()) return std::string(kNoAllowedValue);
    return values;
}

std::string exportListLine(const std::string& formula, bool tolerant, const std::vector<int32_t>& values) {
    std::string line = formula + (tolerant ? "  容错" : "") + "  " + "取值: ";
    for (int32_t v : values) line += std::to_string(v) + "  ";
    return line;
}

std::string mainExportConfirmation(const std::string& mainLabel) {
    return "过滤设置成功。该项过滤设置是在超强组号的" + mainLabel + "过滤自定义指标中实现的，可在超强组号的" + mainLabel +
           "过滤自定义指标的列表框中查看。";
}

std::string specialExportConfirmation(int specialCount) {
    const std::string tab = specialCount == 1 ? "蓝号过滤" : "副区过滤";
    return "过滤设置成功。该项过滤设置是在超强组号的" + tab + "自定义指标中实现的，可在超强组号的" + tab +
           "自定义指标的列表框中查看。";
}

}  // namespace qorvel

namespace qorvel {

std::vector<std::string> indicatorValueLines(const std::vector<int32_t>& issues, const std::vector<int32_t>& series) {
    std::vector<std::string> lines;
    const std::size_t n = std::min(issues.size(), series.size());
    for (std::size_t i = 0; i < n; ++i) lines.push_back(std::to_string(issues[i]) + " " + std::to_string(series[i]));
    return lines;
}

}  // namespace qorvel
