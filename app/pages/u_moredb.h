// Tf_moredb: the more charts page, docked into the tab "更多图表". Its page control holds the sheets built
// so far: "综合形态", "关联分析", "相生相克" and the chart sheets "特性分布", "扩展图表" and "田野走势图".
#pragma once

#include <QWidget>

#include "app/page.h"

class QTabWidget;

namespace qorvel {

class MoredbAssociationPage;
class MoredbChartPage;
class MoredbPairPage;
class MoredbPatternPage;

class Tf_moredb : public QWidget, public Page {
  public:
    explicit Tf_moredb(QWidget* parent = nullptr);

    // The issue combos of 相生相克 are filled again, the field chart returns to its first style; the first
    // sheet is selected and filled again.
    void pageShown() override;
    void pageClosed() override;
    void typeChanged(bool reloaded) override;
    void historyChanged() override;

    QTabWidget* pc_moredb = nullptr;
    MoredbPatternPage* ts_zhxt = nullptr;
    MoredbAssociationPage* ts_glfx = nullptr;
    MoredbPairPage* ts_xsxk = nullptr;
    MoredbChartPage* ts_whfb = nullptr;
    MoredbChartPage* ts_extend = nullptr;
    MoredbChartPage* ts_tyzsd = nullptr;

  private:
    // Rebuilds the shown sheet.
    void refreshShown();
};

inline Tf_moredb* f_moredb = nullptr;

}  // namespace qorvel
