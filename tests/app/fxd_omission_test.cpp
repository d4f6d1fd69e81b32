// The omission table sub-pages: the preset range, the ordering by category, the selection row with its
// import into the forecast row and back, and the tail table's selection states.
#include <QComboBox>
#include <QScrollBar>

#include "app/app_state.h"
#include "app/pages/fxd/fxd_cell_grid.h"
#include "app/pages/fxd/fxd_omission_view.h"
#include "fxd_test_support.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

FxdOmissionView* omissionView(const char* name) { return static_cast<FxdOmissionView*>(fxd::showSubPage(name)); }

void pressCell(FxdOmissionView* view, int row, int col, Qt::MouseButton button = Qt::LeftButton) {
    FxdCellGrid* grid = view->sg_table;
    const QModelIndex index = grid->model()->index(row, col);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), button, Qt::NoModifier, grid->visualRect(index).center());
}

// The grid column of number (tail) n in the current ordering.
int columnOf(FxdOmissionView* view, int n) {
    const std::vector<int>& numbers = view->table().ordering.numbers;
    return static_cast<int>(std::find(numbers.begin(), numbers.end(), n) - numbers.begin()) + 1;
}

}  // namespace

class FxdOmissionTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        quietOffscreenWarnings();
        sample_ = fxd::ssqSample();
    }
    void theMainTableOpensOnTheLastHundredDraws();
    void anOrderingRearrangesTheColumns();
    void theSelectionRowGoesIntoTheForecastRowAndBack();
    void tailSelectionsCycleAndAreClearedByARightClick();

  private:
    DrawRows sample_;
};

void FxdOmissionTest::theMainTableOpensOnTheLastHundredDraws() {
    auto program = fxd::startOn(sample_);
    FxdOmissionView* view = omissionView("ts_zhyltb");
    fxd::grabIfAsked(view, "fxd_zhyltb");
    const int count = static_cast<int>(sample_.size());
    QCOMPARE(view->cb_startfrom->currentText(), QString::number(sample_[count - 100][0]));
    QCOMPARE(view->cb_to->currentText(), QString::number(sample_.back()[0]));
    QCOMPARE(view->table().rows.size(), std::size_t{100});
    QCOMPARE(view->sg_table->columnCount(), 33 + 2);
    QCOMPARE(view->sg_table->rowCount(), 100 + 1 + 5);
    QCOMPARE(view->sg_table->currentRow(), 99);
    QCOMPARE(view->sg_table->currentColumn(), 1);
    QCOMPARE(view->table().header().front(), std::string("期号"));
    QCOMPARE(view->table().header().back(), std::string("开奖号码"));
    // The number columns share the width left by the issue and draw columns.
    QVERIFY(view->sg_table->columnWidth(1) >= 18);
    int total = 0;
    for (int c = 0; c < view->sg_table->columnCount(); ++c) total += view->sg_table->columnWidth(c);
    QVERIFY(total <= view->sg_table->viewport()->width());

    // Automatic scrolling moves the top row.
    view->sg_table->scrollToTop();
    QVERIFY(view->scrollStep(1));
    QVERIFY(view->scrollStep(1));
    QCOMPARE(view->sg_table->rowAt(0), 2);

    // A shorter range from the combos.
    view->cb_startfrom->setCurrentIndex(count - 10);
    QCOMPARE(view->table().rows.size(), std::size_t{10});
}

void FxdOmissionTest::anOrderingRearrangesTheColumns() {
    auto program = fxd::startOn(sample_);
    FxdOmissionView* view = omissionView("ts_zhyltb");
    view->cb_sortaccofq->setCurrentIndex(2);  // 按奇偶
    std::vector<int> expected;
    for (int n = 2; n <= 32; n += 2) expected.push_back(n);
    for (int n = 1; n <= 33; n += 2) expected.push_back(n);
    QCOMPARE(view->table().ordering.numbers, expected);
    QCOMPARE(view->table().header()[1], std::string("02"));
}

void FxdOmissionTest::theSelectionRowGoesIntoTheForecastRowAndBack() {
    auto program = fxd::startOn(sample_);
    FxdOmissionView* view = omissionView("ts_zhyltb");
    const int row = view->selectionRow();
    for (int n : {1, 5, 9, 13, 17}) pressCell(view, row, columnOf(view, n));
    view->importSelection();
    QCOMPARE(program->platform.messages.texts(), QStringList{QStringLiteral("选号区红号个数应为6个")});
    const int count = static_cast<int>(sample_.size());
    QCOMPARE(workspace().MainStore.Count(), count);

    pressCell(view, row, columnOf(view, 33));
    pressCell(view, row, columnOf(view, 9));  // released again
    pressCell(view, row, columnOf(view, 21));
    QCOMPARE(view->selectedMainNumbers(), (std::vector<int>{1, 5, 13, 17, 21, 33}));
    view->importSelection();
    QCOMPARE(workspace().MainStore.Count(), count + 1);
    QCOMPARE(view->cb_to->currentText(), QStringLiteral("9999999"));
    QCOMPARE(view->cb_to->count(), count + 1);
    QCOMPARE(view->table().rows.back().issueText, std::string("预测区"));
    QCOMPARE(view->table().rows.back().numbersText, std::string("01 05 13 17 21 33 "));

    view->clearForecast();
    QCOMPARE(workspace().MainStore.Count(), count);
    QCOMPARE(view->cb_to->count(), count);
    QCOMPARE(view->cb_to->currentText(), QString::number(sample_.back()[0]));
    QCOMPARE(view->table().rows.back().issue, sample_.back()[0]);
}

void FxdOmissionTest::tailSelectionsCycleAndAreClearedByARightClick() {
    auto program = fxd::startOn(sample_);
    FxdOmissionView* view = omissionView("ts_wsyltb");
    QCOMPARE(view->sg_table->columnCount(), 10 + 2);
    QCOMPARE(view->cb_fq->currentText(), QStringLiteral("2"));
    const int row = view->selectionRow();
    const int col = columnOf(view, 7);
    for (int expected : {1, 2, 3, 0, 1}) {
        pressCell(view, row, col);
        QCOMPARE(view->tailStates()[7], expected);
    }
    pressCell(view, row, columnOf(view, 3));
    fxd::grabIfAsked(view, "fxd_wsyltb");
    pressCell(view, row, col, Qt::RightButton);
    QCOMPARE(view->tailStates()[7], 0);
    QCOMPARE(view->tailStates()[3], 0);
    QVERIFY(view->selectedMainNumbers().empty());
}

QTEST_MAIN(FxdOmissionTest)
#include "fxd_omission_test.moc"
