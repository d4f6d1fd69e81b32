// The indicator management page: saved custom indicators and their file, the editor and the
// assisted-input dialog, picking list items, computing a dissection and handing it to the dissection tab.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "app/app_state.h"
#include "app/dialogs/u_addselfzb.h"
#include "app/dialogs/u_fzsr.h"
#include "app/pages/current_indicator.h"
#include "app/pages/u_zbpx.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/zbpxz/zbpxz_signal_page.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "draws/t_s_dm.h"
#include "engine/custom_indicators.h"
#include "text/gbk.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kValueSentinel = -77;

// Draws whose six main numbers always sum to 90; the first main number is 9, except in the draws listed
// in `firstIsTen`, where it is 10.
DrawRows sumNinetyDraws(int count, std::vector<int> firstIsTen = {}) {
    DrawRows rows;
    for (int r = 0; r < count; ++r) {
        const bool ten = std::find(firstIsTen.begin(), firstIsTen.end(), r + 1) != firstIsTen.end();
        std::vector<int> row{2020001 + r};
        const std::vector<int> mains = ten ? std::vector<int>{10, 12, 14, 16, 18, 20}
                                           : std::vector<int>{9, 12, 14, 16, 18, 21};
        row.insert(row.end(), mains.begin(), mains.end());
        row.push_back(1 + r % 16);
        rows.push_back(row);
    }
    return rows;
}

QByteArray gbk(const char* utf8) {
    return QByteArray::fromStdString(utf8ToGbk(utf8));
}

QByteArray savedFile(const StartedProgram& program) {
    return fileBytes(program.home.file("save/selfzb.txt"));
}

QStringList listLines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

// A started program without the messages of its start (the offscreen screen is narrower than 1024).
struct ZbpxProgram : StartedProgram {
    explicit ZbpxProgram(const std::function<void(const TestHome&)>& prepare) : StartedProgram(prepare) {
        platform.messages.messages.clear();
    }
};

template <class T>
T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(name);
    if (!found) qFatal("no control %s", name);
    return found;
}

// Answers the custom-indicator editor: fills the fields (when given) and presses "确定" or "取消".
// `caption` receives the dialog's caption.
void answerEditor(std::optional<QString> formula, std::optional<QString> name, bool ok, QString* caption = nullptr,
                  QStringList* shownFields = nullptr) {
    whenModalShown([=](QDialog* dialog) {
        if (caption) *caption = dialog->windowTitle();
        auto* edit1 = child<QLineEdit>(dialog, "Edit1");
        auto* edit2 = child<QLineEdit>(dialog, "Edit2");
        if (shownFields) *shownFields = {edit1->text(), edit2->text()};
        if (formula) edit1->setText(*formula);
        if (name) edit2->setText(*name);
        QTest::mouseClick(child<QPushButton>(dialog, ok ? "b_ok" : "b_cancel"), Qt::LeftButton);
        if (dialog->isVisible()) dialog->reject();  // a rejected formula keeps the editor open
    });
}

// Clicks (or double-clicks) an item. The item is selected first, as the press of a real click does: the
// offscreen platform does not always route the synthetic press to a list that has just been shown.
void clickItem(QListWidget* list, int row, bool twice = false) {
    list->setCurrentRow(row);
    list->scrollToItem(list->item(row));
    const QRect rect = list->visualItemRect(list->item(row));
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

QString zbpxzTabCaption() {
    return f_main->pc_main->tabText(f_main->pc_main->indexOf(f_main->tabSheet(PageId::zbpxz)));
}

void setRange(const QString& from, const QString& to) {
    f_zbpx->me_zbqzfrom->setText(from);
    f_zbpx->me_zbqzto->setText(to);
}

void chooseFormula(const QString& formula) {
    f_zbpx->rb_selfzb->setChecked(true);
    f_zbpx->e_selfzb->setText(formula);
}

}  // namespace

class ZbpxTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void savedIndicatorsRoundTripInGbk();
    void lineWithoutSpaceOpensWithEmptyName();
    void editorRejectsBadFormulas_data();
    void editorRejectsBadFormulas();
    void editingWithoutSelectionOnlyTellsTheUser();
    void optionsSwitchTheControls();
    void pickingAnItemFillsTheFields();
    void assistedInputAppendsDoubleClickedItems();
    void dissectionRange_data();
    void dissectionRange();
    void rangeFieldsThatAreNoNumbersHandNothingOver_data();
    void rangeFieldsThatAreNoNumbersHandNothingOver();
    void failureKeepsTheValuesComputedBeforeIt();
    void handOverNamesTheTabAndStatusLines_data();
    void handOverNamesTheTabAndStatusLines();
    void specialNumbersEntryDissectsTheSpecialNumber();
    void dissectionViewCountsValues_data();
    void dissectionViewCountsValues();
    void sampleHistoryDissectsQuickly();
};

void ZbpxTest::savedIndicatorsRoundTripInGbk() {
    const QByteArray existing = gbk("z_hz        和值\r\nz_num1%3        首号除三\r\n");
    ZbpxProgram program(withHistory(sampleDraws(40), existing));
    QCOMPARE(listLines(f_zbpx->lb_save), QStringList({QStringLiteral("z_hz        和值"),
                                                      QStringLiteral("z_num1%3        首号除三")}));

    QString caption;
    answerEditor(QStringLiteral("  z_num1+z_num2 "), QStringLiteral(" 首二和"), true, &caption);
    QTest::mouseClick(f_zbpx->b_add, Qt::LeftButton);
    QCOMPARE(caption, QStringLiteral("添加自定义指标"));
    QCOMPARE(savedFile(program), existing + gbk("z_num1+z_num2        首二和\r\n"));

    f_zbpx->lb_save->setCurrentRow(0);
    QStringList shown;
    answerEditor(QStringLiteral("z_hz%10"), QStringLiteral("和尾"), true, &caption, &shown);
    QTest::mouseClick(f_zbpx->b_mod, Qt::LeftButton);
    QCOMPARE(caption, QStringLiteral("修改自定义指标"));
    QCOMPARE(shown, QStringList({QStringLiteral("z_hz"), QStringLiteral("和值")}));
    QCOMPARE(savedFile(program),
             gbk("z_hz%10        和尾\r\nz_num1%3        首号除三\r\nz_num1+z_num2        首二和\r\n"));

    f_zbpx->lb_save->setCurrentRow(1);
    QTest::mouseClick(f_zbpx->b_delete, Qt::LeftButton);
    QCOMPARE(savedFile(program), gbk("z_hz%10        和尾\r\nz_num1+z_num2        首二和\r\n"));

    // A cancelled editor changes nothing.
    f_zbpx->lb_save->setCurrentRow(0);
    answerEditor(QStringLiteral("z_hw"), QStringLiteral("x"), false);
    QTest::mouseClick(f_zbpx->b_mod, Qt::LeftButton);
    QCOMPARE(savedFile(program), gbk("z_hz%10        和尾\r\nz_num1+z_num2        首二和\r\n"));
    QVERIFY(program.platform.messages.texts().isEmpty());
}

void ZbpxTest::lineWithoutSpaceOpensWithEmptyName() {
    ZbpxProgram program(withHistory(sampleDraws(40), gbk("z_hz\r\n")));
    f_zbpx->lb_save->setCurrentRow(0);
    QStringList shown;
    answerEditor(std::nullopt, QStringLiteral("和值"), true, nullptr, &shown);
    QTest::mouseClick(f_zbpx->b_mod, Qt::LeftButton);
    QCOMPARE(shown, QStringList({QStringLiteral("z_hz"), QString()}));
    QCOMPARE(savedFile(program), gbk("z_hz        和值\r\n"));

    // Picking the line dissects its formula under its name.
    f_zbpx->show();
    clickItem(f_zbpx->lb_save, 0);
    QCOMPARE(f_zbpx->e_yyzb->text(), QStringLiteral("z_hz"));
    QCOMPARE(f_zbpx->e_zbmm->text(), QStringLiteral("和值"));
}

void ZbpxTest::editorRejectsBadFormulas_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QString("   ") << QStringLiteral("自定义公式不能为空");
    QTest::newRow("space") << QString("z_hz +z_hw") << QStringLiteral("不能有空格");
    QTest::newRow("parenthesis") << QString("(z_hz+1") << QStringLiteral("\"(\"与\")\"不匹配");
    QTest::newRow("bracket") << QString("z_hz[1") << QStringLiteral("\"[\"与\"]\"不匹配");
    QTest::newRow("last failing test wins") << QString("(z_hz [1") << QStringLiteral("\"[\"与\"]\"不匹配");
}

void ZbpxTest::editorRejectsBadFormulas() {
    QFETCH(QString, formula);
    QFETCH(QString, message);
    ZbpxProgram program(withHistory(sampleDraws(40)));
    bool stayedOpen = false;
    whenModalShown([&](QDialog* dialog) {
        child<QLineEdit>(dialog, "Edit1")->setText(formula);
        QTest::mouseClick(child<QPushButton>(dialog, "b_ok"), Qt::LeftButton);
        stayedOpen = dialog->isVisible();
        dialog->reject();
    });
    QTest::mouseClick(f_zbpx->b_add, Qt::LeftButton);
    QVERIFY(stayedOpen);
    QCOMPARE(program.platform.messages.texts(), QStringList{message});
    QCOMPARE(savedFile(program), QByteArray("<missing>"));
    QCOMPARE(f_zbpx->lb_save->count(), 0);
}

void ZbpxTest::editingWithoutSelectionOnlyTellsTheUser() {
    const QByteArray existing = gbk("z_hz        和值\r\n");
    ZbpxProgram program(withHistory(sampleDraws(40), existing));
    f_zbpx->lb_save->clearSelection();
    QTest::mouseClick(f_zbpx->b_delete, Qt::LeftButton);
    QTest::mouseClick(f_zbpx->b_mod, Qt::LeftButton);
    QCOMPARE(program.platform.messages.texts(),
             QStringList({QStringLiteral("请先选择你要删除的指标"), QStringLiteral("请先选择你要修改的指标")}));
    QCOMPARE(savedFile(program), existing);
}

void ZbpxTest::optionsSwitchTheControls() {
    ZbpxProgram program(withHistory(sampleDraws(40)));
    QVERIFY(f_zbpx->rb_yyzb->isChecked());
    QCOMPARE(f_zbpx->e_yyzb->text(), QStringLiteral("z_num1"));
    QCOMPARE(f_zbpx->e_zbmm->text(), QStringLiteral("红号一"));
    QVERIFY(!f_zbpx->e_selfzb->isEnabled());
    QVERIFY(!f_zbpx->b_fzsr->isEnabled());
    setRange("1", "33");

    f_zbpx->rb_selfzb->setChecked(true);
    QCOMPARE(f_zbpx->e_zbmm->text(), QStringLiteral("自定义指标"));
    QCOMPARE(f_zbpx->me_zbqzfrom->text(), QString());
    QCOMPARE(f_zbpx->me_zbqzto->text(), QString());
    QVERIFY(!f_zbpx->e_yyzb->isEnabled());
    QVERIFY(f_zbpx->e_selfzb->isEnabled());
    QVERIFY(f_zbpx->b_fzsr->isEnabled());

    f_zbpx->rb_yyzb->setChecked(true);
    QVERIFY(f_zbpx->e_yyzb->isEnabled());
    QVERIFY(!f_zbpx->e_selfzb->isEnabled());
    QVERIFY(!f_zbpx->b_fzsr->isEnabled());
    // Choosing the option looks the code up, which refreshes the shared indicator record.
    QCOMPARE(workspace().indicatorInfo.code, std::string("z_num1"));
}

void ZbpxTest::pickingAnItemFillsTheFields() {
    ZbpxProgram program(withHistory(sampleDraws(40)));
    f_main->openPage(PageId::zbpx);
    chooseFormula("z_hz");
    setRange("5", "9");
    QListWidget* sums = f_zbpx->menuList(1);
    f_zbpx->pagecontrol1->setCurrentIndex(1);
    const auto [expression, name] = splitIndicatorLine(toUtf8(sums->item(2)->text()));
    for (bool twice : {false, true}) {
        clickItem(sums, 2, twice);
        QVERIFY(f_zbpx->rb_yyzb->isChecked());
        QCOMPARE(f_zbpx->e_yyzb->text(), fromUtf8(expression));
        QCOMPARE(f_zbpx->e_zbmm->text(), fromUtf8(name));
        QCOMPARE(f_zbpx->me_zbqzfrom->text() + f_zbpx->me_zbqzto->text(), QString());
    }
    QVERIFY(!name.empty());
    QVERIFY(program.platform.messages.texts().isEmpty());

    // A click that leaves no item selected only asks for one.
    f_zbpx->pagecontrol1->setCurrentIndex(0);
    QListWidget* regular = f_zbpx->menuList(0);
    regular->clearSelection();
    f_zbpx->pickListItem(regular);
    QCOMPARE(program.platform.messages.texts(), QStringList{QStringLiteral("请在列表框中单击你要输入的内容")});
    QCOMPARE(f_zbpx->e_yyzb->text(), fromUtf8(expression));
}

void ZbpxTest::assistedInputAppendsDoubleClickedItems() {
    ZbpxProgram program(withHistory(sampleDraws(40), gbk("z_num1%3        首号除三\r\n")));
    f_main->openPage(PageId::zbpx);
    chooseFormula("old");
    QString startPage;
    QString built;
    bool stayedOpen = false;
    whenModalShown([&](QDialog* dialog) {
        auto* tabs = child<QTabWidget>(dialog, "pagecontrol1");
        auto* edit = child<QLineEdit>(dialog, "e_fzsr");
        startPage = tabs->tabText(tabs->currentIndex());
        auto* saved = child<QListWidget>(dialog, "lb_save");
        tabs->setCurrentWidget(saved);
        clickItem(saved, 0, true);
        tabs->setCurrentIndex(5);
        auto* operators = static_cast<QListWidget*>(tabs->currentWidget());
        clickItem(operators, 0, true);  // "+"
        tabs->setCurrentIndex(0);
        clickItem(static_cast<QListWidget*>(tabs->currentWidget()), 0, true);
        tabs->setCurrentIndex(5);
        clickItem(operators, 16, true);  // "getzf"
        operators->clearSelection();
        f_fzsr->appendSelectedItem(operators);
        built = edit->text();
        QTest::keyClicks(edit, "(z_hz");
        QTest::mouseClick(child<QPushButton>(dialog, "b_ok"), Qt::LeftButton);
        stayedOpen = dialog->isVisible();
        edit->setText(" z_hz+getzf(z_hz) ");
        QTest::mouseClick(child<QPushButton>(dialog, "b_ok"), Qt::LeftButton);
    });
    QTest::mouseClick(f_zbpx->b_fzsr, Qt::LeftButton);
    QCOMPARE(startPage, QStringLiteral("运算符及函数"));
    QCOMPARE(built, QStringLiteral("z_num1%3+z_num1getzf"));
    QVERIFY(stayedOpen);
    QCOMPARE(program.platform.messages.texts(),
             QStringList({QStringLiteral("请在列表框中双击你要输入的内容"), QStringLiteral("\"(\"与\")\"不匹配")}));
    QCOMPARE(f_zbpx->e_selfzb->text(), QStringLiteral("z_hz+getzf(z_hz)"));
}

void ZbpxTest::dissectionRange_data() {
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("equal sums widen by the main count") << false << "z_hz" << "" << "" << 90 << 95;
    QTest::newRow("only the lower field") << false << "z_hz" << "80" << "" << 90 << 95;
    QTest::newRow("only the upper field") << false << "z_hz" << " " << "120" << 90 << 95;
    QTest::newRow("both fields") << false << "z_hz" << "80" << "120" << 80 << 120;
    QTest::newRow("fields with blanks") << false << "z_hz" << " 7" << "9 " << 7 << 9;
    QTest::newRow("one typed value widens") << false << "z_hz" << "90" << "90" << 90 << 95;
    QTest::newRow("constant formula") << true << "5" << "" << "" << 5 << 10;
    QTest::newRow("varying formula") << true << "z_num6-z_num1" << "" << "" << 10 << 12;
}

void ZbpxTest::dissectionRange() {
    QFETCH(bool, typed);
    QFETCH(QString, expression);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, low);
    QFETCH(int, high);
    constexpr int kDraws = 60;
    ZbpxProgram program(withHistory(sumNinetyDraws(kDraws, {3, 4})));
    if (typed)
        chooseFormula(" " + expression + " ");
    else
        f_zbpx->e_yyzb->setText(" " + expression);
    setRange(from, to);
    QTest::mouseClick(f_zbpx->b_ok, Qt::LeftButton);

    QVERIFY2(program.platform.messages.texts().isEmpty(), qPrintable(program.platform.messages.texts().join('|')));
    const DissectionInput& input = f_zbpxz->input();
    QCOMPARE(input.seriesMin, low);
    QCOMPARE(input.seriesMax, high);
    QCOMPARE(static_cast<int>(input.series.size()), kDraws);
    QCOMPARE(input.cursorRow, kDraws - 36);
    QCOMPARE(workspace().MainStore.RecNo(), kDraws - 36);
    QCOMPARE(input.formula, toUtf8(expression));
    QCOMPARE(currentIndicatorCode, typed ? std::string() : toUtf8(expression));
    QCOMPARE(currentIndicatorFormula, typed ? toUtf8(expression) : std::string());
    for (int r = 1; r <= kDraws; ++r) QCOMPARE(workspace().MainStore.Row(r).value, input.series[r - 1]);
}

void ZbpxTest::rangeFieldsThatAreNoNumbersHandNothingOver_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");
    QTest::newRow("letters") << "ab" << "99" << QString::fromUtf8(kRangeNotNumber);
    QTest::newRow("inner blank") << "1 2" << "99" << QString::fromUtf8(kRangeNotNumber);
    QTest::newRow("sign only") << "1" << "-" << QString::fromUtf8(kRangeNotNumber);
    QTest::newRow("reversed") << "99" << "10" << QStringLiteral("指标取值范围的最小值不能大于最大值");
}

void ZbpxTest::rangeFieldsThatAreNoNumbersHandNothingOver() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);
    ZbpxProgram program(withHistory(sumNinetyDraws(50)));
    const int tabsBefore = f_main->OpenPageCount();
    f_zbpx->e_yyzb->setText("z_hz");
    setRange(from, to);
    QTest::mouseClick(f_zbpx->b_ok, Qt::LeftButton);
    QCOMPARE(program.platform.messages.texts(), QStringList{message});
    QVERIFY(f_zbpxz->input().series.empty());
    QVERIFY(!visibleTabs().contains("ts_zbpxz"));
    QCOMPARE(f_main->OpenPageCount(), tabsBefore);
}

void ZbpxTest::failureKeepsTheValuesComputedBeforeIt() {
    constexpr int kDraws = 30;
    constexpr int kFailingDraw = 10;
    ZbpxProgram program(withHistory(sumNinetyDraws(kDraws, {kFailingDraw})));
    t_s_dm& store = workspace().MainStore;
    for (int r = 1; r <= kDraws; ++r) store.MutableRow(r).value = kValueSentinel;
    store.SetRecNo(20);
    chooseFormula("100/(z_num1-10)");
    QTest::mouseClick(f_zbpx->b_ok, Qt::LeftButton);

    QCOMPARE(program.platform.messages.texts(), QStringList{QStringLiteral("公式有误:除数不能为0")});
    for (int r = 1; r < kFailingDraw; ++r) QCOMPARE(store.Row(r).value, -100);
    for (int r = kFailingDraw; r <= kDraws; ++r) QCOMPARE(store.Row(r).value, kValueSentinel);
    QCOMPARE(store.RecNo(), 20);
    QVERIFY(f_zbpxz->input().series.empty());
    QVERIFY(!visibleTabs().contains("ts_zbpxz"));
}

void ZbpxTest::handOverNamesTheTabAndStatusLines_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tabCaption");
    QTest::newRow("special numbers") << QStringLiteral("蓝号") << QStringLiteral("蓝号分析");
    QTest::newRow("other name") << QStringLiteral("红号一") << QStringLiteral("指标剖析");
    QTest::newRow("longer name") << QStringLiteral("蓝号二") << QStringLiteral("指标剖析");
}

void ZbpxTest::handOverNamesTheTabAndStatusLines() {
    QFETCH(QString, name);
    QFETCH(QString, tabCaption);
    ZbpxProgram program(withHistory(sampleDraws(80)));
    f_main->openPage(PageId::zbpx);
    const int openBefore = f_main->OpenPageCount();
    // A previous dissection captioned the tab the other way; the caption follows the latest name.
    f_zbpx->e_zbmm->setText(name == QStringLiteral("蓝号") ? QStringLiteral("x") : QStringLiteral("蓝号"));
    QTest::mouseClick(f_zbpx->b_ok, Qt::LeftButton);
    f_zbpx->e_zbmm->setText(name);
    QTest::mouseClick(f_zbpx->b_ok, Qt::LeftButton);

    QVERIFY(program.platform.messages.texts().isEmpty());
    QCOMPARE(zbpxzTabCaption(), tabCaption);
    QCOMPARE(f_main->pc_main->currentWidget(), f_main->tabSheet(PageId::zbpxz));
    QCOMPARE(visibleTabs().last(), QString("ts_zbpxz"));
    QCOMPARE(f_main->OpenPageCount(), openBefore + 1);
    QCOMPARE(f_main->statusText(), name + QStringLiteral("的分析"));
    QCOMPARE(f_zbpxz->statusText(), name + QStringLiteral("的信号图"));
    QCOMPARE(f_zbpxz->windowTitle(), name + QStringLiteral("的信号图"));
    QVERIFY(f_zbpxz->isVisible());
    QCOMPARE(fromUtf8(f_zbpxz->input().title), name);
    QCOMPARE(fromUtf8(f_zbpxz->input().name), name);
}

void ZbpxTest::specialNumbersEntryDissectsTheSpecialNumber() {
    constexpr int kDraws = 50;
    ZbpxProgram program(withHistory(sampleDraws(kDraws)));
    f_zbpx->rb_selfzb->setChecked(true);
    mainAction("n_lhfx")->trigger();
    QVERIFY(program.platform.messages.texts().isEmpty());
    QVERIFY(f_zbpx->rb_yyzb->isChecked());
    QCOMPARE(f_zbpx->e_yyzb->text(), QStringLiteral("f_num1"));
    QCOMPARE(zbpxzTabCaption(), QStringLiteral("蓝号分析"));
    QCOMPARE(currentIndicatorCode, std::string("f_num1"));
    const DissectionInput& input = f_zbpxz->input();
    QCOMPARE(input.seriesMin, 1);
    QCOMPARE(input.seriesMax, workspace().params.SpecialTo);
    const DrawRows draws = sampleDraws(kDraws);
    for (int r = 0; r < kDraws; ++r) QCOMPARE(input.series[r], draws[r][7]);
}

void ZbpxTest::dissectionViewCountsValues_data() {
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("shownMax");
    QTest::newRow("range as handed over") << 1 << 4 << 4;
    QTest::newRow("equal ends widen by the main count") << 3 << 3 << 8;
}

// The dissection opens on the signal chart, in the tab and in the modal window, with the range handed over
// (equal ends widened) and one signal column per run of equal up/down signals.
void ZbpxTest::dissectionViewCountsValues() {
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, shownMax);
    ZbpxProgram program(withHistory(sampleDraws(5)));
    DissectionInput input;
    input.series = {5, 7, 7, 3, 8};
    input.seriesMin = low;
    input.seriesMax = high;
    input.title = "首号";
    input.cursorRow = 2;
    f_zbpxz->OpenDissection(input);
    QCOMPARE(f_zbpxz->input().seriesMax, shownMax);
    QCOMPARE(f_zbpxz->pc_zbpxz->currentWidget(), static_cast<QWidget*>(f_zbpxz->ts_ftc));
    QCOMPARE(int(f_zbpxz->ts_ftc->columns().size()), 4);

    QString modalTitle;
    int modalColumns = 0;
    whenModalShown([&](QDialog* dialog) {
        modalTitle = dialog->windowTitle();
        modalColumns = int(child<Tf_zbpxz>(dialog, "f_zbpxz")->ts_ftc->columns().size());
        dialog->reject();
    });
    showDissectionModally(input, f_main);
    QCOMPARE(modalTitle, QStringLiteral("首号的信号图"));
    QCOMPARE(modalColumns, 4);
}

// Prints how long "开始剖析" takes over the 3493-draw sample for a plain code and a nested formula.
void ZbpxTest::sampleHistoryDissectsQuickly() {
    const DrawRows history = sampleHistory();
    ZbpxProgram program(withHistory(history));
    f_main->openPage(PageId::zbpx);
    for (const char* expression : {"z_hz", "getylz(getzf(z_hz))"}) {
        chooseFormula(expression);
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(f_zbpx->b_ok, Qt::LeftButton);
        const qint64 ms = timer.elapsed();
        qInfo("开始剖析 %s over %d draws: %lld ms", expression, static_cast<int>(history.size()), ms);
        QVERIFY(program.platform.messages.texts().isEmpty());
        QCOMPARE(static_cast<int>(f_zbpxz->input().series.size()), static_cast<int>(history.size()));
    }

    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    if (shots.isEmpty()) return;
    f_main->resize(1024, 768);
    f_main->openPage(PageId::zbpx);
    f_main->grab().save(shots + "/zbpx.png");
    f_main->pc_main->setCurrentWidget(f_main->tabSheet(PageId::zbpxz));
    f_main->grab().save(shots + "/zbpxz.png");
    for (QPushButton* button : {f_zbpx->b_fzsr, f_zbpx->b_add}) {
        whenModalShown([&](QDialog* dialog) {
            dialog->grab().save(shots + "/" + dialog->objectName() + ".png");
            dialog->reject();
        });
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

QTEST_MAIN(ZbpxTest)
#include "zbpx_test.moc"
