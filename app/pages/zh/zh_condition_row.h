// One condition row of the combination filter: check box, value field, "..." button and tolerant box,
// built from a row of the condition table and named after the indicator's stem (cb_dsgs, e_dsgs, b_dsgs,
// cb_dsgsrc). The two range conditions carry two bound fields instead of the value field and button.
#pragma once

#include <QBoxLayout>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string>

#include "combos/filter_conditions.h"

namespace qorvel {

// The control stem of a condition: its IndicatorCode without the "z_" prefix; "bzc" and "lsxs" for the
// two range conditions.
std::string conditionStem(const ConditionInfo& info);

// The read-only value field and "..." button of a list condition row, named e_<stem> and b_<stem>,
// appended to the row's layout.
struct ValueChooser {
    QLineEdit* field = nullptr;
    QPushButton* button = nullptr;
};
ValueChooser addValueChooser(QWidget* row, QBoxLayout* layout, const QString& stem);

class ZhConditionRow : public QWidget {
  public:
    ZhConditionRow(const ConditionInfo& info, ConditionSet& conditions, QWidget* parent = nullptr);

    const ConditionInfo& info() const { return info_; }
    // Rewrites the controls from the condition set (after a reset or a load).
    void refresh();
    // Replaces the allowed values (what the value dialog returns) and rewrites the field.
    void setValues(std::vector<int32_t> values);
    // Called when the "..." button is pressed; the page opens the value dialog.
    std::function<void(ZhConditionRow&)> onChoose;

    QCheckBox* enableBox = nullptr;
    QLineEdit* valueField = nullptr;
    QPushButton* chooseButton = nullptr;
    QLineEdit* fromField = nullptr;
    QLineEdit* toField = nullptr;
    QCheckBox* tolerantBox = nullptr;

  private:
    void applyEnabled(bool on);
    void storeBounds();
    const ConditionInfo& info_;
    ConditionSet& conditions_;
    bool refreshing_ = false;
};

}  // namespace qorvel
