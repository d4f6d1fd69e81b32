// The windows of the banker and kill page: the formula search run to acceptance with a fixed seed, the
// formula collection, the scheme generator applied to a scheme, and the scheme synthesis with its
// settings dialog and hand-over.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

#include "app/dialogs/tdsh/u_collectgs.h"
#include "app/dialogs/tdsh/u_fazh.h"
#include "app/dialogs/tdsh/u_scfa.h"
#include "app/dialogs/tdsh/u_searchgs.h"
#include "app/pages/u_zh.h"
#include "combos/combo_filter.h"
#include "draws/t_s_dm.h"
#include "tdsh_test_support.h"

using namespace qorvel;
using namespace qorvel::testing;

class TdshWindowsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void searchRunsToAcceptanceAndApplies();
    void searchStopsAtAFailingIndicator();
    void collectionGathersEditsAndSaves();
    void generatorFillsTheScheme();
    void synthesisCombinesComparesAndHandsOver();
};

namespace {

// Saves a picture of a window when QORVEL_GRAB_DIR names a folder.
void grabWindow(QWidget* w, const QString& name) {
    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    if (shots.isEmpty()) return;
    QApplication::processEvents();
    w->grab().save(shots + "/tdsh_" + name + ".png");
}

QRegularExpression candidateShape(int depth, const QString& indicator, int lo, int hi) {
    QString pattern = "^\\(";
    for (int i = 1; i <= depth; ++i) pattern += QStringLiteral("\\(\\d+\\*\\[-%1\\]%2\\)\\+").arg(i).arg(indicator);
    pattern += QStringLiteral("\\d+\\)%%1\\+%2$").arg(hi - lo + 1).arg(lo);
    return QRegularExpression(pattern);
}

}  // namespace

void TdshWindowsTest::searchRunsToAcceptanceAndApplies() {
    TdshFixture fx;
    // A forecast row left in the history is removed when the search opens.
    t_s_dm& store = workspace().MainStore;
    store.SetCount(store.Count() + 1);
    store.MutableRow(store.Count()) = DrawRecord{};
    store.MutableRow(store.Count()).fields[0] = kForecastIssue;
    TdshSubPage* p = fx.sub(KillPage::MainKill);
    QString caption, rate, tested;
    int drawsLeft = 0;
    whenDialogShown("f_searchgs", [&](QDialog* d) {
        auto* w = static_cast<Tf_searchgs*>(d);
        drawsLeft = workspace().MainStore.Count();
        QCOMPARE(w->cb_ssfw_from->currentText(), QString("2020001"));  // 50 before the last, or the first
        QCOMPARE(w->cb_ssfw_to->currentText(), QString("2020030"));
        QCOMPARE(w->e_hsqs->text(), QString("6"));
        QVERIFY(!w->b_apply->isEnabled());
        w->fixedSeed = 7;
        w->e_hsqs->setText("2");
        w->e_mbzql->setText("0");
        press(d, "b_beginss");
        QTRY_VERIFY_WITH_TIMEOUT(w->search().accepted(), 5000);
        caption = d->windowTitle();
        rate = w->e_xdzql->text();
        tested = w->l_tested->text();
        grabWindow(d, "search");
        QVERIFY(!w->searching());
        QVERIFY(w->cb_gszb->isEnabled());
        press(d, "b_apply");
    });
    press(p, "b_hmsh_gsss");
    QCOMPARE(drawsLeft, kTdshHistoryDraws);
    QCOMPARE(caption, QString("搜索完毕"));
    QVERIFY(!rate.isEmpty());
    QCOMPARE(tested, QString("已测试公式：1"));  // the rate range 0..100 accepts the first candidate
    const QString formula = named<QLineEdit>(p, "e_hmsh")->text();
    QVERIFY2(candidateShape(2, "z_hw", 1, 10).match(formula).hasMatch(), qPrintable(formula));
    // The edit box holds it; the set changes only on 确认修改.
    QCOMPARE(fx.lines("save/hmsh0.txt").front(), QString("[-1]z_hw"));
    press(p, "b_hmsh_save");
    QCOMPARE(fx.lines("save/hmsh0.txt").front(), formula);

    // Every candidate of the range 1..1 kills 01, which the sample draws now and then: a rate of 100 is
    // never reached and the search goes on until stopped, saying so while it works.
    whenDialogShown("f_searchgs", [&](QDialog* d) {
        auto* w = static_cast<Tf_searchgs*>(d);
        w->e_mbzql->setText("100");
        w->e_qzto->setText("1");
        press(d, "b_beginss");
        QTRY_VERIFY(w->search().candidatesTested() > 10);
        caption = d->windowTitle();
        QVERIFY(!named<QPushButton>(d, "b_cancel")->isEnabled());
        press(d, "b_beginss");
        QVERIFY(!w->searching());
        QCOMPARE(w->b_beginss->text(), QString("开始搜索"));
        press(d, "b_cancel");
    });
    press(p, "b_hmsh_gsss");
    QCOMPARE(caption, QString("正在搜索中，请稍候"));
    QCOMPARE(named<QLineEdit>(p, "e_hmsh")->text(), formula);
    QVERIFY(fx.messages().isEmpty());
}

void TdshWindowsTest::searchStopsAtAFailingIndicator() {
    TdshFixture fx;
    bool stopped = false;
    whenDialogShown("f_searchgs", [&](QDialog* d) {
        auto* w = static_cast<Tf_searchgs*>(d);
        w->cb_gszb->setEditable(true);
        w->cb_gszb->setEditText("z_hw)");
        w->cb_quick->setChecked(false);
        w->e_mbzql->setText("0");
        press(d, "b_beginss");
        QTRY_VERIFY(!w->searching());
        stopped = !w->search().accepted();
        press(d, "b_cancel");
    });
    press(fx.sub(KillPage::MainBanker), "b_hmtd_gsss");
    QVERIFY(stopped);
    QCOMPARE(fx.messages().size(), 1);
    QVERIFY2(fx.messages().front().startsWith("公式有误:"), qPrintable(fx.messages().front()));
}

void TdshWindowsTest::collectionGathersEditsAndSaves() {
    TdshFixture fx;
    TdshSubPage* p = fx.sub(KillPage::MainKill);
    press(p, "b_hmsh_collectgs");
    p->e_gs->setText("  z_num2 ");
    press(p, "b_hmsh_collectgs");
    Tf_collectgs& c = formulaCollection();
    QVERIFY(c.isVisible());
    QVERIFY(!c.isModal());
    QCOMPARE(c.windowTitle(), QString("已收集公式2条"));
    QCOMPARE(c.l_gs->count(), 2);
    QCOMPARE(c.l_gs->item(1)->text(), QString("z_num2"));
    QVERIFY(c.e_add->text().isEmpty());

    // "修改" needs a selected line.
    c.e_add->setText("z_num3");
    press(&c, "b_modify");
    QCOMPARE(fx.messages(), QStringList{"请先选中上面列表要修改的公式项"});
    c.l_gs->setCurrentRow(0);
    press(&c, "b_modify");
    QCOMPARE(c.l_gs->item(0)->text(), QString("z_num3"));
    c.l_gs->setCurrentRow(1);
    press(&c, "b_delete");
    QCOMPARE(c.windowTitle(), QString("已收集公式1条"));

    fx.files.answers = {fx.file("kept"), fx.file("kept.txt")};
    press(&c, "b_save");
    QCOMPARE(fx.lines("kept.txt"), QStringList{"z_num3"});
    press(&c, "b_clear");
    QCOMPARE(c.windowTitle(), QString("已收集公式0条"));
    press(&c, "b_load");
    QCOMPARE(c.l_gs->count(), 1);
    grabWindow(&c, "collection");
    QCOMPARE(fx.files.titles, (QStringList{"保存公式集", " 打开公式集文件"}));
    c.hide();
}

void TdshWindowsTest::generatorFillsTheScheme() {
    TdshFixture fx;
    TdshSubPage* p = fx.sub(KillPage::MainBanker);
    choose(p, "cb_hmtd_gsgs", "3");
    int progressMax = 0;
    QString caption, runningCaption;
    whenDialogShown("f_scfa", [&](QDialog* d) {
        auto* w = static_cast<Tf_scfa*>(d);
        QCOMPARE(d->windowTitle(), QString("优化方案"));
        QVERIFY(w->cb_wronggs_per_qs->isVisibleTo(d));
        QVERIFY(!w->b_apply->isEnabled());
        w->fixedSeed = 11;
        w->e_mbzqlfrom->setText("0");
        w->cb_contwrong->setChecked(true);
        press(d, "b_begin");
        runningCaption = d->windowTitle();
        QTRY_VERIFY_WITH_TIMEOUT(w->generator().finished(), 5000);
        progressMax = w->pb1->maximum();
        grabWindow(d, "generator");
        caption = d->windowTitle();
        QVERIFY(w->b_apply->isEnabled());
        QVERIFY(w->e_contwrong->text().startsWith("实际最大连错："));
        press(d, "b_apply");
    });
    press(p, "b_hmtd_rebuildfa");
    QCOMPARE(progressMax, 3);
    QCOMPARE(runningCaption, QString("正在生成中，请稍候"));
    QCOMPARE(caption, QString("搜索完毕"));
    const QStringList lines = fx.lines("save/hmtd0.txt");
    for (int j = 0; j < 3; ++j)
        QVERIFY2(candidateShape(6, "z_hw", 1, 10).match(lines[j]).hasMatch(), qPrintable(lines[j]));
    QCOMPARE(lines[3], QString("[-1]z_hw"));
    QCOMPARE(p->e_gs->text(), lines[0]);
    QCOMPARE(p->sg->model()->rowCount(), kTdshHistoryDraws + 4);

    // "随机生成" stores T candidates without testing them; cancelling changes nothing.
    whenDialogShown("f_scfa", [&](QDialog* d) {
        auto* w = static_cast<Tf_scfa*>(d);
        w->rb_randsc->setChecked(true);
        QVERIFY(!w->e_mbzqlfrom->isEnabled());
        press(d, "b_begin");
        QTRY_VERIFY(w->generator().finished());
        QCOMPARE(w->generator().acceptedCount(), 3);
        press(d, "b_cancel");
    });
    press(p, "b_hmtd_rebuildfa");
    QCOMPARE(fx.lines("save/hmtd0.txt").mid(0, 3), lines.mid(0, 3));
    QVERIFY(fx.messages().isEmpty());
}

void TdshWindowsTest::synthesisCombinesComparesAndHandsOver() {
    TdshFixture fx;
    TdshSubPage* p = fx.sub(KillPage::MainKill);
    // Scheme 1 kills 03 and 07, scheme 2 kills 07 and 12 (two formulas each).
    FormulaSet& set = f_tdsh->formulaSets[formulaSetKindIndex("hmsh")];
    set.importIntoScheme(1, {"3", "7"});
    set.importIntoScheme(2, {"7", "12"});
    named<QMenu>(p, "pm_hmsh_more")->actions().at(0)->trigger();
    Tf_fazh& w = schemeSynthesis();
    QVERIFY(w.isVisible());
    choose(&w, "cb_fazh_gsgs", "2");
    choose(&w, "cb_fazh_qsq", "2020030");
    QTableWidget* g = w.sg_fazh;
    QCOMPARE(g->columnCount(), 3 + 10 + 1);
    QCOMPARE(g->item(0, 3)->text(), QString("方案1"));
    QCOMPARE(g->item(0, 13)->text(), QString("方案组合"));
    QCOMPARE(g->item(2, 1)->text(), QString("预测期"));
    QCOMPARE(g->item(2, 3)->text(), QString(" 03 07"));

    // Only schemes 1 and 2 in use: the settings dialog moves the others out; the last cannot go.
    whenDialogShown("f_fazh_set", [&](QDialog* d) {
        auto* inUse = named<QListWidget>(d, "lb_inuse");
        while (inUse->count() > 2) {
            inUse->setCurrentRow(2);
            press(d, "b_out");
        }
        press(d, "b_close");
    });
    press(&w, "b_fazh_set");
    QCOMPARE(g->columnCount(), 3 + 2 + 1);
    QCOMPARE(g->item(2, 5)->text(), QString(" 03 07 12"));
    choose(&w, "cb_fazh_lbxs", "按频率从高到低");
    QCOMPARE(g->item(2, 5)->text(), QString("07 03 12 "));
    grabWindow(&w, "synthesis");

    // The comparison at the forecast and at a drawn issue.
    w.pc_fazh->setCurrentIndex(1);
    choose(&w, "cb_fabj_gsgs", "2");
    choose(&w, "cb_fabj_ycq", "预测期");
    QCOMPARE(w.e_fabj_kjh->text(), QString("尚未开奖"));
    QCOMPARE(w.sg_fabj->item(3, 0)->text(), QString("方案组合"));
    QCOMPARE(w.sg_fabj->item(3, 3)->text(), QString("未知"));
    choose(&w, "cb_fabj_ycq", "2020001");  // 01 06 11 16 21 26: nothing killed was drawn
    QCOMPARE(w.e_fabj_kjh->text(), QString("01 06 11 16 21 26 -01 "));
    QCOMPARE(w.sg_fabj->item(3, 3)->text(), QString("0"));

    // The combined list goes to the filter page's self-set dialog with its numbers ticked.
    QList<int> ticked;
    whenDialogShown("f_selfcond", [&](QDialog* d) {
        for (QCheckBox* box : d->findChildren<QCheckBox*>())
            if (box->objectName().startsWith("cb_selfnum") && box->isChecked()) ticked << box->objectName().mid(10).toInt();
        d->reject();
    });
    press(&w, "b_fabj_selfcond");
    QCOMPARE(ticked, (QList<int>{3, 7, 12}));
    // The indicator hand-over needs the custom type and a loaded custom set.
    press(&w, "b_fabj_selfzb");
    choose(&w, "cb_fabj_style", "自定义杀号");
    press(&w, "b_fabj_selfzb");
    QCOMPARE(fx.messages().mid(fx.messages().size() - 3),
             (QStringList{"请先在方案类型中选择自定义杀号", "请返回到提胆杀号中的自定义杀号面版中载入自定义杀号，才能使用些功能。",
                          "请返回到提胆杀号中的自定义杀号面版中载入自定义杀号，才能使用些功能。"}));
    w.hide();
}

QTEST_MAIN(TdshWindowsTest)
#include "tdsh_windows_test.moc"
