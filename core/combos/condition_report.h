// The condition report "database\showcond.txt": the current conditions as text, optionally each line
// marked 正确 or 错误 against a past draw ("条件对错").
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "combos/filter_conditions.h"
#include "types/workspace.h"

namespace qorvel {

// The display choice of the marked report: "全部显示", "只显示对", "只显示错".
enum class ReportFilter : uint8_t { All, OnlyRight, OnlyWrong };

// The report lines (UTF-8).
std::vector<std::string> conditionReportLines(const ConditionSet& conditions, int mainTo);

struct MarkedReport {
    std::vector<std::string> lines;
    std::string error;  // set when the issue is not in the draw store
};

// Each condition line prefixed "正确 " when the draw of that issue satisfies it and "错误 " otherwise,
// kept or left out by the filter; headings and blank lines are kept as they are. Indicator values and
// formulas are evaluated with the cursor on that draw; the cursor is put back.
MarkedReport markedReportLines(Workspace& ws, const ConditionSet& conditions, int issue, ReportFilter filter);

// Writes the lines as GBK to "database\showcond.txt" below the program folder; returns an error text.
std::string writeConditionReport(const Workspace& ws, const std::vector<std::string>& lines);

}  // namespace qorvel
