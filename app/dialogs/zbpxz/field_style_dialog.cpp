#include "app/dialogs/zbpxz/field_style_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_state.h"

namespace qorvel {

namespace {

constexpr const char* kRowCaptions[kMaxFieldRows] = {"第一行：", "第二行：", "第三行：", "第四行：", "第五行：",
                                                     "第六行：", "第七行：", "第八行：", "第九行：", "第十行："};
constexpr int kFieldWidth = 320;

}  // namespace

FieldStyleDialog::FieldStyleDialog(const std::vector<std::string>& rows, int rowCount, QWidget* parent)
    : QDialog(parent), rowCount_(rowCount) {
    setObjectName("f_tydxg");
    setWindowTitle(QStringLiteral("田野走势图修改"));
    auto* form = new QFormLayout;
    for (int j = 0; j < kMaxFieldRows; ++j) {
        e_row[j] = new QLineEdit(this);
        e_row[j]->setObjectName(QStringLiteral("e_row%1").arg(j + 1));
        e_row[j]->setMinimumWidth(kFieldWidth);
        if (j < rowCount && j < static_cast<int>(rows.size())) e_row[j]->setText(fromUtf8(rows[j]));
        e_row[j]->setEnabled(j < rowCount);
        form->addRow(QString::fromUtf8(kRowCaptions[j]), e_row[j]);
    }
    b_ok = new QPushButton(QStringLiteral("确认修改"), this);
    b_ok->setObjectName("b_ok");
    b_cancel = new QPushButton(QStringLiteral("取消"), this);
    b_cancel->setObjectName("b_cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(b_ok);
    buttons->addWidget(b_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<std::string> FieldStyleDialog::rows() const {
    std::vector<std::string> out;
    for (int j = 0; j < rowCount_; ++j) out.push_back(toUtf8(e_row[j]->text().trimmed()));
    return out;
}

}  // namespace qorvel
