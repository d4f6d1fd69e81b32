// The dual-zone tab of the filter page and the popup of the special result set: matching the main and
// special result sets, random full tickets, the prize check through its dialog, result files, printing,
// editing tickets and groups and the forecast row — each driven through the controls and popup entries.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <set>

#include "app/dialogs/zh/u_dual_prize.h"
#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_dual_tab.h"
#include "app/pages/zh/zh_special_results.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "combos/combo_filter.h"
#include "combos/dual_match.h"
#include "combos/special_filter.h"
#include "text/gbk.h"
#include "types/lottery_type.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

using Numbers = std::vector<int>;

constexpr int kHistoryDraws = 12;
constexpr int kFirstIssue = 2021001;

// The game of slot 0 in a test: five of 1..35 with two of 1..12, or the default six of 1..33 with one of
// 1..16.
enum class Game { FiveAndTwo, SixAndOne };

// The draw of issue kFirstIssue + r in the five-and-two history.
Numbers fiveAndTwoDraw(int r) {
    return {1, 8, 15, 22, 29 + r % 6, 3, 11};
}

void prepare(const TestHome& home, Game game) {
    QDir().mkpath(home.file("database"));
    if (game == Game::SixAndOne) {
        writeDrawFile(home.file("database/basedata0.rec"), sampleDraws(kHistoryDraws));
        return;
    }
    LotteryTypeTable table = defaultLotteryTypeTable();
    LotteryType& five = table.slots[0];
    five.Name = "超级大乐透";
    five.MainCount = 5;
    five.MainTo = 35;
    five.SpecialCount = 2;
    five.SpecialTo = 12;
    QVERIFY(saveLotteryTypes(home.file("database/cps.typ").toStdString(), table).empty());
    DrawRows rows;
    for (int r = 0; r < kHistoryDraws; ++r) {
        Numbers draw = fiveAndTwoDraw(r);
        draw.insert(draw.begin(), kFirstIssue + r);
        rows.push_back(draw);
    }
    writeDrawFile(home.file("database/basedata0.rec"), rows);
}

// A started program with a short history of the game, empty result sets, the file dialogs answered by
// the test; `tab` is the page's dual tab.
struct DualFixture {
    explicit DualFixture(Game game = Game::FiveAndTwo)
        : program([game](const TestHome& home) { prepare(home, game); }) {
        previous = installPlatform(Platform{nullptr, &files, nullptr, nullptr});
        program.platform.messages.messages.clear();
        f_zh->filter().results.clear();
        f_zh->specialResults().clear();
        f_zh->dualResults().clear();
        tab = f_zh->dualTab();
        tab->showResults();
    }
    ~DualFixture() { installPlatform(Platform{nullptr, previous.files, nullptr, nullptr}); }

    QStringList messages() const { return program.platform.messages.texts(); }
    void clearMessages() { program.platform.messages.messages.clear(); }

    StartedProgram program;
    FileAnswers files;
    Platform previous;
    ZhDualTab* tab = nullptr;
};

void saveShot(QWidget* w, const char* name) {
    const QString dir = qEnvironmentVariable("QORVEL_ZHDUAL_SHOT");
    if (!dir.isEmpty()) w->grab().save(dir + "/" + name + ".png");
}

int mainCount() {
    return workspace().params.MainCount;
}
QString mainLabel() {
    return fromUtf8(workspace().MainLabel());
}
QString specialLabel() {
    return fromUtf8(workspace().SpecialLabel());
}
DualResultSet& dual() {
    return f_zh->dualResults();
}

// The first `count` main tickets in lexicographic order ({1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, ...).
void setMainResults(int count) {
    ResultSet& results = f_zh->filter().results;
    results.clear();
    const int n = mainCount(), top = workspace().params.MainTo;
    std::vector<int32_t> t(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) t[static_cast<std::size_t>(i)] = i + 1;
    for (int k = 0; k < count; ++k) {
        results.appendNumbers(t.data(), n);
        int i = n - 1;
        while (i >= 0 && t[static_cast<std::size_t>(i)] == top - (n - 1 - i)) --i;
        if (i < 0) break;
        ++t[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < n; ++j)
            t[static_cast<std::size_t>(j)] = t[static_cast<std::size_t>(j - 1)] + 1;
    }
}

Numbers mainTicket(int k) {
    const Combination& c = f_zh->filter().results.slot(k);
    return Numbers(c.bytes.begin(), c.bytes.begin() + mainCount());
}

// Special groups k = {k, k + 1} (one number per entry for a game with one special number).
void setSpecialResults(int count) {
    SpecialResultSet& specials = f_zh->specialResults();
    specials.clear();
    for (int k = 1; k <= count; ++k) specials.appendNumbers({k, k + 1});
}

Numbers specialGroup(int k) {
    const std::vector<int32_t> g = f_zh->specialResults().numbers(k, workspace().params.SpecialCount);
    return Numbers(g.begin(), g.end());
}

struct FullTicket {
    Numbers main;
    Numbers special;
    bool operator==(const FullTicket&) const = default;
};

FullTicket ticketAt(int k) {
    const DualTicket& t = dual().at(k);
    return {Numbers(t.main.begin(), t.main.end()), Numbers(t.special.begin(), t.special.end())};
}

std::vector<FullTicket> allTickets() {
    std::vector<FullTicket> out;
    for (int k = 1; k <= dual().count(); ++k) out.push_back(ticketAt(k));
    return out;
}

void setTickets(const std::vector<FullTicket>& tickets) {
    dual().clear();
    for (const FullTicket& t : tickets)
        dual().append({std::vector<int32_t>(t.main.begin(), t.main.end()),
                       std::vector<int32_t>(t.special.begin(), t.special.end()), 0});
}

QString cell(const ZhDualTab& tab, int row, int column) {
    return tab.sg_sqresult->model()->index(row, column).data().toString();
}

QStringList headers(const QAbstractItemModel* model) {
    QStringList out;
    for (int c = 0; c < model->columnCount(); ++c) out << model->headerData(c, Qt::Horizontal).toString();
    return out;
}

QString fieldText(const Numbers& numbers) {
    QStringList parts;
    for (int n : numbers) parts << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return parts.join('-');
}

// Presses a button as a click does. The tab lives on the page in a hidden window, where a mouse event
// would be placed by a layout that was never made.
void click(QWidget* parent, const char* name) { control<QPushButton>(parent, name)->click(); }

void typeInto(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->del();
    field->setCursorPosition(0);
    QTest::keyClicks(field, QString(text).remove('-'));
}

// Types the fields of the open ticket editor (an empty text leaves a field untouched; a missing field is
// skipped), presses OK, and cancels a dialog that stayed open.
struct EditorAnswer {
    QString caption;
    QString mainStart;
    QString specialStart;
    bool stayedOpen = false;
};
void answerTicketEditor(const QString& mainText, const QString& specialText, EditorAnswer* out) {
    whenModalShown([=](QDialog* dialog) {
        out->caption = dialog->windowTitle();
        auto* mainField = dialog->findChild<QLineEdit*>("me_zh");
        auto* specialField = dialog->findChild<QLineEdit*>("me_fq");
        if (mainField) out->mainStart = mainField->text();
        if (specialField) out->specialStart = specialField->text();
        if (mainField) typeInto(mainField, mainText);
        if (specialField) typeInto(specialField, specialText);
        saveShot(dialog, "ticket_editor");
        click(dialog, "b_ok");
        out->stayedOpen = dialog->isVisible();
        if (out->stayedOpen) click(dialog, "b_cancel");
    });
}

// Works the prize dialog: types the issue, records what the number fields then show, types the numbers
// given (empty: keeps what the issue filled in) and presses OK; a dialog still open is cancelled.
struct PrizeAnswer {
    QString caption;
    QString mainAfterIssue;
    QString specialAfterIssue;
    QString mainLabel;
    QString specialLabel;
    bool stayedOpen = false;
};
void answerPrizeDialog(const QString& issue, const QString& mainText, const QString& specialText,
                       PrizeAnswer* out) {
    whenModalShown([=](QDialog* dialog) {
        out->caption = dialog->windowTitle();
        out->mainLabel = control<QLabel>(dialog, "l_zq")->text();
        out->specialLabel = control<QLabel>(dialog, "l_fq")->text();
        auto* issueField = control<QLineEdit>(dialog, "me_djqs");
        auto* mainField = control<QLineEdit>(dialog, "me_zq");
        auto* specialField = control<QLineEdit>(dialog, "me_fq");
        issueField->setFocus();
        issueField->setCursorPosition(0);
        QTest::keyClicks(issueField, issue);
        out->mainAfterIssue = mainField->text();
        out->specialAfterIssue = specialField->text();
        if (!mainText.isNull()) typeInto(mainField, mainText);
        if (!specialText.isNull()) typeInto(specialField, specialText);
        saveShot(dialog, "prize_dialog");
        click(dialog, "b_ok");
        out->stayedOpen = dialog->isVisible();
        if (out->stayedOpen) click(dialog, "b_cancel");
    });
}

QStringList popupCaptions(const QMenu* menu) {
    QStringList captions;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) captions << a->text();
    return captions;
}

void trigger(QAction* action, const char* name) {
    if (!action) qFatal("missing popup entry %s", name);
    action->trigger();
}

// The forecast row's fields 1..count, or nothing when there is no forecast row.
std::optional<Numbers> forecastFields(int count) {
    const t_s_dm& store = workspace().MainStore;
    for (int r = 1; r <= store.Count(); ++r)
        if (store.Row(r).fields[0] == kForecastIssue)
            return Numbers(store.Row(r).fields.begin() + 1, store.Row(r).fields.begin() + 1 + count);
    return std::nullopt;
}

}  // namespace

class ZhDualTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void matchingPairsMainAndSpecialResults();
    void matchingRefusals();
    void randomTicketsFollowTheCountField();
    void prizeCheckFillsFromIssueAndSortsByLevel();
    void prizeDialogRefusesMalformedNumbers();
    void resultsSurviveSaveAndLoad();
    void printFileListsEveryTicket();
    void ticketsAreAddedModifiedAndDeleted();
    void entriesNeedASelectedRow();
    void forecastRowTakesTheSelectedTicket();
    void specialGroupPopupEditsTheSet();
    void singleSpecialPopupWritesTheForecastRow();
};

void ZhDualTest::matchingPairsMainAndSpecialResults() {
    DualFixture fx;
    const struct {
        const char* radio;
        int mains;
        int specials;
        int tickets;
    } cases[] = {
        {"rb_sxpp", 5, 2, 5},
        {"rb_sxpp", 300, 200, 300},
        {"rb_sjpp", 7, 3, 7},
        {"rb_qzhpp", 3, 4, 12},
    };
    for (const auto& c : cases) {
        const QString tag = QStringLiteral("%1 %2x%3").arg(c.radio).arg(c.mains).arg(c.specials);
        setMainResults(c.mains);
        setSpecialResults(c.specials);
        control<QRadioButton>(fx.tab, c.radio)->setChecked(true);
        click(fx.tab, "b_startpp");
        QVERIFY2(fx.messages().isEmpty(), qPrintable(tag));
        QCOMPARE(dual().count(), c.tickets);
        std::set<std::pair<Numbers, Numbers>> pairs;
        for (int k = 1; k <= dual().count(); ++k) {
            const FullTicket t = ticketAt(k);
            const QString at = tag + QStringLiteral(" ticket %1").arg(k);
            if (QString(c.radio) == "rb_qzhpp") {
                QVERIFY2(t.main == mainTicket((k - 1) / c.specials + 1), qPrintable(at));
                QVERIFY2(t.special == specialGroup((k - 1) % c.specials + 1), qPrintable(at));
            } else {
                QVERIFY2(t.main == mainTicket(k), qPrintable(at));
                if (QString(c.radio) == "rb_sxpp")
                    QVERIFY2(t.special == specialGroup((k - 1) % c.specials + 1), qPrintable(at));
                else
                    QVERIFY2(t.special.front() >= 1 && t.special.front() <= c.specials, qPrintable(at));
            }
            pairs.insert({t.main, t.special});
        }
        // Every ticket is a different pairing.
        QCOMPARE(static_cast<int>(pairs.size()), c.tickets);
        const QAbstractItemModel* grid = fx.tab->sg_sqresult->model();
        QCOMPARE(grid->rowCount(), c.tickets);
        QCOMPARE(headers(grid),
                 (QStringList{"序号"} << mainLabel() + "1" << mainLabel() + "2" << mainLabel() + "3"
                                      << mainLabel() + "4" << mainLabel() + "5" << specialLabel() + "1"
                                      << specialLabel() + "2"));
        QCOMPARE(cell(*fx.tab, 0, 0), QStringLiteral("第1条"));
        // Centred cells; the serial column and every number column, the special ones included, coloured.
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QModelIndex index = grid->index(0, column);
            QCOMPARE(index.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
            QCOMPARE(index.data(Qt::BackgroundRole).value<QColor>(),
                     column == 0 ? QColor(251, 232, 210) : QColor(206, 255, 255));
        }
        QCOMPARE(cell(*fx.tab, c.tickets - 1, 6),
                 QStringLiteral("%1").arg(ticketAt(c.tickets).special[0], 2, 10, QLatin1Char('0')));
        const QString status = QStringLiteral("超强组号  已得到双区组合数有%1个").arg(c.tickets);
        QCOMPARE(fx.tab->l_sqstatus->text(), status);
        QCOMPARE(f_main->statusText(), status);
    }
    // The sequential matching of five main and two special results alternates the groups.
    setMainResults(5);
    setSpecialResults(2);
    fx.tab->rb_sxpp->setChecked(true);
    click(fx.tab, "b_startpp");
    for (int k = 1; k <= 5; ++k) QCOMPARE(ticketAt(k).special, specialGroup(k % 2 == 1 ? 1 : 2));
    saveShot(fx.tab, "tab");
}

void ZhDualTest::matchingRefusals() {
    DualFixture fx;
    const QString noSpecials = specialLabel() + "没有过滤结果，请先得出" + specialLabel() + "过滤结果";
    const QString limit = QStringLiteral("双区组合后得到的注数不能超过50000条，请缩小过滤范围");
    const struct {
        const char* radio;
        int mains;
        int specials;
        QString message;
    } cases[] = {
        {"rb_qzhpp", 300, 200, limit},
        {"rb_sxpp", kMaxDualTickets + 1, 2, limit},
        {"rb_sxpp", 0, 2, QStringLiteral("主区没有过滤结果，请先在主区号码中得出过滤结果")},
        {"rb_qzhpp", 0, 0, QStringLiteral("主区没有过滤结果，请先在主区号码中得出过滤结果")},
        {"rb_sjpp", 4, 0, noSpecials},
    };
    // A refused matching keeps the tickets there were.
    const std::vector<FullTicket> before{{{1, 2, 3, 4, 5}, {1, 2}}, {{6, 7, 8, 9, 10}, {3, 4}}};
    setTickets(before);
    fx.tab->showResults();
    for (const auto& c : cases) {
        fx.clearMessages();
        setMainResults(c.mains);
        setSpecialResults(c.specials);
        control<QRadioButton>(fx.tab, c.radio)->setChecked(true);
        click(fx.tab, "b_startpp");
        QCOMPARE(fx.messages(), QStringList{c.message});
        QVERIFY(allTickets() == before);
        QCOMPARE(fx.tab->sg_sqresult->model()->rowCount(), 2);
    }
}

void ZhDualTest::randomTicketsFollowTheCountField() {
    DualFixture fx;
    QCOMPARE(fx.tab->me_jxzh2->text(), QStringLiteral("  10"));
    const struct {
        const char* text;
        int tickets;  // -1: refused
    } cases[] = {{"  10", 10}, {"", 10}, {" 3 ", 3}, {"0", -1}, {"50001", -1}};
    const TypeParams& p = workspace().params;
    for (const auto& c : cases) {
        fx.clearMessages();
        setTickets({{{1, 2, 3, 4, 5}, {1, 2}}});
        fx.tab->me_jxzh2->setText(QString::fromLatin1(c.text));
        click(fx.tab, "b_jxzh2");
        if (c.tickets < 0) {
            QCOMPARE(fx.messages(), QStringList{QStringLiteral("机选注数必须在1到50000之间")});
            QCOMPARE(dual().count(), 1);
            continue;
        }
        QVERIFY2(fx.messages().isEmpty(), c.text);
        QCOMPARE(dual().count(), c.tickets);
        for (const FullTicket& t : allTickets()) {
            QCOMPARE(static_cast<int>(t.main.size()), p.MainCount);
            QCOMPARE(static_cast<int>(t.special.size()), p.SpecialCount);
            QVERIFY(std::adjacent_find(t.main.begin(), t.main.end(), std::greater_equal<>()) == t.main.end());
            QVERIFY(std::adjacent_find(t.special.begin(), t.special.end(), std::greater_equal<>()) ==
                    t.special.end());
            QVERIFY(t.main.front() >= p.MainFrom && t.main.back() <= p.MainTo);
            QVERIFY(t.special.front() >= p.SpecialFrom && t.special.back() <= p.SpecialTo);
        }
        QCOMPARE(fx.tab->l_sqstatus->text(),
                 QStringLiteral("超强组号  已得到双区组合数有%1个").arg(c.tickets));
    }
}

void ZhDualTest::prizeCheckFillsFromIssueAndSortsByLevel() {
    DualFixture fx;
    // Issue kFirstIssue + 3 drew 01 08 15 22 32 + 03 11.
    const int issue = kFirstIssue + 3;
    const Numbers drawn = fiveAndTwoDraw(3);
    const std::vector<FullTicket> tickets{
        {{1, 8, 30, 33, 34}, {5, 6}},   // 2 + 0: no prize
        {{1, 8, 15, 22, 24}, {3, 12}},  // 4 + 1: fifth prize
        {{2, 4, 6, 9, 10}, {3, 11}},    // 0 + 2: eighth prize
        {{1, 8, 15, 22, 32}, {3, 11}},  // 5 + 2: first prize
    };
    setTickets(tickets);
    fx.tab->showResults();
    QCOMPARE(headers(fx.tab->sg_sqresult->model()).last(), specialLabel() + "2");

    PrizeAnswer answer;
    answerPrizeDialog(QString::number(issue), QString(), QString(), &answer);
    click(fx.tab, "b_dj");
    QVERIFY(!answer.stayedOpen);
    QVERIFY(fx.messages().isEmpty());
    QCOMPARE(answer.caption, QStringLiteral("对奖"));
    QCOMPARE(answer.mainLabel, mainLabel());
    QCOMPARE(answer.specialLabel, specialLabel());
    QCOMPARE(answer.mainAfterIssue, fieldText(Numbers(drawn.begin(), drawn.begin() + 5)));
    QCOMPARE(answer.specialAfterIssue, fieldText(Numbers(drawn.begin() + 5, drawn.end())));

    QVERIFY(allTickets() == (std::vector<FullTicket>{tickets[3], tickets[1], tickets[2], tickets[0]}));
    const QAbstractItemModel* grid = fx.tab->sg_sqresult->model();
    QCOMPARE(headers(grid).last(), QStringLiteral("中奖情况"));
    const int levelColumn = grid->columnCount() - 1;
    QStringList levels;
    for (int r = 0; r < grid->rowCount(); ++r) levels << cell(*fx.tab, r, levelColumn);
    QCOMPARE(levels, (QStringList{"一等奖", "五等奖", "八等奖", "未中奖"}));
    QCOMPARE(fx.tab->m_djjg->toPlainText(),
             QStringLiteral("一等奖:1个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:1个;六等奖:0个;七等奖:0个;"
                            "八等奖:1个;未中奖:1个"));

    saveShot(fx.tab, "tab_levels");
    // A ticket added while the levels are shown gets its level against the same winning numbers.
    EditorAnswer added;
    answerTicketEditor(QStringLiteral("32-22-15-08-01"), QStringLiteral("05-03"), &added);
    trigger(fx.tab->entry("mi_tjzh"), "mi_tjzh");
    QVERIFY(!added.stayedOpen);
    QCOMPARE(cell(*fx.tab, 4, levelColumn), QStringLiteral("二等奖"));

    // A new matching drops the level column and the summary.
    setMainResults(2);
    setSpecialResults(1);
    click(fx.tab, "b_startpp");
    QVERIFY(!headers(fx.tab->sg_sqresult->model()).contains(QStringLiteral("中奖情况")));
    QVERIFY(fx.tab->m_djjg->toPlainText().isEmpty());

    // An issue that was not drawn fills nothing; typed numbers are checked instead.
    setTickets({{{2, 4, 6, 9, 10}, {3, 11}}});
    answerPrizeDialog(QStringLiteral("2030001"), QStringLiteral("02-04-06-09-10"), QStringLiteral("01-05"),
                      &answer);
    click(fx.tab, "b_dj");
    QVERIFY(!answer.stayedOpen);
    QVERIFY(!answer.mainAfterIssue.contains(QRegularExpression("[0-9]")));
    QCOMPARE(cell(*fx.tab, 0, fx.tab->sg_sqresult->model()->columnCount() - 1), QStringLiteral("三等奖"));
}

void ZhDualTest::prizeDialogRefusesMalformedNumbers() {
    DualFixture fx;
    const std::vector<FullTicket> tickets{{{1, 2, 3, 4, 5}, {1, 2}}, {{6, 7, 8, 9, 10}, {3, 4}}};
    const QString mains = QStringLiteral("01-02-03-04-05");
    const QString specials = QStringLiteral("01-02");
    const struct {
        QString main;
        QString special;
        QString message;
    } cases[] = {
        {QStringLiteral("01-02-03-04"), specials, QStringLiteral("'' 不是有效的整数")},
        {QStringLiteral("01-02-03-04-36"), specials, mainLabel() + "必须在1到35之间"},
        {QStringLiteral("01-02-02-04-05"), specials, QStringLiteral("同一组号中的号码不能重复")},
        {mains, QStringLiteral("13-01"), specialLabel() + "必须在1到12之间"},
        {mains, QStringLiteral("04-04"), QStringLiteral("同一组号中的号码不能重复")},
        {mains, QStringLiteral(""), QStringLiteral("请输入") + specialLabel()},
        {QStringLiteral(""), specials, QStringLiteral("请输入") + mainLabel()},
    };
    for (const auto& c : cases) {
        fx.clearMessages();
        setTickets(tickets);
        fx.tab->showResults();
        PrizeAnswer answer;
        answerPrizeDialog(QString(), c.main, c.special, &answer);
        click(fx.tab, "b_dj");
        QVERIFY2(answer.stayedOpen, qPrintable(c.message));
        QCOMPARE(fx.messages(), QStringList{c.message});
        QVERIFY(allTickets() == tickets);
        QVERIFY(!headers(fx.tab->sg_sqresult->model()).contains(QStringLiteral("中奖情况")));
        QVERIFY(fx.tab->m_djjg->toPlainText().isEmpty());
    }
    // With no tickets there is nothing to check and no dialog.
    fx.clearMessages();
    dual().clear();
    click(fx.tab, "b_dj");
    QCOMPARE(fx.messages(), QStringList{QStringLiteral("没有双区组号，请先匹配或机选组号")});
}

void ZhDualTest::resultsSurviveSaveAndLoad() {
    DualFixture fx;
    const std::vector<FullTicket> tickets{{{3, 9, 17, 25, 33}, {2, 12}}, {{1, 2, 3, 4, 35}, {1, 7}}};
    setTickets(tickets);
    fx.tab->showResults();
    const QString file = fx.program.home.file("dual");
    fx.files.answers << file;
    trigger(fx.tab->entry("mi_bczh"), "mi_bczh");
    QVERIFY(fx.messages().isEmpty());
    QCOMPARE(fileBytes(file + ".txt"), QByteArray("03 09 17 25 33 02 12 \r\n01 02 03 04 35 01 07 \r\n"));

    setTickets({});
    fx.files.answers << file + ".txt";
    trigger(fx.tab->entry("mi_zrzh"), "mi_zrzh");
    QVERIFY(fx.messages().isEmpty());
    QVERIFY(allTickets() == tickets);
    QCOMPARE(fx.tab->sg_sqresult->model()->rowCount(), 2);
    QCOMPARE(fx.tab->l_sqstatus->text(), QStringLiteral("超强组号  已得到双区组合数有2个"));
    QCOMPARE(fx.files.titles, (QStringList{"保存双区组号结果", " 打开双区组号结果存储文件"}));
    QCOMPARE(fx.files.filters, (QStringList{"双区组号结果文件(*.txt)", "双区组号结果文件(*.txt)"}));

    // A missing file leaves the tickets as they are.
    fx.files.answers << fx.program.home.file("missing.txt");
    trigger(fx.tab->entry("mi_zrzh"), "mi_zrzh");
    QCOMPARE(fx.messages().size(), 1);
    QVERIFY(allTickets() == tickets);
}

void ZhDualTest::printFileListsEveryTicket() {
    DualFixture fx;
    setTickets({{{3, 9, 17, 25, 33}, {2, 12}}, {{1, 2, 3, 4, 35}, {1, 7}}});
    click(fx.tab, "b_dy");
    const QString file = fx.program.home.file("temppadnote.txt");
    QCOMPARE(fx.program.platform.shell.requested, QStringList{file});
    QStringList lines = fromUtf8(gbkToUtf8(fileBytes(file).toStdString())).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.last(), QString());
    lines.removeLast();
    // No header: one line per ticket, the label in twelve columns (a Chinese character takes two), then
    // each number after six spaces.
    QCOMPARE(
        lines,
        (QStringList{
            QStringLiteral("第1条       ") + "      03      09      17      25      33      02      12",
            QStringLiteral("第2条       ") + "      01      02      03      04      35      01      07"}));
}

void ZhDualTest::ticketsAreAddedModifiedAndDeleted() {
    DualFixture fx;
    const std::vector<FullTicket> before{{{1, 2, 3, 4, 5}, {1, 2}}, {{6, 7, 8, 9, 10}, {3, 4}}};
    setTickets(before);
    fx.tab->showResults();

    EditorAnswer answer;
    answerTicketEditor(QStringLiteral("33-05-21-09-14"), QStringLiteral("12-03"), &answer);
    trigger(fx.tab->entry("mi_tjzh"), "mi_tjzh");
    QVERIFY(!answer.stayedOpen);
    QCOMPARE(answer.caption, QStringLiteral("添加组号"));
    QCOMPARE(dual().count(), 3);
    QVERIFY(ticketAt(3) == (FullTicket{{5, 9, 14, 21, 33}, {3, 12}}));
    QCOMPARE(fx.tab->sg_sqresult->selectionModel()->selectedRows().first().row(), 2);
    QCOMPARE(fx.tab->l_sqstatus->text(), QStringLiteral("超强组号  已得到双区组合数有3个"));

    fx.tab->sg_sqresult->selectRow(1);
    answerTicketEditor(QStringLiteral("11-12-13-14-15"), QStringLiteral("05-06"), &answer);
    trigger(fx.tab->entry("mi_xgzh"), "mi_xgzh");
    QVERIFY(!answer.stayedOpen);
    QCOMPARE(answer.caption, QStringLiteral("修改组号"));
    QCOMPARE(answer.mainStart, QStringLiteral("06-07-08-09-10"));
    QCOMPARE(answer.specialStart, QStringLiteral("03-04"));
    QVERIFY(ticketAt(2) == (FullTicket{{11, 12, 13, 14, 15}, {5, 6}}));
    QCOMPARE(cell(*fx.tab, 1, 1), QStringLiteral("11"));

    // Empty or wrong fields keep the editor open and the ticket as it was.
    const struct {
        QString main;
        QString special;
        QString message;
    } bad[] = {
        {QStringLiteral(""), QStringLiteral("01-02"), QStringLiteral("不能为空")},
        {QStringLiteral("01-02-03-04-05"), QStringLiteral(""), QStringLiteral("不能为空")},
        {QStringLiteral("01-02-03-04-05"), QStringLiteral("00-02"), specialLabel() + "必须在1到12之间"},
    };
    for (const auto& c : bad) {
        fx.clearMessages();
        fx.tab->sg_sqresult->selectRow(1);
        answerTicketEditor(c.main, c.special, &answer);
        trigger(fx.tab->entry("mi_xgzh"), "mi_xgzh");
        QVERIFY2(answer.stayedOpen, qPrintable(c.message));
        QCOMPARE(fx.messages(), QStringList{c.message});
        QVERIFY(ticketAt(2) == (FullTicket{{11, 12, 13, 14, 15}, {5, 6}}));
    }

    fx.tab->sg_sqresult->selectRow(0);
    trigger(fx.tab->entry("mi_sczh"), "mi_sczh");
    QVERIFY(allTickets() ==
            (std::vector<FullTicket>{{{11, 12, 13, 14, 15}, {5, 6}}, {{5, 9, 14, 21, 33}, {3, 12}}}));
    QCOMPARE(fx.tab->sg_sqresult->model()->rowCount(), 2);
    QCOMPARE(cell(*fx.tab, 0, 0), QStringLiteral("第1条"));
    QCOMPARE(fx.tab->l_sqstatus->text(), QStringLiteral("超强组号  已得到双区组合数有2个"));
}

void ZhDualTest::entriesNeedASelectedRow() {
    DualFixture fx;
    const std::vector<FullTicket> before{{{1, 2, 3, 4, 5}, {1, 2}}};
    setTickets(before);
    fx.tab->showResults();
    fx.tab->sg_sqresult->clearSelection();
    QCOMPARE(popupCaptions(fx.tab->pm_sqresult),
             (QStringList{"加到预测区", "清除预测区", "保存组号", "载入组号", "添加组号", "删除组号",
                          "修改组号"}));
    const struct {
        const char* entry;
        const char* message;
    } cases[] = {{"mi_jdycq", "请先在上边的列表中选择一组号码"},
                 {"mi_sczh", "请先在上边的列表中选择一组需要删除的号码"},
                 {"mi_xgzh", "请先在上边的列表中选择一组需要修改的号码"}};
    const int draws = workspace().MainStore.Count();
    for (const auto& c : cases) {
        fx.clearMessages();
        trigger(fx.tab->entry(c.entry), c.entry);
        QCOMPARE(fx.messages(), QStringList{QString::fromUtf8(c.message)});
        QVERIFY(allTickets() == before);
        QCOMPARE(workspace().MainStore.Count(), draws);
    }
}

void ZhDualTest::forecastRowTakesTheSelectedTicket() {
    DualFixture fx;
    setTickets({{{1, 2, 3, 4, 5}, {1, 2}}, {{3, 9, 17, 25, 33}, {2, 12}}});
    fx.tab->showResults();
    t_s_dm& store = workspace().MainStore;
    const int draws = store.Count();
    store.SetRecNo(4);
    fx.tab->sg_sqresult->selectRow(1);
    trigger(fx.tab->entry("mi_jdycq"), "mi_jdycq");
    QVERIFY(fx.messages().isEmpty());
    QCOMPARE(store.Count(), draws + 1);
    QCOMPARE(forecastFields(7).value_or(Numbers{}), (Numbers{3, 9, 17, 25, 33, 2, 12}));
    trigger(fx.tab->entry("mi_qcycq"), "mi_qcycq");
    QCOMPARE(store.Count(), draws);
    QVERIFY(!forecastFields(7));
    QCOMPARE(store.RecNo(), 4);
}

void ZhDualTest::specialGroupPopupEditsTheSet() {
    DualFixture fx;
    // A grid the way the group tab shows the set, redrawn whenever the popup changes it.
    QTableWidget grid(0, 3);
    int redraws = 0;
    const auto redraw = [&] {
        ++redraws;
        const SpecialResultGrid g = specialResultGrid(f_zh->specialResults(), 2);
        grid.setRowCount(static_cast<int>(g.rows.size()));
        for (int r = 0; r < grid.rowCount(); ++r)
            for (int c = 0; c < 3; ++c) grid.setItem(r, c, new QTableWidgetItem(fromUtf8(g.rows[r][c])));
    };
    ZhSpecialResults popup(*f_zh, &grid, true, redraw);
    setSpecialResults(2);
    redraw();
    redraws = 0;
    QCOMPARE(popupCaptions(popup.pm_fqresult), (QStringList{"加到预测区", "清除预测区", "保存组号",
                                                            "载入组号", "添加组号", "删除组号", "修改组号"}));

    // Nothing selected: each entry that needs a row says so and changes nothing.
    grid.clearSelection();
    const struct {
        const char* entry;
        const char* message;
    } unselected[] = {{"mi_jdycq", "请先在上边的列表中选择一组号码"},
                      {"mi_sczh", "请先在上边的列表中选择一组需要删除的号码"},
                      {"mi_xgzh", "请先在上边的列表中选择一组需要修改的号码"}};
    for (const auto& c : unselected) {
        fx.clearMessages();
        trigger(popup.entry(c.entry), c.entry);
        QCOMPARE(fx.messages(), QStringList{QString::fromUtf8(c.message)});
    }
    QCOMPARE(redraws, 0);
    QVERIFY(!forecastFields(7));

    EditorAnswer answer;
    answerTicketEditor(QString(), QStringLiteral("09-04"), &answer);
    trigger(popup.entry("mi_tjzh"), "mi_tjzh");
    QVERIFY(!answer.stayedOpen);
    QCOMPARE(specialGroup(3), (Numbers{4, 9}));
    QCOMPARE(grid.rowCount(), 3);
    QCOMPARE(grid.item(2, 1)->text(), QStringLiteral("04"));

    grid.selectRow(0);
    answerTicketEditor(QString(), QStringLiteral("07-11"), &answer);
    trigger(popup.entry("mi_xgzh"), "mi_xgzh");
    QCOMPARE(answer.caption, QStringLiteral("修改副区组号"));
    QCOMPARE(answer.specialStart, QStringLiteral("01-02"));
    QCOMPARE(specialGroup(1), (Numbers{7, 11}));

    // The group of the selected row goes into the forecast row's special fields.
    grid.selectRow(2);
    trigger(popup.entry("mi_jdycq"), "mi_jdycq");
    QCOMPARE(forecastFields(7).value_or(Numbers{}), (Numbers{0, 0, 0, 0, 0, 4, 9}));
    trigger(popup.entry("mi_qcycq"), "mi_qcycq");
    QVERIFY(!forecastFields(7));

    grid.selectRow(1);
    trigger(popup.entry("mi_sczh"), "mi_sczh");
    QCOMPARE(f_zh->specialResults().count(), 2);
    QCOMPARE(specialGroup(2), (Numbers{4, 9}));
    QCOMPARE(grid.rowCount(), 2);
    QCOMPARE(redraws, 3);

    // Saved and loaded again the groups come back in order.
    const QString file = fx.program.home.file("groups.txt");
    fx.files.answers << file << file;
    trigger(popup.entry("mi_bczh"), "mi_bczh");
    f_zh->specialResults().clear();
    trigger(popup.entry("mi_zrzh"), "mi_zrzh");
    QCOMPARE(specialGroup(1), (Numbers{7, 11}));
    QCOMPARE(specialGroup(2), (Numbers{4, 9}));
    QCOMPARE(fx.files.titles, (QStringList{"保存副区组号结果", " 打开副区组号结果存储文件"}));
}

void ZhDualTest::singleSpecialPopupWritesTheForecastRow() {
    DualFixture fx(Game::SixAndOne);
    QListWidget list;
    ZhSpecialResults popup(*f_zh, &list, false, [] {});
    for (int n : {3, 8, 15}) {
        f_zh->specialResults().appendNumbers({n});
        list.addItem(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
    }
    QCOMPARE(popupCaptions(popup.pm_fqresult), (QStringList{"加到预测区", "清除预测区"}));
    QVERIFY(!popup.entry("mi_tjzh"));

    list.setCurrentRow(1);
    trigger(popup.entry("mi_jdycq"), "mi_jdycq");
    QVERIFY(fx.messages().isEmpty());
    QCOMPARE(forecastFields(7).value_or(Numbers{}), (Numbers{0, 0, 0, 0, 0, 0, 8}));
    // A second number replaces the first in the same row.
    list.setCurrentRow(2);
    trigger(popup.entry("mi_jdycq"), "mi_jdycq");
    QCOMPARE(forecastFields(7).value_or(Numbers{}), (Numbers{0, 0, 0, 0, 0, 0, 15}));
    trigger(popup.entry("mi_qcycq"), "mi_qcycq");
    QVERIFY(!forecastFields(7));
}

QTEST_MAIN(ZhDualTest)
#include "zh_dual_test.moc"
