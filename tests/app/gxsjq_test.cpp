// The data maintenance window: the draw list, keyboard entry, modify, delete and clear, import and export
// through the file dialogs, and the online update button. Driven by object names on a running program.
#include <QAbstractItemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QtTest>

#include "app/app_state.h"
#include "app/dialogs/u_gxsjq.h"
#include "app/dialogs/u_xgzh.h"
#include "app/u_showpic.h"
#include "app_test_support.h"
#include "draws/history_edit.h"
#include "draws/online_update.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kHistoryDraws = 30;

// Slot 0 is named "双色球" so the zone labels are 红号 and 蓝号.
void prepareHistory(const TestHome& home, const DrawRows& draws) {
    LotteryTypeTable table = defaultLotteryTypeTable();
    table.slots[0].Name = "双色球";
    QVERIFY(saveLotteryTypes(home.file("database/cps.typ").toStdString(), table).empty());
    writeDrawFile(home.file("database/basedata0.rec"), draws);
}

// Answers the file dialogs with `answer` and records what each was asked.
class FileDialogRecorder : public FileDialogSeam {
  public:
    struct Call {
        QString title;
        QString filter;
    };
    FileDialogRecorder() {
        Platform seams;
        seams.files = this;
        previous_ = installPlatform(seams);
    }
    ~FileDialogRecorder() override { installPlatform(previous_); }
    QString openFile(QWidget*, const QString& title, const QString& filter) override {
        calls.append({title, filter});
        return answer;
    }
    QString saveFile(QWidget*, const QString& title, const QString& filter) override {
        calls.append({title, filter});
        return answer;
    }

    QString answer;
    QList<Call> calls;

  private:
    Platform previous_;
};

// Answers every GET with one document and notes what the wait notice showed meanwhile.
class FixedHttp : public HttpClient {
  public:
    explicit FixedHttp(QByteArray document) : document_(std::move(document)) {
        Platform seams;
        seams.http = this;
        previous_ = installPlatform(seams);
    }
    ~FixedHttp() override { installPlatform(previous_); }
    std::optional<QByteArray> get(const QString&, int) override {
        noticeWhileFetching = f_showpic && f_showpic->isVisible() ? f_showpic->l_showpic->text() : QString();
        return document_;
    }

    QString noticeWhileFetching;

  private:
    QByteArray document_;
    Platform previous_;
};

// A started program with the maintenance window open (not modally, so the test can work it).
struct OpenWindow {
    explicit OpenWindow(const DrawRows& draws)
        : program([&](const TestHome& home) { prepareHistory(home, draws); }, false) {
        f_gxsjq->show();
    }
    ~OpenWindow() { f_gxsjq->hide(); }

    StartedProgram program;
};

QAbstractItemModel* grid() {
    return f_gxsjq->sg_sjk->model();
}

QStringList gridRow(int row) {
    QStringList cells;
    for (int c = 0; c < grid()->columnCount(); ++c) cells << grid()->index(row, c).data().toString();
    return cells;
}

QStringList issueColumn() {
    QStringList issues;
    for (int r = 0; r < grid()->rowCount(); ++r) issues << grid()->index(r, 0).data().toString();
    return issues;
}

QStringList historyIssues() {
    QStringList issues;
    const t_s_dm& store = workspace().MainStore;
    for (int r = 1; r <= store.Count(); ++r) issues << QString::number(store.Row(r).fields[0]);
    return issues;
}

void press(const char* name) {
    auto* button = f_gxsjq->findChild<QPushButton*>(name);
    QVERIFY2(button, name);
    QVERIFY2(button->isVisible(), name);
    button->click();
}

// Clicks the issue cell of grid row `row` (0-based) as a user would.
void chooseRow(int row) {
    QTableView* view = f_gxsjq->sg_sjk;
    const QModelIndex cell = grid()->index(row, 0);
    view->scrollTo(cell);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
    QCOMPARE(f_gxsjq->selectedDrawRow(), row + 1);
}

QByteArray drawFile(const OpenWindow& w) {
    return fileBytes(w.program.home.file("database/basedata0.rec"));
}

// True when none of the three entry editors holds a digit (the masks keep their "-" separators).
bool editorsEmpty() {
    const QRegularExpression digit(QStringLiteral("\\d"));
    return !f_gxsjq->e_qs->text().contains(digit) && !f_gxsjq->e_zh->text().contains(digit) &&
           !f_gxsjq->e_spec->text().contains(digit);
}

// Works a modal dialog once it shows; a dialog a failed check left open is closed so the test goes on.
void inModal(const std::function<void(QDialog*)>& work, bool* reached = nullptr) {
    whenModalShown([work, reached](QDialog* dialog) {
        if (reached) *reached = true;
        work(dialog);
        if (dialog->isVisible()) dialog->done(QDialog::Rejected);
    });
}

}  // namespace

class GxsjqTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void gridListsEveryDrawWithItsColours();
    void editorsFollowTheType();
    void keyboardEntry_data();
    void keyboardEntry();
    void modifyMovesTheDrawToItsSortedPlace();
    void modifyRefusalsKeepTheHistory_data();
    void modifyRefusalsKeepTheHistory();
    void deleteAndClearAskFirst_data();
    void deleteAndClearAskFirst();
    void withoutADrawThereIsNothingToModifyOrDelete();
    void importThroughTheFileDialog_data();
    void importThroughTheFileDialog();
    void exportThenImportRestoresTheHistory_data();
    void exportThenImportRestoresTheHistory();
    void updateButtonAddsTheMissingDraws();
};

void GxsjqTest::gridListsEveryDrawWithItsColours() {
    OpenWindow w(sampleDraws(kHistoryDraws));
    QCOMPARE(f_gxsjq->windowTitle(),
             QStringLiteral("更新数据库（本数据仅供参考，请以福彩、体彩官方网站的开奖数据为准）"));
    QStringList header;
    for (int c = 0; c < grid()->columnCount(); ++c) header << grid()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(header, (QStringList{"期数", "红号1", "红号2", "红号3", "红号4", "红号5", "红号6", "蓝号"}));
    QCOMPARE(grid()->rowCount(), kHistoryDraws);
    const std::vector<int> first = sampleDraws(1).front();
    QStringList expectedFirst{QString::number(first[0])};
    for (std::size_t i = 1; i < first.size(); ++i) expectedFirst << QString::asprintf("%02d", first[i]);
    QCOMPARE(gridRow(0), expectedFirst);

    const QModelIndex issue = grid()->index(0, 0);
    const QModelIndex number = grid()->index(0, 3);
    QCOMPARE(issue.data(Qt::BackgroundRole).value<QColor>(), QColor(251, 232, 210));
    QCOMPARE(issue.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
    QCOMPARE(number.data(Qt::BackgroundRole).value<QColor>(), QColor(206, 255, 255));
    QCOMPARE(number.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    const int numberWidth = QFontMetrics(f_gxsjq->sg_sjk->font()).horizontalAdvance(QStringLiteral(" 红号一 "));
    for (int c = 1; c < grid()->columnCount(); ++c) QCOMPARE(f_gxsjq->sg_sjk->columnWidth(c), numberWidth);

    // The last draw is chosen after every refresh; a forecast row held in memory is listed last.
    QCOMPARE(f_gxsjq->sg_sjk->currentIndex(), grid()->index(kHistoryDraws - 1, 1));
    Workspace& ws = workspace();
    const int cursor = ws.MainStore.RecNo();
    appendDrawRow(ws.MainStore, DrawFields{kForecastIssue, 1, 2, 3, 4, 5, 6, 7});
    ws.MainStore.SetRecNo(cursor);
    f_gxsjq->refreshGrid();
    QCOMPARE(gridRow(kHistoryDraws).first(), QStringLiteral("预测区"));
    QCOMPARE(f_gxsjq->selectedDrawRow(), kHistoryDraws + 1);
    QCOMPARE(ws.MainStore.RecNo(), cursor);  // listing leaves the store where it was
}

void GxsjqTest::editorsFollowTheType() {
    OpenWindow w(sampleDraws(3));
    QCOMPARE(f_gxsjq->l_zh->text(), QStringLiteral("红号"));
    QCOMPARE(f_gxsjq->l_spec->text(), QStringLiteral("蓝号"));
    QCOMPARE(f_gxsjq->e_qs->inputMask(), QStringLiteral("9999999;_"));
    QCOMPARE(f_gxsjq->e_zh->inputMask(), QStringLiteral("99-99-99-99-99-99;_"));
    QCOMPARE(f_gxsjq->e_spec->inputMask(), QStringLiteral("99;_"));
    // A type with special numbers needs their editor to add a draw at all.
    QVERIFY(f_gxsjq->e_spec->isVisible());
    // The graphical entry is offered only after a double click on the group box.
    QVERIFY(!f_gxsjq->b_picadd->isVisible());
    QCOMPARE(f_gxsjq->gb_add->title(), QStringLiteral("数据添加"));
    QTest::mouseDClick(f_gxsjq->gb_add, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(f_gxsjq->b_picadd->isVisible());
}

void GxsjqTest::keyboardEntry_data() {
    QTest::addColumn<QString>("issue");
    QTest::addColumn<QString>("mains");
    QTest::addColumn<QString>("special");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("added");
    QTest::addColumn<bool>("editorsCleared");
    // The editors are typed into digit by digit; the masks place the "-" separators themselves.
    QTest::newRow("new draw") << "2020031"
                              << "010511172233"
                              << "09" << QString() << true << true;
    QTest::newRow("six-digit issue") << "202003"
                                     << "010511172233"
                                     << "09" << QStringLiteral("期数必须是七位比如2009001") << false << false;
    QTest::newRow("issue exists") << "2020005"
                                  << "010511172233"
                                  << "09" << QStringLiteral("数据库中已经存在此期的记录") << false << true;
    QTest::newRow("special missing") << "2020031"
                                     << "010511172233" << QString() << QStringLiteral("请输入蓝号") << false << false;
    QTest::newRow("main number missing") << "2020031"
                                         << "0105111722"
                                         << "09" << QStringLiteral("'' 不是有效的整数") << false << false;
    QTest::newRow("main number out of range") << "2020031"
                                              << "010511172234"
                                              << "09" << QStringLiteral("红号必须在1到33之间") << false << false;
}

void GxsjqTest::keyboardEntry() {
    QFETCH(QString, issue);
    QFETCH(QString, mains);
    QFETCH(QString, special);
    QFETCH(QString, message);
    QFETCH(bool, added);
    QFETCH(bool, editorsCleared);
    OpenWindow w(sampleDraws(kHistoryDraws));
    const QByteArray before = drawFile(w);
    const QStringList issuesBefore = historyIssues();

    QTest::keyClicks(f_gxsjq->e_qs, issue);
    QTest::keyClicks(f_gxsjq->e_zh, mains);
    QTest::keyClicks(f_gxsjq->e_spec, special);
    press("Button2");

    QCOMPARE(w.program.platform.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(editorsEmpty(), editorsCleared);
    if (!added) {
        QCOMPARE(drawFile(w), before);
        QCOMPARE(historyIssues(), issuesBefore);
        return;
    }
    QCOMPARE(grid()->rowCount(), kHistoryDraws + 1);
    QCOMPARE(gridRow(kHistoryDraws), (QStringList{"2020031", "01", "05", "11", "17", "22", "33", "09"}));
    QCOMPARE(f_gxsjq->selectedDrawRow(), kHistoryDraws + 1);
    // The file holds the new draw after the others.
    const QByteArray after = drawFile(w);
    QCOMPARE(after.size(), before.size() + kDrawRecordBytes);
    QVERIFY(after.startsWith(before));
}

void GxsjqTest::modifyMovesTheDrawToItsSortedPlace() {
    OpenWindow w(sampleDraws(kHistoryDraws));
    chooseRow(1);  // 2020002
    const DrawFields original = workspace().MainStore.Row(2).fields;
    bool shown = false;
    inModal([&](QDialog* dialog) {
        QCOMPARE(dialog, static_cast<QDialog*>(f_xgzh));
        QCOMPARE(f_xgzh->windowTitle(), QStringLiteral("修改开奖号"));
        QVERIFY(f_xgzh->e_qs->isVisible());
        QVERIFY(f_xgzh->e_spec->isVisible());
        QCOMPARE(f_xgzh->e_qs->text(), QStringLiteral("2020002"));
        QCOMPARE(f_xgzh->e_zh->text().size(), 17);  // six two-digit numbers joined by "-"
        f_xgzh->e_qs->setText(QStringLiteral("2020050"));
        f_xgzh->e_spec->setText(QStringLiteral("16"));
        f_xgzh->b_ok->click();
    }, &shown);
    press("b_modify");
    QVERIFY(shown);
    QCOMPARE(w.program.platform.messages.texts(), QStringList());
    QCOMPARE(grid()->rowCount(), kHistoryDraws);
    QVERIFY(!issueColumn().contains("2020002"));
    QStringList moved = gridRow(kHistoryDraws - 1);
    QCOMPARE(moved.takeFirst(), QStringLiteral("2020050"));
    QCOMPARE(moved.takeLast(), QStringLiteral("16"));
    QStringList mains;
    for (int i = 1; i <= 6; ++i) mains << QString::asprintf("%02d", original[i]);
    QCOMPARE(moved, mains);
    // What the grid shows is what the file holds after a reload.
    QVERIFY(workspace().openMainStore());
    QCOMPARE(historyIssues(), issueColumn());
}

void GxsjqTest::modifyRefusalsKeepTheHistory_data() {
    QTest::addColumn<QString>("issue");
    QTest::addColumn<QString>("special");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("message");
    QTest::newRow("cancelled") << "2020050"
                               << "16" << false << QString();
    QTest::newRow("six-digit issue") << "202005"
                                     << "16" << true << QStringLiteral("期数必须是七位比如2009001");
    QTest::newRow("special emptied") << "2020050" << QString() << true << QStringLiteral("请输入蓝号");
    // Two draws of one issue would break every lookup by issue.
    QTest::newRow("issue of another draw") << "2020007"
                                           << "16" << true << QStringLiteral("数据库中已经存在此期的记录");
}

void GxsjqTest::modifyRefusalsKeepTheHistory() {
    QFETCH(QString, issue);
    QFETCH(QString, special);
    QFETCH(bool, confirm);
    QFETCH(QString, message);
    OpenWindow w(sampleDraws(kHistoryDraws));
    const QByteArray before = drawFile(w);
    chooseRow(1);
    inModal([&](QDialog*) {
        f_xgzh->e_qs->setText(issue);
        f_xgzh->e_spec->setText(special);
        (confirm ? f_xgzh->b_ok : f_xgzh->b_cancel)->click();
    });
    press("b_modify");
    QCOMPARE(w.program.platform.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(drawFile(w), before);
    QCOMPARE(issueColumn(), historyIssues());
    QCOMPARE(grid()->index(1, 0).data().toString(), QStringLiteral("2020002"));
}

void GxsjqTest::deleteAndClearAskFirst_data() {
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<int>("draws");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("drawsAfter");
    const QString del = QStringLiteral("是否删除当前记录？");
    const QString clear = QStringLiteral("清空数据库后，数据库里的数据都将被删除，是否继续?");
    QTest::newRow("delete yes") << "b_delete" << kHistoryDraws << true << del << "删除" << kHistoryDraws - 1;
    QTest::newRow("delete no") << "b_delete" << kHistoryDraws << false << del << "删除" << kHistoryDraws;
    QTest::newRow("delete the only draw") << "b_delete" << 1 << true << del << "删除" << 0;
    QTest::newRow("clear yes") << "Button4" << kHistoryDraws << true << clear << "确认" << 0;
    QTest::newRow("clear no") << "Button4" << kHistoryDraws << false << clear << "确认" << kHistoryDraws;
}

void GxsjqTest::deleteAndClearAskFirst() {
    QFETCH(QString, buttonName);
    QFETCH(int, draws);
    QFETCH(bool, answer);
    QFETCH(QString, question);
    QFETCH(QString, title);
    QFETCH(int, drawsAfter);
    OpenWindow w(sampleDraws(draws));
    const QString chosenIssue = grid()->index(draws - 1, 0).data().toString();
    chooseRow(draws - 1);
    w.program.platform.messages.answers = {answer};
    press(buttonName.toUtf8().constData());

    const auto& asked = w.program.platform.messages.messages;
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked[0].question);
    QCOMPARE(asked[0].text, question);
    QCOMPARE(asked[0].title, title);
    QCOMPARE(grid()->rowCount(), drawsAfter);
    QCOMPARE(grid()->columnCount(), 8);  // the header row stays when no draw is left
    QCOMPARE(drawFile(w).size(), drawsAfter * kDrawRecordBytes);
    QCOMPARE(issueColumn().contains(chosenIssue), drawsAfter == draws);
}

void GxsjqTest::withoutADrawThereIsNothingToModifyOrDelete() {
    OpenWindow w(sampleDraws(1));
    w.program.platform.messages.answers = {true};
    press("Button4");
    QCOMPARE(grid()->rowCount(), 0);
    QCOMPARE(f_gxsjq->selectedDrawRow(), 0);
    w.program.platform.messages.messages.clear();
    press("b_modify");
    press("b_delete");
    QCOMPARE(w.program.platform.messages.texts(),
             (QStringList{"请先在上边的列表中选择一期需要修改的号码", "请先在上边的列表中选择一期需要删除的号码"}));
}

void GxsjqTest::importThroughTheFileDialog_data() {
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QByteArray>("content");  // nothing: the dialog is cancelled
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("issuesAfter");
    QTest::addColumn<QString>("message");
    const QStringList three{"2020001", "2020002", "2020003"};
    const QString append = QStringLiteral(" 追加方式导入文件");
    const QString replace = QStringLiteral(" 覆盖方式导入文件");
    QTest::newRow("append new and known") << "b_adddr"
                                          << QByteArray("2020009 01 02 03 04 05 06 07\r\n2020002 01 02 03 04 05 06 07\r\n")
                                          << append << QStringList{three + QStringList{"2020009"}} << QString();
    QTest::newRow("append only known") << "b_adddr" << QByteArray("2020001 01 02 03 04 05 06 07\r\n") << append
                                       << three << QString();
    QTest::newRow("replace") << "b_overlapdr" << QByteArray("2021005 01 02 03 04 05 06\r\n2021001 07 08 09 10 11 12\r\n")
                             << replace << QStringList{"2021001", "2021005"} << QString();
    QTest::newRow("replace with an empty file") << "b_overlapdr" << QByteArray("") << replace << QStringList()
                                                << QString();
    QTest::newRow("cancelled") << "b_overlapdr" << QByteArray() << replace << three << QString();
    QTest::newRow("not a number") << "b_adddr" << QByteArray("2020009 01 02 03 04 05 06\r\n2020010 01 x2 03 04 05 06\r\n")
                                  << append << three << QStringLiteral("第2行: 'x2' 不是有效的整数，未导入任何数据");
}

void GxsjqTest::importThroughTheFileDialog() {
    QFETCH(QString, buttonName);
    QFETCH(QByteArray, content);
    QFETCH(QString, title);
    QFETCH(QStringList, issuesAfter);
    QFETCH(QString, message);
    OpenWindow w(sampleDraws(3));
    const QByteArray before = drawFile(w);
    const QStringList issuesBefore = historyIssues();
    FileDialogRecorder files;
    if (!content.isNull()) {
        files.answer = w.program.home.file("import.txt");
        QFile file(files.answer);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    press(buttonName.toUtf8().constData());

    QCOMPARE(files.calls.size(), 1);
    QCOMPARE(files.calls[0].title, title);
    QCOMPARE(files.calls[0].filter, QStringLiteral(" 所要导入的文件(*.txt)"));
    QCOMPARE(w.program.platform.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(issueColumn(), issuesAfter);
    QCOMPARE(drawFile(w).size(), issuesAfter.size() * kDrawRecordBytes);
    if (issuesAfter == issuesBefore) QCOMPARE(drawFile(w), before);
}

void GxsjqTest::exportThenImportRestoresTheHistory_data() {
    QTest::addColumn<bool>("withSpecials");
    QTest::addColumn<QString>("chosenName");
    QTest::addColumn<QString>("writtenName");
    QTest::newRow("with specials") << true << "history"
                                   << "history.txt";
    QTest::newRow("main numbers only") << false << "history.txt"
                                       << "history.txt";
}

void GxsjqTest::exportThenImportRestoresTheHistory() {
    QFETCH(bool, withSpecials);
    QFETCH(QString, chosenName);
    QFETCH(QString, writtenName);
    OpenWindow w(sampleDraws(kHistoryDraws));
    const QByteArray original = drawFile(w);
    FileDialogRecorder files;
    files.answer = w.program.home.file(chosenName);
    w.program.platform.messages.answers = {withSpecials};
    press("b_dc");
    QCOMPARE(files.calls.size(), 1);
    QCOMPARE(files.calls[0].title, QStringLiteral("导出到文本文件"));
    QCOMPARE(files.calls[0].filter, QStringLiteral("文本文件(*.txt)"));
    const auto& asked = w.program.platform.messages.messages;
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, QStringLiteral("是否有蓝号？"));
    QCOMPARE(asked[0].title, QStringLiteral("选择"));
    const QByteArray exported = fileBytes(w.program.home.file(writtenName));
    QCOMPARE(exported.count("\r\n"), kHistoryDraws);
    QVERIFY(exported.startsWith(withSpecials ? QByteArray("2020001 01 06 11 16 21 26 01 \r\n")
                                             : QByteArray("2020001 01 06 11 16 21 26 \r\n")));

    // With the special numbers the file replaces the history exactly; without them, appending it again
    // changes nothing because every issue is known.
    files.answer = w.program.home.file(writtenName);
    press(withSpecials ? "b_overlapdr" : "b_adddr");
    QCOMPARE(drawFile(w), original);
    QCOMPARE(grid()->rowCount(), kHistoryDraws);
    QCOMPARE(w.program.platform.messages.texts(), QStringList{QStringLiteral("是否有蓝号？")});
}

void GxsjqTest::updateButtonAddsTheMissingDraws() {
    OpenWindow w(sampleDraws(3));
    settingsStore().writeText(updateDocumentSetting(0), "http://127.0.0.1/ssq.txt");
    FixedHttp http("0000001:" + QByteArray("2020004") + "04091419242904\r\n");
    press("Button1");
    QCOMPARE(http.noticeWhileFetching, QStringLiteral("在线更新中，请稍候."));
    QVERIFY(!f_showpic->isVisible());
    QCOMPARE(issueColumn(), (QStringList{"2020001", "2020002", "2020003", "2020004"}));
    QCOMPARE(gridRow(3), (QStringList{"2020004", "04", "09", "14", "19", "24", "29", "04"}));
    QCOMPARE(f_gxsjq->selectedDrawRow(), 4);
}

QTEST_MAIN(GxsjqTest)
#include "gxsjq_test.moc"
