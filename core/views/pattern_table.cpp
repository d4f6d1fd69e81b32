#include "views/pattern_table.h"

#include <algorithm>
#include <cstdlib>

#include "engine/indicators.h"
#include "text/number_text.h"
#include "views/data_tables.h"

namespace qorvel {

namespace {

constexpr int kTailSmallTo = 2;  // tails 0 … 2 small, 3 … 5 middle, 6 … 9 big
constexpr int kTailMiddleTo = 5;

// The remainder in 0 … d − 1 also for a negative value (a damaged draw), so a class stays one digit.
int remainderOf(int v, int d) {
    const int r = v % d;
    return r < 0 ? r + d : r;
}

int divisorOf(const PatternTableOptions& options) {
    switch (options.kind) {
        case PatternClassKind::Remainder3: return 3;
        case PatternClassKind::Remainder4: return 4;
        case PatternClassKind::Remainder5: return 5;
        default: return std::clamp(options.divisor, 1, kTailBase);
    }
}

std::vector<std::string> headerOf(const Workspace& ws, const PatternTableOptions& options, int classNumbers,
                                  int mainCount) {
    const char* tail = options.tails ? "尾" : "";
    std::vector<std::string> header{"期号", "开奖号码"};
    std::vector<std::string> captions = numberCaptions(ws);
    captions.resize(static_cast<std::size_t>(classNumbers));
    for (const std::string& caption : captions) header.push_back(caption + tail);
    header.push_back(options.tails ? "间隔数的尾" : "间隔数");
    for (int g = 1; g <= mainCount; ++g) header.push_back(ws.MainLabel() + "间" + std::to_string(g) + tail);
    return header;
}

std::string drawnNumbersText(const DrawFields& f, int mainCount, int specialCount) {
    std::string text;
    for (int i = 1; i <= mainCount; ++i) text += TwoDigitText(f[static_cast<std::size_t>(i)]) + " ";
    if (specialCount > 0) {
        text += "-";
        for (int j = 1; j <= specialCount; ++j) text += TwoDigitText(f[static_cast<std::size_t>(mainCount + j)]) + " ";
    }
    return text;
}

std::string gapsText(const std::vector<int>& gaps, bool tails) {
    std::string text;
    for (int gap : gaps)
        text += tails ? std::to_string(remainderOf(gap, kTailBase)) + "  " : TwoDigitText(gap) + " ";
    return text;
}

}  // namespace

std::string PatternTable::cell(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0 || column >= columnCount()) return {};
    return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

int patternClass(int v, const PatternTableOptions& options, const Thresholds& thresholds) {
    const bool tails = options.tails;
    const int t = remainderOf(v, kTailBase);
    const int x = tails ? t : v;
    switch (options.kind) {
        case PatternClassKind::BigSmall:
            return tails ? (t >= kHighTail ? 1 : 0) : (v > thresholds.B2 ? 1 : 0);
        case PatternClassKind::ThreeZones:
            if (tails) return t <= kTailSmallTo ? 0 : t <= kTailMiddleTo ? 1 : 2;
            return v <= thresholds.B31 ? 0 : v <= thresholds.B32 ? 1 : 2;
        case PatternClassKind::OddEven: return remainderOf(x, 2) == 1 ? 0 : 1;
        case PatternClassKind::PrimeComposite: return isPrime(x) ? 0 : 1;
        default: return remainderOf(x, divisorOf(options));
    }
}

std::vector<int> patternGaps(std::vector<int> mainNumbers, int mainFrom, int mainTo) {
    std::vector<int> gaps;
    if (mainNumbers.empty()) return gaps;
    std::sort(mainNumbers.begin(), mainNumbers.end());
    for (std::size_t g = 0; g + 1 < mainNumbers.size(); ++g)
        gaps.push_back(std::abs(mainNumbers[g + 1] - mainNumbers[g]) - 1);
    gaps.push_back(mainTo + mainNumbers.front() - mainNumbers.back() - mainFrom);
    return gaps;
}

PatternTable buildPatternTable(const Workspace& ws, const PatternTableOptions& options) {
    PatternTable table;
    const int mainCount = std::clamp(ws.params.MainCount, 0, kMaxRecordNumbers);
    const int specialCount = std::clamp(ws.params.SpecialCount, 0, kMaxRecordNumbers - mainCount);
    table.mainCount = mainCount;
    table.classNumbers = mainCount + (options.tails ? specialCount : 0);
    table.header = headerOf(ws, options, table.classNumbers, mainCount);
    const Thresholds thresholds = indicatorThresholds(ws.params, ws.zones);
    const auto classText = [&](int v) { return std::to_string(patternClass(v, options, thresholds)); };

    const t_s_dm& store = ws.MainStore;
    for (int r = 1; r <= store.Count(); ++r) {
        const DrawFields& f = store.Row(r).fields;
        std::vector<std::string> cells{std::to_string(f[0]), drawnNumbersText(f, mainCount, specialCount)};
        for (int k = 1; k <= table.classNumbers; ++k) cells.push_back(classText(f[static_cast<std::size_t>(k)]));
        const std::vector<int> gaps =
            patternGaps(std::vector<int>(f.begin() + 1, f.begin() + 1 + mainCount), ws.params.MainFrom, ws.params.MainTo);
        cells.push_back(options.hideGaps ? std::string() : gapsText(gaps, options.tails));
        for (int gap : gaps) cells.push_back(classText(gap));
        table.rows.push_back(std::move(cells));
    }
    return table;
}

}  // namespace qorvel
