#include "app/u_showpic.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QScreen>

namespace qorvel {
namespace {

constexpr int kTextPadding = 30;
constexpr int kNoticeHeight = 44;

}  // namespace

Tf_showpic::Tf_showpic(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("f_showpic");
    setStyleSheet("#f_showpic { background: #fff8dc; border: 1px solid #8a7a4a; }");
    setAttribute(Qt::WA_StyledBackground);
    l_showpic = new QLabel(this);
    l_showpic->setObjectName("l_showpic");
    l_showpic->setAlignment(Qt::AlignCenter);
    resize(200, kNoticeHeight);
}

void Tf_showpic::showText(const QString& text) {
    l_showpic->setText(text);
    const int labelWidth = QFontMetrics(l_showpic->font()).horizontalAdvance(text) + kTextPadding;
    l_showpic->setGeometry(kTextPadding / 2, 0, labelWidth, kNoticeHeight);
    resize(labelWidth + kTextPadding, kNoticeHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    raise();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace qorvel
