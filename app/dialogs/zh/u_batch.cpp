#include "app/dialogs/zh/u_batch.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

const char* const kAddTitle = " 加入过滤条件文件";
const char* const kConditionFileFilter = "过滤条件文件(*.zh)";
constexpr int kListMinimumWidth = 420;

}  // namespace

Tf_groupfilter::Tf_groupfilter(QWidget* parent) : QDialog(parent) {
    setObjectName("f_groupfilter");
    setWindowTitle(QStringLiteral("批量过滤"));
    auto* layout = new QHBoxLayout(this);
    lb_files = new QListWidget(this);
    lb_files->setObjectName("lb_files");
    lb_files->setMinimumWidth(kListMinimumWidth);
    layout->addWidget(lb_files, 1);
    auto* buttons = new QVBoxLayout();
    const struct {
        QPushButton** button;
        const char* name;
        const char* caption;
    } buttonTable[] = {{&b_addcond, "b_addcond", "添加条件"}, {&b_deletecond, "b_deletecond", "删除条件"},
                 {&b_clear, "b_clear", "清除"},        {&b_start, "b_start", "开始过滤"},
                 {&b_return, "b_return", "返回"}};
    for (const auto& s : buttonTable) {
        *s.button = new QPushButton(QString::fromUtf8(s.caption), this);
        (*s.button)->setObjectName(s.name);
        buttons->addWidget(*s.button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(b_addcond, &QPushButton::clicked, this, [this] { addFile(); });
    connect(b_deletecond, &QPushButton::clicked, this, [this] { delete lb_files->currentItem(); });
    connect(b_clear, &QPushButton::clicked, lb_files, &QListWidget::clear);
    connect(b_start, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_return, &QPushButton::clicked, this, &QDialog::reject);
}

void Tf_groupfilter::addFile() {
    const QString chosen = platform().files->openFileIn(this, QString::fromUtf8(kAddTitle),
                                                        QString::fromUtf8(kConditionFileFilter), programFile("save\\"));
    if (!chosen.isEmpty()) lb_files->addItem(chosen);
}

std::optional<std::vector<std::filesystem::path>> Tf_groupfilter::choose() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    std::vector<std::filesystem::path> files;
    for (int i = 0; i < lb_files->count(); ++i) files.emplace_back(lb_files->item(i)->text().toStdString());
    return files;
}

}  // namespace qorvel
