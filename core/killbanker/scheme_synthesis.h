// The scheme synthesis: the kill or banker lists of several schemes side by side, draw by draw, with the
// combined list of all of them ("方案组合"), and the same for one chosen draw ("方案比较"). Also the list of
// schemes in use of its settings dialog.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "killbanker/formula_set_files.h"
#include "killbanker/kill_pages.h"
#include "types/workspace.h"

namespace qorvel {

enum class SynthesisType { MainKill = 0, SpecialKill = 1, MainBanker = 2, CustomKill = 3 };
constexpr std::array<std::string_view, 4> kSynthesisTypeCaptions{"红码杀号", "蓝码杀号", "红码提胆", "自定义杀号"};

inline constexpr const char* kNeedCustomTypeMessage = "请先在方案类型中选择自定义杀号";
inline constexpr const char* kNeedCustomSetMessage =
    "请返回到提胆杀号中的自定义杀号面版中载入自定义杀号，才能使用些功能。";
inline constexpr const char* kNotDrawnYet = "尚未开奖";
inline constexpr const char* kUnknownCount = "未知";
inline constexpr const char* kCombinedCaption = "方案组合";

KillPage synthesisPage(SynthesisType type);
// The values a list of the type holds: the main range, the special range, 0..999 for the custom type.
void synthesisRange(SynthesisType type, const TypeParams& params, int& lo, int& hi);

struct SynthesisRequest {
    SynthesisType type = SynthesisType::MainKill;
    const FormulaSet* set = nullptr;  // the type's formula set (the custom set's formulas for the custom type)
    std::string target;               // custom type: the target indicator formula
    std::vector<int> schemes;         // the schemes in use, 1..10
    int formulaCount = 10;            // k: the first k formulas of every scheme
    int startIssue = 0;               // 0 starts at the first draw
    ListDisplay display = ListDisplay::Regular;
};

// A grid of texts, row by row; row 0 holds the headers.
struct TextGrid {
    int rows = 0;
    int columns = 0;
    std::vector<std::string> cells;
    const std::string& at(int r, int c) const {
        return cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(c)];
    }
    std::string& at(int r, int c) {
        return cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(c)];
    }
};

struct SynthesisResult {
    std::string error;  // the synthesis was refused; empty otherwise
    TextGrid grid;
    std::vector<int32_t> combined;  // the combined list of the last row (the forecast), in its order
};

// "方案组合": one row per draw from the start issue to the last, then the forecast row. A forecast row is
// appended for the run and removed at its end; the cursor is left where it was.
SynthesisResult combineSchemes(Workspace& ws, const SynthesisRequest& request);

struct ComparisonResult {
    std::string error;
    std::string drawText;  // the "开奖号：" field
    int32_t targetValue = -1;  // custom type: the target's value at the chosen draw (−1 for the forecast or a failure)
    TextGrid grid;         // header row, one row per scheme in use, then "方案组合"
    std::vector<int32_t> combined;
};

// "方案比较" for the draw with the issue, or for the forecast row when issue is 0.
ComparisonResult compareSchemes(Workspace& ws, const SynthesisRequest& request, int issue);

// The schemes of the settings dialog: names "方案1" .. "方案10" in use at first.
class SchemeUseList {
public:
    SchemeUseList();
    const std::vector<std::string>& inUse() const { return inUse_; }
    const std::vector<std::string>& usable() const { return usable_; }
    // "<<": the usable item at index goes into use. False when the index is not an item.
    bool moveIn(int index);
    // ">>": the item in use at index goes out of use; the last item in use cannot.
    bool moveOut(int index);
    // The scheme numbers of the names in use.
    std::vector<int> schemes() const;

private:
    std::vector<std::string> inUse_;
    std::vector<std::string> usable_;
};

// A name's last character is its scheme number, "0" meaning 10; nothing when it is not a digit.
std::optional<int> schemeNumberFromName(std::string_view name);

}  // namespace qorvel
