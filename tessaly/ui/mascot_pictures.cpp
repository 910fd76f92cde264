#include "mascot_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace tessaly {

QPixmap mascotPicture(MascotPose pose, int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // Body and belly.
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(30, 60, 110));
    p.drawEllipse(QRectF(18, 14, 28, 44));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(24, 26, 16, 28));
    // Eye.
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(32, 19, 7, 7));
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(35, 21, 3, 3));
    // Beak, open when calling.
    p.setBrush(QColor(250, 170, 20));
    QPainterPath beak;
    beak.moveTo(44, 24);
    beak.lineTo(58, pose == MascotPose::Calling ? 20 : 26);
    beak.lineTo(44, 28);
    if (pose == MascotPose::Calling) {
        beak.lineTo(58, 33);
        beak.lineTo(44, 30);
    }
    p.drawPath(beak);
    // Flipper: raised, lowered or folded.
    p.setBrush(QColor(20, 45, 90));
    QPainterPath wing;
    switch (pose) {
    case MascotPose::WingUp:
        wing.moveTo(20, 30);
        wing.lineTo(6, 12);
        wing.lineTo(18, 38);
        break;
    case MascotPose::WingDown:
        wing.moveTo(20, 30);
        wing.lineTo(6, 50);
        wing.lineTo(19, 42);
        break;
    default:
        wing.moveTo(20, 30);
        wing.lineTo(16, 48);
        wing.lineTo(22, 44);
        break;
    }
    p.drawPath(wing);
    // Feet.
    p.setBrush(QColor(250, 170, 20));
    p.drawEllipse(QRectF(22, 56, 9, 5));
    p.drawEllipse(QRectF(34, 56, 9, 5));
    return picture;
}

} // namespace tessaly
