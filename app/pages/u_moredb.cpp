#include "app/pages/u_moredb.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "app/pages/moredb/moredb_association_page.h"
#include "app/pages/moredb/moredb_chart_page.h"
#include "app/pages/moredb/moredb_pair_page.h"
#include "app/pages/moredb/moredb_pattern_page.h"

namespace qorvel {

Tf_moredb::Tf_moredb(QWidget* parent) : QWidget(parent) {
    setObjectName("f_moredb");
    pc_moredb = new QTabWidget(this);
    pc_moredb->setObjectName("pc_moredb");
    ts_zhxt = new MoredbPatternPage(pc_moredb);
    pc_moredb->addTab(ts_zhxt, QStringLiteral("综合形态"));
    ts_glfx = new MoredbAssociationPage(pc_moredb);
    pc_moredb->addTab(ts_glfx, QStringLiteral("关联分析"));
    ts_xsxk = new MoredbPairPage(pc_moredb);
    pc_moredb->addTab(ts_xsxk, QStringLiteral("相生相克"));
    ts_whfb = new MoredbChartPage(MoredbChartPage::Kind::Feature, pc_moredb);
    pc_moredb->addTab(ts_whfb, QStringLiteral("特性分布"));
    ts_extend = new MoredbChartPage(MoredbChartPage::Kind::Extended, pc_moredb);
    pc_moredb->addTab(ts_extend, QStringLiteral("扩展图表"));
    ts_tyzsd = new MoredbChartPage(MoredbChartPage::Kind::Field, pc_moredb);
    pc_moredb->addTab(ts_tyzsd, QStringLiteral("田野走势图"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(pc_moredb);
    connect(pc_moredb, &QTabWidget::currentChanged, this, [this] { refreshShown(); });
}

void Tf_moredb::pageShown() {
    ts_xsxk->fillIssueCombos();
    ts_tyzsd->selectFirstStyle();
    if (pc_moredb->currentIndex() != 0)
        pc_moredb->setCurrentIndex(0);  // fills it
    else
        refreshShown();
}

void Tf_moredb::pageClosed() { pc_moredb->setCurrentIndex(0); }

void Tf_moredb::typeChanged(bool reloaded) {
    ts_glfx->typeChanged();
    // The issue combos list the issues of the history that was replaced.
    if (reloaded) ts_xsxk->fillIssueCombos();
    if (reloaded && isVisible()) refreshShown();
}

// The tables of an open page follow the history; a hidden page is filled when it is shown. The issue
// combos list the new issues at once.
void Tf_moredb::historyChanged() {
    ts_xsxk->fillIssueCombos();
    if (isVisible()) refreshShown();
}

void Tf_moredb::refreshShown() {
    if (pc_moredb->currentWidget() == ts_zhxt) ts_zhxt->rebuild();
    if (pc_moredb->currentWidget() == ts_glfx) ts_glfx->rebuild();
    if (pc_moredb->currentWidget() == ts_xsxk) ts_xsxk->sheetShown();
    if (auto* chart = dynamic_cast<MoredbChartPage*>(pc_moredb->currentWidget())) chart->sheetShown();
}

}  // namespace qorvel
