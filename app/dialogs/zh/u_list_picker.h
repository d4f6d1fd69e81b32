// ListPicker: the value picker "取值选择" of wide ranges — a check list of the values 0..2000 in 20 columns
// with the items outside the use's range disabled, the quick buttons, the criteria group (with 除6..9余数
// and 尾数) and "过滤助手". Created once and reused: every use starts from a reset and its preselection.
#pragma once

#include "app/dialogs/zh/u_picker_common.h"

class QListWidget;

namespace qorvel {

class ListPicker : public ValuePickerDialog {
    Q_OBJECT

  public:
    explicit ListPicker(QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }

  protected:
    void showRange() override;
    void refreshValues() override;

  private:
    QListWidget* list_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace qorvel
