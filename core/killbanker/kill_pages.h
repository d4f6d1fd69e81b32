// The six pages of the banker and kill engine and the rules they share: what each page tests a formula's
// value against, when the value counts as right, and how values and lists are written in its grid.
#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draws/t_s_dm.h"
#include "types/lottery_type.h"

namespace qorvel {

enum class KillPage { MainKill, SpecialKill, MainBanker, SpecialBanker, TailKill, CustomKill };

enum class ListDisplay { Regular = 0, FrequencyAscending = 1, FrequencyDescending = 2 };

// The three captions of the list display choice, in the order of ListDisplay.
constexpr std::array<std::string_view, 3> kListDisplayCaptions{"常规显示", "按频率从低到高", "按频率从高到低"};

struct KillPageInfo {
    KillPage page;
    std::string_view code;     // "hmsh" ... "selfsh": set file prefix and control prefix
    std::string_view caption;  // tab caption
    int capacity;              // formulas per scheme
    int defaultCount;          // formula count chosen at start
    bool banker;               // right when the value is among the tested values
    bool special;              // tests the special numbers
};

const KillPageInfo& killPageInfo(KillPage page);
// The page whose code is given ("hmsh", "lmsh", "hmtd", "fqtd", "hmsw", "selfsh").
std::optional<KillPage> killPageFromCode(std::string_view code);

constexpr int kListMaxValue = 49;        // list columns of the number pages hold 1..49
constexpr int kTailListMaxValue = 9;     // the tail page lists 0..9
constexpr int kCustomListMaxValue = 999; // the custom page lists 0..999
constexpr int kTextSearchValues = 100;   // only values 0..99 can be found by the two-digit text search

// What one draw offers the formulas of a page: the text of the tested numbers (grid column 2), the
// target value of the custom page, and which values 0..99 the text search finds there.
struct DrawTestValues {
    std::string numbersText;
    int32_t target = -1;
    std::bitset<kTextSearchValues> found;
    std::vector<int32_t> values;  // the tested numbers (tails on the tail page; the target on the custom page)
};

// The tested values of the draw at store row r. The custom page's target value is passed in.
DrawTestValues drawTestValues(KillPage page, const TypeParams& params, const DrawRecord& row, int32_t target);

// Whether a formula value is right at a draw, by the rule of the page: the kill pages are right when the
// value's two-digit text is not found among the tested numbers, the banker pages when it is, the custom
// page when the value differs from the target value.
bool valueIsRight(KillPage page, const DrawTestValues& draw, int32_t value);

// "第" + index + "条公式有误：" + error text.
std::string formulaErrorMessage(int index, const std::string& error);

// The list of the distinct values of a row in lo..hi: ascending with the regular display (each as
// " " + two-digit text), or by how many formulas gave each value with a frequency display (two-digit text
// and a space each, equal frequencies by value). The custom page writes every value right-aligned in three
// characters followed by a space.
std::string valueListText(const std::vector<int32_t>& values, int lo, int hi, ListDisplay display, bool custom);

// The values of valueListText in the order it writes them.
std::vector<int32_t> orderedListValues(const std::vector<int32_t>& values, int lo, int hi, ListDisplay display);

// A success rate c·100/n rounded half up to one decimal, without a trailing ".0" ("100", "0", "6.3").
std::string successRateText(int right, int tested);

}  // namespace qorvel
