// 特性图表: every draw of an issue range with its series value and the value's class under each number
// classification of the workspace's table, the classes marked as balls or squares, the others showing how
// many draws they have been missing. Under the draws a selection row "选号区" takes the classes the user
// expects next; the forecast row is captioned "预测区". "组件设置" chooses the classifications, "分区及范围"
// lists the zones of the series range.
#pragma once

#include <vector>

#include "app/pages/zbpxz/zbpxz_sub_page.h"
#include "core/views/dissection_property.h"
#include "core/views/draw_surface.h"

class QComboBox;
class QMenu;
class QPushButton;

namespace qorvel {

class FxdCellGrid;

inline constexpr int kPropertyFixedColumns = 2;  // issue and value
inline constexpr int kMinPropertyCellWidth = 10;
inline constexpr int kMaxPropertyCellWidth = 60;
inline constexpr int kPropertyCellWidthStep = 2;
inline constexpr int kDefaultPropertyCellWidth = 24;

class ZbpxzPropertyPage : public ZbpxzSubPage {
  public:
    ZbpxzPropertyPage(const DissectionState& state, QWidget* parent);

    QString pageName() const override { return QStringLiteral("特性图表"); }
    void opened() override;
    void refresh() override;

    // "组件设置" and "分区及范围".
    void chooseComponents();
    void showZones();
    // A press on grid cell (row, col).
    void cellPressed(int row, int col, Qt::MouseButton button, QPoint globalPos);
    void setDisplayMode(int mode);
    void clearSelection();

    const PropertyTable& table() const { return table_; }
    // Per class column (0-based, after the issue and value columns): whether the selection row holds it.
    const std::vector<bool>& selection() const { return selection_; }
    int displayMode() const { return displayMode_; }
    // Grid rows: the draws, then the selection row.
    int selectionRow() const { return static_cast<int>(table_.rows.size()); }

    QComboBox* cb_txtb_from = nullptr;
    QComboBox* cb_txtb_to = nullptr;
    QComboBox* cb_txtb_width = nullptr;  // 单元格宽度
    QPushButton* b_txtb_refresh = nullptr;
    QPushButton* b_txtb_zj = nullptr;    // 组件设置
    QPushButton* b_txtb_fq = nullptr;    // 分区及范围
    FxdCellGrid* sg_txtb = nullptr;
    QMenu* pm_txtb = nullptr;

  private:
    void rebuild();
    void layOutColumns();
    void paintCell(DrawSurface& s, const Rect& cell, int row, int col);
    void paintMark(DrawSurface& s, const Rect& cell, const std::string& text, Colour textColour);

    PropertyTable table_;
    std::vector<bool> selection_;
    std::vector<std::string> columnKeys_;  // the components the selection was made under
    int displayMode_ = 0;
};

}  // namespace qorvel
