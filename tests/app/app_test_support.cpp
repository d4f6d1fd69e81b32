#include "app_test_support.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "app/u_main.h"
#include "draws/t_s_dm.h"
#include "ui/pass_progress.h"

namespace qorvel::testing {

void MessageRecorder::inform(QWidget*, const QString& text, const QString& title) {
    messages.append({text, title, false});
}

bool MessageRecorder::ask(QWidget*, const QString& text, const QString& title) {
    messages.append({text, title, true});
    return answers.isEmpty() ? true : answers.takeFirst();
}

QStringList MessageRecorder::texts() const {
    QStringList list;
    for (const auto& m : messages) list << m.text;
    return list;
}

bool ShellRecorder::open(const QString& target) {
    requested << target;
    if (!everythingOpens && !available.contains(target)) return false;
    opened << target;
    return true;
}

RecordingPlatform::RecordingPlatform() {
    Platform seams;
    seams.messages = &messages;
    seams.shell = &shell;
    previous_ = installPlatform(seams);
}

RecordingPlatform::~RecordingPlatform() {
    installPlatform(previous_);
}

TestHome::TestHome() : oldHome_(qgetenv("QORVEL_HOME")), oldSettings_(qgetenv("QORVEL_SETTINGS_FILE")) {
    qputenv("QORVEL_HOME", dir_.path().toLocal8Bit());
    qputenv("QORVEL_SETTINGS_FILE", settingsFile().toLocal8Bit());
}

TestHome::~TestHome() {
    qputenv("QORVEL_HOME", oldHome_);
    qputenv("QORVEL_SETTINGS_FILE", oldSettings_);
}

StartedProgram::StartedProgram(const std::function<void(const TestHome&)>& prepare, bool show) {
    if (prepare) prepare(home);
    session = std::make_unique<ProgramSession>();
    session->start(show);
}

StartedProgram::~StartedProgram() {
    session.reset();
}

void writeDrawFile(const QString& path, const DrawRows& draws) {
    QByteArray bytes;
    for (const auto& row : draws) {
        for (int f = 0; f < kDrawFields; ++f) {
            const auto v = static_cast<uint32_t>(f < static_cast<int>(row.size()) ? row[f] : 0);
            for (int b = 0; b < 4; ++b) bytes.append(static_cast<char>((v >> (8 * b)) & 0xFF));
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

std::function<void(const TestHome&)> withHistory(const DrawRows& rows, const QByteArray& savedIndicators) {
    return [rows, savedIndicators](const TestHome& home) {
        QDir().mkpath(home.file("database"));
        writeDrawFile(home.file("database/basedata0.rec"), rows);
        if (savedIndicators.isNull()) return;
        QDir().mkpath(home.file("save"));
        QFile file(home.file("save/selfzb.txt"));
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write selfzb.txt");
        file.write(savedIndicators);
    };
}

DrawRows sampleDraws(int count) {
    DrawRows rows;
    for (int r = 0; r < count; ++r) {
        std::vector<int> row{2020001 + r};
        for (int k = 0; k < 6; ++k) row.push_back(1 + (r + 5 * k) % 33);
        std::sort(row.begin() + 1, row.end());
        row.push_back(1 + r % 16);
        rows.push_back(row);
    }
    return rows;
}

DrawRows sampleHistory(int maxDraws) {
    DrawRows rows;
    QFile file(QString(QORVEL_SAMPLE_DIR) + "/ssq.txt");
    if (!file.open(QIODevice::ReadOnly)) qFatal("sample history missing");
    while (!file.atEnd() && static_cast<int>(rows.size()) < maxDraws) {
        const QStringList tokens = QString::fromLatin1(file.readLine()).simplified().split(' ', Qt::SkipEmptyParts);
        if (tokens.size() < 8) continue;
        std::vector<int> row;
        for (const QString& t : tokens.mid(0, 8)) row.push_back(t.toInt());
        rows.push_back(row);
    }
    return rows;
}

void clickControl(QObject* owner, const QString& name) {
    QTest::mouseClick(control(owner, name), Qt::LeftButton);
}

void whenModalShown(const std::function<void(QDialog*)>& handler) {
    auto* timer = new QTimer(qApp);
    auto deadline = std::make_shared<QDeadlineTimer>(5000);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, deadline, handler] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog && !deadline->hasExpired()) return;
        timer->stop();
        timer->deleteLater();
        if (dialog) handler(dialog);
    });
    timer->start(10);
}

QAction* mainAction(const char* name) {
    return f_main->findChild<QAction*>(name);
}

QStringList visibleTabs() {
    QStringList names;
    for (int i = 0; i < f_main->pc_main->count(); ++i)
        if (f_main->pc_main->isTabVisible(i)) names << f_main->pc_main->widget(i)->objectName();
    return names;
}

namespace {

QtMessageHandler g_previousHandler = nullptr;

void filterOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith("This plugin does not support")) return;
    if (g_previousHandler) g_previousHandler(type, context, message);
}

}  // namespace

void quietOffscreenWarnings() {
    g_previousHandler = qInstallMessageHandler(filterOffscreenWarnings);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll();
}

EscapeOnPassProgress::EscapeOnPassProgress() {
    UiPassProgress::setClock([this] { return fakeNow_ += 200; });
    auto* timer = new QTimer;
    timer_.reset(timer);
    QObject::connect(timer, &QTimer::timeout, [this] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QProgressDialog*>(w); d && d->isVisible()) {
                shown = true;
                label = d->labelText();
                QTest::keyClick(d, Qt::Key_Escape);
            }
    });
    timer->start(0);
}

EscapeOnPassProgress::~EscapeOnPassProgress() { UiPassProgress::setClock({}); }

}  // namespace qorvel::testing
