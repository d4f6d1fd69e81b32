// GroupSetDialog: what the self-set "自设条件" and tail-set "尾数设置" dialogs share — a group of values
// ticked in check boxes, the allowed counts chosen through "出现个数选择", the tolerant flag 容错, the
// buttons 全选, 复位, 过滤助手 (the group's count charted over the history), 确定 with its checks and 取消.
// Each dialog builds its own layout from these pieces and adds what only it has.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace qorvel {

class GroupSetDialog : public QDialog {
  public:
    // The ticked values ascending.
    std::vector<int> tickedValues() const;
    // Ticks exactly the values given (values without a box are ignored).
    void setTickedValues(const std::vector<int>& values);
    // Replaces the chosen counts and rewrites their field.
    void setCounts(std::vector<int32_t> counts);
    const std::vector<int32_t>& counts() const { return counts_; }

    QLineEdit* e_cxgs = nullptr;         // the chosen counts
    QPushButton* b_cxgs = nullptr;       // "  ...  " of 出现个数选择
    QCheckBox* cb_rc = nullptr;          // 容错
    QPushButton* b_selectall = nullptr;  // 全选
    QPushButton* b_reset = nullptr;      // 复位
    QPushButton* b_glzs = nullptr;       // 过滤助手
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;

    // Refuses an incomplete group with its message and stays open.
    void accept() override;

  protected:
    struct Texts {
        const char* objectName;
        const char* title;
        const char* noValuesMessage;
        const char* noCountsMessage;
        bool countsCheckedFirst;  // which of the two checks of "确定" speaks when both fail
    };
    // What "过滤助手" charts: the chart's title and the count of one draw's main numbers.
    struct GroupChart {
        std::string title;
        std::function<int(const std::vector<int>& numbers)> count;
    };

    GroupSetDialog(const Texts& texts, QWidget* parent);

    // The pieces, created in the order the dialog wants them in its tab chain.
    QGroupBox* makeCountBox();
    void makeTolerantBox();
    void makeSelectAllAndReset();
    void makeClosingButtons();  // 过滤助手, 确定 (the default) and 取消
    // Connects the shared buttons; called once every piece exists.
    void wireSharedButtons();

    // Empties the group, the counts and the tolerant flag; a dialog adds its own defaults.
    virtual void resetChoices();
    // Resets, then shows a condition's group, counts and tolerant flag.
    void prefill(const std::vector<int>& values, std::vector<int32_t> counts, bool tolerant);
    virtual GroupChart groupChart(const std::vector<int>& values) const = 0;

    // The value boxes indexed by value; null where a value has no box.
    std::vector<QCheckBox*> valueBoxes;

  private:
    void chooseCounts();
    void showAssistant();

    const Texts texts_;
    std::vector<int32_t> counts_;
};

}  // namespace qorvel
