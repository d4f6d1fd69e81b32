// Shared support for the banker and kill page tests: a started program over a small history with the
// page open, file dialogs answered from a queue, and the page's controls by name.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/app_state.h"
#include "app/pages/tdsh/tdsh_sub_page.h"
#include "app/pages/u_tdsh.h"
#include "app/u_main.h"
#include "app_test_support.h"
#include "text/gbk.h"

namespace qorvel::testing {

constexpr int kTdshHistoryDraws = 30;

class TdshFiles : public FileDialogSeam {
  public:
    QString openFile(QWidget*, const QString& t, const QString& f) override { return answer(t, f, QString()); }
    QString saveFile(QWidget*, const QString& t, const QString& f) override { return answer(t, f, QString()); }
    QString openFileIn(QWidget*, const QString& t, const QString& f, const QString& folder) override {
        return answer(t, f, folder);
    }
    QString saveFileIn(QWidget*, const QString& t, const QString& f, const QString& folder) override {
        return answer(t, f, folder);
    }
    QStringList answers, titles, filters, folders;

  private:
    QString answer(const QString& t, const QString& f, const QString& folder) {
        titles << t;
        filters << f;
        folders << folder;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

struct TdshFixture {
    explicit TdshFixture(const DrawRows& draws = sampleDraws(kTdshHistoryDraws))
        : program([draws](const TestHome& home) {
              QDir().mkpath(home.file("database"));
              writeDrawFile(home.file("database/basedata0.rec"), draws);
          }) {
        previous = installPlatform({nullptr, &files, nullptr, nullptr});
        f_main->openPage(PageId::tdsh);
        program.platform.messages.messages.clear();
    }
    ~TdshFixture() { installPlatform(previous); }

    TdshSubPage* sub(KillPage page) const { return f_tdsh->subPage(page); }
    QStringList messages() const { return program.platform.messages.texts(); }
    void clearMessages() { program.platform.messages.messages.clear(); }
    QString file(const QString& relative) const { return program.home.file(relative); }
    // The GBK lines of a file as UTF-8 texts.
    QStringList lines(const QString& relative) const {
        const QByteArray bytes = fileBytes(file(relative));
        QStringList out;
        for (const QByteArray& line : bytes.split('\n'))
            if (!line.isEmpty()) out << QString::fromStdString(gbkToUtf8(line.chopped(line.endsWith('\r') ? 1 : 0).toStdString()));
        return out;
    }

    StartedProgram program;
    TdshFiles files;
    Platform previous;
};

template <class T = QWidget>
T* named(QObject* parent, const QString& name) {
    return control<T>(parent, name);
}

inline void press(QObject* parent, const QString& name) {
    QTest::mouseClick(control<QPushButton>(parent, name), Qt::LeftButton);
}

inline void choose(QObject* parent, const QString& name, const QString& item) {
    auto* combo = control<QComboBox>(parent, name);
    const int index = combo->findText(item);
    if (index < 0) qFatal("no item %s in %s", qPrintable(item), qPrintable(name));
    combo->setCurrentIndex(index);
}

// Once the modal dialog named `name` runs its loop, calls handler with it (waits for that very dialog, so
// it can be armed from inside another modal dialog).
inline void whenDialogShown(const QString& name, const std::function<void(QDialog*)>& handler) {
    auto* timer = new QTimer(qApp);
    auto deadline = std::make_shared<QDeadlineTimer>(5000);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, deadline, handler, name] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const bool found = dialog && dialog->objectName() == name;
        if (!found && !deadline->hasExpired()) return;
        timer->stop();
        timer->deleteLater();
        if (found) handler(dialog);
    });
    timer->start(10);
}

}  // namespace qorvel::testing
