#include "app/dialogs/zbpxz/zone_viewer_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <variant>

#include "app/app_state.h"
#include "core/views/dissection_export.h"
#include "core/views/dissection_property.h"
#include "ui/platform.h"

namespace qorvel {

namespace {

constexpr int kBoundWidth = 80;
constexpr int kMemoWidth = 760;
constexpr int kMemoHeight = 360;

}  // namespace

ZoneViewerDialog::ZoneViewerDialog(int32_t from, int32_t to, QWidget* parent) : QDialog(parent) {
    setObjectName("f_fqfw");
    setWindowTitle(QStringLiteral("取值范围及分区"));
    e_from = new QLineEdit(QString::number(from), this);
    e_from->setObjectName("e_from");
    e_to = new QLineEdit(QString::number(to), this);
    e_to->setObjectName("e_to");
    for (QLineEdit* e : {e_from, e_to}) e->setFixedWidth(kBoundWidth);
    b_apply = new QPushButton(QStringLiteral("应用"), this);
    b_apply->setObjectName("b_apply");
    rb_common = new QRadioButton(QStringLiteral("显示常用分区"), this);
    rb_common->setObjectName("rb_common");
    rb_common->setChecked(true);
    rb_given = new QRadioButton(QStringLiteral("显示指定分区"), this);
    rb_given->setObjectName("rb_given");
    cb_zones = new QComboBox(this);
    cb_zones->setObjectName("cb_zones");
    for (int k = kMinViewerZones; k <= kMaxViewerZones; ++k) cb_zones->addItem(QString::number(k));
    cb_zones->setCurrentIndex(kDefaultViewerZones - kMinViewerZones);
    m_zones = new QPlainTextEdit(this);
    m_zones->setObjectName("m_zones");
    m_zones->setReadOnly(true);
    m_zones->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_zones->setMinimumSize(kMemoWidth, kMemoHeight);
    b_close = new QPushButton(QStringLiteral("关闭"), this);
    b_close->setObjectName("b_close");

    auto* range = new QHBoxLayout;
    range->addWidget(e_from);
    range->addWidget(new QLabel(QStringLiteral("<=指标取值范围<="), this));
    range->addWidget(e_to);
    range->addWidget(b_apply);
    range->addStretch(1);
    auto* choice = new QHBoxLayout;
    choice->addWidget(rb_common);
    choice->addSpacing(16);
    choice->addWidget(rb_given);
    choice->addWidget(cb_zones);
    choice->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(b_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addLayout(choice);
    layout->addWidget(m_zones, 1);
    layout->addLayout(buttons);

    connect(b_apply, &QPushButton::clicked, this, [this] { apply(); });
    connect(b_close, &QPushButton::clicked, this, &QDialog::accept);
    apply();
}

void ZoneViewerDialog::apply() {
    const auto bounds = parseExportBounds(toUtf8(e_from->text().trimmed()), toUtf8(e_to->text().trimmed()));
    if (const auto* error = std::get_if<std::string>(&bounds)) {
        showMessage(fromUtf8(*error), this);
        return;
    }
    const SeriesRange range = std::get<SeriesRange>(bounds);
    const std::vector<std::string> lines =
        zoneViewerLines(range.min, range.max, rb_common->isChecked(), cb_zones->currentText().toInt());
    QStringList text;
    for (const std::string& line : lines) text << fromUtf8(line);
    m_zones->setPlainText(text.join('\n'));
}

}  // namespace qorvel
