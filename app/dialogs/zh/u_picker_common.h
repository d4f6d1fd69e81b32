// ValuePickerDialog: what the two value pickers "取值选择" share — the selection over 0..last value, the
// criteria group, the quick buttons (重置, 全选, 全不选, 反选, 过滤助手) with 确定 and 取消, and the cycle
// of a use (begin, then the modal dialog). Each picker adds its own view of the values above the criteria.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "app/dialogs/zh/u_value_criteria_group.h"
#include "combos/value_criteria.h"

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace qorvel {

// A push button of the filter page's dialogs, named `name`; it never becomes the default on focus, so
// Enter confirms the dialog whatever button has the focus.
QPushButton* dialogButton(const char* caption, const char* name, QWidget* parent);

class ValuePickerDialog : public QDialog {
    Q_OBJECT

  public:
    // Prepares a use without showing the dialog: range, preselection, criteria state, assistant.
    void begin(const ValuePickerRequest& request);
    // begin, then the modal dialog; the chosen values ascending on "确定", nothing on "取消".
    std::optional<std::vector<int32_t>> choose(const ValuePickerRequest& request);

    std::vector<int32_t> chosen() const { return selection_.chosen(); }
    const ValueSelection& selection() const { return selection_; }

  protected:
    ValuePickerDialog(int lastValue, const char* objectName, QWidget* parent);

    // The pieces below the picker's view, each wired; a picker creates them in the order it wants them
    // in its tab chain, then finishColumn puts the criteria group and the button row under its view.
    void makeCriteria(const ValueCriteriaGroup::Options& options);
    QHBoxLayout* makeButtonRow();
    void finishColumn(QVBoxLayout* column, QHBoxLayout* buttonRow);

    // A use has set the range: the view offers exactly the values of selection().inRange.
    virtual void showRange() = 0;
    // The view shows the selection's chosen values.
    virtual void refreshValues() = 0;

    ValueSelection selection_;

  private:
    void chooseByCriteria();

    ValuePickerRequest request_;
    ValueCriteriaGroup* criteria_ = nullptr;
    QPushButton* assistantButton_ = nullptr;
};

}  // namespace qorvel
