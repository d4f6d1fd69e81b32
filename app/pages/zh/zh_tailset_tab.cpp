#include "app/pages/zh/zh_tailset_tab.h"

#include <QCheckBox>

#include "app/dialogs/zh/u_tailset.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

const ZhListTab::Controls kControls{
    "ts_zh_wsset", "lb_wsset", "cb_wsset", "尾数设置", "b_wsset_add", "增加", "b_wsset_modify",
    "b_wsset_delete", "最多可添加50注尾数条件", "请先在中间的列表框中选择一项要删除的数据",
    "请先在中间的列表框中选择一项要修改的数据"};

Tf_wsset& dialog() {
    if (!f_wsset) f_wsset = new Tf_wsset();
    return *f_wsset;
}

}  // namespace

ZhTailSetTab::ZhTailSetTab(ConditionSet& conditions, QWidget* parent)
    : ZhListTab(kControls, parent), conditions_(conditions) {
    refresh();
}

int ZhTailSetTab::conditionCount() const { return static_cast<int>(conditions_.tailSets.size()); }

std::string ZhTailSetTab::loadedLine(int index) const {
    return tailSetLoadedLine(conditions_.tailSets[static_cast<std::size_t>(index)]);
}

bool ZhTailSetTab::switchOn() const { return conditions_.tailSetOn; }

void ZhTailSetTab::setSwitchOn(bool on) { conditions_.tailSetOn = on; }

std::optional<TailSetCondition> ZhTailSetTab::addThroughDialog(const std::vector<int>& preset) {
    // A full list is refused before the user spends time in the dialog.
    if (conditionCount() >= kMaxTailSetConditions) {
        showMessage(QString::fromUtf8(kTailSetLimitMessage), this);
        return std::nullopt;
    }
    TailSetCondition initial;
    initial.digits = preset;
    std::optional<TailSetCondition> chosen = dialog().edit(initial);
    if (!chosen) return std::nullopt;
    const AddResult result = conditions_.addTailSet(*chosen);
    if (!result.added) {
        showMessage(QString::fromStdString(result.message), this);
        return std::nullopt;
    }
    appendLine(tailSetLine(conditions_.tailSets.back()));
    return conditions_.tailSets.back();
}

AddResult ZhTailSetTab::append(TailSetCondition condition, const std::string& line) {
    const AddResult result = conditions_.addTailSet(std::move(condition));
    if (!result.added) {
        showMessage(QString::fromStdString(result.message), this);
        return result;
    }
    appendLine(line.empty() ? tailSetLine(conditions_.tailSets.back()) : line);
    tickSwitch();
    return result;
}

void ZhTailSetTab::modifyCondition(int index) {
    TailSetCondition& current = conditions_.tailSets[static_cast<std::size_t>(index)];
    std::optional<TailSetCondition> chosen = dialog().edit(current);
    if (!chosen) return;
    current = std::move(*chosen);
    replaceLine(index, tailSetLine(current));
}

void ZhTailSetTab::removeCondition(int index) {
    conditions_.tailSets.erase(conditions_.tailSets.begin() + index);
}

}  // namespace qorvel
