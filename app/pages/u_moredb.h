// Tf_moredb: the more charts page, docked into the tab "更多图表". Its page control holds the sheets built
// so far: "综合形态", "关联分析" and "相生相克".
#pragma once

#include <QWidget>

#include "app/page.h"

class QTabWidget;

namespace qorvel {

class MoredbAssociationPage;
class MoredbPairPage;
class MoredbPatternPage;

class Tf_moredb : public QWidget, public Page {
  public:
    explicit Tf_moredb(QWidget* parent = nullptr);

    // The issue combos of 相生相克 are filled again; the first sheet is selected and filled again.
    void pageShown() override;
    void pageClosed() override;
    void typeChanged(bool reloaded) override;
    void historyChanged() override;

    QTabWidget* pc_moredb = nullptr;
    MoredbPatternPage* ts_zhxt = nullptr;
    MoredbAssociationPage* ts_glfx = nullptr;
    MoredbPairPage* ts_xsxk = nullptr;

  private:
    // Rebuilds the shown sheet.
    void refreshShown();
};

inline Tf_moredb* f_moredb = nullptr;

}  // namespace qorvel
