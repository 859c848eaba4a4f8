#include "shell/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace shell {

QIcon app_icon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal r = size * 0.18;
        QPainterPath clip;
        clip.addRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), r, r);
        painter.setClipPath(clip);
        const qreal h = size / 2.0;
        painter.fillRect(QRectF(0, 0, h, h), QColor(0xFF, 0x33, 0x00));
        painter.fillRect(QRectF(h, 0, h, h), QColor(0xFF, 0xCC, 0x00));
        painter.fillRect(QRectF(0, h, h, h), QColor(0x00, 0x99, 0x66));
        painter.fillRect(QRectF(h, h, h, h), QColor(0x33, 0x66, 0xFF));
        painter.setClipping(false);
        painter.setPen(QPen(QColor(0x33, 0x33, 0x33), qMax(1.0, size / 32.0)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(clip);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace shell
