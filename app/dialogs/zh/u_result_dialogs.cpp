#include "app/dialogs/zh/u_result_dialogs.h"

#include <QFontDatabase>
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
#include "draws/draw_entry.h"
#include "draws/history_edit.h"
#include "text/file_io.h"
#include "text/number_text.h"
#include "types/workspace.h"
#include "ui/platform.h"

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
constexpr const char* kDuplicateNumberMessage = "同一组号中的号码不能重复";

// The input mask of count two-digit groups joined by "-"; an untyped place shows "_".
QString ticketMask(int count) {
    QStringList groups;
    for (int i = 0; i < count; ++i) groups << QStringLiteral("00");
    return groups.join('-') + QStringLiteral(";_");
}

QString ticketText(const std::vector<int>& numbers) {
    QStringList groups;
    for (int n : numbers) groups << fromUtf8(TwoDigitText(n));
    return groups.join('-');
}

QPushButton* namedButton(const char* caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TicketInput readTicketText(const std::string& text, const Workspace& ws) {
    const TypeParams& p = ws.params;
    TicketInput input;
    NumberListResult parsed = parseNumberList(text, p.MainCount);
    if (!parsed.error.empty()) {
        input.error = parsed.error;
        return input;
    }
    // A ticket outside the main range could not be checked or filtered again, so it is refused here.
    DrawFields fields{};
    for (int i = 0; i < p.MainCount; ++i) fields[static_cast<std::size_t>(1 + i)] = parsed.numbers[static_cast<std::size_t>(i)];
    if (auto fault = findRangeFault(p, fields, 0)) {
        input.error = rangeFaultMessage(ws, *fault);
        return input;
    }
    std::sort(parsed.numbers.begin(), parsed.numbers.end());
    if (std::adjacent_find(parsed.numbers.begin(), parsed.numbers.end()) != parsed.numbers.end()) {
        input.error = kDuplicateNumberMessage;
        return input;
    }
    input.numbers = std::move(parsed.numbers);
    return input;
}

TicketEditDialog::TicketEditDialog(const QString& caption, const Workspace& ws, QWidget* parent)
    : QDialog(parent), ws_(ws) {
    setObjectName("f_zhedit");
    setWindowTitle(caption);
    l_zh = new QLabel(fromUtf8(ws.MainLabel()) + QStringLiteral("："), this);
    l_zh->setObjectName("l_zh");
    me_zh = new QLineEdit(this);
    me_zh->setObjectName("me_zh");
    me_zh->setInputMask(ticketMask(ws.params.MainCount));
    me_zh->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    me_zh->setMinimumWidth(me_zh->fontMetrics().horizontalAdvance(QString(3 * kMaxTicketNumbers, '0')) + 16);
    l_zh->setBuddy(me_zh);
    b_ok = namedButton("确定", "b_ok", this);
    b_ok->setDefault(true);
    b_cancel = namedButton("取消", "b_cancel", this);
    connect(b_ok, &QPushButton::clicked, this, &TicketEditDialog::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* field = new QHBoxLayout;
    field->addWidget(l_zh);
    field->addWidget(me_zh, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_ok);
    buttons->addWidget(b_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);
    setMinimumWidth(kTicketDialogMinWidth);
}

std::optional<std::vector<int>> TicketEditDialog::editTicket(const std::vector<int>& start) {
    me_zh->setText(ticketText(start));
    me_zh->setFocus();
    me_zh->setCursorPosition(0);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return ticket_;
}

void TicketEditDialog::accept() {
    TicketInput input = readTicketText(toUtf8(me_zh->text()), ws_);
    if (!input.error.empty()) {
        showMessage(fromUtf8(input.error), this);
        return;
    }
    ticket_ = std::move(input.numbers);
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
