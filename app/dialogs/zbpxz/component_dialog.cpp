#include "app/dialogs/zbpxz/component_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"

namespace qorvel {

namespace {

constexpr int kListWidth = 150;
constexpr int kListHeight = 300;

QListWidget* componentList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumSize(kListWidth, kListHeight);
    return list;
}

void fill(QListWidget* list, const std::vector<std::string>& names, int row) {
    list->clear();
    for (const std::string& name : names) list->addItem(fromUtf8(name));
    if (list->count() > 0) list->setCurrentRow(std::clamp(row, 0, list->count() - 1));
}

}  // namespace

ComponentDialog::ComponentDialog(QWidget* parent)
    : QDialog(parent), choice_(componentChoiceFor(workspace().numberClasses)) {
    setObjectName("f_zj1");
    setWindowTitle(QStringLiteral("组件"));
    lb_used = componentList("lb_used", this);
    lb_available = componentList("lb_available", this);
    b_use = new QPushButton(QStringLiteral("<<"), this);
    b_use->setObjectName("b_use");
    b_release = new QPushButton(QStringLiteral(">>"), this);
    b_release->setObjectName("b_release");
    b_close = new QPushButton(QStringLiteral("关闭"), this);
    b_close->setObjectName("b_close");

    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    moves->addWidget(b_use);
    moves->addWidget(b_release);
    moves->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("当前使用组件:"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("可使用组件:"), this), 0, 2);
    grid->addWidget(lb_used, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(lb_available, 1, 2);
    grid->addWidget(b_close, 2, 2, Qt::AlignRight);

    connect(b_use, &QPushButton::clicked, this, [this] {
        const int row = lb_available->currentRow();
        if (useComponent(choice_, row)) showChoice(static_cast<int>(choice_.used.size()) - 1, row);
    });
    connect(b_release, &QPushButton::clicked, this, [this] {
        const int row = lb_used->currentRow();
        if (row < 0 || row >= static_cast<int>(choice_.used.size())) return;
        const std::string name = choice_.used[static_cast<std::size_t>(row)];
        if (!releaseComponent(choice_, row)) return;
        const auto at = std::find(choice_.available.begin(), choice_.available.end(), name);
        showChoice(row, static_cast<int>(at - choice_.available.begin()));
    });
    connect(b_close, &QPushButton::clicked, this, &QDialog::accept);
    showChoice(0, 0);
}

void ComponentDialog::showChoice(int usedRow, int availableRow) {
    fill(lb_used, choice_.used, usedRow);
    fill(lb_available, choice_.available, availableRow);
}

// Every way of closing keeps the choice, so the table is rebuilt here rather than only on "关闭".
void ComponentDialog::done(int result) {
    workspace().numberClasses = buildNumberClassTable(choice_.used);
    QDialog::done(result);
}

}  // namespace qorvel
