#include "app/pages/zh/zh_custom_tab.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/u_fzsr.h"
#include "app/dialogs/zh/zh_value_choice.h"
#include "combos/special_conditions.h"
#include "text/number_text.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

const char* const kNoDeleteSelection = "请先在自定义指标列表框中选择一项要删除的条件";
const char* const kNoModifySelection = "请先在自定义指标列表框中选择一项要修改的条件";
const ZhListTab::Controls kMainControls{
    "ts_zh_selfzb", "lb_selfzb", "cb_selfzb", "自定义指标", "b_addselfzb", "添加", "b_selfzb_modify", "b_deleteselfzb",
    "最多可添加400注自定义指标条件", kNoDeleteSelection, kNoModifySelection};
const ZhListTab::Controls kBlueControls{
    "ts_lh_selfzb", "lb_lhselfzb", "cb_lhselfzb", "自定义指标", "b_lhaddselfzb", "添加", "b_lhselfzb_modify",
    "b_lhdeleteselfzb", "最多可添加50注自定义指标条件", kNoDeleteSelection, kNoModifySelection};
const ZhListTab::Controls kZoneControls{
    "ts_fq_selfzb", "lb_fqselfzb", "cb_fqselfzb", "自定义指标", "b_fqaddselfzb", "添加", "b_fqselfzb_modify",
    "b_fqdeleteselfzb", "最多可添加50注自定义指标条件", kNoDeleteSelection, kNoModifySelection};

// The range of values the "取值" picker offers for a custom condition.
constexpr int kCustomValueFrom = 0;
constexpr int kCustomValueTo = 1000;
const char* const kToleranceQuestion = "是否容错？如果容错，请选yes;如果不容错，请选no";
// An empty value list would silently switch off this and every later custom condition during a run.
const char* const kNoValuesMessage = "请先点击“取值”按钮选择该自定义指标的取值";

}  // namespace

template <class Set>
ZhCustomTab::Binding ZhCustomTab::bind(Set& conditions, int limit, const char* limitMessage, const char* prefix) {
    Binding b;
    b.on = &conditions.customOn;
    b.customs = &conditions.customs;
    b.add = [&conditions](CustomIndicatorCondition c) { return conditions.addCustom(std::move(c)); };
    b.limit = limit;
    b.limitMessage = limitMessage;
    b.prefix = prefix;
    return b;
}

ZhCustomTab::ZhCustomTab(ConditionSet& conditions, QWidget* parent)
    : ZhCustomTab(kMainControls, bind(conditions, kMaxCustomConditions, kCustomLimitMessage, ""), parent) {}

ZhCustomTab::ZhCustomTab(BlueConditionSet& conditions, QWidget* parent)
    : ZhCustomTab(kBlueControls, bind(conditions, kMaxSpecialCustomConditions, kSpecialCustomLimitMessage, "lh"),
                  parent) {}

ZhCustomTab::ZhCustomTab(ZoneConditionSet& conditions, QWidget* parent)
    : ZhCustomTab(kZoneControls, bind(conditions, kMaxSpecialCustomConditions, kSpecialCustomLimitMessage, "fq"),
                  parent) {}

ZhCustomTab::ZhCustomTab(const Controls& controls, Binding binding, QWidget* parent)
    : ZhListTab(controls, parent), list_(std::move(binding)) {
    const auto name = [this](const char* head, const char* tail) {
        return QString::fromUtf8(head) + QString::fromUtf8(list_.prefix) + QString::fromUtf8(tail);
    };
    auto* formulaRow = new QHBoxLayout();
    formulaRow->addWidget(new QLabel(QStringLiteral("指标公式："), this));
    e_selfzb = new QLineEdit(this);
    e_selfzb->setObjectName(name("e_", "selfzb"));
    formulaRow->addWidget(e_selfzb, 1);
    b_fzsr = new QPushButton(QStringLiteral(" 辅助输入 "), this);
    b_fzsr->setObjectName(name("b_", "fzsr"));
    formulaRow->addWidget(b_fzsr);
    fieldsArea->addLayout(formulaRow);

    auto* valueRow = new QHBoxLayout();
    valueRow->addWidget(new QLabel(QStringLiteral("指标取值："), this));
    e_selfzbqz = new QLineEdit(this);
    e_selfzbqz->setObjectName(name("e_", "selfzbqz"));
    e_selfzbqz->setReadOnly(true);
    valueRow->addWidget(e_selfzbqz, 1);
    b_selfzb = new QPushButton(QStringLiteral("取值"), this);
    b_selfzb->setObjectName(name("b_", "selfzb"));
    valueRow->addWidget(b_selfzb);
    cb_selfzbrc = new QCheckBox(QStringLiteral("容错"), this);
    cb_selfzbrc->setObjectName(name("cb_", "selfzbrc"));
    valueRow->addWidget(cb_selfzbrc);
    fieldsArea->addLayout(valueRow);

    connect(b_selfzb, &QPushButton::clicked, this, [this] { chooseValues(); });
    connect(b_fzsr, &QPushButton::clicked, this, [this] { openFormulaAssistant(); });
    refresh();
}

int ZhCustomTab::conditionCount() const { return static_cast<int>(list_.customs->size()); }

std::string ZhCustomTab::loadedLine(int index) const {
    return customLoadedLine((*list_.customs)[static_cast<std::size_t>(index)]);
}

bool ZhCustomTab::switchOn() const { return *list_.on; }

void ZhCustomTab::setSwitchOn(bool on) { *list_.on = on; }

void ZhCustomTab::setPendingValues(std::vector<int32_t> values) {
    pendingValues_ = std::move(values);
    e_selfzbqz->setText(QString::fromStdString(valuesFieldText(pendingValues_)));
}

void ZhCustomTab::chooseValues() {
    const std::string formula(trimBlanks(e_selfzb->text().toStdString()));
    if (auto chosen = chooseFormulaValues(this, formula, kCustomValueFrom, kCustomValueTo, pendingValues_, std::nullopt))
        setPendingValues(std::move(*chosen));
}

void ZhCustomTab::clearFields() {
    e_selfzb->clear();
    setPendingValues({});
    cb_selfzbrc->setChecked(false);
}

void ZhCustomTab::addCondition() {
    CustomIndicatorCondition condition;
    condition.formula = std::string(trimBlanks(e_selfzb->text().toStdString()));
    if (condition.formula.empty()) return;
    if (pendingValues_.empty()) {
        showMessage(QString::fromUtf8(kNoValuesMessage), this);
        return;
    }
    condition.values = pendingValues_;
    condition.tolerant = cb_selfzbrc->isChecked();
    const AddResult result = list_.add(std::move(condition));
    if (!result.added) {
        if (!result.message.empty()) showMessage(QString::fromStdString(result.message), this);
        return;
    }
    appendLine(customLine(list_.customs->back()));
    clearFields();
}

void ZhCustomTab::modifyCondition(int index) {
    CustomIndicatorCondition& current = (*list_.customs)[static_cast<std::size_t>(index)];
    auto chosen =
        chooseFormulaValues(this, current.formula, kCustomValueFrom, kCustomValueTo, current.values, std::nullopt);
    if (!chosen) return;
    if (chosen->empty()) {
        showMessage(QString::fromUtf8(kNoValuesMessage), this);
        return;
    }
    current.values = std::move(*chosen);
    current.tolerant = askYesNo(QString::fromUtf8(kToleranceQuestion), QString(), this);
    replaceLine(index, customLine(current));
}

void ZhCustomTab::removeCondition(int index) {
    list_.customs->erase(list_.customs->begin() + index);
}

std::optional<CustomIndicatorCondition> ZhCustomTab::addThroughPicker(const QString& formula, int from, int to,
                                                                      std::optional<int> currentValue) {
    if (conditionCount() >= list_.limit) {
        showMessage(QString::fromUtf8(list_.limitMessage), this);
        return std::nullopt;
    }
    const std::string text(trimBlanks(formula.toStdString()));
    auto chosen = chooseFormulaValues(this, text, from, to, {}, currentValue);
    if (!chosen) return std::nullopt;
    if (chosen->empty()) {
        showMessage(QString::fromUtf8(kNoValuesMessage), this);
        return std::nullopt;
    }
    CustomIndicatorCondition condition;
    condition.formula = text;
    condition.values = std::move(*chosen);
    const AddResult result = list_.add(std::move(condition));
    if (!result.added) {
        if (!result.message.empty()) showMessage(QString::fromStdString(result.message), this);
        return std::nullopt;
    }
    appendLine(customLine(list_.customs->back()));
    tickSwitch();
    return list_.customs->back();
}

AddResult ZhCustomTab::append(CustomIndicatorCondition condition, const std::string& line) {
    const AddResult result = list_.add(std::move(condition));
    if (!result.added) {
        if (!result.message.empty()) showMessage(QString::fromStdString(result.message), this);
        return result;
    }
    appendLine(line.empty() ? customLine(list_.customs->back()) : line);
    clearFields();
    tickSwitch();
    return result;
}

// The assisted-input dialog builds a formula; on OK it replaces the formula field.
void ZhCustomTab::openFormulaAssistant() { assistedInputDialog().fillLineEdit(e_selfzb); }

}  // namespace qorvel
