// ListPicker: the value picker "取值选择" of wide ranges — a check list of the values 0..2000 in 20 columns
// with the items outside the use's range disabled, the quick buttons, the criteria group (with 除6..9余数
// and 尾数) and "过滤助手". Created once and reused: every use starts from a reset and its preselection.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "combos/value_criteria.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace qorvel {

class ValueCriteriaGroup;

class ListPicker : public QDialog {
    Q_OBJECT

  public:
    explicit ListPicker(QWidget* parent = nullptr);

    // Prepares a use without showing the dialog: range, preselection, criteria state, assistant.
    void begin(const ValuePickerRequest& request);
    // begin, then the modal dialog; the chosen values ascending on "确定", nothing on "取消".
    std::optional<std::vector<int32_t>> choose(const ValuePickerRequest& request);

    std::vector<int32_t> chosen() const { return selection_.chosen(); }
    const ValueSelection& selection() const { return selection_; }
    QListWidget* list() const { return list_; }

  private:
    void refreshItems();
    void chooseByCriteria();

    ValueSelection selection_{kListPickerLastValue};
    ValuePickerRequest request_;
    QListWidget* list_ = nullptr;
    ValueCriteriaGroup* criteria_ = nullptr;
    QPushButton* assistantButton_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace qorvel
