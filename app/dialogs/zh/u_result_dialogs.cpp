#include "app/dialogs/zh/u_result_dialogs.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/app_state.h"
#include "combos/condition_file.h"
#include "combos/dual_match.h"
#include "combos/special_filter.h"
#include "combos/ticket_text.h"
#include "draws/draw_entry.h"
#include "draws/history_edit.h"
#include "text/file_io.h"
#include "text/number_text.h"
#include "types/workspace.h"
#include "ui/platform.h"
#include "ui/masked_edit.h"

namespace qorvel {
namespace {

constexpr int kMaxTicketNumbers = 7;
constexpr int kMemoColumns = 26;  // wide enough for a line of seven groups
constexpr int kMemoRows = 14;
constexpr int kTicketDialogMinWidth = 320;

// The example line of the removal hint, by the count of numbers a ticket has (index = count).
constexpr std::array<const char*, kMaxTicketNumbers + 1> kRemovalExamples{
    "",   "01", "01 02", "01 02 05", "01 02 05 07", "01 03 06 07 09", "01 03 04 08 09 12", "01 02 05 07 09 13 14"};

constexpr const char* kRemovalCaption = "滤除组号";
constexpr const char* kRemovalHintTitle = "滤除组号输入提示";
constexpr const char* kRemovalListFilter = "组号文件(*.txt)|*.txt";
constexpr const char* kRemovalLoadTitle = " 打开要滤除的组号存储文件";
constexpr const char* kRemovalSaveFilter = "要滤除的组号文件(*.txt)|*.txt";
constexpr const char* kRemovalSaveTitle = "保存要滤除的组号";

// The input mask of count two-digit groups joined by "-"; an untyped place shows "_".
QString ticketMask(int count) {
    QStringList groups;
    for (int i = 0; i < count; ++i) groups << QStringLiteral("00");
    return groups.join('-') + QStringLiteral(";_");
}

QPushButton* namedButton(const char* caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

void prepareTicketField(QLineEdit* field, const Workspace& ws, TicketZone zone) {
    field->setInputMask(ticketMask(ticketZoneCount(ws, zone)));
    startTypingAtBeginning(field);
    field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(3 * kMaxTicketNumbers, '0')) + 16);
}

QString ticketFieldText(const std::vector<int>& numbers) {
    QStringList groups;
    for (int n : numbers) groups << fromUtf8(TwoDigitText(n));
    return groups.join('-');
}

TicketEditDialog::TicketEditDialog(const QString& caption, const Workspace& ws, QWidget* parent,
                                   TicketLayout layout)
    : QDialog(parent), ws_(ws), layout_(layout) {
    setObjectName("f_zhedit");
    setWindowTitle(caption);
    auto* rows = new QGridLayout;
    if (layout_ != TicketLayout::Special) me_zh = addZoneField(TicketZone::Main, l_zh, rows);
    if (layout_ != TicketLayout::Main) me_fq = addZoneField(TicketZone::Special, l_fq, rows);
    b_ok = namedButton("确定", "b_ok", this);
    b_ok->setDefault(true);
    b_cancel = namedButton("取消", "b_cancel", this);
    connect(b_ok, &QPushButton::clicked, this, &TicketEditDialog::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_ok);
    buttons->addWidget(b_cancel);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(rows);
    layoutBox->addLayout(buttons);
    setMinimumWidth(kTicketDialogMinWidth);
}

QLineEdit* TicketEditDialog::addZoneField(TicketZone zone, QLabel*& label, QGridLayout* rows) {
    const bool main = zone == TicketZone::Main;
    label = new QLabel(fromUtf8(main ? ws_.MainLabel() : ws_.SpecialLabel()) + QStringLiteral("："), this);
    label->setObjectName(main ? "l_zh" : "l_fq");
    auto* field = new QLineEdit(this);
    field->setObjectName(main ? "me_zh" : "me_fq");
    prepareTicketField(field, ws_, zone);
    label->setBuddy(field);
    const int row = rows->count() / 2;  // a label and a field per zone
    rows->addWidget(label, row, 0);
    rows->addWidget(field, row, 1);
    return field;
}

std::optional<std::vector<int>> TicketEditDialog::editTicket(const std::vector<int>& start) {
    // A full ticket starts with its main numbers; the rest are the special ones.
    std::size_t mains = start.size();
    if (me_zh && me_fq) mains = std::min(mains, static_cast<std::size_t>(ws_.params.MainCount));
    const auto split = start.begin() + static_cast<std::ptrdiff_t>(mains);
    QLineEdit* first = me_zh ? me_zh : me_fq;
    first->setText(ticketFieldText({start.begin(), split}));
    if (me_zh && me_fq) me_fq->setText(ticketFieldText({split, start.end()}));
    first->setFocus();
    first->setCursorPosition(0);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return ticket_;
}

void TicketEditDialog::accept() {
    std::vector<int> ticket;
    for (const auto& [field, zone] : {std::pair{me_zh, TicketZone::Main}, std::pair{me_fq, TicketZone::Special}}) {
        if (!field) continue;
        const std::string text = toUtf8(field->text());
        // The group and full-ticket editors name an untouched field plainly; the main editor keeps its
        // number message.
        if (layout_ != TicketLayout::Main && text.find_first_of("0123456789") == std::string::npos) {
            field->setFocus();
            showMessage(QString::fromUtf8(kEmptyFieldMessage), this);
            return;
        }
        TicketInput input = readTicketText(text, ws_, zone);
        if (!input.error.empty()) {
            field->setFocus();
            showMessage(fromUtf8(input.error), this);
            return;
        }
        ticket.insert(ticket.end(), input.numbers.begin(), input.numbers.end());
    }
    ticket_ = std::move(ticket);
    QDialog::accept();
}

Tf_zq_lczh::Tf_zq_lczh(QWidget* parent) : QDialog(parent) {
    setObjectName("f_zq_lczh");
    setWindowTitle(QString::fromUtf8(kRemovalCaption));
    l_lczh = new QLabel(QStringLiteral("要滤除的组号列表："), this);
    l_lczh->setObjectName("l_lczh");
    m_lczh = new QPlainTextEdit(this);
    m_lczh->setObjectName("m_lczh");
    m_lczh->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_lczh->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(m_lczh->font());
    m_lczh->setMinimumSize(metrics.horizontalAdvance(QString(kMemoColumns, '0')) + 24,
                           metrics.lineSpacing() * kMemoRows);
    l_lczh->setBuddy(m_lczh);
    b_ok = namedButton("确定", "b_ok", this);
    b_cancel = namedButton("取消", "b_cancel", this);
    b_load = namedButton("载入", "b_load", this);
    b_save = namedButton("保存", "b_save", this);
    b_clear = namedButton("清空", "b_clear", this);
    b_hint = namedButton("提示", "b_hint", this);
    connect(b_ok, &QPushButton::clicked, this, &Tf_zq_lczh::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(b_load, &QPushButton::clicked, this, &Tf_zq_lczh::loadList);
    connect(b_save, &QPushButton::clicked, this, &Tf_zq_lczh::saveList);
    connect(b_clear, &QPushButton::clicked, m_lczh, &QPlainTextEdit::clear);
    connect(b_hint, &QPushButton::clicked, this, [this] {
        showMessage(hintText(mainCount_), this, QString::fromUtf8(kRemovalHintTitle));
    });

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {b_ok, b_cancel, b_load, b_save, b_clear, b_hint}) buttons->addWidget(b);
    buttons->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(m_lczh, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(l_lczh);
    layout->addLayout(body, 1);
}

bool Tf_zq_lczh::removeTickets(int mainCount, const ApplyList& apply) {
    mainCount_ = std::clamp(mainCount, 1, kMaxTicketNumbers);
    apply_ = apply;
    m_lczh->setFocus();
    const bool applied = exec() == QDialog::Accepted;
    apply_ = nullptr;
    return applied;
}

void Tf_zq_lczh::accept() {
    if (apply_) {
        const std::string message = apply_(memoLines());
        if (!message.empty()) {
            showMessage(fromUtf8(message), this);
            return;
        }
    }
    QDialog::accept();
}

QString Tf_zq_lczh::hintText(int mainCount) {
    const int count = std::clamp(mainCount, 1, kMaxTicketNumbers);
    return QStringLiteral("号码组格式如：") + QString::fromUtf8(kRemovalExamples[static_cast<std::size_t>(count)]) +
           QStringLiteral("，当输完一条组号，可按回车键换行输入下一条组号（不能留空行,号码间只能一个空格）");
}

std::vector<std::string> Tf_zq_lczh::memoLines() const {
    QStringList lines = m_lczh->toPlainText().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) out.push_back(toUtf8(line));
    return out;
}

void Tf_zq_lczh::loadList() {
    const QString name = platform().files->openFile(this, QString::fromUtf8(kRemovalLoadTitle),
                                                     fileDialogFilter(kRemovalListFilter));
    if (name.isEmpty()) return;
    const std::filesystem::path path(toUtf8(name));
    const auto bytes = readFileBytes(path);
    if (!bytes) {
        showMessage(QStringLiteral("无法读取文件 ") + name, this);
        return;
    }
    QStringList lines;
    for (const std::string& line : readGbkLines(*bytes)) lines << fromUtf8(line);
    m_lczh->setPlainText(lines.join('\n'));
}

void Tf_zq_lczh::saveList() {
    const QString name = platform().files->saveFile(this, QString::fromUtf8(kRemovalSaveTitle),
                                                     fileDialogFilter(kRemovalSaveFilter));
    if (name.isEmpty()) return;
    const std::filesystem::path path(withExtension(toUtf8(name), ".txt"));
    const std::string error = writeFileAtomically(path, joinGbkLines(memoLines()));
    if (!error.empty()) showMessage(fromUtf8(error), this);
}

}  // namespace qorvel
