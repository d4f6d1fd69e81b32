// 田野走势图修改: the ten row fields "第一行：" … "第十行：" of one field-chart style; "确认修改" hands the first G
// back, "取消" changes nothing. Fields beyond G are blank and disabled.
#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "core/views/dissection_field.h"

class QLineEdit;
class QPushButton;

namespace qorvel {

class FieldStyleDialog : public QDialog {
  public:
    FieldStyleDialog(const std::vector<std::string>& rows, int rowCount, QWidget* parent);

    std::vector<std::string> rows() const;

    std::array<QLineEdit*, kMaxFieldRows> e_row{};
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;

  private:
    int rowCount_;
};

}  // namespace qorvel
