#include "app/dialogs/tdsh/u_collectgs.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "killbanker/formula_set_files.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr const char* kSaveFolder = "save";

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

Tf_collectgs::Tf_collectgs(QWidget* parent) : QDialog(parent) {
    setObjectName("f_collectgs");
    l_gs = new QListWidget(this);
    l_gs->setObjectName("l_gs");
    e_add = new QLineEdit(this);
    e_add->setObjectName("e_add");
    b_add = makeButton(this, "b_add", "添加");
    b_modify = makeButton(this, "b_modify", "修改");
    b_delete = makeButton(this, "b_delete", "删除");
    b_clear = makeButton(this, "b_clear", "清空");
    b_save = makeButton(this, "b_save", "保存");
    b_load = makeButton(this, "b_load", "载入");
    auto* buttons = new QGridLayout;
    int n = 0;
    for (QPushButton* b : {b_add, b_modify, b_delete, b_clear, b_save, b_load}) {
        buttons->addWidget(b, n / 3, n % 3);
        ++n;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(l_gs, 1);
    layout->addWidget(e_add);
    layout->addLayout(buttons);
    resize(420, 360);

    connect(b_add, &QPushButton::clicked, this, &Tf_collectgs::addFormula);
    connect(b_modify, &QPushButton::clicked, this, &Tf_collectgs::modifyFormula);
    connect(b_delete, &QPushButton::clicked, this, &Tf_collectgs::deleteFormula);
    connect(b_clear, &QPushButton::clicked, this, &Tf_collectgs::clearFormulas);
    connect(b_save, &QPushButton::clicked, this, &Tf_collectgs::saveFormulas);
    connect(b_load, &QPushButton::clicked, this, &Tf_collectgs::loadFormulas);
    connect(l_gs, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { e_add->setText(item->text()); });
    refresh();
}

void Tf_collectgs::refresh(int selected) {
    l_gs->clear();
    for (const std::string& f : collection_.formulas()) l_gs->addItem(QString::fromStdString(f));
    if (selected >= 0 && selected < l_gs->count()) l_gs->setCurrentRow(selected);
    setWindowTitle(QString::fromStdString(collection_.caption()));
}

void Tf_collectgs::collect(const QString& formula) {
    show();
    raise();
    e_add->setText(formula);
    addFormula();
}

void Tf_collectgs::addFormula() {
    collection_.add(e_add->text().toStdString());
    e_add->clear();
    refresh();
}

void Tf_collectgs::modifyFormula() {
    const int row = l_gs->currentItem() && l_gs->currentItem()->isSelected() ? l_gs->currentRow() : -1;
    const std::string message = collection_.modify(row, e_add->text().toStdString());
    if (!message.empty()) {
        showMessage(QString::fromStdString(message), this);
        return;
    }
    refresh(row);
}

void Tf_collectgs::deleteFormula() {
    const int row = l_gs->currentItem() && l_gs->currentItem()->isSelected() ? l_gs->currentRow() : -1;
    if (collection_.remove(row)) refresh();
}

void Tf_collectgs::clearFormulas() {
    collection_.clear();
    refresh();
}

void Tf_collectgs::saveFormulas() {
    const QString chosen = platform().files->saveFileIn(this, QString::fromUtf8(kSaveFormulaFileTitle),
                                                        QString::fromUtf8(kFormulaFileFilter), programFile(kSaveFolder));
    if (chosen.isEmpty()) return;
    const std::string error = collection_.save(chosen.toStdString());
    if (!error.empty()) showMessage(QString::fromStdString(error), this);
}

void Tf_collectgs::loadFormulas() {
    const QString chosen = platform().files->openFileIn(this, QString::fromUtf8(kOpenFormulaFileTitle),
                                                        QString::fromUtf8(kFormulaFileFilter), programFile(kSaveFolder));
    if (chosen.isEmpty()) return;
    const std::string error = collection_.load(chosen.toStdString());
    if (!error.empty()) showMessage(QString::fromStdString(error), this);
    refresh();
}

Tf_collectgs& formulaCollection() {
    if (!f_collectgs) f_collectgs = new Tf_collectgs();
    return *f_collectgs;
}

}  // namespace qorvel
