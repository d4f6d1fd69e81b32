// The value pickers of the filter page, driven as a user does: a condition row's "..." opens the picker of
// its kind over its range, tiles and check items are toggled, criteria choose values (with their stop
// messages), "确定" replaces the condition's values, the number buttons set candidates and bankers.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/dialogs/zh/u_list_picker.h"
#include "app/dialogs/zh/u_tile_picker.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_condition_row.h"
#include "app_test_support.h"
#include "combos/combo_filter.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kDraws = 40;

template <class T>
T* in(QWidget* owner, const QString& name) {
    T* w = owner->findChild<T*>(name);
    if (!w) qFatal("missing control %s", qPrintable(name));
    return w;
}

void click(QWidget* owner, const QString& name) { QTest::mouseClick(in<QWidget>(owner, name), Qt::LeftButton); }

QString tile(int v) { return QStringLiteral("tile_%1").arg(v); }

void prepareHistory(const TestHome& home) {
    QDir().mkpath(home.file("database"));
    writeDrawFile(home.file("database/basedata0.rec"), sampleDraws(kDraws));
}

// Ticks a condition row and presses its "..."; `inside` runs in the picker's loop and must close it.
void openRowPicker(const QString& stem, const std::function<void(QDialog*)>& inside) {
    in<QCheckBox>(f_zh, "cb_" + stem)->setChecked(true);
    bool opened = false;
    whenModalShown([&](QDialog* d) {
        opened = true;
        inside(d);
    });
    click(f_zh, "b_" + stem);
    QVERIFY2(opened, qPrintable(stem));
}

std::vector<int32_t> rowValues(int id) { return f_zh->filter().conditions.list(id)->values; }

std::vector<int32_t> span(int from, int to, int step = 1) {
    std::vector<int32_t> out;
    for (int v = from; v <= to; v += step) out.push_back(v);
    return out;
}

// The main numbers of the last draw of the history.
std::vector<int> lastDraw() {
    const t_s_dm& store = workspace().MainStore;
    const auto& f = store.Row(store.Count()).fields;
    return {f.begin() + 1, f.begin() + 1 + workspace().params.MainCount};
}

QStringList flaggedNumbers(const std::array<bool, kMaxMainNumber + 1>& flags) {
    QStringList out;
    for (int n = 1; n <= kMaxMainNumber; ++n)
        if (flags[static_cast<std::size_t>(n)]) out << QString::number(n);
    return out;
}

}  // namespace

class ZhPickersTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void eachRowOpensThePickerOfItsKind();
    void tilesAreLaidOutOverTheRange();
    void confirmReplacesTheValuesAndCancelKeepsThem();
    void criteriaChooseValuesAndReportMissingBounds();
    void checkListChoosesByTail();
    void numberButtonsSetCandidatesAndBankers();
    void bankerOverflowClearsTheBankers();
    void filterAssistantShowsTheSeries();
};

void ZhPickersTest::eachRowOpensThePickerOfItsKind() {
    StartedProgram program(prepareHistory);
    const struct {
        const char* stem;
        int from, to;
        bool list, criteria;
    } cases[] = {
        {"dsgs", 0, 6, false, false},   // 大数个数: 0..N
        {"wzgs", 1, 6, false, false},   // 尾组个数: 1..N
        {"jjgs", 1, 5, false, false},   // 不同间距个数: 1..N−1
        {"ac", 0, 10, false, false},    // AC值
        {"num1", 1, 29, false, true},   // 主号一: 1..MAX−4
        {"zdjj", 1, 28, false, true},   // 最大间距: 1..MAX−N+1
        {"xh51", 3, 62, false, true},   // 和值5_1: 3..2·MAX−4
        {"xc32", 1, 28, false, true},   // 差值3_2: 1..MAX−5
        {"hzyl", 0, 700, true, true},   // 和值遗漏
        {"num1yl", 0, 200, true, true}, // 主号一遗漏
    };
    for (const auto& c : cases) {
        int from = -1, to = -1;
        bool list = false, criteria = false, assistant = false;
        QString title;
        openRowPicker(c.stem, [&](QDialog* d) {
            title = d->windowTitle();
            list = qobject_cast<ListPicker*>(d) != nullptr;
            const ValueSelection& s = list ? static_cast<ListPicker*>(d)->selection()
                                           : static_cast<TilePicker*>(d)->selection();
            from = s.from();
            to = s.to();
            criteria = in<QGroupBox>(d, "gb_criteria")->isEnabled();
            assistant = in<QPushButton>(d, "b_assistant")->isEnabled();
            click(d, "b_cancel");
        });
        QCOMPARE(title, QStringLiteral("取值选择"));
        QVERIFY2(list == c.list, c.stem);
        QVERIFY2(from == c.from && to == c.to, qPrintable(QStringLiteral("%1: %2..%3").arg(c.stem).arg(from).arg(to)));
        QVERIFY2(criteria == c.criteria, c.stem);
        QVERIFY2(assistant, c.stem);
    }
    // One picker of each kind serves every row.
    QCOMPARE(f_zh->findChildren<TilePicker*>().size(), 1);
    QCOMPARE(f_zh->findChildren<ListPicker*>().size(), 1);
}

void ZhPickersTest::tilesAreLaidOutOverTheRange() {
    StartedProgram program(prepareHistory);
    QList<QPoint> positions;
    QList<bool> shown;
    QColor plain, chosen;
    openRowPicker("hz", [&](QDialog* d) {  // 和值: 40..160
        click(d, tile(41));
        for (int v : {39, 40, 41, 59, 60, 160, 161})
            shown << in<QWidget>(d, tile(v))->isVisible();
        for (int v : {40, 41, 59, 60, 160}) positions << in<QWidget>(d, tile(v))->pos();
        const QImage image = in<QWidget>(d, "p_tiles")->grab().toImage();
        plain = image.pixelColor(5 + 1, 5 + 1);       // tile 40
        chosen = image.pixelColor(35 + 1, 5 + 1);     // tile 41
        if (!qEnvironmentVariableIsEmpty("QORVEL_PICKER_SHOTS"))
            d->grab().save(qEnvironmentVariable("QORVEL_PICKER_SHOTS") + "/tile_picker.png");
        click(d, "b_cancel");
    });
    QCOMPARE(shown, (QList<bool>{false, true, true, true, true, true, false}));
    QCOMPARE(positions, (QList<QPoint>{{5, 5}, {35, 5}, {575, 5}, {5, 35}, {5, 185}}));
    QCOMPARE(plain, QColor(53, 191, 202));
    QCOMPARE(chosen, QColor(227, 28, 199));
}

void ZhPickersTest::confirmReplacesTheValuesAndCancelKeepsThem() {
    StartedProgram program(prepareHistory);
    const int sumId = 25;  // 和值
    openRowPicker("hz", [](QDialog* d) {
        for (int v : {90, 50, 52, 90}) click(d, tile(v));  // 90 toggled twice
        click(d, "b_ok");
    });
    QCOMPARE(rowValues(sumId), (std::vector<int32_t>{50, 52}));
    QCOMPARE(in<QLineEdit>(f_zh, "e_hz")->text(), QStringLiteral("50  52  "));

    // The next use preselects the values; "反选" inverts within the range, "取消" changes nothing.
    std::vector<int32_t> preselected, inverted;
    openRowPicker("hz", [&](QDialog* d) {
        auto* picker = static_cast<TilePicker*>(d);
        preselected = picker->chosen();
        click(d, "b_invert");
        inverted = picker->chosen();
        click(d, "b_cancel");
    });
    QCOMPARE(preselected, (std::vector<int32_t>{50, 52}));
    QCOMPARE(static_cast<int>(inverted.size()), 121 - 2);
    QCOMPARE(rowValues(sumId), (std::vector<int32_t>{50, 52}));

    // "全选" then "全不选" then two tiles; "重置" clears tiles and criteria.
    bool criterionAfterReset = true;
    openRowPicker("hz", [&](QDialog* d) {
        click(d, "b_selectall");
        click(d, "b_selectnone");
        in<QCheckBox>(d, "cb_parity")->setChecked(true);
        click(d, tile(40));
        click(d, "b_reset");
        criterionAfterReset = in<QCheckBox>(d, "cb_parity")->isChecked();
        click(d, tile(160));
        click(d, "b_ok");
    });
    QVERIFY(!criterionAfterReset);
    QCOMPARE(rowValues(sumId), std::vector<int32_t>{160});
}

void ZhPickersTest::criteriaChooseValuesAndReportMissingBounds() {
    StartedProgram program(prepareHistory);
    program.platform.messages.messages.clear();
    int lastSum = 0;
    for (int n : lastDraw()) lastSum += n;
    std::vector<int32_t> oddThrees, afterStop, nearLast;
    bool criteriaFreshOnNextUse = false;
    openRowPicker("hz", [&](QDialog* d) {
        in<QCheckBox>(d, "cb_parity")->setChecked(true);
        in<QRadioButton>(d, "rb_odd")->setChecked(true);
        in<QCheckBox>(d, "cb_mod3")->setChecked(true);
        in<QCheckBox>(d, "cb_mod3_0")->setChecked(true);
        click(d, "b_bycriteria");
        oddThrees = static_cast<TilePicker*>(d)->chosen();
        in<QCheckBox>(d, "cb_range")->setChecked(true);
        in<QLineEdit>(d, "e_rangefrom")->setText("60");
        click(d, "b_bycriteria");
        afterStop = static_cast<TilePicker*>(d)->chosen();
        click(d, "b_reset");
        in<QCheckBox>(d, "cb_amplitude")->setChecked(true);
        in<QLineEdit>(d, "e_amplitudefrom")->setText("0");
        in<QLineEdit>(d, "e_amplitudeto")->setText("1");
        click(d, "b_bycriteria");
        nearLast = static_cast<TilePicker*>(d)->chosen();
        click(d, "b_ok");
    });
    QCOMPARE(oddThrees, span(45, 159, 6));
    QVERIFY(afterStop.empty());
    QCOMPARE(program.platform.messages.texts(), QStringList{QStringLiteral("取值范围未输入数据")});
    std::vector<int32_t> expected;
    for (int v = lastSum - 1; v <= lastSum + 1; ++v)
        if (v >= 40 && v <= 160) expected.push_back(v);
    QCOMPARE(nearLast, expected);
    QCOMPARE(rowValues(25), expected);

    openRowPicker("hz", [&](QDialog* d) {
        criteriaFreshOnNextUse = !in<QCheckBox>(d, "cb_amplitude")->isChecked() &&
                                 in<QLineEdit>(d, "e_amplitudeto")->text().isEmpty();
        in<QCheckBox>(d, "cb_average")->setChecked(true);
        click(d, "b_bycriteria");
        click(d, "b_cancel");
    });
    QVERIFY(criteriaFreshOnNextUse);
    QCOMPARE(program.platform.messages.texts().last(), QStringLiteral("二期均值未输入数据"));
    QCOMPARE(rowValues(25), expected);
}

void ZhPickersTest::checkListChoosesByTail() {
    StartedProgram program(prepareHistory);
    bool inside = false, outside = true;
    openRowPicker("hwyl", [&](QDialog* d) {  // 和尾遗漏: 0..100
        QListWidget* list = static_cast<ListPicker*>(d)->list();
        inside = list->item(100)->flags().testFlag(Qt::ItemIsEnabled);
        outside = list->item(101)->flags().testFlag(Qt::ItemIsEnabled);
        in<QCheckBox>(d, "cb_tail")->setChecked(true);
        in<QLineEdit>(d, "e_tail")->setText("5");
        click(d, "b_bycriteria");
        // Ticking an item by hand adds it to the criteria's choice.
        list->item(7)->setCheckState(Qt::Checked);
        if (!qEnvironmentVariableIsEmpty("QORVEL_PICKER_SHOTS"))
            d->grab().save(qEnvironmentVariable("QORVEL_PICKER_SHOTS") + "/list_picker.png");
        click(d, "b_ok");
    });
    QVERIFY(inside);
    QVERIFY(!outside);
    std::vector<int32_t> expected = span(5, 95, 10);
    expected.insert(expected.begin() + 1, 7);
    QCOMPARE(rowValues(132), expected);
}

void ZhPickersTest::numberButtonsSetCandidatesAndBankers() {
    StartedProgram program(prepareHistory);
    program.platform.messages.messages.clear();
    bool amplitude = true, average = true, assistant = true, criteria = false;
    std::vector<int32_t> preselected;
    whenModalShown([&](QDialog* d) {
        preselected = static_cast<TilePicker*>(d)->chosen();
        amplitude = in<QCheckBox>(d, "cb_amplitude")->isEnabled();
        average = in<QCheckBox>(d, "cb_average")->isEnabled();
        assistant = in<QPushButton>(d, "b_assistant")->isEnabled();
        criteria = in<QGroupBox>(d, "gb_criteria")->isEnabled();
        click(d, "b_selectnone");
        for (int v : {3, 9, 1, 33}) click(d, tile(v));
        click(d, "b_ok");
    });
    click(f_zh, "b_zqkxhm");
    QCOMPARE(preselected, span(1, 33));
    QVERIFY(criteria && !amplitude && !average && !assistant);
    QCOMPARE(flaggedNumbers(f_zh->filter().conditions.candidates), (QStringList{"1", "3", "9", "33"}));
    QCOMPARE(in<QPlainTextEdit>(f_zh, "m_zqkxhm")->toPlainText(), QStringLiteral("01  03  09  33  "));

    whenModalShown([](QDialog* d) {
        for (int v : {4, 8}) click(d, tile(v));
        click(d, "b_ok");
    });
    click(f_zh, "b_zqdm");
    QCOMPARE(flaggedNumbers(f_zh->filter().conditions.bankers), (QStringList{"4", "8"}));
    QVERIFY(program.platform.messages.texts().isEmpty());
}

void ZhPickersTest::bankerOverflowClearsTheBankers() {
    StartedProgram program(prepareHistory);
    const int realCount = workspace().params.MainCount;
    const struct {
        int mainCount;
        int chosen;
        bool refused;
    } cases[] = {{6, 6, false}, {6, 7, true}, {5, 5, false}, {5, 7, true}};
    for (const auto& c : cases) {
        workspace().params.MainCount = c.mainCount;
        f_zh->setBankers({2});
        program.platform.messages.messages.clear();
        whenModalShown([&](QDialog* d) {
            click(d, "b_selectnone");
            for (int v = 1; v <= c.chosen; ++v) click(d, tile(v * 3));
            click(d, "b_ok");
        });
        click(f_zh, "b_zqdm");
        const QStringList bankers = flaggedNumbers(f_zh->filter().conditions.bankers);
        if (c.refused) {
            QCOMPARE(program.platform.messages.texts(), QStringList{QStringLiteral("选择主号胆码不能大于6个")});
            QVERIFY(bankers.isEmpty());
            QVERIFY(in<QPlainTextEdit>(f_zh, "m_zqdm")->toPlainText().isEmpty());
        } else {
            QVERIFY(program.platform.messages.texts().isEmpty());
            QCOMPARE(bankers.size(), c.chosen);
        }
    }
    workspace().params.MainCount = realCount;
}

void ZhPickersTest::filterAssistantShowsTheSeries() {
    StartedProgram program(prepareHistory);
    DissectionInput shown;
    bool dissectionOpened = false;
    openRowPicker("num2", [&](QDialog* d) {
        whenModalShown([&](QDialog* view) {
            dissectionOpened = view != d;
            if (auto* page = view->findChild<Tf_zbpxz*>()) shown = page->input();
            view->reject();
        });
        click(d, "b_assistant");
        click(d, "b_cancel");
    });
    QVERIFY(dissectionOpened);
    QCOMPARE(QString::fromStdString(shown.title), QStringLiteral("红号二（过滤助手）"));
    const t_s_dm& store = workspace().MainStore;
    QCOMPARE(static_cast<int>(shown.series.size()), store.Count());
    int lo = 99, hi = 0;
    for (int r = 1; r <= store.Count(); ++r) {
        const int32_t n2 = store.Row(r).fields[2];
        QCOMPARE(shown.series[static_cast<std::size_t>(r - 1)], n2);
        lo = std::min(lo, n2);
        hi = std::max(hi, n2);
    }
    QCOMPARE(shown.seriesMin, lo);
    QCOMPARE(shown.seriesMax, hi);
    QCOMPARE(shown.cursorRow, store.Count() - 36);
}

QTEST_MAIN(ZhPickersTest)
#include "zh_pickers_test.moc"
