// Shared support for the widget tests: recorders for the message and shell seams, a temporary program
// folder and settings file, a started program, and a way to answer a modal dialog from inside its loop.
#pragma once

#include <QDialog>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "app/program_session.h"
#include "ui/platform.h"

class QAction;

namespace qorvel::testing {

// Records every message box instead of showing it; questions are answered from `answers` in order
// (yes when it runs out).
class MessageRecorder : public MessageSeam {
  public:
    struct Message {
        QString text;
        QString title;
        bool question = false;
    };
    void inform(QWidget* parent, const QString& text, const QString& title) override;
    bool ask(QWidget* parent, const QString& text, const QString& title) override;
    QStringList texts() const;

    QList<Message> messages;
    QList<bool> answers;
};

// Records what the program asks the desktop to open. Only names in `available` open (all when
// `everythingOpens` is set).
class ShellRecorder : public ShellLauncher {
  public:
    bool open(const QString& target) override;

    QStringList requested;
    QStringList opened;
    QSet<QString> available;
    bool everythingOpens = true;
};

// Answers the file dialogs from a queue (an empty answer when it runs out, as a cancel) and records the
// titles and filters they were opened with. Install it with installPlatform.
class FileAnswers : public FileDialogSeam {
  public:
    QString openFile(QWidget*, const QString& title, const QString& filter) override { return answer(title, filter); }
    QString saveFile(QWidget*, const QString& title, const QString& filter) override { return answer(title, filter); }

    QStringList answers;
    QStringList titles;
    QStringList filters;

  private:
    QString answer(const QString& title, const QString& filter) {
        titles << title;
        filters << filter;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

// Installs both recorders for its lifetime.
class RecordingPlatform {
  public:
    RecordingPlatform();
    ~RecordingPlatform();

    MessageRecorder messages;
    ShellRecorder shell;

  private:
    Platform previous_;
};

// A temporary program folder (QORVEL_HOME) and settings file (QORVEL_SETTINGS_FILE) for one test.
class TestHome {
  public:
    TestHome();
    ~TestHome();
    QString path() const { return dir_.path(); }
    // A path below the folder, written with forward slashes ("database/cps.typ").
    QString file(const QString& relative) const { return dir_.filePath(relative); }
    QString settingsFile() const { return dir_.filePath("settings.ini"); }

  private:
    QTemporaryDir dir_;
    QByteArray oldHome_;
    QByteArray oldSettings_;
};

// A running program on a fresh folder. `prepare` may write files into the folder before the start.
struct StartedProgram {
    explicit StartedProgram(const std::function<void(const TestHome&)>& prepare = {}, bool show = true);
    ~StartedProgram();

    TestHome home;
    RecordingPlatform platform;
    std::unique_ptr<ProgramSession> session;
};

// Draws as {issue, numbers...}; written as a draw file of 204-byte records.
using DrawRows = std::vector<std::vector<int>>;
void writeDrawFile(const QString& path, const DrawRows& draws);
// `count` ascending issues from 2020001, numbers 1..7 shifted by the row.
DrawRows sampleDraws(int count);

// A program-folder preparation: `rows` as the history of type 0 and, when given, `savedIndicators` (GBK
// bytes) as the saved-indicator file.
std::function<void(const TestHome&)> withHistory(const DrawRows& rows, const QByteArray& savedIndicators = {});
// The first draws (all by default) of the bundled six-of-33 sample history.
DrawRows sampleHistory(int maxDraws = std::numeric_limits<int>::max());

// The control below `owner` with this object name; a missing one stops the test program, naming it.
template <class T = QWidget>
T* control(QObject* owner, const QString& name) {
    T* w = owner->findChild<T*>(name);
    if (!w) qFatal("missing control %s", qPrintable(name));
    return w;
}

// A mouse click on the named control (its window must be laid out, as a shown window is).
void clickControl(QObject* owner, const QString& name);

// Once a modal dialog runs its loop, calls `handler` with it (from inside the loop). Gives up after a
// few seconds so a test that never opens a dialog cannot hang.
void whenModalShown(const std::function<void(QDialog*)>& handler);

// A main-window menu entry or popup entry by its object name.
QAction* mainAction(const char* name);

// The object names of the visible tabs, left to right.
QStringList visibleTabs();

QByteArray fileBytes(const QString& path);

// While it lives, every history pass looks long at once (each look at the clock is 200 ms later) and Esc
// is pressed on the progress window as soon as it shows; `label` is the window's text when it showed.
class EscapeOnPassProgress {
  public:
    EscapeOnPassProgress();
    ~EscapeOnPassProgress();

    bool shown = false;
    QString label;

  private:
    qint64 fakeNow_ = 0;
    std::unique_ptr<QObject> timer_;
};

// Drops the offscreen platform's notes about window features it lacks (raise, keyboard grabs, size
// hints), which say nothing about the program. Call from initTestCase.
void quietOffscreenWarnings();

}  // namespace qorvel::testing
