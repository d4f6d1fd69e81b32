// The dissection's statistics sub-pages driven through their controls: counts by category over the last
// draws or an issue range, the occurrence chart's sorting and pages, and the omission chart's measures.
// With QORVEL_GRAB_DIR set it saves 1024 x 768 pictures of the three sub-pages for z_hz on the sample.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "app/app_state.h"
#include "app/pages/u_zbpx.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/zbpxz/zbpxz_count_chart_page.h"
#include "app/pages/zbpxz/zbpxz_field_page.h"
#include "app/pages/zbpxz/zbpxz_item_stats_page.h"
#include "app/pages/zbpxz/zbpxz_segment_page.h"
#include "app/pages/zbpxz/zbpxz_omission_count_page.h"
#include "app/pages/zbpxz/zbpxz_omission_trend_page.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "zbpxz_test_support.h"
#include "ui/drawing_host.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

// Twelve draws, issues 2020001…2020012: 6 three times, 1 twice, 5 never.
const std::vector<int32_t> kSeries{3, 8, 1, 6, 6, 2, 9, 4, 7, 6, 1, 10};

using zbpxz::Program;

void openSeries(int32_t max) {
    DissectionInput input;
    input.series = kSeries;
    input.seriesMin = 1;
    input.seriesMax = max;
    input.title = "测试";
    f_zbpxz->OpenDissection(input);
}

QStringList slotLabels(const BarChartModel& m) {
    QStringList labels;
    for (const BarSlot& slot : m.slots) labels << fromUtf8(slot.label);
    return labels;
}

// The text over the first bar of every slot.
QStringList barTexts(const BarChartModel& m) {
    QStringList texts;
    for (const BarSlot& slot : m.slots) texts << fromUtf8(slot.bars.front().text);
    return texts;
}

QStringList slotTexts(const BarChartModel& m, const QString& label) {
    QStringList texts;
    for (const BarSlot& slot : m.slots)
        if (fromUtf8(slot.label) == label)
            for (const BarValue& bar : slot.bars) texts << fromUtf8(bar.text);
    return texts;
}

void dissect(const QString& formula) {
    f_zbpx->rb_selfzb->setChecked(true);
    f_zbpx->e_selfzb->setText(formula);
    QTest::mouseClick(f_zbpx->b_ok, Qt::LeftButton);
}

}  // namespace

class ZbpxzStatisticsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void subPagesFollowTheFieldChart();
    void itemStatistics_data();
    void itemStatistics();
    void customRangeCountsTheChosenIssues();
    void occurrenceChartSortsAndPages();
    void omissionChartMeasures();
    void unusualSeries();
    void sampleHistoryDrawsQuickly();
    void screenshots();
};

void ZbpxzStatisticsTest::subPagesFollowTheFieldChart() {
    Program program(sampleDraws(12));
    openSeries(10);
    QTabWidget* tabs = f_zbpxz->pc_zbpxz;
    const int field = tabs->indexOf(f_zbpxz->ts_tyd);
    const QList<QPair<QWidget*, QString>> pages = {{f_zbpxz->ts_fxtj, "分项统计"},
                                                   {f_zbpxz->ts_cxcs, "出现次数统计图"},
                                                   {f_zbpxz->ts_ylcs, "遗漏次数统计图"}};
    for (int i = 0; i < pages.size(); ++i) {
        QCOMPARE(tabs->indexOf(pages[i].first), field + 1 + i);
        QCOMPARE(tabs->tabText(field + 1 + i), pages[i].second);
        tabs->setCurrentWidget(pages[i].first);
        QCOMPARE(f_zbpxz->statusText(), QStringLiteral("测试的") + pages[i].second);
        QCOMPARE(pages[i].first->objectName(), QStringList({"ts_fxtj", "ts_cxcs", "ts_ylcs"})[i]);
    }
    QCOMPARE(tabs->indexOf(f_zbpxz->ts_fdzs), field + 4);
}

void ZbpxzStatisticsTest::itemStatistics_data() {
    QTest::addColumn<QString>("near");
    QTest::addColumn<QString>("grouping");  // object name of the radio
    QTest::addColumn<int>("parameter");
    QTest::addColumn<bool>("percent");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("texts");
    // Last five draws: 4, 7, 6, 1, 10.
    QTest::newRow("odd/even, all") << "所有" << "rb_fxtj_jo" << 0 << false << QStringList{"奇", "偶"}
                                   << QStringList{"5", "7"};
    QTest::newRow("odd/even, last 5, percent") << "5" << "rb_fxtj_jo" << 0 << true << QStringList{"奇", "偶"}
                                               << QStringList{"40.0%", "60.0%"};
    QTest::newRow("prime/composite, last 5") << "5" << "rb_fxtj_zh" << 0 << false << QStringList{"质", "合"}
                                             << QStringList{"2", "3"};
    QTest::newRow("three zones of 1..10, last 5")
        << "5" << "rb_fxtj_fq" << 3 << false
        << QStringList{"第1分区<1..3>;", "第2分区<4..6>;", "第3分区<7..10>;"} << QStringList{"1", "2", "2"};
    QTest::newRow("remainders by 4, last 5") << "5" << "rb_fxtj_ys" << 4 << false
                                             << QStringList{"除4余0", "除4余1", "除4余2", "除4余3"}
                                             << QStringList{"1", "1", "2", "1"};
    QTest::newRow("remainders by 4, all, percent")
        << "100" << "rb_fxtj_ys" << 4 << true << QStringList{"除4余0", "除4余1", "除4余2", "除4余3"}
        << QStringList{"16.7%", "25.0%", "41.7%", "16.7%"};  // 8 4 | 1 9 1 | 6 6 2 6 10 | 3 7
}

void ZbpxzStatisticsTest::itemStatistics() {
    QFETCH(QString, near);
    QFETCH(QString, grouping);
    QFETCH(int, parameter);
    QFETCH(bool, percent);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, texts);
    Program program(sampleDraws(12));
    openSeries(10);
    ZbpxzItemStatsPage* page = f_zbpxz->ts_fxtj;
    f_zbpxz->pc_zbpxz->setCurrentWidget(page);
    control<QComboBox>(page, "cb_fxtj_nearqs")->setCurrentText(near);
    if (grouping == "rb_fxtj_fq") page->cb_fxtj_fq->setCurrentText(QString::number(parameter));
    if (grouping == "rb_fxtj_ys") page->cb_fxtj_ys->setCurrentText(QString::number(parameter));
    control<QRadioButton>(page, grouping)->setChecked(true);
    control<QRadioButton>(page, percent ? "rb_fxtj_bl" : "rb_fxtj_cs")->setChecked(true);
    QCOMPARE(slotLabels(page->model()), labels);
    QCOMPARE(barTexts(page->model()), texts);
    QVERIFY(fromUtf8(page->model().title).startsWith(QStringLiteral("测试的分项统计（")));
    QCOMPARE(fromUtf8(page->model().tickSuffix), percent ? QStringLiteral("%") : QString());
}

void ZbpxzStatisticsTest::customRangeCountsTheChosenIssues() {
    Program program(sampleDraws(12));
    openSeries(10);
    ZbpxzItemStatsPage* page = f_zbpxz->ts_fxtj;
    f_zbpxz->pc_zbpxz->setCurrentWidget(page);
    page->rb_fxtj_ys->setChecked(true);
    page->cb_fxtj_ys->setCurrentText("4");
    QVERIFY(!page->cb_from->isEnabled());
    page->rb_self->setChecked(true);
    QVERIFY(page->cb_from->isEnabled());
    QVERIFY(!page->cb_near->isEnabled());
    // Both issue lists hold every issue; fewer than 100 draws start the range at the first.
    QCOMPARE(page->cb_from->count(), 12);
    QCOMPARE(page->cb_from->currentText(), QStringLiteral("2020001"));
    QCOMPARE(page->cb_to->currentText(), QStringLiteral("2020012"));
    page->cb_from->setCurrentIndex(1);
    page->cb_to->setCurrentIndex(3);  // 8, 1, 6
    QCOMPARE(page->l_count->text(), QStringLiteral("共3期"));
    QCOMPARE(barTexts(page->model()), (QStringList{"1", "1", "1", "0"}));
    QCOMPARE(fromUtf8(page->model().title),
             QStringLiteral("测试的分项统计（除4余数，2020002期至2020004期，共3期）"));
    // A start after the end counts nothing.
    page->cb_from->setCurrentIndex(5);
    page->cb_to->setCurrentIndex(2);
    QCOMPARE(page->l_count->text(), QStringLiteral("共-2期"));
    QCOMPARE(barTexts(page->model()), (QStringList{"0", "0", "0", "0"}));
    page->rb_bl->setChecked(true);
    QCOMPARE(barTexts(page->model()), (QStringList{"0.0%", "0.0%", "0.0%", "0.0%"}));
    // Back to the last draws: the label clears and the issue lists are off again.
    page->rb_near->setChecked(true);
    QVERIFY(page->l_count->text().isEmpty());
    QVERIFY(!page->cb_to->isEnabled());
}

void ZbpxzStatisticsTest::occurrenceChartSortsAndPages() {
    Program program(sampleDraws(12));
    openSeries(30);  // values 1…30: two pages
    ZbpxzCountChartPage* page = f_zbpxz->ts_cxcs;
    f_zbpxz->pc_zbpxz->setCurrentWidget(page);
    QCOMPARE(page->l_page->text(), QStringLiteral("第1/2页"));
    QCOMPARE(slotLabels(page->model()).first(), QStringLiteral("1"));
    QCOMPARE(slotLabels(page->model()).last(), QStringLiteral("25"));
    QVERIFY(!page->b_prev->isEnabled());
    QTest::mouseClick(page->b_next, Qt::LeftButton);
    QCOMPARE(slotLabels(page->model()), (QStringList{"26", "27", "28", "29", "30"}));
    QCOMPARE(page->l_page->text(), QStringLiteral("第2/2页"));
    QVERIFY(!page->b_next->isEnabled() && !page->b_last->isEnabled());
    // Sorting starts again at the first page; equal counts stay in value order.
    QTest::mouseClick(page->b_desc, Qt::LeftButton);
    QCOMPARE(page->page(), 0);
    QCOMPARE(slotLabels(page->model()).mid(0, 10),
             (QStringList{"6", "1", "2", "3", "4", "7", "8", "9", "10", "5"}));
    QCOMPARE(barTexts(page->model()).mid(0, 3), (QStringList{"3", "2", "1"}));
    page->rb_bl->setChecked(true);
    QCOMPARE(barTexts(page->model()).mid(0, 3), (QStringList{"25.0%", "16.7%", "8.3%"}));
    QTest::mouseClick(page->b_asc, Qt::LeftButton);
    QCOMPARE(slotLabels(page->model()).mid(0, 3), (QStringList{"5", "11", "12"}));
    QTest::mouseClick(page->b_last, Qt::LeftButton);
    QCOMPARE(slotLabels(page->model()).mid(3), (QStringList{"1", "6"}));  // the most frequent come last
    QTest::mouseClick(page->b_value, Qt::LeftButton);
    QCOMPARE(slotLabels(page->model()).first(), QStringLiteral("1"));
    // The last five draws leave most values at zero.
    control<QComboBox>(page, "cb_cxcs_nearqs")->setCurrentText("5");
    QCOMPARE(slotTexts(page->model(), "6"), (QStringList{"20.0%"}));
    QCOMPARE(slotTexts(page->model(), "3"), (QStringList{"0.0%"}));
}

void ZbpxzStatisticsTest::omissionChartMeasures() {
    Program program(sampleDraws(12));
    openSeries(10);
    ZbpxzOmissionCountPage* page = f_zbpxz->ts_ylcs;
    f_zbpxz->pc_zbpxz->setCurrentWidget(page);
    QCOMPARE(page->l_page->text(), QStringLiteral("第1/1页"));
    QCOMPARE(slotLabels(page->model()), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    QStringList legend;
    for (const BarSeries& s : page->model().series) legend << fromUtf8(s.caption);
    QCOMPARE(legend, (QStringList{"最大遗漏", "最小遗漏", "平均遗漏", "上次遗漏", "本次遗漏"}));
    // 6 at draws 4, 5, 10: omissions 3, 0, 4 over three occurrences, two draws since.
    QCOMPARE(slotTexts(page->model(), "6"), (QStringList{"4", "0", "2", "4", "2"}));
    // 1 at draws 3 and 11: 2 and 7, average 4.5 to even.
    QCOMPARE(slotTexts(page->model(), "1"), (QStringList{"7", "2", "4", "7", "1"}));
    // 5 never drawn: nothing recorded, every draw current.
    QCOMPARE(slotTexts(page->model(), "5"), (QStringList{"-", "-", "-", "-", "12"}));
    page->cb_ylcs_sort->setCurrentIndex(static_cast<int>(OmissionMeasure::Current));
    QTest::mouseClick(page->b_desc, Qt::LeftButton);
    QCOMPARE(slotLabels(page->model()), (QStringList{"5", "3", "8", "2", "9", "4", "7", "6", "1", "10"}));
    // Sorted, the chart follows a new measure at once. Values without it come last either way: 5, never
    // drawn, and 3, drawn only at the first draw counted, which records no omission.
    page->cb_ylcs_sort->setCurrentIndex(static_cast<int>(OmissionMeasure::Min));
    QCOMPARE(slotLabels(page->model()), (QStringList{"10", "7", "4", "9", "2", "1", "8", "6", "3", "5"}));
    QCOMPARE(slotTexts(page->model(), "3"), (QStringList{"-", "-", "-", "-", "11"}));
    QTest::mouseClick(page->b_asc, Qt::LeftButton);
    QCOMPARE(slotLabels(page->model()), (QStringList{"6", "8", "1", "2", "9", "4", "7", "10", "3", "5"}));
    // The last five draws (4, 7, 6, 1, 10): 3 was not drawn in them.
    page->cb_ylcs_sort->setCurrentIndex(static_cast<int>(OmissionMeasure::Value));
    control<QComboBox>(page, "cb_ylcs_nearqs")->setCurrentText("5");
    QCOMPARE(slotTexts(page->model(), "3"), (QStringList{"-", "-", "-", "-", "5"}));
    QCOMPARE(slotTexts(page->model(), "1"), (QStringList{"3", "3", "3", "3", "1"}));
    QVERIFY(fromUtf8(page->model().title).contains(QStringLiteral("2020008期至2020012期，共5期")));
}

// An empty series and one whose range spans every int are counted without trouble.
void ZbpxzStatisticsTest::unusualSeries() {
    Program program(sampleDraws(12));
    DissectionInput input;
    input.title = "空";
    input.seriesMin = 1;
    input.seriesMax = 3;
    f_zbpxz->OpenDissection(input);
    for (ZbpxzStatisticsPage* page :
         std::initializer_list<ZbpxzStatisticsPage*>{f_zbpxz->ts_fxtj, f_zbpxz->ts_cxcs, f_zbpxz->ts_ylcs}) {
        f_zbpxz->pc_zbpxz->setCurrentWidget(page);
        page->rb_self->setChecked(true);
        QCOMPARE(page->span().count(), 0);
        QVERIFY(fromUtf8(page->model().title).endsWith(QStringLiteral("共0期）")));
        QVERIFY(!page->im->picture().isNull());
    }
    QCOMPARE(barTexts(f_zbpxz->ts_fxtj->model()), (QStringList{"0", "0"}));
    QCOMPARE(slotLabels(f_zbpxz->ts_cxcs->model()), (QStringList{"1", "2", "3"}));
    QCOMPARE(slotTexts(f_zbpxz->ts_ylcs->model(), "2"), (QStringList{"-", "-", "-", "-", "0"}));

    input.series = {5, -7, 5};
    input.seriesMin = INT32_MIN;
    input.seriesMax = INT32_MAX;
    f_zbpxz->OpenDissection(input);
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_cxcs);
    QCOMPARE(slotLabels(f_zbpxz->ts_cxcs->model()), (QStringList{"-7", "5"}));
    QCOMPARE(barTexts(f_zbpxz->ts_cxcs->model()), (QStringList{"1", "2"}));
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_fxtj);
    f_zbpxz->ts_fxtj->rb_fxtj_fq->setChecked(true);
    f_zbpxz->ts_fxtj->cb_fxtj_fq->setCurrentText("2");
    QCOMPARE(barTexts(f_zbpxz->ts_fxtj->model()), (QStringList{"1", "2"}));
    QVERIFY(!f_zbpxz->ts_fxtj->im->picture().isNull());
}

void ZbpxzStatisticsTest::sampleHistoryDrawsQuickly() {
    Program program(sampleHistory());
    f_main->resize(1024, 768);
    f_main->openPage(PageId::zbpx);
    dissect("z_hz");
    QApplication::processEvents();
    QVERIFY(program.platform.messages.texts().isEmpty());
    for (ZbpxzStatisticsPage* page :
         std::initializer_list<ZbpxzStatisticsPage*>{f_zbpxz->ts_fxtj, f_zbpxz->ts_cxcs, f_zbpxz->ts_ylcs}) {
        QElapsedTimer timer;
        timer.start();
        f_zbpxz->pc_zbpxz->setCurrentWidget(page);
        page->im->picture();
        const qint64 shown = timer.elapsed();
        page->cb_near->setCurrentText(QStringLiteral("所有"));
        page->im->picture();
        qInfo("%s: shown in %lld ms, all %d draws counted and drawn in %lld ms", qPrintable(page->pageName()),
              shown, page->span().count(), timer.elapsed() - shown);
        QCOMPARE(page->span().count(), static_cast<int>(f_zbpxz->input().series.size()));
        // A loose bound: it catches a quadratic pass over the history, not a busy machine.
        QVERIFY(timer.elapsed() < 500);
    }
}

void ZbpxzStatisticsTest::screenshots() {
    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    if (shots.isEmpty()) QSKIP("QORVEL_GRAB_DIR not set");
    Program program(sampleHistory());
    f_main->resize(1024, 768);
    f_main->openPage(PageId::zbpx);
    dissect("z_hz");
    QApplication::processEvents();
    auto grab = [&](const char* name) {
        QApplication::processEvents();
        f_main->grab().save(shots + "/zbpxz_hz_" + name + ".png");
    };
    ZbpxzItemStatsPage* items = f_zbpxz->ts_fxtj;
    f_zbpxz->pc_zbpxz->setCurrentWidget(items);
    grab("fxtj");
    items->cb_fxtj_fq->setCurrentText("7");
    items->rb_fxtj_fq->setChecked(true);
    items->rb_bl->setChecked(true);
    grab("fxtj_zones_percent");
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_cxcs);
    grab("cxcs");
    QTest::mouseClick(f_zbpxz->ts_cxcs->b_desc, Qt::LeftButton);
    f_zbpxz->ts_cxcs->rb_bl->setChecked(true);
    grab("cxcs_desc_percent");
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_ylcs);
    grab("ylcs");
    f_zbpxz->ts_ylcs->cb_near->setCurrentText(QStringLiteral("所有"));
    f_zbpxz->ts_ylcs->b_next->click();
    f_zbpxz->ts_ylcs->b_next->click();
    grab("ylcs_all_page3");
    f_zbpxz->ts_ylcs->cb_ylcs_sort->setCurrentIndex(static_cast<int>(OmissionMeasure::Max));
    QTest::mouseClick(f_zbpxz->ts_ylcs->b_desc, Qt::LeftButton);
    grab("ylcs_max_desc");
}

QTEST_MAIN(ZbpxzStatisticsTest)
#include "zbpxz_statistics_test.moc"
