// TextViewer: a read-only window of the program that shows a text file (GBK) or help page when the desktop
// has no program to open it, with copy and save-as.
#pragma once

#include <QDialog>
#include <QString>

class QPushButton;
class QTextBrowser;

namespace qorvel {

class TextViewer : public QDialog {
  public:
    // Loads the file; an HTML file (".htm", ".html") is shown as a page, anything else as GBK text.
    TextViewer(const QString& path, QWidget* parent = nullptr);

    QTextBrowser* m_text = nullptr;
    QPushButton* b_copy = nullptr;
    QPushButton* b_saveas = nullptr;
    QPushButton* b_close = nullptr;

  private:
    void saveAs();

    QString path_;
};

// Asks the desktop to open the file; when it cannot, shows the file in a TextViewer (not modal, closed by
// the user). Returns the viewer it opened, or null when the desktop took the file.
TextViewer* openTextDocument(const QString& path, QWidget* parent);

}  // namespace qorvel
