// Saved custom indicators (a formula and a display name per line of "save\selfzb.txt") and the
// computation behind a dissection: an expression evaluated for every draw into the value column, and the
// value range to show.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/formula_history.h"
#include "types/workspace.h"

namespace qorvel {

inline constexpr const char* kCustomIndicatorFile = "save\\selfzb.txt";
// Spaces between the formula and the name on a saved line.
inline constexpr int kCustomIndicatorGap = 8;
// Draws the cursor is moved back from the last draw after a dissection computation.
inline constexpr int kDissectionCursorBack = 36;
// Starting points of the lowest / highest value seen.
inline constexpr int32_t kRangeLowStart = 9999999;
inline constexpr int32_t kRangeHighStart = -999;

struct CustomIndicator {
    std::string formula;
    std::string name;
};

// Splits a line at its first space: the part before is the formula, the trimmed rest the name. A line
// without a space is a formula with an empty name.
CustomIndicator splitIndicatorLine(std::string_view line);

// Formula, eight spaces, name, with leading and trailing blanks removed.
std::string indicatorLine(std::string_view formula, std::string_view name);

// The lines of the saved-indicator file below folder; a missing file gives an empty list.
std::vector<std::string> loadIndicatorLines(const std::filesystem::path& folder);

// Rewrites the whole file (GBK, CR LF). Empty string on success, otherwise the write error.
std::string saveIndicatorLines(const std::filesystem::path& folder, const std::vector<std::string>& lines);

struct DissectionSeries {
    bool ok = false;
    std::string error;  // evaluator's text of the first failure
    int failedRow = 0;  // row of that failure
    int32_t lowest = kRangeLowStart;
    int32_t highest = kRangeHighStart;
    bool stopped = false;  // by the progress callback: the value column and the cursor are as they were
};

// Evaluates expression for every row of ws.MainStore (a forecast row included) into the value column, in
// one pass. Stops at the first failure, leaving the values stored so far. On success the cursor ends
// kDissectionCursorBack draws before the last draw (not before the first). progress may stop the pass
// (see PassProgress).
DissectionSeries computeDissectionSeries(Workspace& ws, std::string_view expression,
                                         const PassProgress& progress = {});

struct DissectionRange {
    int32_t low = 0;
    int32_t high = 0;
};

// A range of one value is widened to low + mainCount - 1, so the views always lay out at least two.
DissectionRange widenedRange(int32_t low, int32_t high, int mainCount);

// The range to show. fromText/toText are the optional range fields: when both are non-blank they give
// the range (nothing when either is not a whole number); otherwise the computed extremes. Either way a
// range of one value is widened.
std::optional<DissectionRange> dissectionRange(const DissectionSeries& series, std::string_view fromText,
                                               std::string_view toText, int mainCount);

// The message for range fields that are not whole numbers.
inline constexpr const char* kRangeNotNumber = "指标取值范围必须是整数";

}  // namespace qorvel
