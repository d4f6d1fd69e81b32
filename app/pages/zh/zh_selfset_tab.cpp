#include "app/pages/zh/zh_selfset_tab.h"

#include "app/dialogs/zh/u_selfset.h"

namespace qorvel {
namespace {

const GroupSetKind<SelfSetCondition> kSelfSetKind{
    {"ts_zh_selfcond", "lb_selfcond", "cb_selfcond", "自设条件", "b_addanyzh", "增加  ", "b_selfcond_modify",
     "b_selfcondsub", "最多可添加400注自设条件", "请先在中间的列表框中选择一项要删除的数据",
     "请先在中间的列表框中选择一项要修改的数据"},
    &ConditionSet::selfSets, &ConditionSet::selfSetOn, &ConditionSet::addSelfSet,
    &SelfSetCondition::numbers, kMaxSelfSetConditions, kSelfSetLimitMessage,
    selfSetLine, selfSetLoadedLine,
    [](const SelfSetCondition& c) { return sharedDialog(f_selfcond).edit(c); }};

}  // namespace

ZhSelfSetTab::ZhSelfSetTab(ConditionSet& conditions, QWidget* parent)
    : ZhGroupSetTab(kSelfSetKind, conditions, parent) {}

}  // namespace qorvel
