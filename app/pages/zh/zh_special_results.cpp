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
#include "app/pages/zh/zh_popup.h"
#include "combos/result_file.h"
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

// The popup, top to bottom. The single-number list shows only the first kSingleNumberEntries.
constexpr PopupEntry<ZhSpecialResults> kPopupEntries[] = {
    {"mi_jdycq", "加到预测区", &ZhSpecialResults::addToForecast},
    {"mi_qcycq", "清除预测区", &ZhSpecialResults::clearForecast},
    {"", "", nullptr},
    {"mi_bczh", "保存组号", &ZhSpecialResults::saveResults},
    {"mi_zrzh", "载入组号", &ZhSpecialResults::loadResults},
    {"", "", nullptr},
    {"mi_tjzh", "添加组号", &ZhSpecialResults::addGroup},
    {"mi_sczh", "删除组号", &ZhSpecialResults::deleteGroup},
    {"mi_xgzh", "修改组号", &ZhSpecialResults::modifyGroup},
};
constexpr std::size_t kSingleNumberEntries = 2;

}  // namespace

ZhSpecialResults::ZhSpecialResults(Tf_zh& page, QAbstractItemView* view, bool twoNumbers,
                                   std::function<void()> changed)
    : QObject(view), page_(page), view_(view), twoNumbers_(twoNumbers), changed_(std::move(changed)) {
    setObjectName(twoNumbers ? "zh_special_results" : "zh_single_special_results");
    pm_fqresult = new QMenu(view);
    pm_fqresult->setObjectName(twoNumbers ? "pm_fqresult" : "pm_lhresult");
    // The forecast row lives in the draw store a running filter reads, so nothing runs meanwhile.
    const std::span<const PopupEntry<ZhSpecialResults>> entries(kPopupEntries);
    addPopupEntries<ZhSpecialResults>(pm_fqresult, this, twoNumbers ? entries : entries.first(kSingleNumberEntries),
                                      [this] { return page_.running(); });
    popupOnRightClick(view_, this, [this](const QPoint& pos) { popupAt(pos); });
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
    clearForecastRow(workspace().MainStore);
}

void ZhSpecialResults::saveResults() {
    const QString name = platform().files->saveFile(view_, QString::fromUtf8(kSaveResultsTitle),
                                                    fileDialogFilter(kResultFileFilter));
    if (name.isEmpty()) return;
    const std::string error =
        saveSpecialResults(resultFileName(toUtf8(name)), page_.specialResults(), groupNumbers());
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
