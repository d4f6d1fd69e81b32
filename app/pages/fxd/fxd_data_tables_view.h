// The regular data tables sub-page "常规数据表": three grids of per-draw properties (数据表1, 数据表2,
// 数据表3), one row per draw, oldest first, with the cursor on the newest draw.
#pragma once

#include <array>

#include "app/pages/fxd/fxd_view.h"
#include "views/data_tables.h"
#include "views/draw_surface.h"

class QPushButton;
class QTabWidget;

namespace qorvel {

class FxdCellGrid;

class FxdDataTablesView : public FxdView {
  public:
    FxdDataTablesView(Tf_fxd* page, QWidget* parent);

    // "刷新" and every showing: all three tables again from the history.
    void refresh() override;
    bool scrollStep(int direction) override;

    const DataTable& table(int k) const { return tables_[k]; }
    FxdCellGrid* grid(int k) const { return grids_[k]; }

    QTabWidget* pc_sjb = nullptr;
    QPushButton* b_sjb_refresh = nullptr;

  private:
    void fillGrid(int k);
    void paintCell(int k, DrawSurface& s, const Rect& cell, int row, int col);

    std::array<DataTable, kDataTableCount> tables_;
    std::array<FxdCellGrid*, kDataTableCount> grids_{};
    int numberColumns_ = 0;  // main and special number columns after "期数"
    int mainColumns_ = 0;
};

}  // namespace qorvel
