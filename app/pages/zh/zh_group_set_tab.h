// ZhGroupSetTab: the filter page's tabs of group conditions — "自设条件" (number groups) and "尾数设置"
// (tail-digit groups). Both keep a list of conditions with a master switch, add through their dialog, and
// refuse a full list before the dialog opens; a GroupSetKind row says where each kind keeps its facts.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/pages/zh/zh_list_tab.h"
#include "combos/filter_conditions.h"
#include "ui/platform.h"

namespace qorvel {

// One kind of group condition: its controls, its list and switch in the ConditionSet, its limits, its
// line texts and the dialog that edits one condition (nothing when the dialog is cancelled).
template <class Condition>
struct GroupSetKind {
    ZhListTab::Controls controls;
    std::vector<Condition> ConditionSet::*list;
    bool ConditionSet::*switchOn;
    AddResult (ConditionSet::*add)(Condition);
    std::vector<int> Condition::*members;  // the group a preset fills
    int limit;
    const char* limitMessage;
    std::string (*line)(const Condition&);
    std::string (*loadedLine)(const Condition&);
    std::optional<Condition> (*edit)(const Condition&);
};

// The dialog of a kind, created on first use and kept in its global.
template <class Dialog>
Dialog& sharedDialog(Dialog*& instance) {
    if (!instance) instance = new Dialog();
    return *instance;
}

template <class Condition>
class ZhGroupSetTab : public ZhListTab {
  public:
    ZhGroupSetTab(const GroupSetKind<Condition>& kind, ConditionSet& conditions, QWidget* parent)
        : ZhListTab(kind.controls, parent), kind_(kind), conditions_(conditions) {
        refresh();
    }

    // Opens the dialog with the `preset` group ticked; on "确定" appends the condition and its line.
    // Returns the added condition; nothing when cancelled or refused (the refusal is shown).
    std::optional<Condition> addThroughDialog(const std::vector<int>& preset = {}) {
        // A full list is refused before the user spends time in the dialog.
        if (conditionCount() >= kind_.limit) {
            showMessage(QString::fromUtf8(kind_.limitMessage), this);
            return std::nullopt;
        }
        Condition initial;
        initial.*kind_.members = preset;
        std::optional<Condition> chosen = kind_.edit(initial);
        if (!chosen) return std::nullopt;
        if (!addAndShow(std::move(*chosen), {}).added) return std::nullopt;
        return items().back();
    }

    // Appends a condition built elsewhere with the list line its builder wrote (empty: the usual line)
    // and ticks the switch; the refusal message when the list is full.
    AddResult append(Condition condition, const std::string& line = {}) {
        const AddResult result = addAndShow(std::move(condition), line);
        if (result.added) tickSwitch();
        return result;
    }

  protected:
    int conditionCount() const override { return static_cast<int>(items().size()); }
    std::string loadedLine(int index) const override {
        return kind_.loadedLine(items()[static_cast<std::size_t>(index)]);
    }
    bool switchOn() const override { return conditions_.*kind_.switchOn; }
    void setSwitchOn(bool on) override { conditions_.*kind_.switchOn = on; }
    void addCondition() override { addThroughDialog(); }
    void modifyCondition(int index) override {
        Condition& current = items()[static_cast<std::size_t>(index)];
        std::optional<Condition> chosen = kind_.edit(current);
        if (!chosen) return;
        current = std::move(*chosen);
        replaceLine(index, kind_.line(current));
    }
    void removeCondition(int index) override { items().erase(items().begin() + index); }

  private:
    std::vector<Condition>& items() { return conditions_.*kind_.list; }
    const std::vector<Condition>& items() const { return conditions_.*kind_.list; }

    // Adds through the ConditionSet (which keeps the limits) and appends the line, or shows the refusal.
    AddResult addAndShow(Condition condition, const std::string& line) {
        const AddResult result = (conditions_.*kind_.add)(std::move(condition));
        if (!result.added) {
            showMessage(QString::fromStdString(result.message), this);
            return result;
        }
        appendLine(line.empty() ? kind_.line(items().back()) : line);
        return result;
    }

    const GroupSetKind<Condition>& kind_;
    ConditionSet& conditions_;
};

}  // namespace qorvel
