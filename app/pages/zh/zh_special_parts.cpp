#include "app/pages/zh/zh_special_parts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_state.h"
#include "app/pages/u_zh.h"
#include "app/pages/zh/zh_condition_row.h"
#include "app/pages/zh/zh_custom_tab.h"
#include "combos/combo_filter.h"
#include "text/number_text.h"
#include "ui/platform.h"

namespace qorvel {
namespace {
constexpr int kCaptionWidth = 110;
constexpr int kBoundFieldWidth = 60;
}  // namespace

ZhSpecialRow::ZhSpecialRow(const Setup& setup, QWidget* parent) : QWidget(parent) {
    const QString& stem = setup.stem;
    setObjectName("row_" + stem);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    enableBox = new QCheckBox(setup.caption, this);
    enableBox->setObjectName("cb_" + stem);
    enableBox->setMinimumWidth(kCaptionWidth);
    layout->addWidget(enableBox);
    switch (setup.kind) {
    case Kind::Values: {
        const ValueChooser chooser = addValueChooser(this, layout, stem);
        valueField = chooser.field;
        chooseButton = chooser.button;
        break;
    }
    case Kind::Choice:
        choiceBox = new QComboBox(this);
        choiceBox->setObjectName("combo_" + stem);
        choiceBox->addItems(setup.items);
        layout->addWidget(choiceBox);
        layout->addStretch();
        break;
    case Kind::Bounds:
        lowerField = new QLineEdit(this);
        lowerField->setObjectName("me_" + stem + "from");
        upperField = new QLineEdit(this);
        upperField->setObjectName("me_" + stem + "to");
        for (QLineEdit* f : {lowerField, upperField}) {
            f->setValidator(new QDoubleValidator(f));
            f->setFixedWidth(kBoundFieldWidth);
        }
        layout->addWidget(lowerField);
        layout->addWidget(new QLabel(setup.middle, this));
        layout->addWidget(upperField);
        layout->addStretch();
        break;
    case Kind::Tolerance:
        fromBox = new QComboBox(this);
        fromBox->setObjectName("combo_" + stem + "from");
        toBox = new QComboBox(this);
        toBox->setObjectName("combo_" + stem + "to");
        for (int v = 0; v <= setup.toleranceMax; ++v) {
            fromBox->addItem(QString::number(v));
            toBox->addItem(QString::number(v));
        }
        layout->addWidget(fromBox);
        layout->addWidget(new QLabel(QStringLiteral("至"), this));
        layout->addWidget(toBox);
        layout->addStretch();
        break;
    }
    if (setup.kind != Kind::Tolerance) {
        tolerantBox = new QCheckBox(QStringLiteral("容错"), this);
        tolerantBox->setObjectName("cb_" + stem + "rc");
        layout->addWidget(tolerantBox);
    }
    connect(enableBox, &QCheckBox::toggled, this, [this](bool on) { applyEnabled(on); });
    applyEnabled(false);
}

void ZhSpecialRow::applyEnabled(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{chooseButton, choiceBox, lowerField, upperField, fromBox, toBox,
                                                      tolerantBox})
        if (w) w->setEnabled(on);
}

ZhSpecialFilterTab::ZhSpecialFilterTab(Tf_zh& page, SpecialFileKind kind, QWidget* parent)
    : QWidget(parent), page_(page), kind_(kind) {}

QTabWidget* ZhSpecialFilterTab::buildConditionPages(const char* objectName,
                                                    const std::vector<ZhSpecialRow::Setup>& setups,
                                                    TotalTolerance& tolerance, const char* toleranceStem,
                                                    int toleranceMax, ZhCustomTab* customTab) {
    auto* pages = new QTabWidget(this);
    pages->setObjectName(objectName);
    auto* scroll = new QScrollArea(pages);
    auto* inner = new QWidget(scroll);
    auto* column = new QVBoxLayout(inner);
    column->setSpacing(1);
    for (const ZhSpecialRow::Setup& setup : setups) {
        rows_.push_back(new ZhSpecialRow(setup, inner));
        column->addWidget(rows_.back());
    }
    ZhSpecialRow::Setup toleranceSetup;
    toleranceSetup.kind = ZhSpecialRow::Kind::Tolerance;
    toleranceSetup.stem = QString::fromUtf8(toleranceStem);
    toleranceSetup.caption = QStringLiteral("总容错");
    toleranceSetup.toleranceMax = toleranceMax;
    auto* toleranceRow = new ZhSpecialRow(toleranceSetup, inner);
    connect(toleranceRow->enableBox, &QCheckBox::toggled, this, [this, &tolerance](bool on) {
        if (!refreshing_) tolerance.enabled = on;
    });
    connect(toleranceRow->fromBox, &QComboBox::currentIndexChanged, this, [this, &tolerance](int i) {
        if (!refreshing_) tolerance.from = i;
    });
    connect(toleranceRow->toBox, &QComboBox::currentIndexChanged, this, [this, &tolerance](int i) {
        if (!refreshing_) tolerance.to = i;
    });
    column->addWidget(toleranceRow);
    rows_.push_back(toleranceRow);
    column->addStretch();
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    pages->addTab(scroll, QStringLiteral("常规条件"));
    customTab_ = customTab;
    pages->addTab(customTab_, QStringLiteral("自定义指标"));
    return pages;
}

void ZhSpecialFilterTab::refreshToleranceRow(const TotalTolerance& tolerance) {
    ZhSpecialRow* row = rows_.back();
    refreshing_ = true;
    row->enableBox->setChecked(tolerance.enabled);
    row->fromBox->setCurrentIndex(tolerance.from);
    row->toBox->setCurrentIndex(tolerance.to);
    row->applyEnabled(tolerance.enabled);
    refreshing_ = false;
}

void ZhSpecialFilterTab::bindSwitches(ZhSpecialRow* row, int id) {
    connect(row->enableBox, &QCheckBox::toggled, this, [this, id](bool on) {
        if (refreshing_) return;
        setConditionEnabled(id, on);
        refreshRow(id);
    });
    connect(row->tolerantBox, &QCheckBox::toggled, this, [this, id](bool on) {
        if (!refreshing_) setConditionTolerant(id, on);
    });
}

ZhSpecialRow* ZhSpecialFilterTab::row(int id) const {
    if (id < 1 || id > static_cast<int>(rows_.size())) return nullptr;
    return rows_[static_cast<std::size_t>(id - 1)];
}

void ZhSpecialFilterTab::runFilter(const std::function<SpecialRunOutcome()>& run) {
    if (page_.running()) return;
    const SpecialRunOutcome outcome = run();
    showResults();
    if (outcome.refused) showMessage(QString::fromStdString(outcome.message), this);
}

void ZhSpecialFilterTab::connectFileButtons(QPushButton* save, QPushButton* load) {
    connect(save, &QPushButton::clicked, this, [this] {
        if (auto path = chooseSpecialConditionFile(this, kind_, true)) saveConditionsTo(*path);
    });
    connect(load, &QPushButton::clicked, this, [this] {
        if (auto path = chooseSpecialConditionFile(this, kind_, false)) loadConditionsFrom(*path);
    });
}

void ZhSpecialFilterTab::saveConditionsTo(const std::filesystem::path& path) {
    const std::string error = SaveSpecialConditions(page_.specialConditions(), kind_, path, workspace().params);
    if (!error.empty()) showMessage(QString::fromStdString(error), this);
}

void ZhSpecialFilterTab::loadConditionsFrom(const std::filesystem::path& path) {
    const ConditionLoad load = LoadSpecialConditions(page_.specialConditions(), kind_, path, workspace().params);
    refresh();
    const std::string message = ComboFilter::loadMessage(load, path);
    if (!message.empty()) showMessage(QString::fromStdString(message), this);
}

std::optional<std::filesystem::path> chooseSpecialConditionFile(QWidget* parent, SpecialFileKind kind, bool save) {
    const QString label = fromUtf8(workspace().SpecialLabel());
    const QString extension = QString::fromUtf8(specialFileExtension(kind));
    const QString filter = label + QStringLiteral("过滤条件格式文件(*") + extension + QStringLiteral(")");
    const QString folder = programFile("save\\");
    const QString chosen =
        save ? platform().files->saveFileIn(parent, QStringLiteral("保存") + label + QStringLiteral("过滤条件"), filter,
                                            folder)
             : platform().files->openFileIn(parent, QStringLiteral("打开") + label + QStringLiteral("过滤条件存储文件"),
                                            filter, folder);
    if (chosen.isEmpty()) return std::nullopt;
    return std::filesystem::path(chosen.toStdString());
}

std::string specialNumbersText(const std::array<bool, kMaxSpecialNumber + 1>& flags, int first, int last) {
    std::string text;
    for (int n = std::max(first, 0); n <= std::min(last, kMaxSpecialNumber); ++n)
        if (flags[static_cast<std::size_t>(n)]) text += TwoDigitText(n) + "  ";
    return text;
}

std::optional<double> realFieldValue(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    bool ok = false;
    const double v = trimmed.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

QString realFieldText(const std::optional<double>& value) { return value ? QString::number(*value) : QString(); }

}  // namespace qorvel
