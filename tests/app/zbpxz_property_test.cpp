// The dissection page's 特性图表: the property table of a small series, its selection row and display
// modes, the component chooser "组件" that changes the table's columns and the zone viewer "取值范围及分区".
// With QORVEL_GRAB_DIR set it saves 1024 x 768 pictures of the sub-page for z_hz on the bundled sample and of
// the two dialogs.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "app/app_state.h"
#include "app/dialogs/zbpxz/component_dialog.h"
#include "app/dialogs/zbpxz/zone_viewer_dialog.h"
#include "app/pages/fxd/fxd_cell_grid.h"
#include "app/pages/u_zbpx.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/zbpxz/zbpxz_property_page.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "zbpxz_test_support.h"
#include "core/draws/forecast_row.h"
#include "core/views/dissection_export.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

using zbpxz::Program;

QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

QStringList tableNames() {
    QStringList out;
    for (const NumberClassEntry& e : workspace().numberClasses.entries) out << fromUtf8(e.name);
    return out;
}

void selectItem(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list->setCurrentItem(found.first());
}

// Shows the property sub-page for a hand-made series over the current history.
ZbpxzPropertyPage* showProperties(const std::vector<int32_t>& series, int32_t min, int32_t max) {
    DissectionInput input;
    input.series = series;
    input.seriesMin = min;
    input.seriesMax = max;
    input.title = "测试";
    f_main->openPage(PageId::zbpxz);
    f_zbpxz->OpenDissection(input);
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_txtb);
    QApplication::processEvents();
    return f_zbpxz->ts_txtb;
}

QPoint cellCentre(FxdCellGrid* grid, int row, int col) {
    grid->scrollTo(grid->model()->index(row, col));
    return grid->visualRect(grid->model()->index(row, col)).center();
}

QImage cellPicture(FxdCellGrid* grid, int row, int col) {
    const QRect r = grid->visualRect(grid->model()->index(row, col));
    return grid->viewport()->grab(r).toImage();
}

QStringList memoLines(const ZoneViewerDialog& d) { return d.m_zones->toPlainText().split('\n'); }

}  // namespace

class ZbpxzPropertyTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void chooserMovesComponentsAndRebuildsTheTable();
    void zoneViewerListsTheZones();
    void zoneViewerRefusals_data();
    void zoneViewerRefusals();
    void tableOfASmallSeries();
    void selectionRowAndDisplayModes();
    void componentsChangeTheColumns();
    void screenshots();
};

void ZbpxzPropertyTest::chooserMovesComponentsAndRebuildsTheTable() {
    Program program(sampleDraws(10));
    {
        ComponentDialog dialog(f_main);
        QCOMPARE(items(dialog.lb_used), (QStringList{"尾号", "奇偶", "质合", "小大", "三区", "四区", "除三余数", "除四余数"}));
        QCOMPARE(items(dialog.lb_available).first(), QStringLiteral("五区"));
        QCOMPARE(items(dialog.lb_available).last(), QStringLiteral("除十五余数"));
        selectItem(dialog.lb_available, "十二区");
        dialog.b_use->click();
        QCOMPARE(items(dialog.lb_used).last(), QStringLiteral("十二区"));
        QVERIFY(!items(dialog.lb_available).contains("十二区"));
        selectItem(dialog.lb_used, "尾号");
        dialog.b_release->click();
        QCOMPARE(items(dialog.lb_available).first(), QStringLiteral("尾号"));
        // The table is only rebuilt when the dialog closes.
        QCOMPARE(tableNames().first(), QStringLiteral("尾号"));
        dialog.b_close->click();
    }
    QCOMPARE(tableNames(), (QStringList{"奇偶", "质合", "小大", "三区", "四区", "除三余数", "除四余数", "十二区"}));
    QCOMPARE(int(workspace().numberClasses.entries.back().firstClass), 2 + 2 + 2 + 3 + 4 + 3 + 4 + 1);

    // The last component in use cannot go; closing by the window keeps the choice too.
    workspace().numberClasses = buildNumberClassTable({"小大", "五区"});
    ComponentDialog dialog(f_main);
    dialog.show();
    dialog.lb_used->setCurrentRow(0);
    dialog.b_release->click();
    dialog.b_release->click();
    QCOMPARE(items(dialog.lb_used), QStringList{"五区"});
    selectItem(dialog.lb_available, "除九余数");
    dialog.b_use->click();
    dialog.close();
    QCOMPARE(tableNames(), (QStringList{"五区", "除九余数"}));
}

void ZbpxzPropertyTest::zoneViewerListsTheZones() {
    Program program(sampleDraws(10));
    ZoneViewerDialog dialog(1, 16, f_main);
    QCOMPARE(dialog.e_from->text(), QStringLiteral("1"));
    QCOMPARE(dialog.e_to->text(), QStringLiteral("16"));
    QVERIFY(dialog.rb_common->isChecked());
    QCOMPARE(dialog.cb_zones->currentText(), QStringLiteral("20"));
    QCOMPARE(dialog.cb_zones->itemText(0), QStringLiteral("2"));
    QCOMPARE(dialog.cb_zones->itemText(dialog.cb_zones->count() - 1), QStringLiteral("1000"));
    // Opened already listing the common zones of its range.
    const QStringList common = memoLines(dialog);
    QCOMPARE(common.mid(0, 5), (QStringList{"(2分区的分区设定)", "第1分区<1..8>;  第2分区<9..16>;  ", "",
                                            "(3分区的分区设定)", "第1分区<1..5>;  第2分区<6..10>;  第3分区<11..16>;  "}));
    QVERIFY(common.contains("(15分区的分区设定)"));
    QVERIFY(!common.contains("(16分区的分区设定)"));

    dialog.e_from->setText("-3");
    dialog.e_to->setText(" 4 ");
    dialog.rb_given->setChecked(true);
    dialog.cb_zones->setCurrentText("4");
    QTest::mouseClick(dialog.b_apply, Qt::LeftButton);
    QCOMPARE(memoLines(dialog),
             (QStringList{"(4分区的分区设定)", "第1分区<-3..-2>;  第2分区<-1..0>;  第3分区<1..2>;  第4分区<3..4>;  ", ""}));
    QVERIFY(program.platform.messages.texts().isEmpty());
}

void ZbpxzPropertyTest::zoneViewerRefusals_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << "16" << QString::fromUtf8(kBoundsEmpty);
    QTest::newRow("reversed") << "17" << "16" << QString::fromUtf8(kBoundsReversed);
    QTest::newRow("no number") << "1" << "1x" << QString::fromUtf8(kBoundsNotNumbers);
}

void ZbpxzPropertyTest::zoneViewerRefusals() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);
    Program program(sampleDraws(10));
    ZoneViewerDialog dialog(1, 16, f_main);
    const QString before = dialog.m_zones->toPlainText();
    dialog.e_from->setText(from);
    dialog.e_to->setText(to);
    dialog.b_apply->click();
    QCOMPARE(program.platform.messages.texts(), QStringList{message});
    QCOMPARE(dialog.m_zones->toPlainText(), before);
}

void ZbpxzPropertyTest::tableOfASmallSeries() {
    Program program(sampleDraws(4));
    writeForecastFields(workspace().MainStore, workspace().params.MainCount, {1, 2, 3, 4, 5, 6}, {});
    ZbpxzPropertyPage* page = showProperties({7, 12, 7, 3, 16}, 1, 16);
    QCOMPARE(f_zbpxz->pc_zbpxz->indexOf(page), 1);
    QCOMPARE(f_zbpxz->pc_zbpxz->tabText(1), QStringLiteral("特性图表"));
    QCOMPARE(f_zbpxz->statusText(), QStringLiteral("测试的特性图表"));
    QCOMPARE(page->cb_txtb_from->currentText(), QStringLiteral("2020001"));
    QCOMPARE(page->cb_txtb_to->currentText(), QStringLiteral("9999999"));

    const PropertyTable& t = page->table();
    QCOMPARE(page->sg_txtb->columnCount(), kPropertyFixedColumns + 30);
    QCOMPARE(page->sg_txtb->rowCount(), 5 + 1);
    QCOMPARE(QString::fromStdString(t.rows.back().issueText), QStringLiteral("预测区"));
    // 16 over 1..16: tail 6, even, composite, large, third of three zones, fourth of four.
    const std::vector<int> last{6, 1, 1, 1, 2, 3, 1, 0};
    QVERIFY(t.rows.back().classes == last);

    // A shorter range shows its own draws only.
    page->cb_txtb_from->setCurrentIndex(2);
    QCOMPARE(page->sg_txtb->rowCount(), 3 + 1);
    QCOMPARE(page->table().rows.front().value, 7);
    QCOMPARE(page->table().rows.front().draw, 3);
    const int issueWidth = page->sg_txtb->columnWidth(0);
    page->cb_txtb_width->setCurrentText("40");
    QCOMPARE(page->sg_txtb->columnWidth(kPropertyFixedColumns), 40);
    QCOMPARE(page->sg_txtb->columnWidth(page->sg_txtb->columnCount() - 1), 40);
    QCOMPARE(page->sg_txtb->columnWidth(0), issueWidth);

    // The zone viewer opens on the series range.
    QString from, to;
    whenModalShown([&](QDialog* dialog) {
        auto* d = static_cast<ZoneViewerDialog*>(dialog);
        from = d->e_from->text();
        to = d->e_to->text();
        d->b_close->click();
    });
    page->b_txtb_fq->click();
    QCOMPARE(from, QStringLiteral("1"));
    QCOMPARE(to, QStringLiteral("16"));
}

void ZbpxzPropertyTest::selectionRowAndDisplayModes() {
    Program program(sampleDraws(5));
    ZbpxzPropertyPage* page = showProperties({7, 12, 7, 3, 16}, 1, 16);
    FxdCellGrid* grid = page->sg_txtb;
    const int even = kPropertyFixedColumns + page->table().columnOf(1, 1);
    const int selection = page->selectionRow();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, selection, even));
    QVERIFY(page->selection()[static_cast<std::size_t>(even - kPropertyFixedColumns)]);
    QCOMPARE(std::count(page->selection().begin(), page->selection().end(), true), 1);
    // A data row or the issue column takes no selection; a second click releases the class.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, selection - 1, even + 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, selection, 0));
    QCOMPARE(std::count(page->selection().begin(), page->selection().end(), true), 1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, selection, even));
    QCOMPARE(std::count(page->selection().begin(), page->selection().end(), true), 0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, selection, even));
    page->pm_txtb->findChild<QAction*>("mi_clearselection")->trigger();
    QCOMPARE(std::count(page->selection().begin(), page->selection().end(), true), 0);

    // The popup switches the marks: row 0 (value 7) is odd, so its 奇 cell carries the mark.
    const int odd = even - 1;
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, cellCentre(grid, 0, odd));
    QVERIFY(page->pm_txtb->isVisible());
    page->pm_txtb->hide();
    std::vector<QImage> pictures;
    for (int mode = 0; mode < 4; ++mode) {
        page->pm_txtb->findChild<QAction*>(QStringLiteral("mi_xsms%1").arg(mode))->trigger();
        QCOMPARE(page->displayMode(), mode);
        QApplication::processEvents();
        pictures.push_back(cellPicture(grid, 0, odd));
    }
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) QVERIFY2(pictures[a] != pictures[b], qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
    // A cell without the value's class shows its omission, the same in every mode.
    page->pm_txtb->findChild<QAction*>("mi_xsms0")->trigger();
    const QImage missBall = cellPicture(grid, 0, even);
    page->pm_txtb->findChild<QAction*>("mi_xsms3")->trigger();
    QCOMPARE(cellPicture(grid, 0, even), missBall);
}

void ZbpxzPropertyTest::componentsChangeTheColumns() {
    Program program(sampleDraws(5));
    ZbpxzPropertyPage* page = showProperties({7, 12, 7, 3, 16}, 1, 16);
    QTest::mouseClick(page->sg_txtb->viewport(), Qt::LeftButton, {},
                      cellCentre(page->sg_txtb, page->selectionRow(), kPropertyFixedColumns));
    whenModalShown([](QDialog* dialog) {
        auto* d = static_cast<ComponentDialog*>(dialog);
        for (const char* name : {"尾号", "奇偶", "质合", "三区", "四区", "除三余数"}) {
            selectItem(d->lb_used, name);
            d->b_release->click();
        }
        selectItem(d->lb_available, "十五区");
        d->b_use->click();
        d->b_close->click();
    });
    page->b_txtb_zj->click();
    QCOMPARE(tableNames(), (QStringList{"小大", "除四余数", "十五区"}));
    const PropertyTable& t = page->table();
    QCOMPARE(page->sg_txtb->columnCount(), kPropertyFixedColumns + 2 + 4 + 15);
    QCOMPARE(int(t.components.size()), 3);
    QCOMPARE(QString::fromStdString(t.components[2].name), QStringLiteral("十五区"));
    // 16 in fifteen zones of 1..16: the last two values share the last zone.
    QCOMPARE(t.rows.back().classes[2], 14);
    QCOMPARE(t.rows[3].classes[2], 2);
    // The old selection does not carry over to other classes.
    QCOMPARE(std::count(page->selection().begin(), page->selection().end(), true), 0);
    QCOMPARE(page->selection().size(), t.columns.size());
}

void ZbpxzPropertyTest::screenshots() {
    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    Program program(sampleHistory());
    f_main->openPage(PageId::zbpx);
    f_zbpx->rb_selfzb->setChecked(true);
    f_zbpx->e_selfzb->setText("z_hz");
    QTest::mouseClick(f_zbpx->b_ok, Qt::LeftButton);
    QElapsedTimer timer;
    timer.start();
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_txtb);
    f_zbpxz->ts_txtb->sg_txtb->viewport()->repaint();
    qInfo("特性图表 over %d draws shown: %lld ms", f_zbpxz->input().series.size() > 0 ? int(f_zbpxz->input().series.size()) : 0,
          timer.elapsed());
    QCOMPARE(f_zbpxz->ts_txtb->table().rows.size(), std::size_t(100));
    if (shots.isEmpty()) QSKIP("QORVEL_GRAB_DIR not set");
    QApplication::processEvents();
    f_main->grab().save(shots + "/zbpxz_hz_txtb.png");
    whenModalShown([&](QDialog* dialog) {
        dialog->grab().save(shots + "/zbpxz_component_dialog.png");
        dialog->accept();
    });
    f_zbpxz->ts_txtb->b_txtb_zj->click();
    whenModalShown([&](QDialog* dialog) {
        dialog->grab().save(shots + "/zbpxz_zone_viewer.png");
        dialog->accept();
    });
    f_zbpxz->ts_txtb->b_txtb_fq->click();
}

QTEST_MAIN(ZbpxzPropertyTest)
#include "zbpxz_property_test.moc"
