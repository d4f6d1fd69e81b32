#include "app/pages/zh/zh_blue_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "app/dialogs/zh/u_list_picker.h"
#include "app/dialogs/zh/u_tile_picker.h"
#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_custom_tab.h"
#include "app/pages/zh/zh_special_parts.h"
#include "app/pages/zh/zh_special_results.h"
#include "app/pages/zh/zh_value_pickers.h"
#include "combos/special_filter.h"
#include "combos/special_pickers.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

// Control stems of the conditions 1..13, in id order; the total tolerance is "lhrcnum".
constexpr const char* kStems[] = {"lhjo",   "lhzh",   "lhdx",   "lhcs3",  "lhcs4",  "lhcs5",  "lhjdzf",
                                  "lhyl",   "lh2qjz", "lh3qjz", "lh4qjz", "lh5qjz", "lh10qjz"};
static_assert(std::size(kStems) == kLastBlueConditionId);
constexpr const char* kToleranceStem = "lhrcnum";
constexpr int kResultListWidth = 150;

}  // namespace

ZhBlueTab::ZhBlueTab(Tf_zh& page, QWidget* parent) : ZhSpecialFilterTab(page, SpecialFileKind::Blue, parent) {
    setObjectName("ts_lhgl");
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildConditions(), 1);
    layout->addWidget(buildSide());
    refreshForType();
    popup_ = new ZhSpecialResults(page_, lb_lhresult, false, [this] { showResults(); });
    refresh();
    showResults();
}

BlueConditionSet& ZhBlueTab::conditions() { return page_.specialConditions().blue; }

QWidget* ZhBlueTab::buildConditions() {
    std::vector<ZhSpecialRow::Setup> setups;
    for (const BlueConditionInfo& info : blueConditionTable()) {
        ZhSpecialRow::Setup setup;
        setup.stem = QString::fromUtf8(kStems[info.id - 1]);
        setup.caption = QString::fromUtf8(info.caption);
        switch (info.kind) {
            case BlueKind::Choice:
                setup.kind = ZhSpecialRow::Kind::Choice;
                setup.items = {QString::fromUtf8(info.items[0]), QString::fromUtf8(info.items[1])};
                break;
            case BlueKind::Mean:
                setup.kind = ZhSpecialRow::Kind::Bounds;
                setup.middle = QStringLiteral("<=") + setup.caption + QStringLiteral("<=");
                break;
            default:
                setup.kind = ZhSpecialRow::Kind::Values;
                break;
        }
        setups.push_back(setup);
    }
    pc_lhcond = buildConditionPages("pc_lhcond", setups, conditions().totalTolerance, kToleranceStem,
                                    kBlueToleranceMax, new ZhCustomTab(conditions(), this));
    for (const BlueConditionInfo& info : blueConditionTable()) bindRow(row(info.id), info);
    return pc_lhcond;
}

QWidget* ZhBlueTab::buildSide() {
    auto* side = new QWidget(this);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    const auto button = [side](QPushButton*& b, const char* name, const char* caption) {
        b = new QPushButton(QString::fromUtf8(caption), side);
        b->setObjectName(name);
    };
    button(b_lhgl_filter, "b_lhgl_filter", "开始过滤 ");
    button(b_lhgl_reset, "b_lhgl_reset", "重置");
    button(b_lhgl_savecond, "b_lhgl_savecond", "保存条件");
    button(b_lhgl_loadcond, "b_lhgl_loadcond", "载入条件");
    button(b_lhgl_add, "b_lhgl_add", "添加");
    button(b_lhgl_delete, "b_lhgl_delete", "删除");
    cb_lhgl_add = new QComboBox(side);
    cb_lhgl_add->setObjectName("cb_lhgl_add");
    auto* buttons = new QGridLayout();
    buttons->addWidget(b_lhgl_filter, 0, 0);
    buttons->addWidget(b_lhgl_reset, 0, 1);
    buttons->addWidget(b_lhgl_savecond, 1, 0);
    buttons->addWidget(b_lhgl_loadcond, 1, 1);
    buttons->addWidget(cb_lhgl_add, 2, 0);
    buttons->addWidget(b_lhgl_add, 2, 1);
    column->addLayout(buttons);
    l_lhresult = new QLabel(side);
    l_lhresult->setObjectName("l_lhresult");
    column->addWidget(l_lhresult);
    lb_lhresult = new QListWidget(side);
    lb_lhresult->setObjectName("lb_lhresult");
    lb_lhresult->setFixedWidth(kResultListWidth);
    column->addWidget(lb_lhresult, 1);
    column->addWidget(b_lhgl_delete);

    connect(b_lhgl_filter, &QPushButton::clicked, this, [this] { startFilter(); });
    connect(b_lhgl_reset, &QPushButton::clicked, this, [this] { resetConditions(); });
    connect(b_lhgl_add, &QPushButton::clicked, this, [this] { addNumber(); });
    connect(b_lhgl_delete, &QPushButton::clicked, this, [this] { deleteNumber(); });
    connectFileButtons(b_lhgl_savecond, b_lhgl_loadcond);
    return side;
}

void ZhBlueTab::bindRow(ZhSpecialRow* row, const BlueConditionInfo& info) {
    const int id = info.id;
    bindSwitches(row, id);
    if (row->choiceBox)
        connect(row->choiceBox, &QComboBox::currentIndexChanged, this, [this, id](int index) {
            if (!refreshing_) conditions().condition(id)->choice = index;
        });
    if (row->chooseButton)
        connect(row->chooseButton, &QPushButton::clicked, this, [this, &info] { chooseValues(info); });
    if (row->lowerField) {
        const auto store = [this, id, row] {
            if (refreshing_) return;
            BlueCondition* c = conditions().condition(id);
            c->lower = realFieldValue(row->lowerField->text());
            c->upper = realFieldValue(row->upperField->text());
        };
        connect(row->lowerField, &QLineEdit::textChanged, this, store);
        connect(row->upperField, &QLineEdit::textChanged, this, store);
    }
}

void ZhBlueTab::setConditionEnabled(int id, bool on) { conditions().setEnabled(id, on); }

void ZhBlueTab::setConditionTolerant(int id, bool on) { conditions().condition(id)->tolerant = on; }

void ZhBlueTab::refreshRow(int id) {
    ZhSpecialRow* r = row(id);
    const BlueCondition* c = conditions().condition(id);
    if (!r || !c) return;
    refreshing_ = true;
    r->enableBox->setChecked(c->enabled);
    r->tolerantBox->setChecked(c->tolerant);
    if (r->valueField) r->valueField->setText(QString::fromStdString(valuesFieldText(c->values)));
    if (r->choiceBox) r->choiceBox->setCurrentIndex(c->choice);
    if (r->lowerField) {
        r->lowerField->setText(realFieldText(c->lower));
        r->upperField->setText(realFieldText(c->upper));
    }
    r->applyEnabled(c->enabled);
    refreshing_ = false;
}

void ZhBlueTab::refresh() {
    for (int id = 1; id <= kLastBlueConditionId; ++id) refreshRow(id);
    refreshToleranceRow(conditions().totalTolerance);
    customTab_->refresh();
}

void ZhBlueTab::refreshForType() {
    cb_lhgl_add->clear();
    for (int n = 1; n <= lastSpecialNumber(workspace().params); ++n) cb_lhgl_add->addItem(QString::number(n));
}

void ZhBlueTab::chooseValues(const BlueConditionInfo& info) {
    const ValuePickerRequest request = blueConditionPickerRequest(workspace(), conditions(), info);
    if (request.from > request.to) return;
    const auto values = request.checkList ? listPickerOf(page_).choose(request) : tilePickerOf(page_).choose(request);
    if (!values) return;
    conditions().condition(info.id)->values = *values;
    refreshRow(info.id);
}

void ZhBlueTab::showResults() {
    const SpecialResultSet& results = page_.specialResults();
    lb_lhresult->clear();
    for (const std::string& line : blueResultLines(results)) lb_lhresult->addItem(QString::fromStdString(line));
    l_lhresult->setText(QString::fromStdString(blueResultLabel(results.count())));
}

void ZhBlueTab::startFilter() {
    runFilter([this] { return StartBlueFilter(workspace(), conditions(), page_.specialResults()); });
}

void ZhBlueTab::resetConditions() {
    conditions().reset();
    refresh();
}

void ZhBlueTab::addNumber() {
    const int n = cb_lhgl_add->currentText().toInt();
    if (n < 1) return;
    const int k = page_.specialResults().insertSingle(n);
    showResults();
    lb_lhresult->setCurrentRow(k - 1);
}

void ZhBlueTab::deleteNumber() {
    const std::string message = page_.specialResults().remove(lb_lhresult->currentRow() + 1);
    if (!message.empty()) {
        showMessage(QString::fromStdString(message), this);
        return;
    }
    showResults();
}

}  // namespace qorvel
