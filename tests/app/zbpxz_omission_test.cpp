// The dissection's value omission table (遗漏分布图表) and data distribution picture (数据分布图): their
// place among the sub-pages, the table against a small series, ordering, selection row, display mode and
// line chart, the too-wide range and the distribution bounds' messages. With QORVEL_GRAB_DIR set it saves
// 1024 x 768 pictures of both sub-pages for z_hz on the bundled sample and for getylz(getzf(z_hz)).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "app/app_state.h"
#include "app/pages/fxd/fxd_cell_grid.h"
#include "app/pages/u_zbpx.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/zbpxz/zbpxz_distribution_page.h"
#include "app/pages/zbpxz/zbpxz_omission_page.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "zbpxz_test_support.h"
#include "core/views/dissection_distribution.h"
#include "core/views/omission_cells.h"
#include "ui/drawing_host.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

using zbpxz::Program;

// Five draws over the values −2…2: 1 never drawn, −1 only in the last draw.
const std::vector<int32_t> kSeries = {0, -2, 0, 2, -1};

void openSeries(const std::vector<int32_t>& series, int32_t min, int32_t max) {
    DissectionInput input;
    input.series = series;
    input.seriesMin = min;
    input.seriesMax = max;
    input.title = "测试序列";
    input.cursorRow = 1;
    f_zbpxz->OpenDissection(input);
}

ZbpxzOmissionPage* showTable() {
    f_main->openPage(PageId::zbpxz);
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_ylfb);
    QApplication::processEvents();
    return f_zbpxz->ts_ylfb;
}

void dissect(const QString& formula) {
    f_zbpx->rb_selfzb->setChecked(true);
    f_zbpx->e_selfzb->setText(formula);
    QTest::mouseClick(f_zbpx->b_ok, Qt::LeftButton);
}

QImage cellImage(FxdCellGrid* grid, int row, int col) {
    const QModelIndex index = grid->model()->index(row, col);
    grid->scrollTo(index);
    QApplication::processEvents();
    return grid->viewport()->grab(grid->visualRect(index)).toImage();
}

void pressCell(FxdCellGrid* grid, int row, int col, Qt::MouseButton button = Qt::LeftButton) {
    const QModelIndex index = grid->model()->index(row, col);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), button, Qt::NoModifier, grid->visualRect(index).center());
}

QStringList headerTexts(FxdCellGrid* grid) {
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c) texts << grid->horizontalHeaderItem(c)->text();
    return texts;
}

}  // namespace

class ZbpxzOmissionTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void subPagesTakeTheirPlaces();
    void tableFollowsTheSeries();
    void selectionRowAndDisplayMode();
    void lineJoinsTheDrawnCells();
    void tooWideRangeShowsTheMessage();
    void distributionBounds_data();
    void distributionBounds();
    void sampleHistoryDrawsQuickly();
    void screenshots();
};

void ZbpxzOmissionTest::subPagesTakeTheirPlaces() {
    Program program(sampleDraws(5));
    openSeries(kSeries, -2, 2);
    const int table = f_zbpxz->pc_zbpxz->indexOf(f_zbpxz->ts_ylfb);
    QCOMPARE(f_zbpxz->pc_zbpxz->tabText(table - 1), QStringLiteral("均值走势图"));
    QCOMPARE(f_zbpxz->pc_zbpxz->indexOf(f_zbpxz->ts_sjfb), table + 1);
    QCOMPARE(f_zbpxz->pc_zbpxz->tabText(table + 2), QStringLiteral("田野走势图"));
    for (const char* name : {"遗漏分布图表", "数据分布图"}) {
        const int index = name == QStringLiteral("遗漏分布图表") ? table : table + 1;
        f_zbpxz->pc_zbpxz->setCurrentIndex(index);
        QCOMPARE(f_zbpxz->pc_zbpxz->tabText(index), QString::fromUtf8(name));
        QCOMPARE(f_zbpxz->l_status->text(), QStringLiteral("测试序列的") + QString::fromUtf8(name));
    }
    QVERIFY(program.platform.messages.texts().isEmpty());
}

void ZbpxzOmissionTest::tableFollowsTheSeries() {
    Program program(sampleDraws(5));
    openSeries(kSeries, -2, 2);
    ZbpxzOmissionPage* page = showTable();
    FxdCellGrid* grid = page->sg_ylfb;
    QVERIFY(grid->isVisible());
    QCOMPARE(headerTexts(grid), (QStringList{"期号", "-2", "-1", "00", "01", "02", "指标取值"}));
    QCOMPARE(grid->rowCount(), 5 + 1 + 5);
    QCOMPARE(page->table().rows.back().issueText, std::string("2020005"));
    QCOMPARE(page->table().statistics[3].occurrences, 0);  // 1 is never drawn
    QCOMPARE(page->table().statistics[3].currentOmission, 5);
    QCOMPARE(page->table().statistics[1].currentOmission, 0);  // −1 drawn in the last draw
    // The range starts afresh at its first draw.
    page->cb_ylfb_startfrom->setCurrentIndex(3);
    QCOMPARE(page->table().rows.size(), std::size_t{2});
    QCOMPARE(page->table().cellText(page->table().rows[0].cells[0]), std::string("1"));
    // 按除3余数 groups the negative values by their non-negative remainders.
    page->cb_ylfb_sortaccofq->setCurrentIndex(3);
    QCOMPARE(headerTexts(grid), (QStringList{"期号", "00", "-2", "01", "-1", "02", "指标取值"}));
    QVERIFY(program.platform.messages.texts().isEmpty());
}

void ZbpxzOmissionTest::selectionRowAndDisplayMode() {
    Program program(sampleDraws(5));
    openSeries(kSeries, -2, 2);
    ZbpxzOmissionPage* page = showTable();
    FxdCellGrid* grid = page->sg_ylfb;
    const int selectionRow = omissionSelectionRow(page->table());
    pressCell(grid, selectionRow, 2);  // −1
    pressCell(grid, selectionRow, 5);  // 2
    QCOMPARE(page->selection(), (std::set<int>{-1, 2}));
    pressCell(grid, selectionRow, 2);
    QCOMPARE(page->selection(), (std::set<int>{2}));
    pressCell(grid, 1, 2);  // a data row is not the selection
    QCOMPARE(page->selection(), (std::set<int>{2}));
    control<QAction>(page->pm_ylfb, "mi_ylfb_clear")->trigger();
    QVERIFY(page->selection().empty());

    // The display mode changes the drawn marks only: row 0's drawn 0 (column 3), not its omissions.
    const QImage ballDrawn = cellImage(grid, 0, 3), ballOmission = cellImage(grid, 0, 4);
    control<QAction>(page->pm_ylfb, "mi_xsms3")->trigger();
    QCOMPARE(page->displayMode(), 3);
    QVERIFY(cellImage(grid, 0, 3) != ballDrawn);
    QCOMPARE(cellImage(grid, 0, 4), ballOmission);
    control<QAction>(page->pm_ylfb, "mi_xsms0")->trigger();
    QCOMPARE(cellImage(grid, 0, 3), ballDrawn);
    // A new series forgets the selection made on the old one.
    pressCell(grid, selectionRow, 1);
    openSeries(kSeries, -2, 2);
    QVERIFY(page->selection().empty());
}

void ZbpxzOmissionTest::lineJoinsTheDrawnCells() {
    Program program(sampleDraws(5));
    openSeries(kSeries, -2, 2);
    ZbpxzOmissionPage* page = showTable();
    FxdCellGrid* grid = page->sg_ylfb;
    grid->scrollToTop();
    QApplication::processEvents();
    // Draw 1 is drawn in column 3 (value 0), draw 2 in column 1 (−2): the line passes the midpoint.
    const QPoint a = grid->visualRect(grid->model()->index(0, 3)).center();
    const QPoint b = grid->visualRect(grid->model()->index(1, 1)).center();
    const QPoint middle = (a + b) / 2;
    auto reddish = [&] {
        const QColor c = grid->viewport()->grab().toImage().pixelColor(middle);
        return c.red() > 150 && c.green() < 100 && c.blue() < 100;
    };
    QVERIFY(!reddish());
    page->cb_ylfb_line->setChecked(true);
    QVERIFY(reddish());
    // The type filter hiding the even values hides 0 and −2, and their joining line with them.
    page->cb_ylfb_specshow->setCurrentIndex(1);
    QVERIFY(!reddish());
}

void ZbpxzOmissionTest::tooWideRangeShowsTheMessage() {
    Program program(sampleDraws(5));
    openSeries({0, 200, 7, 3, 9}, 0, 200);
    ZbpxzOmissionPage* page = showTable();
    QCOMPARE(program.platform.messages.texts(), QStringList{QString::fromUtf8(kValueRangeTooWide)});
    QVERIFY(page->tooWide());
    QVERIFY(!page->sg_ylfb->isVisible());
    QVERIFY(page->l_ylfb_message->isVisible());
    QCOMPARE(page->l_ylfb_message->text(), QString::fromUtf8(kValueRangeTooWide));
    // A range of 101 values is still a table.
    program.platform.messages.messages.clear();
    openSeries({0, 100, 7, 3, 9}, 0, 100);
    showTable();
    QVERIFY(program.platform.messages.texts().isEmpty());
    QVERIFY(page->sg_ylfb->isVisible());
    QCOMPARE(page->sg_ylfb->columnCount(), 101 + 2);
}

void ZbpxzOmissionTest::distributionBounds_data() {
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QString>("message");
    QTest::newRow("within") << "-2" << "2" << "";
    QTest::newRow("span of 100") << "-50" << "50" << "";
    QTest::newRow("span of 101") << "-50" << "51" << QString::fromUtf8(kDistributionSpanTooWide);
    QTest::newRow("min above max") << "3" << "-1" << QString::fromUtf8(kDistributionMinAboveMax);
    QTest::newRow("empty min") << "" << "2" << QString::fromUtf8(kDistributionBoundsEmpty);
    QTest::newRow("empty max") << "0" << "" << QString::fromUtf8(kDistributionBoundsEmpty);
}

void ZbpxzOmissionTest::distributionBounds() {
    QFETCH(QString, min);
    QFETCH(QString, max);
    QFETCH(QString, message);
    Program program(sampleDraws(5));
    openSeries(kSeries, -2, 2);
    f_main->openPage(PageId::zbpxz);
    ZbpxzDistributionPage* page = f_zbpxz->ts_sjfb;
    f_zbpxz->pc_zbpxz->setCurrentWidget(page);
    QCOMPARE(page->e_sjfb_min->text(), QStringLiteral("-2"));
    QCOMPARE(page->e_sjfb_max->text(), QStringLiteral("2"));
    const QImage series = page->im->picture();
    page->e_sjfb_min->setText(min);
    page->e_sjfb_max->setText(max);
    QTest::mouseClick(page->b_sjfb_update, Qt::LeftButton);
    QCOMPARE(program.platform.messages.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(fromUtf8(page->boundsError()), message);
    if (message.isEmpty()) {
        QCOMPARE(page->bounds(), (DistributionBounds{min.toInt(), max.toInt()}));
    } else {
        // A refusal leaves no chart of the earlier bounds behind.
        QVERIFY(page->im->picture() != series);
        page->e_sjfb_min->setText("-2");
        page->e_sjfb_max->setText("2");
        QTest::mouseClick(page->b_sjfb_update, Qt::LeftButton);
        QCOMPARE(page->im->picture(), series);
    }
}

// Prints how long switching to each of the two sub-pages and one scroll step take for the bundled sample,
// after one grab of the window has loaded fonts and pictures.
void ZbpxzOmissionTest::sampleHistoryDrawsQuickly() {
    Program program(sampleHistory());
    QElapsedTimer timer;
    for (const char* formula : {"z_num1", "getylz(getzf(z_hz))"}) {
        dissect(formula);
        QApplication::processEvents();
        f_main->grab();
        for (QWidget* page : std::initializer_list<QWidget*>{f_zbpxz->ts_ylfb, f_zbpxz->ts_sjfb}) {
            timer.start();
            f_zbpxz->pc_zbpxz->setCurrentWidget(page);
            for (DrawingHost* host : page->findChildren<DrawingHost*>()) host->picture();
            page->grab();
            qInfo("%s, switch to %s: %lld ms", formula, qPrintable(page->objectName()), timer.elapsed());
        }
    }
    timer.restart();
    f_zbpxz->ts_sjfb->sb->setValue(f_zbpxz->ts_sjfb->sb->value() - 1);
    f_zbpxz->ts_sjfb->im->picture();
    qInfo("one scroll step of the distribution picture: %lld ms", timer.elapsed());
}

void ZbpxzOmissionTest::screenshots() {
    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    if (shots.isEmpty()) QSKIP("QORVEL_GRAB_DIR not set");
    Program program(sampleHistory());
    f_main->openPage(PageId::zbpx);
    auto grabBoth = [&](const QString& prefix) {
        for (QWidget* page : std::initializer_list<QWidget*>{f_zbpxz->ts_ylfb, f_zbpxz->ts_sjfb}) {
            f_zbpxz->pc_zbpxz->setCurrentWidget(page);
            QApplication::processEvents();
            f_main->grab().save(shots + "/" + prefix + "_" + page->objectName() + ".png");
        }
    };
    dissect("z_hz");
    QApplication::processEvents();
    grabBoth("zbpxz_hz");
    ZbpxzDistributionPage* distribution = f_zbpxz->ts_sjfb;
    distribution->e_sjfb_min->setText("70");
    distribution->e_sjfb_max->setText("130");
    distribution->b_sjfb_update->click();
    for (int style = 0; style < kDistributionStyles; ++style) {
        distribution->cb_sjfb_style->setCurrentIndex(style);
        QApplication::processEvents();
        f_main->grab().save(shots + QStringLiteral("/zbpxz_hz_ts_sjfb_70_130_style%1.png").arg(style + 1));
    }
    dissect("getylz(getzf(z_hz))");
    QApplication::processEvents();
    grabBoth("zbpxz_formula");
    f_zbpxz->ts_ylfb->cb_ylfb_line->setChecked(true);
    f_zbpxz->ts_ylfb->cb_ylfb_sortaccofq->setCurrentIndex(2);
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_ylfb);
    QApplication::processEvents();
    f_main->grab().save(shots + "/zbpxz_formula_ts_ylfb_line_oddeven.png");
    // A narrow range shows the table itself.
    dissect("z_num1");
    QApplication::processEvents();
    grabBoth("zbpxz_num1");
    f_zbpxz->ts_ylfb->cb_ylfb_specshow->setCurrentIndex(1);
    f_zbpxz->ts_ylfb->cb_ylfb_width->setCurrentIndex(f_zbpxz->ts_ylfb->cb_ylfb_width->findText("40"));
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_ylfb);
    QApplication::processEvents();
    f_main->grab().save(shots + "/zbpxz_num1_ts_ylfb_odd_wide.png");
}

QTEST_MAIN(ZbpxzOmissionTest)
#include "zbpxz_omission_test.moc"
