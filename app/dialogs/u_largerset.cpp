#include "app/dialogs/u_largerset.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "text/number_text.h"
#include "ui/platform.h"

namespace qorvel {

Tf_largerset::Tf_largerset(QWidget* parent) : QDialog(parent) {
    setObjectName("f_largerset");
    setWindowTitle(QStringLiteral("设置"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setEditable(true);
    for (int n = kMinRecordsPerPage; n <= kMaxRecordsPerPage; ++n) ComboBox1->addItem(QString::number(n));
    ComboBox1->setEditText(QStringLiteral("60"));
    b_ok = new QPushButton(QStringLiteral("确定"), this);
    b_ok->setObjectName("b_ok");
    b_ok->setDefault(true);
    b_cancel = new QPushButton(QStringLiteral("取消"), this);
    b_cancel->setObjectName("b_cancel");
    connect(b_ok, &QPushButton::clicked, this, &Tf_largerset::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("一页最多显示的记录数："), this));
    row->addWidget(ComboBox1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_ok);
    buttons->addWidget(b_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
}

void Tf_largerset::accept() {
    const QString text = ComboBox1->currentText();
    const auto value = parseWholeNumber(toUtf8(text));
    if (!value || *value < kMinRecordsPerPage || *value > kMaxRecordsPerPage) {
        showMessage(invalidNumberMessage(text), this);
        return;
    }
    chosen_ = *value;
    QDialog::accept();
}

std::optional<int> Tf_largerset::chooseRecordsPerPage() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return chosen_;
}

}  // namespace qorvel
