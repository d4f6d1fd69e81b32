#include "app/pages/tdsh/tdsh_sub_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/tdsh/u_collectgs.h"
#include "app/dialogs/tdsh/u_fazh.h"
#include "app/dialogs/tdsh/u_scfa.h"
#include "app/dialogs/tdsh/u_searchgs.h"
#include "app/dialogs/tdsh/u_selfsh_set.h"
#include "app/dialogs/u_fzsr.h"
#include "app/pages/tdsh/kill_grid_model.h"
#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_selfset_tab.h"
#include "killbanker/kill_page_actions.h"
#include "ui/pass_progress.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr const char* kSchemeCaptions[kSchemesPerFormulaSet] = {"方案一", "方案二", "方案三", "方案四", "方案五",
                                                                "方案六", "方案七", "方案八", "方案九", "方案十"};
constexpr const char* kSaveFolder = "save";
constexpr const char* kNoCustomSet = "请先载入自定义杀号";
constexpr const char* kNoRunYet = "请先开始分析";
constexpr const char* kNoRowChosen = "请先在表格中点选一行";
constexpr const char* kFilterBusy = "正在过滤，请等过滤结束后再转至过滤";
constexpr const char* kSaveCustomTitle = "保存自定义杀号存储文件";
constexpr const char* kFrequencyTitle = "当前行频率统计";
constexpr int kMemoWidth = 180;
constexpr int kProgressRepaintRows = 64;
constexpr int kWidthSampleRows = 100;

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QComboBox* makeCombo(QWidget* parent, const QString& name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    return c;
}

QLabel* label(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

}  // namespace

TdshSubPage::TdshSubPage(KillPage page, FormulaSet* set, QWidget* parent)
    : QWidget(parent), model_(workspace(), page, set) {
    setObjectName(name("p_"));
    buildControls();
    layOut();
    connectReactions();
    model_.setProgress([this](int row, int rows) {
        pb->setMaximum(rows);
        pb->setValue(row);
        if (row % kProgressRepaintRows == 0 || row == rows) pb->repaint();
        return !passStep_ || passStep_(row, rows);
    });
    resetControls();
}

QString TdshSubPage::name(const char* prefix, const char* suffix) const {
    return QString::fromUtf8(prefix) + QString::fromUtf8(model_.info().code.data(), int(model_.info().code.size())) +
           QString::fromUtf8(suffix);
}

const KillGrid& TdshSubPage::shownGrid() const { return gridModel_->grid(); }

void TdshSubPage::buildControls() {
    const KillPageInfo& info = model_.info();
    const char* kind = info.banker ? "提胆" : "杀号";
    sg = new QTableView(this);
    sg->setObjectName(name("sg_"));
    gridModel_ = new KillGridModel(sg);
    sg->setModel(gridModel_);
    sg->setItemDelegate(new KillListDelegate(*gridModel_, sg));
    sg->horizontalHeader()->hide();
    sg->verticalHeader()->hide();
    sg->verticalHeader()->setDefaultSectionSize(sg->fontMetrics().height() + 6);
    sg->setSelectionMode(QAbstractItemView::NoSelection);
    sg->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg->setWordWrap(false);
    // Column widths come from the first rows; measuring thousands of rows would double a run's time.
    sg->horizontalHeader()->setResizeContentsPrecision(kWidthSampleRows);

    cb_fa = makeCombo(this, name("cb_", "_fa"));
    for (const char* caption : kSchemeCaptions) cb_fa->addItem(QString::fromUtf8(caption));
    cb_gsgs = makeCombo(this, name("cb_", "_gsgs"));
    for (int k = 1; k <= info.capacity; ++k) cb_gsgs->addItem(QString::number(k));
    cb_shgs = makeCombo(this, name("cb_", "_shgs"));
    e_gs = new QLineEdit(this);
    e_gs->setObjectName(name("e_"));
    b_save = makeButton(this, name("b_", "_save"), QStringLiteral("确认修改"));
    Button5 = makeButton(this, "Button5", QStringLiteral("辅助输入"));
    cb_qsq = makeCombo(this, name("cb_", "_qsq"));
    cb_lbxs = makeCombo(this, name("cb_", "_lbxs"));
    for (std::string_view caption : kListDisplayCaptions)
        cb_lbxs->addItem(QString::fromUtf8(caption.data(), int(caption.size())));
    b_start = makeButton(this, name("b_", "_start"), QStringLiteral("开始分析"));
    m_hm = new QPlainTextEdit(this);
    m_hm->setObjectName(name("m_", "_hm"));
    m_hm->setReadOnly(true);
    pb = new QProgressBar(this);
    pb->setObjectName(name("pb_"));
    pb->setTextVisible(false);
    pb->setValue(0);
    b_dcshsj = makeButton(this, name("b_", "_dcshsj"),
                          QString::fromUtf8(info.banker ? "导出定胆数据" : "导出杀号数据"));
    b_dr = makeButton(this, name("b_", "_dr"), QStringLiteral("导入公式文件"));
    b_savegsz = makeButton(this, name("b_", "_savegsz"), QStringLiteral("保存公式组"));
    b_collectgs = makeButton(this, name("b_", "_collectgs"), QStringLiteral("收集当前公式"));
    b_gsss = makeButton(this, name("b_", "_gsss"),
                        QString::fromUtf8(info.page == KillPage::SpecialKill ? "更优公式搜索" : "单个公式搜索"));
    b_rebuildfa = makeButton(this, name("b_", "_rebuildfa"), QStringLiteral("优化当前方案"));
    b_sort_1 = makeButton(this, name("b_", "_sort_1"), QStringLiteral("更多操作"));
    pm_more = new QMenu(b_sort_1);
    pm_more->setObjectName(name("pm_", "_more"));
    pm_more->addAction(QStringLiteral("方案综合"), this, &TdshSubPage::openSynthesis)->setObjectName("mi_fazh");
    pm_more->addAction(QStringLiteral("当前行频率统计"), this, &TdshSubPage::showRowFrequencies)
        ->setObjectName("mi_rowfreq");
    pm_more->addAction(QStringLiteral("公式按准确率排序"), this, &TdshSubPage::sortByRate)->setObjectName("mi_sortrate");
    pm_more->addAction(QStringLiteral("公式按频率排序"), this, &TdshSubPage::sortByDrawnValue)
        ->setObjectName("mi_sortfreq");
    b_sort_1->setMenu(pm_more);
    b_convtocond = makeButton(this, name("b_", "_convtocond"), QStringLiteral("预测转至过滤"));
    b_convtocond->setEnabled(false);
    (void)kind;
}

QWidget* TdshSubPage::buildCustomRow() {
    auto* row = new QWidget(this);
    b_selfsh_load = makeButton(row, "b_selfsh_load", QStringLiteral("载入自定义杀号"));
    b_selfgs_gene = makeButton(row, "b_selfgs_gene", QStringLiteral("产生自定义杀号"));
    e_selfsh_zb = new QLineEdit(row);
    e_selfsh_zb->setObjectName("e_selfsh_zb");
    e_qzfrom = new QLineEdit(row);
    e_qzfrom->setObjectName("e_qzfrom");
    e_qzto = new QLineEdit(row);
    e_qzto->setObjectName("e_qzto");
    for (QLineEdit* e : {e_selfsh_zb, e_qzfrom, e_qzto}) e->setReadOnly(true);
    for (QLineEdit* e : {e_qzfrom, e_qzto}) e->setFixedWidth(e->fontMetrics().horizontalAdvance("00000") + 12);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addWidget(label("要杀号的指标:", row));
    h->addWidget(e_selfsh_zb, 1);
    h->addWidget(e_qzfrom);
    h->addWidget(label("<=指标取值范围<=", row));
    h->addWidget(e_qzto);
    h->addWidget(b_selfsh_load);
    h->addWidget(b_selfgs_gene);
    return row;
}

void TdshSubPage::layOut() {
    const char* kind = model_.info().banker ? "提胆" : "杀号";
    auto* top = new QHBoxLayout;
    top->addWidget(label("当前方案", this));
    top->addWidget(cb_fa);
    top->addWidget(new QLabel(QStringLiteral("可用%1公式个数").arg(QString::fromUtf8(kind)), this));
    top->addWidget(cb_gsgs);
    top->addWidget(new QLabel(QStringLiteral("%1公式序号").arg(QString::fromUtf8(kind)), this));
    top->addWidget(cb_shgs);
    top->addWidget(e_gs, 1);
    top->addWidget(b_save);
    top->addWidget(Button5);
    auto* second = new QHBoxLayout;
    second->addWidget(label("起始期", this));
    second->addWidget(cb_qsq);
    second->addWidget(cb_lbxs);
    second->addWidget(b_start);
    second->addStretch();
    second->addWidget(b_convtocond);

    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addLayout(second);
    if (page() == KillPage::CustomKill) left->addWidget(buildCustomRow());
    left->addWidget(sg, 1);
    left->addWidget(pb);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("%1列表").arg(QString::fromUtf8(kind)), this));
    right->addWidget(m_hm, 1);
    for (QPushButton* b : {b_dcshsj, b_dr, b_savegsz, b_collectgs, b_gsss, b_rebuildfa, b_sort_1}) right->addWidget(b);
    m_hm->setFixedWidth(kMemoWidth);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
}

void TdshSubPage::connectReactions() {
    const auto changed = [this](auto action) {
        return [this, action](int index) {
            if (syncing_ || index < 0) return;
            action(index);
        };
    };
    connect(cb_fa, &QComboBox::currentIndexChanged, this, changed([this](int i) {
                model_.setScheme(i + 1);
                showCurrentFormula();
                run();
            }));
    connect(cb_gsgs, &QComboBox::currentIndexChanged, this, changed([this](int i) {
                model_.setFormulaCount(i + 1);
                fillFormulaIndices();
                showCurrentFormula();
                run();
            }));
    connect(cb_shgs, &QComboBox::currentIndexChanged, this, changed([this](int i) {
                model_.setIndex(i + 1);
                showCurrentFormula();
            }));
    connect(cb_qsq, &QComboBox::currentIndexChanged, this, changed([this](int) {
                model_.setStartIssue(cb_qsq->currentText().toInt());
                run();
            }));
    connect(cb_lbxs, &QComboBox::currentIndexChanged, this, changed([this](int i) {
                model_.setDisplay(static_cast<ListDisplay>(i));
                run();
            }));
    connect(b_save, &QPushButton::clicked, this, &TdshSubPage::confirmEdit);
    connect(Button5, &QPushButton::clicked, this, [this] { assistedInputDialog().fillLineEdit(e_gs); });
    connect(b_start, &QPushButton::clicked, this, &TdshSubPage::run);
    connect(b_dcshsj, &QPushButton::clicked, this, &TdshSubPage::exportData);
    connect(b_dr, &QPushButton::clicked, this, &TdshSubPage::importFormulas);
    connect(b_savegsz, &QPushButton::clicked, this, &TdshSubPage::saveGroup);
    connect(b_collectgs, &QPushButton::clicked, this, &TdshSubPage::collectFormula);
    connect(b_gsss, &QPushButton::clicked, this, &TdshSubPage::searchFormula);
    connect(b_rebuildfa, &QPushButton::clicked, this, &TdshSubPage::optimiseScheme);
    connect(b_convtocond, &QPushButton::clicked, this, &TdshSubPage::handOverForecast);
    connect(sg, &QTableView::clicked, this, [this](const QModelIndex& index) { clickRow(index.row()); });
    if (b_selfsh_load) {
        connect(b_selfsh_load, &QPushButton::clicked, this, &TdshSubPage::loadCustomSet);
        connect(b_selfgs_gene, &QPushButton::clicked, this, &TdshSubPage::createCustomSet);
    }
}

// ---- state shown in the controls ----

void TdshSubPage::resetControls() {
    model_.setScheme(1);
    model_.setFormulaCount(model_.info().defaultCount);
    model_.setDisplay(ListDisplay::Regular);
    refillStartIssues();
    const std::vector<int> issues = model_.startIssues();
    model_.setStartIssue(issues.empty() ? 0 : issues.front());
    syncCombos();
    showCurrentFormula();
}

void TdshSubPage::syncCombos() {
    syncing_ = true;
    cb_fa->setCurrentIndex(model_.scheme() - 1);
    cb_gsgs->setCurrentIndex(model_.formulaCount() - 1);
    cb_lbxs->setCurrentIndex(static_cast<int>(model_.display()));
    const int issueIndex = cb_qsq->findText(QString::number(model_.startIssue()));
    cb_qsq->setCurrentIndex(issueIndex >= 0 ? issueIndex : 0);
    syncing_ = false;
    fillFormulaIndices();
}

void TdshSubPage::fillFormulaIndices() {
    syncing_ = true;
    cb_shgs->clear();
    for (int j = 1; j <= model_.formulaCount(); ++j) cb_shgs->addItem(QString::number(j));
    cb_shgs->setCurrentIndex(model_.index() - 1);
    syncing_ = false;
}

void TdshSubPage::refillStartIssues() {
    const QString chosen = cb_qsq->currentText();
    syncing_ = true;
    cb_qsq->clear();
    for (int issue : model_.startIssues()) cb_qsq->addItem(QString::number(issue));
    const int kept = cb_qsq->findText(chosen);
    cb_qsq->setCurrentIndex(kept >= 0 ? kept : 0);
    syncing_ = false;
    model_.setStartIssue(cb_qsq->currentText().toInt());
}

void TdshSubPage::refreshAfterTypeChange(FormulaSet* set) {
    if (page() != KillPage::CustomKill) model_.setFormulaSet(set);
    gridModel_->setGrid({});
    m_hm->clear();
    pb->setValue(0);
    b_convtocond->setEnabled(false);
    resetControls();
}

void TdshSubPage::showCurrentFormula() { e_gs->setText(QString::fromStdString(model_.currentFormula())); }

void TdshSubPage::showCustomFields() {
    if (!e_selfsh_zb) return;
    const CustomKillSet& set = model_.customSet();
    e_selfsh_zb->setText(QString::fromStdString(set.target));
    e_qzfrom->setText(QString::number(set.from));
    e_qzto->setText(QString::number(set.to));
}

// ---- runs ----

void TdshSubPage::run() { showResult(withPassProgress([this] { return model_.run(); })); }

// A long run shows the progress window, whose "取消" or Esc stops it; a stopped run leaves the grid as it was.
KillRunResult TdshSubPage::withPassProgress(const std::function<KillRunResult()>& action) {
    UiPassProgress pass(this, QStringLiteral("正在计算公式，请稍候..."));
    passStep_ = pass.callback();
    KillRunResult result = action();
    passStep_ = nullptr;
    return result;
}

void TdshSubPage::showResult(const KillRunResult& result) {
    if (result.stopped) return;
    if (!result.error.empty()) {
        showMessage(QString::fromStdString(result.error), this);
        return;
    }
    gridModel_->setGrid(result.grid);
    sg->resizeColumnsToContents();
    gridModel_->setSelectedRow(result.grid.rows - 1);
    sg->scrollToBottom();
    m_hm->clear();
    b_convtocond->setEnabled(true);
    if (!result.grid.endMessage.empty()) showMessage(QString::fromStdString(result.grid.endMessage), this);
}

void TdshSubPage::clickRow(int row) {
    const KillGrid& grid = gridModel_->grid();
    if (row < 1 || row > grid.drawCount + 1) return;
    gridModel_->setSelectedRow(row);
    int lo = 0, hi = 0;
    memoRange(page(), workspace().params, lo, hi);
    if (page() == KillPage::CustomKill) {
        lo = std::max(lo, model_.customSet().from);
        hi = std::min(hi, model_.customSet().to);
    }
    m_hm->setPlainText(QString::fromStdString(rowMemoText(grid, row, lo, hi)));
}

void TdshSubPage::confirmEdit() {
    const std::string text = e_gs->text().trimmed().toStdString();
    showResult(withPassProgress([this, &text] { return model_.confirmEdit(text); }));
}

// ---- files ----

void TdshSubPage::importFormulas() {
    const QString chosen = platform().files->openFileIn(this, QString::fromUtf8(kOpenFormulaFileTitle),
                                                        QString::fromUtf8(kFormulaFileFilter), programFile(kSaveFolder));
    if (chosen.isEmpty()) return;
    const KillRunResult result = withPassProgress([this, &chosen] { return model_.importFormulas(chosen.toStdString()); });
    syncCombos();
    showCurrentFormula();
    showResult(result);
}

void TdshSubPage::saveGroup() {
    const bool whole = askYesNo(QString::fromUtf8(kSaveSchemeQuestion), QString::fromUtf8(kSaveSchemeQuestionCaption), this);
    const QString chosen = platform().files->saveFileIn(this, QString::fromUtf8(kSaveFormulaFileTitle),
                                                        QString::fromUtf8(kFormulaFileFilter), programFile(kSaveFolder));
    if (chosen.isEmpty()) return;
    const std::string error = model_.saveGroup(chosen.toStdString(), whole);
    if (!error.empty()) showMessage(QString::fromStdString(error), this);
}

void TdshSubPage::exportData() {
    if (gridModel_->grid().rows == 0) {
        showMessage(QString::fromUtf8(kNoRunYet), this);
        return;
    }
    const QString chosen = platform().files->saveFileIn(this, QString::fromStdString(killDataTitle(page())),
                                                        QString::fromStdString(killDataFilter(page())),
                                                        programFile(kSaveFolder));
    if (chosen.isEmpty()) return;
    const std::string error = exportKillData(chosen.toStdString(), gridModel_->grid());
    if (!error.empty()) showMessage(QString::fromStdString(error), this);
}

// ---- the windows of the page ----

void TdshSubPage::collectFormula() { formulaCollection().collect(e_gs->text()); }

bool TdshSubPage::customTarget(std::string& target) {
    target.clear();
    if (page() != KillPage::CustomKill) return true;
    if (!model_.hasCustomSet()) {
        showMessage(QString::fromUtf8(kNoCustomSet), this);
        return false;
    }
    target = model_.customSet().target;
    return true;
}

void TdshSubPage::searchFormula() {
    std::string target;
    if (!customTarget(target)) return;
    if (const auto found = formulaSearch().searchFor(page(), target)) e_gs->setText(*found);
}

void TdshSubPage::optimiseScheme() {
    std::string target;
    if (!customTarget(target)) return;
    const auto formulas = schemeGenerator().generate(page(), target, model_.formulaCount(), false);
    if (!formulas) return;
    showResult(model_.replaceFormulas(*formulas));
    showCurrentFormula();
}

void TdshSubPage::openSynthesis() { schemeSynthesis().showWindow(); }

// ---- the entries of "更多操作" ----

void TdshSubPage::showRowFrequencies() {
    const KillGrid& grid = gridModel_->grid();
    const int row = gridModel_->selectedRow();
    if (row < 1 || row > grid.drawCount + 1) {
        showMessage(QString::fromUtf8(grid.rows == 0 ? kNoRunYet : kNoRowChosen), this);
        return;
    }
    QString text = QStringLiteral("%1 %2\n").arg(QString::fromStdString(grid.at(row, 1).text), QStringLiteral("号码  公式个数"));
    for (const auto& [value, count] : rowValueFrequencies(grid, row))
        text += QStringLiteral("%1  %2\n").arg(QString::number(value), 4).arg(count);
    showMessage(text.trimmed(), this, QString::fromUtf8(kFrequencyTitle));
}

void TdshSubPage::sortByRate() {
    if (gridModel_->grid().rows == 0) {
        showMessage(QString::fromUtf8(kNoRunYet), this);
        return;
    }
    showResult(model_.replaceFormulas(formulasByRate(gridModel_->grid(), model_.formulasInUse())));
    showCurrentFormula();
}

void TdshSubPage::sortByDrawnValue() {
    if (gridModel_->grid().rows == 0) {
        showMessage(QString::fromUtf8(kNoRunYet), this);
        return;
    }
    showResult(model_.replaceFormulas(formulasByDrawnValue(gridModel_->grid(), model_.formulasInUse())));
    showCurrentFormula();
}

// ---- the filter hand-over ----

void TdshSubPage::handOverForecast() {
    const ForecastHandOver handOver = forecastSelfSet(gridModel_->grid(), workspace().params);
    if (!handOver.error.empty()) {
        showMessage(QString::fromStdString(handOver.error), this);
        return;
    }
    if (!f_zh) return;
    if (f_zh->running()) {
        showMessage(QString::fromUtf8(kFilterBusy), this);
        return;
    }
    if (f_zh->selfSetTab()->append(handOver.condition).added)
        showMessage(QString::fromStdString(selfSetExportedMessage(handOver.condition)), this);
}

// ---- the custom kill page ----

void TdshSubPage::loadCustomSet() {
    const QString chosen = platform().files->openFileIn(this, QString::fromUtf8(kOpenCustomKillTitle),
                                                        QString::fromUtf8(kCustomKillFilter), programFile(kSaveFolder));
    if (chosen.isEmpty()) return;
    const KillRunResult result = model_.loadCustomSet(chosen.toStdString());
    if (!result.error.empty()) {
        showMessage(QString::fromStdString(result.error), this);
        return;
    }
    showCustomFields();
    syncCombos();
    showCurrentFormula();
    showResult(result);
}

void TdshSubPage::createCustomSet() {
    const auto choice = customKillSettings().choose();
    if (!choice) return;
    const QString chosen = platform().files->saveFileIn(this, QString::fromUtf8(kSaveCustomTitle),
                                                        QString::fromUtf8(kCustomKillFilter), programFile(kSaveFolder));
    if (chosen.isEmpty()) return;
    const std::string error = model_.createCustomSet(chosen.toStdString(), choice->target, choice->from, choice->to);
    if (!error.empty()) {
        showMessage(QString::fromStdString(error), this);
        return;
    }
    showCustomFields();
    syncCombos();
    showCurrentFormula();
    run();
}

}  // namespace qorvel
