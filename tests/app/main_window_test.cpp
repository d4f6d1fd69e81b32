// The main window: first start, start-up position and forecast clean-up, page tabs and their order, the
// tab popup, the modal actions, exit, shutdown, help and the desktop tools.
#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "app/app_state.h"
#include "app/desktop_tools.h"
#include "app/help_page.h"
#include "app/pages/u_fxd.h"
#include "app/pages/u_tjq.h"
#include "app/u_main.h"
#include "app_test_support.h"

using namespace qorvel;
using namespace qorvel::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void firstStartCreatesTheDefaults();
    void tabsStayHiddenUntilTheWindowIsShown();
    void startPositionAndForecastCleanUp_data();
    void startPositionAndForecastCleanUp();
    void narrowScreenIsReportedOnce();
    void pagesOpenInOrder_data();
    void pagesOpenInOrder();
    void clickingATabNamesItInTheStatusBar();
    void tabPopupClosesTheCurrentPage();
    void modalActionsLeaveNoTab_data();
    void modalActionsLeaveNoTab();
    void menusHoldTheirEntries();
    void exitAsksFirst_data();
    void exitAsksFirst();
    void titleBarCloseShutsDownWithoutAsking();
    void helpOpensThePageOrReportsItMissing_data();
    void helpOpensThePageOrReportsItMissing();
    void desktopToolsUseTheFirstAvailableProgram_data();
    void desktopToolsUseTheFirstAvailableProgram();
};

void MainWindowTest::firstStartCreatesTheDefaults() {
    StartedProgram program;
    const TestHome& home = program.home;
    QCOMPARE(fileBytes(home.file("database/cps.typ")).size(), kTypeSlots * kTypeRecordBytes);
    const QByteArray draw = fileBytes(home.file("database/basedata0.rec"));
    QCOMPARE(draw.size(), kDrawRecordBytes);
    for (int strip = 1; strip <= 4; ++strip)
        QVERIFY(QFile::exists(home.file(QString("pic/pic%1.bmp").arg(strip))));
    QVERIFY(QFile::exists(home.file("database/help.htm")));

    const Workspace& ws = workspace();
    QCOMPARE(ws.CurrentType, 0);
    QCOMPARE(f_main->windowTitle(), QStringLiteral("自定义彩种0"));
    QCOMPARE(fromUtf8(ws.MainLabel()), QStringLiteral("主号"));
    QCOMPARE(fromUtf8(ws.SpecialLabel()), QStringLiteral("特别号"));
    QCOMPARE(ws.MainStore.Count(), 1);
    QCOMPARE(ws.MainStore.GetField(0), kDefaultDrawIssue);
    for (int f = 1; f <= 7; ++f) QCOMPARE(int(ws.LatestDraw[f - 1]), f);
    for (int i = 0; i < kDeterminantOrderSize; ++i) QCOMPARE(int(ws.DeterminantOrder[i]), i + 1);
    QCOMPARE(int(ws.numberClasses.entries.size()), 8);
    QCOMPARE(fromUtf8(ws.numberClasses.entries[7].name), QStringLiteral("除四余数"));
    // The shared evaluator is ready and reads the store the window opened (default draw 1..7).
    QVERIFY(appState().formulas != nullptr);
    int32_t value = 0;
    QVERIFY(formulaEvaluator().evaluate("z_num1+z_num2*2", value));
    QCOMPARE(int(value), 6);

    QSettings settings(home.settingsFile(), QSettings::IniFormat);
    const std::pair<const char*, int> defaults[] = {{"qs", 20},   {"coldcs", 4},   {"hotcs", 8},
                                                    {"f_qs", 20}, {"f_coldcs", 1}, {"f_hotcs", 5}};
    for (auto [name, value] : defaults)
        QCOMPARE(settings.value(QString("software/qorvelsettings/") + name).toInt(), value);
}

void MainWindowTest::tabsStayHiddenUntilTheWindowIsShown() {
    StartedProgram program({}, false);
    QCOMPARE(visibleTabs(), QStringList());
    QCOMPARE(f_main->OpenPageCount(), 0);
    f_main->show();
    // The first show opens the trend analysis page.
    QCOMPARE(visibleTabs(), QStringList{"ts_fxd"});
    QCOMPARE(f_main->pc_main->indexOf(f_main->tabSheet(PageId::fxd)), 0);
    QCOMPARE(f_main->OpenPageCount(), 1);
    QCOMPARE(f_main->statusText(), QStringLiteral("综合分析"));
    QVERIFY(f_fxd->isVisible());
}

void MainWindowTest::startPositionAndForecastCleanUp_data() {
    QTest::addColumn<int>("draws");
    QTest::addColumn<bool>("forecastRow");
    QTest::addColumn<int>("expectedRecNo");
    QTest::newRow("fewer than 13 draws start at the first") << 5 << false << 1;
    QTest::newRow("13 draws start at the first") << 13 << false << 1;
    QTest::newRow("30 draws start 12 before the last") << 30 << false << 18;
    QTest::newRow("forecast row is dropped from memory") << 30 << true << 18;
    QTest::newRow("forecast row after a single draw") << 1 << true << 1;
}

void MainWindowTest::startPositionAndForecastCleanUp() {
    QFETCH(int, draws);
    QFETCH(bool, forecastRow);
    QFETCH(int, expectedRecNo);
    DrawRows rows = sampleDraws(draws);
    if (forecastRow) rows.push_back({kForecastIssue, 3, 4, 5, 6, 7, 8, 9});
    StartedProgram program([&](const TestHome& home) {
        QDir().mkpath(home.file("database"));
        writeDrawFile(home.file("database/basedata0.rec"), rows);
    });
    const t_s_dm& store = workspace().MainStore;
    QCOMPARE(store.Count(), draws);
    QCOMPARE(store.RecNo(), expectedRecNo);
    QVERIFY(store.Row(store.Count()).fields[0] != kForecastIssue);
    // The file keeps the forecast row until the history is next written.
    QCOMPARE(fileBytes(program.home.file("database/basedata0.rec")).size(),
             int(rows.size()) * kDrawRecordBytes);
    const auto& last = rows[draws - 1];
    for (int f = 1; f <= 7; ++f) QCOMPARE(int(workspace().LatestDraw[f - 1]), last[f]);
}

void MainWindowTest::narrowScreenIsReportedOnce() {
    StartedProgram program;
    const QString message = QStringLiteral("请将分辨率调至1024*768以上，否则某些页面不能完全显示");
    const int expected = appState().screenWidth < 1024 ? 1 : 0;
    QCOMPARE(program.platform.messages.texts().count(message), expected);
    mainAction("n_tjq")->trigger();
    QCOMPARE(program.platform.messages.texts().count(message), expected);
}

void MainWindowTest::pagesOpenInOrder_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("expectedTabs");
    QTest::addColumn<QString>("expectedCurrent");
    QTest::addColumn<QString>("expectedStatus");
    QTest::newRow("start page only") << QStringList{} << QStringList{"ts_fxd"} << "ts_fxd"
                                     << "综合分析";
    QTest::newRow("in the order opened")
        << QStringList{"n_tjq", "n_zh"} << QStringList{"ts_fxd", "ts_tjq", "ts_zh"} << "ts_zh"
        << "超强组号";
    QTest::newRow("later tabs move to the front")
        << QStringList{"n_set", "n_tdsh", "n_zbpx", "n_moredb"}
        << QStringList{"ts_fxd", "ts_set", "ts_tdsh", "ts_zbpx", "ts_moredb"} << "ts_moredb"
        << "更多图表";
    QTest::newRow("an open page is only activated")
        << QStringList{"n_tjq", "n_set", "n_tjq"} << QStringList{"ts_fxd", "ts_tjq", "ts_set"} << "ts_tjq"
        << "统计区";
    QTest::newRow("the start page again")
        << QStringList{"n_zh", "n_fxd"} << QStringList{"ts_fxd", "ts_zh"} << "ts_fxd"
        << "综合分析";
}

void MainWindowTest::pagesOpenInOrder() {
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expectedTabs);
    QFETCH(QString, expectedCurrent);
    QFETCH(QString, expectedStatus);
    StartedProgram program;
    for (const QString& entry : entries) mainAction(entry.toUtf8().constData())->trigger();
    QCOMPARE(visibleTabs(), expectedTabs);
    // The open tabs occupy the first positions.
    for (int i = 0; i < expectedTabs.size(); ++i)
        QCOMPARE(f_main->pc_main->widget(i)->objectName(), expectedTabs[i]);
    QCOMPARE(f_main->OpenPageCount(), int(expectedTabs.size()));
    QCOMPARE(f_main->pc_main->currentWidget()->objectName(), expectedCurrent);
    QCOMPARE(f_main->statusText(), expectedStatus);
}

void MainWindowTest::clickingATabNamesItInTheStatusBar() {
    StartedProgram program;
    mainAction("n_tjq")->trigger();
    QCOMPARE(f_main->statusText(), QStringLiteral("统计区"));
    QTabBar* bar = f_main->pc_main->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(f_main->pc_main->currentWidget(), f_main->tabSheet(PageId::fxd));
    QCOMPARE(f_main->statusText(), QStringLiteral(" 综合分析"));  // the tab's caption, leading blank included
}

void MainWindowTest::tabPopupClosesTheCurrentPage() {
    StartedProgram program;
    mainAction("n_tjq")->trigger();
    mainAction("n_zh")->trigger();
    QTabBar* bar = f_main->pc_main->tabBar();
    QTest::qWait(1);  // lets the tab bar lay out its tabs
    const QPoint click = bar->tabRect(1).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, click, bar->mapToGlobal(click));
    QApplication::sendEvent(bar, &event);
    QTRY_VERIFY(f_main->pm_tabs->isVisible());
    QCOMPARE(f_main->pm_tabs->pos(), bar->mapToGlobal(click) + QPoint(5, 0));
    QCOMPARE(f_main->pm_tabs->actions().size(), 1);
    QCOMPARE(f_main->mi_closepage->text(), QStringLiteral("关闭当前页"));
    f_main->pm_tabs->hide();

    f_main->mi_closepage->trigger();  // closes the active tab, 超强组号
    QCOMPARE(visibleTabs(), (QStringList{"ts_fxd", "ts_tjq"}));
    QCOMPARE(f_main->OpenPageCount(), 2);
    mainAction("n_zh")->trigger();
    QCOMPARE(visibleTabs(), (QStringList{"ts_fxd", "ts_tjq", "ts_zh"}));
    QCOMPARE(f_main->OpenPageCount(), 3);

    for (int n = 0; n < 3; ++n) f_main->mi_closepage->trigger();
    QCOMPARE(visibleTabs(), QStringList());
    QCOMPARE(f_main->OpenPageCount(), 0);
    f_main->mi_closepage->trigger();  // nothing left to close
    QCOMPARE(f_main->OpenPageCount(), 0);
    // The page windows were hidden with their tabs only, so reopening starts at position 0.
    mainAction("n_tjq")->trigger();
    QCOMPARE(visibleTabs(), QStringList{"ts_tjq"});
    QCOMPARE(f_main->pc_main->indexOf(f_main->tabSheet(PageId::tjq)), 0);
}

void MainWindowTest::modalActionsLeaveNoTab_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("dialogName");
    QTest::newRow("彩种选择") << "n_czxz"
                              << "f_cpstyle";
    QTest::newRow("数据更新") << "n_sjgx"
                              << "f_gxsjq";
    QTest::newRow("数据变换") << "n_sjbh"
                              << "f_bh";
}

void MainWindowTest::modalActionsLeaveNoTab() {
    QFETCH(QString, entry);
    QFETCH(QString, dialogName);
    StartedProgram program;
    for (const char* page : {"n_tjq", "n_zh", "n_set", "n_tdsh"}) mainAction(page)->trigger();
    QCOMPARE(f_main->OpenPageCount(), 5);

    QString shownDialog;
    QStringList tabsWhileShown;
    whenModalShown([&](QDialog* dialog) {
        shownDialog = dialog->objectName();
        tabsWhileShown = visibleTabs();
        dialog->close();
    });
    mainAction(entry.toUtf8().constData())->trigger();
    QCOMPARE(shownDialog, dialogName);
    QCOMPARE(tabsWhileShown, QStringList());
    QCOMPARE(visibleTabs(), QStringList());
    QCOMPARE(f_main->OpenPageCount(), 0);
    QVERIFY(f_tjq->isHidden());
    QVERIFY(f_fxd->isHidden());

    mainAction("n_zh")->trigger();
    QCOMPARE(visibleTabs(), QStringList{"ts_zh"});
    QCOMPARE(f_main->pc_main->indexOf(f_main->tabSheet(PageId::zh)), 0);
    QCOMPARE(f_main->OpenPageCount(), 1);
}

void MainWindowTest::menusHoldTheirEntries() {
    StartedProgram program;
    struct Menu {
        const char* name;
        QStringList entries;  // "-" for a separator, "(name)" for a hidden entry
    };
    const Menu menus[] = {
        {"n_zj",
         {"超强组号", "-", "综合分析", "更多图表", "(蓝号分析)", "-", "统计区", "-", "指标管理", "-",
          "定胆杀号", "-", "数据变换", "-", "设置"}},
        {"n_sjwh", {"彩种选择", "-", "数据更新"}},
        {"n_gj", {"计算器", "记事本"}},
        {"n_bz", {"帮助主题"}},
    };
    for (const auto& menu : menus) {
        QStringList seen;
        for (QAction* a : f_main->findChild<QMenu*>(menu.name)->actions())
            seen << (a->isSeparator() ? QString("-") : a->isVisible() ? a->text() : "(" + a->text() + ")");
        QCOMPARE(seen, menu.entries);
    }
    QStringList top;
    for (QAction* a : f_main->menuBar()->actions()) top << a->text();
    QCOMPARE(top, (QStringList{"组件", "数据维护", "工具", "帮助", "退出"}));
}

void MainWindowTest::exitAsksFirst_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("no keeps the program running") << false;
    QTest::newRow("yes closes the window") << true;
}

void MainWindowTest::exitAsksFirst() {
    QFETCH(bool, answer);
    StartedProgram program;
    program.platform.messages.answers = {answer};
    mainAction("n_tc")->trigger();
    const auto& last = program.platform.messages.messages.last();
    QVERIFY(last.question);
    QCOMPARE(last.text, QStringLiteral("是否退出本软件"));
    QCOMPARE(last.title, QStringLiteral("退出提示"));
    QCOMPARE(f_main->isVisible(), !answer);
}

void MainWindowTest::titleBarCloseShutsDownWithoutAsking() {
    StartedProgram program([](const TestHome& home) {
        for (int n : {0, 3, 4}) {
            QFile file(home.file(QString("hfset%1.zh").arg(n)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QFile keep(home.file("hfset5.zh"));
        QVERIFY(keep.open(QIODevice::WriteOnly));
    });
    const int messagesBefore = program.platform.messages.messages.size();
    f_main->close();
    QVERIFY(!f_main->isVisible());
    QCOMPARE(program.platform.messages.messages.size(), messagesBefore);
    for (int n = 0; n <= 4; ++n) QVERIFY(!QFile::exists(program.home.file(QString("hfset%1.zh").arg(n))));
    QVERIFY(QFile::exists(program.home.file("hfset5.zh")));
}

void MainWindowTest::helpOpensThePageOrReportsItMissing_data() {
    QTest::addColumn<bool>("removeHelp");
    QTest::addColumn<bool>("localHelp");
    QTest::newRow("help page present") << false << false;
    QTest::newRow("help page missing") << true << false;
    QTest::newRow("missing, with help.htm in the current folder") << true << true;
}

void MainWindowTest::helpOpensThePageOrReportsItMissing() {
    QFETCH(bool, removeHelp);
    QFETCH(bool, localHelp);
    StartedProgram program;
    const QString previousFolder = QDir::currentPath();
    QTemporaryDir current;
    QDir::setCurrent(current.path());
    if (localHelp) {
        QFile file(current.filePath("help.htm"));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (removeHelp) QVERIFY(QFile::remove(helpFilePath()));
    program.platform.messages.messages.clear();

    mainAction("n_bzzt")->trigger();
    QDir::setCurrent(previousFolder);

    QStringList expectedOpened;
    if (!removeHelp) expectedOpened << helpFilePath();
    if (localHelp) expectedOpened << QDir(current.path()).absoluteFilePath("help.htm");
    QCOMPARE(program.platform.shell.opened, expectedOpened);
    QCOMPARE(program.platform.messages.texts(), removeHelp ? QStringList{"帮助文件丢失"} : QStringList{});
    if (!removeHelp) QVERIFY(fileBytes(helpFilePath()).contains("<html"));
}

void MainWindowTest::desktopToolsUseTheFirstAvailableProgram_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("expectedOpened");
    QTest::newRow("calculator") << "n_jsq"
                                << "xcalc"
                                << "xcalc";
    QTest::newRow("preferred calculator") << "n_jsq"
                                          << "gnome-calculator"
                                          << "gnome-calculator";
    QTest::newRow("no calculator") << "n_jsq"
                                   << ""
                                   << "";
    QTest::newRow("text editor") << "n_jsb"
                                 << "mousepad"
                                 << "mousepad";
    QTest::newRow("no text editor") << "n_jsb"
                                    << ""
                                    << "";
}

void MainWindowTest::desktopToolsUseTheFirstAvailableProgram() {
    QFETCH(QString, entry);
    QFETCH(QString, installed);
    QFETCH(QString, expectedOpened);
    StartedProgram program;
    program.platform.messages.messages.clear();
    program.platform.shell.everythingOpens = false;
    if (!installed.isEmpty()) program.platform.shell.available.insert(installed);
    mainAction(entry.toUtf8().constData())->trigger();
    QCOMPARE(program.platform.shell.opened,
             expectedOpened.isEmpty() ? QStringList{} : QStringList{expectedOpened});
    const QStringList& candidates = entry == "n_jsq" ? calculatorPrograms() : textEditorPrograms();
    const int tried = expectedOpened.isEmpty() ? candidates.size() : candidates.indexOf(expectedOpened) + 1;
    QCOMPARE(program.platform.shell.requested, candidates.mid(0, tried));
    // A desktop without any of the programs is told so.
    const QString missing = QString::fromUtf8(entry == "n_jsq" ? kNoCalculatorMessage : kNoTextEditorMessage);
    QCOMPARE(program.platform.messages.texts(), expectedOpened.isEmpty() ? QStringList{missing} : QStringList{});
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
