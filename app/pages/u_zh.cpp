#include "app/pages/u_zh.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QSplitter>
#include <QStyle>
#include <QThread>
#include <QHeaderView>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "app/app_state.h"
#include "draws/history_edit.h"
#include "app/pages/zh/zh_blue_tab.h"
#include "app/pages/zh/zh_dual_tab.h"
#include "app/pages/zh/zh_zone_tab.h"
#include "app/pages/zh/zh_condition_row.h"
#include "app/pages/zh/zh_custom_tab.h"
#include "app/pages/zh/zh_operations.h"
#include "app/pages/zh/zh_selfset_tab.h"
#include "app/pages/zh/zh_tailset_tab.h"
#include "app/pages/zh/zh_value_pickers.h"
#include "app/pages/zh/zh_result_grid.h"
#include "app/pages/zh/zh_results.h"
#include "combos/combo_filter.h"
#include "combos/dual_match.h"
#include "combos/special_conditions.h"
#include "combos/special_filter.h"
#include "combos/value_criteria.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr int kProgressPollMs = 200;
constexpr int kMinimumVisibleResultRows = 12;  // result rows the grid always shows
constexpr int kMemoHeight = 44;
const char* const kNotDrawnText = "未开奖期";
const char* const kBlueCustomExportedMessage =
    "过滤设置成功。该项过滤设置是在超强组号的蓝号过滤自定义指标中实现的，可在超强组号的蓝号过滤自定义指标的列表框中查看。";
const char* const kZoneCustomExportedMessage =
    "过滤设置成功。该项过滤设置是在超强组号的副区过滤自定义指标中实现的，可在超强组号的副区过滤自定义指标的列表框中查看。";

// Caption of each condition sub-page, in the order of ConditionPage.
constexpr const char* kConditionPageCaptions[] = {
    "常规1", "常规2", "常规3", "常规4", "振幅系列一", "振幅系列二", "线和",
    "线差", "余数", "和值系列一", "和值系列二", "和值系列三", "遗漏系列一", "遗漏系列二"};

}  // namespace

Tf_zh::Tf_zh(QWidget* parent)
    : QWidget(parent),
      filter_(std::make_unique<ComboFilter>(workspace())),
      specialConditions_(std::make_unique<SpecialConditionFiles>()),
      specialResults_(std::make_unique<SpecialResultSet>()),
      dualResults_(std::make_unique<DualResultSet>()) {
    setWindowTitle(QStringLiteral("超强组号"));
    filter_->resetAll();
    specialConditions_->blue.reset();
    specialConditions_->zone.reset(workspace().params);
    auto* layout = new QVBoxLayout(this);
    pc_zh = new QTabWidget(this);
    pc_zh->setObjectName("pc_zh");
    mainTab_ = buildMainTab();
    pc_zh->addTab(mainTab_, fromUtf8(workspace().MainLabel()) + QStringLiteral("过滤"));
    blueTab_ = new ZhBlueTab(*this, pc_zh);
    pc_zh->addTab(blueTab_, fromUtf8(workspace().SpecialLabel()) + QStringLiteral("过滤"));
    zoneTab_ = new ZhZoneTab(*this, pc_zh);
    pc_zh->addTab(zoneTab_, QStringLiteral("副区过滤"));
    dualTab_ = new ZhDualTab(*this, pc_zh);
    pc_zh->addTab(dualTab_, QStringLiteral("双区匹配"));
    layout->addWidget(pc_zh);
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(kProgressPollMs);
    connect(progressTimer_, &QTimer::timeout, this, [this] {
        const long long total = progressTotal_.load();
        if (total > 0)
            l_zh_status->setText(QString::fromUtf8(kRunningText) +
                                 QStringLiteral("  %1%").arg(progressDone_.load() * 100 / total));
    });
    refreshConditionControls();
    fillIssueList();
    showResultPage();
    wireValuePickers(*this);
    // A type with more special numbers than the special tabs can filter starts with them hidden; later
    // type changes to such a type leave the tabs as they are.
    SpecialTabVisibility tabs =
        specialTabVisibility(workspace().params.SpecialCount, workspace().SpecialLabel());
    for (std::optional<bool>* tab : {&tabs.specialFilter, &tabs.singleSpecialFilter, &tabs.dualZoneMatch})
        if (!tab->has_value()) *tab = false;
    applyTabVisibility(tabs);
}

Tf_zh::~Tf_zh() {
    if (!worker_) return;
    cancelRequested_ = true;
    filter_->requestCancel();
    worker_->wait();
}

void Tf_zh::cancelRunAndWait() {
    if (!worker_) return;
    cancelRequested_ = true;
    filter_->requestCancel();
    worker_->wait();
    finishRun();
}

QWidget* Tf_zh::buildMainTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(buildControls());
    auto* conditions = new QTabWidget(tab);
    conditions->setObjectName("pc_zhcond");
    conditions->addTab(buildConditionTabs(), QStringLiteral("过滤条件"));
    conditions->addTab(buildSwitches(), QStringLiteral("其它条件"));
    // The conditions and the result grid share the height; the grid keeps room for a dozen tickets.
    auto* splitter = new QSplitter(Qt::Vertical, tab);
    splitter->setObjectName("sp_zh");
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(conditions);
    splitter->addWidget(buildResults());
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    // Room for the header, the rows and a horizontal scroll bar, measured generously: the header has no
    // labels yet.
    const int rowHeight = sg_zqresult->verticalHeader()->defaultSectionSize();
    const int headerHeight = std::max(sg_zqresult->horizontalHeader()->sizeHint().height(), 2 * rowHeight);
    sg_zqresult->setMinimumHeight(headerHeight + kMinimumVisibleResultRows * rowHeight +
                                  sg_zqresult->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                  2 * sg_zqresult->frameWidth());
    layout->addWidget(splitter, 1);
    return tab;
}

QWidget* Tf_zh::buildControls() {
    auto* box = new QWidget(this);
    auto* grid = new QHBoxLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* numbers = new QFormLayout();
    b_zqkxhm = new QPushButton(QStringLiteral("可选号码"), box);
    b_zqkxhm->setObjectName("b_zqkxhm");
    m_zqkxhm = new QPlainTextEdit(box);
    m_zqkxhm->setObjectName("m_zqkxhm");
    b_zqdm = new QPushButton(QStringLiteral("主号胆码"), box);
    b_zqdm->setObjectName("b_zqdm");
    m_zqdm = new QPlainTextEdit(box);
    m_zqdm->setObjectName("m_zqdm");
    for (QPlainTextEdit* memo : {m_zqkxhm, m_zqdm}) {
        memo->setReadOnly(true);
        memo->setFixedHeight(kMemoHeight);
    }
    numbers->addRow(b_zqkxhm, m_zqkxhm);
    numbers->addRow(b_zqdm, m_zqdm);
    grid->addLayout(numbers, 3);

    auto* modes = new QGridLayout();
    rb_cgzh = new QRadioButton(QStringLiteral("常规组号"), box);
    rb_cgzh->setObjectName("rb_cgzh");
    rb_jxzh = new QRadioButton(QStringLiteral("机选组号"), box);
    rb_jxzh->setObjectName("rb_jxzh");
    me_jxzh = new QLineEdit(box);
    me_jxzh->setObjectName("me_jxzh");
    me_jxzh->setMaxLength(4);
    me_jxzh->setValidator(new QIntValidator(0, 9999, me_jxzh));
    rb_xzjz = new QRadioButton(QStringLiteral("旋转矩阵"), box);
    rb_xzjz->setObjectName("rb_xzjz");
    rb_xzjz->setEnabled(false);
    cb_xzjz = new QComboBox(box);
    cb_xzjz->setObjectName("cb_xzjz");
    cb_xzjz->addItems({QStringLiteral("中五保四"), QStringLiteral("中四保四")});
    cb_xzjz->setEnabled(false);
    auto* group = new QButtonGroup(box);
    for (QRadioButton* rb : {rb_cgzh, rb_jxzh, rb_xzjz}) group->addButton(rb);
    modes->addWidget(rb_cgzh, 0, 0);
    modes->addWidget(rb_jxzh, 1, 0);
    modes->addWidget(me_jxzh, 1, 1);
    modes->addWidget(rb_xzjz, 2, 0);
    modes->addWidget(cb_xzjz, 2, 1);
    grid->addLayout(modes, 1);

    auto* starts = new QGridLayout();
    b_filter = new QPushButton(box);
    b_filter->setObjectName("b_filter");
    b_xzsgl = new QPushButton(QStringLiteral("过滤后机选"), box);
    b_xzsgl->setObjectName("b_xzsgl");
    b_contfilter = new QPushButton(QStringLiteral("继续过滤"), box);
    b_contfilter->setObjectName("b_contfilter");
    b_cancelfilter = new QPushButton(QStringLiteral("取消"), box);
    b_cancelfilter->setObjectName("b_cancelfilter");
    b_cancelfilter->setEnabled(false);
    cb_glqh = new QComboBox(box);
    cb_glqh->setObjectName("cb_glqh");
    starts->addWidget(b_filter, 0, 0);
    starts->addWidget(b_xzsgl, 0, 1);
    starts->addWidget(b_contfilter, 1, 0);
    starts->addWidget(b_cancelfilter, 1, 1);
    starts->addWidget(new QLabel(QStringLiteral("设置过滤期号："), box), 2, 0);
    starts->addWidget(cb_glqh, 2, 1);
    operations_ = new ZhOperations(*this);
    starts->addWidget(operations_->b_glcz, 3, 0);
    grid->addLayout(starts, 1);

    connect(rb_cgzh, &QRadioButton::toggled, this, [this](bool on) { if (on) setMode(false); });
    connect(rb_jxzh, &QRadioButton::toggled, this, [this](bool on) { if (on) setMode(true); });
    connect(b_filter, &QPushButton::clicked, this, [this] { startRun(false, false); });
    connect(b_xzsgl, &QPushButton::clicked, this, [this] { startRun(false, true); });
    connect(b_contfilter, &QPushButton::clicked, this, [this] { startRun(true, false); });
    connect(b_cancelfilter, &QPushButton::clicked, this, [this] {
        cancelRequested_ = true;
        filter_->requestCancel();
    });
    rb_cgzh->setChecked(true);
    setMode(false);
    return box;
}

QWidget* Tf_zh::buildConditionTabs() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("pc_zhcondpages");
    std::vector<QVBoxLayout*> pages;
    for (const char* caption : kConditionPageCaptions) {
        auto* scroll = new QScrollArea(tabs);
        auto* inner = new QWidget(scroll);
        auto* column = new QVBoxLayout(inner);
        column->setSpacing(1);
        scroll->setWidget(inner);
        scroll->setWidgetResizable(true);
        tabs->addTab(scroll, QString::fromUtf8(caption));
        pages.push_back(column);
    }
    for (const ConditionInfo& info : conditionTable()) {
        auto* row = new ZhConditionRow(info, filter_->conditions, this);
        pages[static_cast<std::size_t>(info.page)]->addWidget(row);
        rows_.push_back(row);
    }
    for (QVBoxLayout* column : pages) column->addStretch();
    // The group and formula lists sit among the sub-pages: after the amplitude pages and at the end.
    const int afterAmplitudes = static_cast<int>(ConditionPage::Amplitude2) + 1;
    selfSetTab_ = new ZhSelfSetTab(filter_->conditions, tabs);
    tabs->insertTab(afterAmplitudes, selfSetTab_, QStringLiteral("自设条件"));
    tailSetTab_ = new ZhTailSetTab(filter_->conditions, tabs);
    tabs->insertTab(afterAmplitudes + 1, tailSetTab_, QStringLiteral("尾数设置"));
    customTab_ = new ZhCustomTab(filter_->conditions, tabs);
    tabs->addTab(customTab_, QStringLiteral("自定义指标"));
    return tabs;
}

QWidget* Tf_zh::buildSwitches() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    cb_notequaldist = new QCheckBox(QStringLiteral("去除等间距组合"), box);
    cb_notequaldist->setObjectName("cb_notequaldist");
    cb_specnext = new QCheckBox(QStringLiteral("去除特殊连号(全是连号或一组四连号以上)"), box);
    cb_specnext->setObjectName("cb_specnext");
    cb_nothistory = new QCheckBox(QStringLiteral("不允许所有主号与历史完全相同"), box);
    cb_nothistory->setObjectName("cb_nothistory");
    auto& c = filter_->conditions;
    connect(cb_notequaldist, &QCheckBox::toggled, this, [&c](bool on) { c.notEqualDistance = on; });
    connect(cb_specnext, &QCheckBox::toggled, this, [&c](bool on) { c.noSpecialRuns = on; });
    connect(cb_nothistory, &QCheckBox::toggled, this, [&c](bool on) { c.notHistory = on; });
    for (QCheckBox* cb : {cb_notequaldist, cb_specnext, cb_nothistory}) column->addWidget(cb);

    auto* tolerance = new QHBoxLayout();
    cb_rcnumlimit = new QCheckBox(QStringLiteral("总容错"), box);
    cb_rcnumlimit->setObjectName("cb_rcnumlimit");
    combo_rcnum_from = new QComboBox(box);
    combo_rcnum_from->setObjectName("combo_rcnum_from");
    combo_rcnum_to = new QComboBox(box);
    combo_rcnum_to->setObjectName("combo_rcnum_to");
    for (int v = 0; v <= kToleranceChoiceMax; ++v) {
        combo_rcnum_from->addItem(QString::number(v));
        combo_rcnum_to->addItem(QString::number(v));
    }
    connect(cb_rcnumlimit, &QCheckBox::toggled, this, [&c](bool on) { c.totalTolerance.enabled = on; });
    connect(combo_rcnum_from, &QComboBox::currentIndexChanged, this,
            [&c](int i) { c.totalTolerance.from = i; });
    connect(combo_rcnum_to, &QComboBox::currentIndexChanged, this, [&c](int i) { c.totalTolerance.to = i; });
    tolerance->addWidget(cb_rcnumlimit);
    tolerance->addWidget(combo_rcnum_from);
    tolerance->addWidget(new QLabel(QStringLiteral("至"), box));
    tolerance->addWidget(combo_rcnum_to);
    tolerance->addStretch();
    column->addLayout(tolerance);
    column->addStretch();
    return box;
}

QWidget* Tf_zh::buildResults() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    sg_zqresult = new QTableWidget(box);
    sg_zqresult->setObjectName("sg_zqresult");
    setUpResultGrid(sg_zqresult);
    column->addWidget(sg_zqresult, 1);
    auto* bar = new QHBoxLayout();
    l_zhgl_tzresult = new QLabel(box);
    l_zhgl_tzresult->setObjectName("l_zhgl_tzresult");
    l_zh_pageinfo = new QLabel(box);
    l_zh_pageinfo->setObjectName("l_zh_pageinfo");
    bar->addWidget(l_zhgl_tzresult);
    bar->addWidget(l_zh_pageinfo);
    bar->addStretch();
    const struct {
        QPushButton** button;
        const char* name;
        const char* caption;
    } paging[] = {{&b_zh_firstpage, "b_zh_firstpage", "首页"},
                  {&b_zh_priorpage, "b_zh_priorpage", "上页"},
                  {&b_zh_nextpage, "b_zh_nextpage", "下页"},
                  {&b_zh_lastpage, "b_zh_lastpage", "尾页"}};
    for (const auto& p : paging) {
        *p.button = new QPushButton(QString::fromUtf8(p.caption), box);
        (*p.button)->setObjectName(p.name);
        bar->addWidget(*p.button);
    }
    connect(b_zh_firstpage, &QPushButton::clicked, this, [this] { gotoPage(1); });
    connect(b_zh_priorpage, &QPushButton::clicked, this, [this] {
        if (filter_->currentPage > 1) gotoPage(filter_->currentPage - 1);
    });
    connect(b_zh_nextpage, &QPushButton::clicked, this, [this] {
        if (filter_->currentPage < resultPageCount(filter_->results.count())) gotoPage(filter_->currentPage + 1);
    });
    connect(b_zh_lastpage, &QPushButton::clicked, this,
            [this] { gotoPage(std::max(1, resultPageCount(filter_->results.count()))); });
    results_ = new ZhResults(*this);
    bar->addWidget(results_->b_jgcl);
    column->addLayout(bar);
    l_zh_status = new QLabel(box);
    l_zh_status->setObjectName("l_zh_status");
    column->addWidget(l_zh_status);
    return box;
}

void Tf_zh::setMode(bool random) {
    b_filter->setText(random ? QStringLiteral("机选组号") : QStringLiteral("常规过滤 "));
    b_xzsgl->setEnabled(random);
    me_jxzh->setEnabled(random);
    if (random) me_jxzh->setText(QStringLiteral("10"));
}

void Tf_zh::startRun(bool continued, bool afterFilter) {
    if (worker_) return;
    RunRequest request;
    request.randomMode = rb_jxzh->isChecked() && !continued;
    request.randomAfterFilter = afterFilter;
    const QString count = me_jxzh->text().trimmed();
    if (!count.isEmpty()) request.randomCount = count.toInt();
    const QString issue = cb_glqh->currentText();
    if (!issue.isEmpty() && issue != QString::fromUtf8(kNotDrawnText)) request.referenceIssue = issue.toInt();
    progressDone_ = 0;
    progressTotal_ = 0;
    cancelRequested_ = false;
    request.progress = [this, observer = progressObserver_](const RunProgress& p) {
        progressDone_ = p.done;
        progressTotal_ = p.total;
        if (observer) observer(p);
        return !cancelRequested_.load();
    };
    if (!continued) b_contfilter->setEnabled(true);
    l_zh_status->setText(QString::fromUtf8(continued ? kContinueStatusText : kRunStatusText));
    for (QPushButton* b : {b_filter, b_xzsgl, b_contfilter}) b->setEnabled(false);
    b_cancelfilter->setEnabled(true);
    outcome_ = std::make_unique<RunOutcome>();
    ComboFilter* f = filter_.get();
    RunOutcome* out = outcome_.get();
    std::vector<std::filesystem::path> batch = std::exchange(batchFiles_, {});
    batchRun_ = !batch.empty();
    // The run works on its own copy of the history, taken here on the thread that owns it.
    RunSnapshot snapshot = f->prepareRun();
    worker_ = QThread::create([f, out, request, continued, batch, snapshot] {
        if (!batch.empty()) *out = f->runBatch(batch, request, snapshot);
        else *out = continued ? f->ContinueRun(request, snapshot) : f->StartRun(request, snapshot);
    });
    // A run finished early by cancelRunAndWait may still deliver its signal after a newer run started.
    connect(worker_, &QThread::finished, this, [this, run = ++runSerial_] {
        if (run == runSerial_) finishRun();
    });
    progressTimer_->start();
    worker_->start();
}

void Tf_zh::finishRun() {
    if (!worker_) return;  // already finished by cancelRunAndWait before the thread's signal arrived
    progressTimer_->stop();
    worker_->deleteLater();
    worker_ = nullptr;
    b_cancelfilter->setEnabled(false);
    b_filter->setEnabled(true);
    b_xzsgl->setEnabled(rb_jxzh->isChecked());
    b_contfilter->setEnabled(filter_->continueEnabled || filter_->runDone);
    const RunOutcome outcome = *outcome_;
    if (std::exchange(batchRun_, false)) {
        refreshConditionControls();
        if (auto* conditions = findChild<QTabWidget*>("pc_zhcond")) conditions->setEnabled(true);
    }
    if (outcome.status == RunStatus::Completed) {
        filter_->currentPage = 1;
        showResultPage();
        l_zh_status->setText(QString::fromStdString(outcome.statusText.empty() ? filter_->resultStatusText()
                                                                                 : outcome.statusText));
    } else {
        l_zh_status->setText(QString::fromStdString(filter_->resultStatusText()));
    }
    if (!outcome.message.empty()) showMessage(QString::fromStdString(outcome.message), this);
}

void Tf_zh::gotoPage(int page) {
    filter_->currentPage = page;
    showResultPage();
}

void Tf_zh::showResultPage() {
    const ResultPage page = filter_->currentResultPage();
    const int count = filter_->results.count();
    l_zhgl_tzresult->setText(QString::fromStdString(resultCountLabel(count)));
    l_zh_pageinfo->setText(QString::fromStdString(resultPageLabel(page.page, page.pages)));
    fillResultGrid(sg_zqresult, page.headers, page.rows, workspace().params.MainCount);
}

void Tf_zh::refreshNumberMemos() {
    const int mainTo = workspace().params.MainTo;
    m_zqkxhm->setPlainText(QString::fromStdString(numbersFieldText(filter_->conditions.candidates, mainTo)));
    m_zqdm->setPlainText(QString::fromStdString(numbersFieldText(filter_->conditions.bankers, mainTo)));
}

void Tf_zh::refreshConditionControls() {
    for (ZhConditionRow* row : rows_) row->refresh();
    for (ZhListTab* tab : std::initializer_list<ZhListTab*>{selfSetTab_, tailSetTab_, customTab_}) tab->refresh();
    const auto& c = filter_->conditions;
    cb_notequaldist->setChecked(c.notEqualDistance);
    cb_specnext->setChecked(c.noSpecialRuns);
    cb_nothistory->setChecked(c.notHistory);
    cb_rcnumlimit->setChecked(c.totalTolerance.enabled);
    combo_rcnum_from->setCurrentIndex(c.totalTolerance.from);
    combo_rcnum_to->setCurrentIndex(c.totalTolerance.to);
    refreshNumberMemos();
}

void Tf_zh::fillIssueList() {
    cb_glqh->clear();
    const t_s_dm& store = workspace().MainStore;
    for (int r = 1; r <= store.Count(); ++r) {
        const int issue = store.Row(r).fields[0];
        if (isRealDrawIssue(issue)) cb_glqh->addItem(QString::number(issue));
    }
    cb_glqh->addItem(QString::fromUtf8(kNotDrawnText));
    cb_glqh->setCurrentIndex(cb_glqh->count() - 1);
}

void Tf_zh::resetConditions() {
    filter_->conditions.reset(workspace().params.MainTo);
    refreshConditionControls();
}

void Tf_zh::setCandidates(const std::vector<int>& numbers) {
    auto& flags = filter_->conditions.candidates;
    flags.fill(false);
    for (int n : numbers)
        if (n >= 1 && n <= kMaxMainNumber) flags[static_cast<std::size_t>(n)] = true;
    refreshNumberMemos();
}

void Tf_zh::setBankers(const std::vector<int>& numbers) {
    auto& flags = filter_->conditions.bankers;
    flags.fill(false);
    if (static_cast<int>(numbers.size()) > workspace().params.MainCount) {
        showMessage(QString::fromUtf8(kBankerOverflowMessage), this);
    } else {
        for (int n : numbers)
            if (n >= 1 && n <= kMaxMainNumber) flags[static_cast<std::size_t>(n)] = true;
    }
    refreshNumberMemos();
}

ZhConditionRow* Tf_zh::conditionRow(int id) const {
    for (ZhConditionRow* row : rows_)
        if (row->info().id == id) return row;
    return nullptr;
}

void Tf_zh::saveConditionsTo(const std::filesystem::path& path) {
    const std::string error = filter_->SaveConditions(path);
    if (!error.empty()) showMessage(QString::fromStdString(error), this);
}

void Tf_zh::loadConditionsFrom(const std::filesystem::path& path) {
    const ConditionLoad load = filter_->LoadConditions(path);
    refreshConditionControls();
    const std::string message = ComboFilter::loadMessage(load, path);
    if (!message.empty()) showMessage(QString::fromStdString(message), this);
}

void Tf_zh::saveExitConditions(const std::filesystem::path& path) {
    cancelRunAndWait();
    saveConditionsTo(path);
}

void Tf_zh::rebuildForType() {
    // A run of the previous type has nothing left to give the new one.
    cancelRunAndWait();
    filter_->resetAll();
    refreshConditionControls();
    fillIssueList();
    showResultPage();
    // The special range changes with the type: the special conditions and results start afresh.
    specialConditions_->blue.reset();
    specialConditions_->zone.reset(workspace().params);
    specialResults_->clear();
    dualResults_->clear();
    blueTab_->refreshForType();
    blueTab_->refresh();
    blueTab_->showResults();
    zoneTab_->refresh();
    zoneTab_->showResults();
    dualTab_->showNewSet();
    // Nothing of the previous type's runs is left to report.
    l_zh_status->clear();
    applyTypeTabs();
}

void Tf_zh::typeChanged(bool reloaded) {
    const Workspace& ws = workspace();
    if (reloaded) rebuildForType();
    applyTabVisibility(specialTabVisibility(ws.currentType().SpecialCount, ws.SpecialLabel()));
    setFilterTabCaptions(fromUtf8(ws.MainLabel()) + QStringLiteral("过滤"),
                         fromUtf8(ws.SpecialLabel()) + QStringLiteral("过滤"));
    refreshTypeParts();
}

void Tf_zh::historyChanged() { fillIssueList(); }

QWidget* Tf_zh::specialTab(ZhSpecialTab tab) const {
    switch (tab) {
        case ZhSpecialTab::SpecialFilter: return zoneTab_;
        case ZhSpecialTab::SingleSpecialFilter: return blueTab_;
        case ZhSpecialTab::DualZoneMatch: return dualTab_;
    }
    return nullptr;
}

void Tf_zh::setSpecialTabVisible(ZhSpecialTab tab, bool visible) {
    QWidget* page = specialTab(tab);
    const int index = page ? pc_zh->indexOf(page) : -1;
    if (index >= 0) pc_zh->setTabVisible(index, visible);
}

bool Tf_zh::specialTabVisible(ZhSpecialTab tab) const {
    QWidget* page = specialTab(tab);
    const int index = page ? pc_zh->indexOf(page) : -1;
    return index >= 0 && pc_zh->isTabVisible(index);
}

void Tf_zh::applyTypeTabs() {
    const Workspace& ws = workspace();
    applyTabVisibility(specialTabVisibility(ws.params.SpecialCount, ws.SpecialLabel()));
}

void Tf_zh::applyTabVisibility(const SpecialTabVisibility& tabs) {
    const std::pair<const std::optional<bool>&, ZhSpecialTab> zhTabs[] = {
        {tabs.specialFilter, ZhSpecialTab::SpecialFilter},
        {tabs.singleSpecialFilter, ZhSpecialTab::SingleSpecialFilter},
        {tabs.dualZoneMatch, ZhSpecialTab::DualZoneMatch},
    };
    for (const auto& [visible, tab] : zhTabs)
        if (visible) setSpecialTabVisible(tab, *visible);
}

void Tf_zh::refreshTypeParts() {
    fillIssueList();
    refreshNumberMemos();
}

void Tf_zh::setFilterTabCaptions(const QString& mainCaption, const QString& specialCaption) {
    pc_zh->setTabText(pc_zh->indexOf(mainTab_), mainCaption);
    pc_zh->setTabText(pc_zh->indexOf(blueTab_), specialCaption);
}

void Tf_zh::startBatch(std::vector<std::filesystem::path> files) {
    if (worker_ || files.empty()) return;
    batchFiles_ = std::move(files);
    // The batch loads conditions on the run thread, so they stay out of reach until it ends.
    if (auto* conditions = findChild<QTabWidget*>("pc_zhcond")) conditions->setEnabled(false);
    startRun(false, false);
}

bool Tf_zh::addforselfcond(const std::vector<int>& numbers) {
    const auto added = selfSetTab_->addThroughDialog(numbers);
    if (!added) return false;
    showMessage(QString::fromStdString(selfSetExportedMessage(*added)), this);
    selfSetTab_->switchBox->setChecked(true);
    return true;
}

bool Tf_zh::addforselfcond_ws(const std::vector<int>& digits) {
    const auto added = tailSetTab_->addThroughDialog(digits);
    if (!added) return false;
    showMessage(QString::fromStdString(tailSetExportedMessage(*added)), this);
    tailSetTab_->switchBox->setChecked(true);
    return true;
}

bool Tf_zh::addforselfzb(const QString& formula, int rangeStart, int rangeEnd, int currentValue) {
    const auto added = customTab_->addThroughPicker(formula, rangeStart, rangeEnd, currentValue);
    if (!added) return false;
    showMessage(QString::fromStdString(customExportedMessage(*added)), this);
    return true;
}

bool Tf_zh::addforspecialzb(const QString& formula, int rangeStart, int rangeEnd, int currentValue) {
    const int specialCount = workspace().params.SpecialCount;
    if (specialCount != 1 && specialCount != 2) return false;
    ZhCustomTab* tab = specialCount == 1 ? blueTab_->customTab() : zoneTab_->customTab();
    const auto added = tab->addThroughPicker(formula, rangeStart, rangeEnd, currentValue);
    if (!added) return false;
    showMessage(QString::fromUtf8(specialCount == 1 ? kBlueCustomExportedMessage : kZoneCustomExportedMessage), this);
    return true;
}

}  // namespace qorvel
