#include "app/dialogs/zh/u_choice.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qorvel {

Tf_condchoice::Tf_condchoice(QWidget* parent) : QDialog(parent) {
    setObjectName("f_condchoice");
    setWindowTitle(QStringLiteral("选择"));
    auto* layout = new QVBoxLayout(this);
    const struct {
        QRadioButton** radio;
        const char* name;
        const char* caption;
    } radios[] = {{&rb_all, "rb_all", "全部显示"},
                  {&rb_onlyright, "rb_onlyright", "只显示对"},
                  {&rb_onlywrong, "rb_onlywrong", "只显示错"}};
    for (const auto& r : radios) {
        *r.radio = new QRadioButton(QString::fromUtf8(r.caption), this);
        (*r.radio)->setObjectName(r.name);
        layout->addWidget(*r.radio);
    }
    b_ok = new QPushButton(QStringLiteral("确定"), this);
    b_ok->setObjectName("b_ok");
    layout->addWidget(b_ok);
    connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(220);
}

std::optional<ReportFilter> Tf_condchoice::choose() {
    rb_all->setChecked(true);
    if (exec() != QDialog::Accepted) return std::nullopt;
    if (rb_onlyright->isChecked()) return ReportFilter::OnlyRight;
    if (rb_onlywrong->isChecked()) return ReportFilter::OnlyWrong;
    return ReportFilter::All;
}

}  // namespace qorvel
