#include "app/pages/zh/zh_condition_row.h"

#include <QHBoxLayout>
#include <QIntValidator>

#include <algorithm>
#include <optional>

namespace qorvel {
namespace {
constexpr int kCaptionWidth = 150;
constexpr int kBoundFieldWidth = 60;
constexpr int kChooseButtonWidth = 28;
constexpr const char* kValueHint = "先选中左边的指标,再点击右边的三点按钮即可设置取值";

std::optional<int> boundOf(const QLineEdit* field) {
    const QString text = field->text().trimmed();
    if (text.isEmpty()) return std::nullopt;
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}
}  // namespace

ValueChooser addValueChooser(QWidget* row, QBoxLayout* layout, const QString& stem) {
    ValueChooser c;
    c.field = new QLineEdit(row);
    c.field->setObjectName("e_" + stem);
    c.field->setReadOnly(true);
    c.field->setPlaceholderText(QString::fromUtf8(kValueHint));
    layout->addWidget(c.field, 1);
    c.button = new QPushButton(QStringLiteral("..."), row);
    c.button->setObjectName("b_" + stem);
    c.button->setFixedWidth(kChooseButtonWidth);
    layout->addWidget(c.button);
    return c;
}

std::string conditionStem(const ConditionInfo& info) {
    if (info.id == kStandardDeviationId) return "bzc";
    if (info.id == kVariationCoefficientId) return "lsxs";
    std::string code = info.IndicatorCode;
    if (code.rfind("z_", 0) == 0) code.erase(0, 2);
    return code;
}

ZhConditionRow::ZhConditionRow(const ConditionInfo& info, ConditionSet& conditions, QWidget* parent)
    : QWidget(parent), info_(info), conditions_(conditions) {
    const QString stem = QString::fromStdString(conditionStem(info));
    setObjectName("row_" + stem);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    enableBox = new QCheckBox(QString::fromUtf8(info.caption), this);
    enableBox->setObjectName("cb_" + stem);
    enableBox->setMinimumWidth(kCaptionWidth);
    layout->addWidget(enableBox);
    if (info.isRange()) {
        fromField = new QLineEdit(this);
        fromField->setObjectName("me_" + stem + "from");
        toField = new QLineEdit(this);
        toField->setObjectName("me_" + stem + "to");
        for (QLineEdit* f : {fromField, toField}) {
            f->setValidator(new QIntValidator(f));
            f->setFixedWidth(kBoundFieldWidth);
            connect(f, &QLineEdit::textChanged, this, [this] { storeBounds(); });
        }
        layout->addWidget(fromField);
        layout->addWidget(toField);
        layout->addStretch();
    } else {
        const ValueChooser chooser = addValueChooser(this, layout, stem);
        valueField = chooser.field;
        chooseButton = chooser.button;
        connect(chooseButton, &QPushButton::clicked, this, [this] {
            if (onChoose) onChoose(*this);
        });
    }
    tolerantBox = new QCheckBox(this);
    tolerantBox->setObjectName("cb_" + stem + "rc");
    tolerantBox->setToolTip(QStringLiteral("容错"));
    layout->addWidget(tolerantBox);
    connect(enableBox, &QCheckBox::toggled, this, [this](bool on) {
        if (refreshing_) return;
        conditions_.setEnabled(info_.id, on);
        refresh();
    });
    connect(tolerantBox, &QCheckBox::toggled, this, [this](bool on) {
        if (refreshing_) return;
        if (auto* l = conditions_.list(info_.id)) l->tolerant = on;
        if (auto* r = conditions_.range(info_.id)) r->tolerant = on;
    });
    if (info.hidden) setVisible(false);
    refresh();
}

void ZhConditionRow::applyEnabled(bool on) {
    if (chooseButton) chooseButton->setEnabled(on);
    if (fromField) fromField->setEnabled(on);
    if (toField) toField->setEnabled(on);
    tolerantBox->setEnabled(on);
}

void ZhConditionRow::refresh() {
    refreshing_ = true;
    bool on = false;
    bool tolerant = false;
    if (const auto* r = conditions_.range(info_.id)) {
        on = r->enabled;
        tolerant = r->tolerant;
        fromField->setText(r->from ? QString::number(*r->from) : QString());
        toField->setText(r->to ? QString::number(*r->to) : QString());
    } else if (const auto* l = conditions_.list(info_.id)) {
        on = l->enabled;
        tolerant = l->tolerant;
        valueField->setText(QString::fromStdString(valuesFieldText(l->values)));
    }
    enableBox->setChecked(on);
    tolerantBox->setChecked(tolerant);
    applyEnabled(on);
    refreshing_ = false;
}

void ZhConditionRow::setValues(std::vector<int32_t> values) {
    auto* l = conditions_.list(info_.id);
    if (!l) return;
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    l->values = std::move(values);
    refresh();
}

void ZhConditionRow::storeBounds() {
    if (refreshing_) return;
    if (auto* r = conditions_.range(info_.id)) {
        r->from = boundOf(fromField);
        r->to = boundOf(toField);
    }
}

}  // namespace qorvel
