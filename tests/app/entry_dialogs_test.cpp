// The small dialogs of draw maintenance: graphical entry of a draw by clicking its numbers, and the
// issue choice that other pages use to pick a draw of the history.
#include <QAbstractItemModel>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "app/app_state.h"
#include "app/dialogs/u_addsj.h"
#include "app/dialogs/u_gxsjq.h"
#include "app/dialogs/u_qh.h"
#include "app_test_support.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kHistoryDraws = 12;

// Slot 0 draws five of 1..22 plus one of 1..16.
void prepareFiveOfTwentyTwo(const TestHome& home) {
    LotteryTypeTable table = defaultLotteryTypeTable();
    table.slots[0].MainCount = 5;
    table.slots[0].MainTo = 22;
    table.slots[0].SpecialCount = 1;
    table.slots[0].SpecialTo = 16;
    QVERIFY(saveLotteryTypes(home.file("database/cps.typ").toStdString(), table).empty());
    DrawRows rows;
    for (int r = 0; r < kHistoryDraws; ++r) rows.push_back({2021001 + r, 1, 5, 9, 13, 17 + r % 6, 1 + r % 16});
    writeDrawFile(home.file("database/basedata0.rec"), rows);
}

QStringList cells() {
    QStringList texts;
    for (int i = 1; i <= f_addsj->cellCount(); ++i) texts << f_addsj->cellText(i);
    return texts;
}

// Clicks the number buttons named in `numbers` ("07 03 30") by their object names.
void clickNumbers(const QString& numbers) {
    for (const QString& n : numbers.split(' ', Qt::SkipEmptyParts)) {
        auto* button = f_addsj->findChild<QPushButton*>(QStringLiteral("b_number") + n);
        QVERIFY2(button, qPrintable(n));
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

bool picked(const char* number) {
    return f_addsj->findChild<QPushButton*>(QStringLiteral("b_number") + number)->property("picked").toBool();
}

QStringList gridRow(int row) {
    QAbstractItemModel* grid = f_gxsjq->sg_sjk->model();
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c) texts << grid->index(row, c).data().toString();
    return texts;
}

// Opens the graphical entry from the maintenance window and works it with `work`; a dialog left open
// by a failed check is cancelled. Returns whether the dialog was reached.
bool workGraphicalEntry(const std::function<void()>& work) {
    f_gxsjq->show();
    QTest::mouseDClick(f_gxsjq->gb_add, Qt::LeftButton, {}, QPoint(5, 5));
    bool reached = false;
    whenModalShown([&](QDialog* dialog) {
        reached = dialog == f_addsj;
        if (reached) work();
        if (dialog->isVisible()) dialog->done(QDialog::Rejected);
    });
    f_gxsjq->b_picadd->click();
    return reached;
}

}  // namespace

class EntryDialogsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void graphicalEntryPicksInAscendingOrder();
    void graphicalEntryRefusals_data();
    void graphicalEntryRefusals();
    void issueChoice_data();
    void issueChoice();
};

void EntryDialogsTest::graphicalEntryPicksInAscendingOrder() {
    StartedProgram program(prepareFiveOfTwentyTwo, false);
    const bool reached = workGraphicalEntry([&] {
        QCOMPARE(f_addsj->windowTitle(), QStringLiteral("添加开奖数据"));
        QCOMPARE(f_addsj->numberButton(1)->text(), QStringLiteral("01"));
        QCOMPARE(f_addsj->numberButton(40)->text(), QStringLiteral("40"));
        // Four rows of ten, 30 pixels square, 35 apart; button k of a row at 35k - 33.
        QCOMPARE(f_addsj->numberButton(1)->geometry().size(), QSize(30, 30));
        QCOMPARE(f_addsj->numberButton(10)->x() - f_addsj->numberButton(1)->x(), 9 * 35);
        QCOMPARE(f_addsj->numberButton(1)->x(), 2);
        QCOMPARE(f_addsj->numberButton(11)->y() - f_addsj->numberButton(1)->y(), 35);
        QCOMPARE(cells(), QStringList(6, QString()));

        clickNumbers("30");  // above the main range: refused, the button keeps its colour
        QCOMPARE(cells(), QStringList(6, QString()));
        QVERIFY(!picked("30"));
        clickNumbers("07 03 15 01 22");
        QCOMPARE(cells(), (QStringList{"01", "03", "07", "15", "22", ""}));
        QVERIFY(picked("07") && picked("22"));
        clickNumbers("20 09");  // the sixth pick is the special number: 20 is above its range
        QCOMPARE(cells(), (QStringList{"01", "03", "07", "15", "22", "09"}));
        QVERIFY(!picked("20"));
        clickNumbers("05");  // every cell is filled
        QVERIFY(!picked("05"));
        QCOMPARE(cells().last(), QStringLiteral("09"));

        // "重置" starts over.
        f_addsj->b_reset->click();
        QCOMPARE(cells(), QStringList(6, QString()));
        QVERIFY(!picked("07"));
        clickNumbers("22 01 15 03 07 09");
        QTest::keyClicks(f_addsj->e_qs, "2021050");
        f_addsj->b_add->click();
        QVERIFY(!f_addsj->isVisible());  // stored: the dialog closed with OK
        QCOMPARE(f_addsj->result(), int(QDialog::Accepted));
    });
    QVERIFY(reached);
    QCOMPARE(program.platform.messages.texts(), QStringList());
    QCOMPARE(f_gxsjq->sg_sjk->model()->rowCount(), kHistoryDraws + 1);
    QCOMPARE(gridRow(kHistoryDraws), (QStringList{"2021050", "01", "03", "07", "15", "22", "09"}));
    QCOMPARE(fileBytes(program.home.file("database/basedata0.rec")).size(), (kHistoryDraws + 1) * kDrawRecordBytes);
    f_gxsjq->hide();
}

void EntryDialogsTest::graphicalEntryRefusals_data() {
    QTest::addColumn<QString>("issue");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("message");
    QTest::newRow("six-digit issue") << "202105"
                                     << "01 02 03 04 05 06" << QStringLiteral("期数必须是七位比如2009001");
    QTest::newRow("too few numbers") << "2021050"
                                     << "01 02 03 04 05" << QStringLiteral("本彩票中，添加的开奖数据不能少于6个");
    QTest::newRow("issue exists") << "2021003"
                                  << "01 02 03 04 05 06" << QStringLiteral("数据库中已经存在此期的记录");
}

void EntryDialogsTest::graphicalEntryRefusals() {
    QFETCH(QString, issue);
    QFETCH(QString, numbers);
    QFETCH(QString, message);
    StartedProgram program(prepareFiveOfTwentyTwo, false);
    const QByteArray before = fileBytes(program.home.file("database/basedata0.rec"));
    bool stayedOpen = false;
    const bool reached = workGraphicalEntry([&] {
        clickNumbers(numbers);
        QTest::keyClicks(f_addsj->e_qs, issue);
        f_addsj->b_add->click();
        stayedOpen = f_addsj->isVisible();
        f_addsj->b_cancel->click();
    });
    QVERIFY(reached);
    QVERIFY(stayedOpen);
    QCOMPARE(program.platform.messages.texts(), QStringList{message});
    QCOMPARE(fileBytes(program.home.file("database/basedata0.rec")), before);
    QCOMPARE(f_gxsjq->sg_sjk->model()->rowCount(), kHistoryDraws);
    f_gxsjq->hide();
}

void EntryDialogsTest::issueChoice_data() {
    QTest::addColumn<int>("preset");       // 0: none
    QTest::addColumn<int>("userChoice");   // list index the user picks; -1: keeps what is shown
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("shownFirst");
    QTest::addColumn<int>("expected");     // 0: nothing chosen
    QTest::newRow("last issue by default") << 0 << -1 << true << "2021012" << 2021012;
    QTest::newRow("preset issue") << 2021005 << -1 << true << "2021005" << 2021005;
    QTest::newRow("unknown preset") << 1999001 << -1 << true << "2021012" << 2021012;
    QTest::newRow("user picks another") << 0 << 2 << true << "2021012" << 2021003;
    QTest::newRow("closed without 确定") << 0 << 2 << false << "2021012" << 0;
}

void EntryDialogsTest::issueChoice() {
    QFETCH(int, preset);
    QFETCH(int, userChoice);
    QFETCH(bool, confirmed);
    QFETCH(QString, shownFirst);
    QFETCH(int, expected);
    StartedProgram program(prepareFiveOfTwentyTwo, false);
    t_s_dm& store = workspace().MainStore;
    store.SetRecNo(4);
    QStringList listed;
    QString shown;
    whenModalShown([&](QDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("选择期号"));
        for (int i = 0; i < f_qh->cb_qh->count(); ++i) listed << f_qh->cb_qh->itemText(i);
        shown = f_qh->cb_qh->currentText();
        if (userChoice >= 0) f_qh->cb_qh->setCurrentIndex(userChoice);
        if (confirmed)
            f_qh->b_ok->click();
        else
            dialog->close();
    });
    const std::optional<int> chosen = f_qh->chooseIssue(preset ? std::optional<int>(preset) : std::nullopt);
    QCOMPARE(listed.size(), kHistoryDraws);
    QCOMPARE(listed.first(), QStringLiteral("2021001"));
    QCOMPARE(listed.last(), QStringLiteral("2021012"));
    QCOMPARE(shown, shownFirst);
    QCOMPARE(chosen.value_or(0), expected);
    QCOMPARE(store.RecNo(), 4);  // listing the issues leaves the history where it was
}

QTEST_MAIN(EntryDialogsTest)
#include "entry_dialogs_test.moc"
