#include "ui/drawing_host.h"

#include <QBuffer>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QWheelEvent>

#include "text/file_io.h"
#include "ui/image_surface.h"
#include "ui/platform.h"

namespace qorvel {
namespace {

constexpr int kWheelNotch = 120;  // angle delta of one wheel notch
const QList<qreal> kCrosshairDots{2, 2};

}  // namespace

DrawingHost::DrawingHost(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void DrawingHost::setRenderer(Renderer renderer) {
    renderer_ = std::move(renderer);
    redraw();
}

void DrawingHost::setHitTest(HitTest hitTest) {
    hitTest_ = std::move(hitTest);
}

QAction* DrawingHost::addSavePictureAction(QMenu* menu) {
    if (!menu) return nullptr;
    for (QAction* action : menu->actions())
        if (action->objectName() == QLatin1String("mi_savepicture")) return action;
    if (!menu->actions().isEmpty()) menu->addSeparator();
    QAction* action = menu->addAction(QString::fromUtf8(kSavePictureCaption));
    action->setObjectName("mi_savepicture");
    connect(action, &QAction::triggered, this, &DrawingHost::savePictureAs);
    return action;
}

void DrawingHost::setPopupMenu(QMenu* menu) {
    popup_ = menu;
    addSavePictureAction(menu);
}

void DrawingHost::setCrosshairEnabled(bool on) {
    crosshairOn_ = on;
    if (!on) crosshairVisible_ = false;
    update();
}

void DrawingHost::redraw() {
    dirty_ = true;
    crosshairVisible_ = false;
    update();
}

void DrawingHost::render() {
    const qreal ratio = devicePixelRatioF();
    ImageSurface surface(width(), height(), ratio, std::move(picture_));
    if (renderer_) renderer_(surface, width(), height());
    picture_ = surface.image();
    dirty_ = false;
    ++renders_;
}

const QImage& DrawingHost::picture() {
    const QSize pixels = size() * devicePixelRatioF();
    if (dirty_ || picture_.size() != pixels) render();
    return picture_;
}

void DrawingHost::paintEvent(QPaintEvent*) {
    const QImage& image = picture();
    QPainter p(this);
    p.drawImage(QPoint(0, 0), image);
    if (!crosshairOn_ || !crosshairVisible_) return;
    // The crosshair is an overlay over the unchanged picture, so moving it never needs a redraw of the
    // chart itself.
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    pen.setDashPattern(kCrosshairDots);
    p.setPen(pen);
    p.drawLine(QPointF(0, crosshair_.y() + 0.5), QPointF(width(), crosshair_.y() + 0.5));
    p.drawLine(QPointF(crosshair_.x() + 0.5, 0), QPointF(crosshair_.x() + 0.5, height()));
}

void DrawingHost::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    redraw();
}

GridCellPos DrawingHost::cellAt(QPoint pos) const {
    return hitTest_ ? hitTest_(Point{pos.x(), pos.y()}) : GridCellPos{};
}

void DrawingHost::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const GridCellPos cell = cellAt(pos);
    Q_EMIT clicked(cell.col, cell.row, pos, event->button());
    if (event->button() == Qt::RightButton && popup_) popup_->popup(event->globalPosition().toPoint());
}

void DrawingHost::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const GridCellPos cell = cellAt(pos);
    Q_EMIT doubleClicked(cell.col, cell.row, pos);
}

void DrawingHost::mouseMoveEvent(QMouseEvent* event) {
    if (!crosshairOn_) return;
    crosshair_ = event->position().toPoint();
    crosshairVisible_ = true;
    update();
}

void DrawingHost::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!crosshairVisible_) return;
    crosshairVisible_ = false;
    update();
}

void DrawingHost::wheelEvent(QWheelEvent* event) {
    // Fine-grained wheels deliver parts of a notch; they add up to whole steps.
    wheelRemainder_ -= event->angleDelta().y();
    const int steps = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= steps * kWheelNotch;
    if (steps != 0) Q_EMIT wheelStepped(steps);
    event->accept();
}

QString DrawingHost::savePicture(const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture().save(&buffer, "PNG")) return QString::fromUtf8(kSavePictureFailed) + path;
    const std::string error = writeFileAtomically(path.toStdString(), std::string_view(bytes.constData(), bytes.size()));
    return error.empty() ? QString() : QString::fromUtf8(kSavePictureFailed) + path;
}

void DrawingHost::savePictureAs() {
    QString path = platform().files->saveFile(this, QString::fromUtf8(kSavePictureTitle),
                                              fileDialogFilter(kSavePictureFilter));
    if (path.isEmpty()) return;
    if (!path.contains(QLatin1String(".png"), Qt::CaseInsensitive)) path += QLatin1String(".png");
    if (const QString error = savePicture(path); !error.isEmpty()) showMessage(error, this);
}

}  // namespace qorvel
