// MoredbAssociationPage: the sheet "关联分析" of the more-charts page — the draws that meet the position,
// issue-tail and indicator conditions beside the draw after each, the count line, the export of the
// following draws and, on a double-click, the dissection of a column's series.
#pragma once

#include <QWidget>
#include <array>

#include "core/views/association.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace qorvel {

class AssociationModel;

class MoredbAssociationPage : public QWidget {
  public:
    explicit MoredbAssociationPage(QWidget* parent = nullptr);

    // Rebuilds the table from the controls (the sheet shown, a filter changed, "确定"); a long pass shows
    // its progress and can be stopped, which keeps the table as it was.
    void rebuild();
    // The number labels of the position filters follow the lottery type.
    void typeChanged();
    // Dissects table column `column` in a modal window (a double-click on it).
    void dissectColumn(int column);
    // "导出下期系列开奖数据".
    void exportNextDraws();

    const AssociationTable& table() const { return table_; }

    std::array<QLabel*, kAssociationPositions> l_glfx_pos{};
    std::array<QComboBox*, kAssociationPositions> cb_glfx{};  // cb_glfx_1 … cb_glfx_5
    QCheckBox* cb_glfx_bdw = nullptr;                         // 主号不对位
    QComboBox* cb_glfx_qhw = nullptr;                         // 期号尾
    struct IndicatorRow {
        QCheckBox* use = nullptr;         // cb_glfx_zbK: 指标一 …
        QLineEdit* formula = nullptr;     // e_glfx_zbK_choice
        QPushButton* choose = nullptr;    // b_glfx_zbK_choice: 选择
        QLineEdit* values = nullptr;      // e_glfx_zbK_qz
        QPushButton* pickValues = nullptr;  // b_glfx_zbK_qz: 取值
    };
    std::array<IndicatorRow, kAssociationIndicators> rows{};
    QPushButton* b_glfx_ok = nullptr;
    QLabel* l_glfx_hint = nullptr;
    QLabel* l_glfx = nullptr;
    QPushButton* b_glfx_next_dc = nullptr;
    QTableView* sg_glfx = nullptr;

  private:
    void indicatorToggled(int k);
    void chooseIndicator(int k);
    void chooseValues(int k);
    AssociationFilter filter() const;

    AssociationTable table_;
    AssociationModel* model_ = nullptr;
    // The in-use flags and allowed values of the indicator rows; "确定" copies the check boxes into the flags.
    std::array<bool, kAssociationIndicators> inUse_{};
    std::array<std::vector<int32_t>, kAssociationIndicators> allowed_{};
};

}  // namespace qorvel
