// The dissection's segment trend and single-value omission sub-pages: their place among the sub-pages, the
// controls that cut the segments and choose the value, the scroll window and the forecast row. With
// QORVEL_GRAB_DIR set it saves 1024 x 768 pictures of both for z_hz on the bundled sample.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "app/app_state.h"
#include "app/pages/u_zbpx.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/zbpxz/zbpxz_omission_trend_page.h"
#include "app/pages/zbpxz/zbpxz_segment_page.h"
#include "app/pages/zbpxz/zbpxz_value_omission_page.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "zbpxz_test_support.h"
#include "ui/drawing_host.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

using zbpxz::Program;

// Ten draws of the fixture series over the issues 2020001 … 2020010 of sampleDraws(10).
const std::vector<int32_t> kSeries{3, 5, 5, 2, 8, 8, 8, 1, 4, 6};

void openSeries(const std::vector<int32_t>& series, int32_t min, int32_t max) {
    DissectionInput input;
    input.series = series;
    input.seriesMin = min;
    input.seriesMax = max;
    input.title = "测试值";
    f_zbpxz->OpenDissection(input);
}

// Dissects a typed formula through the indicator management page, as the user does.
void dissect(const QString& formula) {
    f_zbpx->rb_selfzb->setChecked(true);
    f_zbpx->e_selfzb->setText(formula);
    QTest::mouseClick(f_zbpx->b_ok, Qt::LeftButton);
}

struct Expected {
    int32_t issue;
    int count;
    int32_t value;
};

QList<Expected> segmentsOf(const ZbpxzSegmentPage* page) {
    QList<Expected> out;
    for (const Segment& s : page->segments()) out.append({s.issue, s.count, s.value});
    return out;
}

bool operator==(const Expected& a, const Expected& b) {
    return a.issue == b.issue && a.count == b.count && a.value == b.value;
}

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

}  // namespace

Q_DECLARE_METATYPE(QList<Expected>)

class ZbpxzSegmentsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void subPagesSitAroundTheOmissionTrend();
    void controlsRecutTheSegments_data();
    void controlsRecutTheSegments();
    void windowStartsAtTheNewestSegments();
    void valueComboAndOmissions();
    void forecastRowHasNoDrawnValue();
    void sampleHistoryDrawsQuickly();
    void screenshots();
};

void ZbpxzSegmentsTest::subPagesSitAroundTheOmissionTrend() {
    Program program(sampleDraws(10));
    openSeries(kSeries, 1, 8);
    QTabWidget* tabs = f_zbpxz->pc_zbpxz;
    const int omissionTrend = tabs->indexOf(f_zbpxz->ts_ylzs);
    QCOMPARE(tabs->indexOf(f_zbpxz->ts_fdzs), omissionTrend - 1);
    QCOMPARE(tabs->indexOf(f_zbpxz->ts_dgyl), omissionTrend + 1);
    QCOMPARE(f_zbpxz->ts_fdzs->objectName(), QStringLiteral("ts_fdzs"));
    QCOMPARE(f_zbpxz->ts_dgyl->objectName(), QStringLiteral("ts_dgyl"));
    const QList<QPair<QWidget*, QString>> pages{{f_zbpxz->ts_fdzs, QStringLiteral("按期数分段走势")},
                                                {f_zbpxz->ts_dgyl, QStringLiteral("单个取值遗漏走势")}};
    for (const auto& [page, name] : pages) {
        tabs->setCurrentWidget(page);
        QCOMPARE(tabs->tabText(tabs->currentIndex()), name);
        QCOMPARE(f_zbpxz->statusText(), QStringLiteral("测试值的") + name);
    }
    const ZbpxzSegmentPage* segments = f_zbpxz->ts_fdzs;
    QCOMPARE(segments->cb_fdzs_length->currentText(), QStringLiteral("5"));
    QCOMPARE(segments->cb_fdzs_offset->currentText(), QStringLiteral("1"));
    QCOMPARE(segments->cb_fdzs_content->currentText(), QStringLiteral("区段总和"));
}

void ZbpxzSegmentsTest::controlsRecutTheSegments_data() {
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QList<Expected>>("segments");
    QTest::addColumn<QString>("title");
    QTest::newRow("defaults") << "5" << "1" << "区段总和"
                              << QList<Expected>{{2020001, 5, 23}, {2020006, 5, 27}} << "测试值每5期分段的区段总和";
    QTest::newRow("length 4") << "4" << "1" << "区段平均值"
                              << QList<Expected>{{2020001, 2, 40}, {2020003, 4, 58}, {2020007, 4, 48}}
                              << "测试值每4期分段的区段平均值";
    QTest::newRow("offset 2") << "4" << "2" << "相同个数"
                              << QList<Expected>{{2020001, 1, 0}, {2020002, 4, 1}, {2020006, 4, 1}, {2020010, 1, 0}}
                              << "测试值每4期分段的相同个数";
    QTest::newRow("offset -1") << "4" << "-1" << "区段最小值"
                               << QList<Expected>{{2020001, 4, 2}, {2020005, 4, 1}, {2020009, 2, 4}}
                               << "测试值每4期分段的区段最小值";
}

void ZbpxzSegmentsTest::controlsRecutTheSegments() {
    QFETCH(QString, length);
    QFETCH(QString, offset);
    QFETCH(QString, content);
    QFETCH(QList<Expected>, segments);
    QFETCH(QString, title);
    Program program(sampleDraws(10));
    openSeries(kSeries, 1, 8);
    ZbpxzSegmentPage* page = f_zbpxz->ts_fdzs;
    f_zbpxz->pc_zbpxz->setCurrentWidget(page);
    page->cb_fdzs_length->setCurrentText(length);
    page->cb_fdzs_offset->setCurrentText(offset);
    page->cb_fdzs_content->setCurrentText(content);
    QCOMPARE(segmentsOf(page), segments);
    QCOMPARE(fromUtf8(page->chartTitle()), title);
}

// 60 draws in pairs make 30 segments: the window of 20 opens on the newest and the bar reaches back to the
// oldest; a new cut returns to the newest.
void ZbpxzSegmentsTest::windowStartsAtTheNewestSegments() {
    Program program(sampleDraws(60));
    std::vector<int32_t> series;
    for (int i = 0; i < 60; ++i) series.push_back(i % 7);
    openSeries(series, 0, 6);
    ZbpxzSegmentPage* page = f_zbpxz->ts_fdzs;
    f_zbpxz->pc_zbpxz->setCurrentWidget(page);
    page->cb_fdzs_length->setCurrentText("2");
    QCOMPARE(int(page->segments().size()), 30);
    QCOMPARE(page->sb->maximum(), 10);
    QCOMPARE(page->firstItem(), 10);
    page->im->picture();
    const int renders = page->im->renderCount();
    page->sb->setValue(0);
    page->im->picture();
    QCOMPARE(page->im->renderCount(), renders + 1);
    QCOMPARE(page->firstItem(), 0);
    page->cb_fdzs_content->setCurrentText("区段最大值");
    QCOMPARE(page->firstItem(), 10);
    page->cb_fdzs_length->setCurrentText("50");
    QCOMPARE(page->sb->maximum(), 0);
    QCOMPARE(page->firstItem(), 0);
}

void ZbpxzSegmentsTest::valueComboAndOmissions() {
    Program program(sampleDraws(10));
    openSeries(kSeries, 1, 8);
    ZbpxzValueOmissionPage* page = f_zbpxz->ts_dgyl;
    f_zbpxz->pc_zbpxz->setCurrentWidget(page);
    QCOMPARE(itemsOf(page->cb_dgyl_value), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
    QCOMPARE(page->cb_dgyl_value->currentText(), QStringLiteral("6"));  // the newest draw's value
    QCOMPARE(page->entries(), (std::vector<ValueOmission>{{2020010, 9, 9}}));

    page->cb_dgyl_value->setCurrentText("5");
    QCOMPARE(page->entries(), (std::vector<ValueOmission>{{2020002, 1, 1}, {2020003, 0, 1}, {2020010, 7, 7}}));
    page->cb_dgyl_value->setCurrentText("7");
    QCOMPARE(page->entries(), (std::vector<ValueOmission>{{2020010, 10, 10}}));
    page->im->picture();

    // A new series refills the combo; equal ends widen by the main-number count.
    openSeries(std::vector<int32_t>(10, 4), 4, 4);
    QCOMPARE(itemsOf(page->cb_dgyl_value), (QStringList{"4", "5", "6", "7", "8", "9"}));
    QCOMPARE(page->cb_dgyl_value->currentText(), QStringLiteral("4"));
    QCOMPARE(page->entries().back(), (ValueOmission{2020010, 0, 0}));

    // A range too wide to list offers the values drawn.
    std::vector<int32_t> wide = kSeries;
    wide[0] = 250000;
    openSeries(wide, 0, 300000);
    QCOMPARE(itemsOf(page->cb_dgyl_value), (QStringList{"1", "2", "4", "5", "6", "8", "250000"}));
}

// The forecast row (issue 9999999) at the end of the history: its value is not a drawn one, so it cuts no
// segment and is no occurrence; the value page ends with the omission the value carries into it.
void ZbpxzSegmentsTest::forecastRowHasNoDrawnValue() {
    Program program(sampleDraws(10));
    t_s_dm& store = workspace().MainStore;
    store.Append();
    store.SetField(0, kTrendForecastIssue);
    std::vector<int32_t> series = kSeries;
    series.push_back(5);
    openSeries(series, 1, 8);
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_fdzs);
    f_zbpxz->ts_fdzs->cb_fdzs_length->setCurrentText("4");
    QCOMPARE(segmentsOf(f_zbpxz->ts_fdzs), (QList<Expected>{{2020001, 2, 8}, {2020003, 4, 23}, {2020007, 4, 19}}));
    ZbpxzValueOmissionPage* page = f_zbpxz->ts_dgyl;
    f_zbpxz->pc_zbpxz->setCurrentWidget(page);
    QCOMPARE(page->cb_dgyl_value->currentText(), QStringLiteral("6"));
    QCOMPARE(page->entries(), (std::vector<ValueOmission>{{2020010, 9, 9}, {kTrendForecastIssue, 0, 9}}));
    page->cb_dgyl_value->setCurrentText("5");
    QCOMPARE(page->entries().back(), (ValueOmission{kTrendForecastIssue, 7, 7}));
    store.Last();
    store.Delete(false);
}

// Prints how long switching to each sub-page and a scroll step (the mean of ten) take for z_hz over the bundled sample.
void ZbpxzSegmentsTest::sampleHistoryDrawsQuickly() {
    Program program(sampleHistory());
    f_main->resize(1024, 768);
    f_main->openPage(PageId::zbpx);
    dissect("z_hz");
    QApplication::processEvents();
    QVERIFY(program.platform.messages.texts().isEmpty());
    for (ZbpxzWindowedPage* page : std::initializer_list<ZbpxzWindowedPage*>{f_zbpxz->ts_fdzs, f_zbpxz->ts_dgyl}) {
        QElapsedTimer timer;
        timer.start();
        f_zbpxz->pc_zbpxz->setCurrentWidget(page);
        page->im->picture();
        qInfo("switch to %s: %lld ms", qPrintable(page->pageName()), timer.elapsed());
        constexpr int kSteps = 10;
        timer.restart();
        for (int step = 0; step < kSteps; ++step) {
            page->sb->setValue(page->sb->value() - 1);
            page->im->picture();
        }
        qInfo("one scroll step of %s: %.1f ms", qPrintable(page->pageName()), double(timer.elapsed()) / kSteps);
    }
}

void ZbpxzSegmentsTest::screenshots() {
    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    if (shots.isEmpty()) QSKIP("QORVEL_GRAB_DIR not set");
    Program program(sampleHistory());
    f_main->resize(1024, 768);
    f_main->openPage(PageId::zbpx);
    dissect("z_hz");
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_fdzs);
    QApplication::processEvents();
    f_main->grab().save(shots + "/zbpxz_hz_ts_fdzs.png");
    f_zbpxz->ts_fdzs->cb_fdzs_length->setCurrentText("10");
    f_zbpxz->ts_fdzs->cb_fdzs_content->setCurrentText("区段平均振幅");
    QApplication::processEvents();
    f_main->grab().save(shots + "/zbpxz_hz_ts_fdzs_amplitude.png");
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_dgyl);
    f_zbpxz->ts_dgyl->cb_dgyl_value->setCurrentText("100");
    QApplication::processEvents();
    f_main->grab().save(shots + "/zbpxz_hz_ts_dgyl.png");
}

QTEST_MAIN(ZbpxzSegmentsTest)
#include "zbpxz_segments_test.moc"
