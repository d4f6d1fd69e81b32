// The parts the two special-zone filter tabs of the filter page share: the condition row, the frame of
// the tabs (condition sub-pages, total tolerance, custom list, result popup, condition files), the
// condition-file dialogs and the text of the number memos.
#pragma once

#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "combos/special_conditions.h"
#include "combos/special_filter.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace qorvel {

class Tf_zh;
class ZhCustomTab;
class ZhSpecialResults;

// One condition row: a check box with the caption, then either a value field with its "..." button, a
// two-item choice, two real bound fields around a label, or the two choices of the total tolerance, and
// last the tolerant box. The owning tab binds the row to its condition set; the row itself only keeps
// its controls enabled with its check box.
class ZhSpecialRow : public QWidget {
  public:
    enum class Kind { Values, Choice, Bounds, Tolerance };

    // `stem` names the controls: cb_<stem>, e_<stem>, b_<stem>, combo_<stem>, me_<stem>from,
    // me_<stem>to, cb_<stem>rc. `items` are the two choices (Choice), `middle` the label between the
    // bounds (Bounds), `toleranceMax` the last value of the tolerance choices (Tolerance).
    struct Setup {
        Kind kind = Kind::Values;
        QString stem;
        QString caption;
        QStringList items;
        QString middle;
        int toleranceMax = 0;
    };
    ZhSpecialRow(const Setup& setup, QWidget* parent);

    // Enables the row's other controls as the check box says.
    void applyEnabled(bool on);

    QCheckBox* enableBox = nullptr;
    QLineEdit* valueField = nullptr;
    QPushButton* chooseButton = nullptr;
    QComboBox* choiceBox = nullptr;
    QLineEdit* lowerField = nullptr;
    QLineEdit* upperField = nullptr;
    QComboBox* fromBox = nullptr;
    QComboBox* toBox = nullptr;
    QCheckBox* tolerantBox = nullptr;
};

// The frame of a special filter tab. A tab builds its rows through buildConditionPages, binds them to its
// condition set and rewrites them in refresh().
class ZhSpecialFilterTab : public QWidget {
  public:
    // Rewrites every condition control from the conditions (after a reset or a load).
    virtual void refresh() = 0;
    // Rewrites the results from the special result set.
    virtual void showResults() = 0;

    void saveConditionsTo(const std::filesystem::path& path);
    void loadConditionsFrom(const std::filesystem::path& path);

    // The row of a condition id; the row after the last condition is the total tolerance.
    ZhSpecialRow* row(int id) const;
    ZhCustomTab* customTab() const { return customTab_; }
    // The popup of the result list or grid.
    ZhSpecialResults* popup() const { return popup_; }

  protected:
    ZhSpecialFilterTab(Tf_zh& page, SpecialFileKind kind, QWidget* parent);

    // The sub-pages "常规条件" (a row per setup, then the total tolerance row bound to `tolerance`) and
    // "自定义指标" (customTab).
    QTabWidget* buildConditionPages(const char* objectName, const std::vector<ZhSpecialRow::Setup>& setups,
                                    TotalTolerance& tolerance, const char* toleranceStem, int toleranceMax,
                                    ZhCustomTab* customTab);
    void refreshToleranceRow(const TotalTolerance& tolerance);
    // Ticking a condition row or its tolerant box changes the condition of that id; ticking also rewrites
    // the row (unticking clears the condition).
    void bindSwitches(ZhSpecialRow* row, int id);
    virtual void setConditionEnabled(int id, bool on) = 0;
    virtual void setConditionTolerant(int id, bool on) = 0;
    virtual void refreshRow(int id) = 0;
    // Runs a special filter, unless a main-zone run is using the draw store; then shows the results and
    // the refusal, if any.
    void runFilter(const std::function<SpecialRunOutcome()>& run);
    // The save and load buttons open the condition-file dialogs of the tab's kind.
    void connectFileButtons(QPushButton* save, QPushButton* load);

    Tf_zh& page_;
    std::vector<ZhSpecialRow*> rows_;  // index id − 1; the last row is the total tolerance
    ZhCustomTab* customTab_ = nullptr;
    ZhSpecialResults* popup_ = nullptr;
    bool refreshing_ = false;  // set while controls are rewritten, so their signals change nothing

  private:
    SpecialFileKind kind_;
};

// The save or open dialog of a special condition file: filter SpecialLabel + "过滤条件格式文件(*.lzh)"
// (or *.fzh), titles "保存" + label + "过滤条件" and "打开" + label + "过滤条件存储文件", folder "save\".
// Nothing when cancelled.
std::optional<std::filesystem::path> chooseSpecialConditionFile(QWidget* parent, SpecialFileKind kind, bool save);

// The memo text of special number flags: each flagged number of first..last as two digits and two spaces.
std::string specialNumbersText(const std::array<bool, kMaxSpecialNumber + 1>& flags, int first, int last);

// A real bound field's value; nothing when it is empty or not a number.
std::optional<double> realFieldValue(const QString& text);
QString realFieldText(const std::optional<double>& value);

}  // namespace qorvel
