// What a new user trips over first: standard buttons in Chinese, texts the desktop cannot open, the
// unlabelled tolerance boxes, typing into a masked field, stale texts after a type change, and the room
// the filter page gives its results.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QRadioButton>
#include <QTimer>
#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>

#include "app/app_state.h"
#include "app/dialogs/u_cpstyle.h"
#include "app/dialogs/u_textviewer.h"
#include "app/dialogs/zh/u_dual_prize.h"
#include "app/pages/u_zbpx.h"
#include "app/pages/u_zh.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "text/file_io.h"
#include "text/gbk.h"
#include "ui/pass_progress.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

TextViewer* openViewer() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* viewer = dynamic_cast<TextViewer*>(w); viewer && viewer->isVisible()) return viewer;
    return nullptr;
}

void closeViewers() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (dynamic_cast<TextViewer*>(w)) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class ShellDefectsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void standardButtonsReadInChinese();
    void aTextTheDesktopCannotOpenIsShownInTheProgram();
    void toleranceBoxesNameThemselves();
    void typingIntoAnEmptyMaskedFieldStartsAtTheBeginning();
    void aTypeChangeClearsTheFilterPageTexts();
    void theResultGridShowsADozenRows();
    void aLongDissectionCanBeStoppedWithEscape();
};

void ShellDefectsTest::standardButtonsReadInChinese() {
    QVERIFY(installChineseQtTranslation());
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                         QDialogButtonBox::No);
    const std::pair<QDialogButtonBox::StandardButton, const char*> expected[] = {
        {QDialogButtonBox::Ok, "确定"}, {QDialogButtonBox::Cancel, "取消"}, {QDialogButtonBox::Yes, "是"},
        {QDialogButtonBox::No, "否"}};
    for (const auto& [button, text] : expected) {
        // Mnemonics ("是(&Y)") are part of some translations; the visible word is what counts.
        QString shown = box.button(button)->text();
        shown.remove('&');
        QVERIFY2(shown.startsWith(QString::fromUtf8(text)), qPrintable(shown));
    }
}

void ShellDefectsTest::aTextTheDesktopCannotOpenIsShownInTheProgram() {
    StartedProgram program;
    program.platform.messages.messages.clear();
    program.platform.shell.everythingOpens = false;
    FileAnswers answers;
    const Platform previous = installPlatform(Platform{nullptr, &answers, nullptr, nullptr});

    // The help page.
    mainAction("n_bzzt")->trigger();
    TextViewer* viewer = openViewer();
    QVERIFY(viewer);
    QVERIFY(viewer->m_text->isReadOnly());
    QVERIFY(!viewer->m_text->toPlainText().trimmed().isEmpty());
    closeViewers();

    // A GBK text file, copied and saved under another name byte for byte.
    const QString text = program.home.file("note.txt");
    const std::string bytes = utf8ToGbk("第1条       01 02 03\r\n");
    QCOMPARE(writeFileAtomically(toUtf8(text), bytes), std::string());
    viewer = openTextDocument(text, f_main);
    QVERIFY(viewer);
    QCOMPARE(viewer->m_text->toPlainText(), QStringLiteral("第1条       01 02 03\n"));
    viewer->b_copy->click();
    QCOMPARE(QApplication::clipboard()->text(), viewer->m_text->toPlainText());
    const QString copy = program.home.file("copy.txt");
    answers.answers = {copy};
    viewer->b_saveas->click();
    QCOMPARE(readFileBytes(toUtf8(copy)), std::optional<std::string>(bytes));
    closeViewers();

    // A desktop that opens it leaves the viewer shut.
    program.platform.shell.everythingOpens = true;
    QCOMPARE(openTextDocument(text, f_main), nullptr);
    QCOMPARE(program.platform.messages.texts(), QStringList());
    installPlatform(previous);
}

void ShellDefectsTest::toleranceBoxesNameThemselves() {
    StartedProgram program;
    int unlabelled = 0;
    for (QCheckBox* box : f_zh->findChildren<QCheckBox*>()) {
        if (!box->objectName().endsWith("rc") || !box->text().isEmpty()) continue;
        ++unlabelled;
        QCOMPARE(box->toolTip(), QStringLiteral("容错"));
    }
    QVERIFY(unlabelled > 0);
}

void ShellDefectsTest::typingIntoAnEmptyMaskedFieldStartsAtTheBeginning() {
    StartedProgram program;
    DualPrizeDialog dialog(workspace());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QLineEdit* field = dialog.me_djqs;
    // A click at the far right of the empty field, then typing.
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 4, field->height() / 2));
    QTest::qWait(10);
    QCOMPARE(field->cursorPosition(), 0);
    QTest::keyClicks(field, "2024001");
    QCOMPARE(field->text(), QStringLiteral("2024001"));
}

void ShellDefectsTest::aTypeChangeClearsTheFilterPageTexts() {
    StartedProgram program;
    auto* status = control<QLabel>(f_zh, "l_zh_status");
    auto* memo = control<QPlainTextEdit>(f_zh, "m_djjg");
    status->setText(QStringLiteral("超强组号  已得到符合条件的主号组有1203个"));
    memo->setPlainText(QStringLiteral("一等奖:1个;"));
    whenModalShown([](QDialog* dialog) { static_cast<Tf_cpstyle*>(dialog)->b_ok->click(); });
    mainAction("n_czxz")->trigger();
    QCOMPARE(status->text(), QString());
    QCOMPARE(memo->toPlainText(), QString());
}

void ShellDefectsTest::theResultGridShowsADozenRows() {
    StartedProgram program;
    f_main->resize(1024, 768);
    mainAction("n_zh")->trigger();
    QTest::qWait(20);
    auto* grid = control<QTableWidget>(f_zh, "sg_zqresult");
    const int rows = (grid->viewport()->height()) / grid->verticalHeader()->defaultSectionSize();
    QVERIFY2(rows >= 12, qPrintable(QString("%1 rows: viewport %2, row %3, window %4")
                                        .arg(rows)
                                        .arg(grid->viewport()->height())
                                        .arg(grid->verticalHeader()->defaultSectionSize())
                                        .arg(f_main->height())));
}

void ShellDefectsTest::aLongDissectionCanBeStoppedWithEscape() {
    constexpr int kDraws = 640;
    constexpr int kSentinel = -77;
    StartedProgram program([](const TestHome& home) {
        QDir().mkpath(home.file("database"));
        writeDrawFile(home.file("database/basedata0.rec"), sampleDraws(kDraws));
    });
    program.platform.messages.messages.clear();
    t_s_dm& store = workspace().MainStore;
    for (int r = 1; r <= kDraws; ++r) store.MutableRow(r).value = kSentinel;
    store.SetRecNo(100);
    EscapeOnPassProgress escape;
    f_zbpx->rb_selfzb->setChecked(true);
    f_zbpx->e_selfzb->setText("getylz(getzf(z_hz))");
    QTest::mouseClick(f_zbpx->b_ok, Qt::LeftButton);

    QVERIFY(escape.shown);
    QCOMPARE(escape.label, QStringLiteral("正在计算指标值，请稍候..."));
    QCOMPARE(program.platform.messages.texts(), QStringList());
    for (int r = 1; r <= kDraws; ++r) QVERIFY2(store.Row(r).value == kSentinel, qPrintable(QString("row %1: %2, cursor %3").arg(r).arg(store.Row(r).value).arg(store.RecNo())));
    QCOMPARE(store.RecNo(), 100);
    QVERIFY(!visibleTabs().contains("ts_zbpxz"));
}

QTEST_MAIN(ShellDefectsTest)
#include "shell_defects_test.moc"
