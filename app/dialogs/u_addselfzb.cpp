#include "app/dialogs/u_addselfzb.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/u_fzsr.h"
#include "engine/tgs.h"
#include "ui/platform.h"

namespace qorvel {

namespace {

// A name is one line of the saved file: line breaks pasted into it become blanks.
QString singleLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.trimmed();
}

}  // namespace

Tf_addselfzb::Tf_addselfzb(QWidget* parent) : QDialog(parent) {
    setObjectName("f_addselfzb");
    setWindowTitle(QStringLiteral("添加自定义指标"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName("Edit2");
    b_fzsr = new QPushButton(QStringLiteral("辅助输入"), this);
    b_fzsr->setObjectName("b_fzsr");
    b_ok = new QPushButton(QStringLiteral("确定"), this);
    b_ok->setObjectName("b_ok");
    b_ok->setDefault(true);
    b_cancel = new QPushButton(QStringLiteral("取消"), this);
    b_cancel->setObjectName("b_cancel");
    connect(b_fzsr, &QPushButton::clicked, this, &Tf_addselfzb::openAssistedInput);
    connect(b_ok, &QPushButton::clicked, this, &Tf_addselfzb::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("自定义指标公式："), this), 0, 0);
    fields->addWidget(Edit1, 0, 1);
    fields->addWidget(b_fzsr, 0, 2);
    fields->addWidget(new QLabel(QStringLiteral("自定义指标命名："), this), 1, 0);
    fields->addWidget(Edit2, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_ok);
    buttons->addWidget(b_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setMinimumWidth(460);
}

std::optional<CustomIndicator> Tf_addselfzb::addIndicator() {
    return run(QStringLiteral("添加自定义指标"), {});
}

std::optional<CustomIndicator> Tf_addselfzb::modifyIndicator(const CustomIndicator& current) {
    return run(QStringLiteral("修改自定义指标"), current);
}

std::optional<CustomIndicator> Tf_addselfzb::run(const QString& caption, const CustomIndicator& start) {
    setWindowTitle(caption);
    Edit1->setText(fromUtf8(start.formula));
    Edit2->setText(fromUtf8(start.name));
    Edit1->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return CustomIndicator{toUtf8(Edit1->text()), toUtf8(singleLine(Edit2->text()))};
}

void Tf_addselfzb::openAssistedInput() {
    if (const std::optional<QString> formula = assistedInputDialog().buildFormula()) Edit1->setText(*formula);
}

void Tf_addselfzb::accept() {
    Edit1->setText(Edit1->text().trimmed());
    std::string message;
    if (!checkFormulaText(toUtf8(Edit1->text()), &message)) {
        showMessage(fromUtf8(message), this);
        return;
    }
    QDialog::accept();
}

Tf_addselfzb& indicatorEditor() {
    static Tf_addselfzb* fallback = nullptr;
    if (f_addselfzb) return *f_addselfzb;
    if (!fallback) fallback = new Tf_addselfzb();
    return *fallback;
}

}  // namespace qorvel
