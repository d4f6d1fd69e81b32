// The single-special-number tab of the filter page (caption: the special label + "过滤", "蓝号过滤" for
// the default type): the blue-filter conditions and custom conditions, the run over every special
// number, the result list with its own add and delete, and the condition files "*.lzh".
#pragma once

#include "app/pages/zh/zh_special_parts.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace qorvel {

class ZhBlueTab : public ZhSpecialFilterTab {
  public:
    ZhBlueTab(Tf_zh& page, QWidget* parent);

    void refresh() override;
    // Rewrites the result list and its label.
    void showResults() override;
    // Refills the add choice with 1..special maximum (after a type change).
    void refreshForType();

    // "开始过滤 ": StartBlueFilter; refusals are shown.
    void startFilter();
    // "重置": every blue condition off and empty, the custom list emptied.
    void resetConditions();
    // "添加": the chosen number joins the result set (kept ascending, never twice).
    void addNumber();
    // "删除": removes the selected entry.
    void deleteNumber();

    QTabWidget* pc_lhcond = nullptr;
    QPushButton* b_lhgl_filter = nullptr;
    QPushButton* b_lhgl_reset = nullptr;
    QPushButton* b_lhgl_add = nullptr;
    QComboBox* cb_lhgl_add = nullptr;
    QPushButton* b_lhgl_delete = nullptr;
    QPushButton* b_lhgl_savecond = nullptr;
    QPushButton* b_lhgl_loadcond = nullptr;
    QListWidget* lb_lhresult = nullptr;
    QLabel* l_lhresult = nullptr;

  private:
    BlueConditionSet& conditions();
    QWidget* buildConditions();
    QWidget* buildSide();
    void bindRow(ZhSpecialRow* row, const BlueConditionInfo& info);
    void setConditionEnabled(int id, bool on) override;
    void setConditionTolerant(int id, bool on) override;
    void refreshRow(int id) override;
    void chooseValues(const BlueConditionInfo& info);
};

}  // namespace qorvel
