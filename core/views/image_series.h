// The series behind the image trend views: remainders of each main-number position, the gaps between
// sorted main numbers, the omission history of one number, mean/standard deviation/coefficient of
// variation per draw, and the related-value series of "扩展系列一".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "draws/t_s_dm.h"
#include "types/workspace.h"

namespace qorvel {

constexpr int kWindowChoices[] = {36, 45, 54, 60, 66};  // "显示36期" … "显示66期"
constexpr int kOmissionTrendWindow = 36;
constexpr const char* kOmissionHandOverFile = "database\\addition.rec";

// 主号余数图: for position k (0-based) and draw row r (1-based) the number at that position mod m.
// values[k][r − 1].
std::vector<std::vector<int>> positionRemainders(const t_s_dm& store, const TypeParams& params, int modulus);

// 间隔分析: one draw's main numbers in ascending order and the gaps between neighbours (gaps[k − 1] =
// number k − number k − 1 for k = 2…N, 1-based positions).
struct GapRow {
    std::vector<int> numbers;
    std::vector<int> gaps;
};
GapRow gapRow(const t_s_dm& store, const TypeParams& params, int row);

// The position pairs of the 间隔分析 combo after "全部显示", in item order ("2_1显示" is {2, 1}).
const std::vector<std::pair<int, int>>& gapPairItems();

// 主号遗漏走势: for every occurrence of n, oldest first, the draws since its previous occurrence (since the
// first draw for the first); one more entry with the current omission when the last draw lacks n.
struct OmissionEntry {
    int32_t issue = 0;
    int omission = 0;
    int amplitude = 0;  // |omission − previous entry's omission|, the omission itself for the first
};
std::vector<OmissionEntry> numberOmissionHistory(const t_s_dm& store, const TypeParams& params, int number);
// The records the dissection hand-over store receives: one per entry (issue, omission), or one record of
// zeros when there is none.
std::vector<DrawFields> omissionHandOverRecords(const std::vector<OmissionEntry>& entries);
// The view's title texts for number n.
std::string omissionTrendTitle(int number);           // "主区号码" + n + "的遗漏走势"
std::string omissionAmplitudeTitle(int number);       // "主区号码" + n + "的遗漏振幅走势"
std::string omissionDissectionCaption(int number);    // "主区号码" + n + "的遗漏"

// 离中量: mean, population standard deviation (single precision) and coefficient of variation of one
// draw's main numbers, with the plotted values and point labels of the three modes.
enum class SpreadMode { Mean = 0, StandardDeviation = 1, Variation = 2 };
struct SpreadPoint {
    float mean = 0, deviation = 0;
    int plotted = 0;    // round(mean), round(10 × sd) or round(100 × sd / mean), halves to even
    std::string label;  // "3.5", "1.7" or "48.9%"
};
SpreadPoint spreadPoint(const t_s_dm& store, const TypeParams& params, int row, SpreadMode mode);

// The y axis of a 离中量 mode, in plotted units: range, tick steps, the labelled values as shown and the
// dashed reference line's height above the axis (negative: none).
struct SpreadAxis {
    int yFrom = 0, yTo = 0, minorStep = 1, majorStep = 1;
    std::vector<std::string> labels;  // one per labelled tick, bottom to top
    double referenceAbove = -1;
};
SpreadAxis spreadAxis(SpreadMode mode);

// The fill colour of main-number position k (1…6) in 间隔分析: white, red, (51,138,140), purple, green, blue.
struct GapColour {
    uint8_t r, g, b;
};
GapColour gapPositionColour(int position);

// 扩展系列一: the related-value code of radio k with its parameters.
enum class ExtensionKind { OmissionRange = 0, Zone, Remainder, Difference, Sum, PreviousDifference, PreviousSum };
struct ExtensionChoice {
    ExtensionKind kind = ExtensionKind::Zone;
    int select = 0;        // 0 "求奖号个数", 1 "求奖号和值"
    int first = 1;         // omission range low, zone count, divisor, difference or sum value
    int second = 1;        // omission range high, zone, remainder
};
// The parameters a radio starts with (遗漏值相关 1…1, 分区相关 zone 1 of 4, 余数相关 0 mod 6, 差值 2, 和值 34).
ExtensionChoice defaultExtensionChoice(ExtensionKind kind);
std::string extensionCode(const ExtensionChoice& choice);
// "getzb(" + code + ")", the formula handed to the dissection and the filter page.
std::string extensionFormula(const ExtensionChoice& choice);

// The value of a code at every draw and its amplitude (|v(i) − v(i − 1)|, v(1) for the first).
struct ValueSeries {
    std::vector<int32_t> issues, values, amplitudes;
};
ValueSeries codeSeries(Workspace& ws, const std::string& code);

}  // namespace qorvel
