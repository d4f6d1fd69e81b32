// The platform layer the pages use: message boxes, file dialogs, the desktop shell and HTTP. Each is a
// small interface; the program installs the real ones and tests install recorders, so no real modal box
// or outside process is ever started by a test.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace qorvel {

class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    // An information box with one OK button.
    virtual void inform(QWidget* parent, const QString& text, const QString& title) = 0;
    // A yes/no question; true for yes.
    virtual bool ask(QWidget* parent, const QString& text, const QString& title) = 0;
};

class FileDialogSeam {
public:
    virtual ~FileDialogSeam() = default;
    // The chosen file, or an empty string when the user cancels.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& filter) = 0;
    // The same, starting in `folder`; seams that do not care about the folder need not override these.
    virtual QString openFileIn(QWidget* parent, const QString& title, const QString& filter, const QString& folder) {
        (void)folder;
        return openFile(parent, title, filter);
    }
    virtual QString saveFileIn(QWidget* parent, const QString& title, const QString& filter, const QString& folder) {
        (void)folder;
        return saveFile(parent, title, filter);
    }
};

class ShellLauncher {
public:
    virtual ~ShellLauncher() = default;
    // Opens a document, program or web address with the desktop; false when nothing could open it.
    virtual bool open(const QString& target) = 0;
};

class HttpClient {
public:
    virtual ~HttpClient() = default;
    // The body of a GET, or nothing on any failure (including the timeout).
    virtual std::optional<QByteArray> get(const QString& url, int timeoutMs) = 0;
};

struct Platform {
    MessageSeam* messages = nullptr;
    FileDialogSeam* files = nullptr;
    ShellLauncher* shell = nullptr;
    HttpClient* http = nullptr;
};

// The process-wide platform; real implementations unless a test installed others.
Platform& platform();
// Replaces the seams (null members keep the current ones); returns the previous set.
Platform installPlatform(const Platform& seams);

// Shorthands for the one message seam. The default title is the program's.
void showMessage(const QString& text, QWidget* parent = nullptr, const QString& title = QString());
bool askYesNo(const QString& text, const QString& title, QWidget* parent = nullptr);

// Loads Qt's own Chinese translation, so the standard buttons of boxes and dialogs read 确定, 取消, 是 and
// 否. False when the translation is not installed (the buttons then keep their English texts).
bool installChineseQtTranslation();

// The message for a box that should hold a whole number and does not.
QString invalidNumberMessage(const QString& text);

// A filter written as "description|pattern|description|pattern" in the form the file dialogs take
// ("description;;description"; each description already names its pattern in brackets).
QString fileDialogFilter(const char* pairs);

}  // namespace qorvel
