// The cold/hot dialog, the records-per-page dialog and the settings page with its two listings.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QtTest>

#include "app/app_state.h"
#include "app/dialogs/u_coldhotset.h"
#include "app/dialogs/u_cpstyle.h"
#include "app/dialogs/u_largerset.h"
#include "app/pages/u_set.h"
#include "app/u_main.h"
#include "app_test_support.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

QStringList listValues(const tseqlist& list) {
    QStringList values;
    for (int k = 1; k <= list.count(); ++k) values << QString::number(list.get(k));
    return values;
}

int settingsValue(const TestHome& home, const char* name) {
    QSettings settings(home.settingsFile(), QSettings::IniFormat);
    return settings.value(QString("software/qorvelsettings/") + name, -1).toInt();
}

struct Boxes {
    QString period, cold, hot;
};

// Opens the cold/hot dialog for one zone, records what the boxes showed, types `typed` and presses 确定;
// if the dialog is still open afterwards (a refused box), presses 取消.
bool runColdHotDialog(bool mainZone, int issue, const Boxes& typed, Boxes* shown, bool* stayedOpen) {
    whenModalShown([&](QDialog* dialog) {
        auto* d = static_cast<Tf_coldhotset*>(dialog);
        *shown = {d->e_qsfield->text(), d->e_cold->text(), d->e_hot->text()};
        d->e_qsfield->setText(typed.period);
        d->e_cold->setText(typed.cold);
        d->e_hot->setText(typed.hot);
        d->b_ok->click();
        *stayedOpen = d->isVisible();
        if (*stayedOpen) d->b_cancel->click();
    });
    return f_coldhotset->editZone(mainZone, issue);
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void coldHotDialogWritesOneZone_data();
    void coldHotDialogWritesOneZone();
    void coldHotDialogRefusesNonNumbers_data();
    void coldHotDialogRefusesNonNumbers();
    void recordsPerPageDialog_data();
    void recordsPerPageDialog();
    void settingsPageShowsBothListings();
};

void SettingsTest::coldHotDialogWritesOneZone_data() {
    QTest::addColumn<bool>("mainZone");
    QTest::newRow("main numbers") << true;
    QTest::newRow("special numbers") << false;
}

void SettingsTest::coldHotDialogWritesOneZone() {
    QFETCH(bool, mainZone);
    StartedProgram program([](const TestHome& home) {
        QDir().mkpath(home.file("database"));
        writeDrawFile(home.file("database/basedata0.rec"), sampleDraws(40));
    });
    Workspace& ws = workspace();
    ws.MainStore.Last();
    const int lastIssue = ws.MainStore.GetField(0);
    Boxes shown;
    bool stayedOpen = false;
    // A period of one draw, cold at 0 and hot at 1: exactly the last draw's numbers are hot.
    QVERIFY(runColdHotDialog(mainZone, lastIssue, {" 1 ", "0", "1"}, &shown, &stayedOpen));
    QVERIFY(!stayedOpen);
    QCOMPARE(shown.period, QString("20"));
    QCOMPARE(shown.cold, mainZone ? QString("4") : QString("1"));
    QCOMPARE(shown.hot, mainZone ? QString("8") : QString("5"));

    const char* written[] = {"qs", "coldcs", "hotcs"};
    const char* untouched[] = {"f_qs", "f_coldcs", "f_hotcs"};
    const int expectedWritten[] = {1, 0, 1};
    const int expectedUntouched[] = {20, mainZone ? 1 : 4, mainZone ? 5 : 8};
    for (int i = 0; i < 3; ++i) {
        const std::string name = mainZone ? written[i] : std::string("f_") + written[i];
        const std::string other = mainZone ? untouched[i] : std::string(untouched[i]).substr(2);
        QCOMPARE(settingsValue(program.home, name.c_str()), expectedWritten[i]);
        QCOMPARE(settingsValue(program.home, other.c_str()), expectedUntouched[i]);
    }
    QCOMPARE(mainZone ? ws.coldHot.qs : ws.coldHot.f_qs, 1);

    const auto last = sampleDraws(40).back();
    QStringList drawn;
    if (mainZone)
        for (int f = 1; f <= 6; ++f) drawn << QString::number(last[f]);
    else
        drawn << QString::number(last[7]);
    QCOMPARE(listValues(mainZone ? ws.coldHotLists.mainHot : ws.coldHotLists.specialHot), drawn);
    QCOMPARE(listValues(mainZone ? ws.coldHotLists.mainWarm : ws.coldHotLists.specialWarm), QStringList());
}

void SettingsTest::coldHotDialogRefusesNonNumbers_data() {
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("cold");
    QTest::addColumn<QString>("hot");
    QTest::addColumn<QString>("refused");
    QTest::newRow("empty period") << ""
                                  << "4"
                                  << "8"
                                  << "";
    QTest::newRow("letters") << "20"
                             << "abc"
                             << "8"
                             << "abc";
    QTest::newRow("decimal") << "20"
                             << "4"
                             << "8.5"
                             << "8.5";
}

void SettingsTest::coldHotDialogRefusesNonNumbers() {
    QFETCH(QString, period);
    QFETCH(QString, cold);
    QFETCH(QString, hot);
    QFETCH(QString, refused);
    StartedProgram program;
    program.platform.messages.messages.clear();
    Boxes shown;
    bool stayedOpen = false;
    QVERIFY(!runColdHotDialog(true, kDefaultDrawIssue, {period, cold, hot}, &shown, &stayedOpen));
    QVERIFY(stayedOpen);
    QCOMPARE(program.platform.messages.texts(), QStringList{invalidNumberMessage(refused)});
    QCOMPARE(settingsValue(program.home, "qs"), 20);
    QCOMPARE(settingsValue(program.home, "coldcs"), 4);
    QCOMPARE(settingsValue(program.home, "hotcs"), 8);
    QCOMPARE(workspace().coldHot.coldcs, 4);
}

void SettingsTest::recordsPerPageDialog_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("expected");  // 0: refused, -1: cancelled
    QTest::newRow("default") << "" << 60;
    QTest::newRow("chosen") << "120" << 120;
    QTest::newRow("smallest") << "1" << 1;
    QTest::newRow("largest") << "500" << 500;
    QTest::newRow("zero refused") << "0" << 0;
    QTest::newRow("above the list refused") << "501" << 0;
    QTest::newRow("letters refused") << "x" << 0;
    QTest::newRow("cancel") << "cancel" << -1;
}

void SettingsTest::recordsPerPageDialog() {
    QFETCH(QString, typed);
    QFETCH(int, expected);
    StartedProgram program;
    program.platform.messages.messages.clear();
    QCOMPARE(f_largerset->windowTitle(), QStringLiteral("设置"));
    QCOMPARE(f_largerset->ComboBox1->count(), 500);
    bool stayedOpen = false;
    whenModalShown([&](QDialog* dialog) {
        auto* d = static_cast<Tf_largerset*>(dialog);
        QCOMPARE(d->ComboBox1->currentText(), QString("60"));
        if (typed == "cancel") {
            d->b_cancel->click();
            return;
        }
        if (!typed.isEmpty()) d->ComboBox1->setEditText(typed);
        d->b_ok->click();
        stayedOpen = d->isVisible();
        if (stayedOpen) d->b_cancel->click();
    });
    const std::optional<int> chosen = f_largerset->chooseRecordsPerPage();
    QCOMPARE(chosen.has_value(), expected > 0);
    if (expected > 0) QCOMPARE(*chosen, expected);
    QCOMPARE(stayedOpen, expected == 0);
    QCOMPARE(program.platform.messages.texts(),
             expected == 0 ? QStringList{invalidNumberMessage(typed)} : QStringList{});
}

void SettingsTest::settingsPageShowsBothListings() {
    StartedProgram program([](const TestHome& home) {
        LotteryTypeTable table = defaultLotteryTypeTable();
        table.slots[1].MainTo = 35;
        QVERIFY(saveLotteryTypes(home.file("database/cps.typ").toStdString(), table).empty());
    });
    mainAction("n_set")->trigger();
    QCOMPARE(f_main->pc_main->currentWidget(), f_main->tabSheet(PageId::set));
    QVERIFY(f_set->isVisible());
    QCOMPARE(f_set->pc_set->tabText(0), QStringLiteral("分区说明"));
    QCOMPARE(f_set->pc_set->tabText(1), QStringLiteral("形态取值说明"));
    QCOMPARE(f_set->pc_set->currentWidget(), f_set->ts_fqsm);
    QVERIFY(f_set->m_fqsm->isReadOnly());
    QStringList zoneLines = f_set->m_fqsm->toPlainText().split('\n');
    QCOMPARE(zoneLines.size(), 28);
    QCOMPARE(zoneLines[0], QStringLiteral("(二区的分区设定)"));
    QCOMPARE(zoneLines[1], QStringLiteral("小区<1..16>          大区<17..33>"));
    QVERIFY(zoneLines[27].startsWith(QStringLiteral("一区<1..2>  ")));

    f_set->pc_set->setCurrentWidget(f_set->TabSheet1);
    const QStringList patternLines = f_set->m_xtsm->toPlainText().split('\n');
    QVERIFY(f_set->m_xtsm->isReadOnly());
    QCOMPARE(patternLines.first(), QStringLiteral("两个指标组合的单选形态"));
    QCOMPARE(patternLines[1], QStringLiteral("      0=  偶偶      1=  偶奇      2=  奇偶      3=  奇奇"));
    QCOMPARE(patternLines.size(), 35);

    // After a switch to a 35-number type the page, shown again, lists the new zones on its first sheet.
    whenModalShown([](QDialog* dialog) {
        static_cast<Tf_cpstyle*>(dialog)->rb[1]->click();
        static_cast<Tf_cpstyle*>(dialog)->b_ok->click();
    });
    mainAction("n_czxz")->trigger();
    mainAction("n_set")->trigger();
    QCOMPARE(f_set->pc_set->currentWidget(), f_set->ts_fqsm);
    zoneLines = f_set->m_fqsm->toPlainText().split('\n');
    QCOMPARE(zoneLines[1], QStringLiteral("小区<1..17>          大区<18..35>"));

    // "刷新" rebuilds the listing from the current zone bounds.
    f_set->m_fqsm->setPlainText("stale");
    f_set->b_sx->click();
    QCOMPARE(f_set->m_fqsm->toPlainText().split('\n')[1],
             QStringLiteral("小区<1..17>          大区<18..35>"));
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
