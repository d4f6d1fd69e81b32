#include "app/dialogs/draw_masks.h"

#include <QLineEdit>
#include <QString>

#include "draws/draw_entry.h"
#include "ui/masked_edit.h"

namespace qorvel {

QString lineEditMask(const std::string& mask) {
    QString text = QString::fromStdString(mask);
    if (text.startsWith('!')) text.remove(0, 1);
    text.replace(QStringLiteral(";1;"), QStringLiteral(";"));
    return text;
}

void applyNumberMask(QLineEdit* editor, int count) {
    // A type without numbers in a zone gets no mask at all rather than an empty one.
    editor->setInputMask(count > 0 ? lineEditMask(numberMask(count)) : QString());
    editor->clear();
    startTypingAtBeginning(editor);
}

void applyIssueMask(QLineEdit* editor) {
    editor->setInputMask(lineEditMask(kIssueMask));
    editor->clear();
    startTypingAtBeginning(editor);
}

}  // namespace qorvel
