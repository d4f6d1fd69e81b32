#include "app/pages/zh/zh_selfset_tab.h"

#include <QCheckBox>

#include "app/dialogs/zh/u_selfset.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

const ZhListTab::Controls kControls{
    "ts_zh_selfcond", "lb_selfcond", "cb_selfcond", "自设条件", "b_addanyzh", "增加  ", "b_selfcond_modify",
    "b_selfcondsub", "最多可添加400注自设条件", "请先在中间的列表框中选择一项要删除的数据",
    "请先在中间的列表框中选择一项要修改的数据"};

Tf_selfcond& dialog() {
    if (!f_selfcond) f_selfcond = new Tf_selfcond();
    return *f_selfcond;
}

}  // namespace

ZhSelfSetTab::ZhSelfSetTab(ConditionSet& conditions, QWidget* parent)
    : ZhListTab(kControls, parent), conditions_(conditions) {
    refresh();
}

int ZhSelfSetTab::conditionCount() const { return static_cast<int>(conditions_.selfSets.size()); }

std::string ZhSelfSetTab::loadedLine(int index) const {
    return selfSetLoadedLine(conditions_.selfSets[static_cast<std::size_t>(index)]);
}

bool ZhSelfSetTab::switchOn() const { return conditions_.selfSetOn; }

void ZhSelfSetTab::setSwitchOn(bool on) { conditions_.selfSetOn = on; }

std::optional<SelfSetCondition> ZhSelfSetTab::addThroughDialog(const std::vector<int>& preset) {
    // A full list is refused before the user spends time in the dialog.
    if (conditionCount() >= kMaxSelfSetConditions) {
        showMessage(QString::fromUtf8(kSelfSetLimitMessage), this);
        return std::nullopt;
    }
    SelfSetCondition initial;
    initial.numbers = preset;
    std::optional<SelfSetCondition> chosen = dialog().edit(initial);
    if (!chosen) return std::nullopt;
    const AddResult result = conditions_.addSelfSet(*chosen);
    if (!result.added) {
        showMessage(QString::fromStdString(result.message), this);
        return std::nullopt;
    }
    appendLine(selfSetLine(conditions_.selfSets.back()));
    return conditions_.selfSets.back();
}

AddResult ZhSelfSetTab::append(SelfSetCondition condition, const std::string& line) {
    const AddResult result = conditions_.addSelfSet(std::move(condition));
    if (!result.added) {
        showMessage(QString::fromStdString(result.message), this);
        return result;
    }
    appendLine(line.empty() ? selfSetLine(conditions_.selfSets.back()) : line);
    tickSwitch();
    return result;
}

void ZhSelfSetTab::modifyCondition(int index) {
    SelfSetCondition& current = conditions_.selfSets[static_cast<std::size_t>(index)];
    std::optional<SelfSetCondition> chosen = dialog().edit(current);
    if (!chosen) return;
    current = std::move(*chosen);
    replaceLine(index, selfSetLine(current));
}

void ZhSelfSetTab::removeCondition(int index) {
    conditions_.selfSets.erase(conditions_.selfSets.begin() + index);
}

}  // namespace qorvel
