// The chart sheets "特性分布", "扩展图表" and "田野走势图" of the more-charts page: each draws the newest
// draws above its selection row, a view change starts again from the newest draws, clicks highlight a
// row or mark the selection row, the scroll bars and the scroll timer move the window, and the field chart
// follows its style files. With QORVEL_GRAB_DIR set it saves a 1024 x 768 picture of each sheet.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "app/app_state.h"
#include "app/pages/moredb/moredb_chart_page.h"
#include "app/pages/u_moredb.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "fxd_test_support.h"
#include "text/file_io.h"
#include "ui/drawing_host.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

MoredbChartPage* openSheet(MoredbChartPage* (*pick)()) {
    f_main->openPage(PageId::moredb);
    MoredbChartPage* page = pick();
    f_moredb->pc_moredb->setCurrentWidget(page);
    QApplication::processEvents();
    return page;
}
MoredbChartPage* whfb() { return f_moredb->ts_whfb; }
MoredbChartPage* extend() { return f_moredb->ts_extend; }
MoredbChartPage* tyzsd() { return f_moredb->ts_tyzsd; }

int selectionRow(const t_s_grid& grid) {
    for (int row = grid.fixedRows; row < grid.drawnRows; ++row)
        if (grid.GetCellText(0, row) == kChartSelectionCaption) return row;
    return -1;
}

// Clicks the middle of cell (col, row) as the user sees it.
void clickCell(MoredbChartPage* page, int col, int row, Qt::MouseButton button = Qt::LeftButton) {
    const t_s_grid& grid = page->grid();
    const t_s_cell& c = grid.cell(col, row);
    int x = grid.bounds.left + c.left + c.width / 2;
    if (col >= grid.frozenCols) x -= grid.scrollX;
    const int y = grid.bounds.top + c.top + c.height / 2;
    QTest::mouseClick(page->image, button, Qt::NoModifier, QPoint(x, y));
    QApplication::processEvents();
}

QAction* menuAction(MoredbChartPage* page, const char* name) {
    return page->pm_zsd->findChild<QAction*>(name);
}

}  // namespace

class MoredbChartsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void eachSheetShowsTheNewestDrawsAboveTheSelectionRow();
    void aViewChangeStartsFromTheNewestDraws();
    void clicksHighlightARowOrMarkTheSelectionRow();
    void scrollBarsAndTheTimerMoveTheWindow();
    void theFieldChartFollowsItsStyleFiles();
    void screenshot();
};

void MoredbChartsTest::eachSheetShowsTheNewestDrawsAboveTheSelectionRow() {
    const DrawRows rows = sampleDraws(80);
    auto program = fxd::startOn(rows);
    struct Case {
        MoredbChartPage* (*pick)();
        const char* tab;
        int zones, drawnCols;
    } cases[] = {{whfb, "特性分布", 7, 77}, {extend, "扩展图表", 7, 51}, {tyzsd, "田野走势图", 7, 49}};
    for (const Case& c : cases) {
        MoredbChartPage* page = openSheet(c.pick);
        QCOMPARE(f_moredb->pc_moredb->tabText(f_moredb->pc_moredb->currentIndex()), QString::fromUtf8(c.tab));
        QVERIFY(page->image->renderCount() > 0);
        const t_s_grid& grid = page->grid();
        QCOMPARE(grid.zoneCount, c.zones);
        QCOMPARE(grid.drawnCols, c.drawnCols);
        const int sel = selectionRow(grid);
        QCOMPARE(sel, grid.fixedRows + grid.visibleRows - 1);
        QCOMPARE(grid.GetCellText(0, sel - 1), std::to_string(rows.back()[0]));
        QCOMPARE(page->sb_v->maximum(), 80);
        QCOMPARE(page->sb_v->value(), grid.topRow);
        // Every draw in view carries one mark per zone.
        for (int z = 0; z < grid.zoneCount; ++z) {
            int marks = 0;
            for (int col = grid.zones[z].first; col <= grid.zones[z].last; ++col) marks += grid.cell(col, sel - 1).tag;
            QCOMPARE(marks, 1);
        }
    }
    // The tab order of the page.
    QCOMPARE(f_moredb->pc_moredb->indexOf(f_moredb->ts_whfb), 3);
    QCOMPARE(f_moredb->pc_moredb->indexOf(f_moredb->ts_tyzsd), 5);
}

void MoredbChartsTest::aViewChangeStartsFromTheNewestDraws() {
    auto program = fxd::startOn(sampleDraws(80));
    struct Case {
        MoredbChartPage* (*pick)();
        std::function<void(MoredbChartPage*)> change;
        int drawnCols;
    } cases[] = {
        {whfb, [](MoredbChartPage* p) { p->rb_whfb_jo->setChecked(true); }, 21},
        {whfb, [](MoredbChartPage* p) { p->rb_whfb_zh->setChecked(true); }, 21},
        {extend, [](MoredbChartPage* p) { p->rb_extend_hz->setChecked(true); }, 11},
        {extend, [](MoredbChartPage* p) { p->rb_extend_fq->setChecked(true); }, 23},
        {extend, [](MoredbChartPage* p) { p->cb_extend_fq->setCurrentText("5"); }, 37},
    };
    for (const Case& c : cases) {
        MoredbChartPage* page = openSheet(c.pick);
        const int newest = page->grid().topRow;
        page->sb_v->setValue(5);
        QCOMPARE(page->grid().topRow, 5);
        const int sel = selectionRow(page->grid());
        clickCell(page, 0, page->grid().fixedRows);  // a highlighted row
        QVERIFY(page->grid().selectedRow > 0);
        c.change(page);
        QCOMPARE(page->grid().drawnCols, c.drawnCols);
        QCOMPARE(page->grid().topRow, newest);
        QCOMPARE(page->grid().selectedRow, 0);
        QCOMPARE(page->sb_v->value(), newest);
        QCOMPARE(selectionRow(page->grid()), sel == -1 ? page->grid().fixedRows + page->grid().visibleRows - 1 : sel);
    }
    // "刷新" keeps the window where it is.
    MoredbChartPage* page = openSheet(extend);
    page->sb_v->setValue(7);
    page->b_refresh->click();
    QCOMPARE(page->grid().topRow, 7);
}

void MoredbChartsTest::clicksHighlightARowOrMarkTheSelectionRow() {
    auto program = fxd::startOn(sampleDraws(80));
    MoredbChartPage* page = openSheet(whfb);
    const t_s_grid& grid = page->grid();
    clickCell(page, 5, grid.fixedRows + 3);
    QCOMPARE(grid.selectedRow, grid.topRow + 3);
    QCOMPARE(grid.cell(5, grid.fixedRows + 3).background, kGridHighlightColour);
    clickCell(page, 5, 0);  // a header row is never highlighted
    QVERIFY(grid.selectedRow < grid.topRow);

    const int sel = selectionRow(grid);
    clickCell(page, 4, sel);  // tail 3 of the first position
    QCOMPARE(grid.cell(4, sel).tag, 1);
    QCOMPARE(grid.GetCellText(4, sel), std::string("3"));
    clickCell(page, 12, sel);  // the hidden gap column is outside every zone: nothing changes
    clickCell(page, 6, sel);   // tail 5 takes over in the zone
    QCOMPARE(grid.cell(4, sel).tag, 0);
    QCOMPARE(grid.cell(6, sel).tag, 1);
    QCOMPARE(grid.cell(6, sel).mark.tile, 0);
    QCOMPARE(grid.GetCellText(0, sel), std::string(kChartSelectionCaption));
    // The selection row is kept across redraws and linked from the newest draw.
    page->b_refresh->click();
    QCOMPARE(grid.cell(6, sel).tag, 1);
    int linked = 0;
    for (int col = grid.zones[0].first; col <= grid.zones[0].last; ++col)
        if (grid.cell(col, sel - 1).linkOn) linked = grid.cell(col, sel - 1).linkTarget == &grid.cell(6, sel);
    QCOMPARE(linked, 1);
    menuAction(page, "mi_clearselection")->trigger();
    QCOMPARE(grid.cell(6, sel).tag, 0);

    // 扩展图表 marks the offset in the zone; 和值分布 without text.
    page = openSheet(extend);
    const int esel = selectionRow(page->grid());
    clickCell(page, 2 + 7 + 3, esel);
    QCOMPARE(page->grid().GetCellText(12, esel), std::string("3"));
    QCOMPARE(page->grid().cell(12, esel).mark.tile, 1);
    page->rb_extend_hz->setChecked(true);
    clickCell(page, 5, selectionRow(page->grid()));
    QCOMPARE(page->grid().cell(5, selectionRow(page->grid())).tag, 1);
    QCOMPARE(page->grid().GetCellText(5, selectionRow(page->grid())), std::string());
}

void MoredbChartsTest::scrollBarsAndTheTimerMoveTheWindow() {
    const DrawRows rows = sampleDraws(80);
    auto program = fxd::startOn(rows);
    MoredbChartPage* page = openSheet(whfb);
    const t_s_grid& grid = page->grid();
    page->sb_v->setValue(10);
    QCOMPARE(grid.topRow, 10);
    QCOMPARE(grid.GetCellText(0, grid.fixedRows), std::to_string(rows[9][0]));
    QCOMPARE(selectionRow(grid), -1);  // scrolled out of view
    QCOMPARE(page->sb_v->pageStep(), 10);

    // The tail view of seven positions is wider than the image.
    QVERIFY(grid.totalWidth > page->image->width());
    QCOMPARE(page->sb_h->minimum(), 1);
    QCOMPARE(page->sb_h->maximum(), grid.totalWidth - page->image->width() + 30);
    page->sb_h->setValue(40);
    QCOMPARE(grid.scrollX, 40);

    QVERIFY(menuAction(page, "mi_stopscroll")->isChecked());
    menuAction(page, "mi_speed3")->trigger();
    QCOMPARE(page->t_zsd->interval(), 300);
    menuAction(page, "mi_startscroll")->trigger();
    QVERIFY(page->t_zsd->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(grid.topRow > 10, 2000);
    menuAction(page, "mi_scrollup")->trigger();
    const int before = grid.topRow;
    QTRY_VERIFY_WITH_TIMEOUT(grid.topRow < before, 2000);
    // Another sheet shown: the next tick stops the timer.
    f_moredb->pc_moredb->setCurrentWidget(f_moredb->ts_extend);
    QTRY_VERIFY_WITH_TIMEOUT(!page->t_zsd->isActive(), 2000);
    QVERIFY(menuAction(page, "mi_stopscroll")->isChecked());
}

void MoredbChartsTest::theFieldChartFollowsItsStyleFiles() {
    auto program = fxd::startOn(sampleDraws(40));
    const Workspace& ws = workspace();
    // Style 1 has a matrix of its own, of three columns and two rows.
    QVERIFY(writeFileAtomically(ws.file("save\\mb_tyd1.jz"), joinGbkLines({"小矩阵", "3", "2", "1 2 3", "4 5 99"})).empty());
    MoredbChartPage* page = openSheet(tyzsd);
    QVERIFY(std::filesystem::exists(ws.file("save\\tyzsdstyle.txt")));
    QVERIFY(std::filesystem::exists(ws.file("save\\mb_tyd0.jz")));
    QCOMPARE(page->cb_tyzsd_style->count(), 10);
    QCOMPARE(page->e_tyzsd_qm->text(), QString::fromUtf8("田野走势图1"));
    QCOMPARE(page->cb_tyzsd_jz_c->currentText(), QStringLiteral("6"));
    QVERIFY(page->e_tyzsd_qm->isReadOnly());

    page->sb_v->setValue(3);
    page->cb_tyzsd_style->setCurrentIndex(1);
    const t_s_grid& grid = page->grid();
    QCOMPARE(page->e_tyzsd_qm->text(), QString::fromUtf8("小矩阵"));
    QCOMPARE(page->cb_tyzsd_jz_c->currentText(), QStringLiteral("3"));
    QCOMPARE(page->cb_tyzsd_jz_r->currentText(), QStringLiteral("2"));
    QCOMPARE(grid.fixedRows, 3);
    QCOMPARE(grid.drawnCols, 7 * 4);
    QCOMPARE(grid.GetCellText(3, 2), std::string());  // the empty matrix cell
    QCOMPARE(grid.GetCellText(2, 2), std::string("05"));
    QVERIFY(grid.topRow != 3);  // a new style starts from the newest draws

    page->cb_tyzsd_wh->setChecked(true);
    QVERIFY(grid.GetCellText(1, 0).ends_with("尾"));
    // Showing the page again goes back to the first style.
    f_main->openPage(PageId::moredb);
    f_moredb->pageShown();
    QCOMPARE(page->cb_tyzsd_style->currentIndex(), 0);
    QCOMPARE(page->settings().field.cols, 6);
}

void MoredbChartsTest::screenshot() {
    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    if (shots.isEmpty()) QSKIP("QORVEL_GRAB_DIR not set");
    auto program = fxd::startOn(sampleHistory());
    struct Shot {
        MoredbChartPage* (*pick)();
        const char* file;
    } shots_[] = {{whfb, "/moredb_whfb.png"}, {extend, "/moredb_extend.png"}, {tyzsd, "/moredb_tyzsd.png"}};
    for (const Shot& s : shots_) {
        MoredbChartPage* page = openSheet(s.pick);
        clickCell(page, page->grid().zones[0].first + 1, selectionRow(page->grid()));
        QApplication::processEvents();
        QVERIFY(f_main->grab().save(shots + s.file));
    }
}

QTEST_MAIN(MoredbChartsTest)
#include "moredb_charts_test.moc"
