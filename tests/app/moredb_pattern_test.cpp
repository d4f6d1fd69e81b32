// The sheet "综合形态" of the more-charts page: it is the first sheet and is filled when the page opens,
// it is rebuilt when a class radio, a check box or (under "除") the divisor changes, class cells carry
// their class colour, and "隐掉间隔数" empties the gap column and narrows it to nothing. With
// QORVEL_GRAB_DIR set it saves a 1024 x 768 picture of the sheet on the bundled sample.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "app/app_state.h"
#include "app/pages/moredb/moredb_association_page.h"
#include "app/pages/moredb/moredb_pattern_page.h"
#include "app/pages/u_moredb.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "fxd_test_support.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

MoredbPatternPage* openSheet() {
    f_main->openPage(PageId::moredb);
    return f_moredb->ts_zhxt;
}

QString cellText(MoredbPatternPage* page, int row, int column) {
    return page->sg_zhxt->model()->index(row, column).data().toString();
}

QString header(MoredbPatternPage* page, int column) {
    return page->sg_zhxt->model()->headerData(column, Qt::Horizontal).toString();
}

QColor colour(MoredbPatternPage* page, int row, int column, int role) {
    return page->sg_zhxt->model()->index(row, column).data(role).value<QColor>();
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QChar('0')); }

}  // namespace

class MoredbPatternTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void theFirstSheetIsFilledWhenThePageOpens();
    void theClassRadiosRebuild_data();
    void theClassRadiosRebuild();
    void theDivisorCountsOnlyUnderRemainderBy();
    void tailAnalysisAddsTheSpecialColumn();
    void cellColours();
    void hiddenGaps();
    void screenshot();
};

void MoredbPatternTest::theFirstSheetIsFilledWhenThePageOpens() {
    const DrawRows rows = sampleDraws(40);
    auto program = fxd::startOn(rows);
    workspace().MainStore.SetRecNo(12);
    f_moredb->pc_moredb->setCurrentWidget(f_moredb->ts_glfx);
    MoredbPatternPage* page = openSheet();
    QCOMPARE(f_moredb->pc_moredb->currentWidget(), page);
    QCOMPARE(f_moredb->pc_moredb->tabText(0), QStringLiteral("综合形态"));
    QCOMPARE(f_moredb->pc_moredb->tabText(1), QStringLiteral("关联分析"));
    // The defaults: "大小", divisor 6, with tail analysis, gaps shown.
    QVERIFY(control<QRadioButton>(page, "rb_zhxt_dx")->isChecked());
    QCOMPARE(control<QComboBox>(page, "cb_zhxt_cnys")->currentText(), QStringLiteral("6"));
    QCOMPARE(page->cb_zhxt_cnys->count(), 5);
    QVERIFY(control<QCheckBox>(page, "cb_zhxt_whfx")->isChecked());
    QVERIFY(!control<QCheckBox>(page, "cb_zhxt_hide")->isChecked());

    QAbstractItemModel* model = page->sg_zhxt->model();
    QCOMPARE(model->rowCount(), 40);
    QCOMPARE(model->columnCount(), 7 + 6 + 3);
    QCOMPARE(header(page, 0), QStringLiteral("期号"));
    QCOMPARE(header(page, 1), QStringLiteral("开奖号码"));
    QCOMPARE(header(page, 9), QStringLiteral("间隔数的尾"));
    QCOMPARE(cellText(page, 0, 0), QString::number(rows[0][0]));
    QCOMPARE(cellText(page, 39, 0), QString::number(rows[39][0]));
    QString drawn;
    for (int i = 1; i <= 6; ++i) drawn += twoDigits(rows[5][i]) + " ";
    drawn += "-" + twoDigits(rows[5][7]) + " ";
    QCOMPARE(cellText(page, 5, 1), drawn);
    // The last row, column 1 is selected; the history's cursor stays.
    QCOMPARE(page->sg_zhxt->currentIndex().row(), 39);
    QCOMPARE(page->sg_zhxt->currentIndex().column(), 1);
    QCOMPARE(workspace().MainStore.RecNo(), 12);
    QCOMPARE(program->platform.messages.texts(), QStringList());
}

void MoredbPatternTest::theClassRadiosRebuild_data() {
    QTest::addColumn<QString>("radio");
    QTest::addColumn<bool>("tails");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    // The class of a number 1 … 33 (B2 = 16, B31 = 11, B32 = 22) and of its tail.
    QTest::newRow("大小") << "rb_zhxt_dx" << false << 17 << "1";
    QTest::newRow("大小 16") << "rb_zhxt_dx" << false << 16 << "0";
    QTest::newRow("大小 tail") << "rb_zhxt_dx" << true << 16 << "1";
    QTest::newRow("大中小") << "rb_zhxt_dzx" << false << 12 << "1";
    QTest::newRow("大中小 tail") << "rb_zhxt_dzx" << true << 12 << "0";
    QTest::newRow("奇偶") << "rb_zhxt_jo" << false << 7 << "0";
    QTest::newRow("质合") << "rb_zhxt_zh" << false << 12 << "1";
    QTest::newRow("质合 tail") << "rb_zhxt_zh" << true << 12 << "0";
    QTest::newRow("除三余数") << "rb_zhxt_c3" << false << 14 << "2";
    QTest::newRow("除四余数 tail") << "rb_zhxt_c4" << true << 14 << "0";
    QTest::newRow("除五余数") << "rb_zhxt_c5" << false << 14 << "4";
    QTest::newRow("除 6") << "rb_zhxt_cs" << false << 33 << "3";
}

void MoredbPatternTest::theClassRadiosRebuild() {
    QFETCH(QString, radio);
    QFETCH(bool, tails);
    QFETCH(int, number);
    QFETCH(QString, expected);
    // The first draw holding the number, and its place there.
    const DrawRows rows = sampleDraws(40);
    auto program = fxd::startOn(rows);
    MoredbPatternPage* page = openSheet();
    int row = -1, position = -1;
    for (int r = 0; r < static_cast<int>(rows.size()) && row < 0; ++r)
        for (int i = 1; i <= 6; ++i)
            if (rows[r][i] == number) row = r, position = i;
    QVERIFY(row >= 0);
    page->cb_zhxt_whfx->setChecked(tails);
    QTest::mouseClick(control<QRadioButton>(page, radio), Qt::LeftButton);
    QVERIFY(control<QRadioButton>(page, radio)->isChecked());
    QCOMPARE(header(page, 1 + position), QString::fromStdString(workspace().MainLabel()) + QString::number(position) +
                                             (tails ? QStringLiteral("尾") : QString()));
    QCOMPARE(cellText(page, row, 1 + position), expected);
    QCOMPARE(page->sg_zhxt->currentIndex().row(), 39);
}

void MoredbPatternTest::theDivisorCountsOnlyUnderRemainderBy() {
    auto program = fxd::startOn({{2020001, 1, 5, 6, 12, 20, 33, 7}});
    MoredbPatternPage* page = openSheet();
    page->cb_zhxt_whfx->setChecked(false);
    const int lastNumber = 7;  // the class column of 33
    QCOMPARE(cellText(page, 0, lastNumber), QStringLiteral("1"));  // 大小
    page->cb_zhxt_cnys->setCurrentText("9");
    QCOMPARE(cellText(page, 0, lastNumber), QStringLiteral("1"));  // not under "除": still 大小
    page->rb_zhxt[static_cast<int>(PatternClassKind::RemainderBy)]->click();
    QCOMPARE(cellText(page, 0, lastNumber), QStringLiteral("6"));  // 33 mod 9
    page->cb_zhxt_cnys->setCurrentText("10");
    QCOMPARE(cellText(page, 0, lastNumber), QStringLiteral("3"));
    page->cb_zhxt_cnys->setCurrentText("7");
    QCOMPARE(cellText(page, 0, lastNumber), QStringLiteral("5"));
}

void MoredbPatternTest::tailAnalysisAddsTheSpecialColumn() {
    auto program = fxd::startOn({{2020001, 1, 5, 6, 12, 20, 33, 16}});
    MoredbPatternPage* page = openSheet();
    const QString label = QString::fromStdString(workspace().MainLabel());
    const QString special = QString::fromStdString(workspace().SpecialLabel());
    QCOMPARE(page->sg_zhxt->model()->columnCount(), 16);
    QCOMPARE(header(page, 8), special + QStringLiteral("尾"));
    QCOMPARE(cellText(page, 0, 8), QStringLiteral("1"));  // tail 6 of 16
    QCOMPARE(cellText(page, 0, 9), QStringLiteral("3  0  5  7  2  0  "));
    QCOMPARE(header(page, 10), label + QStringLiteral("间1尾"));
    page->cb_zhxt_whfx->click();
    QCOMPARE(page->sg_zhxt->model()->columnCount(), 15);
    QCOMPARE(header(page, 8), QStringLiteral("间隔数"));
    QCOMPARE(cellText(page, 0, 8), QStringLiteral("03 00 05 07 12 00 "));
    QCOMPARE(header(page, 14), label + QStringLiteral("间6"));
}

void MoredbPatternTest::cellColours() {
    auto program = fxd::startOn({{2020001, 1, 5, 6, 12, 20, 33, 16}});
    MoredbPatternPage* page = openSheet();
    page->rb_zhxt[static_cast<int>(PatternClassKind::Remainder5)]->click();
    // Class cells: tails 1 5 6 2 0 3 | 6 mod 5 → 1 0 1 2 0 3 | 1.
    const int expected[] = {1, 0, 1, 2, 0, 3, 1};
    for (int k = 0; k < 7; ++k) {
        const int c = 2 + k;
        QCOMPARE(cellText(page, 0, c), QString::number(expected[k]));
        const RgbColour fill = ClassColours[static_cast<std::size_t>(expected[k])];
        QCOMPARE(colour(page, 0, c, Qt::BackgroundRole), QColor(fill.r, fill.g, fill.b));
        QCOMPARE(colour(page, 0, c, Qt::ForegroundRole), QColor(Qt::black));
    }
    QCOMPARE(colour(page, 0, 3, Qt::BackgroundRole), QColor(166, 202, 240));
    QCOMPARE(colour(page, 0, 7, Qt::BackgroundRole), QColor(0, 128, 0));
    // The issue, the numbers and the gaps on white, the issue in blue.
    for (int c : {0, 1, 9}) QCOMPARE(colour(page, 0, c, Qt::BackgroundRole), QColor(Qt::white));
    QCOMPARE(colour(page, 0, 0, Qt::ForegroundRole), QColor(Qt::blue));
    QCOMPARE(colour(page, 0, 1, Qt::ForegroundRole), QColor(Qt::black));
    QCOMPARE(page->sg_zhxt->model()->index(0, 4).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHCenter,
             int(Qt::AlignHCenter));
}

void MoredbPatternTest::hiddenGaps() {
    auto program = fxd::startOn(sampleDraws(10));
    MoredbPatternPage* page = openSheet();
    const int gap = 9;
    const int shownWidth = page->sg_zhxt->columnWidth(gap);
    QVERIFY(shownWidth > 0);
    QCOMPARE(page->sg_zhxt->columnWidth(1), shownWidth);
    QVERIFY(page->sg_zhxt->columnWidth(2) > 0);
    QVERIFY(page->sg_zhxt->columnWidth(2) < shownWidth);
    const QString gapClass = cellText(page, 3, gap + 1);
    page->cb_zhxt_hide->click();
    QCOMPARE(page->sg_zhxt->columnWidth(gap), 0);
    for (int r = 0; r < 10; ++r) QCOMPARE(cellText(page, r, gap), QString());
    QCOMPARE(header(page, gap), QStringLiteral("间隔数的尾"));
    QCOMPARE(cellText(page, 3, gap + 1), gapClass);  // the gaps' classes stay
    // Without tail analysis the gap column moves one place to the left and stays hidden.
    page->cb_zhxt_whfx->click();
    QCOMPARE(page->sg_zhxt->columnWidth(gap - 1), 0);
    QCOMPARE(page->sg_zhxt->columnWidth(gap), page->sg_zhxt->columnWidth(2));
    page->cb_zhxt_hide->click();
    QCOMPARE(page->sg_zhxt->columnWidth(gap - 1), shownWidth);
    QVERIFY(!cellText(page, 0, gap - 1).isEmpty());
}

void MoredbPatternTest::screenshot() {
    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    if (shots.isEmpty()) QSKIP("QORVEL_GRAB_DIR not set");
    auto program = fxd::startOn(sampleHistory());
    MoredbPatternPage* page = openSheet();
    page->rb_zhxt[static_cast<int>(PatternClassKind::ThreeZones)]->click();
    QApplication::processEvents();
    QVERIFY(f_main->grab().save(shots + "/moredb_pattern.png"));
}

QTEST_MAIN(MoredbPatternTest)
#include "moredb_pattern_test.moc"
