// The statistics page "统计区": presetting the range bar, "近" and "自定义" ranges, the bar chart options,
// the remainder box of the itemised sheets, invalid texts and the cold/hot dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "app/app_state.h"
#include "app/page_table.h"
#include "app/pages/tjq/tjq_bar_chart.h"
#include "app/pages/tjq/tjq_item_sheets.h"
#include "app/pages/u_tjq.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "ui/drawing_host.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

// 30 draws: the first main number cycles through 1, 2, 3; the others are always 8 12 20 25 33; the
// special number is 1 + row mod 16. Numbers such as 7 never appear.
DrawRows cyclingDraws(int count = 30) {
    DrawRows rows;
    for (int r = 0; r < count; ++r) rows.push_back({2020001 + r, 1 + r % 3, 8, 12, 20, 25, 33, 1 + r % 16});
    return rows;
}

// A started program with the statistics page open; the start's own messages are dropped first.
struct TjqProgram : StartedProgram {
    explicit TjqProgram(const DrawRows& rows) : StartedProgram(withHistory(rows)) {
        platform.messages.messages.clear();
        f_main->openPage(PageId::tjq);
        // Lay the page out so the chart has its size and the buttons can be clicked.
        QCoreApplication::processEvents();
    }
};

// The text shown after a row's caption in the itemised sheets (empty when the row is not shown).
QString itemValue(const char* group, const char* caption) {
    const QString name = QString::fromUtf8(group) + "/" + QString::fromUtf8(caption);
    if (auto* label = f_tjq->findChild<QLabel*>(name)) return label->text();
    if (auto* box = f_tjq->findChild<QLineEdit*>(name)) return box->text();
    return {};
}

void chooseCountItem(const QString& item) {
    QComboBox* box = f_tjq->combo_fxtj_nearqs;
    box->setCurrentIndex(box->findText(item));
    Q_EMIT box->activated(box->currentIndex());
}

void chooseIssue(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

bool hasRed(const QImage& image) {
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (image.pixelColor(x, y) == QColor(255, 0, 0)) return true;
    return false;
}

}  // namespace

class TjqPageTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void showingThePagePresetsTheRangeBar();
    void allDrawsOfAShortHistory();
    void customRangeCountsItsDraws();
    void customRangeBackwardsCountsNothing();
    void chartOptionsRedrawWithoutCounting();
    void remainderBoxShowsItsRows_data();
    void remainderBoxShowsItsRows();
    void invalidCountTextStopsTheCount();
    void coldHotDialogRefreshesTheLine();
    void sampleHistoryPictures();
};

void TjqPageTest::showingThePagePresetsTheRangeBar() {
    TjqProgram program(cyclingDraws());
    QCOMPARE(f_tjq->cb_fxtj_from->count(), 30);
    QCOMPARE(f_tjq->cb_fxtj_from->currentText(), QStringLiteral("2020001"));  // fewer than 100 draws
    QCOMPARE(f_tjq->cb_fxtj_to->currentText(), QStringLiteral("2020030"));
    QVERIFY(!f_tjq->cb_fxtj_from->isEnabled());
    QCOMPARE(f_tjq->sb_fxtj->maximum(), 30);
    QCOMPARE(f_tjq->combo_fxtj_nearqs->currentText(), QStringLiteral("100"));
    QCOMPARE(f_tjq->pc_tjq->currentWidget(), static_cast<QWidget*>(f_tjq->ts_jzd));
    // The page counts at once: "近" 100 of 30 draws counts all 30.
    QCOMPARE(f_tjq->result().range.count, 30);
    QCOMPARE(f_tjq->result().endIssue, 2020030);
    QVERIFY(hasRed(f_tjq->ts_jzd->i_hmtjjzd->picture()));
    QVERIFY(f_tjq->ts_jzd->l_coldhot->text().startsWith(QStringLiteral("主区冷号:")));
    QVERIFY(f_tjq->ts_jzd->l_f_coldhot->isHidden());
    QVERIFY(f_tjq->ts_jzd->rb_lhtj->isHidden());
    QVERIFY(program.platform.messages.texts().isEmpty());
}

void TjqPageTest::allDrawsOfAShortHistory() {
    TjqProgram program(cyclingDraws());
    chooseCountItem(QStringLiteral("10"));
    QCOMPARE(f_tjq->sb_fxtj->value(), 10);
    QCOMPARE(f_tjq->result().range.count, 10);
    chooseCountItem(QStringLiteral("所有"));
    QCOMPARE(f_tjq->sb_fxtj->value(), 30);
    QCOMPARE(f_tjq->combo_fxtj_nearqs->currentText(), QStringLiteral("所有"));
    const StatisticsResult& r = f_tjq->result();
    QCOMPARE(r.range.count, 30);
    QCOMPARE(r.main.byNumber[0].count, 10);      // 1 in rows 1, 4, …, 28
    QCOMPARE(r.main.byNumber[0].omission, 2);    // last drawn two draws before the end
    QCOMPARE(r.main.byNumber[7].count, 30);      // 8 in every draw
    QCOMPARE(r.main.byNumber[6].count, 0);       // 7 never drawn: count 0 and omission 0
    QCOMPARE(r.main.byNumber[6].omission, 0);
    QCOMPARE(itemValue("奇偶", "奇数个数:"), QStringLiteral("80"));  // 1 and 3 ten times each, 25 and 33 always
    QCOMPARE(f_tjq->findChild<QLabel*>(QStringLiteral("奇偶/奇数个数:%"))->text(), QStringLiteral("44.4%"));

    // Moving the scroll bar writes its position into the count box and counts again.
    f_tjq->sb_fxtj->setValue(15);
    QCOMPARE(f_tjq->combo_fxtj_nearqs->currentText(), QStringLiteral("15"));
    QCOMPARE(f_tjq->result().range.count, 15);
}

void TjqPageTest::customRangeCountsItsDraws() {
    TjqProgram program(cyclingDraws());
    f_tjq->rb_fxtj_self->setChecked(true);
    QVERIFY(f_tjq->cb_fxtj_from->isEnabled());
    QVERIFY(!f_tjq->combo_fxtj_nearqs->isEnabled());
    QVERIFY(!f_tjq->sb_fxtj->isEnabled());
    chooseIssue(f_tjq->cb_fxtj_from, 9);
    chooseIssue(f_tjq->cb_fxtj_to, 18);
    QCOMPARE(f_tjq->l_tjq->text(), QStringLiteral("共10期"));
    QCOMPARE(f_tjq->result().range.count, 10);
    QCOMPARE(f_tjq->result().endIssue, 2020019);
    QCOMPARE(itemValue("和值", "最大和值:"), QStringLiteral("101"));

    // A typed issue between draws is bounded by the draws inside it; back to "近" clears the label.
    f_tjq->cb_fxtj_to->setEditText(QStringLiteral("2020045"));
    Q_EMIT f_tjq->cb_fxtj_to->lineEdit()->editingFinished();
    QCOMPARE(f_tjq->l_tjq->text(), QStringLiteral("共21期"));
    f_tjq->rb_fxtj_nearqs->setChecked(true);
    QVERIFY(f_tjq->l_tjq->text().isEmpty());
    QVERIFY(!f_tjq->cb_fxtj_to->isEnabled());
    QVERIFY(program.platform.messages.texts().isEmpty());
}

void TjqPageTest::customRangeBackwardsCountsNothing() {
    TjqProgram program(cyclingDraws());
    f_tjq->rb_fxtj_self->setChecked(true);
    chooseIssue(f_tjq->cb_fxtj_from, 20);
    chooseIssue(f_tjq->cb_fxtj_to, 10);
    QCOMPARE(f_tjq->l_tjq->text(), QStringLiteral("共-9期"));
    QCOMPARE(f_tjq->result().range.count, 0);
    for (const NumberStatistic& s : f_tjq->result().main.byNumber) QCOMPARE(s.count, 0);
    QCOMPARE(itemValue("奇偶", "奇数个数:"), QStringLiteral("0"));
    QCOMPARE(itemValue("尾数", "平均每期尾数个数:"), QStringLiteral("0.0个"));
    QVERIFY(program.platform.messages.texts().isEmpty());
}

void TjqPageTest::chartOptionsRedrawWithoutCounting() {
    TjqProgram program(cyclingDraws());
    DrawingHost* chart = f_tjq->ts_jzd->i_hmtjjzd;
    chart->picture();
    const QImage before = chart->picture();
    const int renders = chart->renderCount();
    const StatisticsResult* counted = &f_tjq->result();
    const int counts = f_tjq->result().main.byNumber[0].count;
    QTest::mouseClick(f_tjq->ts_jzd->rb_aappcs, Qt::LeftButton);
    QVERIFY(f_tjq->ts_jzd->rb_aappcs->isChecked());
    QCOMPARE(f_tjq->ts_jzd->order(), BarOrder::ByCount);
    const QImage byCount = chart->picture();
    QCOMPARE(chart->renderCount(), renders + 1);
    QVERIFY(byCount != before);
    // Without either bar nothing red or blue is left but the legend.
    f_tjq->ts_jzd->cb_appcs->setChecked(false);
    f_tjq->ts_jzd->cb_conccs->setChecked(false);
    const QImage none = chart->picture();
    QVERIFY(none != byCount);
    QCOMPARE(&f_tjq->result(), counted);
    QCOMPARE(f_tjq->result().main.byNumber[0].count, counts);
}

void TjqPageTest::remainderBoxShowsItsRows_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    QTest::newRow("除五余数") << 2
                          << QStringList{"除五余零数:", "除五余一数:", "除五余二数:", "除五余三数:", "除五余四数:"}
                          << QStringList{"除三余零数:", "除四余零数:"};
    QTest::newRow("除三余数") << 0 << QStringList{"除三余零数:", "除三余一数:", "除三余二数:"}
                          << QStringList{"除三余三数:", "除五余三数:", "除五余四数:"};
}

void TjqPageTest::remainderBoxShowsItsRows() {
    QFETCH(int, index);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    TjqProgram program(cyclingDraws());
    f_tjq->itemSheets->cb_ys->setCurrentIndex(2);
    f_tjq->itemSheets->cb_ys->setCurrentIndex(index);
    QCOMPARE(f_tjq->itemSheets->divisor(), 3 + index);
    for (const QString& caption : shown) QVERIFY2(!itemValue("余数", qPrintable(caption)).isEmpty(), qPrintable(caption));
    for (const QString& caption : hidden) QVERIFY2(itemValue("余数", qPrintable(caption)).isEmpty(), qPrintable(caption));
    QCOMPARE(f_tjq->itemSheets->cb_ys->currentIndex(), index);  // the box survives the sheets' rebuild
    QVERIFY(f_tjq->itemSheets->cb_ys->parentWidget());
}

void TjqPageTest::invalidCountTextStopsTheCount() {
    TjqProgram program(cyclingDraws());
    chooseCountItem(QStringLiteral("20"));
    f_tjq->combo_fxtj_nearqs->setEditText(QStringLiteral("2x"));
    Q_EMIT f_tjq->combo_fxtj_nearqs->lineEdit()->editingFinished();
    QCOMPARE(program.platform.messages.texts(), QStringList{invalidNumberMessage(QStringLiteral("2x"))});
    QCOMPARE(f_tjq->result().range.count, 20);

    program.platform.messages.messages.clear();
    f_tjq->rb_fxtj_self->setChecked(true);
    f_tjq->cb_fxtj_from->setEditText(QStringLiteral("abc"));
    QVERIFY(!f_tjq->recompute());
    QCOMPARE(program.platform.messages.texts(), QStringList{invalidNumberMessage(QStringLiteral("abc"))});
}

void TjqPageTest::coldHotDialogRefreshesTheLine() {
    TjqProgram program(cyclingDraws());
    const QString before = f_tjq->ts_jzd->l_coldhot->text();
    // Over the last 3 draws 1, 2, 3 appear once and the five fixed numbers three times: with cold at most
    // once and hot from 3 on, 1, 2 and 3 join the cold numbers and no number is warm.
    whenModalShown([](QDialog* dialog) {
        control<QLineEdit>(dialog, "e_qsfield")->setText("3");
        control<QLineEdit>(dialog, "e_cold")->setText("1");
        control<QLineEdit>(dialog, "e_hot")->setText("3");
        control<QPushButton>(dialog, "b_ok")->click();
        if (dialog->isVisible()) dialog->reject();
    });
    QTest::mouseClick(f_tjq->ts_jzd->b_coldhotset, Qt::LeftButton);
    const QString after = f_tjq->ts_jzd->l_coldhot->text();
    QVERIFY2(after != before, qPrintable(after));
    QVERIFY2(after.startsWith(QStringLiteral("主区冷号:01  02  03  04  05  ")), qPrintable(after));
    QVERIFY2(after.endsWith(QStringLiteral(";  主区温号:;  红码热号:08  12  20  25  33  ")), qPrintable(after));
    QCOMPARE(workspace().coldHot.qs, 3);

    // Cancelling changes nothing.
    whenModalShown([](QDialog* dialog) {
        control<QLineEdit>(dialog, "e_qsfield")->setText("30");
        control<QPushButton>(dialog, "b_cancel")->click();
    });
    QTest::mouseClick(f_tjq->ts_jzd->b_coldhotset, Qt::LeftButton);
    QCOMPARE(f_tjq->ts_jzd->l_coldhot->text(), after);
    QCOMPARE(workspace().coldHot.qs, 3);
}

// On the bundled sample: "所有" is counted quickly, and with QORVEL_GRAB_DIR set each sheet is saved at
// 1024 × 768 to look at.
void TjqPageTest::sampleHistoryPictures() {
    const DrawRows history = sampleHistory();
    TjqProgram program(history);
    QElapsedTimer timer;
    timer.start();
    chooseCountItem(QStringLiteral("所有"));
    qInfo("开始统计 over all %d draws: %lld ms", static_cast<int>(history.size()), timer.elapsed());
    QCOMPARE(f_tjq->result().range.count, static_cast<int>(history.size()));
    QVERIFY(program.platform.messages.texts().isEmpty());

    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    if (shots.isEmpty()) return;
    f_main->resize(1024, 768);
    QCoreApplication::processEvents();
    chooseCountItem(QStringLiteral("100"));
    const char* names[] = {"tjq_chart", "tjq_items1", "tjq_items2"};
    for (int i = 0; i < f_tjq->pc_tjq->count(); ++i) {
        f_tjq->pc_tjq->setCurrentIndex(i);
        QCoreApplication::processEvents();
        f_main->grab().save(shots + "/" + names[i] + ".png");
    }
    f_tjq->pc_tjq->setCurrentIndex(0);
    QTest::mouseClick(f_tjq->ts_jzd->rb_aconccs, Qt::LeftButton);
    f_main->grab().save(shots + "/tjq_chart_by_omission.png");
}

QTEST_MAIN(TjqPageTest)
#include "tjq_page_test.moc"
