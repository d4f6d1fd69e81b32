// 组件: chooses the number classifications of the dissection page's property table. "<<" takes the chosen
// available component into use, ">>" puts the chosen used one back (never the last); closing the dialog by
// "关闭" or its window rebuilds the workspace's number class table in the used list's order.
#pragma once

#include <QDialog>

#include "core/views/dissection_property.h"

class QListWidget;
class QPushButton;

namespace qorvel {

class ComponentDialog : public QDialog {
  public:
    explicit ComponentDialog(QWidget* parent = nullptr);

    const ComponentChoice& choice() const { return choice_; }
    void done(int result) override;

    QListWidget* lb_used = nullptr;       // 当前使用组件:
    QListWidget* lb_available = nullptr;  // 可使用组件:
    QPushButton* b_use = nullptr;         // <<
    QPushButton* b_release = nullptr;     // >>
    QPushButton* b_close = nullptr;

  private:
    void showChoice(int usedRow, int availableRow);

    ComponentChoice choice_;
};

}  // namespace qorvel
