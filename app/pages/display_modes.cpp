#include "app/pages/display_modes.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <array>

namespace qorvel {

namespace {

constexpr std::array<const char*, kDisplayModes> kDisplayModeCaptions = {"球+数字", "球", "方块+数字", "方块"};

}  // namespace

QMenu* addDisplayModeMenu(QMenu* menu, QObject* owner, int initial, std::function<void(int)> chosen) {
    QMenu* modes = menu->addMenu(QString::fromUtf8("显示模式"));
    modes->menuAction()->setObjectName("mi_xsms");
    auto* group = new QActionGroup(owner);
    for (int m = 0; m < kDisplayModes; ++m) {
        QAction* a = modes->addAction(QString::fromUtf8(kDisplayModeCaptions[static_cast<std::size_t>(m)]));
        a->setObjectName("mi_xsms" + QString::number(m));
        a->setCheckable(true);
        a->setChecked(m == initial);
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, owner, [chosen, m] { chosen(m); });
    }
    return modes;
}

}  // namespace qorvel
