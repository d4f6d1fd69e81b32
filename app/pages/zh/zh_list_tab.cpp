#include "app/pages/zh/zh_list_tab.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/platform.h"

namespace qorvel {
namespace {
constexpr int kButtonWidth = 90;
}  // namespace

ZhListTab::ZhListTab(const Controls& controls, QWidget* parent) : QWidget(parent), controls_(controls) {
    setObjectName(controls.tab);
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout();
    switchBox = new QCheckBox(QString::fromUtf8(controls.switchCaption), this);
    switchBox->setObjectName(controls.switchName);
    left->addWidget(switchBox);
    fieldsArea = new QVBoxLayout();
    left->addLayout(fieldsArea);
    list = new QListWidget(this);
    list->setObjectName(controls.list);
    left->addWidget(list, 1);
    layout->addLayout(left, 1);

    buttonColumn = new QVBoxLayout();
    addButton = new QPushButton(QString::fromUtf8(controls.addCaption), this);
    addButton->setObjectName(controls.add);
    addButton->setToolTip(QString::fromUtf8(controls.hint));
    modifyButton = new QPushButton(QStringLiteral("修改"), this);
    modifyButton->setObjectName(controls.modify);
    deleteButton = new QPushButton(QStringLiteral("删除"), this);
    deleteButton->setObjectName(controls.remove);
    for (QPushButton* b : {addButton, modifyButton, deleteButton}) {
        b->setMinimumWidth(kButtonWidth);
        buttonColumn->addWidget(b);
    }
    buttonColumn->addStretch();
    layout->addLayout(buttonColumn);

    connect(switchBox, &QCheckBox::toggled, this, [this](bool on) { setSwitchOn(on); });
    connect(addButton, &QPushButton::clicked, this, [this] { addCondition(); });
    connect(modifyButton, &QPushButton::clicked, this, [this] {
        const int row = selectedRow();
        if (row < 0) showMessage(QString::fromUtf8(controls_.noModifySelection), this);
        else modifyCondition(row);
    });
    connect(deleteButton, &QPushButton::clicked, this, [this] {
        const int row = selectedRow();
        if (row < 0) {
            showMessage(QString::fromUtf8(controls_.noDeleteSelection), this);
            return;
        }
        removeCondition(row);
        delete list->takeItem(row);
    });
}

void ZhListTab::refresh() {
    switchBox->setChecked(switchOn());
    list->clear();
    for (int i = 0; i < conditionCount(); ++i) list->addItem(QString::fromStdString(loadedLine(i)));
}

int ZhListTab::selectedRow() const {
    const int row = list->currentRow();
    if (row < 0 || row >= conditionCount() || !list->item(row)->isSelected()) return -1;
    return row;
}

void ZhListTab::appendLine(const std::string& line) {
    list->addItem(QString::fromStdString(line));
}

void ZhListTab::replaceLine(int index, const std::string& line) {
    if (QListWidgetItem* item = list->item(index)) item->setText(QString::fromStdString(line));
}

void ZhListTab::tickSwitch() {
    switchBox->setChecked(true);
    setSwitchOn(true);
}

}  // namespace qorvel
