// The tail-set conditions tab "尾数设置" of the filter page: groups of last digits with allowed counts.
#pragma once

#include "app/pages/zh/zh_group_set_tab.h"

namespace qorvel {

class ZhTailSetTab : public ZhGroupSetTab<TailSetCondition> {
  public:
    ZhTailSetTab(ConditionSet& conditions, QWidget* parent);
};

}  // namespace qorvel
