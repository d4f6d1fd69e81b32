// Tf_fzsr: the assisted-input dialog ("辅助输入") — builds a formula by double-clicking indicator menu
// items, operators and functions, and saved custom indicators. Reusable: open it for a line edit or ask it
// for the built text.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace qorvel {

class Tf_fzsr : public QDialog {
  public:
    explicit Tf_fzsr(QWidget* parent = nullptr);

    // Opens modally with `initial` in the edit; the trimmed formula on OK, nothing on cancel.
    std::optional<QString> buildFormula(const QString& initial = QString());
    // Opens modally with an empty edit; on OK the formula replaces the text of `target`. True on OK.
    bool fillLineEdit(QLineEdit* target);

    // Double-click on a list: appends the selected item's text up to its first space to the edit.
    void appendSelectedItem(QListWidget* list);
    // Accepts only a formula that passes the plain-text check; otherwise shows its message and stays.
    void accept() override;

    // The list of a page by its caption ("常规", "运算符及函数", "保存的自定义指标", ...).
    QListWidget* pageList(const QString& caption) const;

    QLineEdit* e_fzsr = nullptr;
    QTabWidget* pagecontrol1 = nullptr;
    QListWidget* lb_save = nullptr;
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;

  private:
    void reloadSavedIndicators();
    QWidget* operatorPage() const;

    QString result_;
};

inline Tf_fzsr* f_fzsr = nullptr;

// The shared dialog: f_fzsr, or one made on first use when the program has not created it.
Tf_fzsr& assistedInputDialog();

// Calls `handler` with the list on every single click (when `singleClicks`) and double click inside it,
// also on its empty area, after the view has updated its selection.
void watchListClicks(QListWidget* list, bool singleClicks, std::function<void(QListWidget*)> handler);

// The selected item's text of a list, or nothing when no item is selected.
std::optional<QString> selectedItemText(const QListWidget* list);

}  // namespace qorvel
