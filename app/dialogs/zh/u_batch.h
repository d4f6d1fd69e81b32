// Tf_groupfilter: the batch-filter dialog "批量过滤" — a list of condition files to run one after another.
#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>
#include <vector>

class QListWidget;
class QPushButton;

namespace qorvel {

class Tf_groupfilter : public QDialog {
  public:
    explicit Tf_groupfilter(QWidget* parent = nullptr);

    // Shows the dialog with the list kept from the last use; the listed files on "开始过滤", nothing on
    // "返回".
    std::optional<std::vector<std::filesystem::path>> choose();

    QListWidget* lb_files = nullptr;
    QPushButton* b_addcond = nullptr;     // 添加条件
    QPushButton* b_deletecond = nullptr;  // 删除条件
    QPushButton* b_clear = nullptr;       // 清除
    QPushButton* b_start = nullptr;       // 开始过滤
    QPushButton* b_return = nullptr;      // 返回

  private:
    void addFile();
};

inline Tf_groupfilter* f_groupfilter = nullptr;

}  // namespace qorvel
