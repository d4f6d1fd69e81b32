// The main result set's popup on the filter page: editing tickets through the dialogs, the removal list,
// the prize check, result files, the print file, the forecast row and restoring transformed numbers —
// each driven by the popup entries and the dialogs' controls after a small run.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <algorithm>

#include "app/dialogs/u_qh.h"
#include "app/dialogs/zh/u_result_dialogs.h"
#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_results.h"
#include "app_test_support.h"
#include "combos/combo_filter.h"
#include "draws/data_transform.h"
#include "text/gbk.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

using Numbers = std::vector<int>;

constexpr int kHistoryDraws = 30;

// A started program with a short history and the file dialogs answered by the test.
struct ResultsFixture {
    ResultsFixture()
        : program([](const TestHome& home) {
              QDir().mkpath(home.file("database"));
              writeDrawFile(home.file("database/basedata0.rec"), sampleDraws(kHistoryDraws));
          }) {
        previous = installPlatform(Platform{nullptr, &files, nullptr, nullptr});
        // Start-up notices (such as the screen-size note) are not the popup's.
        program.platform.messages.messages.clear();
    }
    ~ResultsFixture() { installPlatform(Platform{nullptr, previous.files, nullptr, nullptr}); }

    QStringList messages() const { return program.platform.messages.texts(); }

    StartedProgram program;
    FileAnswers files;
    Platform previous;
};

void saveShot(QWidget* w, const char* name) {
    const QString dir = qEnvironmentVariable("QORVEL_ZHRESULTS_SHOT");
    if (!dir.isEmpty()) w->grab().save(dir + "/" + name + ".png");
}

ZhResults& results() { return *f_zh->results(); }
ResultSet& resultSet() { return f_zh->filter().results; }
int mainCount() { return workspace().params.MainCount; }
QTableWidget* grid() { return control<QTableWidget>(f_zh, "sg_zqresult"); }
QString status() { return control<QLabel>(f_zh, "l_zh_status")->text(); }

// A run that keeps every ticket of the numbers 1..last.
void runOver(int last) {
    f_zh->resetConditions();
    control<QCheckBox>(f_zh, "cb_notequaldist")->setChecked(false);
    control<QCheckBox>(f_zh, "cb_specnext")->setChecked(false);
    std::vector<int> candidates;
    for (int n = 1; n <= last; ++n) candidates.push_back(n);
    f_zh->setCandidates(candidates);
    QTest::mouseClick(control<QPushButton>(f_zh, "b_filter"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([] { return !f_zh->running(); }, 120000));
}

Numbers ticketAt(int slot) {
    const Combination& c = resultSet().slot(slot);
    return Numbers(c.bytes.begin(), c.bytes.begin() + mainCount());
}

std::vector<Numbers> allTickets() {
    std::vector<Numbers> out;
    for (int k = 1; k <= resultSet().count(); ++k) out.push_back(ticketAt(k));
    return out;
}

// The ticket a grid row shows.
Numbers gridTicket(int row) {
    Numbers t;
    for (int c = 1; c <= mainCount(); ++c) t.push_back(grid()->item(row, c)->text().toInt());
    return t;
}

QString maskedText(const Numbers& t) {
    QStringList parts;
    for (int n : t) parts << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return parts.join('-');
}

void trigger(const char* entry) {
    QAction* action = results().entry(entry);
    if (!action) qFatal("missing popup entry %s", entry);
    action->trigger();
}

void selectSlot(int slot) {
    f_zh->filter().currentPage = (slot - 1) / kResultsPerPage + 1;
    f_zh->showResultPage();
    grid()->selectRow((slot - 1) % kResultsPerPage);
}

// Types `text` into the open ticket dialog and presses OK; a dialog still open afterwards is cancelled
// and reported through `stayedOpen`.
void answerTicketDialog(const QString& text, bool* stayedOpen, QString* caption = nullptr,
                        QString* startText = nullptr) {
    whenModalShown([=](QDialog* dialog) {
        if (caption) *caption = dialog->windowTitle();
        auto* field = control<QLineEdit>(dialog, "me_zh");
        if (startText) *startText = field->text();
        field->selectAll();
        field->del();
        field->setCursorPosition(0);
        QTest::keyClicks(field, QString(text).remove('-'));
        saveShot(dialog, "ticket");
        QTest::mouseClick(control<QPushButton>(dialog, "b_ok"), Qt::LeftButton);
        *stayedOpen = dialog->isVisible();
        if (*stayedOpen) QTest::mouseClick(control<QPushButton>(dialog, "b_cancel"), Qt::LeftButton);
    });
}

// Chooses `issue` in the issue dialog (nothing: cancels it).
void answerIssueDialog(std::optional<int> issue) {
    whenModalShown([issue](QDialog* dialog) {
        QCOMPARE(dialog, static_cast<QDialog*>(f_qh));
        if (!issue) {
            dialog->reject();
            return;
        }
        auto* list = control<QComboBox>(dialog, "cb_qh");
        list->setCurrentIndex(list->findText(QString::number(*issue)));
        QTest::mouseClick(control<QPushButton>(dialog, "b_ok"), Qt::LeftButton);
    });
}

Numbers drawNumbers(int issue) {
    const t_s_dm& store = workspace().MainStore;
    for (int r = 1; r <= store.Count(); ++r)
        if (store.Row(r).fields[0] == issue)
            return Numbers(store.Row(r).fields.begin() + 1, store.Row(r).fields.begin() + 1 + mainCount());
    return {};
}

int hitsOf(const Numbers& t, const Numbers& draw) {
    return static_cast<int>(std::count_if(t.begin(), t.end(), [&](int n) {
        return std::find(draw.begin(), draw.end(), n) != draw.end();
    }));
}

QStringList headers() {
    QStringList out;
    for (int c = 0; c < grid()->columnCount(); ++c) out << grid()->horizontalHeaderItem(c)->text();
    return out;
}

}  // namespace

class ZhResultsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void popupOpensFromGridAndButton();
    void ticketsAreAddedModifiedAndDeleted();
    void badTicketsKeepTheDialogOpen();
    void entriesNeedASelectedRow();
    void removalListRemovesListedTickets();
    void removalListLineErrors();
    void removalListSaveLoadAndHint();
    void prizeCheckSortsByHits();
    void resultsSurviveSaveAndLoad();
    void printFileListsEveryTicket();
    void forecastRowIsWrittenAndCleared();
    void restoreMapsTransformedTicketsBack();
};

void ZhResultsTest::popupOpensFromGridAndButton() {
    ResultsFixture fx;
    runOver(8);
    QMenu* menu = results().pm_zqresult;
    QStringList captions;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) captions << a->text();
    QCOMPARE(captions, (QStringList{"保存组号", "载入组号", "加到预测区", "清除预测区", "添加组号", "删除组号",
                                    "修改组号", "滤除组号", "打印投注结果", "恢复到原始投注结果", "对奖"}));
    auto* button = control<QPushButton>(f_zh, "b_jgcl");
    QCOMPARE(button->text(), QStringLiteral("结果处理"));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    saveShot(menu, "popup");
    // Untransformed tickets have nothing to map back.
    QVERIFY(!results().entry("mi_hfys")->isEnabled());
    menu->hide();
    const QRect cell = grid()->visualItemRect(grid()->item(2, 1));
    Q_EMIT grid()->customContextMenuRequested(cell.center());
    QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    menu->hide();
    if (!qEnvironmentVariableIsEmpty("QORVEL_ZHRESULTS_SHOT")) {
        f_zh->setParent(nullptr);
        f_zh->resize(1024, 700);
        f_zh->show();
        saveShot(f_zh, "page");
    }
}

void ZhResultsTest::ticketsAreAddedModifiedAndDeleted() {
    ResultsFixture fx;
    // More than one page, so adding shows the page the new ticket lands on.
    runOver(17);
    const int before = resultSet().count();
    QVERIFY(before > kResultsPerPage);
    const Numbers added{2, 9, 11, 20, 27, 33};

    bool open = true;
    QString caption;
    answerTicketDialog(QStringLiteral("27-02-33-11-20-09"), &open, &caption);
    trigger("mi_tjzh");
    QVERIFY(!open);
    QCOMPARE(caption, QStringLiteral("添加组号"));
    QCOMPARE(resultSet().count(), before + 1);
    QCOMPARE(ticketAt(before + 1), added);
    const int pages = (before + 1 + kResultsPerPage - 1) / kResultsPerPage;
    QCOMPARE(control<QLabel>(f_zh, "l_zh_pageinfo")->text(), QStringLiteral("第%1页/ %2页").arg(pages).arg(pages));
    QCOMPARE(control<QLabel>(f_zh, "l_zhgl_tzresult")->text(), QStringLiteral("投注结果：共%1注").arg(before + 1));
    QCOMPARE(status(), QStringLiteral("超强组号  已得到符合条件的主号组有%1个").arg(before + 1));
    const int row = grid()->selectionModel()->selectedRows().first().row();
    QCOMPARE(gridTicket(row), added);

    // Modify starts from the selected ticket and stores the new one ascending.
    const int slot = 5;
    const Numbers old = ticketAt(slot);
    const Numbers next = ticketAt(slot + 1);
    selectSlot(slot);
    QString start;
    answerTicketDialog(QStringLiteral("33-32-01-04-19-18"), &open, &caption, &start);
    trigger("mi_xgzh");
    QVERIFY(!open);
    QCOMPARE(caption, QStringLiteral("修改组号"));
    QCOMPARE(start, maskedText(old));
    QCOMPARE(ticketAt(slot), (Numbers{1, 4, 18, 19, 32, 33}));
    QCOMPARE(gridTicket(slot - 1), (Numbers{1, 4, 18, 19, 32, 33}));
    QCOMPARE(resultSet().count(), before + 1);

    // Delete moves the later tickets up and keeps the grid on the same page.
    const std::vector<Numbers> all = allTickets();
    selectSlot(slot);
    trigger("mi_sczh");
    QCOMPARE(resultSet().count(), before);
    QCOMPARE(ticketAt(slot), next);
    std::vector<Numbers> expected = all;
    expected.erase(expected.begin() + (slot - 1));
    QVERIFY(allTickets() == expected);
    QCOMPARE(gridTicket(slot - 1), next);
    QCOMPARE(control<QLabel>(f_zh, "l_zhgl_tzresult")->text(), QStringLiteral("投注结果：共%1注").arg(before));
    QVERIFY2(fx.messages().isEmpty(), qPrintable(fx.messages().join('|')));
}

void ZhResultsTest::badTicketsKeepTheDialogOpen() {
    ResultsFixture fx;
    runOver(8);
    const std::vector<Numbers> before = allTickets();
    const struct {
        const char* typed;
        const char* message;
    } cases[] = {
        {"01-02-03-04-05-34", "必须在1到33之间"},
        {"00-02-03-04-05-06", "必须在1到33之间"},
        {"01-02-02-04-05-06", "同一组号中的号码不能重复"},
        {"01-02-03-04-05", "'' 不是有效的整数"},
    };
    for (const auto& c : cases) {
        fx.program.platform.messages.messages.clear();
        bool open = false;
        answerTicketDialog(QString::fromUtf8(c.typed), &open);
        trigger("mi_tjzh");
        QVERIFY2(open, c.typed);
        // Range messages start with the main-zone label of the type.
        const QString message = QString::fromUtf8(c.message);
        const QString label = message.startsWith(QStringLiteral("必须")) ? fromUtf8(workspace().MainLabel()) : QString();
        QCOMPARE(fx.messages(), QStringList{label + message});
        QVERIFY(allTickets() == before);
    }
}

void ZhResultsTest::entriesNeedASelectedRow() {
    ResultsFixture fx;
    runOver(8);
    const std::vector<Numbers> before = allTickets();
    const int draws = workspace().MainStore.Count();
    grid()->clearSelection();
    const struct {
        const char* entry;
        const char* message;
    } cases[] = {{"mi_jdycq", "请先在上边的列表中选择一组号码"},
                 {"mi_sczh", "请先在上边的列表中选择一组需要删除的号码"},
                 {"mi_xgzh", "请先在上边的列表中选择一组需要修改的号码"}};
    for (const auto& c : cases) {
        fx.program.platform.messages.messages.clear();
        trigger(c.entry);
        QCOMPARE(fx.messages(), QStringList{QString::fromUtf8(c.message)});
    }
    QVERIFY(allTickets() == before);
    QCOMPARE(workspace().MainStore.Count(), draws);
}

// Opens the removal dialog on `list`, presses OK and reports whether it stayed open (it is cancelled then).
bool removeThrough(const QString& list) {
    bool stayedOpen = false;
    whenModalShown([&](QDialog* dialog) {
        QCOMPARE(dialog, static_cast<QDialog*>(f_zq_lczh));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("滤除组号"));
        control<QPlainTextEdit>(dialog, "m_lczh")->setPlainText(list);
        QTest::mouseClick(control<QPushButton>(dialog, "b_ok"), Qt::LeftButton);
        stayedOpen = dialog->isVisible();
        if (stayedOpen) QTest::mouseClick(control<QPushButton>(dialog, "b_cancel"), Qt::LeftButton);
    });
    trigger("mi_lczh");
    return stayedOpen;
}

void ZhResultsTest::removalListRemovesListedTickets() {
    ResultsFixture fx;
    runOver(9);
    answerIssueDialog(2020001);
    trigger("mi_dj");
    QVERIFY(headers().contains("中奖号个数"));
    std::vector<Numbers> expected = allTickets();
    const Numbers first = expected[3];
    const Numbers second = expected[10];
    std::erase(expected, first);
    std::erase(expected, second);
    // A listed ticket that is not in the set removes nothing; the list may end with blank lines.
    const QString list = maskedText(first).replace('-', ' ') + "\n" + maskedText(second).replace('-', ' ') +
                         "\n01 02 03 04 05 33\n\n";
    QVERIFY(!removeThrough(list));
    QVERIFY(fx.messages().isEmpty());
    QVERIFY(allTickets() == expected);
    QVERIFY(!headers().contains("中奖号个数"));
    QCOMPARE(control<QLabel>(f_zh, "l_zh_pageinfo")->text(), QStringLiteral("第1页/ 1页"));
    QCOMPARE(grid()->rowCount(), static_cast<int>(expected.size()));
    QCOMPARE(status(), QStringLiteral("超强组号  已得到符合条件的主号组有%1个").arg(expected.size()));
}

void ZhResultsTest::removalListLineErrors() {
    ResultsFixture fx;
    runOver(9);
    const std::vector<Numbers> before = allTickets();
    const QString good = maskedText(before[0]).replace('-', ' ');
    const struct {
        QString list;
        int badLine;
    } cases[] = {
        {good + "\n01  02 03 04 05 06", 2},   // a double space shifts the later groups
        {good + "\n\n" + good, 2},             // a blank line inside the list
        {"01 02 03 04 05\n" + good, 1},        // a group missing
        {good + "\n01 02 0x 04 05 06", 2},     // not a number
    };
    for (const auto& c : cases) {
        fx.program.platform.messages.messages.clear();
        QVERIFY2(removeThrough(c.list), qPrintable(c.list));
        QCOMPARE(fx.messages(), QStringList{QStringLiteral("第%1行号码组有误，请正确填入").arg(c.badLine)});
        QVERIFY(allTickets() == before);
    }
}

void ZhResultsTest::removalListSaveLoadAndHint() {
    ResultsFixture fx;
    QTemporaryDir dir;
    const QString list = QStringLiteral("01 03 04 08 09 12\n02 05 07 11 20 30");
    whenModalShown([&](QDialog* dialog) {
        auto* memo = control<QPlainTextEdit>(dialog, "m_lczh");
        memo->setPlainText(list);
        fx.files.answers = {dir.filePath("remove"), dir.filePath("remove.txt")};
        QTest::mouseClick(control<QPushButton>(dialog, "b_save"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(dialog, "b_clear"), Qt::LeftButton);
        QVERIFY(memo->toPlainText().isEmpty());
        QTest::mouseClick(control<QPushButton>(dialog, "b_load"), Qt::LeftButton);
        QCOMPARE(memo->toPlainText(), list);
        QTest::mouseClick(control<QPushButton>(dialog, "b_hint"), Qt::LeftButton);
        saveShot(dialog, "removal");
        QTest::mouseClick(control<QPushButton>(dialog, "b_cancel"), Qt::LeftButton);
    });
    trigger("mi_lczh");
    QCOMPARE(fx.files.titles, (QStringList{"保存要滤除的组号", " 打开要滤除的组号存储文件"}));
    QCOMPARE(fx.files.filters, (QStringList{"要滤除的组号文件(*.txt)", "组号文件(*.txt)"}));
    QCOMPARE(fileBytes(dir.filePath("remove.txt")),
             QByteArray("01 03 04 08 09 12\r\n02 05 07 11 20 30\r\n"));
    const auto& shown = fx.program.platform.messages.messages;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].title, QStringLiteral("滤除组号输入提示"));
    QCOMPARE(shown[0].text, QStringLiteral("号码组格式如：01 03 04 08 09 12，当输完一条组号，可按回车键换行输入下一条"
                                           "组号（不能留空行,号码间只能一个空格）"));
    const struct {
        int count;
        const char* example;
    } examples[] = {{5, "01 03 06 07 09"}, {7, "01 02 05 07 09 13 14"}};
    for (const auto& e : examples)
        QVERIFY(Tf_zq_lczh::hintText(e.count).contains(QString::fromUtf8(e.example)));
}

void ZhResultsTest::prizeCheckSortsByHits() {
    ResultsFixture fx;
    runOver(10);
    QVERIFY(!headers().contains("中奖号个数"));
    // Cancelling the issue choice changes nothing.
    const std::vector<Numbers> start = allTickets();
    answerIssueDialog(std::nullopt);
    trigger("mi_dj");
    QVERIFY(allTickets() == start);
    QVERIFY(!f_zh->filter().hitsShown);

    std::vector<Numbers> order = start;
    for (const int issue : {2020004, 2020009}) {
        const Numbers draw = drawNumbers(issue);
        QVERIFY(!draw.empty());
        // Highest first; tickets with equal counts keep the order they had before the check.
        std::stable_sort(order.begin(), order.end(),
                         [&](const Numbers& a, const Numbers& b) { return hitsOf(a, draw) > hitsOf(b, draw); });
        answerIssueDialog(issue);
        trigger("mi_dj");
        QVERIFY(allTickets() == order);
        const QStringList h = headers();
        QCOMPARE(h.last(), QStringLiteral("中奖号个数"));
        QCOMPARE(h.size(), mainCount() + 2);
        for (int r = 0; r < grid()->rowCount(); ++r) {
            QCOMPARE(gridTicket(r), order[static_cast<std::size_t>(r)]);
            QCOMPARE(grid()->item(r, mainCount() + 1)->text().toInt(), hitsOf(order[static_cast<std::size_t>(r)], draw));
        }
        QVERIFY(hitsOf(order.front(), draw) > hitsOf(order.back(), draw));
        QCOMPARE(control<QLabel>(f_zh, "l_zh_pageinfo")->text(), QStringLiteral("第1页/ 1页"));
    }
    // A ticket added while hits are shown gets its count against the same draw.
    bool open = true;
    answerTicketDialog(QStringLiteral("01-02-03-04-05-06"), &open);
    trigger("mi_tjzh");
    const int last = resultSet().count();
    QCOMPARE(int(resultSet().slot(last).hits(mainCount())), hitsOf({1, 2, 3, 4, 5, 6}, drawNumbers(2020009)));
    // A new run hides the column again.
    runOver(8);
    QVERIFY(!headers().contains("中奖号个数"));
}

void ZhResultsTest::resultsSurviveSaveAndLoad() {
    ResultsFixture fx;
    QTemporaryDir dir;
    runOver(9);
    // An order no run produces, so the file must keep it.
    answerIssueDialog(2020003);
    trigger("mi_dj");
    const std::vector<Numbers> saved = allTickets();
    fx.files.answers = {dir.filePath("mine")};
    trigger("mi_bczh");
    QCOMPARE(fx.files.titles.last(), QStringLiteral("保存组号结果"));
    QCOMPARE(fx.files.filters.last(), QStringLiteral("组号结果文件(*.txt)"));
    const QList<QByteArray> lines = fileBytes(dir.filePath("mine.txt")).split('\n');
    QCOMPARE(lines.first(), (maskedText(saved.front()).replace('-', ' ') + " \r").toLatin1());

    runOver(7);
    QVERIFY(allTickets() != saved);
    fx.files.answers = {dir.filePath("mine.txt")};
    trigger("mi_zrzh");
    QCOMPARE(fx.files.titles.last(), QStringLiteral(" 打开组号结果存储文件"));
    QVERIFY(allTickets() == saved);
    QVERIFY(!headers().contains("中奖号个数"));
    QCOMPARE(status(), QStringLiteral("超强组号  已得到符合条件的红号组有%1个").arg(saved.size()));
    QCOMPARE(control<QLabel>(f_zh, "l_zh_pageinfo")->text(), QStringLiteral("第1页/ 1页"));
    QCOMPARE(grid()->rowCount(), static_cast<int>(saved.size()));
    QVERIFY(control<QPushButton>(f_zh, "b_contfilter")->isEnabled());

    // A file that cannot be read says so and keeps the tickets.
    fx.files.answers = {dir.filePath("missing.txt")};
    trigger("mi_zrzh");
    QCOMPARE(fx.messages().size(), 1);
    QVERIFY(fx.messages().first().contains("missing.txt"));
    QVERIFY(allTickets() == saved);
}

void ZhResultsTest::printFileListsEveryTicket() {
    ResultsFixture fx;
    runOver(8);
    trigger("mi_dytzjg");
    const QString file = fx.program.home.file("temppadnote.txt");
    QCOMPARE(fx.program.platform.shell.requested, QStringList{file});
    const std::string bytes = fileBytes(file).toStdString();
    QStringList lines = fromUtf8(gbkToUtf8(bytes)).split("\r\n");
    QCOMPARE(lines.last(), QString());
    lines.removeLast();
    QCOMPARE(lines.size(), resultSet().count() + 1);
    QCOMPARE(lines[0], QStringLiteral("记录号          红号一  红号二  红号三  红号四  红号五  红号六  红号七"));
    for (int k = 1; k <= resultSet().count(); ++k) {
        QString expected = QStringLiteral("第%1条").arg(k);
        // The label takes twelve columns; each Chinese character takes two of them.
        expected += QString(12 - (expected.size() + 2), ' ');
        for (int n : ticketAt(k)) expected += QStringLiteral("      %1").arg(n, 2, 10, QLatin1Char('0'));
        QCOMPARE(lines[k], expected);
    }
}

void ZhResultsTest::forecastRowIsWrittenAndCleared() {
    ResultsFixture fx;
    runOver(8);
    t_s_dm& store = workspace().MainStore;
    const int draws = store.Count();
    store.SetRecNo(7);
    const Numbers chosen = ticketAt(4);
    selectSlot(4);
    for (int round = 0; round < 2; ++round) {  // the second time the existing row is rewritten
        trigger("mi_jdycq");
        QCOMPARE(store.Count(), draws + 1);
        const DrawFields& row = store.Row(store.Count()).fields;
        QCOMPARE(row[0], kForecastIssue);
        QCOMPARE(Numbers(row.begin() + 1, row.begin() + 1 + mainCount()), chosen);
        QCOMPARE(row[mainCount() + 1], 1);
        QCOMPARE(row[mainCount() + 2], 2);
        QCOMPARE(store.RecNo(), 7);
    }
    trigger("mi_qcycq");
    QCOMPARE(store.Count(), draws);
    QCOMPARE(store.RecNo(), 7);
    trigger("mi_qcycq");
    QCOMPARE(store.Count(), draws);
    QVERIFY2(fx.messages().isEmpty(), qPrintable(fx.messages().join('|')));
}

void ZhResultsTest::restoreMapsTransformedTicketsBack() {
    ResultsFixture fx;
    Workspace& ws = workspace();
    DataTransform transform;
    SelectionFlags selection{};
    QVERIFY(transform.apply(ws, 1, selection).error.empty());
    QVERIFY(ws.dataTransformed);
    runOver(9);
    const std::vector<Numbers> transformed = allTickets();
    std::vector<Numbers> expected;
    for (const Numbers& t : transformed) expected.push_back(transform.originalCombination(ws, t));
    QVERIFY(expected != transformed);

    results().popupAt(QPoint(0, 0));
    results().pm_zqresult->hide();
    QVERIFY(results().entry("mi_hfys")->isEnabled());
    trigger("mi_hfys");
    QVERIFY(allTickets() == expected);
    for (int r = 0; r < grid()->rowCount(); ++r) QCOMPARE(gridTicket(r), expected[static_cast<std::size_t>(r)]);
    // The same tickets are never mapped twice.
    results().popupAt(QPoint(0, 0));
    results().pm_zqresult->hide();
    QVERIFY(!results().entry("mi_hfys")->isEnabled());
    trigger("mi_hfys");
    QVERIFY(allTickets() == expected);
}

QTEST_MAIN(ZhResultsTest)
#include "zh_results_test.moc"
