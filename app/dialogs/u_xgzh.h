// Tf_xgzh: the combination edit dialog — one editor for the main numbers and, when the caller asks for
// them, editors for the issue and the special numbers. The data maintenance window modifies a draw
// through it; a type change sets its masks and labels.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "draws/draw_entry.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qorvel {

class Tf_xgzh : public QDialog {
  public:
    explicit Tf_xgzh(QWidget* parent = nullptr);

    // Sets the number masks for the main and special counts and the two zone labels.
    void applyTypeMasks(int mainCount, int specialCount, const QString& mainLabel, const QString& specialLabel);

    // Shows the dialog modally with this caption and these texts; the issue and special editors are
    // visible only when asked for. The editors' texts on "确定", nothing on "取消".
    std::optional<DrawEditorTexts> editTexts(const QString& caption, const DrawEditorTexts& texts, bool withIssue,
                                             bool withSpecials);

    void clearEditors();

    QLabel* l_qs = nullptr;
    QLineEdit* e_qs = nullptr;
    QLabel* l_zh = nullptr;
    QLineEdit* e_zh = nullptr;
    QLabel* l_spec = nullptr;
    QLineEdit* e_spec = nullptr;
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;
};

inline Tf_xgzh* f_xgzh = nullptr;

}  // namespace qorvel
