// The indicator trend sub-page "指标走势": the indicator tree, the feature choice, the indicator chart and
// its feature chart sharing one window of draws, zoom, "扩至", the statistics memo, the chart properties
// and the hand-over to the dissection page.
#pragma once

#include <QString>

#include "app/pages/fxd/fxd_trend_props.h"
#include "app/pages/fxd/fxd_view.h"
#include "views/indicator_trend.h"
#include "views/t_s_zsd.h"

class QComboBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace qorvel {

class DrawingHost;

class FxdTrendView : public FxdView {
  public:
    FxdTrendView(Tf_fxd* page, QWidget* parent);

    void refresh() override;
    bool scrollStep(int direction) override;

    // The tree again from the indicator lists and the saved indicators, the selected node kept by its
    // text ("更新" draws it again after this).
    void rebuildTree();
    // Computes the selected node's series (selecting the first indicator when nothing is selected) and
    // draws it; false when a formula error stopped it.
    bool computeAndDraw();
    // Window navigation of both charts.
    void zoomIn();
    void zoomOut();
    void extendTo();
    void scrollTo(int startIndex);
    // "图表属性": the dialog, applied on OK.
    void editProperties();
    // "剖析" / "指标剖析".
    void dissect();

    const t_s_zsd& indicatorChart() const { return value_; }
    const t_s_zsd& featureChart() const { return feature_; }
    const TrendChartSettings& settings() const { return settings_; }
    void applySettings(const TrendChartSettings& settings);

    QTreeWidget* tv_zbzs = nullptr;
    QGroupBox* gb_zbzs_tz = nullptr;
    QRadioButton* rb_zbzs_tz = nullptr;
    QComboBox* cb_zbzs_tz = nullptr;
    QRadioButton* rb_zbzs_dx = nullptr;
    QComboBox* cb_zbzs_zjz = nullptr;
    QRadioButton* rb_zbzs_ys = nullptr;
    QComboBox* cb_zbzs_ys = nullptr;
    QComboBox* cb_zbzs_showzbtz = nullptr;
    QPushButton* b_zbzs_set = nullptr;
    QPushButton* b_zbzs_sx = nullptr;
    QPushButton* b_zbzs_fd = nullptr;
    QPushButton* b_zbzs_kz = nullptr;
    QPushButton* b_zbzs_px = nullptr;
    QPushButton* b_zbzs_hide = nullptr;
    DrawingHost* i_zbzs = nullptr;
    QScrollBar* sb_zbzs_h = nullptr;
    QPlainTextEdit* m_zbzs_tj = nullptr;

  private:
    QWidget* buildControlColumn();
    QWidget* buildFeatureGroup(QWidget* parent);
    void render(DrawSurface& surface, int width, int height);
    void layOutCharts(int width, int height, int textHeight);
    void fillCharts();
    void updateStatistics();
    void syncScrollBar();
    void windowChanged();
    TrendFeatureChoice featureChoice() const;
    QTreeWidgetItem* selectedIndicator() const;

    t_s_zsd value_, feature_;
    TrendSeries series_;
    TrendChartSettings settings_;
    bool drawn_ = false;     // a series is on show
    bool syncing_ = false;   // the scroll bar is being set from the window
};

}  // namespace qorvel
