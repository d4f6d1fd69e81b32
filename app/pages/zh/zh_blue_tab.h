// The single-special-number tab of the filter page (caption: the special label + "过滤", "蓝号过滤" for
// the default type): the blue-filter conditions and custom conditions, the run over every special
// number, the result list with its own add and delete, and the condition files "*.lzh".
#pragma once

#include <QWidget>
#include <filesystem>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace qorvel {

class Tf_zh;
class ZhCustomTab;
class ZhSpecialRow;
class ZhSpecialResults;
struct BlueConditionInfo;
struct BlueConditionSet;

class ZhBlueTab : public QWidget {
  public:
    ZhBlueTab(Tf_zh& page, QWidget* parent);

    // Rewrites every condition control from the conditions (after a reset or a load).
    void refresh();
    // Rewrites the result list and its label from the special result set.
    void showResults();
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
    void saveConditionsTo(const std::filesystem::path& path);
    void loadConditionsFrom(const std::filesystem::path& path);

    // The row of a condition id (1..14).
    ZhSpecialRow* row(int id) const;
    ZhCustomTab* customTab() const { return customTab_; }
    // The popup of the result list.
    ZhSpecialResults* popup() const { return popup_; }

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
    void bindToleranceRow(ZhSpecialRow* row);
    void refreshRow(int id);
    void chooseValues(const BlueConditionInfo& info);

    Tf_zh& page_;
    std::vector<ZhSpecialRow*> rows_;  // index id − 1; the last row is the total tolerance
    ZhCustomTab* customTab_ = nullptr;
    ZhSpecialResults* popup_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace qorvel
