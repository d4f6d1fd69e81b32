// The self-set conditions tab "自设条件" of the filter page: groups of main numbers with allowed counts.
#pragma once

#include "app/pages/zh/zh_group_set_tab.h"

namespace qorvel {

class ZhSelfSetTab : public ZhGroupSetTab<SelfSetCondition> {
  public:
    ZhSelfSetTab(ConditionSet& conditions, QWidget* parent);
};

}  // namespace qorvel
