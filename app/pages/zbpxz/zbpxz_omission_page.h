// 遗漏分布图表: the omission table of the dissected series with one column per value seriesMin…seriesMax,
// built like the trend page's main-number omission table (ordering, zones, type filter, ball display,
// selection and statistics rows), with a chosen cell width and an optional line joining the drawn cells.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "app/pages/zbpxz/zbpxz_sub_page.h"
#include "core/views/draw_surface.h"
#include "core/views/omission_cells.h"
#include "core/views/omission_table.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace qorvel {

class FxdCellGrid;

class ZbpxzOmissionPage : public ZbpxzSubPage {
  public:
    ZbpxzOmissionPage(const DissectionState& state, QWidget* parent);

    QString pageName() const override { return QStringLiteral("遗漏分布图表"); }
    void opened() override;
    // Builds the table again over the chosen range; a range of values too wide for columns shows its
    // message instead.
    void refresh() override;

    // A press on cell (row, col) of the grid: a left click on the selection row toggles that value, a
    // right click elsewhere opens the popup.
    void cellPressed(int row, int col, Qt::MouseButton button, QPoint globalPos);

    const OmissionTable& table() const { return table_; }
    bool tooWide() const { return tooWide_; }
    int displayMode() const { return displayMode_; }
    const std::set<int>& selection() const { return selection_; }
    // The width of a value column, as the width combo chooses it or shared out of the client width.
    int cellWidth() const;

    QComboBox* cb_ylfb_startfrom = nullptr;
    QComboBox* cb_ylfb_to = nullptr;
    QPushButton* b_ylfb_refresh = nullptr;    // 刷新
    QComboBox* cb_ylfb_specshow = nullptr;    // 按类型显示
    QComboBox* cb_ylfb_fq = nullptr;          // 常规顺序分区
    QComboBox* cb_ylfb_sortaccofq = nullptr;  // 按类型排序
    QComboBox* cb_ylfb_width = nullptr;       // cell width
    QCheckBox* cb_ylfb_line = nullptr;        // 显示折线图
    FxdCellGrid* sg_ylfb = nullptr;
    QLabel* l_ylfb_message = nullptr;
    QMenu* pm_ylfb = nullptr;

  private:
    QWidget* buildControls();
    void rebuild();
    void layOutColumns();
    void rezone();
    OmissionCellsView cellsView();
    void paintCell(DrawSurface& s, const Rect& cell, int row, int col);
    void paintLine(DrawSurface& s);

    OmissionTable table_;
    std::vector<std::vector<std::string>> statistics_;
    std::vector<int> zones_;
    std::vector<int> drawnColumns_;
    std::set<int> selection_;
    int displayMode_ = 0;
    bool tooWide_ = false;
};

}  // namespace qorvel
