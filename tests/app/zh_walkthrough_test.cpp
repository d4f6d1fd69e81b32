// One whole filtering on the page "超强组号", the way a user works through it: candidates and a condition
// through the pickers, a run, saving and loading the conditions, a continued run with a further
// condition, undoing back to the first run's conditions, the blue filter, matching the two result sets
// into full tickets and checking them against a draw.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include "app/pages/u_zh.h"
#include "app/u_main.h"
#include "app/pages/zh/zh_blue_tab.h"
#include "app/pages/zh/zh_dual_tab.h"
#include "app/pages/zh/zh_operations.h"
#include "app_test_support.h"
#include "combos/combo_filter.h"
#include "combos/dual_match.h"
#include "types/lottery_type.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kDraws = 30;

// Six of 33 plus one of 16, named so the special label is "蓝号".
void prepare(const TestHome& home) {
    QDir().mkpath(home.file("database"));
    LotteryTypeTable table = defaultLotteryTypeTable();
    table.slots[0].Name = "双色球";
    QVERIFY(saveLotteryTypes(home.file("database/cps.typ").toStdString(), table).empty());
    writeDrawFile(home.file("database/basedata0.rec"), sampleDraws(kDraws));
}

// Opens the picker with `open`, chooses exactly `values` and confirms.
void pick(const QString& button, std::initializer_list<int> values) {
    bool opened = false;
    whenModalShown([&](QDialog* d) {
        opened = true;
        clickControl(d, "b_selectnone");
        for (int v : values) clickControl(d, QStringLiteral("tile_%1").arg(v));
        clickControl(d, "b_ok");
    });
    clickControl(f_zh, button);
    QVERIFY2(opened, qPrintable(button));
}

void runAndWait(const QString& button) {
    clickControl(f_zh, button);
    QTRY_VERIFY_WITH_TIMEOUT(!f_zh->running(), 20000);
}

// The main result set as ascending tickets.
std::vector<std::vector<int>> mainTickets() {
    const ResultSet& results = f_zh->filter().results;
    std::vector<std::vector<int>> out;
    for (int k = 1; k <= results.count(); ++k) {
        std::vector<int> t;
        for (int i = 0; i < 6; ++i) t.push_back(results.slot(k).bytes[static_cast<std::size_t>(i)]);
        out.push_back(t);
    }
    return out;
}

// QORVEL_GRAB_DIR names a folder for pictures of the window along the way, to look at by eye.
void shot(const char* name) {
    const QString dir = qEnvironmentVariable("QORVEL_GRAB_DIR");
    if (!dir.isEmpty()) f_main->grab().save(dir + "/walkthrough_" + name + ".png");
}

int odds(const std::vector<int>& ticket) {
    return static_cast<int>(std::count_if(ticket.begin(), ticket.end(), [](int n) { return n % 2 == 1; }));
}

}  // namespace

class ZhWalkthroughTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void wholeFiltering();
};

void ZhWalkthroughTest::wholeFiltering() {
    StartedProgram program(prepare);
    FileAnswers files;
    const Platform previous = installPlatform(Platform{nullptr, &files, nullptr, nullptr});
    program.platform.messages.messages.clear();
    mainAction("n_zh")->trigger();
    f_main->resize(1024, 768);
    QVERIFY(QTest::qWaitForWindowExposed(f_main));
    QApplication::processEvents();

    // Candidates 1..10, the structural switches off, exactly three odd numbers: C(5,3)·C(5,3) tickets.
    pick("b_zqkxhm", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    for (const char* name : {"cb_notequaldist", "cb_specnext", "cb_nothistory"})
        control<QCheckBox>(f_zh, name)->setChecked(false);
    control<QCheckBox>(f_zh, "cb_jsgs")->setChecked(true);
    pick("b_jsgs", {3});
    runAndWait("b_filter");
    auto tickets = mainTickets();
    QCOMPARE(int(tickets.size()), 100);
    for (const auto& t : tickets) QVERIFY(odds(t) == 3 && t.back() <= 10);
    QVERIFY(control<QLabel>(f_zh, "l_zh_status")->text().endsWith(QStringLiteral("已得到符合条件的红号组有100个")));
    QCOMPARE(control<QTableWidget>(f_zh, "sg_zqresult")->rowCount(), 100);
    shot("main");

    // Save the conditions, reset, load them back.
    const QString saved = program.home.file("save/three-odd.zh");
    files.answers = {saved};
    f_zh->operations()->n_savecond->trigger();
    f_zh->operations()->n_reset->trigger();
    QVERIFY(!control<QCheckBox>(f_zh, "cb_jsgs")->isChecked());
    files.answers = {saved};
    f_zh->operations()->n_loadcond->trigger();
    QVERIFY(control<QCheckBox>(f_zh, "cb_jsgs")->isChecked());
    QCOMPARE(control<QLineEdit>(f_zh, "e_jsgs")->text(), QStringLiteral("3  "));

    // Continue over the results with 主号一 = 1: the tickets holding 1, two more odd and three even.
    control<QCheckBox>(f_zh, "cb_num1")->setChecked(true);
    pick("b_num1", {1});
    runAndWait("b_contfilter");
    tickets = mainTickets();
    QCOMPARE(int(tickets.size()), 60);
    for (const auto& t : tickets) QVERIFY(t.front() == 1 && odds(t) == 3);

    // Undo brings back the conditions of the run before.
    f_zh->operations()->n_undo->trigger();
    QVERIFY(control<QCheckBox>(f_zh, "cb_jsgs")->isChecked());
    QVERIFY(!control<QCheckBox>(f_zh, "cb_num1")->isChecked());

    // The blue filter keeps the odd special numbers.
    f_zh->pc_zh->setCurrentWidget(f_zh->blueTab());
    control<QCheckBox>(f_zh, "cb_lhjo")->setChecked(true);
    control<QComboBox>(f_zh, "combo_lhjo")->setCurrentIndex(0);
    clickControl(f_zh, "b_lhgl_filter");
    QCOMPARE(control<QListWidget>(f_zh, "lb_lhresult")->count(), 8);
    shot("blue");

    // Sequential matching pairs the 60 tickets with 1, 3, 5, ... in turn.
    ZhDualTab* dual = f_zh->dualTab();
    QVERIFY(f_zh->specialTabVisible(ZhSpecialTab::DualZoneMatch));
    f_zh->pc_zh->setCurrentWidget(dual);
    dual->rb_sxpp->setChecked(true);
    clickControl(dual, "b_startpp");
    const DualResultSet& set = f_zh->dualResults();
    QCOMPARE(set.count(), 60);
    for (int k = 1; k <= set.count(); ++k) {
        QCOMPARE(set.at(k).main, std::vector<int32_t>(tickets[static_cast<std::size_t>(k - 1)].begin(),
                                                      tickets[static_cast<std::size_t>(k - 1)].end()));
        QCOMPARE(set.at(k).special.front(), 1 + 2 * ((k - 1) % 8));
    }
    QCOMPARE(dual->l_sqstatus->text(), QStringLiteral("超强组号  已得到双区组合数有60个"));

    // The prize check against the first draw (01 06 11 16 21 26 + 01) ranks the tickets by level.
    whenModalShown([](QDialog* d) {
        control<QLineEdit>(d, "me_djqs")->setText("2020001");
        QCOMPARE(control<QLineEdit>(d, "me_fq")->text().remove('-').remove(' ').toInt(), 1);
        clickControl(d, "b_ok");
    });
    clickControl(dual, "b_dj");
    QVERIFY(dual->m_djjg->toPlainText().startsWith(QStringLiteral("一等奖:0个;")));
    shot("dual");
    int previousLevel = 1;
    for (int k = 1; k <= set.count(); ++k) {
        const int level = set.at(k).level == 0 ? kDualPrizeLevels : set.at(k).level;
        QVERIFY(level >= previousLevel);
        previousLevel = level;
    }
    QVERIFY(program.platform.messages.texts().isEmpty());
    installPlatform(Platform{nullptr, previous.files, nullptr, nullptr});
}

QTEST_MAIN(ZhWalkthroughTest)
#include "zh_walkthrough_test.moc"
