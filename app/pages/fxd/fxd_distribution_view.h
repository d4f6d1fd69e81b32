// The distribution chart sub-page "主号分布图": the owner-drawn grid of the draws with every drawn main
// number marked, either by association (pairs and runs, or one single pattern) or by cold/warm/hot, a
// selection row after the last draw, and both scroll bars.
#pragma once

#include "app/pages/fxd/fxd_view.h"
#include "draws/forecast_row.h"
#include "views/t_s_grid.h"

class QComboBox;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace qorvel {

class DrawingHost;
struct DistributionRow;

constexpr int kDistributionColumns = 52;
constexpr int kDistributionRows = 40;

class FxdDistributionView : public FxdView {
  public:
    FxdDistributionView(Tf_fxd* page, QWidget* parent);

    void refresh() override;
    bool scrollStep(int direction) override;
    void displayModeChanged() override;
    void clearSelection() override;
    void importSelection() override;
    void clearForecast() override;
    std::vector<int> selectedMainNumbers() const override;

    // A click on the grid as the host reports it.
    void cellClicked(int col, int row, QPoint pos, Qt::MouseButton button);
    // "主号冷热设置".
    void editColdHot();

    const t_s_grid& grid() const { return grid_; }
    const SelectionFlags& selection() const { return selection_; }
    // The history index of the grid row, or 0 for a header row.
    int historyIndexOfRow(int row) const;

    QRadioButton* rb_fbd_gl = nullptr;   // 关联分布
    QRadioButton* rb_fbd_lrh = nullptr;  // 冷温热分布
    QComboBox* cb_fbd = nullptr;
    QPushButton* b_fbd_coldhot = nullptr;
    DrawingHost* i_fbd = nullptr;
    QScrollBar* sb_fbd_v = nullptr;
    QScrollBar* sb_fbd_h = nullptr;

  private:
    void render(DrawSurface& surface, int width, int height);
    void setUpGrid(DrawSurface& surface, int width, int height);
    void fillRow(int row, const DistributionRow& data, bool temperatureMode);
    void syncScrollBars();
    bool temperatureMode() const;

    t_s_grid grid_;
    SelectionFlags selection_{};
    int topRow_ = 0;       // history index of the first data row; 0 = not placed yet
    bool userScrolled_ = false;  // until the user scrolls, the newest draws stay in view at any size
    int selectedRow_ = 0;  // history index of the highlighted row
    bool syncing_ = false;
};

}  // namespace qorvel
