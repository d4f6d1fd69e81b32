// A filter run works on its own copy of the history: while it runs, the user adds a draw, runs a
// dissection and switches the lottery type, and neither the draw files nor the run's result suffer.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSemaphore>
#include <QtTest>
#include <memory>
#include <utility>

#include "app/app_state.h"
#include "app/dialogs/u_cpstyle.h"
#include "app/pages/u_zbpx.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/u_zh.h"
#include "app_test_support.h"
#include "combos/combo_filter.h"
#include "draws/draw_entry.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kHistoryDraws = 3000;
constexpr int kReferenceRow = 1500;
constexpr int kSecondSlotDraws = 40;

QByteArray drawFileBytes(const DrawRows& rows) {
    QByteArray bytes;
    for (const auto& row : rows)
        for (int f = 0; f < kDrawFields; ++f) {
            const int32_t v = f < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(f)] : 0;
            for (int b = 0; b < 4; ++b) bytes.append(static_cast<char>((static_cast<uint32_t>(v) >> (8 * b)) & 0xFF));
        }
    return bytes;
}

std::vector<std::vector<int>> resultTickets(const ResultSet& results, int n) {
    std::vector<std::vector<int>> tickets;
    for (int k = 1; k <= results.count(); ++k) {
        std::vector<int> t;
        for (int i = 0; i < n; ++i) t.push_back(results.slot(k).bytes[static_cast<std::size_t>(i)]);
        tickets.push_back(t);
    }
    return tickets;
}

// Conditions that keep a run busy for a while: every ticket of 28 candidates goes through the store
// path with a formula condition over the whole history.
void setBusyConditions() {
    Tf_zh& page = *f_zh;
    page.resetConditions();
    ConditionSet& c = page.filter().conditions;
    c.notEqualDistance = c.noSpecialRuns = false;
    c.customOn = true;
    std::vector<int32_t> values;
    for (int v = 0; v <= 40; ++v) values.push_back(v);
    c.customs = {CustomIndicatorCondition{"getylz(z_hz)", values, false}};
    page.refreshConditionControls();
    page.setCandidates([] {
        std::vector<int> numbers;
        for (int n = 1; n <= 33; ++n) numbers.push_back(n);
        return numbers;
    }());
    page.filter().evaluationPath = EvaluationPath::ThroughStore;
}

// The next run says when it first reports progress and then waits until it is released.
void holdAtFirstReport(QSemaphore& reported, QSemaphore& release) {
    f_zh->setProgressObserver([&reported, &release, first = std::make_shared<bool>(true)](const RunProgress&) {
        if (!std::exchange(*first, false)) return;
        reported.release();
        release.acquire();
    });
}

}  // namespace

class ZhIsolationTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void theHistoryCanBeUsedWhileARunWorks();
};

void ZhIsolationTest::theHistoryCanBeUsedWhileARunWorks() {
    const DrawRows history = sampleHistory(kHistoryDraws);
    const DrawRows second = sampleHistory(kSecondSlotDraws);
    QCOMPARE(int(history.size()), kHistoryDraws);
    StartedProgram program([&](const TestHome& home) {
        QDir().mkpath(home.file("database"));
        writeDrawFile(home.file("database/basedata0.rec"), history);
        writeDrawFile(home.file("database/basedata1.rec"), second);
    });
    const QString slot0 = program.home.file("database/basedata0.rec");
    const QString slot1 = program.home.file("database/basedata1.rec");
    setBusyConditions();
    const int referenceIssue = history[kReferenceRow - 1][0];
    QComboBox* issues = control<QComboBox>(f_zh, "cb_glqh");
    issues->setCurrentText(QString::number(referenceIssue));

    // The same run without interference, on a copy of the history as it is now.
    std::vector<std::vector<int>> expected;
    {
        auto copy = privateWorkspaceCopy(workspace());
        ComboFilter alone(*copy);
        alone.conditions = f_zh->filter().conditions;
        alone.evaluationPath = EvaluationPath::ThroughStore;
        RunRequest request;
        request.referenceIssue = referenceIssue;
        request.saveUndoSnapshot = false;
        QCOMPARE(int(alone.StartRun(request).status), int(RunStatus::Completed));
        expected = resultTickets(alone.results, 6);
    }
    QVERIFY(!expected.empty());

    // The run waits at its first progress report until the history has been used meanwhile, so the
    // use certainly falls inside the run.
    QSemaphore reported, release;
    holdAtFirstReport(reported, release);
    clickControl(f_zh, "b_filter");
    QVERIFY(f_zh->running());
    QVERIFY(reported.tryAcquire(1, 60000));

    // A new draw is stored at once and completely.
    const EntryOutcome added =
        addDrawFromEditors(workspace(), DrawEditorTexts{"2030001", "01-02-03-04-05-06", "07"});
    QVERIFY2(added.stored, added.message.c_str());
    DrawRows withNewDraw = history;
    withNewDraw.push_back({2030001, 1, 2, 3, 4, 5, 6, 7});
    QCOMPARE(fileBytes(slot0), drawFileBytes(withNewDraw));

    // A dissection sees the whole history, the new draw included.
    f_zbpx->dissectExistingIndicator("z_hz", QStringLiteral("和值"), 21, 183);
    QCOMPARE(int(f_zbpxz->input().series.size()), kHistoryDraws + 1);
    QCOMPARE(workspace().MainStore.Count(), kHistoryDraws + 1);
    QVERIFY(f_zh->running());
    const int cursorDuringRun = workspace().MainStore.RecNo();
    release.release();

    QVERIFY(QTest::qWaitFor([] { return !f_zh->running(); }, 300000));
    QCOMPARE(resultTickets(f_zh->filter().results, 6), expected);
    QCOMPARE(workspace().MainStore.Count(), kHistoryDraws + 1);
    QCOMPARE(workspace().MainStore.RecNo(), cursorDuringRun);
    for (int r = 1; r <= workspace().MainStore.Count(); ++r)
        QVERIFY(workspace().MainStore.Row(r).fields[0] != kCandidateIssue);

    // A type switch during a run cancels it; both draw files stay exactly as they were.
    holdAtFirstReport(reported, release);
    clickControl(f_zh, "b_filter");
    QVERIFY(f_zh->running());
    QVERIFY(reported.tryAcquire(1, 60000));

    bool reached = false;
    whenModalShown([&](QDialog* dialog) {
        reached = true;
        // The run goes on while the new type's history is loaded, until the change cancels it.
        release.release();
        auto* types = static_cast<Tf_cpstyle*>(dialog);
        types->rb[1]->click();
        types->b_ok->click();
    });
    mainAction("n_czxz")->trigger();
    QVERIFY(reached);
    QCOMPARE(workspace().CurrentType, 1);
    QVERIFY(!f_zh->running());
    QCOMPARE(workspace().MainStore.Count(), kSecondSlotDraws);
    QCOMPARE(f_zh->filter().results.count(), 0);
    QCOMPARE(fileBytes(slot0), drawFileBytes(withNewDraw));
    QCOMPARE(fileBytes(slot1), drawFileBytes(second));
}

QTEST_MAIN(ZhIsolationTest)
#include "zh_isolation_test.moc"
