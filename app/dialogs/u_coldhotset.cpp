#include "app/dialogs/u_coldhotset.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "text/number_text.h"
#include "types/cold_hot.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

QLineEdit* numberBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaximumWidth(60);
    return box;
}

}  // namespace

Tf_coldhotset::Tf_coldhotset(QWidget* parent) : QDialog(parent) {
    setObjectName("f_coldhotset");
    setWindowTitle(QStringLiteral("冷热号设置"));
    e_qsfield = numberBox(this, "e_qsfield");
    e_cold = numberBox(this, "e_cold");
    e_hot = numberBox(this, "e_hot");
    b_ok = new QPushButton(QStringLiteral("确定"), this);
    b_ok->setObjectName("b_ok");
    b_ok->setDefault(true);
    b_cancel = new QPushButton(QStringLiteral("取消"), this);
    b_cancel->setObjectName("b_cancel");
    connect(b_ok, &QPushButton::clicked, this, &Tf_coldhotset::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    const std::tuple<const char*, QLineEdit*, const char*> rows[] = {
        {"设定期数范围 :   最近", e_qsfield, "期以内"},
        {"冷号的定义:   在规定期数内出现次数", e_cold, "次以下"},
        {"热号的定义:   在规定期数内出现次数", e_hot, "次以上"},
    };
    int row = 0;
    for (const auto& [before, box, after] : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(before), this), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(after), this), row, 2);
        ++row;
    }
    grid->addWidget(new QLabel(QStringLiteral("温号介于冷号与热号之间"), this), row, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_ok);
    buttons->addWidget(b_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void Tf_coldhotset::accept() {
    QLineEdit* const boxes[] = {e_qsfield, e_cold, e_hot};
    std::array<int, 3> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto value = parseWholeNumber(trimBlanks(toUtf8(boxes[i]->text())));
        if (!value) {
            showMessage(invalidNumberMessage(boxes[i]->text()), this);
            return;
        }
        values[i] = *value;
    }
    values_ = values;
    QDialog::accept();
}

bool Tf_coldhotset::editZone(bool mainZone, int issue) {
    Workspace& ws = workspace();
    ColdHotSettings& s = ws.coldHot;
    int* const fields[] = {mainZone ? &s.qs : &s.f_qs, mainZone ? &s.coldcs : &s.f_coldcs,
                           mainZone ? &s.hotcs : &s.f_hotcs};
    e_qsfield->setText(QString::number(*fields[0]));
    e_cold->setText(QString::number(*fields[1]));
    e_hot->setText(QString::number(*fields[2]));
    if (exec() != QDialog::Accepted) return false;
    for (std::size_t i = 0; i < values_.size(); ++i) *fields[i] = values_[i];
    writeColdHotSettings(settingsStore(), s, mainZone);
    classifyColdHot(ws.MainStore, ws.params, s, issue, ws.coldHotLists);
    return true;
}

}  // namespace qorvel
