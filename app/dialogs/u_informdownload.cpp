#include "app/dialogs/u_informdownload.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/app_state.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr int kNoticeWidth = 260;          // the popup's width; the height follows the text
constexpr int kLifetimeCheckMs = 500;      // how often the timer looks at the popup's age
constexpr int kCaptionMargin = 6;          // room between the button's edge and its wrapped text

qint64 monotonicMs() {
    static QElapsedTimer timer;
    if (!timer.isValid()) timer.start();
    return timer.elapsed();
}

// The screen size recorded at start; the primary screen's when the program has not recorded one.
QSize screenSize() {
    const AppState& state = appState();
    if (state.screenWidth > 0 && state.screenHeight > 0) return {state.screenWidth, state.screenHeight};
    if (const QScreen* screen = QGuiApplication::primaryScreen()) return screen->geometry().size();
    return {};
}

}  // namespace

Tf_informdownload::Tf_informdownload(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), clock_(monotonicMs) {
    setObjectName("f_informdownload");
    b_inform = new QPushButton(this);
    b_inform->setObjectName("b_inform");
    // A push button cannot wrap its caption, so a word-wrapped label that lets clicks through carries it.
    // Both are placed by hand: a layout would impose minimum sizes on the window that the size rule does not.
    text_ = new QLabel(b_inform);
    text_->setObjectName("l_inform");
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignCenter);
    text_->setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(kNoticeWidth, 100);

    closeTimer = new QTimer(this);
    closeTimer->setObjectName("closeTimer");
    closeTimer->setInterval(kLifetimeCheckMs);
    connect(closeTimer, &QTimer::timeout, this, &Tf_informdownload::checkLifetime);
    connect(b_inform, &QPushButton::clicked, this, &Tf_informdownload::openDownloads);
}

void Tf_informdownload::showNotice() {
    shownAt_ = clock_();
    notice_ = noticeForPopup(&settingsStore(), notice_);
    const QString text = fromUtf8(notice_.text);
    text_->setText(text);

    // The button fills the window, so its width is the window's; the height leaves room for the wrapped
    // lines of the text plus four more.
    const QFontMetrics metrics(b_inform->font());
    const int height = noticeClientHeight(metrics.horizontalAdvance(text), width(), metrics.height());
    resize(width(), height);
    const QSize screen = screenSize();
    move(screen.width() - width(), screen.height() - height - kNoticeBottomGap);
    show();
    closeTimer->start();
}

void Tf_informdownload::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    b_inform->setGeometry(rect());
    text_->setGeometry(b_inform->rect().adjusted(kCaptionMargin, kCaptionMargin, -kCaptionMargin, -kCaptionMargin));
}

void Tf_informdownload::checkLifetime() {
    if (clock_() - shownAt_ <= kNoticeLifetimeMs) return;
    closeTimer->stop();
    close();
}

void Tf_informdownload::openDownloads() {
    closeTimer->stop();
    close();
    ShellLauncher* shell = platform().shell;
    if (shell == nullptr) return;
    for (const std::string& address : downloadAddresses(notice_.downloadList)) shell->open(fromUtf8(address));
}

}  // namespace qorvel
