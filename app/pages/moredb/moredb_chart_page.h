// MoredbChartPage: one of the three owner-drawn chart sheets of the more-charts page — "特性分布" (tail,
// odd/even or prime/composite of every number position), "扩展图表" (count indicators, zone counts, the
// sum) or "田野走势图" (every position mapped to a column of a number matrix) — with its scroll bars,
// selection row and automatic scrolling.
#pragma once

#include <QWidget>

#include "core/views/moredb_charts.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace qorvel {

class DrawingHost;

class MoredbChartPage : public QWidget {
  public:
    enum class Kind { Feature, Extended, Field };

    MoredbChartPage(Kind kind, QWidget* parent = nullptr);

    // The sheet was shown: redrawn; the field chart first reloads the matrix of its style.
    void sheetShown();
    // Page shown: the field chart goes back to its first style.
    void selectFirstStyle();
    // The view choice changed: newest rows, no selection, no horizontal scroll.
    void resetView();
    void redraw();
    void cellClicked(int col, int row, Qt::MouseButton button);
    void clearSelectionRow();
    void startScrolling();
    void stopScrolling();

    Kind kind() const { return kind_; }
    const t_s_grid& grid() const { return grid_; }
    const ChartSettings& settings() const { return settings_; }

    DrawingHost* image = nullptr;
    QScrollBar* sb_v = nullptr;
    QScrollBar* sb_h = nullptr;
    QPushButton* b_refresh = nullptr;
    QMenu* pm_zsd = nullptr;
    QAction* mi_startscroll = nullptr;
    QAction* mi_stopscroll = nullptr;
    QTimer* t_zsd = nullptr;
    // 特性分布
    QRadioButton* rb_whfb_wh = nullptr;  // 尾号
    QRadioButton* rb_whfb_jo = nullptr;  // 奇偶
    QRadioButton* rb_whfb_zh = nullptr;  // 质合
    // 扩展图表
    QRadioButton* rb_extend_gs = nullptr;  // 个数图
    QRadioButton* rb_extend_fq = nullptr;  // 分区出号个数
    QComboBox* cb_extend_fq = nullptr;
    QRadioButton* rb_extend_hz = nullptr;  // 和值分布
    // 田野走势图
    QComboBox* cb_tyzsd_style = nullptr;
    QLineEdit* e_tyzsd_qm = nullptr;
    QComboBox* cb_tyzsd_jz_c = nullptr;
    QComboBox* cb_tyzsd_jz_r = nullptr;
    QCheckBox* cb_tyzsd_wh = nullptr;

  private:
    QWidget* buildFeatureControls();
    QWidget* buildExtendedControls();
    QWidget* buildFieldControls();
    void buildMenu();
    QRadioButton* addViewRadio(QWidget* parent, const char* name, const char* caption, ChartView view);
    void loadStyle();
    void render(DrawSurface& surface, int width, int height);
    void syncScrollBars();
    void scrollTick();

    Kind kind_;
    t_s_grid grid_;
    ChartSettings settings_;
    int scrollDirection_ = 1;
    bool syncing_ = false;
};

}  // namespace qorvel
