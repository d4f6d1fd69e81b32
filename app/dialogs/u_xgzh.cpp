#include "app/dialogs/u_xgzh.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/draw_masks.h"

namespace qorvel {
namespace {

constexpr int kEditorMinimumWidth = 260;

QLineEdit* editor(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMinimumWidth(kEditorMinimumWidth);
    return box;
}

QLabel* label(const QString& text, QWidget* parent, const char* name) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

}  // namespace

Tf_xgzh::Tf_xgzh(QWidget* parent) : QDialog(parent) {
    setObjectName("f_xgzh");
    l_qs = label(QStringLiteral("期数:"), this, "l_qs");
    e_qs = editor(this, "e_qs");
    applyIssueMask(e_qs);
    l_zh = label(QString(), this, "l_zh");
    e_zh = editor(this, "e_zh");
    l_spec = label(QString(), this, "l_spec");
    e_spec = editor(this, "e_spec");
    b_ok = new QPushButton(QStringLiteral("确定"), this);
    b_ok->setObjectName("b_ok");
    b_ok->setDefault(true);
    b_cancel = new QPushButton(QStringLiteral("取消"), this);
    b_cancel->setObjectName("b_cancel");
    connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(l_qs, e_qs);
    form->addRow(l_zh, e_zh);
    form->addRow(l_spec, e_spec);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(b_ok);
    buttons->addWidget(b_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    l_qs->hide();
    e_qs->hide();
    l_spec->hide();
    e_spec->hide();

    const Workspace& ws = workspace();
    applyTypeMasks(ws.params.MainCount, ws.params.SpecialCount, fromUtf8(ws.MainLabel()),
                   fromUtf8(ws.SpecialLabel()));
}

void Tf_xgzh::applyTypeMasks(int mainCount, int specialCount, const QString& mainLabel, const QString& specialLabel) {
    applyNumberMask(e_zh, mainCount);
    applyNumberMask(e_spec, specialCount);
    l_zh->setText(mainLabel);
    l_spec->setText(specialLabel);
}

std::optional<DrawEditorTexts> Tf_xgzh::editTexts(const QString& caption, const DrawEditorTexts& texts, bool withIssue,
                                                  bool withSpecials) {
    setWindowTitle(caption);
    e_qs->setText(fromUtf8(texts.issue));
    e_zh->setText(fromUtf8(texts.mains));
    e_spec->setText(fromUtf8(texts.specials));
    l_qs->setVisible(withIssue);
    e_qs->setVisible(withIssue);
    l_spec->setVisible(withSpecials);
    e_spec->setVisible(withSpecials);
    adjustSize();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return DrawEditorTexts{toUtf8(e_qs->text()), toUtf8(e_zh->text()), toUtf8(e_spec->text())};
}

void Tf_xgzh::clearEditors() {
    e_qs->clear();
    e_zh->clear();
    e_spec->clear();
}

}  // namespace qorvel
