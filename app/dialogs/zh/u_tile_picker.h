// TilePicker: the value picker "取值选择" of small ranges — 181 tiles for the values 0..180 of which the
// range of one use is shown, 20 to a row, a click toggling a tile, the quick buttons, the criteria group
// and "过滤助手". Created once and reused: every use starts from a reset and the use's preselection.
#pragma once

#include <array>

#include "app/dialogs/zh/u_picker_common.h"

class QWidget;

namespace qorvel {

class ValueTile;

class TilePicker : public ValuePickerDialog {
    Q_OBJECT

  public:
    explicit TilePicker(QWidget* parent = nullptr);

  protected:
    // Shows the tiles of the range only, laid out from the top left.
    void showRange() override;
    void refreshValues() override;

  private:
    QWidget* tileArea_ = nullptr;
    std::array<ValueTile*, kTilePickerLastValue + 1> tiles_{};
};

}  // namespace qorvel
