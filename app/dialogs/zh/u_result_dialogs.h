// Dialogs of the main result set of the filter page: the ticket editor ("添加组号" / "修改组号") and the
// removal list Tf_zq_lczh ("滤除组号"), plus the file-dialog filter conversion both use.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qorvel {

struct Workspace;


// The ticket of a masked editor's text: the mainCount numbers ascending, or the message to show (a piece
// that is not a whole number, a number outside the main range, a number given twice).
struct TicketInput {
    std::vector<int> numbers;
    std::string error;
};
TicketInput readTicketText(const std::string& text, const Workspace& ws);

// The ticket editor: one masked field of MainCount two-digit groups separated by "-".
class TicketEditDialog : public QDialog {
  public:
    TicketEditDialog(const QString& caption, const Workspace& ws, QWidget* parent = nullptr);

    // Shows the dialog modally, starting from `start` (empty for a new ticket); the ticket on OK.
    std::optional<std::vector<int>> editTicket(const std::vector<int>& start);

    // Accepts only a complete, valid ticket; otherwise shows why and stays open.
    void accept() override;

    QLabel* l_zh = nullptr;
    QLineEdit* me_zh = nullptr;
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;

  private:
    const Workspace& ws_;
    std::vector<int> ticket_;
};

// Tf_zq_lczh: the removal list dialog. The memo keeps its text between showings.
class Tf_zq_lczh : public QDialog {
  public:
    explicit Tf_zq_lczh(QWidget* parent = nullptr);

    // Checks and applies the memo's lines; returns the message to show, empty when they were applied.
    using ApplyList = std::function<std::string(const std::vector<std::string>& lines)>;

    // Shows the dialog modally for tickets of mainCount numbers. On OK the lines go to apply; when it
    // answers with a message the message is shown and the dialog stays open for the correction. True
    // when the list was applied.
    bool removeTickets(int mainCount, const ApplyList& apply);

    void accept() override;

    // "号码组格式如：" + an example line of mainCount numbers + the typing rules.
    static QString hintText(int mainCount);

    QLabel* l_lczh = nullptr;
    QPlainTextEdit* m_lczh = nullptr;
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;
    QPushButton* b_load = nullptr;
    QPushButton* b_save = nullptr;
    QPushButton* b_clear = nullptr;
    QPushButton* b_hint = nullptr;

  private:
    void loadList();
    void saveList();
    std::vector<std::string> memoLines() const;

    int mainCount_ = 6;
    ApplyList apply_;
};

inline Tf_zq_lczh* f_zq_lczh = nullptr;

}  // namespace qorvel
