// The value pickers of the filter page: each condition row's "..." opens the picker its condition's kind
// names over its range, and the candidate and banker buttons open the tile picker over the main range.
// Each picker is created once per page, on first use, and reused.
#pragma once

class QWidget;

namespace qorvel {

class Tf_zh;
class ZhConditionRow;
class TilePicker;
class ListPicker;

// Hooks every condition row's "..." button and the buttons b_zqkxhm and b_zqdm of the page.
void wireValuePickers(Tf_zh& page);

// The pickers of a page (or any window), created as its children on first use.
TilePicker& tilePickerOf(QWidget& owner);
ListPicker& listPickerOf(QWidget& owner);

// Opens the row's picker; on "确定" the row's allowed values are replaced by the chosen ones.
void chooseConditionValues(Tf_zh& page, ZhConditionRow& row);
// Opens the tile picker over the main range for the candidate or the banker numbers.
void chooseMainNumbers(Tf_zh& page, bool bankers);

}  // namespace qorvel
