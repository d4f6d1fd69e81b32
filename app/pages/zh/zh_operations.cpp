#include "app/pages/zh/zh_operations.h"

#include <QCursor>
#include <QMenu>
#include <QPushButton>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/dialogs/u_qh.h"
#include "app/dialogs/zh/u_batch.h"
#include "app/dialogs/zh/u_choice.h"
#include "app/pages/u_zh.h"
#include "app/dialogs/u_textviewer.h"
#include "combos/combo_filter.h"
#include "combos/condition_report.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

const char* const kConditionFilter = "主区过滤条件格式文件(*.zh)";
const char* const kSaveTitle = "保存主区过滤条件";
const char* const kLoadTitle = " 打开主区过滤条件存储文件";
const char* const kConditionFolder = "save\\";
const char* const kReportFile = "database\\showcond.txt";

template <class Dialog>
Dialog& instance(Dialog*& global) {
    if (!global) global = new Dialog();
    return *global;
}

}  // namespace

ZhOperations::ZhOperations(Tf_zh& page) : QObject(&page), page_(page) {
    b_glcz = new QPushButton(QStringLiteral("过滤操作"), &page);
    b_glcz->setObjectName("b_glcz");
    pm_glcz = new QMenu(b_glcz);
    pm_glcz->setObjectName("pm_glcz");
    n_reset = entry(pm_glcz, "n_reset", "重置", nullptr);
    connect(n_reset, &QAction::triggered, &page, [&page] { page.resetConditions(); });
    n_savecond = entry(pm_glcz, "n_savecond", "保存条件", &ZhOperations::saveConditions);
    n_loadcond = entry(pm_glcz, "n_loadcond", "载入条件", &ZhOperations::loadConditions);
    n_showcond = entry(pm_glcz, "n_showcond", "显示条件", &ZhOperations::showConditions);

    QMenu* restore = pm_glcz->addMenu(QStringLiteral("恢复操作"));
    restore->setObjectName("n_restore");
    n_loadcgset = entry(restore, "n_loadcgset", "载入常规过滤条件", nullptr);
    connect(n_loadcgset, &QAction::triggered, this, [this] { afterFixedFile(page_.filter().loadStandardConditions()); });
    n_savecgset = entry(restore, "n_savecgset", "覆盖常规过滤条件", nullptr);
    connect(n_savecgset, &QAction::triggered, this, [this] {
        const std::string error = page_.filter().saveStandardConditions();
        if (!error.empty()) showMessage(QString::fromStdString(error), &page_);
    });
    n_loadexitset = entry(restore, "n_loadexitset", "载入上次退出前的过滤条件", nullptr);
    connect(n_loadexitset, &QAction::triggered, this, [this] { afterFixedFile(page_.filter().loadExitConditions()); });
    n_undo = entry(restore, "n_undo", "恢复上一次过滤条件", nullptr);
    connect(n_undo, &QAction::triggered, this, [this] { afterFixedFile(page_.filter().undoConditions()); });

    n_condright = entry(pm_glcz, "n_condright", "条件对错", &ZhOperations::markConditions);
    n_batchfilter = entry(pm_glcz, "n_batchfilter", "批量过滤", &ZhOperations::batchFilter);

    // A run owns the conditions and the draw store while it works, so the menu waits for it.
    connect(pm_glcz, &QMenu::aboutToShow, this, [this] {
        for (QAction* a : pm_glcz->actions()) a->setEnabled(!page_.running());
    });
    connect(b_glcz, &QPushButton::clicked, this, [this] { pm_glcz->popup(QCursor::pos()); });
}

QAction* ZhOperations::entry(QMenu* menu, const char* name, const char* caption, void (ZhOperations::*handler)()) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    if (handler) connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
}

void ZhOperations::afterFixedFile(const std::string& message) {
    page_.refreshConditionControls();
    if (!message.empty()) showMessage(QString::fromStdString(message), &page_);
}

void ZhOperations::saveConditions() {
    const QString chosen = platform().files->saveFileIn(&page_, QString::fromUtf8(kSaveTitle),
                                                       QString::fromUtf8(kConditionFilter), programFile(kConditionFolder));
    if (!chosen.isEmpty()) page_.saveConditionsTo(chosen.toStdString());
}

void ZhOperations::loadConditions() {
    const QString chosen = platform().files->openFileIn(&page_, QString::fromUtf8(kLoadTitle),
                                                       QString::fromUtf8(kConditionFilter), programFile(kConditionFolder));
    if (!chosen.isEmpty()) page_.loadConditionsFrom(chosen.toStdString());
}

void ZhOperations::openReport(const std::vector<std::string>& lines) {
    const std::string error = writeConditionReport(workspace(), lines);
    if (!error.empty()) {
        showMessage(QString::fromStdString(error), &page_);
        return;
    }
    const QString path = programFile(kReportFile);
    openTextDocument(path, &page_);
}

void ZhOperations::showConditions() {
    openReport(conditionReportLines(page_.filter().conditions, workspace().params.MainTo));
}

void ZhOperations::markConditions() {
    const std::optional<int> issue = instance(f_qh).chooseIssue();
    if (!issue) return;
    const std::optional<ReportFilter> choice = instance(f_condchoice).choose();
    if (!choice) return;
    const MarkedReport report = markedReportLines(workspace(), page_.filter().conditions, *issue, *choice);
    if (!report.error.empty()) {
        showMessage(QString::fromStdString(report.error), &page_);
        return;
    }
    openReport(report.lines);
}

void ZhOperations::batchFilter() {
    const auto files = instance(f_groupfilter).choose();
    if (files) page_.startBatch(*files);
}

}  // namespace qorvel
