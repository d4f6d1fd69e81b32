#include "app/dialogs/zh/u_dual_prize.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/draw_masks.h"
#include "app/dialogs/zh/u_result_dialogs.h"
#include "draws/draw_entry.h"
#include "draws/t_s_dm.h"
#include "types/workspace.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr const char* kCaption = "对奖";

QPushButton* namedButton(const char* caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* namedLabel(const QString& text, const char* name, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

// The row of a real draw (not the forecast or candidate row) with this issue; 0 when there is none.
int drawRowOf(const t_s_dm& store, int issue) {
    return issue >= kCandidateIssue ? 0 : store.RowOfIssue(issue);
}

}  // namespace

DualPrizeDialog::DualPrizeDialog(const Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws) {
    setObjectName("f_sqdj");
    setWindowTitle(QString::fromUtf8(kCaption));
    me_djqs = new QLineEdit(this);
    me_djqs->setObjectName("me_djqs");
    applyIssueMask(me_djqs);
    me_zq = new QLineEdit(this);
    me_zq->setObjectName("me_zq");
    prepareTicketField(me_zq, ws, TicketZone::Main);
    me_fq = new QLineEdit(this);
    me_fq->setObjectName("me_fq");
    prepareTicketField(me_fq, ws, TicketZone::Special);
    l_djqs = namedLabel(QStringLiteral("对奖期数"), "l_djqs", me_djqs, this);
    l_zq = namedLabel(fromUtf8(ws.MainLabel()), "l_zq", me_zq, this);
    l_fq = namedLabel(fromUtf8(ws.SpecialLabel()), "l_fq", me_fq, this);
    b_ok = namedButton("确定", "b_ok", this);
    b_ok->setDefault(true);
    b_cancel = namedButton("取消", "b_cancel", this);
    connect(me_djqs, &QLineEdit::textChanged, this, &DualPrizeDialog::fillFromIssue);
    connect(b_ok, &QPushButton::clicked, this, &DualPrizeDialog::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    fields->addWidget(l_djqs, 0, 0);
    fields->addWidget(me_djqs, 0, 1, Qt::AlignLeft);
    fields->addWidget(l_zq, 1, 0);
    fields->addWidget(me_zq, 1, 1);
    fields->addWidget(l_fq, 2, 0);
    fields->addWidget(me_fq, 2, 1, Qt::AlignLeft);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_ok);
    buttons->addWidget(b_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
}

std::optional<WinningNumbers> DualPrizeDialog::chooseWinningNumbers() {
    me_djqs->setFocus();
    me_djqs->setCursorPosition(0);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return winning_;
}

void DualPrizeDialog::fillFromIssue() {
    QString digits = me_djqs->text();
    digits.remove(QRegularExpression(QStringLiteral("[^0-9]")));
    if (digits.size() != kIssueDigits) return;
    const t_s_dm& store = ws_.MainStore;
    const int row = drawRowOf(store, digits.toInt());
    if (row == 0) return;
    const auto& fields = store.Row(row).fields;
    const int n = ticketZoneCount(ws_, TicketZone::Main);
    const int m = ticketZoneCount(ws_, TicketZone::Special);
    me_zq->setText(ticketFieldText(std::vector<int>(fields.begin() + 1, fields.begin() + 1 + n)));
    me_fq->setText(ticketFieldText(std::vector<int>(fields.begin() + 1 + n, fields.begin() + 1 + n + m)));
}

void DualPrizeDialog::accept() {
    std::vector<int> numbers[2];
    const struct {
        QLineEdit* field;
        TicketZone zone;
        const std::string& label;
    } zones[] = {{me_zq, TicketZone::Main, ws_.MainLabel()},
                 {me_fq, TicketZone::Special, ws_.SpecialLabel()}};
    for (int z = 0; z < 2; ++z) {
        const std::string text = toUtf8(zones[z].field->text());
        // An untouched field asks for its numbers by the zone's name rather than with a number message.
        TicketInput input = text.find_first_of("0123456789") == std::string::npos
                                ? TicketInput{{}, "请输入" + zones[z].label}
                                : readTicketText(text, ws_, zones[z].zone);
        if (!input.error.empty()) {
            zones[z].field->setFocus();
            showMessage(fromUtf8(input.error), this);
            return;
        }
        numbers[z] = std::move(input.numbers);
    }
    winning_.main.assign(numbers[0].begin(), numbers[0].end());
    winning_.special.assign(numbers[1].begin(), numbers[1].end());
    QDialog::accept();
}

}  // namespace qorvel
