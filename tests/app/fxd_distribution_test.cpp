// The distribution chart sub-page: where it opens, the association tiles on a small history, the
// selection row (clicks, the limit of the type's main count, import into the forecast row and its
// removal), cold/warm/hot mode, the highlighted row and the wheel.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "app/app_state.h"
#include "app/pages/fxd/fxd_distribution_view.h"
#include "draws/forecast_row.h"
#include "fxd_test_support.h"
#include "ui/drawing_host.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kNumberColumn = 2;  // column of number 1

FxdDistributionView* distributionView() {
    return static_cast<FxdDistributionView*>(fxd::showSubPage("ts_fbt"));
}

QPoint cellCentre(const t_s_grid& grid, int col, int row) {
    const t_s_cell& c = grid.cell(col, row);
    int x = grid.bounds.left + c.left + c.width / 2;
    if (col >= grid.frozenCols) x += 1 - grid.scrollX;
    return QPoint(x, grid.bounds.top + c.top + c.height / 2);
}

// Draws the picture so the grid is laid out, then clicks cell (col, row).
void clickCell(FxdDistributionView* view, int col, int row, Qt::MouseButton button = Qt::LeftButton) {
    view->i_fbd->picture();
    QTest::mouseClick(view->i_fbd, button, Qt::NoModifier, cellCentre(view->grid(), col, row));
}

int selectionGridRow(FxdDistributionView* view) {
    view->i_fbd->picture();
    return view->grid().fixedRows + workspace().MainStore.Count() - view->grid().topRow + 1;
}

// 07 08 09 in the second draw, 11 12 in the third; nothing else touches across draws.
const DrawRows kSmallHistory = {{2020001, 1, 3, 14, 18, 22, 26, 5},
                                {2020002, 7, 8, 9, 20, 29, 33, 6},
                                {2020003, 2, 11, 12, 16, 24, 31, 7}};

}  // namespace

class FxdDistributionTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void itOpensOnTheNewestDrawsWithTheSelectionRowAfterThem();
    void runsAndPairsGetTheirTiles();
    void theSelectionRowTakesAtMostTheMainCountAndImports();
    void coldWarmHotColoursEveryNumber();
};

void FxdDistributionTest::itOpensOnTheNewestDrawsWithTheSelectionRowAfterThem() {
    const DrawRows sample = fxd::ssqSample();
    auto program = fxd::startOn(sample);
    FxdDistributionView* view = distributionView();
    fxd::grabIfAsked(view, "fxd_fbt_association");
    view->i_fbd->picture();
    const t_s_grid& grid = view->grid();
    const int count = static_cast<int>(sample.size());
    QCOMPARE(grid.topRow, count - (grid.visibleRows - 2));
    QCOMPARE(view->sb_fbd_v->value(), grid.topRow);
    QCOMPARE(grid.GetCellText(kNumberColumn, 0), "开奖" + workspace().MainLabel());
    QCOMPARE(grid.GetCellText(kNumberColumn + 32, 1), std::string("33"));
    const int lastRow = grid.fixedRows + count - grid.topRow;
    QCOMPARE(QString::fromStdString(grid.GetCellText(0, lastRow)), QString::number(sample.back()[0]));
    QCOMPARE(grid.GetCellText(0, lastRow + 1), std::string("选号区"));
    for (int k = 1; k <= 6; ++k) {
        const t_s_cell& c = grid.cell(kNumberColumn + sample.back()[k] - 1, lastRow);
        QCOMPARE(c.tag, 1);
        QCOMPARE(c.mark.kind, kMarkPicture);
        QCOMPARE(c.mark.transparent, 1);  // a ball in the default display mode
    }

    // A left click highlights a draw; the wheel moves the top row by one a notch.
    clickCell(view, 0, lastRow - 3);
    view->i_fbd->picture();
    QCOMPARE(grid.selectedRow, count - 3);
    QWheelEvent wheel(QPointF(50, 50), view->i_fbd->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    const int top = grid.topRow;
    QApplication::sendEvent(view->i_fbd, &wheel);
    view->i_fbd->picture();
    QCOMPARE(grid.topRow, top - 1);

    // 方块 display mode: squares without numbers.
    mainAction("mi_xsms3")->trigger();
    view->i_fbd->picture();
    const t_s_cell& square = grid.cell(kNumberColumn + sample.back()[1] - 1, lastRow + 1);  // one row lower after the wheel
    QCOMPARE(square.mark.transparent, 0);
    QVERIFY(square.text.empty());
}

void FxdDistributionTest::runsAndPairsGetTheirTiles() {
    auto program = fxd::startOn(kSmallHistory);
    FxdDistributionView* view = distributionView();
    view->i_fbd->picture();
    const t_s_grid& grid = view->grid();
    QCOMPARE(grid.topRow, 1);
    struct Case {
        int draw, number, tile;
    };
    const Case cases[] = {{2, 7, 0}, {2, 8, 0}, {2, 9, 0}, {2, 20, 2}, {3, 11, 1}, {3, 12, 1}, {1, 1, 2}};
    for (const Case& c : cases) {
        const t_s_cell& cell = grid.cell(kNumberColumn + c.number - 1, grid.fixedRows + c.draw - 1);
        QVERIFY2(cell.tag == 1 && cell.mark.tile == c.tile, qPrintable(QStringLiteral("draw %1 number %2").arg(c.draw).arg(c.number)));
    }
    // "取消标识": every drawn number on tile 2.
    view->cb_fbd->setCurrentIndex(2);
    view->i_fbd->picture();
    QCOMPARE(grid.cell(kNumberColumn + 8 - 1, grid.fixedRows + 1).mark.tile, 2);
}

void FxdDistributionTest::theSelectionRowTakesAtMostTheMainCountAndImports() {
    auto program = fxd::startOn(kSmallHistory);
    FxdDistributionView* view = distributionView();
    const int row = selectionGridRow(view);
    for (int n : {3, 5, 9, 14, 21}) clickCell(view, kNumberColumn + n - 1, row);
    QCOMPARE(view->selectedMainNumbers(), (std::vector<int>{3, 5, 9, 14, 21}));

    // Five of six: refused with the count the type needs, nothing written.
    view->importSelection();
    QCOMPARE(program->platform.messages.texts(), QStringList{QStringLiteral("选号区红号个数应为6个")});
    QCOMPARE(workspace().MainStore.Count(), 3);

    clickCell(view, kNumberColumn + 30 - 1, row);
    clickCell(view, kNumberColumn + 31 - 1, row);  // a seventh: refused
    QCOMPARE(view->selectedMainNumbers(), (std::vector<int>{3, 5, 9, 14, 21, 30}));
    clickCell(view, kNumberColumn + 5 - 1, row);  // a second click releases
    clickCell(view, kNumberColumn + 31 - 1, row);
    QCOMPARE(view->selectedMainNumbers(), (std::vector<int>{3, 9, 14, 21, 30, 31}));
    view->i_fbd->picture();
    QCOMPARE(view->grid().cell(kNumberColumn + 31 - 1, row).tag, 1);

    view->importSelection();
    t_s_dm& store = workspace().MainStore;
    QCOMPARE(store.Count(), 4);
    QCOMPARE(store.Row(4).fields[0], 9999999);
    for (int k = 0; k < 6; ++k) QCOMPARE(store.Row(4).fields[k + 1], (std::vector<int>{3, 9, 14, 21, 30, 31})[k]);
    view->i_fbd->picture();
    QCOMPARE(view->grid().GetCellText(0, view->grid().fixedRows + 3), std::string("预测区"));

    view->clearForecast();
    QCOMPARE(store.Count(), 3);
    view->clearSelection();
    QVERIFY(view->selectedMainNumbers().empty());
    view->i_fbd->picture();
    QCOMPARE(view->grid().cell(kNumberColumn + 31 - 1, row).tag, 0);
}

void FxdDistributionTest::coldWarmHotColoursEveryNumber() {
    const DrawRows sample = fxd::ssqSample();
    auto program = fxd::startOn(sample);
    FxdDistributionView* view = distributionView();
    view->rb_fbd_lrh->setChecked(true);
    fxd::grabIfAsked(view, "fxd_fbt_coldhot");
    QVERIFY(view->b_fbd_coldhot->isEnabled());
    QVERIFY(!view->cb_fbd->isEnabled());
    view->i_fbd->picture();
    const t_s_grid& grid = view->grid();
    const int row = grid.fixedRows + 5;
    int coloured = 0;
    for (int n = 1; n <= 33; ++n) {
        const t_s_cell& c = grid.cell(kNumberColumn + n - 1, row);
        if (c.tag == 1) {
            QCOMPARE(c.fontColor, kWhite);
            QCOMPARE(c.mark.kind, kMarkPicture);
            continue;
        }
        QCOMPARE(c.text, (n < 10 ? "0" : "") + std::to_string(n));
        QVERIFY(c.fontColor == kRed || c.fontColor == kBlue || c.fontColor == kGreen);
        ++coloured;
    }
    QCOMPARE(coloured, 27);

    // The dialog stores new limits and the chart follows them: with a hot limit of 0 every number is hot.
    whenModalShown([](QDialog* dialog) {
        control<QLineEdit>(dialog, "e_cold")->setText("0");
        control<QLineEdit>(dialog, "e_hot")->setText("0");
        dialog->accept();
    });
    clickControl(view, "b_fbd_coldhot");
    QCOMPARE(workspace().coldHot.hotcs, 0);
    view->i_fbd->picture();
    for (int n = 1; n <= 33; ++n) {
        const t_s_cell& c = grid.cell(kNumberColumn + n - 1, row);
        if (c.tag == 0) QCOMPARE(c.fontColor, kRed);
    }
}

QTEST_MAIN(FxdDistributionTest)
#include "fxd_distribution_test.moc"
