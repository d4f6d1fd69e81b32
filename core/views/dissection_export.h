// Turning what the signal chart shows into a custom-indicator filter condition: the formula of the shown
// series, the bounds the user typed and the values that pass the chosen options.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "views/dissection_series.h"

namespace qorvel {

inline constexpr const char* kCannotExport = "该指标不能转至过滤";
inline constexpr const char* kBoundsEmpty = "取值范围不能为空";
inline constexpr const char* kBoundsNotNumbers = "取值范围必须是整数";
inline constexpr const char* kBoundsReversed = "取值最小值不能大于最大值";
// More allowed values than this are refused instead of building an unusable condition.
inline constexpr int64_t kMaxExportValues = 10000;
inline constexpr const char* kTooManyValues = "取值个数太多，请缩小取值范围";
// A condition with no allowed value would drop every ticket; it is refused.
inline constexpr const char* kNoAllowedValue = "没有符合所选条件的取值";

// The formula, else the name; empty when both are blank.
std::string exportBaseFormula(std::string_view formula, std::string_view name);
// The base formula wrapped by the chart type: getzf(f), getylz(f), getylzzf(f), f%10, f%k or f itself.
std::string wrapFormula(const std::string& base, ChartKind kind, int divisor);

enum class ParityOption { Any, Odd, Even };
enum class PrimeOption { Any, Prime, Composite };
enum class TrendOption { Any, Up, Down };

struct ExportOptions {
    ParityOption parity = ParityOption::Any;
    PrimeOption prime = PrimeOption::Any;
    TrendOption trend = TrendOption::Any;
};

// The two bounds typed in the dialog, or the message that refuses them.
std::variant<SeriesRange, std::string> parseExportBounds(std::string_view minText, std::string_view maxText);

// Every v of the range passing the options: "升" keeps v above the last draw's shown value, "降" keeps v at
// most that; odd/even and prime/composite by the value itself. An error text when the range is too wide or no
// value passes.
std::variant<std::vector<int32_t>, std::string> allowedExportValues(SeriesRange range, const ExportOptions& options,
                                                                    int32_t lastShown);

// The list line of the exported condition: formula, "  容错" when tolerant, two spaces, "取值: " and every
// value followed by two spaces.
std::string exportListLine(const std::string& formula, bool tolerant, const std::vector<int32_t>& values);

// The confirmation after an export into the main-zone list (with its label) or a special-zone list.
std::string mainExportConfirmation(const std::string& mainLabel);
std::string specialExportConfirmation(int specialCount);

}  // namespace qorvel

namespace qorvel {

// The lines of "导出指标值": the issue and the value of every draw, oldest first.
std::vector<std::string> indicatorValueLines(const std::vector<int32_t>& issues, const std::vector<int32_t>& series);

}  // namespace qorvel
