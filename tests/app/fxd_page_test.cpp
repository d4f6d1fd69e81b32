// The trend analysis page as a whole: its sub-pages in tab order, the shared view menu (display modes,
// automatic scrolling, "过滤条件"), and the regular data tables.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "app/app_state.h"
#include "app/pages/fxd/fxd_cell_grid.h"
#include "app/pages/fxd/fxd_data_tables_view.h"
#include "app/pages/fxd/fxd_distribution_view.h"
#include "app/pages/fxd/fxd_trend_view.h"
#include "ui/drawing_host.h"
#include "fxd_test_support.h"
#include "views/data_tables.h"

using namespace qorvel;
using namespace qorvel::testing;

class FxdPageTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        quietOffscreenWarnings();
        sample_ = fxd::ssqSample();
    }
    void theSubPagesComeInTabOrder();
    void theViewMenuOffersModesScrollingAndConditions();
    void leavingASubPageStopsItsScrolling();
    void automaticScrollingNeverQueuesRedraws_data();
    void automaticScrollingNeverQueuesRedraws();
    void theDataTablesShowEveryDraw();
    void anEmptyHistoryShowsOnlyHeaders();

  private:
    DrawRows sample_;
};

void FxdPageTest::theSubPagesComeInTabOrder() {
    auto program = fxd::startOn(sample_);
    const QStringList expected = {"指标走势", "常规数据表", "主号分布图", "主号遗漏图表", "尾数遗漏图表"};
    QVERIFY(f_fxd->pc_fxd->count() >= expected.size());
    for (int i = 0; i < expected.size(); ++i) QCOMPARE(f_fxd->pc_fxd->tabText(i), expected[i]);
    QCOMPARE(f_fxd->pc_fxd->currentIndex(), 0);
}

void FxdPageTest::theViewMenuOffersModesScrollingAndConditions() {
    auto program = fxd::startOn(sample_);
    struct Entry {
        const char* name;
        const char* caption;
        bool checked;
    };
    const Entry entries[] = {{"mi_xsms0", "球+数字", true},   {"mi_xsms1", "球", false},     {"mi_xsms2", "方块+数字", false},
                             {"mi_xsms3", "方块", false},     {"mi_scrolldown", "向下滚动", true}, {"mi_scrollup", "向上滚动", false},
                             {"mi_speed0", "慢速", true},     {"mi_speed1", "中速", false},  {"mi_speed2", "快速", false},
                             {"mi_speed3", "特快", false},    {"mi_startscroll", "开始滚动", false},
                             {"mi_stopscroll", "停止滚动", false}, {"mi_glcond", "过滤条件", false}};
    for (const Entry& e : entries) {
        QAction* a = control<QAction>(f_fxd->pm_view, e.name);
        QCOMPARE(a->text(), QString::fromUtf8(e.caption));
        QCOMPARE(a->isChecked(), e.checked);
    }
    const int speeds[] = {1000, 800, 500, 200};
    for (int k = 0; k < 4; ++k) {
        control<QAction>(f_fxd->pm_view, QStringLiteral("mi_speed%1").arg(k))->trigger();
        QCOMPARE(f_fxd->scrollInterval(), speeds[k]);
    }
    control<QAction>(f_fxd->pm_view, "mi_xsms2")->trigger();
    QCOMPARE(f_fxd->displayMode(), 2);
    QVERIFY(!f_fxd->ballMode());
    QVERIFY(f_fxd->numberOnMark());
    QStringList selection;
    for (QAction* a : f_fxd->pm_selection->actions()) selection << a->text();
    QCOMPARE(selection, (QStringList{"清除选号区", "将选号导入到预测区", "清除预测区"}));

    // "过滤条件" opens the self-set condition dialog of the filter page.
    bool opened = false;
    whenModalShown([&](QDialog* dialog) {
        opened = true;
        dialog->reject();
    });
    control<QAction>(f_fxd->pm_view, "mi_glcond")->trigger();
    QVERIFY(opened);
}

void FxdPageTest::leavingASubPageStopsItsScrolling() {
    auto program = fxd::startOn(sample_);
    f_fxd->startScrolling();
    QVERIFY(f_fxd->scrolling());
    f_fxd->pc_fxd->setCurrentIndex(1);
    QVERIFY(!f_fxd->scrolling());
    f_fxd->startScrolling();
    f_fxd->pageClosed();
    QVERIFY(!f_fxd->scrolling());
}

void FxdPageTest::automaticScrollingNeverQueuesRedraws_data() {
    QTest::addColumn<QString>("subPage");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("direction");
    QTest::newRow("指标走势") << "ts_zbzs" << "i_zbzs" << "sb_zbzs_h" << "mi_scrollup";
    QTest::newRow("主号分布图") << "ts_fbt" << "i_fbd" << "sb_fbd_v" << "mi_scrollup";
}

// Ticks far faster than the picture can be drawn: every tick moves the window one step, the picture is
// drawn at most once per tick and never more often than the window shows it, and once scrolling stops
// nothing is left to draw but the last position.
void FxdPageTest::automaticScrollingNeverQueuesRedraws() {
    QFETCH(QString, subPage);
    QFETCH(QString, host);
    QFETCH(QString, bar);
    QFETCH(QString, direction);
    auto program = fxd::startOn(sample_);
    f_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(f_main));
    QWidget* page = fxd::showSubPage(subPage.toUtf8().constData());
    auto* picture = control<DrawingHost>(page, host);
    auto* scroll = control<QScrollBar>(page, bar);
    scroll->setValue(scroll->maximum() - 100);
    QTest::qWait(20);
    mainAction(direction.toUtf8().constData())->trigger();
    auto* timer = control<QTimer>(f_fxd, "t_scroll");
    int ticks = 0;
    connect(timer, &QTimer::timeout, picture, [&ticks] { ++ticks; });
    const int startValue = scroll->value();
    const int rendersBefore = picture->renderCount();
    f_fxd->startScrolling();
    timer->setInterval(1);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 40, 5000);
    f_fxd->stopScrolling();
    const int renders = picture->renderCount() - rendersBefore;
    QCOMPARE(startValue - scroll->value(), ticks);
    QVERIFY2(renders <= ticks, qPrintable(QString("%1 renders for %2 ticks").arg(renders).arg(ticks)));
    // Nothing queued: at most the one pending paint of the last position follows.
    const int afterStop = picture->renderCount();
    QTest::qWait(100);
    QVERIFY(picture->renderCount() <= afterStop + 1);
    picture->picture();
    const int settled = picture->renderCount();
    QTest::qWait(50);
    QCOMPARE(picture->renderCount(), settled);
}

void FxdPageTest::theDataTablesShowEveryDraw() {
    auto program = fxd::startOn(sample_);
    auto* view = static_cast<FxdDataTablesView*>(fxd::showSubPage("ts_cgsjb"));
    fxd::grabIfAsked(view, "fxd_cgsjb");
    for (int k = 0; k < 3; ++k) {
        const DataTable expected = buildDataTable(workspace(), k + 1);
        const DataTable& shown = view->table(k);
        QCOMPARE(shown.header, expected.header);
        QCOMPARE(shown.rows.size(), sample_.size());
        QCOMPARE(shown.rows.back(), expected.rows.back());
        FxdCellGrid* grid = view->grid(k);
        QCOMPARE(grid->rowCount(), static_cast<int>(sample_.size()));
        QCOMPARE(grid->currentRow(), grid->rowCount() - 1);
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("期数"));
    }
    view->pc_sjb->setCurrentIndex(2);
    fxd::grabIfAsked(view, "fxd_cgsjb3");
    // "刷新" after a new draw shows it.
    std::vector<int> next = {2099001, 1, 2, 3, 4, 5, 6, 7};
    t_s_dm& store = workspace().MainStore;
    store.Append();
    for (int f = 0; f < static_cast<int>(next.size()); ++f) store.SetField(f, next[f]);
    clickControl(view, "b_sjb_refresh");
    QCOMPARE(view->table(0).rows.back().front(), std::string("2099001"));
}

void FxdPageTest::anEmptyHistoryShowsOnlyHeaders() {
    auto program = fxd::startOn(DrawRows{});
    QCOMPARE(workspace().MainStore.Count(), 0);
    control<QAction>(f_fxd->pm_view, "mi_speed3")->trigger();
    for (const char* name : {"ts_zbzs", "ts_cgsjb", "ts_fbt", "ts_zhyltb", "ts_wsyltb"}) {
        QWidget* page = fxd::showSubPage(name);
        page->grab();  // every picture drawn once
        f_fxd->startScrolling();
        QTest::qWait(300);  // one tick finds nothing to scroll and ends the scrolling
        QVERIFY2(!f_fxd->scrolling(), name);
    }
    auto* tables = static_cast<FxdDataTablesView*>(fxd::showSubPage("ts_cgsjb"));
    QCOMPARE(tables->grid(0)->rowCount(), 0);
    QCOMPARE(tables->grid(0)->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("期数"));
    QVERIFY(program->platform.messages.texts().isEmpty());
}

QTEST_MAIN(FxdPageTest)
#include "fxd_page_test.moc"
