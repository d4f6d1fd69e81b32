#include "app/pages/u_set.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/app_state.h"
#include "views/settings_listings.h"

namespace qorvel {
namespace {

QPlainTextEdit* listingMemo(QWidget* parent, const char* name) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(11);
    memo->setFont(font);
    return memo;
}

QString joinLines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const auto& line : lines) list << fromUtf8(line);
    return list.join('\n');
}

}  // namespace

Tf_set::Tf_set(QWidget* parent) : QWidget(parent) {
    setObjectName("f_set");
    pc_set = new QTabWidget(this);
    pc_set->setObjectName("pc_set");

    ts_fqsm = new QWidget(pc_set);
    ts_fqsm->setObjectName("ts_fqsm");
    m_fqsm = listingMemo(ts_fqsm, "m_fqsm");
    b_sx = new QPushButton(QStringLiteral("刷新"), ts_fqsm);
    b_sx->setObjectName("b_sx");
    connect(b_sx, &QPushButton::clicked, this, &Tf_set::refreshZoneListing);
    auto* zoneButtons = new QHBoxLayout;
    zoneButtons->addWidget(b_sx);
    zoneButtons->addStretch();
    auto* zoneLayout = new QVBoxLayout(ts_fqsm);
    zoneLayout->addWidget(m_fqsm);
    zoneLayout->addLayout(zoneButtons);
    pc_set->addTab(ts_fqsm, QStringLiteral("分区说明"));

    TabSheet1 = new QWidget(pc_set);
    TabSheet1->setObjectName("TabSheet1");
    m_xtsm = listingMemo(TabSheet1, "m_xtsm");
    auto* patternLayout = new QVBoxLayout(TabSheet1);
    patternLayout->addWidget(m_xtsm);
    pc_set->addTab(TabSheet1, QStringLiteral("形态取值说明"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pc_set);
    connect(pc_set, &QTabWidget::currentChanged, this, &Tf_set::onSheetChanged);
}

void Tf_set::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (pc_set->currentWidget() == ts_fqsm)
        refreshZoneListing();  // selecting the sheet it is already on would not rebuild it
    else
        pc_set->setCurrentWidget(ts_fqsm);
}

void Tf_set::onSheetChanged(int index) {
    if (pc_set->widget(index) == ts_fqsm)
        refreshZoneListing();
    else if (pc_set->widget(index) == TabSheet1)
        refreshPatternListing();
}

void Tf_set::refreshZoneListing() {
    m_fqsm->setPlainText(joinLines(zoneDivisionListing(workspace().zones)));
}

void Tf_set::refreshPatternListing() {
    m_xtsm->setPlainText(joinLines(patternValueListing()));
}

}  // namespace qorvel
