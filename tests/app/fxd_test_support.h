// Shared set-up of the trend analysis page's widget tests: the bundled 双色球 sample as a history, a
// started program on it with the main window at 1024 x 768, and screenshots on request
// (QORVEL_GRAB_DIR=/some/folder saves each sub-page there as a PNG; unset, nothing is written).
#pragma once

#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "app/pages/u_fxd.h"
#include "app/u_main.h"
#include "app_test_support.h"

namespace qorvel::testing::fxd {

inline DrawRows ssqSample() {
    DrawRows rows;
    QFile file(QString(QORVEL_SAMPLE_DIR) + "/ssq.txt");
    if (!file.open(QIODevice::ReadOnly)) qFatal("sample history missing");
    while (!file.atEnd()) {
        const QStringList tokens = QString::fromLatin1(file.readLine()).simplified().split(' ', Qt::SkipEmptyParts);
        if (tokens.size() < 8) continue;
        std::vector<int> row;
        for (const QString& t : tokens.mid(0, 8)) row.push_back(t.toInt());
        rows.push_back(row);
    }
    return rows;
}

using testing::withHistory;

inline std::unique_ptr<StartedProgram> startOn(const DrawRows& rows, const QByteArray& saved = {}) {
    auto program = std::make_unique<StartedProgram>(withHistory(rows, saved));
    // The main window opens maximized on the (small) offscreen screen; the tests look at it at 1024 x 768.
    f_main->setWindowState(Qt::WindowNoState);
    f_main->resize(1024, 768);
    QTest::qWait(20);
    // The offscreen screen is smaller than the program asks for; that notice is not under test here.
    program->platform.messages.messages.clear();
    return program;
}

// Shows the sub-page `name` of pc_fxd and returns it.
inline QWidget* showSubPage(const char* name) {
    QWidget* page = control<QWidget>(f_fxd, name);
    f_fxd->pc_fxd->setCurrentWidget(page);
    QTest::qWait(10);
    return page;
}

inline void grabIfAsked(QWidget* widget, const QString& name) {
    const QByteArray dir = qgetenv("QORVEL_GRAB_DIR");
    if (dir.isEmpty()) return;
    QWidget* window = widget->window();
    window->resize(1024, 768);
    QTest::qWait(20);
    window->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

}  // namespace qorvel::testing::fxd
