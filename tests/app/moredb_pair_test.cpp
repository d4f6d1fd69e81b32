// The sheet "相生相克" of the more-charts page: the grid and the two lists follow the range (the newest
// draws by combo or scroll bar, or two issues) and the limits, the range controls open by their radio,
// and "过滤条件" hands over to the combination filtering page. With QORVEL_GRAB_DIR set it saves a
// 1024 x 768 picture of the sheet on the bundled sample.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "app/app_state.h"
#include "app/pages/moredb/moredb_pair_page.h"
#include "app/pages/u_moredb.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "fxd_test_support.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

MoredbPairPage* openSheet() {
    f_main->openPage(PageId::moredb);
    f_moredb->pc_moredb->setCurrentWidget(f_moredb->ts_xsxk);
    return f_moredb->ts_xsxk;
}

// Pair counts of rows first … last (0-based, inclusive), made here from the rows themselves.
struct Pairs {
    int count[34][34] = {};
};

Pairs countPairs(const DrawRows& rows, int first, int last) {
    Pairs p;
    for (int r = first; r <= last; ++r)
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 6; ++j)
                if (i != j) ++p.count[rows[r][i]][rows[r][j]];
    return p;
}

// The lines of 相生 (affine) or 相克 for the counts and limits, in the order b = 2 … 33, a = 1 … b − 1.
QStringList expectedLines(const Pairs& p, bool affine, int affineLimit, int hostileLimit) {
    QStringList lines;
    for (int b = 1; b <= 33; ++b)
        for (int a = 1; a < b; ++a) {
            const int n = p.count[a][b];
            const bool isAffine = n > affineLimit;
            if (affine ? isAffine : (!isAffine && n < hostileLimit))
                lines << QStringLiteral("%1:%2==>%3次").arg(a, 2, 10, QChar('0')).arg(b, 2, 10, QChar('0')).arg(n);
        }
    return lines;
}

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
}

// The lists, their labels and the grid against counts made in the test.
void compareWith(MoredbPairPage* page, const Pairs& p, int affineLimit, int hostileLimit) {
    const QStringList affine = expectedLines(p, true, affineLimit, hostileLimit);
    const QStringList hostile = expectedLines(p, false, affineLimit, hostileLimit);
    QCOMPARE(itemsOf(page->lb_xsxk_xs), affine);
    QCOMPARE(itemsOf(page->lb_xsxk_xk), hostile);
    QCOMPARE(page->affineCountLabel->text(), QStringLiteral("相生[%1]").arg(affine.size()));
    QCOMPARE(page->hostileCountLabel->text(), QStringLiteral("相克[%1]").arg(hostile.size()));
    const QAbstractItemModel* model = page->sg_xsxk->model();
    QCOMPARE(model->rowCount(), 33);
    QCOMPARE(model->columnCount(), 33);
    for (auto [a, b] : {std::pair{1, 6}, {6, 1}, {3, 17}, {12, 33}, {33, 2}})
        QCOMPARE(model->index(a - 1, b - 1).data().toString(), QString::number(p.count[a][b]));
    QCOMPARE(model->index(4, 4).data().toString(), QString());
}

}  // namespace

class MoredbPairTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void theNewestDrawsFollowComboAndScrollBar();
    void theLimitsSortThePairs();
    void aCustomRangeRunsBetweenTwoIssues();
    void aShortHistoryStartsAtItsFirstIssue();
    void theCellsAreColouredByTheLimits();
    void theFilterButtonOpensTheSelfSetCondition();
    void screenshot();
};

void MoredbPairTest::theNewestDrawsFollowComboAndScrollBar() {
    const DrawRows rows = sampleDraws(120);
    auto program = fxd::startOn(rows);
    MoredbPairPage* page = openSheet();
    QVERIFY(page->rb_xsxk_nearqs->isChecked());
    QCOMPARE(page->combo_xsxk_nearqs->currentText(), QStringLiteral("50"));
    QCOMPARE(page->combo_xsxk_nearqs->count(), 18);
    QCOMPARE(page->combo_xsxk_nearqs->itemText(17), QStringLiteral("所有"));
    QCOMPARE(page->sb_xsxk->minimum(), 1);
    QCOMPARE(page->sb_xsxk->maximum(), 120);
    QCOMPARE(page->sb_xsxk->value(), 50);
    QCOMPARE(page->sb_xsxk->pageStep(), 10);
    QCOMPARE(page->l_xsxk->text(), QString());
    compareWith(page, countPairs(rows, 70, 119), 5, 1);

    struct Case {
        const char* what;
        std::function<void()> change;
        QString comboText;
        int barPosition;
        int first;  // the oldest row counted; the newest is always the last
    } cases[] = {
        {"combo 10", [&] { page->combo_xsxk_nearqs->setCurrentText("10"); }, "10", 10, 110},
        {"scroll bar to 37", [&] { page->sb_xsxk->setValue(37); }, "37", 37, 83},
        {"one step on the bar", [&] { page->sb_xsxk->triggerAction(QAbstractSlider::SliderSingleStepAdd); }, "38", 38, 82},
        {"所有", [&] { page->combo_xsxk_nearqs->setCurrentText("所有"); }, "所有", 120, 0},
        {"more than the history", [&] { page->combo_xsxk_nearqs->setCurrentText("300"); }, "300", 120, 0},
        {"the bar to its start", [&] { page->sb_xsxk->setValue(1); }, "1", 1, 119},
    };
    for (const Case& c : cases) {
        c.change();
        QVERIFY2(page->combo_xsxk_nearqs->currentText() == c.comboText, c.what);
        QVERIFY2(page->sb_xsxk->value() == c.barPosition, c.what);
        compareWith(page, countPairs(rows, c.first, 119), 5, 1);
    }
    // Text that is no count counts nothing: every pair lies below the 相克 limit.
    page->combo_xsxk_nearqs->setCurrentText("abc");
    QCOMPARE(page->lb_xsxk_xs->count(), 0);
    QCOMPARE(page->lb_xsxk_xk->count(), 33 * 32 / 2);
    QCOMPARE(program->platform.messages.texts(), QStringList());
}

void MoredbPairTest::theLimitsSortThePairs() {
    const DrawRows rows = sampleHistory(200);
    auto program = fxd::startOn(rows);
    MoredbPairPage* page = openSheet();
    QCOMPARE(page->cb_xsxk_xs->count(), 1001);
    QCOMPARE(page->cb_xsxk_xs->currentText(), QStringLiteral("5"));
    QCOMPARE(page->cb_xsxk_xk->currentText(), QStringLiteral("1"));
    const int last = static_cast<int>(rows.size()) - 1;
    const Pairs p = countPairs(rows, last - 49, last);
    compareWith(page, p, 5, 1);
    QVERIFY(page->lb_xsxk_xs->count() > 0);
    QVERIFY(page->lb_xsxk_xk->count() > 0);
    for (auto [xs, xk] : {std::pair{3, 2}, {8, 0}, {0, 4}}) {
        page->cb_xsxk_xs->setCurrentText(QString::number(xs));
        page->cb_xsxk_xk->setCurrentText(QString::number(xk));
        compareWith(page, p, xs, xk);
    }
}

void MoredbPairTest::aCustomRangeRunsBetweenTwoIssues() {
    const DrawRows rows = sampleDraws(150);
    auto program = fxd::startOn(rows);
    MoredbPairPage* page = openSheet();
    QCOMPARE(page->cb_xsxk_from->count(), 150);
    QCOMPARE(page->cb_xsxk_from->itemText(0), QString::number(rows[0][0]));
    QCOMPARE(page->cb_xsxk_from->currentIndex(), 50);  // the 100th-last issue
    QCOMPARE(page->cb_xsxk_to->currentIndex(), 149);
    QVERIFY(!page->cb_xsxk_from->isEnabled() && !page->cb_xsxk_to->isEnabled());
    QVERIFY(page->combo_xsxk_nearqs->isEnabled() && page->sb_xsxk->isEnabled());

    page->rb_xsxk_self->click();
    QVERIFY(page->cb_xsxk_from->isEnabled() && page->cb_xsxk_to->isEnabled());
    QVERIFY(!page->combo_xsxk_nearqs->isEnabled() && !page->sb_xsxk->isEnabled());
    QCOMPARE(page->l_xsxk->text(), QStringLiteral("共100期"));
    compareWith(page, countPairs(rows, 50, 149), 5, 1);

    page->cb_xsxk_from->setCurrentIndex(60);
    QCOMPARE(page->l_xsxk->text(), QStringLiteral("共90期"));
    page->cb_xsxk_to->setCurrentIndex(69);
    QCOMPARE(page->l_xsxk->text(), QStringLiteral("共10期"));
    compareWith(page, countPairs(rows, 60, 69), 5, 1);
    page->cb_xsxk_to->setCurrentIndex(60);
    QCOMPARE(page->l_xsxk->text(), QStringLiteral("共1期"));
    compareWith(page, countPairs(rows, 60, 60), 5, 1);

    // "to" before "from": nothing is counted.
    page->cb_xsxk_to->setCurrentIndex(55);
    QCOMPARE(page->l_xsxk->text(), QStringLiteral("共-4期"));
    QCOMPARE(page->lb_xsxk_xs->count(), 0);
    QCOMPARE(page->lb_xsxk_xk->count(), 33 * 32 / 2);
    QCOMPARE(page->sg_xsxk->model()->index(0, 5).data().toString(), QStringLiteral("0"));

    // Back to "近": the label empties and the newest 50 draws count again.
    page->rb_xsxk_nearqs->click();
    QCOMPARE(page->l_xsxk->text(), QString());
    compareWith(page, countPairs(rows, 100, 149), 5, 1);
    // Showing the page again presets the issues again.
    f_main->openPage(PageId::moredb);
    QCOMPARE(page->cb_xsxk_from->currentIndex(), 50);
    QCOMPARE(page->cb_xsxk_to->currentIndex(), 149);
}

void MoredbPairTest::aShortHistoryStartsAtItsFirstIssue() {
    const DrawRows rows = sampleDraws(30);
    auto program = fxd::startOn(rows);
    MoredbPairPage* page = openSheet();
    QCOMPARE(page->cb_xsxk_from->currentIndex(), 0);
    QCOMPARE(page->cb_xsxk_to->currentIndex(), 29);
    QCOMPARE(page->sb_xsxk->maximum(), 30);
    QCOMPARE(page->sb_xsxk->value(), 30);  // "50" is beyond the history
    QCOMPARE(page->combo_xsxk_nearqs->currentText(), QStringLiteral("50"));
    compareWith(page, countPairs(rows, 0, 29), 5, 1);
    page->rb_xsxk_self->click();
    QCOMPARE(page->l_xsxk->text(), QStringLiteral("共30期"));
    compareWith(page, countPairs(rows, 0, 29), 5, 1);
}

void MoredbPairTest::theCellsAreColouredByTheLimits() {
    const DrawRows rows = sampleDraws(60);
    auto program = fxd::startOn(rows);
    MoredbPairPage* page = openSheet();
    page->combo_xsxk_nearqs->setCurrentText("所有");
    page->cb_xsxk_xs->setCurrentText("3");
    page->cb_xsxk_xk->setCurrentText("2");
    const Pairs p = countPairs(rows, 0, 59);
    const QAbstractItemModel* model = page->sg_xsxk->model();
    bool seen[3] = {};
    for (int a = 1; a <= 33; ++a)
        for (int b = 1; b <= 33; ++b) {
            const QColor background = model->index(a - 1, b - 1).data(Qt::BackgroundRole).value<QColor>();
            const int n = p.count[a][b];
            const QColor expected = a == b ? QColor(209, 254, 254)
                                  : n > 3  ? QColor(255, 0, 0)
                                  : n < 2  ? QColor(0, 128, 0)
                                           : QColor(209, 254, 254);
            QCOMPARE(background, expected);
            if (a != b) seen[n > 3 ? 0 : n < 2 ? 1 : 2] = true;
        }
    QVERIFY(seen[0] && seen[1] && seen[2]);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("1"));
    QCOMPARE(model->headerData(32, Qt::Vertical).toString(), QStringLiteral("33"));
    QCOMPARE(model->headerData(5, Qt::Vertical, Qt::BackgroundRole).value<QColor>(), QColor(255, 203, 179));
    // Square cells; cell (1, 1) is the current one.
    QCOMPARE(page->sg_xsxk->rowHeight(3), page->sg_xsxk->columnWidth(3));
    QCOMPARE(page->sg_xsxk->currentIndex(), model->index(0, 0));
}

void MoredbPairTest::theFilterButtonOpensTheSelfSetCondition() {
    auto program = fxd::startOn(sampleDraws(20));
    MoredbPairPage* page = openSheet();
    QString opened;
    whenModalShown([&](QDialog* dialog) {
        opened = dialog->objectName();
        dialog->reject();
    });
    page->b_xsxk_filter->click();
    QCOMPARE(opened, QStringLiteral("f_selfcond"));
    QCOMPARE(program->platform.messages.texts(), QStringList());
}

void MoredbPairTest::screenshot() {
    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    if (shots.isEmpty()) QSKIP("QORVEL_GRAB_DIR not set");
    auto program = fxd::startOn(sampleHistory());
    openSheet();
    QApplication::processEvents();
    QVERIFY(f_main->grab().save(shots + "/moredb_pair.png"));
}

QTEST_MAIN(MoredbPairTest)
#include "moredb_pair_test.moc"
