// The custom-indicator tab "自定义指标" of the filter page: formulas with their allowed values. The main
// zone and the two special-zone tabs each have one; they differ in their list, its limit and the names
// of their controls.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "app/pages/zh/zh_list_tab.h"
#include "combos/filter_conditions.h"

class QLineEdit;

namespace qorvel {

struct BlueConditionSet;
struct ZoneConditionSet;

class ZhCustomTab : public ZhListTab {
  public:
    // The custom conditions of the main zone, of the blue filter and of the special-zone filter.
    ZhCustomTab(ConditionSet& conditions, QWidget* parent);
    ZhCustomTab(BlueConditionSet& conditions, QWidget* parent);
    ZhCustomTab(ZoneConditionSet& conditions, QWidget* parent);

    // Opens the check-list picker over from..to for `formula` (its current value given for the criteria);
    // on OK appends the condition and its line. Returns the added condition; nothing when cancelled or
    // refused (the refusal is shown).
    std::optional<CustomIndicatorCondition> addThroughPicker(const QString& formula, int from, int to,
                                                             std::optional<int> currentValue);
    // Appends a condition built elsewhere with the list line its builder wrote (empty: the usual line),
    // clears the formula, value and tolerant fields and ticks the switch; the refusal when refused.
    AddResult append(CustomIndicatorCondition condition, const std::string& line = {});
    // Replaces the values chosen for the next condition and rewrites the value field.
    void setPendingValues(std::vector<int32_t> values);

    QLineEdit* e_selfzb = nullptr;      // formula
    QPushButton* b_fzsr = nullptr;      // " 辅助输入 "
    QLineEdit* e_selfzbqz = nullptr;    // the chosen values
    QPushButton* b_selfzb = nullptr;    // 取值
    QCheckBox* cb_selfzbrc = nullptr;   // 容错

  protected:
    int conditionCount() const override;
    std::string loadedLine(int index) const override;
    bool switchOn() const override;
    void setSwitchOn(bool on) override;
    void addCondition() override;
    void modifyCondition(int index) override;
    void removeCondition(int index) override;

  private:
    // The list a tab edits and the names of its fields.
    struct Binding {
        bool* on = nullptr;
        std::vector<CustomIndicatorCondition>* customs = nullptr;
        std::function<AddResult(CustomIndicatorCondition)> add;
        int limit = 0;
        const char* limitMessage = "";
        const char* prefix = "";  // inserted into the field names: e_selfzb, e_lhselfzb, e_fqselfzb
    };
    template <class Set>
    static Binding bind(Set& conditions, int limit, const char* limitMessage, const char* prefix);
    ZhCustomTab(const Controls& controls, Binding binding, QWidget* parent);

    void chooseValues();
    void openFormulaAssistant();
    void clearFields();

    Binding list_;
    std::vector<int32_t> pendingValues_;
};

}  // namespace qorvel
