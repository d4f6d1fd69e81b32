#include "app/pages/u_zbpx.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/u_addselfzb.h"
#include "app/dialogs/u_fzsr.h"
#include "app/pages/current_indicator.h"
#include "app/pages/u_zbpxz.h"
#include "app/u_main.h"
#include "engine/custom_indicators.h"
#include "engine/indicator_catalogue.h"
#include "engine/indicator_menu.h"
#include "ui/platform.h"
#include "ui/pass_progress.h"

namespace qorvel {

namespace {

constexpr int kRangeFieldDigits = 3;
constexpr const char* kSavedPageCaption = "已保存的自定义指标";
// The name that gives the dissection tab the caption "蓝号分析".
constexpr const char* kSpecialNumbersName = "蓝号";
constexpr const char* kNoHistory = "没有开奖数据，无法剖析";
constexpr const char* kRangeReversed = "指标取值范围的最小值不能大于最大值";

QListWidget* makeList(QWidget* parent, const QString& name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return list;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const QString& text = QString()) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

}  // namespace

Tf_zbpx::Tf_zbpx(QWidget* parent) : QWidget(parent) {
    currentIndicatorCode.clear();
    currentIndicatorFormula.clear();
    buildControls();
    layOut();
    loadSavedIndicators();
    chooseExisting(true);
}

void Tf_zbpx::buildControls() {
    rb_yyzb = new QRadioButton(QStringLiteral("选择系统已有指标"), this);
    rb_yyzb->setObjectName("rb_yyzb");
    rb_yyzb->setChecked(true);
    e_yyzb = makeEdit(this, "e_yyzb", QStringLiteral("z_num1"));
    e_yyzb->setReadOnly(true);
    rb_selfzb = new QRadioButton(QStringLiteral("自定义指标(公式)"), this);
    rb_selfzb->setObjectName("rb_selfzb");
    e_selfzb = makeEdit(this, "e_selfzb");
    b_fzsr = makeButton(this, "b_fzsr", QStringLiteral(" 辅助输入"));
    e_zbmm = makeEdit(this, "e_zbmm", QStringLiteral("红号一"));
    me_zbqzfrom = makeEdit(this, "me_zbqzfrom");
    me_zbqzto = makeEdit(this, "me_zbqzto");
    for (QLineEdit* field : {me_zbqzfrom, me_zbqzto}) {
        field->setMaxLength(kRangeFieldDigits);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        field->setAlignment(Qt::AlignRight);
    }
    b_ok = makeButton(this, "b_ok", QStringLiteral("开始剖析"));
    b_cancel = makeButton(this, "b_cancel", QStringLiteral("取消"));

    pagecontrol1 = new QTabWidget(this);
    pagecontrol1->setObjectName("pagecontrol1");
    const auto pick = [this](QListWidget* list) { pickListItem(list); };
    int n = 0;
    for (const IndicatorMenuPage& page : indicatorMenuPages()) {
        QListWidget* list = makeList(pagecontrol1, QStringLiteral("lb_menu%1").arg(++n));
        for (const IndicatorMenuItem& item : page.items) list->addItem(fromUtf8(item.text()));
        watchListClicks(list, true, pick);
        pagecontrol1->addTab(list, fromUtf8(page.title));
    }
    pagecontrol1->addTab(savedPage(), QString::fromUtf8(kSavedPageCaption));
    watchListClicks(lb_save, true, pick);

    connect(rb_yyzb, &QRadioButton::toggled, this, &Tf_zbpx::chooseExisting);
    connect(rb_selfzb, &QRadioButton::toggled, this, &Tf_zbpx::chooseFormula);
    connect(b_fzsr, &QPushButton::clicked, this, &Tf_zbpx::openAssistedInput);
    connect(b_ok, &QPushButton::clicked, this, &Tf_zbpx::startDissection);
    connect(b_cancel, &QPushButton::clicked, this, &Tf_zbpx::closePage);
}

QWidget* Tf_zbpx::savedPage() {
    auto* page = new QWidget(pagecontrol1);
    lb_save = makeList(page, "lb_save");
    b_add = makeButton(page, "b_add", QStringLiteral("添加"));
    b_delete = makeButton(page, "b_delete", QStringLiteral("删除"));
    b_mod = makeButton(page, "b_mod", QStringLiteral("修改"));
    connect(b_add, &QPushButton::clicked, this, &Tf_zbpx::addIndicator);
    connect(b_delete, &QPushButton::clicked, this, &Tf_zbpx::deleteIndicator);
    connect(b_mod, &QPushButton::clicked, this, &Tf_zbpx::modifyIndicator);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {b_add, b_delete, b_mod}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lb_save, 1);
    layout->addLayout(buttons);
    return page;
}

void Tf_zbpx::layOut() {
    auto* existing = new QHBoxLayout;
    existing->addWidget(rb_yyzb);
    existing->addWidget(e_yyzb, 1);
    auto* formula = new QHBoxLayout;
    formula->addWidget(rb_selfzb);
    formula->addWidget(e_selfzb, 1);
    formula->addWidget(b_fzsr);
    auto* naming = new QHBoxLayout;
    naming->addWidget(new QLabel(QStringLiteral("指标命名："), this));
    naming->addWidget(e_zbmm, 1);
    naming->addSpacing(24);
    naming->addWidget(me_zbqzfrom);
    naming->addWidget(new QLabel(QStringLiteral("<=指标取值范围<="), this));
    naming->addWidget(me_zbqzto);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_ok);
    buttons->addWidget(b_cancel);

    auto* column = new QVBoxLayout;
    column->addLayout(existing);
    column->addWidget(pagecontrol1, 1);
    column->addLayout(formula);
    column->addLayout(naming);
    column->addLayout(buttons);
    auto* outer = new QHBoxLayout(this);
    outer->addLayout(column, 3);
    outer->addStretch(1);
}

void Tf_zbpx::chooseExisting(bool checked) {
    if (!checked) return;
    e_yyzb->setEnabled(true);
    e_selfzb->setEnabled(false);
    b_fzsr->setEnabled(false);
    lookupIndicator(workspace(), toUtf8(e_yyzb->text().trimmed()));
}

void Tf_zbpx::chooseFormula(bool checked) {
    if (!checked) return;
    e_zbmm->setText(QStringLiteral("自定义指标"));
    clearRange();
    e_yyzb->setEnabled(false);
    e_selfzb->setEnabled(true);
    b_fzsr->setEnabled(true);
}

void Tf_zbpx::clearRange() {
    me_zbqzfrom->clear();
    me_zbqzto->clear();
}

void Tf_zbpx::pickListItem(QListWidget* list) {
    rb_yyzb->setChecked(true);
    const std::optional<QString> text = selectedItemText(list);
    if (!text) {
        showMessage(QStringLiteral("请在列表框中单击你要输入的内容"), this);
        return;
    }
    const CustomIndicator item = splitIndicatorLine(toUtf8(*text));
    e_yyzb->setText(fromUtf8(item.formula));
    e_zbmm->setText(fromUtf8(item.name));
    clearRange();
}

QListWidget* Tf_zbpx::menuList(int page) const {
    if (page < 0 || page >= kIndicatorMenuPageCount) return nullptr;
    return static_cast<QListWidget*>(pagecontrol1->widget(page));
}

void Tf_zbpx::openAssistedInput() {
    assistedInputDialog().fillLineEdit(e_selfzb);
}

// Closing the page hides it and, when it sits in the main window's active tab, that tab too.
void Tf_zbpx::closePage() {
    if (f_main && f_main->pc_main->currentWidget() == f_main->tabSheet(PageId::zbpx)) f_main->closeCurrentPage();
    hide();
}

// ---- saved custom indicators ----

void Tf_zbpx::loadSavedIndicators() {
    lb_save->clear();
    for (const std::string& line : loadIndicatorLines(workspace().ProgramFolder)) lb_save->addItem(fromUtf8(line));
}

QStringList Tf_zbpx::savedLines() const {
    QStringList lines;
    for (int i = 0; i < lb_save->count(); ++i) lines << lb_save->item(i)->text();
    return lines;
}

// Writes the whole list; the list on the page changes only when the file was written.
bool Tf_zbpx::rewriteSavedIndicators(const QStringList& lines) {
    std::vector<std::string> utf8;
    for (const QString& line : lines) utf8.push_back(toUtf8(line));
    const std::string error = saveIndicatorLines(workspace().ProgramFolder, utf8);
    if (!error.empty()) {
        showMessage(fromUtf8(error), this);
        return false;
    }
    const int row = lb_save->currentRow();
    lb_save->clear();
    lb_save->addItems(lines);
    if (row >= 0 && row < lb_save->count()) lb_save->setCurrentRow(row);
    return true;
}

void Tf_zbpx::addIndicator() {
    const std::optional<CustomIndicator> added = indicatorEditor().addIndicator();
    if (!added) return;
    QStringList lines = savedLines();
    lines << fromUtf8(indicatorLine(added->formula, added->name));
    rewriteSavedIndicators(lines);
}

void Tf_zbpx::deleteIndicator() {
    const int row = lb_save->currentRow();
    if (!selectedItemText(lb_save) || row < 0) {
        showMessage(QStringLiteral("请先选择你要删除的指标"), this);
        return;
    }
    QStringList lines = savedLines();
    lines.removeAt(row);
    rewriteSavedIndicators(lines);
}

void Tf_zbpx::modifyIndicator() {
    const int row = lb_save->currentRow();
    if (!selectedItemText(lb_save) || row < 0) {
        showMessage(QStringLiteral("请先选择你要修改的指标"), this);
        return;
    }
    QStringList lines = savedLines();
    const CustomIndicator current = splitIndicatorLine(toUtf8(lines[row]));
    const std::optional<CustomIndicator> changed = indicatorEditor().modifyIndicator(current);
    if (!changed) return;
    lines[row] = fromUtf8(indicatorLine(changed->formula, changed->name));
    rewriteSavedIndicators(lines);
}

// ---- dissection ----

void Tf_zbpx::dissectExistingIndicator(const QString& code, const QString& name, int from, int to) {
    e_yyzb->setText(code);
    rb_yyzb->setChecked(true);
    e_zbmm->setText(name);
    me_zbqzfrom->setText(QString::number(from));
    me_zbqzto->setText(QString::number(to));
    startDissection();
}

bool Tf_zbpx::startDissection() {
    const bool existing = rb_yyzb->isChecked();
    const std::string expression = toUtf8((existing ? e_yyzb : e_selfzb)->text().trimmed());
    currentIndicatorCode = existing ? expression : std::string();
    currentIndicatorFormula = existing ? std::string() : expression;

    Workspace& ws = workspace();
    t_s_dm& store = ws.MainStore;
    if (store.Count() == 0) {
        showMessage(QString::fromUtf8(kNoHistory), this);
        return false;
    }
    const int startRow = store.RecNo();
    UiPassProgress progress(this, QStringLiteral("正在计算指标值，请稍候..."));
    const DissectionSeries series = computeDissectionSeries(ws, expression, progress.callback());
    // A stopped pass changed nothing and left the cursor where it was.
    if (series.stopped) return false;
    if (!series.ok) {
        // The values written so far stay; the cursor goes back to where the user left it.
        store.SetRecNo(startRow);
        showMessage(QStringLiteral("公式有误:") + fromUtf8(series.error), this);
        return false;
    }
    const std::optional<DissectionRange> range = dissectionRange(
        series, toUtf8(me_zbqzfrom->text()), toUtf8(me_zbqzto->text()), ws.params.MainCount);
    if (!range) {
        showMessage(QString::fromUtf8(kRangeNotNumber), this);
        return false;
    }
    if (range->low > range->high) {
        showMessage(QString::fromUtf8(kRangeReversed), this);
        return false;
    }

    const QString name = e_zbmm->text();
    DissectionInput input;
    input.series.reserve(static_cast<std::size_t>(store.Count()));
    for (int r = 1; r <= store.Count(); ++r) input.series.push_back(store.Row(r).value);
    input.seriesMin = range->low;
    input.seriesMax = range->high;
    input.title = toUtf8(name);
    input.formula = expression;
    input.name = toUtf8(name);
    input.cursorRow = store.RecNo();
    handOver(input, name);
    return true;
}

// The dissection tab becomes visible and active, captioned "蓝号分析" for the special numbers; the status
// lines name the indicator.
void Tf_zbpx::handOver(const DissectionInput& input, const QString& name) {
    if (!f_zbpxz) return;
    if (f_main) {
        const bool special = name == QString::fromUtf8(kSpecialNumbersName);
        f_main->openPage(PageId::zbpxz);
        const int tab = f_main->pc_main->indexOf(f_main->tabSheet(PageId::zbpxz));
        f_main->pc_main->setTabText(tab, special ? QStringLiteral("蓝号分析") : QStringLiteral("指标剖析"));
        f_main->setStatusText(name + QStringLiteral("的分析"));
    }
    f_zbpxz->OpenDissection(input);
    f_zbpxz->show();
}

}  // namespace qorvel
