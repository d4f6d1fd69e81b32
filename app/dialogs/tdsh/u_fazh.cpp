#include "app/dialogs/tdsh/u_fazh.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/tdsh/u_fazh_set.h"
#include "app/pages/u_tdsh.h"
#include "app/pages/u_zh.h"
#include "killbanker/kill_pages.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr const char* kDefaultWidth = "默认";
constexpr int kWidthFrom = 50;
constexpr int kWidthTo = 1000;
constexpr int kWidthStep = 10;
constexpr int kDefaultCount = 10;
constexpr int kHighestDrawIssue = 9999989;
constexpr const char* kForecastItem = "预测期";
constexpr const char* kMainListsOnly = "只有红码杀号和红码提胆的列表能转至自设条件";
constexpr const char* kEmptyList = "组合列表中没有号码";
constexpr const char* kFilterBusy = "正在过滤，请等过滤结束后再转至过滤";
constexpr int kCustomRangeFrom = 0;
constexpr int kCustomRangeTo = 999;

QComboBox* makeCombo(QWidget* parent, const char* name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    return c;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QTableWidget* makeGrid(QWidget* parent, const char* name) {
    auto* g = new QTableWidget(parent);
    g->setObjectName(name);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setWordWrap(false);
    return g;
}

void fillStyles(QComboBox* c) {
    for (std::string_view caption : kSynthesisTypeCaptions) c->addItem(QString::fromUtf8(caption.data(), int(caption.size())));
}

void fillDisplays(QComboBox* c) {
    for (std::string_view caption : kListDisplayCaptions) c->addItem(QString::fromUtf8(caption.data(), int(caption.size())));
}

void fillWidths(QComboBox* c) {
    c->addItem(QString::fromUtf8(kDefaultWidth));
    for (int w = kWidthFrom; w <= kWidthTo; w += kWidthStep) c->addItem(QString::number(w));
}

void showGrid(QTableWidget* table, const TextGrid& grid) {
    table->clear();
    table->setRowCount(grid.rows);
    table->setColumnCount(grid.columns);
    for (int r = 0; r < grid.rows; ++r)
        for (int c = 0; c < grid.columns; ++c)
            table->setItem(r, c, new QTableWidgetItem(QString::fromStdString(grid.at(r, c))));
    for (int c = 0; c < grid.columns; ++c) table->item(0, c)->setBackground(QColor(251, 183, 166));
}

SynthesisType typeOf(const QComboBox* style) { return static_cast<SynthesisType>(std::max(0, style->currentIndex())); }

}  // namespace

Tf_fazh::Tf_fazh(QWidget* parent) : QDialog(parent) {
    setObjectName("f_fazh");
    setWindowTitle(QStringLiteral("方案综合"));
    pc_fazh = new QTabWidget(this);
    pc_fazh->setObjectName("pc_fazh");
    pc_fazh->addTab(buildCombinationTab(), QStringLiteral("方案组合"));
    pc_fazh->addTab(buildComparisonTab(), QStringLiteral("方案比较"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pc_fazh);
    resize(900, 600);
    f_fazh_set = new Tf_fazh_set(this);
    connect(pc_fazh, &QTabWidget::currentChanged, this, [this](int tab) {
        if (isVisible()) tab == 0 ? updateCombination() : updateComparison();
    });
}

QWidget* Tf_fazh::buildCombinationTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName("ts_fazh");
    sg_fazh = makeGrid(tab, "sg_fazh");
    cb_fazh_style = makeCombo(tab, "cb_fazh_style");
    fillStyles(cb_fazh_style);
    cb_fazh_gsgs = makeCombo(tab, "cb_fazh_gsgs");
    fillCounts(cb_fazh_style, cb_fazh_gsgs);
    cb_fazh_lbxs = makeCombo(tab, "cb_fazh_lbxs");
    fillDisplays(cb_fazh_lbxs);
    cb_fazh_qsq = makeCombo(tab, "cb_fazh_qsq");
    cb_fazh_width = makeCombo(tab, "cb_fazh_width");
    fillWidths(cb_fazh_width);
    cb_fazh_lastwidth = makeCombo(tab, "cb_fazh_lastwidth");
    fillWidths(cb_fazh_lastwidth);
    b_fazh_update = makeButton(tab, "b_fazh_update", "更新");
    b_fazh_set = makeButton(tab, "b_fazh_set", "方案组合设置");
    b_fazh_selfcond = makeButton(tab, "b_fazh_selfcond", "自设条件过滤");
    b_fazh_selfzb = makeButton(tab, "b_fazh_selfzb", "自定义指标过滤");

    auto* controls = new QGridLayout;
    const std::pair<const char*, QComboBox*> fields[] = {{"方案类型：", cb_fazh_style}, {"使用公式个数：", cb_fazh_gsgs},
                                                         {"列表显示：", cb_fazh_lbxs},  {"起始期：", cb_fazh_qsq},
                                                         {"列宽：", cb_fazh_width},     {"组合格的列宽：", cb_fazh_lastwidth}};
    int n = 0;
    for (const auto& [caption, combo] : fields) {
        controls->addWidget(new QLabel(QString::fromUtf8(caption), tab), n / 3, (n % 3) * 2);
        controls->addWidget(combo, n / 3, (n % 3) * 2 + 1);
        ++n;
    }
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {b_fazh_update, b_fazh_set, b_fazh_selfcond, b_fazh_selfzb}) buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(controls);
    layout->addLayout(buttons);
    layout->addWidget(sg_fazh, 1);

    const auto refresh = [this](int) {
        if (!updating_) updateCombination();
    };
    connect(cb_fazh_style, &QComboBox::currentIndexChanged, this, [this, refresh](int i) {
        fillCounts(cb_fazh_style, cb_fazh_gsgs);
        refresh(i);
    });
    for (QComboBox* c : {cb_fazh_gsgs, cb_fazh_lbxs, cb_fazh_qsq}) connect(c, &QComboBox::currentIndexChanged, this, refresh);
    for (QComboBox* c : {cb_fazh_width, cb_fazh_lastwidth})
        connect(c, &QComboBox::currentIndexChanged, this, [this] { applyWidths(); });
    connect(b_fazh_update, &QPushButton::clicked, this, &Tf_fazh::updateCombination);
    connect(b_fazh_set, &QPushButton::clicked, this, &Tf_fazh::editSchemesInUse);
    connect(b_fazh_selfcond, &QPushButton::clicked, this, [this] { handOverCombined(false); });
    connect(b_fazh_selfzb, &QPushButton::clicked, this, [this] { handOverIndicator(false); });
    return tab;
}

QWidget* Tf_fazh::buildComparisonTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName("ts_fabj");
    sg_fabj = makeGrid(tab, "sg_fabj");
    cb_fabj_ycq = makeCombo(tab, "cb_fabj_ycq");
    e_fabj_kjh = new QLineEdit(tab);
    e_fabj_kjh->setObjectName("e_fabj_kjh");
    e_fabj_kjh->setReadOnly(true);
    cb_fabj_style = makeCombo(tab, "cb_fabj_style");
    fillStyles(cb_fabj_style);
    cb_fabj_gsgs = makeCombo(tab, "cb_fabj_gsgs");
    fillCounts(cb_fabj_style, cb_fabj_gsgs);
    cb_fabj_lbxs = makeCombo(tab, "cb_fabj_lbxs");
    fillDisplays(cb_fabj_lbxs);
    b_fabj_update = makeButton(tab, "b_fabj_update", "更新");
    b_fabj_set = makeButton(tab, "b_fabj_set", "方案组合设置");
    b_fabj_selfcond = makeButton(tab, "b_fabj_selfcond", "过滤条件");
    b_fabj_selfzb = makeButton(tab, "b_fabj_selfzb", "自定义指标过滤");
    l_fabj_zbmc = new QLabel(QStringLiteral("指标名称："), tab);
    e_fabj_zbmc = new QLineEdit(tab);
    e_fabj_zbmc->setObjectName("e_fabj_zbmc");
    l_fabj_zbz = new QLabel(QStringLiteral("当前指标值："), tab);
    e_fabj_zbz = new QLineEdit(tab);
    e_fabj_zbz->setObjectName("e_fabj_zbz");
    for (QLineEdit* e : {e_fabj_zbmc, e_fabj_zbz}) e->setReadOnly(true);

    auto* controls = new QGridLayout;
    controls->addWidget(new QLabel(QStringLiteral("分析期号："), tab), 0, 0);
    controls->addWidget(cb_fabj_ycq, 0, 1);
    controls->addWidget(new QLabel(QStringLiteral("开奖号："), tab), 0, 2);
    controls->addWidget(e_fabj_kjh, 0, 3, 1, 3);
    controls->addWidget(new QLabel(QStringLiteral("方案类型："), tab), 1, 0);
    controls->addWidget(cb_fabj_style, 1, 1);
    controls->addWidget(new QLabel(QStringLiteral("使用公式个数："), tab), 1, 2);
    controls->addWidget(cb_fabj_gsgs, 1, 3);
    controls->addWidget(new QLabel(QStringLiteral("列表显示："), tab), 1, 4);
    controls->addWidget(cb_fabj_lbxs, 1, 5);
    controls->addWidget(l_fabj_zbmc, 2, 0);
    controls->addWidget(e_fabj_zbmc, 2, 1);
    controls->addWidget(l_fabj_zbz, 2, 2);
    controls->addWidget(e_fabj_zbz, 2, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {b_fabj_update, b_fabj_set, b_fabj_selfcond, b_fabj_selfzb}) buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(controls);
    layout->addLayout(buttons);
    layout->addWidget(sg_fabj, 1);

    const auto refresh = [this](int) {
        if (!updating_) updateComparison();
    };
    connect(cb_fabj_style, &QComboBox::currentIndexChanged, this, [this, refresh](int i) {
        fillCounts(cb_fabj_style, cb_fabj_gsgs);
        refresh(i);
    });
    for (QComboBox* c : {cb_fabj_gsgs, cb_fabj_lbxs, cb_fabj_ycq}) connect(c, &QComboBox::currentIndexChanged, this, refresh);
    connect(b_fabj_update, &QPushButton::clicked, this, &Tf_fazh::updateComparison);
    connect(b_fabj_set, &QPushButton::clicked, this, &Tf_fazh::editSchemesInUse);
    connect(b_fabj_selfcond, &QPushButton::clicked, this, [this] { handOverCombined(true); });
    connect(b_fabj_selfzb, &QPushButton::clicked, this, [this] { handOverIndicator(true); });
    showCustomFields();
    return tab;
}

// The count list offers 1..capacity of the type's set; the chosen count is kept where it still fits.
void Tf_fazh::fillCounts(QComboBox* style, QComboBox* count) {
    const SynthesisType type = typeOf(style);
    const int capacity = killPageInfo(synthesisPage(type)).capacity;
    const int kept = count->count() > 0 ? count->currentIndex() + 1 : kDefaultCount;
    const bool was = updating_;
    updating_ = true;
    count->clear();
    for (int k = 1; k <= capacity; ++k) count->addItem(QString::number(k));
    count->setCurrentIndex(std::min(kept, capacity) - 1);
    updating_ = was;
}

void Tf_fazh::fillIssues() {
    updating_ = true;
    const QString start = cb_fazh_qsq->currentText();
    const QString chosen = cb_fabj_ycq->currentText();
    cb_fazh_qsq->clear();
    cb_fabj_ycq->clear();
    const t_s_dm& store = workspace().MainStore;
    for (int r = 1; r <= store.Count(); ++r) {
        const int issue = store.Row(r).fields[0];
        if (issue > kHighestDrawIssue) continue;  // a forecast or candidate row
        cb_fazh_qsq->addItem(QString::number(issue));
        cb_fabj_ycq->addItem(QString::number(issue));
    }
    cb_fabj_ycq->addItem(QString::fromUtf8(kForecastItem));
    const int s = cb_fazh_qsq->findText(start);
    cb_fazh_qsq->setCurrentIndex(s >= 0 ? s : 0);
    const int c = cb_fabj_ycq->findText(chosen);
    cb_fabj_ycq->setCurrentIndex(c >= 0 ? c : cb_fabj_ycq->count() - 1);
    updating_ = false;
}

void Tf_fazh::showWindow() {
    fillIssues();
    show();
    raise();
    pc_fazh->currentIndex() == 0 ? updateCombination() : updateComparison();
}

bool Tf_fazh::request(QComboBox* style, QComboBox* count, QComboBox* display, SynthesisRequest& r) {
    r.type = typeOf(style);
    r.set = f_tdsh ? f_tdsh->synthesisSet(r.type, r.target) : nullptr;
    if (!r.set) {
        showMessage(QString::fromUtf8(r.type == SynthesisType::CustomKill ? kNeedCustomSetMessage : "没有可用的公式集"), this);
        return false;
    }
    r.schemes = uses_.schemes();
    r.formulaCount = count->currentIndex() + 1;
    r.display = static_cast<ListDisplay>(std::max(0, display->currentIndex()));
    return true;
}

void Tf_fazh::updateCombination() {
    SynthesisRequest r;
    if (!request(cb_fazh_style, cb_fazh_gsgs, cb_fazh_lbxs, r)) return;
    r.startIssue = cb_fazh_qsq->currentText().toInt();
    const SynthesisResult result = combineSchemes(workspace(), r);
    if (!result.error.empty()) {
        showMessage(QString::fromStdString(result.error), this);
        return;
    }
    showGrid(sg_fazh, result.grid);
    sg_fazh->resizeColumnsToContents();
    applyWidths();
    sg_fazh->scrollToBottom();
    combined_[0] = result.combined;
}

void Tf_fazh::updateComparison() {
    showCustomFields();
    SynthesisRequest r;
    if (!request(cb_fabj_style, cb_fabj_gsgs, cb_fabj_lbxs, r)) return;
    const int issue = cb_fabj_ycq->currentText().toInt();  // "预测期" reads as 0, the forecast
    const ComparisonResult result = compareSchemes(workspace(), r, issue);
    if (!result.error.empty()) {
        showMessage(QString::fromStdString(result.error), this);
        return;
    }
    e_fabj_kjh->setText(QString::fromStdString(result.drawText));
    showGrid(sg_fabj, result.grid);
    sg_fabj->resizeColumnsToContents();
    combined_[1] = result.combined;
    comparedTarget_ = result.targetValue;
    if (r.type == SynthesisType::CustomKill) {
        e_fabj_zbmc->setText(QString::fromStdString(r.target));
        e_fabj_zbz->setText(issue == 0 ? QString() : QString::number(result.targetValue));
    }
}

void Tf_fazh::showCustomFields() {
    const bool custom = typeOf(cb_fabj_style) == SynthesisType::CustomKill;
    for (QWidget* w : std::initializer_list<QWidget*>{l_fabj_zbmc, e_fabj_zbmc, l_fabj_zbz, e_fabj_zbz}) w->setVisible(custom);
}

void Tf_fazh::applyWidths() {
    const int columns = sg_fazh->columnCount();
    if (columns < 2) return;
    if (cb_fazh_width->currentIndex() > 0)
        for (int c = 3; c < columns - 1; ++c) sg_fazh->setColumnWidth(c, cb_fazh_width->currentText().toInt());
    if (cb_fazh_lastwidth->currentIndex() > 0) sg_fazh->setColumnWidth(columns - 1, cb_fazh_lastwidth->currentText().toInt());
}

void Tf_fazh::editSchemesInUse() {
    f_fazh_set->edit(uses_);
    pc_fazh->currentIndex() == 0 ? updateCombination() : updateComparison();
}

void Tf_fazh::handOverCombined(bool comparison) {
    const SynthesisType type = typeOf(comparison ? cb_fabj_style : cb_fazh_style);
    if (type != SynthesisType::MainKill && type != SynthesisType::MainBanker) {
        showMessage(QString::fromUtf8(kMainListsOnly), this);
        return;
    }
    const std::vector<int32_t>& list = combined_[comparison ? 1 : 0];
    if (list.empty()) {
        showMessage(QString::fromUtf8(kEmptyList), this);
        return;
    }
    if (!f_zh) return;
    if (f_zh->running()) {
        showMessage(QString::fromUtf8(kFilterBusy), this);
        return;
    }
    f_zh->addforselfcond(std::vector<int>(list.begin(), list.end()));
}

void Tf_fazh::handOverIndicator(bool comparison) {
    if (typeOf(comparison ? cb_fabj_style : cb_fazh_style) != SynthesisType::CustomKill) {
        showMessage(QString::fromUtf8(kNeedCustomTypeMessage), this);
        return;
    }
    std::string target;
    if (!f_tdsh || !f_tdsh->synthesisSet(SynthesisType::CustomKill, target)) {
        showMessage(QString::fromUtf8(kNeedCustomSetMessage), this);
        return;
    }
    if (!f_zh) return;
    if (f_zh->running()) {
        showMessage(QString::fromUtf8(kFilterBusy), this);
        return;
    }
    f_zh->addforselfzb(QString::fromStdString(target), kCustomRangeFrom, kCustomRangeTo, comparison ? comparedTarget_ : -1);
}

Tf_fazh& schemeSynthesis() {
    if (!f_fazh) f_fazh = new Tf_fazh();
    return *f_fazh;
}

}  // namespace qorvel
