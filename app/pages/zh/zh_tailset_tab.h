// The tail-set conditions tab "尾数设置" of the filter page: groups of last digits with allowed counts.
#pragma once

#include <optional>
#include <vector>

#include "app/pages/zh/zh_list_tab.h"
#include "combos/filter_conditions.h"

namespace qorvel {

class ZhTailSetTab : public ZhListTab {
  public:
    ZhTailSetTab(ConditionSet& conditions, QWidget* parent);

    // Opens the tail-set dialog with the `preset` digits ticked; on "确定" appends the condition and its line.
    // Returns the added condition; nothing when cancelled or refused (the refusal is shown).
    std::optional<TailSetCondition> addThroughDialog(const std::vector<int>& preset = {});
    // Appends a condition built elsewhere with the list line its builder wrote (empty: the usual line)
    // and ticks the switch; the refusal message when the list is full.
    AddResult append(TailSetCondition condition, const std::string& line = {});

  protected:
    int conditionCount() const override;
    std::string loadedLine(int index) const override;
    bool switchOn() const override;
    void setSwitchOn(bool on) override;
    void addCondition() override { addThroughDialog(); }
    void modifyCondition(int index) override;
    void removeCondition(int index) override;

  private:
    ConditionSet& conditions_;
};

}  // namespace qorvel
