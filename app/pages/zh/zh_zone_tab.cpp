#include "app/pages/zh/zh_zone_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/zh/u_tile_picker.h"
#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_custom_tab.h"
#include "app/pages/zh/zh_result_grid.h"
#include "app/pages/zh/zh_special_parts.h"
#include "app/pages/zh/zh_special_results.h"
#include "app/pages/zh/zh_value_pickers.h"
#include "combos/special_filter.h"
#include "combos/special_pickers.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr int kMemoHeight = 44;
constexpr const char* kToleranceStem = "fqrcnum";
const char* const kResultLabelHead = "投注结果：共";
const char* const kResultLabelTail = "注";

// The control stem of a list condition: "fq" and the indicator code without "f_" (fqnum1, fqhz, ...).
QString zoneStem(const ZoneConditionInfo& info) {
    std::string code = info.IndicatorCode;
    if (code.rfind("f_", 0) == 0) code.erase(0, 2);
    return QStringLiteral("fq") + QString::fromStdString(code);
}

}  // namespace

ZhZoneTab::ZhZoneTab(Tf_zh& page, QWidget* parent) : ZhSpecialFilterTab(page, SpecialFileKind::Zone, parent) {
    setObjectName("ts_fqgl");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout();
    top->addWidget(buildNumbers(), 1);
    auto* buttons = new QGridLayout();
    const auto button = [this](QPushButton*& b, const char* name, const char* caption) {
        b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(name);
    };
    button(b_fqfilter, "b_fqfilter", "开始过滤 ");
    button(b_fqreset, "b_fqreset", "重置");
    button(b_savefq, "b_savefq", "保存条件  ");
    button(b_loadfq, "b_loadfq", "  载入条件  ");
    buttons->addWidget(b_fqfilter, 0, 0);
    buttons->addWidget(b_fqreset, 0, 1);
    buttons->addWidget(b_savefq, 1, 0);
    buttons->addWidget(b_loadfq, 1, 1);
    top->addLayout(buttons);
    layout->addLayout(top);
    layout->addWidget(buildConditions(), 3);
    layout->addWidget(buildResults(), 2);

    connect(b_fqfilter, &QPushButton::clicked, this, [this] { startFilter(); });
    connect(b_fqreset, &QPushButton::clicked, this, [this] { resetConditions(); });
    connectFileButtons(b_savefq, b_loadfq);
    popup_ = new ZhSpecialResults(page_, sg_fqresult, true, [this] { showResults(); });
    refresh();
    showResults();
}

ZoneConditionSet& ZhZoneTab::conditions() { return page_.specialConditions().zone; }

QWidget* ZhZoneTab::buildNumbers() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    b_fqkxhm = new QPushButton(QStringLiteral("副区可选号码  "), box);
    b_fqkxhm->setObjectName("b_fqkxhm");
    m_fqkxhm = new QPlainTextEdit(box);
    m_fqkxhm->setObjectName("m_fqkxhm");
    b_fqdm = new QPushButton(QStringLiteral("副区胆码"), box);
    b_fqdm->setObjectName("b_fqdm");
    m_fqdm = new QPlainTextEdit(box);
    m_fqdm->setObjectName("m_fqdm");
    for (QPlainTextEdit* memo : {m_fqkxhm, m_fqdm}) {
        memo->setReadOnly(true);
        memo->setFixedHeight(kMemoHeight);
    }
    form->addRow(b_fqkxhm, m_fqkxhm);
    form->addRow(b_fqdm, m_fqdm);
    connect(b_fqkxhm, &QPushButton::clicked, this, [this] { chooseNumbers(false); });
    connect(b_fqdm, &QPushButton::clicked, this, [this] { chooseNumbers(true); });
    return box;
}

QWidget* ZhZoneTab::buildConditions() {
    std::vector<ZhSpecialRow::Setup> setups;
    for (const ZoneConditionInfo& info : zoneConditionTable()) {
        ZhSpecialRow::Setup setup;
        setup.stem = zoneStem(info);
        setup.caption = QString::fromUtf8(info.caption);
        setups.push_back(setup);
    }
    pc_fqcond = buildConditionPages("pc_fqcond", setups, conditions().totalTolerance, kToleranceStem,
                                    kToleranceChoiceMax, new ZhCustomTab(conditions(), this));
    for (const ZoneConditionInfo& info : zoneConditionTable()) {
        bindRow(row(info.id), info);
        row(info.id)->setVisible(!info.hidden);
    }
    return pc_fqcond;
}

QWidget* ZhZoneTab::buildResults() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    sg_fqresult = new QTableWidget(box);
    sg_fqresult->setObjectName("sg_fqresult");
    setUpResultGrid(sg_fqresult);
    column->addWidget(sg_fqresult, 1);
    l_fqresult = new QLabel(box);
    l_fqresult->setObjectName("l_fqresult");
    column->addWidget(l_fqresult);
    return box;
}

void ZhZoneTab::bindRow(ZhSpecialRow* row, const ZoneConditionInfo& info) {
    bindSwitches(row, info.id);
    connect(row->chooseButton, &QPushButton::clicked, this, [this, &info] { chooseValues(info); });
}

void ZhZoneTab::setConditionEnabled(int id, bool on) { conditions().setEnabled(id, on); }

void ZhZoneTab::setConditionTolerant(int id, bool on) { conditions().lists[static_cast<std::size_t>(id)].tolerant = on; }

void ZhZoneTab::refreshRow(int id) {
    ZhSpecialRow* r = row(id);
    if (!r || id > kLastZoneConditionId) return;
    const FilterCondition& c = conditions().lists[static_cast<std::size_t>(id)];
    refreshing_ = true;
    r->enableBox->setChecked(c.enabled);
    r->tolerantBox->setChecked(c.tolerant);
    r->valueField->setText(QString::fromStdString(valuesFieldText(c.values)));
    r->applyEnabled(c.enabled);
    refreshing_ = false;
}

void ZhZoneTab::refresh() {
    for (int id = 1; id <= kLastZoneConditionId; ++id) refreshRow(id);
    const ZoneConditionSet& c = conditions();
    refreshToleranceRow(c.totalTolerance);
    customTab_->refresh();
    const int first = firstSpecialNumber(workspace().params), last = lastSpecialNumber(workspace().params);
    m_fqkxhm->setPlainText(QString::fromStdString(specialNumbersText(c.candidates, first, last)));
    m_fqdm->setPlainText(QString::fromStdString(specialNumbersText(c.bankers, first, last)));
}

void ZhZoneTab::chooseValues(const ZoneConditionInfo& info) {
    const ValuePickerRequest request = zoneConditionPickerRequest(workspace(), conditions(), info);
    const auto values = tilePickerOf(page_).choose(request);
    if (!values) return;
    conditions().lists[static_cast<std::size_t>(info.id)].values = *values;
    refreshRow(info.id);
}

void ZhZoneTab::chooseNumbers(bool bankers) {
    const ValuePickerRequest request = specialNumberPickerRequest(workspace(), conditions(), bankers);
    const auto values = tilePickerOf(page_).choose(request);
    if (!values) return;
    const std::vector<int> numbers(values->begin(), values->end());
    if (bankers) setBankers(numbers);
    else setCandidates(numbers);
}

void ZhZoneTab::setCandidates(const std::vector<int>& numbers) {
    auto& flags = conditions().candidates;
    flags.fill(false);
    for (int n : numbers)
        if (n >= 1 && n <= kMaxSpecialNumber) flags[static_cast<std::size_t>(n)] = true;
    refresh();
}

void ZhZoneTab::setBankers(const std::vector<int>& numbers) {
    const std::string message = conditions().setBankers(numbers, workspace().params.SpecialCount);
    refresh();
    if (!message.empty()) showMessage(QString::fromStdString(message), this);
}

void ZhZoneTab::showResults() {
    const SpecialResultSet& results = page_.specialResults();
    const int m = std::max(1, std::min(workspace().params.SpecialCount, kMaxSpecialGroupNumbers));
    const SpecialResultGrid grid = specialResultGrid(results, m);
    fillResultGrid(sg_fqresult, grid.headers, grid.rows, m);
    l_fqresult->setText(QString::fromUtf8(kResultLabelHead) + QString::number(results.count()) +
                        QString::fromUtf8(kResultLabelTail));
}

void ZhZoneTab::startFilter() {
    runFilter([this] { return StartSpecialFilter(workspace(), conditions(), page_.specialResults()); });
}

void ZhZoneTab::resetConditions() {
    conditions().reset(workspace().params);
    refresh();
}

}  // namespace qorvel
