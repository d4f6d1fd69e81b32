// Dialogs of the result sets of the filter page: the ticket editor ("添加组号" / "修改组号") for main
// tickets, special-number groups and full tickets, and the removal list Tf_zq_lczh ("滤除组号").
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "combos/ticket_text.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qorvel {

struct Workspace;

// Gives a field the mask of the zone's two-digit groups joined by "-", a fixed font and room for them.
void prepareTicketField(QLineEdit* field, const Workspace& ws, TicketZone zone);
// The numbers as a ticket field shows them ("03-11-27").
QString ticketFieldText(const std::vector<int>& numbers);

// What a ticket editor edits: a main ticket, a special-number group, or a full ticket (main numbers, then
// special numbers).
enum class TicketLayout { Main, Special, Dual };

// The ticket editor: one masked field per zone of the layout, each of two-digit groups separated by "-"
// and labelled with the zone's label. The main field is me_zh, the special field me_fq.
class TicketEditDialog : public QDialog {
  public:
    TicketEditDialog(const QString& caption, const Workspace& ws, QWidget* parent = nullptr,
                     TicketLayout layout = TicketLayout::Main);

    // Shows the dialog modally, starting from `start` (empty for a new ticket; for a full ticket the main
    // numbers then the special numbers); the ticket on OK in the same order, each zone ascending.
    std::optional<std::vector<int>> editTicket(const std::vector<int>& start);

    // Accepts only a complete, valid ticket; otherwise shows why and stays open.
    void accept() override;

    QLabel* l_zh = nullptr;
    QLineEdit* me_zh = nullptr;
    QLabel* l_fq = nullptr;
    QLineEdit* me_fq = nullptr;
    QPushButton* b_ok = nullptr;
    QPushButton* b_cancel = nullptr;

  private:
    // The label and field of one zone, added to the dialog's field rows.
    QLineEdit* addZoneField(TicketZone zone, QLabel*& label, QGridLayout* rows);

    const Workspace& ws_;
    TicketLayout layout_;
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
