// TilePicker: the value picker "取值选择" of small ranges — 181 tiles for the values 0..180 of which the
// range of one use is shown, 20 to a row, a click toggling a tile, the quick buttons, the criteria group
// and "过滤助手". Created once and reused: every use starts from a reset and the use's preselection.
#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <vector>

#include "combos/value_criteria.h"

class QPushButton;
class QWidget;

namespace qorvel {

class ValueCriteriaGroup;
class ValueTile;

class TilePicker : public QDialog {
    Q_OBJECT

  public:
    explicit TilePicker(QWidget* parent = nullptr);

    // Prepares a use without showing the dialog: range, preselection, criteria state, assistant.
    void begin(const ValuePickerRequest& request);
    // begin, then the modal dialog; the chosen values ascending on "确定", nothing on "取消".
    std::optional<std::vector<int32_t>> choose(const ValuePickerRequest& request);

    std::vector<int32_t> chosen() const { return selection_.chosen(); }
    const ValueSelection& selection() const { return selection_; }

  private:
    void layOutTiles();
    void refreshTiles();
    void chooseByCriteria();

    ValueSelection selection_{kTilePickerLastValue};
    ValuePickerRequest request_;
    QWidget* tileArea_ = nullptr;
    std::array<ValueTile*, kTilePickerLastValue + 1> tiles_{};
    ValueCriteriaGroup* criteria_ = nullptr;
    QPushButton* assistantButton_ = nullptr;
};

}  // namespace qorvel
