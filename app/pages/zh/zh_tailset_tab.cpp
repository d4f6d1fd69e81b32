#include "app/pages/zh/zh_tailset_tab.h"

#include "app/dialogs/zh/u_tailset.h"

namespace qorvel {
namespace {

const GroupSetKind<TailSetCondition> kTailSetKind{
    {"ts_zh_wsset", "lb_wsset", "cb_wsset", "尾数设置", "b_wsset_add", "增加", "b_wsset_modify",
     "b_wsset_delete", "最多可添加50注尾数条件", "请先在中间的列表框中选择一项要删除的数据",
     "请先在中间的列表框中选择一项要修改的数据"},
    &ConditionSet::tailSets, &ConditionSet::tailSetOn, &ConditionSet::addTailSet,
    &TailSetCondition::digits, kMaxTailSetConditions, kTailSetLimitMessage,
    tailSetLine, tailSetLoadedLine,
    [](const TailSetCondition& c) { return sharedDialog(f_wsset).edit(c); }};

}  // namespace

ZhTailSetTab::ZhTailSetTab(ConditionSet& conditions, QWidget* parent)
    : ZhGroupSetTab(kTailSetKind, conditions, parent) {}

}  // namespace qorvel
