// The dissection page: the signal chart and its grid, the sub-page captions, the "过滤设置" export into the
// filter page's custom-indicator lists, and the moving-average chart's value export. With QORVEL_GRAB_DIR set
// it saves a 1024 x 768 picture of each sub-page for z_hz on the bundled sample and of the signal chart of a
// custom formula.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QCheckBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/app_state.h"
#include "app/dialogs/zbpxz/filter_setting_dialog.h"
#include "app/dialogs/zbpxz/field_style_dialog.h"
#include "app/pages/zbpxz/zbpxz_field_page.h"
#include "app/pages/zbpxz/zbpxz_omission_page.h"
#include "app/pages/zbpxz/zbpxz_remainder_page.h"
#include "app/pages/u_zbpx.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/u_zh.h"
#include "app/pages/zbpxz/zbpxz_average_page.h"
#include "app/pages/zbpxz/zbpxz_feature_page.h"
#include <QLabel>
#include "app/pages/zbpxz/zbpxz_signal_page.h"
#include "app/pages/zh/zh_blue_tab.h"
#include "app/pages/zh/zh_custom_tab.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "zbpxz_test_support.h"
#include "core/text/file_io.h"
#include "ui/drawing_host.h"
#include "ui/platform.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

using zbpxz::Program;

// Dissects a typed formula through the indicator management page, as the user does.
void dissect(const QString& formula) {
    f_zbpx->rb_selfzb->setChecked(true);
    f_zbpx->e_selfzb->setText(formula);
    QTest::mouseClick(f_zbpx->b_ok, Qt::LeftButton);
}

// Answers the filter dialog: bounds, options, then the button named `button`. `messages` receives what the
// dialog showed before it closed (its refusals).
struct FilterAnswer {
    QString min, max;
    bool odd = false, up = false, tolerant = false;
    const char* button = "b_main";
};

void answerFilter(const FilterAnswer& a, QString* specialCaption = nullptr) {
    whenModalShown([=](QDialog* dialog) {
        auto* d = static_cast<FilterSettingDialog*>(dialog);
        if (specialCaption) *specialCaption = d->b_special->text();
        d->e_min->setText(a.min);
        d->e_max->setText(a.max);
        d->cb_jo->setChecked(a.odd);
        d->rb_odd->setChecked(true);
        d->cb_sj->setChecked(a.up);
        d->rb_up->setChecked(true);
        d->cb_rc->setChecked(a.tolerant);
        QTest::mouseClick(control<QPushButton>(d, a.button), Qt::LeftButton);
        if (d->isVisible()) d->reject();
    });
}

QStringList listLines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

}  // namespace

class ZbpxzSignalTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void subPagesNameTheStatusLine();
    void chartKindChangesTheShownSeriesAndSignals();
    void exportAppendsTheAllowedValues();
    void exportRefusals_data();
    void exportRefusals();
    void averageChartExportsTheValues();
    void fieldChartFilesAndTheirEditor();
    void sampleHistoryDrawsQuickly();
    void screenshots();
};

void ZbpxzSignalTest::subPagesNameTheStatusLine() {
    Program program(sampleDraws(60));
    dissect("z_num1");
    QVERIFY(program.platform.messages.texts().isEmpty());
    const QString title = fromUtf8(f_zbpxz->input().title);
    QCOMPARE(f_zbpxz->statusText(), title + QStringLiteral("的信号图"));
    const QStringList names{"信号图",         "特性图表",   "均值走势图",     "遗漏分布图表", "数据分布图",
                            "田野走势图",     "分项统计",   "出现次数统计图", "遗漏次数统计图", "按期数分段走势",
                            "遗漏值走势",     "单个取值遗漏走势", "余数走势图", "特征图",       "变化量及尾数图"};
    QCOMPARE(f_zbpxz->pc_zbpxz->count(), int(names.size()));
    for (int i = names.size() - 1; i >= 0; --i) {
        f_zbpxz->pc_zbpxz->setCurrentIndex(i);
        const QString expected = title + QStringLiteral("的") + names[i];
        QCOMPARE(f_zbpxz->pc_zbpxz->tabText(i), names[i]);
        QCOMPARE(f_zbpxz->statusText(), expected);
        QCOMPARE(f_zbpxz->l_status->text(), expected);
        QCOMPARE(f_zbpxz->windowTitle(), expected);
    }
    // The remainder chart charts every modulus of the chosen group.
    f_zbpxz->ts_yszs->cb_yszs_group->setCurrentIndex(1);
    QVERIFY(f_zbpxz->ts_yszs->divisors() == (std::vector<int>{6, 7}));
    // The feature chart names the middle of the handed-over range, the upper half counting as big.
    const DissectionInput& in = f_zbpxz->input();
    QCOMPARE(f_zbpxz->ts_tzt->l_tzt_middle->text(),
             QStringLiteral("中间值是:") + QString::number((in.seriesMin + in.seriesMax + 1) / 2));
    // A new dissection starts on the signal chart again with the default types, its window at the caller's
    // cursor.
    f_zbpxz->pc_zbpxz->setCurrentIndex(0);
    f_zbpxz->ts_ftc->rb_ftc_ws->setChecked(true);
    f_zbpxz->ts_ftc->rb_ftc_jo->setChecked(true);
    dissect("z_num2");
    QVERIFY(f_zbpxz->ts_ftc->rb_ftc_cg->isChecked() && f_zbpxz->ts_ftc->rb_ftc_sj->isChecked());
    QVERIFY(f_zbpxz->ts_ftc->shown() == f_zbpxz->input().series);
    QCOMPARE(f_zbpxz->pc_zbpxz->currentWidget(), static_cast<QWidget*>(f_zbpxz->ts_ftc));
    QCOMPARE(f_zbpxz->ts_ftc->sb_ftc->value(), 60 - 36);
}

void ZbpxzSignalTest::chartKindChangesTheShownSeriesAndSignals() {
    Program program(sampleDraws(40));
    dissect("z_hz");
    ZbpxzSignalPage* page = f_zbpxz->ts_ftc;
    const std::vector<int32_t> series = f_zbpxz->input().series;
    QVERIFY(page->shown() == series);
    page->rb_ftc_ws->setChecked(true);
    for (std::size_t i = 0; i < series.size(); ++i) QCOMPARE(page->shown()[i], series[i] % 10);
    page->rb_ftc_ys->setChecked(true);
    page->cb_ftc_ysd->setCurrentText("7");
    for (std::size_t i = 0; i < series.size(); ++i) QCOMPARE(page->shown()[i], series[i] % 7);
    QCOMPARE(page->shownRange().min >= 0 && page->shownRange().max <= 6, true);
    // Odd/even over remainders: every column is a run of one kind, at most five long.
    page->rb_ftc_jo->setChecked(true);
    int draws = 0;
    for (const SignalColumn& c : page->columns()) {
        QVERIFY(c.signals.size() <= 5);
        for (std::size_t k = 0; k < c.signals.size(); ++k)
            QCOMPARE(c.signals[k], page->shown()[c.firstDraw + k] % 2 == 0 ? 1 : 0);
        draws += int(c.signals.size());
    }
    QCOMPARE(draws, 40);
}

// The edge case of the export: values 10…15, "奇数" and "升" after a last shown value of 12 give 13 and 15.
void ZbpxzSignalTest::exportAppendsTheAllowedValues() {
    DrawRows rows = sampleDraws(30);
    std::copy_n(std::vector<int>{12, 14, 16, 18, 20, 22}.begin(), 6, rows.back().begin() + 1);
    Program program(rows);
    dissect("z_num1");
    QCOMPARE(f_zbpxz->ts_ftc->shown().back(), 12);
    QString specialCaption;
    answerFilter({"10", "15", true, true, true, "b_main"}, &specialCaption);
    f_zbpxz->ts_ftc->b_ftc_filter->click();
    QCOMPARE(program.platform.messages.texts(),
             QStringList{QString::fromUtf8(mainExportConfirmation(workspace().MainLabel()).c_str())});
    ZhCustomTab* list = f_zh->customTab();
    QCOMPARE(listLines(list->list).last(), QStringLiteral("z_num1  容错  取值: 13  15  "));
    QVERIFY(list->e_selfzb->text().isEmpty());
    QVERIFY(!list->cb_selfzbrc->isChecked());
    QCOMPARE(specialCaption, QStringLiteral("导出到") + fromUtf8(workspace().SpecialLabel()) + QStringLiteral("过滤"));

    // The tail chart exports its wrapped formula to the blue list of a one-special-number type.
    program.platform.messages.messages.clear();
    f_zbpxz->ts_ftc->rb_ftc_ws->setChecked(true);
    answerFilter({"0", "3", false, false, false, "b_special"});
    f_zbpxz->ts_ftc->b_ftc_filter->click();
    QCOMPARE(program.platform.messages.texts(), QStringList{QString::fromUtf8(specialExportConfirmation(1).c_str())});
    QCOMPARE(listLines(f_zh->blueTab()->customTab()->list).last(), QStringLiteral("z_num1%10  取值: 0  1  2  3  "));
}

void ZbpxzSignalTest::exportRefusals_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("empty bound") << "z_hz" << "" << "90" << QStringList{QString::fromUtf8(kBoundsEmpty)};
    QTest::newRow("reversed") << "z_hz" << "91" << "90" << QStringList{QString::fromUtf8(kBoundsReversed)};
    QTest::newRow("no number") << "z_hz" << "9o" << "90" << QStringList{QString::fromUtf8(kBoundsNotNumbers)};
}

// A refused entry is reported and nothing reaches the filter page's list.
void ZbpxzSignalTest::exportRefusals() {
    QFETCH(QString, formula);
    QFETCH(QString, min);
    QFETCH(QString, max);
    QFETCH(QStringList, messages);
    Program program(sampleDraws(30));
    dissect(formula);
    const int before = f_zh->customTab()->list->count();
    answerFilter({min, max});
    f_zbpxz->ts_ftc->b_ftc_filter->click();
    QCOMPARE(program.platform.messages.texts(), messages);
    QCOMPARE(f_zh->customTab()->list->count(), before);

    // A series with neither formula nor name cannot be exported.
    program.platform.messages.messages.clear();
    DissectionInput input = f_zbpxz->input();
    input.formula.clear();
    input.name.clear();
    f_zbpxz->OpenDissection(input);
    f_zbpxz->ts_ftc->b_ftc_filter->click();
    QCOMPARE(program.platform.messages.texts(), QStringList{QString::fromUtf8(kCannotExport)});
}

void ZbpxzSignalTest::averageChartExportsTheValues() {
    const DrawRows rows = sampleDraws(12);
    Program program(rows);
    dissect("z_num1");
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_jzzs);
    QTemporaryDir folder;
    FileAnswers answers;
    answers.answers << folder.filePath("values");
    Platform seams = platform();
    seams.files = &answers;
    const Platform previous = installPlatform(seams);
    f_zbpxz->ts_jzzs->b_jz_export->click();
    installPlatform(previous);
    QCOMPARE(answers.titles, QStringList{QStringLiteral("导出指标值")});
    QCOMPARE(answers.filters, QStringList{QStringLiteral("指标值(*.txt)|*.txt")});
    const auto bytes = readFileBytes(folder.filePath("values.txt").toStdString());
    QVERIFY(bytes.has_value());
    const std::vector<std::string> lines = readGbkLines(*bytes);
    QCOMPARE(int(lines.size()), 12);
    QCOMPARE(QString::fromStdString(lines[11]), QStringLiteral("%1 %2").arg(rows[11][0]).arg(rows[11][1]));
}

// G = 3 over a missing file creates it with the rows 01, 02, 03 in every style; "确认修改" rewrites the
// whole file with the edited style and "取消" leaves it alone.
void ZbpxzSignalTest::fieldChartFilesAndTheirEditor() {
    Program program(sampleDraws(40));
    dissect("z_num1");
    const QString file3 = program.home.file("database/tyzsd3.txt");
    QVERIFY(!QFile::exists(program.home.file("database/tyzsd4.txt")));
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_tyd);
    QVERIFY(QFile::exists(program.home.file("database/tyzsd4.txt")));
    f_zbpxz->ts_tyd->cb_tyd_zhs->setCurrentText("3");
    QStringList expected;
    for (int s = 0; s < 10; ++s) expected << "01" << "02" << "03";
    QCOMPARE(QString::fromLatin1(fileBytes(file3)).split("\r\n", Qt::SkipEmptyParts), expected);

    f_zbpxz->ts_tyd->cb_tyd_style->setCurrentIndex(1);
    QStringList shown;
    whenModalShown([&](QDialog* dialog) {
        auto* d = static_cast<FieldStyleDialog*>(dialog);
        for (QLineEdit* e : d->e_row) shown << (e->isEnabled() ? e->text() : QStringLiteral("-"));
        d->e_row[0]->setText("01 02 03");
        d->e_row[1]->setText("04 05");
        QTest::mouseClick(d->b_ok, Qt::LeftButton);
    });
    f_zbpxz->ts_tyd->b_tyd_modify->click();
    QCOMPARE(shown, (QStringList{"01", "02", "03", "-", "-", "-", "-", "-", "-", "-"}));
    expected[3] = "01 02 03";
    expected[4] = "04 05";
    QCOMPARE(QString::fromLatin1(fileBytes(file3)).split("\r\n", Qt::SkipEmptyParts), expected);
    QCOMPARE(f_zbpxz->ts_tyd->styles().styles[1][1], std::string("04 05"));

    whenModalShown([](QDialog* dialog) {
        static_cast<FieldStyleDialog*>(dialog)->e_row[0]->setText("09");
        QTest::mouseClick(static_cast<FieldStyleDialog*>(dialog)->b_cancel, Qt::LeftButton);
    });
    f_zbpxz->ts_tyd->b_tyd_modify->click();
    QCOMPARE(QString::fromLatin1(fileBytes(file3)).split("\r\n", Qt::SkipEmptyParts), expected);
    QVERIFY(program.platform.messages.texts().isEmpty());
}

// Prints how long the dissection of getylz(getzf(z_hz)) over the bundled sample takes to show its first
// picture once the series is computed, to switch to each sub-page and to draw one scroll step.
void ZbpxzSignalTest::sampleHistoryDrawsQuickly() {
    Program program(sampleHistory());
    f_main->resize(1024, 768);
    dissect("getylz(getzf(z_hz))");
    QApplication::processEvents();
    QVERIFY(program.platform.messages.texts().isEmpty());
    const DissectionInput input = f_zbpxz->input();
    QElapsedTimer timer;
    timer.start();
    f_zbpxz->OpenDissection(input);
    f_zbpxz->ts_ftc->im_ftc->picture();
    f_zbpxz->ts_ftc->sg_ftc_signal->picture();
    qInfo("OpenDissection over %d draws, first view drawn: %lld ms", int(input.series.size()), timer.elapsed());
    for (int i = 1; i < f_zbpxz->pc_zbpxz->count(); ++i) {
        timer.restart();
        f_zbpxz->pc_zbpxz->setCurrentIndex(i);
        for (DrawingHost* host : f_zbpxz->pc_zbpxz->currentWidget()->findChildren<DrawingHost*>()) host->picture();
        qInfo("switch to %s: %lld ms", qPrintable(f_zbpxz->pc_zbpxz->tabText(i)), timer.elapsed());
    }
    f_zbpxz->pc_zbpxz->setCurrentIndex(0);
    timer.restart();
    f_zbpxz->ts_ftc->sb_ftc->setValue(f_zbpxz->ts_ftc->sb_ftc->value() - 1);
    f_zbpxz->ts_ftc->im_ftc->picture();
    qInfo("one scroll step of the signal chart: %lld ms", timer.elapsed());
}

void ZbpxzSignalTest::screenshots() {
    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    if (shots.isEmpty()) QSKIP("QORVEL_GRAB_DIR not set");
    Program program(sampleHistory());
    f_main->resize(1024, 768);
    f_main->openPage(PageId::zbpx);
    dissect("z_hz");
    QApplication::processEvents();
    f_main->grab().save(shots + "/zbpxz_hz_signal.png");
    f_zbpxz->ts_ftc->rb_ftc_wz->setChecked(true);
    f_zbpxz->ts_ftc->rb_ftc_jo->setChecked(true);
    f_zbpxz->ts_ftc->rb_ftc_ws->setChecked(true);
    QApplication::processEvents();
    f_main->grab().save(shots + "/zbpxz_hz_signal_tail_words.png");
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_jzzs);
    f_zbpxz->ts_jzzs->cb_jz[2]->setChecked(true);
    f_zbpxz->ts_jzzs->cb_jz[4]->setChecked(true);
    QApplication::processEvents();
    f_main->grab().save(shots + "/zbpxz_hz_average.png");
    for (int i = 1; i < f_zbpxz->pc_zbpxz->count(); ++i) {
        f_zbpxz->pc_zbpxz->setCurrentIndex(i);
        QApplication::processEvents();
        f_main->grab().save(shots + QStringLiteral("/zbpxz_hz_%1.png").arg(f_zbpxz->pc_zbpxz->currentWidget()->objectName()));
    }
    dissect("getylz(getzf(z_hz))");
    QApplication::processEvents();
    f_main->grab().save(shots + "/zbpxz_formula_signal.png");
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_ylfb);
    QApplication::processEvents();
    f_main->grab().save(shots + "/zbpxz_formula_ts_ylfb.png");
    dissect("getzf(z_num1)");
    f_zbpxz->pc_zbpxz->setCurrentWidget(f_zbpxz->ts_ylfb);
    QApplication::processEvents();
    f_main->grab().save(shots + "/zbpxz_formula_zf_num1_ts_ylfb.png");
    whenModalShown([&](QDialog* dialog) {
        dialog->grab().save(shots + "/zbpxz_filter_dialog.png");
        dialog->reject();
    });
    f_zbpxz->ts_ftc->b_ftc_filter->click();
}

QTEST_MAIN(ZbpxzSignalTest)
#include "zbpxz_signal_test.moc"
