// The combination filtering page: runs over small candidate sets driven through the controls, the
// enable/untick rules of a generated condition row, paging, cancel, refusals and condition files.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_condition_row.h"
#include "app_test_support.h"
#include "combos/combo_filter.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

long long binomial(int n, int k) {
    if (k < 0 || k > n) return 0;
    long long r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

std::vector<int> range(int from, int to) {
    std::vector<int> out;
    for (int n = from; n <= to; ++n) out.push_back(n);
    return out;
}

template <class T>
T* child(const char* name) {
    T* w = f_zh->findChild<T*>(QString::fromLatin1(name));
    if (!w) qFatal("missing control %s", name);
    return w;
}

// Unticks the two structural switches so that every Combination of the candidates passes.
void plainConditions() {
    child<QCheckBox>("cb_notequaldist")->setChecked(false);
    child<QCheckBox>("cb_specnext")->setChecked(false);
}

bool runAndWait(const char* button) {
    QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    return QTest::qWaitFor([] { return !f_zh->running(); }, 120000);
}

}  // namespace

class ZhTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void runKeepsEveryCombinationOfTheCandidates();
    void untickingARowClearsItsValues();
    void pagingMovesBetweenResultPages();
    void missingBoundsRefuseTheRun();
    void cancelledRunLeavesTheResults();
    void conditionsSurviveSaveAndLoad();
};

void ZhTest::runKeepsEveryCombinationOfTheCandidates() {
    StartedProgram program;
    QVERIFY(f_zh);
    const int mainCount = workspace().params.MainCount;
    const struct {
        int lastCandidate;
        std::vector<int> bankers;
    } cases[] = {{8, {}}, {9, {2}}, {10, {1, 5, 9}}, {12, range(1, mainCount)}, {mainCount - 1, {}}};
    for (const auto& c : cases) {
        f_zh->resetConditions();
        plainConditions();
        f_zh->setCandidates(range(1, c.lastCandidate));
        f_zh->setBankers(c.bankers);
        QVERIFY(runAndWait("b_filter"));
        const int bankers = static_cast<int>(c.bankers.size());
        const int count = f_zh->filter().results.count();
        QCOMPARE(count, binomial(c.lastCandidate - bankers, mainCount - bankers));
        auto* grid = child<QTableWidget>("sg_zqresult");
        QCOMPARE(grid->rowCount(), count);
        QCOMPARE(child<QLabel>("l_zhgl_tzresult")->text(), QStringLiteral("投注结果：共%1注").arg(count));
        for (int r = 0; r < grid->rowCount(); ++r) {
            QSet<int> numbers;
            for (int col = 1; col <= mainCount; ++col) {
                const int n = grid->item(r, col)->text().toInt();
                QVERIFY2(n >= 1 && n <= c.lastCandidate, qPrintable(grid->item(r, col)->text()));
                numbers.insert(n);
            }
            QCOMPARE(numbers.size(), mainCount);
            for (int b : c.bankers) QVERIFY(numbers.contains(b));
            QCOMPARE(grid->item(r, 0)->textAlignment(), int(Qt::AlignCenter));
        }
    }
    QVERIFY(child<QPushButton>("b_contfilter")->isEnabled());
    if (!qEnvironmentVariableIsEmpty("QORVEL_ZH_SHOT")) {
        f_zh->setParent(nullptr);
        f_zh->resize(1024, 700);
        f_zh->show();
        f_zh->grab().save(qEnvironmentVariable("QORVEL_ZH_SHOT"));
    }
}

void ZhTest::untickingARowClearsItsValues() {
    StartedProgram program;
    auto* box = child<QCheckBox>("cb_dsgs");
    auto* field = child<QLineEdit>("e_dsgs");
    auto* button = child<QPushButton>("b_dsgs");
    auto* tolerant = child<QCheckBox>("cb_dsgsrc");
    QVERIFY(!button->isEnabled());
    QVERIFY(!tolerant->isEnabled());
    box->setChecked(true);
    QVERIFY(button->isEnabled());
    QVERIFY(tolerant->isEnabled());
    auto* row = f_zh->findChild<ZhConditionRow*>("row_dsgs");
    QVERIFY(row);
    row->setValues({3, 1, 2});
    tolerant->setChecked(true);
    QCOMPARE(field->text(), QStringLiteral("1  2  3  "));
    const FilterCondition* c = f_zh->filter().conditions.list(1);
    QVERIFY(c->applies() && c->tolerant);
    box->setChecked(false);
    QVERIFY(field->text().isEmpty());
    QVERIFY(!tolerant->isChecked());
    QVERIFY(!tolerant->isEnabled());
    QVERIFY(!button->isEnabled());
    QVERIFY(c->values.empty() && !c->tolerant);
    // Rows of positions 6 and 7 exist but are never shown.
    for (const ConditionInfo& info : conditionTable())
        QCOMPARE(f_zh->conditionRow(info.id)->isHidden(), info.hidden);
}

void ZhTest::pagingMovesBetweenResultPages() {
    StartedProgram program;
    plainConditions();
    const int mainCount = workspace().params.MainCount;
    int last = mainCount;
    while (binomial(last, mainCount) <= kResultsPerPage) ++last;
    f_zh->setCandidates(range(1, last));
    QVERIFY(runAndWait("b_filter"));
    const int count = f_zh->filter().results.count();
    const int pages = (count + kResultsPerPage - 1) / kResultsPerPage;
    auto* grid = child<QTableWidget>("sg_zqresult");
    auto* label = child<QLabel>("l_zh_pageinfo");
    const struct {
        const char* button;
        int page;
    } steps[] = {{"b_zh_priorpage", 1}, {"b_zh_nextpage", 2}, {"b_zh_lastpage", pages},
                 {"b_zh_nextpage", pages}, {"b_zh_firstpage", 1}};
    for (const auto& s : steps) {
        QTest::mouseClick(child<QPushButton>(s.button), Qt::LeftButton);
        QCOMPARE(label->text(), QStringLiteral("第%1页/ %2页").arg(s.page).arg(pages));
        const int rows = std::min(kResultsPerPage, count - (s.page - 1) * kResultsPerPage);
        QCOMPARE(grid->rowCount(), rows);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("第%1条").arg((s.page - 1) * kResultsPerPage + 1));
    }
}

void ZhTest::missingBoundsRefuseTheRun() {
    StartedProgram program;
    const struct {
        const char* box;
        const char* from;
        const char* message;
    } cases[] = {{"cb_bzc", "me_bzcfrom", "标准差还未确定范围"}, {"cb_lsxs", "me_lsxsfrom", "离散系数还未确定范围"}};
    for (const auto& c : cases) {
        f_zh->resetConditions();
        f_zh->setCandidates(range(1, 8));
        child<QCheckBox>(c.box)->setChecked(true);
        child<QLineEdit>(c.from)->setText("1");
        program.platform.messages.messages.clear();
        QVERIFY(runAndWait("b_filter"));
        QCOMPARE(program.platform.messages.texts(), QStringList{QString::fromUtf8(c.message)});
        QCOMPARE(f_zh->filter().results.count(), 0);
    }
}

void ZhTest::cancelledRunLeavesTheResults() {
    StartedProgram program;
    plainConditions();
    f_zh->setCandidates(range(1, 9));
    QVERIFY(runAndWait("b_filter"));
    const int before = f_zh->filter().results.count();
    QVERIFY(before > 0);
    f_zh->setCandidates(range(1, workspace().params.MainTo));
    QTest::mouseClick(child<QPushButton>("b_filter"), Qt::LeftButton);
    QVERIFY(f_zh->running());
    QTest::mouseClick(child<QPushButton>("b_cancelfilter"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([] { return !f_zh->running(); }, 120000));
    QCOMPARE(f_zh->filter().results.count(), before);
    QCOMPARE(child<QTableWidget>("sg_zqresult")->rowCount(), before);
}

void ZhTest::conditionsSurviveSaveAndLoad() {
    StartedProgram program;
    QTemporaryDir dir;
    const std::filesystem::path file = (dir.path() + "/mine.zh").toStdString();
    child<QCheckBox>("cb_dsgs")->setChecked(true);
    f_zh->conditionRow(1)->setValues({2, 3});
    child<QCheckBox>("cb_bzc")->setChecked(true);
    child<QLineEdit>("me_bzcfrom")->setText("4");
    child<QLineEdit>("me_bzcto")->setText("9");
    child<QCheckBox>("cb_nothistory")->setChecked(true);
    f_zh->setCandidates(range(3, 20));
    f_zh->saveConditionsTo(file);
    f_zh->resetConditions();
    QVERIFY(child<QLineEdit>("e_dsgs")->text().isEmpty());
    program.platform.messages.messages.clear();
    f_zh->loadConditionsFrom(file);
    QVERIFY(program.platform.messages.texts().isEmpty());
    QVERIFY(child<QCheckBox>("cb_dsgs")->isChecked());
    QCOMPARE(child<QLineEdit>("e_dsgs")->text(), QStringLiteral("2  3  "));
    QCOMPARE(child<QLineEdit>("me_bzcfrom")->text(), QStringLiteral("4"));
    QCOMPARE(child<QLineEdit>("me_bzcto")->text(), QStringLiteral("9"));
    QVERIFY(child<QCheckBox>("cb_nothistory")->isChecked());
    QVERIFY(!f_zh->filter().conditions.candidates[1]);
    QVERIFY(f_zh->filter().conditions.candidates[3]);
}

QTEST_MAIN(ZhTest)
#include "zh_test.moc"
