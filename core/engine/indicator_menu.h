// The indicator menu: eight pages of ready-made indicator expressions with display names, offered by the
// indicator management page and the assisted-input dialog. Built from the catalogue's codes and names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qorvel {

constexpr int kIndicatorMenuPageCount = 8;
// Names start in this column of an item line (expressions are never longer than it minus two).
constexpr std::size_t kMenuNameColumn = 26;

struct IndicatorMenuItem {
    std::string expression;  // a code or a formula
    std::string name;

    // The item as one line: the expression, a run of spaces, the name.
    std::string text() const;
};

struct IndicatorMenuPage {
    std::string title;
    std::vector<IndicatorMenuItem> items;
};

// The eight pages in order.
const std::vector<IndicatorMenuPage>& indicatorMenuPages();

// Reads a picked line: the text before the first space is the expression, the trimmed rest the name.
IndicatorMenuItem parseMenuLine(std::string_view line);

}  // namespace qorvel
