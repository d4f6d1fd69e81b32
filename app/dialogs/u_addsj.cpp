#include "app/dialogs/u_addsj.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"
#include "app/dialogs/draw_masks.h"
#include "text/number_text.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr int kButtonSize = 30;
constexpr int kButtonPitch = 35;   // button k of a row sits at kButtonPitch * k - kButtonOffset
constexpr int kButtonOffset = 33;
constexpr int kButtonsPerRow = 10;
constexpr int kButtonRows = kEntryButtons / kButtonsPerRow;
constexpr int kPanelWidth = kButtonPitch * kButtonsPerRow;

// The picked state is a dynamic property so one style sheet colours every button; hovering highlights
// only buttons that are not picked.
constexpr const char* kPickedProperty = "picked";
constexpr const char* kNumberButtonStyle =
    "QPushButton { background: rgb(236,236,236); border: 1px solid rgb(160,160,160); }"
    "QPushButton[picked=\"false\"]:hover { background: rgb(255,236,160); }"
    "QPushButton[picked=\"true\"] { background: rgb(220,40,40); color: white; font-weight: bold; }";
constexpr const char* kCellStyle = "QLabel { background: white; border: 1px solid rgb(120,120,120); }";

QPoint gridPosition(int index) {
    const int column = index % kButtonsPerRow + 1;
    const int row = index / kButtonsPerRow;
    return {kButtonPitch * column - kButtonOffset, kButtonPitch * row + (kButtonPitch - kButtonSize) / 2};
}

QPushButton* button(const QString& text, QWidget* parent, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

}  // namespace

Tf_addsj::Tf_addsj(QWidget* parent) : QDialog(parent) {
    setObjectName("f_addsj");
    setWindowTitle(QString::fromUtf8(kGraphicalEntryCaption));

    auto* numberPanel = new QWidget(this);
    numberPanel->setObjectName("numberPanel");
    numberPanel->setFixedSize(kPanelWidth, kButtonPitch * kButtonRows);
    numberPanel->setStyleSheet(kNumberButtonStyle);
    for (int n = 1; n <= kEntryButtons; ++n) {
        const QString text = QString::fromStdString(TwoDigitText(n));
        auto* b = new QPushButton(text, numberPanel);
        b->setObjectName(QStringLiteral("b_number") + text);
        b->setGeometry(QRect(gridPosition(n - 1), QSize(kButtonSize, kButtonSize)));
        b->setFocusPolicy(Qt::NoFocus);
        b->setProperty(kPickedProperty, false);
        connect(b, &QPushButton::clicked, this, [this, n] { clickNumber(n); });
        numberButtons_[static_cast<std::size_t>(n - 1)] = b;
    }
    cellPanel_ = new QWidget(this);
    cellPanel_->setObjectName("cellPanel");

    auto* issueLabel = new QLabel(QStringLiteral("期数:"), this);
    e_qs = new QLineEdit(this);
    e_qs->setObjectName("e_qs");
    applyIssueMask(e_qs);
    b_reset = button(QStringLiteral("重置"), this, "b_reset");
    b_add = button(QStringLiteral("添加"), this, "b_add");
    b_cancel = button(QStringLiteral("取消"), this, "b_cancel");
    b_add->setDefault(true);
    connect(b_reset, &QPushButton::clicked, this, &Tf_addsj::reset);
    connect(b_add, &QPushButton::clicked, this, &Tf_addsj::addDraw);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* issueRow = new QHBoxLayout;
    issueRow->addWidget(issueLabel);
    issueRow->addWidget(e_qs);
    issueRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_reset);
    buttons->addWidget(b_add);
    buttons->addWidget(b_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(issueRow);
    layout->addWidget(numberPanel);
    layout->addWidget(cellPanel_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    reset();
}

Tf_addsj::~Tf_addsj() = default;

void Tf_addsj::showEvent(QShowEvent* event) {
    reset();
    QDialog::showEvent(event);
}

void Tf_addsj::layOutCells(int count) {
    while (cellCount() > count) {
        delete resultCells_.back();
        resultCells_.pop_back();
    }
    while (cellCount() < count) {
        auto* cell = new QLabel(cellPanel_);
        cell->setObjectName(QStringLiteral("l_cell%1").arg(cellCount() + 1));
        cell->setAlignment(Qt::AlignCenter);
        cell->setStyleSheet(kCellStyle);
        cell->setGeometry(QRect(gridPosition(cellCount()), QSize(kButtonSize, kButtonSize)));
        cell->show();
        resultCells_.push_back(cell);
    }
    const int rows = (count + kButtonsPerRow - 1) / kButtonsPerRow;
    cellPanel_->setFixedSize(kPanelWidth, kButtonPitch * std::max(rows, 1));
}

void Tf_addsj::reset() {
    entry_ = std::make_unique<GraphicalEntry>(workspace().params);
    layOutCells(entry_->cellCount());
    showState();
}

void Tf_addsj::clickNumber(int number) {
    entry_->click(number);
    showState();
}

void Tf_addsj::showState() {
    for (int n = 1; n <= kEntryButtons; ++n) {
        QPushButton* b = numberButton(n);
        const bool picked = entry_->buttonSelected(n);
        if (b->property(kPickedProperty).toBool() == picked) continue;
        b->setProperty(kPickedProperty, picked);
        b->style()->unpolish(b);
        b->style()->polish(b);
    }
    for (int i = 1; i <= cellCount(); ++i) {
        const int value = entry_->cell(i);
        resultCells_[static_cast<std::size_t>(i - 1)]->setText(value > 0 ? QString::fromStdString(TwoDigitText(value))
                                                                         : QString());
    }
}

void Tf_addsj::addDraw() {
    const EntryOutcome outcome = entry_->add(workspace(), toUtf8(e_qs->text()));
    if (!outcome.message.empty()) showMessage(fromUtf8(outcome.message), this);
    if (outcome.stored) accept();
}

QString Tf_addsj::cellText(int i) const {
    return i >= 1 && i <= cellCount() ? resultCells_[static_cast<std::size_t>(i - 1)]->text() : QString();
}

}  // namespace qorvel
