#include "ui/masked_edit.h"

#include <QEvent>
#include <QLineEdit>
#include <QObject>
#include <QTimer>
#include <QVariant>

namespace qorvel {
namespace {

bool holdsNothing(const QLineEdit* edit) {
    for (const QChar c : edit->text())
        if (c.isLetterOrNumber()) return false;
    return true;
}

class CursorAtBeginning : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        const bool placing = event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::FocusIn;
        // The line edit places the cursor itself while it handles the event; the move waits until after.
        if (edit && placing && !edit->inputMask().isEmpty() && holdsNothing(edit))
            QTimer::singleShot(0, edit, [edit] {
                if (holdsNothing(edit)) edit->setCursorPosition(0);
            });
        return false;
    }
};

}  // namespace

void startTypingAtBeginning(QLineEdit* edit) {
    constexpr const char* kInstalled = "qorvelStartsAtBeginning";
    if (!edit || edit->property(kInstalled).toBool()) return;
    edit->setProperty(kInstalled, true);
    edit->installEventFilter(new CursorAtBeginning(edit));
}

}  // namespace qorvel
