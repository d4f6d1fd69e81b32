// The special-zone tabs of the filter page, driven as a user does: which tabs a type shows, the blue
// filter of one special number (choices, pickers, mean bounds, custom conditions, the forecast-row
// refusal, adding and deleting results, its condition files) and the special-zone filter of two special
// numbers (candidates, bankers and their limit, list conditions, the result grid, its condition files).
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "app/pages/u_zh.h"
#include "app/u_main.h"
#include "app/pages/zh/zh_blue_tab.h"
#include "app/pages/zh/zh_custom_tab.h"
#include "app/pages/zh/zh_zone_tab.h"
#include "app_test_support.h"
#include "combos/special_conditions.h"
#include "combos/special_filter.h"
#include "combos/result_forecast.h"
#include "draws/forecast_row.h"
#include "types/lottery_type.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kDraws = 30;

QString tile(int v) { return QStringLiteral("tile_%1").arg(v); }

// The program always starts on slot 0: a six-of-33 game with one special of 1..16 called "双色球", or a
// five-of-35 game called "超级大乐透" with two (or, to try a type the special tabs cannot filter, three)
// specials of 1..12.
void prepareType(const TestHome& home, int specials) {
    QDir().mkpath(home.file("database"));
    LotteryTypeTable table = defaultLotteryTypeTable();
    LotteryType& slot = table.slots[0];
    slot.Name = specials == 1 ? "双色球" : "超级大乐透";
    if (specials > 1) {
        slot.MainCount = 5;
        slot.MainTo = 35;
        slot.SpecialCount = static_cast<uint8_t>(specials);
        slot.SpecialTo = 12;
    }
    QVERIFY(saveLotteryTypes(home.file("database/cps.typ").toStdString(), table).empty());
    DrawRows rows = sampleDraws(kDraws);
    if (specials > 1) {
        rows.clear();
        for (int r = 0; r < kDraws; ++r) {
            rows.push_back({2021001 + r, 1, 8, 15, 22, 29 + r % 6, 3 + r % 4, 11});
            if (specials > 2) rows.back().push_back(12);
        }
    }
    writeDrawFile(home.file("database/basedata0.rec"), rows);
}

// A started program on one of the two types, with the file dialogs answered by the test.
struct SpecialFixture {
    explicit SpecialFixture(int specials) : program([specials](const TestHome& h) { prepareType(h, specials); }) {
        previous = installPlatform(Platform{nullptr, &files, nullptr, nullptr});
        program.platform.messages.messages.clear();
    }
    ~SpecialFixture() { installPlatform(Platform{nullptr, previous.files, nullptr, nullptr}); }
    QStringList messages() const { return program.platform.messages.texts(); }

    StartedProgram program;
    FileAnswers files;
    Platform previous;
};

QStringList listLines(QListWidget* list) {
    QStringList out;
    for (int r = 0; r < list->count(); ++r) out << list->item(r)->text();
    return out;
}

QStringList blueResults() { return listLines(control<QListWidget>(f_zh, "lb_lhresult")); }

// The special groups of the result grid, "a b" a row.
QStringList zoneRows() {
    auto* grid = control<QTableWidget>(f_zh, "sg_fqresult");
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r) out << grid->item(r, 1)->text() + " " + grid->item(r, 2)->text();
    return out;
}

QStringList twoDigits(std::initializer_list<int> numbers) {
    QStringList out;
    for (int n : numbers) out << QString::asprintf("%02d", n);
    return out;
}

// Opens a row's "..." picker, clicks the tiles and confirms.
void pickTiles(const QString& stem, std::initializer_list<int> values) {
    bool opened = false;
    whenModalShown([&](QDialog* d) {
        opened = true;
        clickControl(d, "b_selectnone");
        for (int v : values) clickControl(d, tile(v));
        clickControl(d, "b_ok");
    });
    clickControl(f_zh, "b_" + stem);
    QVERIFY2(opened, qPrintable(stem));
}

}  // namespace

class ZhSpecialTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void tabsFollowTheType_data();
    void tabsFollowTheType();
    void blueFilterConditions();
    void blueFilterRefusals();
    void blueResultListEditing();
    void blueConditionFileRoundTrip();
    void zoneFilterNumbersAndConditions();
    void zoneConditionFileRoundTrip();
    void customConditionsReachTheSpecialLists();
};

void ZhSpecialTest::tabsFollowTheType_data() {
    QTest::addColumn<int>("specials");
    QTest::addColumn<bool>("blue");
    QTest::addColumn<bool>("zone");
    QTest::addColumn<bool>("dual");
    QTest::addColumn<QString>("blueCaption");
    QTest::newRow("one special") << 1 << true << false << true << "蓝号过滤";
    QTest::newRow("two specials") << 2 << false << true << true << "副号过滤";
    QTest::newRow("three specials") << 3 << false << false << false << "副号过滤";
}

void ZhSpecialTest::tabsFollowTheType() {
    QFETCH(int, specials);
    QFETCH(bool, blue);
    QFETCH(bool, zone);
    QFETCH(bool, dual);
    QFETCH(QString, blueCaption);
    SpecialFixture fx(specials);
    QCOMPARE(f_zh->specialTabVisible(ZhSpecialTab::SingleSpecialFilter), blue);
    QCOMPARE(f_zh->specialTabVisible(ZhSpecialTab::SpecialFilter), zone);
    QCOMPARE(f_zh->specialTabVisible(ZhSpecialTab::DualZoneMatch), dual);
    if (!blue && !zone) return;
    QCOMPARE(f_zh->pc_zh->tabText(f_zh->pc_zh->indexOf(f_zh->blueTab())), blueCaption);

    // On the page at 1024x768 every button and box of the shown tab shows its whole caption.
    f_main->showNormal();
    f_main->resize(1024, 768);
    mainAction("n_zh")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(f_main));
    QWidget* tab = blue ? static_cast<QWidget*>(f_zh->blueTab()) : f_zh->zoneTab();
    f_zh->pc_zh->setCurrentWidget(tab);
    QApplication::processEvents();
    QVERIFY(tab->isVisible());
    for (QAbstractButton* b : tab->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(tab)) continue;
        const int needed = qobject_cast<QPushButton*>(b) ? b->fontMetrics().horizontalAdvance(b->text())
                                                         : b->minimumSizeHint().width();
        QVERIFY2(b->width() >= needed, qPrintable(b->objectName()));
    }
    // QORVEL_GRAB_DIR names a folder for a picture of the tab, to look at by eye.
    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    if (!shots.isEmpty()) f_main->grab().save(shots + "/" + tab->objectName() + ".png");
}

void ZhSpecialTest::blueFilterConditions() {
    SpecialFixture fx(1);
    // Nothing ticked: every number of 1..16 survives.
    clickControl(f_zh, "b_lhgl_filter");
    QCOMPARE(blueResults().size(), 16);
    QCOMPARE(control<QLabel>(f_zh, "l_lhresult")->text(), QStringLiteral("过滤结果：共16个"));

    // 大小区 "小数区" keeps 1..8; 除三余数 {1} then keeps 1, 4, 7.
    control<QCheckBox>(f_zh, "cb_lhdx")->setChecked(true);
    control<QComboBox>(f_zh, "combo_lhdx")->setCurrentIndex(0);
    clickControl(f_zh, "b_lhgl_filter");
    QCOMPARE(blueResults(), twoDigits({1, 2, 3, 4, 5, 6, 7, 8}));
    control<QCheckBox>(f_zh, "cb_lhcs3")->setChecked(true);
    pickTiles("lhcs3", {1});
    QCOMPARE(control<QLineEdit>(f_zh, "e_lhcs3")->text(), QStringLiteral("1  "));
    clickControl(f_zh, "b_lhgl_filter");
    QCOMPARE(blueResults(), twoDigits({1, 4, 7}));

    // Tolerant conditions with a total tolerance of exactly one fault: numbers failing exactly one.
    control<QCheckBox>(f_zh, "cb_lhdxrc")->setChecked(true);
    control<QCheckBox>(f_zh, "cb_lhcs3rc")->setChecked(true);
    control<QCheckBox>(f_zh, "cb_lhrcnum")->setChecked(true);
    control<QComboBox>(f_zh, "combo_lhrcnumfrom")->setCurrentIndex(1);
    control<QComboBox>(f_zh, "combo_lhrcnumto")->setCurrentIndex(1);
    clickControl(f_zh, "b_lhgl_filter");
    QCOMPARE(blueResults(), twoDigits({2, 3, 5, 6, 8, 10, 13, 16}));

    // "重置" unticks everything and clears the lists.
    clickControl(f_zh, "b_lhgl_reset");
    QVERIFY(!control<QCheckBox>(f_zh, "cb_lhcs3")->isChecked());
    QVERIFY(control<QLineEdit>(f_zh, "e_lhcs3")->text().isEmpty());
    QVERIFY(!control<QPushButton>(f_zh, "b_lhcs3")->isEnabled());
    clickControl(f_zh, "b_lhgl_filter");
    QCOMPARE(blueResults().size(), 16);
    QVERIFY(fx.messages().isEmpty());
}

void ZhSpecialTest::blueFilterRefusals() {
    SpecialFixture fx(1);
    // A mean condition without both bounds refuses the run and keeps the results.
    clickControl(f_zh, "b_lhgl_filter");
    control<QCheckBox>(f_zh, "cb_lh2qjz")->setChecked(true);
    control<QLineEdit>(f_zh, "me_lh2qjzfrom")->setText("3");
    clickControl(f_zh, "b_lhgl_filter");
    QCOMPARE(fx.messages(), QStringList{"二期均值还未确定范围"});
    QCOMPARE(blueResults().size(), 16);

    // With both bounds the run keeps the numbers whose mean with the last draw's special lies within.
    const int previous = workspace().MainStore.Row(workspace().MainStore.Count()).fields[7];
    control<QLineEdit>(f_zh, "me_lh2qjzfrom")->setText("0");
    control<QLineEdit>(f_zh, "me_lh2qjzto")->setText(QString::number((previous + 4) / 2.0));
    clickControl(f_zh, "b_lhgl_filter");
    QCOMPARE(fx.messages().size(), 1);
    QCOMPARE(blueResults(), twoDigits({1, 2, 3, 4}));

    // A forecast row in the store is cleared and the run refused.
    const int draws = workspace().MainStore.Count();
    writeForecastFields(workspace().MainStore, 6, {1, 2, 3, 4, 5, 6}, {7});
    QCOMPARE(workspace().MainStore.Count(), draws + 1);
    clickControl(f_zh, "b_lhgl_filter");
    QCOMPARE(fx.messages().last(), QString::fromUtf8(kBlueForecastRowMessage));
    QCOMPARE(workspace().MainStore.Count(), draws);
}

void ZhSpecialTest::blueResultListEditing() {
    SpecialFixture fx(1);
    control<QComboBox>(f_zh, "cb_lhgl_add")->setCurrentText("9");
    clickControl(f_zh, "b_lhgl_add");
    control<QComboBox>(f_zh, "cb_lhgl_add")->setCurrentText("3");
    clickControl(f_zh, "b_lhgl_add");
    clickControl(f_zh, "b_lhgl_add");  // never twice
    QCOMPARE(blueResults(), twoDigits({3, 9}));
    QCOMPARE(control<QLabel>(f_zh, "l_lhresult")->text(), QStringLiteral("过滤结果：共2个"));

    control<QListWidget>(f_zh, "lb_lhresult")->setCurrentRow(-1);
    clickControl(f_zh, "b_lhgl_delete");
    QCOMPARE(fx.messages(), QStringList{"请先在上边的列表中选择一组需要删除的号码"});
    control<QListWidget>(f_zh, "lb_lhresult")->setCurrentRow(0);
    clickControl(f_zh, "b_lhgl_delete");
    QCOMPARE(blueResults(), twoDigits({9}));
}

void ZhSpecialTest::blueConditionFileRoundTrip() {
    SpecialFixture fx(1);
    control<QCheckBox>(f_zh, "cb_lhjo")->setChecked(true);
    control<QComboBox>(f_zh, "combo_lhjo")->setCurrentIndex(1);
    control<QCheckBox>(f_zh, "cb_lhcs4")->setChecked(true);
    pickTiles("lhcs4", {0, 2});
    control<QCheckBox>(f_zh, "cb_lhcs4rc")->setChecked(true);
    control<QCheckBox>(f_zh, "cb_lh3qjz")->setChecked(true);
    control<QLineEdit>(f_zh, "me_lh3qjzfrom")->setText("2.5");
    control<QLineEdit>(f_zh, "me_lh3qjzto")->setText("9");
    const QString file = fx.program.home.file("blue");
    fx.files.answers = {file};
    clickControl(f_zh, "b_lhgl_savecond");
    QCOMPARE(fx.files.titles.last(), QStringLiteral("保存蓝号过滤条件"));
    QCOMPARE(fx.files.filters.last(), QStringLiteral("蓝号过滤条件格式文件(*.lzh)"));
    QVERIFY(QFile::exists(file + ".lzh"));

    clickControl(f_zh, "b_lhgl_reset");
    QVERIFY(!control<QCheckBox>(f_zh, "cb_lhjo")->isChecked());
    fx.files.answers = {file + ".lzh"};
    clickControl(f_zh, "b_lhgl_loadcond");
    QCOMPARE(fx.files.titles.last(), QStringLiteral("打开蓝号过滤条件存储文件"));
    QVERIFY(control<QCheckBox>(f_zh, "cb_lhjo")->isChecked());
    QCOMPARE(control<QComboBox>(f_zh, "combo_lhjo")->currentIndex(), 1);
    QCOMPARE(control<QLineEdit>(f_zh, "e_lhcs4")->text(), QStringLiteral("0  2  "));
    QVERIFY(control<QCheckBox>(f_zh, "cb_lhcs4rc")->isChecked());
    QCOMPARE(control<QLineEdit>(f_zh, "me_lh3qjzfrom")->text(), QStringLiteral("2.5"));
    QCOMPARE(control<QLineEdit>(f_zh, "me_lh3qjzto")->text(), QStringLiteral("9"));
    // The loaded conditions are the ones the run uses: even numbers with remainder 0 or 2 mod 4.
    control<QCheckBox>(f_zh, "cb_lh3qjz")->setChecked(false);
    clickControl(f_zh, "b_lhgl_filter");
    QCOMPARE(blueResults(), twoDigits({2, 4, 6, 8, 10, 12, 14, 16}));
    QVERIFY(fx.messages().isEmpty());
}

void ZhSpecialTest::zoneFilterNumbersAndConditions() {
    SpecialFixture fx(2);
    clickControl(f_zh, "b_fqfilter");
    QCOMPARE(zoneRows().size(), 66);  // two of 1..12
    QCOMPARE(control<QLabel>(f_zh, "l_fqresult")->text(), QStringLiteral("投注结果：共66注"));
    QCOMPARE(control<QTableWidget>(f_zh, "sg_fqresult")->item(0, 0)->text(), QStringLiteral("第1条"));

    // Candidates 1..4 through the picker: six groups.
    whenModalShown([](QDialog* d) {
        clickControl(d, "b_selectnone");
        for (int v : {1, 2, 3, 4}) clickControl(d, tile(v));
        clickControl(d, "b_ok");
    });
    clickControl(f_zh, "b_fqkxhm");
    QCOMPARE(control<QPlainTextEdit>(f_zh, "m_fqkxhm")->toPlainText(), QStringLiteral("01  02  03  04  "));
    clickControl(f_zh, "b_fqfilter");
    // Groups come in the enumeration order of the main zone: descending tuples, largest first.
    QCOMPARE(zoneRows(), (QStringList{"03 04", "02 04", "01 04", "02 03", "01 03", "01 02"}));

    // Three bankers are refused and cleared; one banker is in every group.
    f_zh->zoneTab()->setBankers({1, 2, 3});
    QCOMPARE(fx.messages(), QStringList{"选择副区胆码不能大于2个"});
    QVERIFY(control<QPlainTextEdit>(f_zh, "m_fqdm")->toPlainText().isEmpty());
    f_zh->zoneTab()->setBankers({3});
    clickControl(f_zh, "b_fqfilter");
    QCOMPARE(zoneRows(), (QStringList{"03 04", "02 03", "01 03"}));

    // 副区和值 {5}: only 01 04 and 02 03 sum to 5, and 03 is a banker.
    control<QCheckBox>(f_zh, "cb_fqhz")->setChecked(true);
    pickTiles("fqhz", {5});
    clickControl(f_zh, "b_fqfilter");
    QCOMPARE(zoneRows(), (QStringList{"02 03"}));
    QVERIFY(!control<QWidget>(f_zh, "row_fqpd")->isVisibleTo(f_zh->zoneTab()));

    clickControl(f_zh, "b_fqreset");
    clickControl(f_zh, "b_fqfilter");
    QCOMPARE(zoneRows().size(), 66);
}

void ZhSpecialTest::zoneConditionFileRoundTrip() {
    SpecialFixture fx(2);
    f_zh->zoneTab()->setCandidates({2, 4, 6, 8});
    f_zh->zoneTab()->setBankers({4});
    control<QCheckBox>(f_zh, "cb_fqcz")->setChecked(true);
    pickTiles("fqcz", {2, 4});
    const QString file = fx.program.home.file("zone.fzh");
    fx.files.answers = {file};
    clickControl(f_zh, "b_savefq");
    QCOMPARE(fx.files.titles.last(), QStringLiteral("保存副号过滤条件"));
    QCOMPARE(fx.files.filters.last(), QStringLiteral("副号过滤条件格式文件(*.fzh)"));
    clickControl(f_zh, "b_fqreset");
    clickControl(f_zh, "b_fqfilter");
    QCOMPARE(zoneRows().size(), 66);
    fx.files.answers = {file};
    clickControl(f_zh, "b_loadfq");
    QCOMPARE(control<QPlainTextEdit>(f_zh, "m_fqkxhm")->toPlainText(), QStringLiteral("02  04  06  08  "));
    QCOMPARE(control<QPlainTextEdit>(f_zh, "m_fqdm")->toPlainText(), QStringLiteral("04  "));
    QCOMPARE(control<QLineEdit>(f_zh, "e_fqcz")->text(), QStringLiteral("2  4  "));
    clickControl(f_zh, "b_fqfilter");
    QCOMPARE(zoneRows(), (QStringList{"04 08", "04 06", "02 04"}));
    QVERIFY(fx.messages().isEmpty());
}

void ZhSpecialTest::customConditionsReachTheSpecialLists() {
    // One special number: a custom condition on the blue tab's list filters the run.
    {
        SpecialFixture fx(1);
        control<QLineEdit>(f_zh, "e_lhselfzb")->setText("f_num1");
        whenModalShown([](QDialog* d) {
            for (int v : {5, 11}) control<QListWidget>(d, "clb_values")->item(v)->setCheckState(Qt::Checked);
            clickControl(d, "b_ok");
        });
        clickControl(f_zh, "b_lhselfzb");
        clickControl(f_zh, "b_lhaddselfzb");
        QCOMPARE(control<QListWidget>(f_zh, "lb_lhselfzb")->count(), 1);
        clickControl(f_zh, "b_lhgl_filter");
        QCOMPARE(blueResults().size(), 16);  // the list counts only while its switch is on
        control<QCheckBox>(f_zh, "cb_lhselfzb")->setChecked(true);
        clickControl(f_zh, "b_lhgl_filter");
        QCOMPARE(blueResults(), twoDigits({5, 11}));
    }
    // Two special numbers: an exported condition lands in the special-zone list with its message.
    {
        SpecialFixture fx(2);
        whenModalShown([](QDialog* d) {
            control<QListWidget>(d, "clb_values")->item(7)->setCheckState(Qt::Checked);
            clickControl(d, "b_ok");
        });
        QVERIFY(f_zh->addforspecialzb("f_num2", 0, 12, 3));
        QCOMPARE(control<QListWidget>(f_zh, "lb_fqselfzb")->count(), 1);
        QCOMPARE(fx.messages().last(),
                 QStringLiteral("过滤设置成功。该项过滤设置是在超强组号的副区过滤自定义指标中实现的，可在超强组号的"
                                "副区过滤自定义指标的列表框中查看。"));
        clickControl(f_zh, "b_fqfilter");
        QCOMPARE(zoneRows().size(), 6);  // second number 7: first 1..6
    }
}

QTEST_MAIN(ZhSpecialTest)
#include "zh_special_test.moc"
