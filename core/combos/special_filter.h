// The special-zone filters of the combination-filtering page: StartBlueFilter tries every special
// number of a type with one special number against the blue-filter conditions on a forecast row;
// StartSpecialFilter enumerates the special-number groups of a type with two and tests each as a
// candidate row. Both fill the special result set, which the dual matching pairs with the main results.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "combos/special_conditions.h"
#include "types/workspace.h"

namespace qorvel {

constexpr int kMaxSpecialGroupNumbers = 2;  // special numbers a group holds

extern const char* const kBlueForecastRowMessage;
extern const char* const kSelectRowToDeleteMessage;   // "请先在上边的列表中选择一组需要删除的号码"
extern const char* const kSelectRowToModifyMessage;   // "请先在上边的列表中选择一组需要修改的号码"

// One entry of the special result set: the special numbers ascending; with one special number only
// numbers[0] is meaningful.
struct SpecialGroup {
    std::array<uint8_t, kMaxSpecialGroupNumbers> numbers{};
    bool operator==(const SpecialGroup&) const = default;
};

// The special result set, entries numbered from 1. It grows as needed: two special numbers of 1..49
// give at most 1,176 groups.
class SpecialResultSet {
public:
    int count() const { return static_cast<int>(groups_.size()); }
    bool empty() const { return groups_.empty(); }
    const SpecialGroup& at(int k) const { return groups_[static_cast<std::size_t>(k - 1)]; }
    // The first m numbers of entry k.
    std::vector<int32_t> numbers(int k, int m) const;

    void clear() { groups_.clear(); }
    void append(const SpecialGroup& g) { groups_.push_back(g); }
    // Appends the numbers (the first kMaxSpecialGroupNumbers of them, as given).
    void appendNumbers(const std::vector<int32_t>& numbers);
    // "添加" of the single-number list: puts n among the single numbers, ascending, unless it is there
    // already. Returns its entry.
    int insertSingle(int n);
    // Removes entry k, moving the later ones up; the message to show when k is not an entry.
    std::string remove(int k);
    // Replaces entry k with the numbers as typed; the message to show when k is not an entry.
    std::string replace(int k, const std::vector<int32_t>& numbers);

private:
    std::vector<SpecialGroup> groups_;
};

struct SpecialRunOutcome {
    bool refused = false;
    std::string message;  // the refusal text
    int count = 0;        // entries of the special result set afterwards
};

// StartBlueFilter: a present forecast row is cleared and the run refused; an enabled mean condition
// without both bounds refuses the run. Otherwise a forecast row (issue 9999999, main numbers 1..N) is
// appended, every number of the special range is tried in its first special field, the survivors replace
// the result set in ascending order and the row is removed again. The draw store and its cursor are as
// before the run.
SpecialRunOutcome StartBlueFilter(Workspace& ws, const BlueConditionSet& conditions, SpecialResultSet& results);

// StartSpecialFilter: refused (and the forecast row cleared) when a forecast row exists. Otherwise every
// group of SpecialCount numbers over the candidates, with the bankers in every group, is tested as a
// candidate row (issue 9999998) in the order of the main-zone enumeration; the survivors replace the
// result set. The draw store and its cursor are as before the run.
SpecialRunOutcome StartSpecialFilter(Workspace& ws, const ZoneConditionSet& conditions, SpecialResultSet& results);

// "过滤结果：共" + count + "个" (blue tab) and the list lines (each number as two digits).
std::string blueResultLabel(int count);
std::vector<std::string> blueResultLines(const SpecialResultSet& results);

// The result grid of the special-zone tab: "序号", "副号一", "副号二", rows "第" + k + "条".
struct SpecialResultGrid {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
};
SpecialResultGrid specialResultGrid(const SpecialResultSet& results, int specialCount);

// Special result files: m two-digit numbers a line. Saving appends ".txt" when the name lacks it;
// loading replaces the set only when the file could be read. Return an error text or "".
std::string saveSpecialResults(const std::filesystem::path& path, const SpecialResultSet& results, int m);
std::string loadSpecialResults(const std::filesystem::path& path, int m, SpecialResultSet& results);

}  // namespace qorvel
