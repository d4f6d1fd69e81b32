// Tf_selfsh_set: the custom kill settings dialog "自定义杀号设置" — an indicator of the menu or a formula of
// the user's, with a value range 0..999. The custom kill page uses it to create a set; other pages may use
// it to choose an indicator with a range.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qorvel {

struct CustomKillChoice {
    std::string target;  // an indicator code or a formula
    int from = 0;
    int to = 9;
};

class Tf_selfsh_set : public QDialog {
  public:
    explicit Tf_selfsh_set(QWidget* parent = nullptr);

    // Opens modally with the range preset to 0..9; the choice on "确定", nothing on "取消".
    std::optional<CustomKillChoice> choose();
    // "确定": refuses an empty formula or a reversed range with a message.
    void accept() override;

    QRadioButton* rb_xtyyzb = nullptr;   // 系统已有指标
    QComboBox* cb_gszb = nullptr;
    QRadioButton* rb_yhzdyzb = nullptr;  // 用户自定义指标
    QLineEdit* e_selfzb = nullptr;
    QPushButton* b_fzsr = nullptr;
    QComboBox* cb_qzfrom = nullptr;
    QComboBox* cb_qzto = nullptr;
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;

  private:
    void pickIndicator(int index);
    void chooseKind();
    std::optional<CustomKillChoice> current() const;
};

inline Tf_selfsh_set* f_selfsh_set = nullptr;

// The page's settings dialog (made on first use when the page has not made it).
Tf_selfsh_set& customKillSettings();

}  // namespace qorvel
