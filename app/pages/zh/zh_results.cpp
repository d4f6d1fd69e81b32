#include "app/pages/zh/zh_results.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "app/app_state.h"
#include "app/dialogs/u_qh.h"
#include "app/dialogs/zh/u_result_dialogs.h"
#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_popup.h"
#include "app/dialogs/u_textviewer.h"
#include "combos/result_file.h"
#include "combos/combo_filter.h"
#include "combos/result_forecast.h"
#include "combos/result_ops.h"
#include "draws/data_transform.h"
#include "draws/forecast_row.h"
#include "draws/history_edit.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr const char* kResultFileFilter = "组号结果文件(*.txt)|*.txt";
constexpr const char* kSaveResultsTitle = "保存组号结果";
constexpr const char* kLoadResultsTitle = " 打开组号结果存储文件";
constexpr const char* kSelectForDeleteMessage = "请先在上边的列表中选择一组需要删除的号码";
constexpr const char* kSelectForModifyMessage = "请先在上边的列表中选择一组需要修改的号码";
constexpr const char* kAddCaption = "添加组号";
constexpr const char* kModifyCaption = "修改组号";
constexpr const char* kPrizeCheckText = "正在对奖中，请稍候...";
constexpr const char* kLoadedStatusText = "超强组号  已得到符合条件的红号组有";
constexpr const char* kIssueMissingMessage = "开奖数据中没有这一期";

// The popup, top to bottom.
constexpr PopupEntry<ZhResults> kPopupEntries[] = {
    {"mi_bczh", "保存组号", &ZhResults::saveResults},
    {"mi_zrzh", "载入组号", &ZhResults::loadResults},
    {"", "", nullptr},
    {"mi_jdycq", "加到预测区", &ZhResults::addToForecast},
    {"mi_qcycq", "清除预测区", &ZhResults::clearForecast},
    {"", "", nullptr},
    {"mi_tjzh", "添加组号", &ZhResults::addTicket},
    {"mi_sczh", "删除组号", &ZhResults::deleteTicket},
    {"mi_xgzh", "修改组号", &ZhResults::modifyTicket},
    {"mi_lczh", "滤除组号", &ZhResults::removeListed},
    {"", "", nullptr},
    {"mi_dytzjg", "打印投注结果", &ZhResults::printResults},
    {"mi_hfys", "恢复到原始投注结果", &ZhResults::restoreOriginal},
    {"mi_dj", "对奖", &ZhResults::prizeCheck},
};

std::filesystem::path pathOf(const QString& name) { return std::filesystem::path(toUtf8(name)); }

std::optional<int> defaultIssueChooser() { return f_qh ? f_qh->chooseIssue() : std::nullopt; }

}  // namespace

ZhResults::ZhResults(Tf_zh& page) : QObject(&page), page_(page), chooseIssue_(defaultIssueChooser) {
    setObjectName("zh_results");
    pm_zqresult = new QMenu(&page);
    pm_zqresult->setObjectName("pm_zqresult");
    addPopupEntries<ZhResults>(pm_zqresult, this, kPopupEntries, [this] { return busy(); });
    b_jgcl = new QPushButton(QStringLiteral("结果处理"), &page);
    b_jgcl->setObjectName("b_jgcl");
    connect(b_jgcl, &QPushButton::clicked, this, [this] { popupAt(QCursor::pos()); });

    popupOnRightClick(page_.sg_zqresult, this, [this](const QPoint& pos) { popupAt(pos); });
}

QAction* ZhResults::entry(const char* name) const { return pm_zqresult->findChild<QAction*>(name); }

bool ZhResults::busy() const { return page_.running(); }

void ZhResults::popupAt(const QPoint& globalPos) {
    if (busy()) return;
    updateEntries();
    pm_zqresult->popup(globalPos);
}

void ZhResults::updateEntries() {
    // Mapping back only makes sense for tickets built on transformed numbers, and only once.
    const bool restorable = workspace().dataTransformed && restoredFingerprint_ != resultFingerprint();
    entry("mi_hfys")->setEnabled(restorable);
}

uint64_t ZhResults::resultFingerprint() const {
    const ResultSet& results = page_.filter().results;
    const int n = workspace().params.MainCount;
    uint64_t h = 1469598103934665603ull ^ static_cast<uint64_t>(results.count());
    for (int k = 1; k <= results.count(); ++k)
        for (int i = 0; i < n && i < kCombinationBytes; ++i) h = (h ^ results.slot(k).bytes[i]) * 1099511628211ull;
    return h;
}

int ZhResults::selectedSlot() const {
    const QList<QModelIndex> rows = page_.sg_zqresult->selectionModel()->selectedRows();
    if (rows.isEmpty()) return 0;
    const ComboFilter& f = page_.filter();
    const int slot = (std::max(1, f.currentPage) - 1) * kResultsPerPage + rows.first().row() + 1;
    return slot <= f.results.count() ? slot : 0;
}

std::vector<int> ZhResults::ticketNumbers(int slot) const {
    const Combination& c = page_.filter().results.slot(slot);
    const int n = std::min(workspace().params.MainCount, kCombinationBytes);
    return std::vector<int>(c.bytes.begin(), c.bytes.begin() + n);
}

uint8_t ZhResults::hitsAgainstLastDraw(const std::vector<int>& numbers) const {
    int hits = 0;
    for (int v : numbers) hits += std::count(lastPrizeDraw_.begin(), lastPrizeDraw_.end(), v) > 0 ? 1 : 0;
    return static_cast<uint8_t>(hits);
}

void ZhResults::showPage(int page, const std::string& status, int selectRow) {
    ComboFilter& f = page_.filter();
    f.currentPage = std::clamp(page, 1, std::max(1, resultPageCount(f.results.count())));
    page_.showResultPage();
    page_.l_zh_status->setText(fromUtf8(status));
    QTableWidget* grid = page_.sg_zqresult;
    if (selectRow >= 0 && selectRow < grid->rowCount()) {
        grid->selectRow(selectRow);
        grid->scrollToItem(grid->item(selectRow, 0));
    }
}

void ZhResults::showPageOfSlot(int slot) {
    const int page = (slot - 1) / kResultsPerPage + 1;
    showPage(page, page_.filter().resultStatusText(), (slot - 1) % kResultsPerPage);
}

void ZhResults::saveResults() {
    const QString name = platform().files->saveFile(&page_, QString::fromUtf8(kSaveResultsTitle),
                                                     fileDialogFilter(kResultFileFilter));
    if (name.isEmpty()) return;
    const std::string error = page_.filter().saveResults(resultFileName(toUtf8(name)));
    if (!error.empty()) showMessage(fromUtf8(error), &page_);
}

void ZhResults::loadResults() {
    const QString name = platform().files->openFile(&page_, QString::fromUtf8(kLoadResultsTitle),
                                                     fileDialogFilter(kResultFileFilter));
    if (name.isEmpty()) return;
    ComboFilter& f = page_.filter();
    const std::string error = f.loadResults(pathOf(name));
    if (!error.empty()) {
        showMessage(fromUtf8(error), &page_);
        return;
    }
    restoredFingerprint_.reset();
    page_.b_contfilter->setEnabled(true);
    showPage(1, kLoadedStatusText + std::to_string(f.results.count()) + "个");
}

void ZhResults::addToForecast() {
    Workspace& ws = workspace();
    const std::string message =
        addMainResultToForecast(ws.MainStore, ws.params, page_.filter().results, selectedSlot());
    if (!message.empty()) showMessage(fromUtf8(message), &page_);
}

void ZhResults::clearForecast() { clearForecastRow(workspace().MainStore); }

void ZhResults::addTicket() {
    TicketEditDialog dialog(QString::fromUtf8(kAddCaption), workspace(), &page_);
    const auto numbers = dialog.editTicket({});
    if (!numbers) return;
    ResultSet& results = page_.filter().results;
    Combination c;
    for (std::size_t i = 0; i < numbers->size(); ++i) c.bytes[i] = static_cast<uint8_t>((*numbers)[i]);
    if (page_.filter().hitsShown) c.setHits(workspace().params.MainCount, hitsAgainstLastDraw(*numbers));
    results.append(c);
    showPageOfSlot(results.count());
}

void ZhResults::deleteTicket() {
    const int slot = selectedSlot();
    if (slot == 0) {
        showMessage(QString::fromUtf8(kSelectForDeleteMessage), &page_);
        return;
    }
    ResultSet& results = page_.filter().results;
    for (int k = slot; k < results.count(); ++k) results.slot(k) = results.slot(k + 1);
    results.truncate(results.count() - 1);
    if (slot <= results.count()) showPageOfSlot(slot);
    else if (results.count() > 0) showPageOfSlot(results.count());
    else showPage(1, page_.filter().resultStatusText());
}

void ZhResults::modifyTicket() {
    const int slot = selectedSlot();
    if (slot == 0) {
        showMessage(QString::fromUtf8(kSelectForModifyMessage), &page_);
        return;
    }
    TicketEditDialog dialog(QString::fromUtf8(kModifyCaption), workspace(), &page_);
    const auto numbers = dialog.editTicket(ticketNumbers(slot));
    if (!numbers) return;
    Combination& c = page_.filter().results.slot(slot);
    for (std::size_t i = 0; i < numbers->size(); ++i) c.bytes[i] = static_cast<uint8_t>((*numbers)[i]);
    // A shown hit count stays true to the draw of the last prize check.
    c.setHits(workspace().params.MainCount, page_.filter().hitsShown ? hitsAgainstLastDraw(*numbers) : 0);
    showPageOfSlot(slot);
}

void ZhResults::removeListed() {
    if (!f_zq_lczh) return;
    ComboFilter& f = page_.filter();
    const int mainCount = workspace().params.MainCount;
    const bool applied = f_zq_lczh->removeTickets(mainCount, [&f, mainCount](const std::vector<std::string>& lines) {
        return removeListedCombinations(f.results, lines, mainCount).message;
    });
    if (!applied) return;
    f.hitsShown = false;
    showPage(1, f.resultStatusText());
}

void ZhResults::printResults() {
    const ResultSet& results = page_.filter().results;
    std::vector<std::vector<int32_t>> rows;
    rows.reserve(static_cast<std::size_t>(results.count()));
    for (int k = 1; k <= results.count(); ++k) {
        const std::vector<int> numbers = ticketNumbers(k);
        rows.emplace_back(numbers.begin(), numbers.end());
    }
    const std::filesystem::path folder = workspace().ProgramFolder;
    const std::string error = writePrintFile(folder, printLines(rows, true));
    if (!error.empty()) {
        showMessage(fromUtf8(error), &page_);
        return;
    }
    const QString file = fromUtf8((folder / kPrintFileName).string());
    openTextDocument(file, &page_);
}

void ZhResults::restoreOriginal() {
    Workspace& ws = workspace();
    if (!ws.dataTransformed || restoredFingerprint_ == resultFingerprint()) return;
    ComboFilter& f = page_.filter();
    restoreOriginalResults(ws, f.results);
    // The hit counts belonged to the transformed numbers.
    f.hitsShown = false;
    restoredFingerprint_ = resultFingerprint();
    showPage(f.currentPage, f.resultStatusText());
}

void ZhResults::prizeCheck() {
    const std::optional<int> issue = chooseIssue_();
    if (!issue) return;
    Workspace& ws = workspace();
    const t_s_dm& store = ws.MainStore;
    const int row = store.RowOfIssue(*issue);
    if (row == 0) {
        showMessage(QString::fromUtf8(kIssueMissingMessage), &page_);
        return;
    }
    page_.l_zh_status->setText(QString::fromUtf8(kPrizeCheckText));
    page_.l_zh_status->repaint();
    const int n = std::min(ws.params.MainCount, kCombinationBytes - 1);
    lastPrizeDraw_.assign(store.Row(row).fields.begin() + 1, store.Row(row).fields.begin() + 1 + n);
    ComboFilter& f = page_.filter();
    mainPrizeCheck(f.results, n, lastPrizeDraw_);
    f.hitsShown = true;
    showPage(1, f.resultStatusText());
}

}  // namespace qorvel
