// The parts the two special-zone tabs of the filter page share: the condition row, the condition-file
// dialogs and the text of the number memos.
#pragma once

#include <QWidget>
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "combos/special_conditions.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace qorvel {

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
