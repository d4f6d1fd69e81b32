// The omission table sub-pages "主号遗漏图表" (one column per main number) and "尾数遗漏图表" (one per
// tail): the range, the ordering by category with its zone colours, the "按类型显示" filter, a selection
// row and the five statistics rows.
#pragma once

#include <array>

#include "app/pages/fxd/fxd_view.h"
#include "draws/forecast_row.h"
#include "views/draw_surface.h"
#include "views/omission_table.h"

class QComboBox;
class QPushButton;

namespace qorvel {

class FxdCellGrid;

class FxdOmissionView : public FxdView {
  public:
    // tails: the tail table instead of the main numbers'.
    FxdOmissionView(Tf_fxd* page, QWidget* parent, bool tails);

    void refresh() override;
    bool scrollStep(int direction) override;
    void displayModeChanged() override;
    void clearSelection() override;
    void importSelection() override;
    void clearForecast() override;
    std::vector<int> selectedMainNumbers() const override;

    // "刷新": the table again over the chosen range.
    void rebuild();
    // A press on cell (row, col) of the grid.
    void cellPressed(int row, int col, Qt::MouseButton button, QPoint globalPos);

    const OmissionTable& table() const { return table_; }
    const SelectionFlags& selection() const { return selection_; }
    const std::array<int, kTailCount>& tailStates() const { return tailStates_; }
    // Grid rows under the header: the draws, the selection row and the five statistics rows.
    int selectionRow() const { return static_cast<int>(table_.rows.size()); }

    QComboBox* cb_startfrom = nullptr;  // cb_zhyltb_startfrom / cb_wsyltb_startfrom
    QComboBox* cb_to = nullptr;         // cb_zhyltb_to / cb_wsyltb_to
    QPushButton* b_refresh = nullptr;
    QComboBox* cb_sortaccofq = nullptr;  // cb_sortaccofq / cb_ws_sortaccofq
    QComboBox* cb_fq = nullptr;          // cb_fq / cb_ws_fq
    QComboBox* cb_specshow = nullptr;    // cb_specshow / cb_ws_specshow
    FxdCellGrid* sg_table = nullptr;     // sg_zhyltb / sg_wsyltb

  private:
    void fillRangeCombos();
    void layOutColumns();
    void paintCell(DrawSurface& s, const Rect& cell, int row, int col);

    bool tails_;
    OmissionTable table_;
    std::vector<std::string> header_;
    std::vector<std::vector<std::string>> statistics_;
    std::vector<int> zones_;
    SelectionFlags selection_{};
    std::array<int, kTailCount> tailStates_{};
    bool filling_ = false;
};

}  // namespace qorvel
