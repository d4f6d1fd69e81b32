// The formula collection: a scratch list of formulas gathered from the banker and kill pages, edited and
// saved to or loaded from a formula file. Also the range choice of the custom kill settings dialog.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "types/workspace.h"

namespace qorvel {

inline constexpr const char* kSelectFormulaFirstMessage = "请先选中上面列表要修改的公式项";

class FormulaCollection {
public:
    const std::vector<std::string>& formulas() const { return formulas_; }
    // "已收集公式" + count + "条"
    std::string caption() const;

    // "添加": appends the trimmed text (an empty text adds nothing).
    void add(std::string_view text);
    // "修改": replaces line index (0-based) with the trimmed text; without a selected line (index outside
    // the list) the message to show, and nothing changes.
    std::string modify(int index, std::string_view text);
    // "删除": removes line index; false when it is not a line.
    bool remove(int index);
    void clear() { formulas_.clear(); }
    // "保存": every line to a formula file (".txt" appended when missing); returns an error text.
    std::string save(const std::string& fileName) const;
    // "载入": the list becomes the file's lines; returns an error text and keeps the list on failure.
    std::string load(const std::filesystem::path& path);

private:
    std::vector<std::string> formulas_;
};

// The custom kill settings dialog: range lists 0..999, preset to 0 and 9 when the dialog opens.
constexpr int kCustomRangeLast = 999;
constexpr int kCustomRangePresetFrom = 0;
constexpr int kCustomRangePresetTo = 9;
inline constexpr const char* kCustomKillSettingsCaption = "自定义杀号设置";
// The first item of the dialog's indicator list.
inline constexpr const char* kCustomKillFirstItem = "z_hw                 主区和尾";

struct ValueRange {
    int from = kCustomRangePresetFrom;
    int to = kCustomRangePresetTo;
};

// Choosing an item of the indicator list: its code is the text before the first space; a catalogue code
// gives the catalogue's range for the current type (limited to 0..999), anything else leaves `current`.
ValueRange rangeForIndicatorItem(Workspace& ws, std::string_view item, ValueRange current);

}  // namespace qorvel
