// Long history passes started from the pages stop on Esc with nothing changed: the trend chart keeps its
// previous picture and the kill page its previous grid; the draws and the cursor stay as they were.
#include <QComboBox>
#include <QTableView>
#include <QTreeWidget>
#include <QtTest>

#include "app/app_state.h"
#include "app/pages/fxd/fxd_trend_view.h"
#include "app/pages/tdsh/tdsh_sub_page.h"
#include "app/pages/u_fxd.h"
#include "app/pages/u_tdsh.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "fxd_test_support.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kDraws = 640;

std::unique_ptr<StartedProgram> startOnLongHistory() {
    auto program = fxd::startOn(sampleDraws(kDraws));
    program->platform.messages.messages.clear();
    return program;
}

}  // namespace

class PassCancelTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void aStoppedTrendChartKeepsItsPicture();
    void aStoppedKillRunKeepsItsGrid();
};

void PassCancelTest::aStoppedTrendChartKeepsItsPicture() {
    auto program = startOnLongHistory();
    auto* view = control<FxdTrendView>(f_fxd, "ts_zbzs");
    const std::string before = view->indicatorChart().title;
    const int points = view->indicatorChart().lastIndex;
    t_s_dm& store = workspace().MainStore;
    store.SetRecNo(100);
    {
        EscapeOnPassProgress escape;
        QTreeWidgetItem* second = view->tv_zbzs->topLevelItem(0)->child(1);
        view->tv_zbzs->setCurrentItem(second);
        QVERIFY(escape.shown);
        QCOMPARE(escape.label, QStringLiteral("正在计算指标值，请稍候..."));
    }
    QCOMPARE(view->indicatorChart().title, before);
    QCOMPARE(view->indicatorChart().lastIndex, points);
    QCOMPARE(program->platform.messages.texts(), QStringList());
    QCOMPARE(store.Count(), kDraws);
    QCOMPARE(store.RecNo(), 100);
}

void PassCancelTest::aStoppedKillRunKeepsItsGrid() {
    auto program = startOnLongHistory();
    f_main->openPage(PageId::tdsh);
    TdshSubPage* page = f_tdsh->subPage(KillPage::MainKill);
    page->run();
    const int rows = page->sg->model()->rowCount();
    QCOMPARE(rows, kDraws + 4);  // the draws, the forecast row, the header again and the rates
    const QString lastCell = page->sg->model()->index(rows - 1, 3).data().toString();
    t_s_dm& store = workspace().MainStore;
    store.SetRecNo(200);
    program->platform.messages.messages.clear();
    {
        EscapeOnPassProgress escape;
        // A new start issue runs the page again.
        page->cb_qsq->setCurrentIndex(page->cb_qsq->count() - 10);
        QVERIFY(escape.shown);
        QCOMPARE(escape.label, QStringLiteral("正在计算公式，请稍候..."));
    }
    QCOMPARE(page->sg->model()->rowCount(), rows);
    QCOMPARE(page->sg->model()->index(rows - 1, 3).data().toString(), lastCell);
    QCOMPARE(program->platform.messages.texts(), QStringList());
    QCOMPARE(store.Count(), kDraws);
    QCOMPARE(store.RecNo(), 200);
}

QTEST_MAIN(PassCancelTest)
#include "pass_cancel_test.moc"
