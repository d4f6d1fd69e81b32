#include "views/settings_listings.h"

#include <array>

namespace qorvel {
namespace {

constexpr const char* kDigits[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// The characters of one class set; the remainder classes read differently in unordered labels.
std::vector<std::string> classNames(PatternClassSet set, bool ordered) {
    switch (set) {
        case PatternClassSet::OddEven:
            return {"偶", "奇"};
        case PatternClassSet::CompositePrime:
            return {"合", "质"};
        case PatternClassSet::SmallBig:
            return {"小", "大"};
        case PatternClassSet::SmallMiddleBig:
            return {"小", "中", "大"};
        case PatternClassSet::RemainderByThree:
            return ordered ? std::vector<std::string>{"零", "壹", "贰"}
                           : std::vector<std::string>{"0路", "1路", "2路"};
        case PatternClassSet::RepeatGapMiddle:
            return {"复", "隔", "中"};
        case PatternClassSet::NeighbourIsolatedPassed:
            return {"邻", "孤", "传"};
    }
    return {};
}

// How many of one class an unordered label names.
const char* countWord(int count) {
    static constexpr const char* kWords[] = {"", "一", "两", "三"};
    return kWords[count];
}

std::vector<std::string> orderedLabels(const std::vector<std::string>& names, int indicators) {
    const int base = static_cast<int>(names.size());
    int values = 1;
    for (int i = 0; i < indicators; ++i) values *= base;
    std::vector<std::string> labels;
    for (int v = 0; v < values; ++v) {
        std::string label;
        for (int weight = values / base; weight >= 1; weight /= base) label += names[(v / weight) % base];
        labels.push_back(label);
    }
    return labels;
}

// Walks the non-decreasing class tuples in lexicographic order and names each by its class counts.
void appendUnordered(const std::vector<std::string>& names, std::vector<int>& tuple, std::size_t position,
                     int smallest, std::vector<std::string>& labels) {
    const int classes = static_cast<int>(names.size());
    if (position == tuple.size()) {
        std::array<int, 3> counts{};
        for (int c : tuple) ++counts[c];
        std::string label;
        for (int c = 0; c < classes; ++c)
            if (counts[c] > 0) label += std::string(countWord(counts[c])) + names[c];
        labels.push_back(label);
        return;
    }
    for (int c = smallest; c < classes; ++c) {
        tuple[position] = c;
        appendUnordered(names, tuple, position + 1, c, labels);
    }
}

}  // namespace

std::string chineseNumber(int n) {
    if (n <= 0 || n >= 100) return std::to_string(n);
    if (n < 10) return kDigits[n];
    const int tens = n / 10;
    return std::string(tens == 1 ? "" : kDigits[tens]) + "十" + kDigits[n % 10];
}

std::vector<std::string> patternLabels(PatternClassSet set, int indicators, bool ordered) {
    const auto names = classNames(set, ordered);
    if (ordered) return orderedLabels(names, indicators);
    std::vector<std::string> labels;
    std::vector<int> tuple(static_cast<std::size_t>(indicators), 0);
    appendUnordered(names, tuple, 0, 0, labels);
    return labels;
}

std::string patternValueLine(const std::vector<std::string>& labels) {
    std::string line;
    for (std::size_t v = 0; v < labels.size(); ++v) line += "      " + std::to_string(v) + "=  " + labels[v];
    return line;
}

std::vector<std::string> zoneDivisionListing(const ZoneBounds& zones) {
    constexpr int kBlanksBeforeShortNames = 10;  // 大区 and 二区 to 五区
    constexpr int kBlanksBeforeLongNames = 9;    // 六区 to 十五区
    constexpr int kLastShortName = 5;
    std::vector<std::string> lines;
    for (int n = kMinZoneCount; n <= kMaxZoneCount; ++n) {
        const auto& bounds = zones.forCount(n);
        lines.push_back("(" + chineseNumber(n) + "区的分区设定)");
        std::string line;
        for (int k = 1; k <= n && k < static_cast<int>(bounds.size()); ++k) {
            if (k > 1)
                line +=
                    std::string(k <= kLastShortName ? kBlanksBeforeShortNames : kBlanksBeforeLongNames, ' ');
            const std::string name = n == 2 ? (k == 1 ? "小区" : "大区") : chineseNumber(k) + "区";
            line += name + "<" + std::to_string(bounds[k - 1] + 1) + ".." + std::to_string(bounds[k]) + ">";
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> patternValueListing() {
    struct Section {
        const char* heading;
        int indicators;
        bool ordered;
    };
    constexpr Section kSections[] = {
        {"两个指标组合的单选形态", 2, true},
        {"两个指标组合的组选形态", 2, false},
        {"三个指标组合的单选形态", 3, true},
        {"三个指标组合的组选形态", 3, false},
    };
    std::vector<std::string> lines;
    for (const auto& section : kSections) {
        if (!lines.empty()) lines.emplace_back();
        lines.emplace_back(section.heading);
        for (auto set : kPatternClassSets)
            lines.push_back(patternValueLine(patternLabels(set, section.indicators, section.ordered)));
    }
    return lines;
}

}  // namespace qorvel
