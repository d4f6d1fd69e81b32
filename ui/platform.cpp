#include "ui/platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringList>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace qorvel {
namespace {

class BoxMessages : public MessageSeam {
public:
    void inform(QWidget* parent, const QString& text, const QString& title) override {
        QMessageBox::information(parent, title, text);
    }
    bool ask(QWidget* parent, const QString& text, const QString& title) override {
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
};

class DesktopFileDialogs : public FileDialogSeam {
public:
    QString openFile(QWidget* parent, const QString& title, const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, title, QString(), filter);
    }
    QString saveFile(QWidget* parent, const QString& title, const QString& filter) override {
        return QFileDialog::getSaveFileName(parent, title, QString(), filter);
    }
    QString openFileIn(QWidget* parent, const QString& title, const QString& filter, const QString& folder) override {
        return QFileDialog::getOpenFileName(parent, title, folder, filter);
    }
    QString saveFileIn(QWidget* parent, const QString& title, const QString& filter, const QString& folder) override {
        return QFileDialog::getSaveFileName(parent, title, folder, filter);
    }
};

class DesktopShell : public ShellLauncher {
public:
    bool open(const QString& target) override {
        // Programs are started by name when the desktop has them; documents and addresses go to the
        // desktop's handler.
        QFileInfo info(target);
        const bool looksLikeProgram = !target.contains('/') && !target.contains(':') && info.suffix().isEmpty();
        if (looksLikeProgram) {
            const QString program = QStandardPaths::findExecutable(target);
            if (program.isEmpty()) return false;
            return QProcess::startDetached(program, {});
        }
        QUrl url = target.contains("://") ? QUrl(target) : QUrl::fromLocalFile(info.absoluteFilePath());
        return QDesktopServices::openUrl(url);
    }
};

class NetworkHttp : public HttpClient {
public:
    std::optional<QByteArray> get(const QString& url, int timeoutMs) override {
        QUrl address(url);
        if (!address.isValid() || address.scheme().isEmpty()) return std::nullopt;
        QNetworkAccessManager manager;
        QNetworkRequest request(address);
        request.setTransferTimeout(timeoutMs);
        QNetworkReply* reply = manager.get(request);
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, reply, &QNetworkReply::abort);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        timer.start(timeoutMs);
        // A reply that failed at once has finished before the loop could hear it.
        if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
        std::optional<QByteArray> body;
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->isFinished() && reply->error() == QNetworkReply::NoError && (status == 0 || status / 100 == 2))
            body = reply->readAll();
        delete reply;
        return body;
    }
};

Platform& current() {
    static BoxMessages messages;
    static DesktopFileDialogs files;
    static DesktopShell shell;
    static NetworkHttp http;
    static Platform p{&messages, &files, &shell, &http};
    return p;
}

}  // namespace

Platform& platform() { return current(); }

Platform installPlatform(const Platform& seams) {
    Platform previous = current();
    if (seams.messages) current().messages = seams.messages;
    if (seams.files) current().files = seams.files;
    if (seams.shell) current().shell = seams.shell;
    if (seams.http) current().http = seams.http;
    return previous;
}

void showMessage(const QString& text, QWidget* parent, const QString& title) {
    platform().messages->inform(parent, text, title.isEmpty() ? QStringLiteral("Qorvel") : title);
}

bool askYesNo(const QString& text, const QString& title, QWidget* parent) {
    return platform().messages->ask(parent, text, title);
}

QString invalidNumberMessage(const QString& text) {
    return QStringLiteral("'%1' 不是有效的整数").arg(text);
}

QString fileDialogFilter(const char* pairs) {
    const QStringList parts = QString::fromUtf8(pairs).split('|');
    QStringList descriptions;
    for (qsizetype i = 0; i < parts.size(); i += 2) descriptions << parts[i];
    return descriptions.join(QStringLiteral(";;"));
}

bool installChineseQtTranslation() {
    static QTranslator* translator = nullptr;
    if (translator) return true;
    auto* loaded = new QTranslator(QCoreApplication::instance());
    if (!loaded->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete loaded;
        return false;
    }
    QCoreApplication::installTranslator(loaded);
    translator = loaded;
    return true;
}

}  // namespace qorvel
