// The popups of the filter page's result sets: each is a table of entries, top to bottom, run on the
// object that owns the popup, and opens on a right click on the rows of its list or grid.
#pragma once

#include <QAbstractItemView>
#include <QAction>
#include <QMenu>
#include <functional>
#include <span>

namespace qorvel {

// One entry; an entry without a run is a separator.
template <class Owner>
struct PopupEntry {
    const char* name;
    const char* caption;
    void (Owner::*run)();
};

// Adds the entries to the menu. A chosen entry does nothing while `blocked` says so (a filter run is
// using the results and the draw store).
template <class Owner>
void addPopupEntries(QMenu* menu, Owner* owner, std::span<const PopupEntry<Owner>> entries,
                     std::function<bool()> blocked) {
    for (const PopupEntry<Owner>& e : entries) {
        if (e.run == nullptr) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(e.caption));
        action->setObjectName(e.name);
        const auto run = e.run;
        QObject::connect(action, &QAction::triggered, owner, [owner, run, blocked] {
            if (!blocked()) (owner->*run)();
        });
    }
}

// Single-row selection on the view, and `open` called with the global position of a right click on it.
inline void popupOnRightClick(QAbstractItemView* view, QObject* context,
                              const std::function<void(const QPoint&)>& open) {
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, context,
                     [view, open](const QPoint& pos) { open(view->viewport()->mapToGlobal(pos)); });
}

}  // namespace qorvel
