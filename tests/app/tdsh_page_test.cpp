// The banker and kill page driven as a user does: its six sub-pages and their start state, runs and the
// grid they show, editing, importing, saving and exporting, the hand-over to the filter page, the custom
// kill page's sets and the special tabs by type.
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableView>

#include "app/dialogs/tdsh/u_selfsh_set.h"
#include "app/pages/u_zh.h"
#include "combos/combo_filter.h"
#include "tdsh_test_support.h"

using namespace qorvel;
using namespace qorvel::testing;

class TdshPageTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void startShowsSixPagesWithTheirDefaults();
    void runFillsTheGridWithColoursAndTheRowMemo();
    void editRewritesTheSetFileAndReportsAFailingFormula();
    void countChangeRefillsTheIndicesAndRuns();
    void importSaveGroupAndExport();
    void forecastGoesToTheFilterPage_data();
    void forecastGoesToTheFilterPage();
    void moreMenuSortsTheScheme();
    void customPageCreatesAndLoadsItsSet();
    void specialTabsFollowTheType();
    void lookAtThePage();
    void wholeSampleHistoryWithSixtyFormulas();
};

namespace {

QString cell(const TdshSubPage* p, int row, int column) {
    return p->sg->model()->index(row, column).data().toString();
}

QColor background(const TdshSubPage* p, int row, int column) {
    return p->sg->model()->index(row, column).data(Qt::BackgroundRole).value<QColor>();
}

QStringList comboItems(const QComboBox* c) {
    QStringList items;
    for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
    return items;
}

}  // namespace

void TdshPageTest::startShowsSixPagesWithTheirDefaults() {
    TdshFixture fx;
    QTabWidget* tabs = f_tdsh->pc_tdsh;
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList{"主区杀号", "副区杀号", "主区定胆", "副区定胆", "主区杀尾", "自定义杀号"}));
    // The default type has one special number: no special banker tab.
    QVERIFY(f_tdsh->specialTabVisible(TdshSpecialTab::SpecialKill));
    QVERIFY(!f_tdsh->specialTabVisible(TdshSpecialTab::SpecialBanker));

    struct Case {
        KillPage page;
        const char* code;
        int capacity;
        int count;
    };
    for (const Case& c : {Case{KillPage::MainKill, "hmsh", 60, 10}, Case{KillPage::SpecialKill, "lmsh", 60, 10},
                          Case{KillPage::MainBanker, "hmtd", 15, 5}, Case{KillPage::SpecialBanker, "fqtd", 10, 2},
                          Case{KillPage::TailKill, "hmsw", 30, 5}}) {
        TdshSubPage* p = fx.sub(c.page);
        const QString code = c.code;
        QCOMPARE(named<QComboBox>(p, "cb_" + code + "_fa")->currentText(), QString("方案一"));
        QCOMPARE(named<QComboBox>(p, "cb_" + code + "_gsgs")->count(), c.capacity);
        QCOMPARE(named<QComboBox>(p, "cb_" + code + "_gsgs")->currentText(), QString::number(c.count));
        QCOMPARE(named<QComboBox>(p, "cb_" + code + "_shgs")->count(), c.count);
        QCOMPARE(named<QLineEdit>(p, "e_" + code)->text(), QString("[-1]z_hw"));
        auto* issues = named<QComboBox>(p, "cb_" + code + "_qsq");
        QCOMPARE(issues->count(), kTdshHistoryDraws);
        QCOMPARE(issues->currentText(), QString("2020001"));
        QVERIFY(!named<QPushButton>(p, "b_" + code + "_convtocond")->isEnabled());
        // The set file exists with ten schemes of default lines.
        const QStringList lines = fx.lines("save/" + code + "0.txt");
        QCOMPARE(lines.size(), 10 * c.capacity);
        QCOMPARE(lines.front(), QString("[-1]z_hw"));
    }
    QCOMPARE(named<QPushButton>(fx.sub(KillPage::SpecialKill), "b_lmsh_gsss")->text(), QString("更优公式搜索"));
    QCOMPARE(named<QPushButton>(fx.sub(KillPage::MainBanker), "b_hmtd_dcshsj")->text(), QString("导出定胆数据"));
    QCOMPARE(comboItems(named<QComboBox>(fx.sub(KillPage::MainKill), "cb_hmsh_lbxs")),
             (QStringList{"常规显示", "按频率从低到高", "按频率从高到低"}));
    QVERIFY(fx.messages().isEmpty());
}

void TdshPageTest::runFillsTheGridWithColoursAndTheRowMemo() {
    TdshFixture fx;
    TdshSubPage* p = fx.sub(KillPage::MainKill);
    choose(p, "cb_hmsh_qsq", "2020027");  // n = 4
    const int rows = 4 + 4;
    QCOMPARE(p->sg->model()->rowCount(), rows);
    QCOMPARE(p->sg->model()->columnCount(), 10 + 3 + 5);
    QCOMPARE(cell(p, 0, 0), QString("序号"));
    QCOMPARE(cell(p, 0, 3), QString("公式1"));
    QCOMPARE(cell(p, 0, 13), QString("杀号列表"));
    QCOMPARE(cell(p, 6, 0), QString("序号"));  // row n + 2 repeats the headers
    QCOMPARE(cell(p, 1, 1), QString("2020027"));
    QCOMPARE(cell(p, 5, 1), QString("预测期"));
    QCOMPARE(cell(p, 7, 1), QString("正确率"));
    // Ten equal formulas: either all were right or all wrong.
    for (int r = 1; r <= 4; ++r) QVERIFY(cell(p, r, 14) == "0" || cell(p, r, 14) == "10");
    QCOMPARE(background(p, 0, 0), QColor(251, 183, 166));
    QCOMPARE(background(p, 2, 3), QColor(255, 255, 255));
    QCOMPARE(background(p, 7, 3), QColor(139, 248, 145));  // the run ends on the last row
    QVERIFY(named<QPushButton>(p, "b_hmsh_convtocond")->isEnabled());
    QCOMPARE(named<QProgressBar>(p, "pb_hmsh")->value(), 5);

    // A click on a row shows its proposal (the sum tail of 2020026, 99) and turns the row green; the
    // forecast row's 0 (the last draw sums to 90) is not a number of the zone, so its memo is empty.
    p->clickRow(1);
    QCOMPARE(background(p, 1, 3), QColor(139, 248, 145));
    QCOMPARE(background(p, 7, 3), QColor(255, 162, 255));
    QCOMPARE(named<QPlainTextEdit>(p, "m_hmsh_hm")->toPlainText(), QString("09"));
    // Header rows are not data rows: the memo keeps what it shows.
    p->clickRow(0);
    QCOMPARE(named<QPlainTextEdit>(p, "m_hmsh_hm")->toPlainText(), QString("09"));
    p->clickRow(5);
    QCOMPARE(cell(p, 5, 3), QString("00"));
    QCOMPARE(named<QPlainTextEdit>(p, "m_hmsh_hm")->toPlainText(), QString());
    QVERIFY(fx.messages().isEmpty());
}

void TdshPageTest::editRewritesTheSetFileAndReportsAFailingFormula() {
    TdshFixture fx;
    TdshSubPage* p = fx.sub(KillPage::MainBanker);
    choose(p, "cb_hmtd_fa", "方案三");
    choose(p, "cb_hmtd_shgs", "2");
    named<QLineEdit>(p, "e_hmtd")->setText("z_num1");
    press(p, "b_hmtd_save");
    QCOMPARE(fx.lines("save/hmtd0.txt").at(2 * 15 + 1), QString("z_num1"));
    // The first main number is always drawn: right on every draw.
    QCOMPARE(cell(p, 1, 4), QString("01    正确"));
    QCOMPARE(cell(p, p->sg->model()->rowCount() - 1, 4), QString("100"));
    // Choosing another index shows its formula; going back shows the edited one.
    choose(p, "cb_hmtd_shgs", "1");
    QCOMPARE(named<QLineEdit>(p, "e_hmtd")->text(), QString("[-1]z_hw"));
    choose(p, "cb_hmtd_shgs", "2");
    QCOMPARE(named<QLineEdit>(p, "e_hmtd")->text(), QString("z_num1"));
    QVERIFY(fx.messages().isEmpty());

    named<QLineEdit>(p, "e_hmtd")->setText("z_num1+");
    press(p, "b_hmtd_save");
    QCOMPARE(fx.messages().size(), 1);
    QVERIFY2(fx.messages().front().startsWith("第2条公式有误："), qPrintable(fx.messages().front()));
    QCOMPARE(cell(p, 1, 4), QString("-1"));
}

void TdshPageTest::countChangeRefillsTheIndicesAndRuns() {
    TdshFixture fx;
    TdshSubPage* p = fx.sub(KillPage::SpecialKill);
    choose(p, "cb_lmsh_shgs", "4");
    choose(p, "cb_lmsh_gsgs", "3");
    QCOMPARE(comboItems(named<QComboBox>(p, "cb_lmsh_shgs")), (QStringList{"1", "2", "3"}));
    QCOMPARE(named<QComboBox>(p, "cb_lmsh_shgs")->currentText(), QString("1"));
    QCOMPARE(p->sg->model()->columnCount(), 3 + 3 + 3);
    QCOMPARE(cell(p, 0, 2), QString("副区号码"));
    choose(p, "cb_lmsh_lbxs", "按频率从高到低");
    QCOMPARE(p->model().display(), ListDisplay::FrequencyDescending);
    QCOMPARE(p->sg->model()->rowCount(), kTdshHistoryDraws + 4);
}

void TdshPageTest::importSaveGroupAndExport() {
    TdshFixture fx;
    TdshSubPage* p = fx.sub(KillPage::MainKill);
    const QString in = fx.file("three.txt");
    {
        QFile f(in);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("z_num1\r\nz_num2\r\n[-1]z_num3\r\n");
    }
    fx.files.answers = {in};
    press(p, "b_hmsh_dr");
    QCOMPARE(fx.files.titles.last(), QString(" 打开公式集文件"));
    QCOMPARE(fx.files.filters.last(), QString("公式集文件(*.txt)|*.txt"));
    QCOMPARE(fx.files.folders.last(), fx.file("save"));
    QCOMPARE(named<QComboBox>(p, "cb_hmsh_gsgs")->currentText(), QString("3"));
    QCOMPARE(named<QLineEdit>(p, "e_hmsh")->text(), QString("z_num1"));
    QCOMPARE(fx.lines("save/hmsh0.txt").mid(0, 4), (QStringList{"z_num1", "z_num2", "[-1]z_num3", "[-1]z_hw"}));
    QCOMPARE(cell(p, 0, 5), QString("公式3"));

    // "No" saves the three formulas in use, "Yes" the whole scheme; ".txt" is added to the name.
    fx.program.platform.messages.answers = {false, true};
    fx.files.answers = {fx.file("few"), fx.file("all.txt")};
    press(p, "b_hmsh_savegsz");
    press(p, "b_hmsh_savegsz");
    QCOMPARE(fx.lines("few.txt"), (QStringList{"z_num1", "z_num2", "[-1]z_num3"}));
    QCOMPARE(fx.lines("all.txt").size(), 60);
    QCOMPARE(fx.program.platform.messages.messages.front().title, QString("选择"));
    QCOMPARE(fx.files.titles.last(), QString("保存公式集"));

    fx.files.answers = {fx.file("run")};
    press(p, "b_hmsh_dcshsj");
    QCOMPARE(fx.files.titles.last(), QString("保存杀号数据"));
    QCOMPARE(fx.files.filters.last(), QString("杀号数据文件(*.txt)|*.txt"));
    const QStringList data = fx.lines("run.txt");
    QCOMPARE(data.size(), 1 + kTdshHistoryDraws + 1);
    QCOMPARE(data.front(), QString(" 期 数 公式01 公式02 公式03 "));
    QVERIFY(data.last().startsWith("预测期 "));
    // A cancelled dialog writes nothing and says nothing.
    press(p, "b_hmsh_dr");
    QCOMPARE(fx.messages().size(), 2);  // the two questions
}

void TdshPageTest::forecastGoesToTheFilterPage_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<std::vector<int>>("numbers");
    QTest::addColumn<std::vector<int32_t>>("counts");
    // "[-1]z_num1" on the forecast row is the last draw's first number (02 in the sample history).
    QTest::newRow("main kill") << int(KillPage::MainKill) << "[-1]z_num1+3" << std::vector<int>{5}
                               << std::vector<int32_t>{0};
    QTest::newRow("main banker") << int(KillPage::MainBanker) << "[-1]z_num1+3" << std::vector<int>{5}
                                 << std::vector<int32_t>{1};
    QTest::newRow("tail kill") << int(KillPage::TailKill) << "7" << std::vector<int>{7, 17, 27}
                               << std::vector<int32_t>{0};
}

void TdshPageTest::forecastGoesToTheFilterPage() {
    QFETCH(int, page);
    QFETCH(QString, formula);
    QFETCH(std::vector<int>, numbers);
    QFETCH(std::vector<int32_t>, counts);
    TdshFixture fx;
    TdshSubPage* p = fx.sub(static_cast<KillPage>(page));
    p->model().setFormulaCount(1);
    p->e_gs->setText(formula);
    p->confirmEdit();
    p->b_convtocond->click();
    const ConditionSet& conditions = f_zh->filter().conditions;
    QCOMPARE(conditions.selfSets.size(), std::size_t{1});
    QCOMPARE(conditions.selfSets[0].numbers, numbers);
    QCOMPARE(conditions.selfSets[0].counts, counts);
    QVERIFY(conditions.selfSetOn);
    QCOMPARE(fx.messages().size(), 1);
    QVERIFY(fx.messages().front().startsWith("过滤条件设置结果是："));
}

void TdshPageTest::moreMenuSortsTheScheme() {
    TdshFixture fx;
    TdshSubPage* p = fx.sub(KillPage::MainBanker);
    QVERIFY(p->model().replaceFormulas({"0", "z_num1", "z_num3", "z_num2"}).error.empty());
    choose(p, "cb_hmtd_gsgs", "4");
    // Formula 1 never hits, the others always: by rate it goes last, the others keep their order.
    auto* more = named<QMenu>(p, "pm_hmtd_more");
    QStringList entries;
    for (QAction* a : more->actions()) entries << a->text();
    QCOMPARE(entries, (QStringList{"方案综合", "当前行频率统计", "公式按准确率排序", "公式按频率排序"}));
    more->actions().at(2)->trigger();
    QCOMPARE(fx.lines("save/hmtd0.txt").mid(0, 4), (QStringList{"z_num1", "z_num3", "z_num2", "0"}));
    QCOMPARE(cell(p, 0, 3), QString("公式1"));
    QCOMPARE(cell(p, p->sg->model()->rowCount() - 1, 3), QString("100"));
    QCOMPARE(cell(p, p->sg->model()->rowCount() - 1, 6), QString("0"));

    // The frequency table of the clicked row: its values with how many formulas gave each.
    more->actions().at(1)->trigger();
    QCOMPARE(fx.messages().last(), QString("请先在表格中点选一行"));
    p->clickRow(1);
    more->actions().at(1)->trigger();
    QVERIFY2(fx.messages().last().startsWith("2020001 号码  公式个数"), qPrintable(fx.messages().last()));
    QCOMPARE(fx.program.platform.messages.messages.last().title, QString("当前行频率统计"));
}

void TdshPageTest::customPageCreatesAndLoadsItsSet() {
    TdshFixture fx;
    TdshSubPage* p = fx.sub(KillPage::CustomKill);
    // Without a set the page refuses to run or search.
    press(p, "b_selfsh_start");
    QCOMPARE(fx.messages(), QStringList{"请先载入自定义杀号"});
    fx.clearMessages();

    QStringList ranges;
    whenDialogShown("f_selfsh_set", [&](QDialog* d) {
        auto* from = named<QComboBox>(d, "cb_qzfrom");
        auto* to = named<QComboBox>(d, "cb_qzto");
        ranges << from->currentText() + ".." + to->currentText();
        auto* items = named<QComboBox>(d, "cb_gszb");
        QCOMPARE(items->itemText(0), QString("z_hw                 主区和尾"));
        const int sum = items->findText("z_hz", Qt::MatchStartsWith);
        QVERIFY(sum > 0);
        items->setCurrentIndex(sum);
        Q_EMIT items->activated(sum);
        ranges << from->currentText() + ".." + to->currentText();
        named<QRadioButton>(d, "rb_yhzdyzb")->setChecked(true);
        press(d, "b_ok");  // an empty formula is refused
        named<QLineEdit>(d, "e_selfzb")->setText("z_num1");
        press(d, "b_ok");
    });
    fx.files.answers = {fx.file("mine")};
    press(p, "b_selfgs_gene");
    QCOMPARE(ranges, (QStringList{"0..9", "30..180"}));
    QCOMPARE(fx.messages(), QStringList{"请输入自定义指标"});
    QCOMPARE(fx.files.filters.last(), QString("自定义杀号(*.scs)|*.scs"));
    QVERIFY(QFile::exists(fx.file("mine.scs")));
    QCOMPARE(named<QLineEdit>(p, "e_selfsh_zb")->text(), QString("z_num1"));
    QCOMPARE(named<QLineEdit>(p, "e_qzto")->text(), QString("180"));
    QCOMPARE(cell(p, 0, 3), QString("指标z_num1"));

    // A formula equal to the target is wrong on every draw; the set file keeps it.
    named<QLineEdit>(p, "e_selfsh")->setText("z_num1");
    press(p, "b_selfsh_save");
    QCOMPARE(cell(p, 1, 4), QString("1"));
    QCOMPARE(cell(p, p->sg->model()->rowCount() - 1, 4), QString("0"));

    // Loading the file on a fresh page brings the same target, range and formula.
    p->refreshAfterTypeChange(nullptr);
    named<QLineEdit>(p, "e_selfsh_zb")->clear();
    fx.files.answers = {fx.file("mine.scs")};
    press(p, "b_selfsh_load");
    QCOMPARE(fx.files.titles.last(), QString(" 打开自定义杀号存储文件"));
    QCOMPARE(named<QLineEdit>(p, "e_selfsh_zb")->text(), QString("z_num1"));
    QCOMPARE(named<QLineEdit>(p, "e_selfsh")->text(), QString("z_num1"));
    QCOMPARE(cell(p, 1, 4), QString("1"));
    QCOMPARE(fx.messages().size(), 1);
}

void TdshPageTest::specialTabsFollowTheType() {
    TdshFixture fx;
    Workspace& ws = workspace();
    struct Case {
        int specialCount;
        bool kill, banker;
    };
    for (const Case& c : {Case{2, true, true}, Case{0, false, false}, Case{1, true, false}}) {
        ws.types.slots[ws.CurrentType].SpecialCount = c.specialCount;
        f_tdsh->typeChanged(false);
        QCOMPARE(f_tdsh->specialTabVisible(TdshSpecialTab::SpecialKill), c.kill);
        QCOMPARE(f_tdsh->specialTabVisible(TdshSpecialTab::SpecialBanker), c.banker);
    }
    // A reloaded type drops the grids and shows the reloaded sets.
    TdshSubPage* p = fx.sub(KillPage::MainKill);
    p->run();
    QVERIFY(p->sg->model()->rowCount() > 0);
    f_tdsh->typeChanged(true);
    QCOMPARE(p->sg->model()->rowCount(), 0);
    QCOMPARE(p->e_gs->text(), QString("[-1]z_hw"));
}

// Grabs every sub-page at 1024x768 after a run when QORVEL_GRAB_DIR names a folder.
void TdshPageTest::lookAtThePage() {
    TdshFixture fx;
    f_main->showNormal();
    f_main->resize(1024, 768);
    QVERIFY(QTest::qWaitForWindowExposed(f_main));
    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    for (int i = 0; i < f_tdsh->pc_tdsh->count(); ++i) {
        auto* p = static_cast<TdshSubPage*>(f_tdsh->pc_tdsh->widget(i));
        f_tdsh->pc_tdsh->setCurrentIndex(i);
        if (p->page() != KillPage::CustomKill) choose(p, p->cb_qsq->objectName(), "2020011");
        p->clickRow(3);
        QApplication::processEvents();
        // Every button shows its whole caption.
        for (QPushButton* b : p->findChildren<QPushButton*>())
            QVERIFY2(b->width() >= b->fontMetrics().horizontalAdvance(b->text()), qPrintable(b->objectName()));
        if (!shots.isEmpty()) f_main->grab().save(shots + "/tdsh_" + p->objectName().mid(3) + ".png");
    }
}

// The whole sample history with a full scheme: every row is shown, the history is as it was, and the
// time the page needs (run and display) is printed.
void TdshPageTest::wholeSampleHistoryWithSixtyFormulas() {
    const DrawRows history = sampleHistory();
    TdshFixture fx(history);
    TdshSubPage* p = fx.sub(KillPage::MainKill);
    QElapsedTimer clock;
    clock.start();
    choose(p, "cb_hmsh_gsgs", "60");
    qInfo("run and display of 60 formulas over %d draws: %lld ms", int(history.size()), clock.elapsed());
    QCOMPARE(p->sg->model()->rowCount(), int(history.size()) + 4);
    QCOMPARE(p->sg->model()->columnCount(), 60 + 3 + 5);
    QCOMPARE(workspace().MainStore.Count(), int(history.size()));
    QVERIFY(fx.messages().isEmpty());
}

QTEST_MAIN(TdshPageTest)
#include "tdsh_page_test.moc"
