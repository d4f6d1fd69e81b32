#include "app/u_runpic.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

#include "ui/ball_pictures.h"
#include "ui/image_surface.h"

namespace qorvel {

Tf_runpic::Tf_runpic(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("f_runpic");
    setFixedSize(kSplashWidth, kSplashHeight);
}

void Tf_runpic::showNow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Tf_runpic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(18, 46, 102));
    sky.setColorAt(1, QColor(64, 122, 196));
    p.fillRect(rect(), sky);

    // A row of balls from the generated strip, drawn masked over the gradient.
    const int ballSize = 40;
    const int gap = 4;
    const int rowWidth = kBallPictureTiles * ballSize + (kBallPictureTiles - 1) * gap;
    PainterSurface surface(p, width(), height());
    for (int tile = 0; tile < kBallPictureTiles; ++tile)
        DrawBallPicture(surface,
                        fromQRect(QRect((width() - rowWidth) / 2 + tile * (ballSize + gap), 150, ballSize, ballSize)),
                        2, tile);

    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(30);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 40, width(), 60), Qt::AlignCenter, QStringLiteral("Qorvel"));
    QFont sub = font();
    sub.setPointSize(12);
    p.setFont(sub);
    p.drawText(QRect(0, 100, width(), 30), Qt::AlignCenter, QStringLiteral("开奖数据分析与组号"));
    p.setPen(QColor(220, 230, 245));
    p.drawText(QRect(0, 230, width(), 30), Qt::AlignCenter, QStringLiteral("正在启动，请稍候…"));
    p.setPen(QColor(255, 255, 255, 120));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace qorvel
