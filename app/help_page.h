// The program's help: an HTML page "database/help.htm" below the program folder, written by the program
// whenever it is missing, and the menu entry that opens it.
#pragma once

#include <QString>

class QWidget;

namespace qorvel {

// "database/help.htm" below the program folder.
QString helpFilePath();

// Writes the help page when it is missing. Returns an error text, empty on success.
QString ensureHelpPage();

// The help menu entry: opens the help page through the desktop shell, or says "帮助文件丢失" when it is
// missing; then opens "help.htm" of the current folder when one exists there (no message otherwise).
void openHelp(QWidget* parent);

}  // namespace qorvel
