#include "app/pages/zh/zh_dual_tab.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QButtonGroup>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "app/app_state.h"
#include "app/dialogs/zh/u_result_dialogs.h"
#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_popup.h"
#include "app/pages/zh/zh_result_grid.h"
#include "app/u_main.h"
#include "app/dialogs/u_textviewer.h"
#include "combos/combo_filter.h"
#include "combos/result_file.h"
#include "combos/dual_match.h"
#include "combos/result_forecast.h"
#include "combos/result_ops.h"
#include "draws/forecast_row.h"
#include "text/number_text.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr const char* kResultFileFilter = "双区组号结果文件(*.txt)|*.txt";
constexpr const char* kSaveResultsTitle = "保存双区组号结果";
constexpr const char* kLoadResultsTitle = " 打开双区组号结果存储文件";
constexpr const char* kAddCaption = "添加组号";
constexpr const char* kModifyCaption = "修改组号";
constexpr const char* kDefaultRandomCountText = "  10";
constexpr const char* kRandomCountMessage = "机选注数必须在1到50000之间";
constexpr const char* kNothingToCheckMessage = "没有双区组号，请先匹配或机选组号";
constexpr int kRandomCountDigits = 5;
constexpr int kMemoLines = 3;

// The popup, top to bottom.
constexpr PopupEntry<ZhDualTab> kPopupEntries[] = {
    {"mi_jdycq", "加到预测区", &ZhDualTab::addToForecast},
    {"mi_qcycq", "清除预测区", &ZhDualTab::clearForecast},
    {"", "", nullptr},
    {"mi_bczh", "保存组号", &ZhDualTab::saveResults},
    {"mi_zrzh", "载入组号", &ZhDualTab::loadResults},
    {"", "", nullptr},
    {"mi_tjzh", "添加组号", &ZhDualTab::addTicket},
    {"mi_sczh", "删除组号", &ZhDualTab::deleteTicket},
    {"mi_xgzh", "修改组号", &ZhDualTab::modifyTicket},
};

int mainCount() {
    return workspace().params.MainCount;
}
int specialCount() {
    return ticketZoneCount(workspace(), TicketZone::Special);
}

QPushButton* namedButton(const char* caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    return button;
}

QRadioButton* namedRadio(MatchMode mode, const char* name, QWidget* parent) {
    auto* button = new QRadioButton(QString::fromUtf8(matchModeCaption(mode)), parent);
    button->setObjectName(name);
    return button;
}

// The editor's numbers as a full ticket: the main numbers, then the special ones.
DualTicket ticketOf(const std::vector<int>& numbers) {
    const auto split =
        numbers.begin() + std::min<std::ptrdiff_t>(mainCount(), static_cast<std::ptrdiff_t>(numbers.size()));
    return DualTicket{std::vector<int32_t>(numbers.begin(), split),
                      std::vector<int32_t>(split, numbers.end()), 0};
}

}  // namespace

// The cells of the dual result grid: the texts of dualResultGrid, centred, with the serial and number
// columns coloured.
class DualGridModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setGrid(DualResultGrid grid, int numberColumns) {
        beginResetModel();
        grid_ = std::move(grid);
        numberColumns_ = numberColumns;
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(grid_.rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(grid_.headers.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const int c = index.column();
        switch (role) {
            case Qt::DisplayRole: {
                const auto& row = grid_.rows[static_cast<std::size_t>(index.row())];
                return c < static_cast<int>(row.size()) ? fromUtf8(row[static_cast<std::size_t>(c)])
                                                        : QString();
            }
            case Qt::TextAlignmentRole:
                return int(Qt::AlignCenter);
            case Qt::BackgroundRole: {
                const QColor colour = resultCellBackground(c, numberColumns_);
                return colour.isValid() ? QVariant(colour) : QVariant();
            }
            default:
                return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        return section < static_cast<int>(grid_.headers.size())
                   ? fromUtf8(grid_.headers[static_cast<std::size_t>(section)])
                   : QVariant();
    }

  private:
    DualResultGrid grid_;
    int numberColumns_ = 0;
};

ZhDualTab::ZhDualTab(Tf_zh& page, QWidget* parent) : QWidget(parent), page_(page) {
    setObjectName("ts_sqpp");
    sg_sqresult = new QTableView(this);
    sg_sqresult->setObjectName("sg_sqresult");
    model_ = new DualGridModel(sg_sqresult);
    sg_sqresult->setModel(model_);
    sg_sqresult->setSelectionBehavior(QAbstractItemView::SelectRows);
    sg_sqresult->setSelectionMode(QAbstractItemView::SingleSelection);
    sg_sqresult->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg_sqresult->verticalHeader()->hide();
    sg_sqresult->verticalHeader()->setDefaultSectionSize(resultRowHeight(*sg_sqresult));
    sg_sqresult->horizontalHeader()->setDefaultSectionSize(
        sg_sqresult->fontMetrics().horizontalAdvance(QStringLiteral("第00000条")) + 12);
    popupOnRightClick(sg_sqresult, this, [this](const QPoint& pos) { popupAt(pos); });
    m_djjg = new QPlainTextEdit(this);
    m_djjg->setObjectName("m_djjg");
    m_djjg->setReadOnly(true);
    m_djjg->setFixedHeight(m_djjg->fontMetrics().lineSpacing() * kMemoLines + 12);
    l_sqstatus = new QLabel(this);
    l_sqstatus->setObjectName("l_sqstatus");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildControls());
    layout->addWidget(sg_sqresult, 1);
    layout->addWidget(m_djjg);
    layout->addWidget(l_sqstatus);
    buildPopup();
    showResults();
}

QWidget* ZhDualTab::buildControls() {
    auto* box = new QWidget(this);
    rb_sxpp = namedRadio(MatchMode::Sequential, "rb_sxpp", box);
    rb_sjpp = namedRadio(MatchMode::Random, "rb_sjpp", box);
    rb_qzhpp = namedRadio(MatchMode::AllPairs, "rb_qzhpp", box);
    rb_sxpp->setChecked(true);
    auto* modes = new QButtonGroup(box);
    for (QRadioButton* b : {rb_sxpp, rb_sjpp, rb_qzhpp}) modes->addButton(b);
    b_startpp = namedButton("开始匹配", "b_startpp", box);
    b_jxzh2 = namedButton("机选组号", "b_jxzh2", box);
    me_jxzh2 = new QLineEdit(QString::fromUtf8(kDefaultRandomCountText), box);
    me_jxzh2->setObjectName("me_jxzh2");
    // Blanks around up to five digits, as the default text has them.
    me_jxzh2->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral(" *[0-9]{0,5} *")), me_jxzh2));
    me_jxzh2->setMaximumWidth(
        me_jxzh2->fontMetrics().horizontalAdvance(QString(kRandomCountDigits + 3, '0')) + 12);
    b_dj = namedButton("对奖", "b_dj", box);
    b_dy = namedButton("打印", "b_dy", box);
    connect(b_startpp, &QPushButton::clicked, this, &ZhDualTab::startMatch);
    connect(b_jxzh2, &QPushButton::clicked, this, &ZhDualTab::randomTickets);
    connect(b_dj, &QPushButton::clicked, this, &ZhDualTab::prizeCheck);
    connect(b_dy, &QPushButton::clicked, this, &ZhDualTab::printResults);

    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    for (QRadioButton* b : {rb_sxpp, rb_sjpp, rb_qzhpp}) row->addWidget(b);
    row->addWidget(b_startpp);
    row->addSpacing(24);
    row->addWidget(b_jxzh2);
    row->addWidget(me_jxzh2);
    row->addSpacing(24);
    row->addWidget(b_dj);
    row->addWidget(b_dy);
    row->addStretch();
    return box;
}

void ZhDualTab::buildPopup() {
    pm_sqresult = new QMenu(this);
    pm_sqresult->setObjectName("pm_sqresult");
    addPopupEntries<ZhDualTab>(pm_sqresult, this, kPopupEntries, [this] { return busy(); });
}

QAction* ZhDualTab::entry(const char* name) const {
    return pm_sqresult->findChild<QAction*>(name);
}

// A running filter fills the main result set and reads the draw store on its own thread.
bool ZhDualTab::busy() const {
    return page_.running();
}

void ZhDualTab::popupAt(const QPoint& globalPos) {
    if (busy()) return;
    pm_sqresult->popup(globalPos);
}

void ZhDualTab::showResults() {
    const Workspace& ws = workspace();
    model_->setGrid(dualResultGrid(page_.dualResults(), mainCount(), specialCount(), ws.MainLabel(),
                                   ws.SpecialLabel(), levelsShown_),
                    mainCount() + specialCount());
}

void ZhDualTab::setStatus(const std::string& text) {
    l_sqstatus->setText(fromUtf8(text));
    if (f_main) f_main->setStatusText(fromUtf8(text));
}

void ZhDualTab::showNewSet() {
    levelsShown_ = false;
    lastWinning_.reset();
    m_djjg->clear();
    showResults();
    setStatus(dualStatusText(page_.dualResults().count()));
}

int ZhDualTab::selectedTicket() const {
    const QModelIndexList indexes = sg_sqresult->selectionModel()->selectedIndexes();
    if (indexes.isEmpty()) return 0;
    const int k = indexes.first().row() + 1;
    return k <= page_.dualResults().count() ? k : 0;
}

void ZhDualTab::selectTicket(int k) {
    if (k < 1 || k > model_->rowCount()) return;
    sg_sqresult->selectRow(k - 1);
    sg_sqresult->scrollTo(model_->index(k - 1, 0));
}

void ZhDualTab::startMatch() {
    if (busy()) return;
    const MatchMode mode = rb_qzhpp->isChecked()  ? MatchMode::AllPairs
                           : rb_sjpp->isChecked() ? MatchMode::Random
                                                  : MatchMode::Sequential;
    const Workspace& ws = workspace();
    const MatchOutcome outcome =
        Match(mode, page_.filter().results, mainCount(), page_.specialResults(), specialCount(),
              ws.SpecialLabel(), page_.random(), page_.dualResults());
    if (outcome.refused) {
        showMessage(fromUtf8(outcome.message), this);
        return;
    }
    showNewSet();
}

void ZhDualTab::randomTickets() {
    const QString text = me_jxzh2->text();
    std::optional<int> count;
    if (!text.trimmed().isEmpty()) {
        count = parseWholeNumber(toUtf8(text));
        if (!count || *count < 1 || *count > kMaxDualTickets) {
            showMessage(QString::fromUtf8(kRandomCountMessage), this);
            return;
        }
    }
    const MatchOutcome outcome =
        randomDualTickets(count, workspace().params, page_.random(), page_.dualResults());
    if (outcome.refused) {
        showMessage(fromUtf8(outcome.message), this);
        return;
    }
    showNewSet();
}

void ZhDualTab::prizeCheck() {
    // The dialog reads the draw store, which a running filter changes.
    if (busy()) return;
    DualResultSet& dual = page_.dualResults();
    if (dual.empty()) {
        showMessage(QString::fromUtf8(kNothingToCheckMessage), this);
        return;
    }
    DualPrizeDialog dialog(workspace(), this);
    const std::optional<WinningNumbers> winning = dialog.chooseWinningNumbers();
    if (!winning) return;
    const DualPrizeTable table = dualPrizeTableFor(workspace().params);
    const auto perLevel = dualPrizeCheck(table, dual.tickets(), winning->main, winning->special);
    levelsShown_ = true;
    lastWinning_ = winning;
    showResults();
    m_djjg->setPlainText(fromUtf8(dualPrizeSummary(perLevel, table)));
}

void ZhDualTab::printResults() {
    const std::filesystem::path folder = workspace().ProgramFolder;
    const std::string error = writePrintFile(folder, dualPrintLines(page_.dualResults()));
    if (!error.empty()) {
        showMessage(fromUtf8(error), this);
        return;
    }
    const QString file = fromUtf8((folder / kPrintFileName).string());
    openTextDocument(file, this);
}

void ZhDualTab::addToForecast() {
    Workspace& ws = workspace();
    const std::string message =
        addDualResultToForecast(ws.MainStore, ws.params, page_.dualResults(), selectedTicket());
    if (!message.empty()) showMessage(fromUtf8(message), this);
}

void ZhDualTab::clearForecast() {
    clearForecastRow(workspace().MainStore);
}

void ZhDualTab::saveResults() {
    const QString name = platform().files->saveFile(this, QString::fromUtf8(kSaveResultsTitle),
                                                    fileDialogFilter(kResultFileFilter));
    if (name.isEmpty()) return;
    const std::string error = saveDualResults(resultFileName(toUtf8(name)), page_.dualResults(),
                                              mainCount(), specialCount());
    if (!error.empty()) showMessage(fromUtf8(error), this);
}

void ZhDualTab::loadResults() {
    const QString name = platform().files->openFile(this, QString::fromUtf8(kLoadResultsTitle),
                                                    fileDialogFilter(kResultFileFilter));
    if (name.isEmpty()) return;
    const std::string error = loadDualResults(std::filesystem::path(toUtf8(name)), mainCount(),
                                              specialCount(), page_.dualResults());
    if (!error.empty()) {
        showMessage(fromUtf8(error), this);
        return;
    }
    showNewSet();
}

void ZhDualTab::setLevel(DualTicket& ticket) const {
    ticket.level = 0;
    if (!lastWinning_) return;
    std::vector<DualTicket> one{ticket};
    dualPrizeCheck(dualPrizeTableFor(workspace().params), one, lastWinning_->main, lastWinning_->special);
    ticket.level = one.front().level;
}

void ZhDualTab::addTicket() {
    TicketEditDialog dialog(QString::fromUtf8(kAddCaption), workspace(), this, TicketLayout::Dual);
    const auto numbers = dialog.editTicket({});
    if (!numbers) return;
    DualTicket ticket = ticketOf(*numbers);
    setLevel(ticket);
    DualResultSet& dual = page_.dualResults();
    if (!dual.append(std::move(ticket))) {
        showMessage(QString::fromUtf8(kDualLimitMessage), this);
        return;
    }
    showResults();
    selectTicket(dual.count());
    setStatus(dualStatusText(dual.count()));
}

void ZhDualTab::deleteTicket() {
    const int k = selectedTicket();
    DualResultSet& dual = page_.dualResults();
    const std::string message = dual.remove(k);
    if (!message.empty()) {
        showMessage(fromUtf8(message), this);
        return;
    }
    showResults();
    selectTicket(std::min(k, dual.count()));
    setStatus(dualStatusText(dual.count()));
}

void ZhDualTab::modifyTicket() {
    const int k = selectedTicket();
    DualResultSet& dual = page_.dualResults();
    if (k == 0) {
        showMessage(QString::fromUtf8(kSelectRowToModifyMessage), this);
        return;
    }
    std::vector<int> start(dual.at(k).main.begin(), dual.at(k).main.end());
    start.insert(start.end(), dual.at(k).special.begin(), dual.at(k).special.end());
    TicketEditDialog dialog(QString::fromUtf8(kModifyCaption), workspace(), this, TicketLayout::Dual);
    const auto numbers = dialog.editTicket(start);
    if (!numbers) return;
    DualTicket ticket = ticketOf(*numbers);
    setLevel(ticket);
    const std::string message = dual.replace(k, std::move(ticket));
    if (!message.empty()) {
        showMessage(fromUtf8(message), this);
        return;
    }
    showResults();
    selectTicket(k);
}

}  // namespace qorvel
