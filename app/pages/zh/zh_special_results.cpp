#include "app/pages/zh/zh_special_results.h"

#include <QAbstractItemView>
#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <algorithm>
#include <filesystem>

#include "app/app_state.h"
#include "app/dialogs/zh/u_result_dialogs.h"
#include "app/pages/u_zh.h"
#include "combos/result_forecast.h"
#include "combos/special_filter.h"
#include "draws/forecast_row.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr const char* kResultFileFilter = "副区组号结果文件(*.txt)|*.txt";
constexpr const char* kSaveResultsTitle = "保存副区组号结果";
constexpr const char* kLoadResultsTitle = " 打开副区组号结果存储文件";
constexpr const char* kAddCaption = "添加组号";
constexpr const char* kModifyCaption = "修改副区组号";

// The popup, top to bottom; an entry without a name is a separator. The single-number list shows only
// the entries marked for it.
struct PopupEntry {
    const char* name;
    const char* caption;
    void (ZhSpecialResults::*run)();
    bool singleNumber;
};
constexpr PopupEntry kPopupEntries[] = {
    {"mi_jdycq", "加到预测区", &ZhSpecialResults::addToForecast, true},
    {"mi_qcycq", "清除预测区", &ZhSpecialResults::clearForecast, true},
    {"", "", nullptr, false},
    {"mi_bczh", "保存组号", &ZhSpecialResults::saveResults, false},
    {"mi_zrzh", "载入组号", &ZhSpecialResults::loadResults, false},
    {"", "", nullptr, false},
    {"mi_tjzh", "添加组号", &ZhSpecialResults::addGroup, false},
    {"mi_sczh", "删除组号", &ZhSpecialResults::deleteGroup, false},
    {"mi_xgzh", "修改组号", &ZhSpecialResults::modifyGroup, false},
};

}  // namespace

void clearForecastKeepingCursor(t_s_dm& store) {
    const bool onDraw = store.RecNo() >= 1 && store.RecNo() <= store.Count();
    const int issue = onDraw ? store.GetField(0) : 0;
    if (!clearForecastRow(store)) return;
    if (issue == 0 || issue == kForecastIssue || !store.GotoIssue(issue)) store.Last();
}

ZhSpecialResults::ZhSpecialResults(Tf_zh& page, QAbstractItemView* view, bool twoNumbers,
                                   std::function<void()> changed)
    : QObject(view), page_(page), view_(view), twoNumbers_(twoNumbers), changed_(std::move(changed)) {
    setObjectName(twoNumbers ? "zh_special_results" : "zh_single_special_results");
    pm_fqresult = new QMenu(view);
    pm_fqresult->setObjectName(twoNumbers ? "pm_fqresult" : "pm_lhresult");
    for (const PopupEntry& e : kPopupEntries) {
        if (!twoNumbers && !e.singleNumber) continue;
        if (e.run == nullptr) {
            pm_fqresult->addSeparator();
            continue;
        }
        QAction* action = pm_fqresult->addAction(QString::fromUtf8(e.caption));
        action->setObjectName(e.name);
        const auto run = e.run;
        // The forecast row lives in the draw store a running filter reads, so nothing runs meanwhile.
        connect(action, &QAction::triggered, this, [this, run] {
            if (!page_.running()) (this->*run)();
        });
    }
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { popupAt(view_->viewport()->mapToGlobal(pos)); });
}

QAction* ZhSpecialResults::entry(const char* name) const {
    return pm_fqresult->findChild<QAction*>(name);
}

void ZhSpecialResults::popupAt(const QPoint& globalPos) {
    if (page_.running()) return;
    pm_fqresult->popup(globalPos);
}

int ZhSpecialResults::groupNumbers() const {
    return twoNumbers_ ? kMaxSpecialGroupNumbers : 1;
}

int ZhSpecialResults::selectedEntry() const {
    const QItemSelectionModel* selection = view_->selectionModel();
    if (!selection) return 0;
    const QModelIndexList indexes = selection->selectedIndexes();
    if (indexes.isEmpty()) return 0;
    const int k = indexes.first().row() + 1;
    return k <= page_.specialResults().count() ? k : 0;
}

void ZhSpecialResults::selectEntry(int k) {
    if (k < 1 || k > view_->model()->rowCount()) return;
    const QModelIndex index = view_->model()->index(k - 1, 0);
    view_->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(index);
}

void ZhSpecialResults::addToForecast() {
    Workspace& ws = workspace();
    const std::string message =
        addSpecialResultToForecast(ws.MainStore, ws.params, page_.specialResults(), selectedEntry());
    if (!message.empty()) showMessage(fromUtf8(message), view_);
}

void ZhSpecialResults::clearForecast() {
    clearForecastKeepingCursor(workspace().MainStore);
}

void ZhSpecialResults::saveResults() {
    const QString name = platform().files->saveFile(view_, QString::fromUtf8(kSaveResultsTitle),
                                                    fileDialogFilter(kResultFileFilter));
    if (name.isEmpty()) return;
    const std::string error =
        saveSpecialResults(std::filesystem::path(toUtf8(name)), page_.specialResults(), groupNumbers());
    if (!error.empty()) showMessage(fromUtf8(error), view_);
}

void ZhSpecialResults::loadResults() {
    const QString name = platform().files->openFile(view_, QString::fromUtf8(kLoadResultsTitle),
                                                    fileDialogFilter(kResultFileFilter));
    if (name.isEmpty()) return;
    const std::string error =
        loadSpecialResults(std::filesystem::path(toUtf8(name)), groupNumbers(), page_.specialResults());
    if (!error.empty()) {
        showMessage(fromUtf8(error), view_);
        return;
    }
    changed_();
}

void ZhSpecialResults::addGroup() {
    TicketEditDialog dialog(QString::fromUtf8(kAddCaption), workspace(), view_, TicketLayout::Special);
    const auto numbers = dialog.editTicket({});
    if (!numbers) return;
    SpecialResultSet& results = page_.specialResults();
    results.appendNumbers(std::vector<int32_t>(numbers->begin(), numbers->end()));
    changed_();
    selectEntry(results.count());
}

void ZhSpecialResults::deleteGroup() {
    const int k = selectedEntry();
    const std::string message = page_.specialResults().remove(k);
    if (!message.empty()) {
        showMessage(fromUtf8(message), view_);
        return;
    }
    changed_();
    selectEntry(std::min(k, page_.specialResults().count()));
}

void ZhSpecialResults::modifyGroup() {
    const int k = selectedEntry();
    SpecialResultSet& results = page_.specialResults();
    if (k == 0) {
        showMessage(QString::fromUtf8(kSelectRowToModifyMessage), view_);
        return;
    }
    TicketEditDialog dialog(QString::fromUtf8(kModifyCaption), workspace(), view_, TicketLayout::Special);
    const std::vector<int32_t> start = results.numbers(k, groupNumbers());
    const auto numbers = dialog.editTicket(std::vector<int>(start.begin(), start.end()));
    if (!numbers) return;
    const std::string message = results.replace(k, std::vector<int32_t>(numbers->begin(), numbers->end()));
    if (!message.empty()) {
        showMessage(fromUtf8(message), view_);
        return;
    }
    changed_();
    selectEntry(k);
}

}  // namespace qorvel
