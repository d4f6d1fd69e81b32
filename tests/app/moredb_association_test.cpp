// The sheet "关联分析" of the more-charts page: the table follows the filters and the indicator rows, a
// double-click dissects a column in a modal window, the export writes the following draws, and a long
// pass stops on Esc with the table as it was. With QORVEL_GRAB_DIR set it saves a 1024 x 768 picture of the
// sheet on the bundled sample.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/app_state.h"
#include "app/pages/moredb/moredb_association_page.h"
#include "app/pages/u_moredb.h"
#include "app/pages/u_zbpxz.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "fxd_test_support.h"
#include "text/file_io.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

MoredbAssociationPage* openSheet() {
    f_main->openPage(PageId::moredb);
    f_moredb->pc_moredb->setCurrentWidget(f_moredb->ts_glfx);
    return f_moredb->ts_glfx;
}

int drawsHolding(const DrawRows& rows, int number, bool anywhere) {
    int n = 0;
    for (const auto& r : rows) {
        bool hit = anywhere ? std::find(r.begin() + 1, r.begin() + 7, number) != r.begin() + 7 : r[1] == number;
        n += hit ? 1 : 0;
    }
    return n;
}

}  // namespace

class MoredbAssociationTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void theTableFollowsThePositionFilters();
    void indicatorRowsOpenOneAfterAnother();
    void indicatorsTakeEffectOnConfirm();
    void aDoubleClickDissectsTheColumn();
    void theExportWritesTheFollowingDraws();
    void aStoppedPassKeepsTheTable();
    void screenshot();
};

void MoredbAssociationTest::theTableFollowsThePositionFilters() {
    const DrawRows rows = sampleDraws(60);
    auto program = fxd::startOn(rows);
    MoredbAssociationPage* page = openSheet();
    QCOMPARE(page->sg_glfx->model()->rowCount(), 60);
    QCOMPARE(page->l_glfx->text(), QStringLiteral("本期系列一共有60条;下期系列一共有59条"));
    QCOMPARE(page->sg_glfx->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("本期期号"));
    QCOMPARE(page->sg_glfx->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("下期期号"));
    QCOMPARE(page->sg_glfx->model()->index(0, 0).data().toString(), QString::number(rows[0][0]));
    QCOMPARE(page->sg_glfx->model()->index(0, 8).data().toString(), QString::number(rows[1][0]));
    QCOMPARE(page->sg_glfx->model()->index(0, 9).data().toString(), QStringLiteral("%1").arg(rows[1][1], 2, 10, QChar('0')));

    page->cb_glfx[0]->setCurrentText("05");
    QCOMPARE(page->sg_glfx->model()->rowCount(), drawsHolding(rows, 5, false));
    page->cb_glfx_bdw->setChecked(true);
    QCOMPARE(page->sg_glfx->model()->rowCount(), drawsHolding(rows, 5, true));
    page->cb_glfx_qhw->setCurrentText(QString::number(rows[0][0] % 10));
    QVERIFY(page->sg_glfx->model()->rowCount() < drawsHolding(rows, 5, true));
    for (int r = 0; r < page->sg_glfx->model()->rowCount(); ++r)
        QCOMPARE(page->sg_glfx->model()->index(r, 0).data().toInt() % 10, rows[0][0] % 10);
    QCOMPARE(program->platform.messages.texts(), QStringList());
}

void MoredbAssociationTest::indicatorRowsOpenOneAfterAnother() {
    auto program = fxd::startOn(sampleDraws(20));
    MoredbAssociationPage* page = openSheet();
    auto& r = page->rows;
    QVERIFY(r[0].use->isEnabled());
    QVERIFY(!r[0].formula->isEnabled());
    QVERIFY(!r[1].use->isEnabled());
    r[0].use->setChecked(true);
    QVERIFY(r[0].formula->isEnabled() && r[0].choose->isEnabled() && r[0].pickValues->isEnabled());
    QVERIFY(r[1].use->isEnabled());
    r[1].use->setChecked(true);
    r[2].use->setChecked(true);
    QVERIFY(r[2].formula->isEnabled());
    r[0].use->setChecked(false);
    for (int k = 1; k < 3; ++k) {
        QVERIFY(!r[k].use->isChecked());
        QVERIFY(!r[k].use->isEnabled());
        QVERIFY(!r[k].formula->isEnabled());
    }
    QVERIFY(r[0].values->isReadOnly());
}

void MoredbAssociationTest::indicatorsTakeEffectOnConfirm() {
    const DrawRows rows = sampleDraws(30);
    auto program = fxd::startOn(rows);
    MoredbAssociationPage* page = openSheet();
    page->rows[0].use->setChecked(true);
    page->rows[0].formula->setText("  z_num1 ");
    page->cb_glfx_qhw->setCurrentIndex(0);  // a rebuild before "确定" leaves the indicator out
    QCOMPARE(page->sg_glfx->model()->columnCount(), 16);
    page->b_glfx_ok->click();
    QCOMPARE(page->sg_glfx->model()->columnCount(), 18);
    QCOMPARE(page->sg_glfx->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("指标1"));
    QCOMPARE(page->sg_glfx->model()->index(3, 8).data().toInt(), rows[3][1]);
    QCOMPARE(page->sg_glfx->model()->index(3, 17).data().toInt(), rows[4][1]);
    // A formula that cannot be evaluated matches no draw, without a message.
    page->rows[0].formula->setText("z_num1/0");
    page->b_glfx_ok->click();
    QCOMPARE(page->sg_glfx->model()->rowCount(), 0);
    QCOMPARE(page->l_glfx->text(), QStringLiteral("本期系列一共有0条;下期系列一共有0条"));
    QCOMPARE(program->platform.messages.texts(), QStringList());
}

void MoredbAssociationTest::aDoubleClickDissectsTheColumn() {
    const DrawRows rows = sampleDraws(40);
    auto program = fxd::startOn(rows);
    MoredbAssociationPage* page = openSheet();
    page->cb_glfx[0]->setCurrentText("05");
    page->cb_glfx_bdw->setChecked(true);
    const int matches = page->sg_glfx->model()->rowCount();
    QVERIFY(matches > 1);
    QString title;
    std::vector<int32_t> issues, series;
    whenModalShown([&](QDialog* dialog) {
        title = dialog->windowTitle();
        auto* view = dialog->findChild<Tf_zbpxz*>("f_zbpxz");
        QVERIFY(view);
        issues = view->input().issues;
        series = view->input().series;
        dialog->reject();
    });
    page->dissectColumn(9);  // the following draws' first numbers
    QCOMPARE(title, QString::fromStdString(workspace().MainLabel()) + QStringLiteral("1的信号图"));
    QCOMPARE(int(series.size()), matches - (page->table().rows.back().next ? 0 : 1));
    for (std::size_t i = 0; i < series.size(); ++i) {
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r[0] == issues[i]; });
        QVERIFY(row != rows.end());
        QCOMPARE(series[i], (*row)[1]);
    }
    // The history was not touched.
    QCOMPARE(workspace().MainStore.Count(), 40);
}

void MoredbAssociationTest::theExportWritesTheFollowingDraws() {
    const DrawRows rows = sampleDraws(10);
    auto program = fxd::startOn(rows);
    MoredbAssociationPage* page = openSheet();
    QTemporaryDir folder;
    FileAnswers answers;
    answers.answers << folder.filePath("next");
    Platform seams = platform();
    seams.files = &answers;
    const Platform previous = installPlatform(seams);
    program->platform.messages.answers << false;  // no special number
    page->b_glfx_next_dc->click();
    installPlatform(previous);
    QCOMPARE(answers.titles, QStringList{QStringLiteral("导出到文本文件")});
    QCOMPARE(program->platform.messages.messages.size(), 1);
    QCOMPARE(program->platform.messages.messages[0].text, QStringLiteral("是否有蓝号，如果有蓝号请选yes,如果没有请选no."));
    const auto bytes = readFileBytes(folder.filePath("next.txt").toStdString());
    QVERIFY(bytes.has_value());
    const std::vector<std::string> lines = readGbkLines(*bytes);
    QCOMPARE(int(lines.size()), 9);  // the newest draw has no following draw
    QString expected = QString::number(rows[1][0]) + " ";
    for (int i = 1; i <= 6; ++i) expected += QStringLiteral("%1 ").arg(rows[1][i], 2, 10, QChar('0'));
    QCOMPARE(QString::fromStdString(lines[0]), expected);
}

void MoredbAssociationTest::aStoppedPassKeepsTheTable() {
    auto program = fxd::startOn(sampleDraws(640));
    MoredbAssociationPage* page = openSheet();
    page->cb_glfx_qhw->setCurrentText("3");
    const int before = page->sg_glfx->model()->rowCount();
    const QString count = page->l_glfx->text();
    workspace().MainStore.SetRecNo(77);
    page->rows[0].use->setChecked(true);
    page->rows[0].formula->setText("getylz(getylz(z_hz))");
    {
        EscapeOnPassProgress escape;
        page->b_glfx_ok->click();
        QVERIFY(escape.shown);
        QCOMPARE(escape.label, QStringLiteral("正在计算公式，请稍候..."));
    }
    QCOMPARE(page->sg_glfx->model()->rowCount(), before);
    QCOMPARE(page->sg_glfx->model()->columnCount(), 16);
    QCOMPARE(page->l_glfx->text(), count);
    QCOMPARE(workspace().MainStore.RecNo(), 77);
    QCOMPARE(program->platform.messages.texts(), QStringList());
}

void MoredbAssociationTest::screenshot() {
    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    if (shots.isEmpty()) QSKIP("QORVEL_GRAB_DIR not set");
    auto program = fxd::startOn(sampleHistory());
    MoredbAssociationPage* page = openSheet();
    page->cb_glfx[0]->setCurrentText("05");
    page->cb_glfx_bdw->setChecked(true);
    page->rows[0].use->setChecked(true);
    page->rows[0].formula->setText("z_hz");
    page->rows[1].use->setChecked(true);
    page->rows[1].formula->setText("getylz(z_num1)");
    page->b_glfx_ok->click();
    QApplication::processEvents();
    QVERIFY(f_main->grab().save(shots + "/moredb_association.png"));
}

QTEST_MAIN(MoredbAssociationTest)
#include "moredb_association_test.moc"
