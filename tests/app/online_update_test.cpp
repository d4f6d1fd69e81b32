// The online update end to end: documents served over HTTP by a server on 127.0.0.1 that the test runs
// itself, fetched by the program's real HTTP client at start and from the button, and the notice popup.
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>
#include <optional>

#include "app/app_state.h"
#include "app/dialogs/u_informdownload.h"
#include "app/pages/online_update.h"
#include "app/u_main.h"
#include "app/u_showpic.h"
#include "app_test_support.h"
#include "draws/t_s_dm.h"
#include "text/gbk.h"
#include "text/number_text.h"
#include "ui/platform.h"

using namespace qorvel;
using namespace qorvel::testing;

namespace {

// Answers GET requests on 127.0.0.1 with one fixed response. A silent server accepts the connection and
// never answers.
class DocumentServer : public QObject {
  public:
    explicit DocumentServer(QByteArray body, int status = 200, bool silent = false)
        : body_(std::move(body)), status_(status), silent_(silent) {
        if (!server_.listen(QHostAddress::LocalHost, 0)) qFatal("cannot listen on 127.0.0.1");
        connect(&server_, &QTcpServer::newConnection, this, &DocumentServer::accept);
    }

    QString url() const { return QString("http://127.0.0.1:%1/ssq.txt").arg(server_.serverPort()); }
    int requests() const { return requests_; }

  private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void answer(QTcpSocket* socket) {
        QByteArray& request = pending_[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n") || silent_) return;
        ++requests_;
        QByteArray response = "HTTP/1.1 " + QByteArray::number(status_) + (status_ == 200 ? " OK" : " Not Found");
        response += "\r\nContent-Type: text/plain; charset=gbk\r\nContent-Length: " +
                    QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_;
        socket->write(response);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QByteArray body_;
    int status_;
    bool silent_;
    int requests_ = 0;
    QHash<QTcpSocket*, QByteArray> pending_;
};

// A port on 127.0.0.1 on which nothing listens any more.
QString closedServerUrl() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QString("http://127.0.0.1:%1/ssq.txt").arg(port);
}

QByteArray gbk(const std::string& utf8) { return QByteArray::fromStdString(utf8ToGbk(utf8)); }

// Draw line n of a document: key, seven-digit issue, seven two-digit numbers.
std::string drawLine(int n, const std::vector<int>& draw) {
    std::string line = std::to_string(10000000 + n).substr(1) + ":" + std::to_string(draw[0]);
    for (std::size_t i = 1; i < draw.size(); ++i) line += TwoDigitText(draw[i]);
    return line + "\r\n";
}

std::string sections(const std::string& openPages, const std::string& notice, const std::string& downloads) {
    return "打开网页:" + openPages + ":打开网页\r\n启动时更新:是:启动时更新\r\n20提示:" + notice +
           ":20提示\r\n公共提示:祝您好运！:公共提示\r\n20下载地址:" + downloads + ":20下载地址\r\n";
}

std::vector<std::vector<int>> storedDraws(const TestHome& home) {
    std::vector<std::vector<int>> draws;
    const QByteArray bytes = fileBytes(home.file("database/basedata0.rec"));
    for (const DrawFields& f : parseDrawRecords(std::string_view(bytes.constData(), bytes.size())))
        draws.push_back(std::vector<int>(f.begin(), f.begin() + 8));
    return draws;
}

QString settingText(const TestHome& home, const char* name) {
    QSettings settings(home.settingsFile(), QSettings::IniFormat);
    return settings.value(QString("software/qorvelsettings/") + name).toString();
}

// A history of ten draws and the settings value naming the update document.
std::function<void(const TestHome&)> tenDrawsFrom(const QString& url) {
    return [url](const TestHome& home) {
        QDir().mkpath(home.file("database"));
        writeDrawFile(home.file("database/basedata0.rec"), sampleDraws(10));
        QSettings settings(home.settingsFile(), QSettings::IniFormat);
        settings.setValue("software/qorvelsettings/updateurl0", url);
    };
}

// The messages of a run, without the start-up note about the offscreen screen being narrower than 1024.
QStringList messages(const StartedProgram& program) {
    QStringList texts = program.platform.messages.texts();
    texts.removeAll(QStringLiteral("请将分辨率调至1024*768以上，否则某些页面不能完全显示"));
    return texts;
}

QString popupText() { return f_informdownload->findChild<QLabel*>("l_inform")->text(); }

}  // namespace

class OnlineUpdateTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { quietOffscreenWarnings(); }
    void startUpAddsTheMissingDraws();
    void startUpFailuresChangeNothing_data();
    void startUpFailuresChangeNothing();
    void malformedSectionsAreEmpty();
    void buttonRunAddsDrawsAndHidesTheWaitNotice();
    void exitOpensTheDownloadsOnlyWhenAsked_data();
    void exitOpensTheDownloadsOnlyWhenAsked();
    void httpClientAgainstALocalServer_data();
    void httpClientAgainstALocalServer();
    void popupHeightFollowsTheText_data();
    void popupHeightFollowsTheText();
    void popupClosesItselfAfterEightSeconds();
    void popupClickOpensTheDownloadAddresses();
};

void OnlineUpdateTest::startUpAddsTheMissingDraws() {
    const auto history = sampleDraws(10);
    // Line 1 is the history's 3rd draw, so lines 1 to 8 stand for draws the history holds and are skipped
    // by count: the unknown issue on line 5 is never looked at. Lines 9 and 10 are new. Held draws keep
    // the history's numbers even where the document's differ.
    std::string document = sections("否", "新数据已到。", "http://127.0.0.1/a.zip$");
    for (int n = 1; n <= 8; ++n) {
        std::vector<int> line = history[static_cast<std::size_t>(n + 1)];
        line.resize(8);
        line[1] = 30;  // different numbers than the history holds (still ascending below 31)
        if (n == 5) line[0] = 2020099;
        document += drawLine(n, line);
    }
    const std::vector<int> added1{2020011, 2, 9, 14, 20, 27, 33, 5};
    const std::vector<int> added2{2020012, 1, 3, 5, 7, 9, 11, 16};
    document += drawLine(9, added1) + drawLine(10, added2);

    DocumentServer server(gbk(document));
    StartedProgram program(tenDrawsFrom(server.url()));
    QCOMPARE(server.requests(), 1);

    std::vector<std::vector<int>> expected;
    for (auto draw : history) {
        draw.resize(8);
        expected.push_back(draw);
    }
    expected.push_back(added1);
    expected.push_back(added2);
    QCOMPARE(storedDraws(program.home), expected);
    QCOMPARE(workspace().MainStore.Count(), 12);
    QCOMPARE(settingText(program.home, "inform"), QString("新数据已到。祝您好运！"));
    QCOMPARE(settingText(program.home, "readieonrun"), QString("是"));
    QCOMPARE(settingText(program.home, "downloadie"), QString("http://127.0.0.1/a.zip$"));
    QVERIFY(f_informdownload->isVisible());
    QCOMPARE(popupText(), QString("新数据已到。祝您好运！"));
    QVERIFY(!f_showpic->isVisible());
    QCOMPARE(messages(program), QStringList());
}

void OnlineUpdateTest::startUpFailuresChangeNothing_data() {
    QTest::addColumn<QString>("failure");
    QTest::newRow("server down") << "down";
    QTest::newRow("not found") << "404";
    QTest::newRow("empty body") << "empty";
    QTest::newRow("no address") << "none";
}

void OnlineUpdateTest::startUpFailuresChangeNothing() {
    QFETCH(QString, failure);
    const std::string document = sections("是", "不该出现", "http://127.0.0.1/a.zip$") +
                                 drawLine(1, {2020011, 1, 2, 3, 4, 5, 6, 7});
    std::optional<DocumentServer> server;
    QString url;
    if (failure == "down") {
        url = closedServerUrl();
    } else if (failure != "none") {
        server.emplace(failure == "empty" ? QByteArray() : gbk(document), failure == "404" ? 404 : 200);
        url = server->url();
    }
    QByteArray before;
    {
        StartedProgram program(tenDrawsFrom(url));
        before = fileBytes(program.home.file("database/basedata0.rec"));
        QCOMPARE(workspace().MainStore.Count(), 10);
        QCOMPARE(messages(program), QStringList());
        QCOMPARE(settingText(program.home, "inform"), QString());
        // The popup still greets the user; nothing asks for pages to be opened at exit.
        QVERIFY(f_informdownload->isVisible());
        QCOMPARE(popupText(), QString("欢迎使用。"));
        f_main->close();
        QCOMPARE(program.platform.shell.requested, QStringList());
        QCOMPARE(fileBytes(program.home.file("database/basedata0.rec")), before);
    }
    if (server) QCOMPARE(server->requests(), failure == "none" ? 0 : 1);
}

void OnlineUpdateTest::malformedSectionsAreEmpty() {
    // The version notice lacks its closing tag and the download list its opening one.
    const std::string document = "20提示:没有结尾\r\n公共提示::公共提示\r\nhttp://x$:20下载地址\r\n" +
                                 drawLine(1, {2020011, 1, 2, 3, 4, 5, 6, 7});
    DocumentServer server(gbk(document));
    StartedProgram program(tenDrawsFrom(server.url()));
    QCOMPARE(settingText(program.home, "inform"), QString());
    QCOMPARE(settingText(program.home, "downloadie"), QString());
    QCOMPARE(popupText(), QString("欢迎使用。"));
    QCOMPARE(workspace().MainStore.Count(), 11);
}

void OnlineUpdateTest::buttonRunAddsDrawsAndHidesTheWaitNotice() {
    StartedProgram program(tenDrawsFrom(QString()));
    f_informdownload->close();
    QCOMPARE(runOnlineUpdateFromButton(), 0);  // no address yet: ends at once, no popup
    QVERIFY(!f_informdownload->isVisible());

    DocumentServer server(gbk(sections("否", "按钮更新", "") + drawLine(1, {2020011, 4, 8, 15, 16, 23, 32, 2})));
    settingsStore().writeText("updateurl0", toUtf8(server.url()));
    // The wait notice is up while the request runs.
    bool noticeShown = false;
    QString noticeText;
    QTimer::singleShot(0, [&] {
        noticeShown = f_showpic->isVisible();
        noticeText = f_showpic->l_showpic->text();
    });
    QCOMPARE(runOnlineUpdateFromButton(), 1);
    QVERIFY(noticeShown);
    QCOMPARE(noticeText, QString("在线更新中，请稍候."));
    QVERIFY(!f_showpic->isVisible());
    QVERIFY(f_informdownload->isVisible());
    QCOMPARE(popupText(), QString("按钮更新祝您好运！"));
    QCOMPARE(storedDraws(program.home).back(), (std::vector<int>{2020011, 4, 8, 15, 16, 23, 32, 2}));
    QCOMPARE(runOnlineUpdateFromButton(), 0);  // the same document again adds nothing
    QCOMPARE(storedDraws(program.home).size(), std::size_t{11});
    QCOMPARE(messages(program), QStringList());
}

void OnlineUpdateTest::exitOpensTheDownloadsOnlyWhenAsked_data() {
    QTest::addColumn<QString>("openPages");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("asked") << "是" << QStringList{"http://127.0.0.1/a.zip", "http://127.0.0.1/b.zip"};
    QTest::newRow("not asked") << "否" << QStringList();
}

void OnlineUpdateTest::exitOpensTheDownloadsOnlyWhenAsked() {
    QFETCH(QString, openPages);
    QFETCH(QStringList, opened);
    DocumentServer server(gbk(sections(toUtf8(openPages), "", "http://127.0.0.1/a.zip$http://127.0.0.1/b.zip$tail")));
    StartedProgram program(tenDrawsFrom(server.url()));
    QCOMPARE(program.platform.shell.requested, QStringList());
    f_main->close();
    QCOMPARE(program.platform.shell.requested, opened);
}

void OnlineUpdateTest::httpClientAgainstALocalServer_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("answered");
    QTest::newRow("document") << "ok" << true;
    QTest::newRow("not found") << "404" << false;
    QTest::newRow("server down") << "down" << false;
    QTest::newRow("silent server times out") << "silent" << false;
    QTest::newRow("not an address") << "bad" << false;
}

void OnlineUpdateTest::httpClientAgainstALocalServer() {
    QFETCH(QString, kind);
    QFETCH(bool, answered);
    const QByteArray body = gbk("公共提示:你好:公共提示");
    std::optional<DocumentServer> server;
    QString url = kind == "down" ? closedServerUrl() : QString("not a url");
    if (kind == "ok" || kind == "404" || kind == "silent") {
        server.emplace(body, kind == "404" ? 404 : 200, kind == "silent");
        url = server->url();
    }
    constexpr int kShortTimeoutMs = 400;
    QElapsedTimer clock;
    clock.start();
    const std::optional<QByteArray> got = platform().http->get(url, kShortTimeoutMs);
    QVERIFY(clock.elapsed() < 3000);  // the timeout holds even when the server never answers
    QCOMPARE(got.has_value(), answered);
    if (answered) QCOMPARE(*got, body);
}

void OnlineUpdateTest::popupHeightFollowsTheText_data() {
    QTest::addColumn<int>("textWidths");  // how many button widths the text spans, in tenths
    QTest::addColumn<int>("lines");
    QTest::newRow("exactly the button's width") << 10 << 5;
    QTest::newRow("half the width") << 5 << 4;
    QTest::newRow("two and a half widths") << 25 << 6;
}

void OnlineUpdateTest::popupHeightFollowsTheText() {
    QFETCH(int, textWidths);
    QFETCH(int, lines);
    StartedProgram program({}, false);
    const QString text = QStringLiteral("本期开奖数据已经更新，请注意查看新的开奖号码与下载地址。");
    settingsStore().writeInt("newbbh", 21);  // the stored notice replaces the last update's
    settingsStore().writeText("inform", toUtf8(text));
    const QFontMetrics metrics(f_informdownload->b_inform->font());
    const int textWidth = metrics.horizontalAdvance(text);
    f_informdownload->resize(textWidth * 10 / textWidths, 50);
    f_informdownload->showNotice();

    QCOMPARE(popupText(), text);
    QCOMPARE(f_informdownload->b_inform->width(), f_informdownload->width());
    QCOMPARE(f_informdownload->height(), lines * metrics.height());
    const AppState& state = appState();
    QCOMPARE(f_informdownload->x(), state.screenWidth - f_informdownload->width());
    QCOMPARE(f_informdownload->y(), state.screenHeight - f_informdownload->height() - 30);
}

void OnlineUpdateTest::popupClosesItselfAfterEightSeconds() {
    StartedProgram program({}, false);
    qint64 now = 1000;
    f_informdownload->setClock([&now] { return now; });
    f_informdownload->showNotice();
    QVERIFY(f_informdownload->isVisible());
    QVERIFY(f_informdownload->closeTimer->isActive());
    now += 8000;
    f_informdownload->checkLifetime();
    QVERIFY(f_informdownload->isVisible());  // exactly eight seconds is not yet "more than"
    now += 1;
    // The running timer notices within its next tick.
    QTRY_VERIFY_WITH_TIMEOUT(!f_informdownload->isVisible(), 2000);
    QVERIFY(!f_informdownload->closeTimer->isActive());
    QCOMPARE(program.platform.shell.requested, QStringList());
}

void OnlineUpdateTest::popupClickOpensTheDownloadAddresses() {
    StartedProgram program({}, false);
    f_informdownload->setNotice({"新版本", " http://127.0.0.1/a.zip $$http://127.0.0.1/b.zip$after last", false});
    f_informdownload->showNotice();
    QTest::mouseClick(f_informdownload->b_inform, Qt::LeftButton);
    QVERIFY(!f_informdownload->isVisible());
    QCOMPARE(program.platform.shell.requested, (QStringList{"http://127.0.0.1/a.zip", "http://127.0.0.1/b.zip"}));
    QCOMPARE(messages(program), QStringList());
}

QTEST_MAIN(OnlineUpdateTest)
#include "online_update_test.moc"
