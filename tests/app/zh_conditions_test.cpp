// The self-set, tail-set and custom-indicator lists of the filter page driven through their dialogs, the
// "过滤操作" menu (condition files, the fixed files and undo, the reports, the batch filter) and the files
// the program leaves behind when it closes.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QComboBox>
#include <QTabWidget>
#include <QTimer>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <set>

#include "app/app_state.h"
#include "app/dialogs/u_qh.h"
#include "app/dialogs/zh/u_batch.h"
#include "app/dialogs/zh/u_choice.h"
#include "app/dialogs/zh/u_selfset.h"
#include "app/dialogs/zh/u_tailset.h"
#include "app/pages/u_zbpxz.h"
#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_condition_row.h"
#include "app/pages/zh/zh_custom_tab.h"
#include "app/pages/zh/zh_operations.h"
#include "app/pages/zh/zh_selfset_tab.h"
#include "app/pages/zh/zh_tailset_tab.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "combos/combo_filter.h"
#include "combos/condition_file.h"
#include "combos/value_criteria.h"
#include "text/gbk.h"
#include "text/number_text.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

constexpr int kHistoryDraws = 40;

// Answers the file dialogs with prepared names and records how each was asked for.
class FileChooser : public FileDialogSeam {
  public:
    struct Call {
        QString title, filter, folder;
        bool save = false;
    };
    QString openFile(QWidget* p, const QString& t, const QString& f) override { return openFileIn(p, t, f, {}); }
    QString saveFile(QWidget* p, const QString& t, const QString& f) override { return saveFileIn(p, t, f, {}); }
    QString openFileIn(QWidget*, const QString& t, const QString& f, const QString& folder) override {
        calls.append({t, f, folder, false});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString saveFileIn(QWidget*, const QString& t, const QString& f, const QString& folder) override {
        calls.append({t, f, folder, true});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QStringList answers;
    QList<Call> calls;
};

// A started program over a small history, with the file dialogs answered by `files`.
struct Fixture {
    Fixture()
        : program([](const TestHome& home) {
              QDir().mkpath(home.file("database"));
              writeDrawFile(home.file("database/basedata0.rec"), sampleDraws(kHistoryDraws));
          }) {
        previous = installPlatform({nullptr, &files, nullptr, nullptr});
        clearMessages();  // what the start-up had to say is not under test here
    }
    ~Fixture() { installPlatform(previous); }
    ConditionSet& conditions() { return f_zh->filter().conditions; }
    QStringList messages() const { return program.platform.messages.texts(); }
    void clearMessages() { program.platform.messages.messages.clear(); }

    StartedProgram program;
    FileChooser files;
    Platform previous;
};

template <class T>
T* child(QObject* parent, const QString& name) {
    T* w = parent->findChild<T*>(name);
    if (!w) qFatal("missing control %s", qPrintable(name));
    return w;
}

template <class T>
T* page(const QString& name) {
    return child<T>(f_zh, name);
}

void click(QObject* parent, const QString& name) {
    QTest::mouseClick(child<QPushButton>(parent, name), Qt::LeftButton);
}

// Once the modal dialog named `name` runs its loop, calls handler with it. Unlike whenModalShown it waits
// for that very dialog, so it can be armed from inside another dialog that is already modal.
void whenDialogShown(const QString& name, const std::function<void(QDialog*)>& handler) {
    auto* timer = new QTimer(qApp);
    auto deadline = std::make_shared<QDeadlineTimer>(5000);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, deadline, handler, name] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const bool found = dialog && dialog->objectName() == name;
        if (!found && !deadline->hasExpired()) return;
        timer->stop();
        timer->deleteLater();
        if (found) handler(dialog);
    });
    timer->start(10);
}

// Ticks `values` in the open tile picker and confirms it.
void pickTiles(QDialog* picker, const std::vector<int>& values) {
    for (int v : values) QTest::mouseClick(child<QWidget>(picker, QStringLiteral("tile_%1").arg(v)), Qt::LeftButton);
    click(picker, "b_ok");
}

// Ticks `values` in the open check-list picker and confirms it.
void pickListValues(QDialog* picker, const std::vector<int>& values) {
    auto* list = child<QListWidget>(picker, "clb_values");
    for (int v : values) list->item(v)->setCheckState(Qt::Checked);
    click(picker, "b_ok");
}

QStringList lines(const QString& listName) {
    QStringList out;
    auto* list = page<QListWidget>(listName);
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

void selectLine(const QString& listName, int row) {
    auto* list = page<QListWidget>(listName);
    list->setCurrentRow(row);
    list->item(row)->setSelected(true);
}

// Unticks the structural switches so every combination of the candidates survives a run.
void plainConditions() {
    page<QCheckBox>("cb_notequaldist")->setChecked(false);
    page<QCheckBox>("cb_specnext")->setChecked(false);
}

std::vector<int> range(int from, int to) {
    std::vector<int> out;
    for (int n = from; n <= to; ++n) out.push_back(n);
    return out;
}

bool runAndWait(const char* button = "b_filter") {
    QTest::mouseClick(page<QPushButton>(button), Qt::LeftButton);
    return QTest::qWaitFor([] { return !f_zh->running(); }, 120000);
}

long long binomial(int n, int k) {
    long long r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

QStringList reportLines(const QString& path) {
    const QByteArray bytes = fileBytes(path);
    return QString::fromStdString(gbkToUtf8(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        .split(QRegularExpression("\r?\n"));
}

}  // namespace

class ZhConditionsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void selfSetConditionThroughTheDialog();
    void tailSetConditionThroughTheDialog();
    void dialogsRefuseIncompleteConditions();
    void filterAssistantsChartTheGroupOverTheHistory();
    void customConditionThroughThePicker();
    void editingWithoutASelectedLineIsExplained();
    void fullListsRefuseAnotherCondition();
    void exportedConditionsAreConfirmed();
    void savedConditionsComeBackAfterAReset();
    void undoRestoresTheConditionsOfTheRunBefore();
    void missingFixedFilesAreReported();
    void reportsAreWrittenAndOpened();
    void batchFilterRunsEachFileInTurn();
    void closingSavesTheExitFileAndDropsTheUndoFiles();
    void controlsFitAt1024x768();
};

void ZhConditionsTest::selfSetConditionThroughTheDialog() {
    Fixture fx;
    // Add: numbers 1..3 ticked, the counts chosen in the tile picker.
    whenDialogShown("f_selfcond", [](QDialog* d) {
        for (int n : {1, 2, 3}) child<QCheckBox>(d, QStringLiteral("cb_selfnum%1").arg(n))->setChecked(true);
        whenDialogShown("f_tilepicker", [](QDialog* picker) { pickTiles(picker, {0, 1}); });
        click(d, "b_cxgs");
        QCOMPARE(child<QLineEdit>(d, "e_cxgs")->text(), QStringLiteral("0  1  "));
        click(d, "b_ok");
    });
    click(f_zh, "b_addanyzh");
    QCOMPARE(fx.conditions().selfSets.size(), std::size_t{1});
    QCOMPARE(fx.conditions().selfSets[0].numbers, (std::vector<int>{1, 2, 3}));
    QCOMPARE(fx.conditions().selfSets[0].counts, (std::vector<int32_t>{0, 1}));
    QCOMPARE(lines("lb_selfcond"), QStringList{QStringLiteral("号码组: 01  02  03  ;出现个数: 0  1  ")});

    // Modify: the dialog opens with the condition, a quick choice replaces the numbers, tolerant ticked.
    selectLine("lb_selfcond", 0);
    whenDialogShown("f_selfcond", [](QDialog* d) {
        QVERIFY(child<QCheckBox>(d, "cb_selfnum2")->isChecked());
        auto* quick = child<QComboBox>(d, "cb_ksxh");
        quick->setCurrentIndex(quick->findText(QStringLiteral("除五余零数")));
        Q_EMIT quick->activated(quick->currentIndex());
        child<QCheckBox>(d, "cb_rc")->setChecked(true);
        click(d, "b_ok");
    });
    click(f_zh, "b_selfcond_modify");
    const std::vector<int> fives{5, 10, 15, 20, 25, 30};
    QCOMPARE(fx.conditions().selfSets[0].numbers, fives);
    QVERIFY(fx.conditions().selfSets[0].tolerant);
    QCOMPARE(lines("lb_selfcond"),
             QStringList{QStringLiteral("号码组: 05  10  15  20  25  30  ;出现个数: 0  1  容错")});

    // A cancelled modification changes nothing; deleting removes condition and line together.
    selectLine("lb_selfcond", 0);
    whenDialogShown("f_selfcond", [](QDialog* d) {
        click(d, "b_selectall");
        click(d, "b_cancel");
    });
    click(f_zh, "b_selfcond_modify");
    QCOMPARE(fx.conditions().selfSets[0].numbers, fives);
    selectLine("lb_selfcond", 0);
    click(f_zh, "b_selfcondsub");
    QVERIFY(fx.conditions().selfSets.empty());
    QCOMPARE(page<QListWidget>("lb_selfcond")->count(), 0);
}

void ZhConditionsTest::tailSetConditionThroughTheDialog() {
    Fixture fx;
    const struct {
        std::vector<int> digits;
        bool countOnce;
        bool tolerant;
        QString line;
    } cases[] = {
        {{1}, true, false, QStringLiteral("尾号组: 1  ;出现个数: 1  (相同尾数仅计算一次)")},
        {{0, 5}, false, true, QStringLiteral("尾号组: 0  5  ;出现个数: 1  容错")},
    };
    for (const auto& c : cases) {
        whenDialogShown("f_wsset", [&c](QDialog* d) {
            auto* dialog = static_cast<Tf_wsset*>(d);
            QVERIFY(dialog->cb_countonce->isChecked());  // the default of every new tail set
            for (int digit : c.digits) child<QCheckBox>(d, QStringLiteral("cb_ws%1").arg(digit))->setChecked(true);
            dialog->cb_countonce->setChecked(c.countOnce);
            dialog->cb_rc->setChecked(c.tolerant);
            dialog->setCounts({1});
            click(d, "b_ok");
        });
        click(f_zh, "b_wsset_add");
        const TailSetCondition& added = fx.conditions().tailSets.back();
        QCOMPARE(added.digits, c.digits);
        QCOMPARE(added.countOnce, c.countOnce);
        QCOMPARE(added.tolerant, c.tolerant);
        QCOMPARE(lines("lb_wsset").last(), c.line);
    }
    QCOMPARE(fx.conditions().tailSets.size(), std::size(cases));
    selectLine("lb_wsset", 0);
    click(f_zh, "b_wsset_delete");
    QCOMPARE(fx.conditions().tailSets.size(), std::size(cases) - 1);
    QCOMPARE(fx.conditions().tailSets[0].digits, cases[1].digits);
}

void ZhConditionsTest::dialogsRefuseIncompleteConditions() {
    Fixture fx;
    // Each row: the add button, the dialog, what is filled in before "确定", the message it must give.
    const struct {
        const char* addButton;
        const char* dialog;
        bool tickOne;
        bool counts;
        QString message;
    } cases[] = {
        {"b_addanyzh", "f_selfcond", true, false, QStringLiteral("未选择号码组应出现的次数")},
        {"b_addanyzh", "f_selfcond", false, true, QStringLiteral("未选择号码")},
        {"b_wsset_add", "f_wsset", false, true, QStringLiteral("未选择号码")},
        {"b_wsset_add", "f_wsset", true, false, QStringLiteral("未选择尾号组应出现的次数")},
    };
    for (const auto& c : cases) {
        fx.clearMessages();
        bool stayedOpen = false;
        whenDialogShown(c.dialog, [&c, &stayedOpen](QDialog* d) {
            const QString box = QString::fromUtf8(c.dialog) == "f_selfcond" ? "cb_selfnum1" : "cb_ws1";
            child<QCheckBox>(d, box)->setChecked(c.tickOne);
            if (c.counts) {
                if (auto* self = dynamic_cast<Tf_selfcond*>(d)) self->setCounts({1});
                if (auto* tail = dynamic_cast<Tf_wsset*>(d)) tail->setCounts({1});
            }
            click(d, "b_ok");
            stayedOpen = d->isVisible();
            click(d, "b_cancel");
        });
        click(f_zh, c.addButton);
        QVERIFY2(stayedOpen, c.dialog);
        QCOMPARE(fx.messages(), QStringList{c.message});
    }
    QVERIFY(fx.conditions().selfSets.empty());
    QVERIFY(fx.conditions().tailSets.empty());
}

void ZhConditionsTest::filterAssistantsChartTheGroupOverTheHistory() {
    Fixture fx;
    const DrawRows history = sampleDraws(kHistoryDraws);
    // How many numbers of a drawn row are in the group, counted here straight from the draw list.
    const auto inGroup = [](const std::vector<int>& row, const std::vector<int>& group) {
        return static_cast<int32_t>(std::count_if(row.begin() + 1, row.begin() + 7, [&group](int n) {
            return std::find(group.begin(), group.end(), n) != group.end();
        }));
    };
    const auto tailsDrawn = [](const std::vector<int>& row, const std::vector<int>& digits) {
        std::set<int> seen;
        for (auto it = row.begin() + 1; it != row.begin() + 7; ++it)
            if (std::find(digits.begin(), digits.end(), *it % 10) != digits.end()) seen.insert(*it % 10);
        return static_cast<int32_t>(seen.size());
    };
    const struct {
        const char* addButton;
        const char* dialog;
        std::vector<int> ticked;  // numbers or digits
        QString title;
        std::function<int32_t(const std::vector<int>&)> expected;
    } cases[] = {
        {"b_addanyzh", "f_selfcond", {1, 2, 30}, QStringLiteral("号码组：01,02,30, 的出现奖号个数走势图（过滤助手）"),
         [&](const std::vector<int>& row) { return inGroup(row, {1, 2, 30}); }},
        {"b_wsset_add", "f_wsset", {1, 7},
         QStringLiteral("尾号组：1,7, 的出现个数走势图（过滤助手）(相同尾数仅计算一次)"),
         [&](const std::vector<int>& row) { return tailsDrawn(row, {1, 7}); }},
    };
    for (const auto& c : cases) {
        DissectionInput shown;
        whenDialogShown(c.dialog, [&c, &shown](QDialog* d) {
            const QString prefix = QString::fromUtf8(c.dialog) == "f_selfcond" ? "cb_selfnum" : "cb_ws";
            for (int v : c.ticked) child<QCheckBox>(d, prefix + QString::number(v))->setChecked(true);
            whenDialogShown("f_zbpxz_modal", [&shown](QDialog* view) {
                shown = child<Tf_zbpxz>(view, "f_zbpxz")->input();
                view->reject();
            });
            click(d, "b_glzs");
            click(d, "b_cancel");
        });
        click(f_zh, c.addButton);
        QCOMPARE(QString::fromStdString(shown.title), c.title);
        QCOMPARE(shown.seriesMin, 0);
        QCOMPARE(shown.seriesMax, 6);
        QCOMPARE(shown.cursorRow, kHistoryDraws - kAssistantLeadDraws);
        std::vector<int32_t> expected;
        for (const auto& row : history) expected.push_back(c.expected(row));
        QCOMPARE(shown.series, expected);
    }
}

void ZhConditionsTest::customConditionThroughThePicker() {
    Fixture fx;
    auto* formula = page<QLineEdit>("e_selfzb");
    // An empty formula adds nothing and says nothing.
    click(f_zh, "b_addselfzb");
    QVERIFY(fx.conditions().customs.empty());
    QVERIFY(fx.messages().isEmpty());

    // The assisted-input dialog's formula replaces the field.
    formula->setText(QStringLiteral("z_ac"));
    whenDialogShown("f_fzsr", [](QDialog* d) {
        child<QLineEdit>(d, "e_fzsr")->setText(QStringLiteral("  z_hz  "));
        click(d, "b_ok");
    });
    click(f_zh, "b_fzsr");
    QCOMPARE(formula->text().trimmed(), QStringLiteral("z_hz"));
    formula->setText(QStringLiteral("  z_hz  "));
    whenDialogShown("f_listpicker", [](QDialog* picker) { pickListValues(picker, {100, 90}); });
    click(f_zh, "b_selfzb");
    QCOMPARE(page<QLineEdit>("e_selfzbqz")->text(), QStringLiteral("90  100  "));
    page<QCheckBox>("cb_selfzbrc")->setChecked(true);
    click(f_zh, "b_addselfzb");
    QCOMPARE(fx.conditions().customs.size(), std::size_t{1});
    QCOMPARE(fx.conditions().customs[0].formula, std::string("z_hz"));
    QCOMPARE(fx.conditions().customs[0].values, (std::vector<int32_t>{90, 100}));
    QCOMPARE(lines("lb_selfzb"), QStringList{QStringLiteral("z_hz  容错  取值: 90  100  ")});
    QVERIFY(formula->text().isEmpty());
    QVERIFY(page<QLineEdit>("e_selfzbqz")->text().isEmpty());
    QVERIFY(!page<QCheckBox>("cb_selfzbrc")->isChecked());

    // A formula without chosen values is refused: an empty list would switch off the later conditions.
    formula->setText(QStringLiteral("z_ac"));
    click(f_zh, "b_addselfzb");
    QCOMPARE(fx.conditions().customs.size(), std::size_t{1});
    QCOMPARE(fx.messages().size(), 1);

    // Modify: the picker opens with the values, then the tolerance question decides the flag.
    fx.program.platform.messages.answers = {false};
    selectLine("lb_selfzb", 0);
    whenDialogShown("f_listpicker", [](QDialog* picker) {
        auto* list = child<QListWidget>(picker, "clb_values");
        QCOMPARE(list->item(90)->checkState(), Qt::Checked);
        list->item(100)->setCheckState(Qt::Unchecked);
        click(picker, "b_ok");
    });
    click(f_zh, "b_selfzb_modify");
    QCOMPARE(fx.conditions().customs[0].values, (std::vector<int32_t>{90}));
    QVERIFY(!fx.conditions().customs[0].tolerant);
    QCOMPARE(fx.program.platform.messages.messages.last().text,
             QStringLiteral("是否容错？如果容错，请选yes;如果不容错，请选no"));
    QCOMPARE(lines("lb_selfzb"), QStringList{QStringLiteral("z_hz  取值: 90  ")});
}

void ZhConditionsTest::editingWithoutASelectedLineIsExplained() {
    Fixture fx;
    const struct {
        const char* button;
        QString message;
    } cases[] = {
        {"b_selfcondsub", QStringLiteral("请先在中间的列表框中选择一项要删除的数据")},
        {"b_selfcond_modify", QStringLiteral("请先在中间的列表框中选择一项要修改的数据")},
        {"b_wsset_delete", QStringLiteral("请先在中间的列表框中选择一项要删除的数据")},
        {"b_wsset_modify", QStringLiteral("请先在中间的列表框中选择一项要修改的数据")},
        {"b_deleteselfzb", QStringLiteral("请先在自定义指标列表框中选择一项要删除的条件")},
        {"b_selfzb_modify", QStringLiteral("请先在自定义指标列表框中选择一项要修改的条件")},
    };
    for (const auto& c : cases) {
        fx.clearMessages();
        click(f_zh, c.button);
        QCOMPARE(fx.messages(), QStringList{c.message});
    }
}

void ZhConditionsTest::fullListsRefuseAnotherCondition() {
    Fixture fx;
    ConditionSet& set = fx.conditions();
    set.selfSets.assign(kMaxSelfSetConditions, SelfSetCondition{{1}, {0}, false});
    set.tailSets.assign(kMaxTailSetConditions, TailSetCondition{{1}, {0}, false, true});
    set.customs.assign(kMaxCustomConditions, CustomIndicatorCondition{"z_hz", {1}, false});
    f_zh->refreshConditionControls();
    // No dialog may open for a full list (a dialog would stop the test until its timeout).
    const struct {
        const char* button;
        QString message;
        std::size_t (*size)(const ConditionSet&);
    } cases[] = {
        {"b_addanyzh", QStringLiteral("最多可添加400注自设条件，不能再添加"),
         [](const ConditionSet& s) { return s.selfSets.size(); }},
        {"b_wsset_add", QStringLiteral("最多可添加50注尾数条件，不能再添加"),
         [](const ConditionSet& s) { return s.tailSets.size(); }},
        {"b_addselfzb", QStringLiteral("最多可添加400注自定义指标条件，不能再添加"),
         [](const ConditionSet& s) { return s.customs.size(); }},
    };
    f_zh->customTab()->e_selfzb->setText("z_ac");
    f_zh->customTab()->setPendingValues({3});
    for (const auto& c : cases) {
        fx.clearMessages();
        const std::size_t before = c.size(set);
        click(f_zh, c.button);
        QCOMPARE(fx.messages(), QStringList{c.message});
        QCOMPARE(c.size(set), before);
    }
    QCOMPARE(page<QListWidget>("lb_selfcond")->count(), kMaxSelfSetConditions);
}

void ZhConditionsTest::exportedConditionsAreConfirmed() {
    Fixture fx;
    QVERIFY(!page<QCheckBox>("cb_selfcond")->isChecked());
    whenDialogShown("f_selfcond", [](QDialog* d) {
        auto* dialog = static_cast<Tf_selfcond*>(d);
        QCOMPARE(dialog->tickedNumbers(), (std::vector<int>{4, 8}));
        dialog->setCounts({2});
        click(d, "b_ok");
    });
    QVERIFY(f_zh->addforselfcond({4, 8}));
    QCOMPARE(fx.messages().last(),
             QStringLiteral("过滤条件设置结果是：号码组: 04  08  ;出现个数: 2  。现已成功导出到超强组号的自设条件中"));
    QVERIFY(page<QCheckBox>("cb_selfcond")->isChecked());
    QVERIFY(fx.conditions().selfSetOn);

    whenDialogShown("f_wsset", [](QDialog* d) {
        static_cast<Tf_wsset*>(d)->setCounts({0});
        click(d, "b_ok");
    });
    QVERIFY(f_zh->addforselfcond_ws({3}));
    QCOMPARE(fx.messages().last(), QStringLiteral("尾号设置过滤条件：尾号组: 3  ;出现个数: 0  (相同尾数仅计算一次)"
                                                  "。现已成功导出到超强组号的尾号设置中"));
    QVERIFY(fx.conditions().tailSetOn);

    whenDialogShown("f_listpicker", [](QDialog* picker) {
        auto* list = child<QListWidget>(picker, "clb_values");
        QVERIFY(!(list->item(201)->flags() & Qt::ItemIsEnabled));  // outside the handed range
        pickListValues(picker, {7});
    });
    QVERIFY(f_zh->addforselfzb(QStringLiteral("z_hz+1"), 0, 200, 100));
    QCOMPARE(fx.messages().last(),
             QStringLiteral("过滤条件设置结果是：z_hz+1  取值: 7  。现已成功导出到超强组号的自定义指标条件中"));
    QVERIFY(page<QCheckBox>("cb_selfzb")->isChecked());
    QVERIFY(fx.conditions().customOn);

    // Cancelling the dialog exports nothing.
    whenDialogShown("f_selfcond", [](QDialog* d) { click(d, "b_cancel"); });
    QVERIFY(!f_zh->addforselfcond());
    QCOMPARE(fx.conditions().selfSets.size(), std::size_t{1});
}

void ZhConditionsTest::savedConditionsComeBackAfterAReset() {
    Fixture fx;
    ConditionSet& set = fx.conditions();
    f_zh->conditionRow(1)->enableBox->setChecked(true);
    f_zh->conditionRow(1)->setValues({2, 3});
    f_zh->conditionRow(1)->tolerantBox->setChecked(true);
    f_zh->selfSetTab()->append(SelfSetCondition{{1, 2, 3}, {0, 1}, true});
    f_zh->tailSetTab()->append(TailSetCondition{{4, 7}, {2}, false, false});
    f_zh->customTab()->append(CustomIndicatorCondition{"z_hz+z_ac", {50, 60}, true});
    f_zh->setCandidates(range(1, 20));
    f_zh->setBankers({5});
    page<QCheckBox>("cb_nothistory")->setChecked(true);
    const ConditionSet saved = set;

    const QString file = fx.program.home.file("save/mine");
    fx.files.answers = {file};
    child<QAction>(f_zh, "n_savecond")->trigger();
    QVERIFY(QFile::exists(file + ".zh"));
    QCOMPARE(fx.files.calls.last().title, QStringLiteral("保存主区过滤条件"));
    QCOMPARE(fx.files.calls.last().filter, QStringLiteral("主区过滤条件格式文件(*.zh)"));
    QVERIFY(fx.files.calls.last().save);
    QCOMPARE(QDir(fx.files.calls.last().folder).canonicalPath(),
             QDir(fx.program.home.file("save")).canonicalPath());

    child<QAction>(f_zh, "n_reset")->trigger();
    QVERIFY(!set.list(1)->enabled);
    QVERIFY(set.selfSets.empty() && set.tailSets.empty() && set.customs.empty());
    QCOMPARE(page<QListWidget>("lb_selfzb")->count(), 0);
    QVERIFY(!page<QCheckBox>("cb_selfcond")->isChecked());

    fx.files.answers = {file + ".zh"};
    child<QAction>(f_zh, "n_loadcond")->trigger();
    QCOMPARE(fx.files.calls.last().title, QStringLiteral(" 打开主区过滤条件存储文件"));
    QVERIFY(!fx.files.calls.last().save);
    QVERIFY(fx.messages().isEmpty());
    QCOMPARE(set.list(1)->values, saved.list(1)->values);
    QVERIFY(set.list(1)->tolerant);
    QVERIFY(page<QCheckBox>("cb_dsgs")->isChecked());
    QCOMPARE(set.selfSets.size(), std::size_t{1});
    QCOMPARE(set.selfSets[0].numbers, saved.selfSets[0].numbers);
    QCOMPARE(set.selfSets[0].counts, saved.selfSets[0].counts);
    QCOMPARE(set.tailSets[0].digits, saved.tailSets[0].digits);
    QCOMPARE(set.tailSets[0].countOnce, false);
    QCOMPARE(set.customs[0].formula, saved.customs[0].formula);
    QCOMPARE(set.customs[0].values, saved.customs[0].values);
    QVERIFY(set.customs[0].tolerant);
    QVERIFY(set.selfSetOn && set.tailSetOn && set.customOn);
    QCOMPARE(set.candidates, saved.candidates);
    QCOMPARE(set.bankers, saved.bankers);
    QVERIFY(page<QCheckBox>("cb_nothistory")->isChecked());
    // Loaded lines take the loaded form.
    QCOMPARE(lines("lb_selfcond"), QStringList{QStringLiteral("号码组合:01  02  03    出现个数0  1  容错")});
    QCOMPARE(lines("lb_wsset"), QStringList{QStringLiteral("尾号组:4  7    出现个数2  ")});
    QCOMPARE(lines("lb_selfzb"), QStringList{QStringLiteral("z_hz+z_ac  容错  取值：50  60  ")});
    QVERIFY(page<QCheckBox>("cb_selfcond")->isChecked());

    // A cancelled file dialog leaves everything as it is.
    child<QAction>(f_zh, "n_loadcond")->trigger();
    QCOMPARE(set.selfSets.size(), std::size_t{1});
}

void ZhConditionsTest::undoRestoresTheConditionsOfTheRunBefore() {
    Fixture fx;
    plainConditions();
    auto* undo = child<QAction>(f_zh, "n_undo");
    const struct {
        std::vector<int> candidates;
    } runs[] = {{range(1, 8)}, {range(1, 9)}, {range(3, 10)}};
    // After the first run there is nothing to go back to.
    f_zh->setCandidates(runs[0].candidates);
    QVERIFY(runAndWait());
    undo->trigger();
    QCOMPARE(fx.messages(), QStringList{QStringLiteral("没有过滤条件可供恢复")});
    // After the second and third runs each undo brings back the run before.
    for (std::size_t r = 1; r < std::size(runs); ++r) {
        f_zh->setCandidates(runs[r].candidates);
        QVERIFY(runAndWait());
    }
    for (std::size_t r = std::size(runs) - 1; r-- > 0;) {
        fx.clearMessages();
        undo->trigger();
        QVERIFY(fx.messages().isEmpty());
        const auto& flags = fx.conditions().candidates;
        for (int n = 1; n <= 33; ++n) {
            const bool wanted = std::find(runs[r].candidates.begin(), runs[r].candidates.end(), n) !=
                                runs[r].candidates.end();
            QCOMPARE(flags[static_cast<std::size_t>(n)], wanted);
        }
        const QString firstCandidate = QString::fromStdString(TwoDigitText(runs[r].candidates.front()));
        QVERIFY(page<QPlainTextEdit>("m_zqkxhm")->toPlainText().startsWith(firstCandidate));
    }
    fx.clearMessages();
    undo->trigger();
    QCOMPARE(fx.messages(), QStringList{QStringLiteral("没有过滤条件可供恢复")});
}

void ZhConditionsTest::missingFixedFilesAreReported() {
    Fixture fx;
    const struct {
        const char* action;
        QString message;
    } cases[] = {
        {"n_loadcgset", QStringLiteral("常规过滤条件的文件不存在，请先设置好常用的过滤条件，再覆盖常规过滤条件")},
        {"n_loadexitset", QStringLiteral("你是第一次使用，上次退出前的过滤条件的文件并不存在")},
    };
    f_zh->conditionRow(2)->enableBox->setChecked(true);
    for (const auto& c : cases) {
        fx.clearMessages();
        child<QAction>(f_zh, c.action)->trigger();
        QCOMPARE(fx.messages(), QStringList{c.message});
        QVERIFY(fx.conditions().list(2)->enabled);  // nothing changed
    }
    // Once written, the standard conditions load back.
    f_zh->conditionRow(2)->setValues({1, 4});
    child<QAction>(f_zh, "n_savecgset")->trigger();
    QVERIFY(QFile::exists(fx.program.home.file("save/cgset.zh")));
    f_zh->resetConditions();
    fx.clearMessages();
    child<QAction>(f_zh, "n_loadcgset")->trigger();
    QVERIFY(fx.messages().isEmpty());
    QCOMPARE(fx.conditions().list(2)->values, (std::vector<int32_t>{1, 4}));
    QCOMPARE(page<QLineEdit>("e_jsgs")->text(), QStringLiteral("1  4  "));
}

void ZhConditionsTest::reportsAreWrittenAndOpened() {
    Fixture fx;
    const QString report = fx.program.home.file("database/showcond.txt");
    // 大数个数 allows only 6 big numbers: the last draw of the history breaks it, so the marked report
    // filtered to wrong lines keeps it and the one filtered to right lines leaves it out.
    f_zh->conditionRow(1)->enableBox->setChecked(true);
    f_zh->conditionRow(1)->setValues({6});
    child<QAction>(f_zh, "n_showcond")->trigger();
    QVERIFY(fx.messages().isEmpty());
    QCOMPARE(QFileInfo(fx.program.platform.shell.requested.last()).canonicalFilePath(),
             QFileInfo(report).canonicalFilePath());
    QVERIFY(reportLines(report).contains(QStringLiteral("大数个数：6，")));

    const t_s_dm& store = workspace().MainStore;
    const int lastIssue = store.Row(store.Count()).fields[0];
    const struct {
        const char* radio;
        bool wrongListed;  // "错误 大数个数：6，"
        bool rightListed;  // "正确 可选红号：…" (every number is a candidate)
    } cases[] = {{"rb_onlywrong", true, false}, {"rb_onlyright", false, true}, {"rb_all", true, true}};
    for (const auto& c : cases) {
        QFile::remove(report);
        whenDialogShown("f_qh", [lastIssue](QDialog* d) {
            auto* issues = child<QComboBox>(d, "cb_qh");
            issues->setCurrentIndex(issues->findText(QString::number(lastIssue)));
            click(d, "b_ok");
        });
        whenDialogShown("f_condchoice", [&c](QDialog* d) {
            child<QRadioButton>(d, c.radio)->setChecked(true);
            click(d, "b_ok");
        });
        child<QAction>(f_zh, "n_condright")->trigger();
        QVERIFY2(QFile::exists(report), c.radio);
        const QStringList text = reportLines(report);
        QCOMPARE(text.contains(QStringLiteral("错误 大数个数：6，")), c.wrongListed);
        QCOMPARE(!text.filter(QRegularExpression("^正确 可选红号：")).isEmpty(), c.rightListed);
        QVERIFY(text.filter(QRegularExpression("^正确 大数个数")).isEmpty());
    }
}

void ZhConditionsTest::batchFilterRunsEachFileInTurn() {
    Fixture fx;
    const QString first = fx.program.home.file("save/first.zh");
    const QString second = fx.program.home.file("save/second.zh");
    plainConditions();
    f_zh->setCandidates(range(1, 10));
    f_zh->saveConditionsTo(first.toStdString());
    f_zh->setCandidates(range(2, 12));
    f_zh->saveConditionsTo(second.toStdString());
    f_zh->resetConditions();

    fx.files.answers = {first, second, fx.program.home.file("save/gone.zh")};
    whenDialogShown("f_groupfilter", [](QDialog* d) {
        for (int i = 0; i < 3; ++i) click(d, "b_addcond");
        // The third file is listed, then taken off again.
        auto* list = child<QListWidget>(d, "lb_files");
        list->setCurrentRow(2);
        click(d, "b_deletecond");
        QCOMPARE(list->count(), 2);
        click(d, "b_start");
    });
    child<QAction>(f_zh, "n_batchfilter")->trigger();
    QVERIFY(QTest::qWaitFor([] { return !f_zh->running(); }, 120000));
    QCOMPARE(fx.files.calls.first().title, QStringLiteral(" 加入过滤条件文件"));
    QCOMPARE(fx.files.calls.first().filter, QStringLiteral("过滤条件文件(*.zh)"));
    QCOMPARE(fx.messages(), QStringList{QStringLiteral("批量过滤完毕")});
    // First file: every combination of 1..10; the second, a continued run on those: the ones inside 2..10
    // (a new run would have given every combination of 2..12).
    QCOMPARE(f_zh->filter().results.count(), static_cast<int>(binomial(9, 6)));
    // The second file's conditions are the page's afterwards, and both runs are on the undo ring.
    QVERIFY(!fx.conditions().candidates[1] && fx.conditions().candidates[12]);
    QVERIFY(page<QCheckBox>("cb_notequaldist")->isChecked() == fx.conditions().notEqualDistance);
    QCOMPARE(f_zh->filter().undoRing.steps, 1);
    QVERIFY(page<QTabWidget>("pc_zhcond")->isEnabled());
}

void ZhConditionsTest::closingSavesTheExitFileAndDropsTheUndoFiles() {
    Fixture fx;
    plainConditions();
    f_zh->setCandidates(range(1, 7));
    QVERIFY(runAndWait());
    QVERIFY(runAndWait());
    const QString exitFile = fx.program.home.file("exitset.zh");
    QVERIFY(QFile::exists(fx.program.home.file("hfset0.zh")));
    QVERIFY(QFile::exists(fx.program.home.file("hfset1.zh")));
    f_zh->conditionRow(3)->enableBox->setChecked(true);
    f_zh->conditionRow(3)->setValues({2});
    f_main->close();
    QCOMPARE(QFileInfo(exitFile).size(), qint64{kMainConditionRecords} * kConditionRecordBytes);
    for (int k = 0; k < 5; ++k) QVERIFY(!QFile::exists(fx.program.home.file(QStringLiteral("hfset%1.zh").arg(k))));
    // The exit file holds the conditions of the moment the program closed.
    ConditionSet loaded;
    ConditionRecordImage image;
    QVERIFY(LoadConditions(exitFile.toStdString(), loaded, image, 33).found);
    QCOMPARE(loaded.list(3)->values, (std::vector<int32_t>{2}));
}

void ZhConditionsTest::controlsFitAt1024x768() {
    Fixture fx;
    f_main->showNormal();
    f_main->resize(1024, 768);
    mainAction("n_zh")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(f_main));
    const QString shots = qEnvironmentVariable("QORVEL_GRAB_DIR");
    // Every button and box of a view shows its whole caption.
    const auto checkFits = [&shots](QWidget* view) {
        QApplication::processEvents();
        for (QAbstractButton* b : view->findChildren<QAbstractButton*>()) {
            if (!b->isVisibleTo(view)) continue;
            QVERIFY2(b->width() >= b->minimumSizeHint().width(),
                     qPrintable(view->objectName() + "/" + b->objectName()));
        }
        if (!shots.isEmpty()) view->window()->grab().save(shots + "/" + view->objectName() + ".png");
    };
    auto* tabs = page<QTabWidget>("pc_zhcondpages");
    for (const char* name : {"ts_zh_selfcond", "ts_zh_wsset", "ts_zh_selfzb"}) {
        QWidget* tab = page<QWidget>(name);
        tabs->setCurrentWidget(tab);
        QVERIFY(tab->isVisible());
        checkFits(tab);
    }
    for (QDialog* d : QList<QDialog*>{f_selfcond, f_wsset, f_condchoice, f_groupfilter}) {
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QVERIFY2(d->width() <= 1024 && d->height() <= 768, qPrintable(d->objectName()));
        checkFits(d);
        d->hide();
    }
}

QTEST_MAIN(ZhConditionsTest)
#include "zh_conditions_test.moc"
