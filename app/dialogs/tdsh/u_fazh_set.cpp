#include "app/dialogs/tdsh/u_fazh_set.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qorvel {

Tf_fazh_set::Tf_fazh_set(QWidget* parent) : QDialog(parent) {
    setObjectName("f_fazh_set");
    setWindowTitle(QStringLiteral("方案组合设置"));
    lb_inuse = new QListWidget(this);
    lb_inuse->setObjectName("lb_inuse");
    lb_usable = new QListWidget(this);
    lb_usable->setObjectName("lb_usable");
    b_in = new QPushButton(QStringLiteral("<<"), this);
    b_in->setObjectName("b_in");
    b_out = new QPushButton(QStringLiteral(">>"), this);
    b_out->setObjectName("b_out");
    b_close = new QPushButton(QStringLiteral("关闭"), this);
    b_close->setObjectName("b_close");
    for (QPushButton* b : {b_in, b_out, b_close}) b->setAutoDefault(false);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(b_in);
    middle->addWidget(b_out);
    middle->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("当前使用组件:"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("可使用组件:"), this), 0, 2);
    grid->addWidget(lb_inuse, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(lb_usable, 1, 2);
    grid->addWidget(b_close, 2, 2, Qt::AlignRight);
    connect(b_in, &QPushButton::clicked, this, &Tf_fazh_set::moveIn);
    connect(b_out, &QPushButton::clicked, this, &Tf_fazh_set::moveOut);
    connect(b_close, &QPushButton::clicked, this, &QDialog::accept);
}

void Tf_fazh_set::edit(SchemeUseList& list) {
    list_ = &list;
    refresh();
    exec();
    list_ = nullptr;
}

void Tf_fazh_set::refresh() {
    lb_inuse->clear();
    lb_usable->clear();
    if (!list_) return;
    for (const std::string& name : list_->inUse()) lb_inuse->addItem(QString::fromStdString(name));
    for (const std::string& name : list_->usable()) lb_usable->addItem(QString::fromStdString(name));
}

void Tf_fazh_set::moveIn() {
    if (list_ && list_->moveIn(lb_usable->currentRow())) refresh();
}

// The last scheme in use cannot go; the refusal is silent.
void Tf_fazh_set::moveOut() {
    if (list_ && list_->moveOut(lb_inuse->currentRow())) refresh();
}

}  // namespace qorvel
