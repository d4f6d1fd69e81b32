#include "app/dialogs/u_qh.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "draws/draw_entry.h"
#include "text/number_text.h"

namespace qorvel {

Tf_qh::Tf_qh(QWidget* parent) : QDialog(parent) {
    setObjectName("f_qh");
    setWindowTitle(QStringLiteral("选择期号"));
    cb_qh = new QComboBox(this);
    cb_qh->setObjectName("cb_qh");
    cb_qh->setMinimumContentsLength(9);
    b_ok = new QPushButton(QStringLiteral("确定"), this);
    b_ok->setObjectName("b_ok");
    b_ok->setDefault(true);
    connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("期号:"), this));
    row->addWidget(cb_qh, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
}

void Tf_qh::showEvent(QShowEvent* event) {
    fillIssues(preset_);
    QDialog::showEvent(event);
}

void Tf_qh::fillIssues(std::optional<int> preset) {
    QStringList issues;
    for (const std::string& issue : issueChoices(workspace().MainStore)) issues << fromUtf8(issue);
    cb_qh->clear();
    cb_qh->addItems(issues);
    const int presetIndex = preset ? static_cast<int>(issues.indexOf(QString::number(*preset))) : -1;
    cb_qh->setCurrentIndex(presetIndex >= 0 ? presetIndex : static_cast<int>(issues.size()) - 1);
}

std::optional<int> Tf_qh::chooseIssue(std::optional<int> preset) {
    preset_ = preset;
    const bool accepted = exec() == QDialog::Accepted;
    preset_.reset();
    return accepted ? chosenIssue() : std::nullopt;
}

std::optional<int> Tf_qh::chosenIssue() const {
    return parseWholeNumber(toUtf8(cb_qh->currentText()));
}

}  // namespace qorvel
