#include "shell/app_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace shell {

namespace {

class DrawnIcon : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(rect.width(), rect.height());
        const QRectF square(rect.x() + (rect.width() - side) / 2.0,
            rect.y() + (rect.height() - side) / 2.0, side, side);
        draw_app_icon(*painter, square);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64),
            QSize(128, 128), QSize(256, 256)};
    }
    QIconEngine* clone() const override { return new DrawnIcon; }
    QString key() const override { return QStringLiteral("PigmentorDrawnIcon"); }
};

} // namespace

void draw_app_icon(QPainter& painter, const QRectF& square)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal size = square.width();
    const qreal r = size * 0.18;
    QPainterPath clip;
    clip.addRoundedRect(square.adjusted(0.5, 0.5, -0.5, -0.5), r, r);
    painter.setClipPath(clip);
    const qreal h = size / 2.0;
    const QPointF o = square.topLeft();
    painter.fillRect(QRectF(o.x(), o.y(), h, h), QColor(0xFF, 0x33, 0x00));
    painter.fillRect(QRectF(o.x() + h, o.y(), h, h), QColor(0xFF, 0xCC, 0x00));
    painter.fillRect(QRectF(o.x(), o.y() + h, h, h), QColor(0x00, 0x99, 0x66));
    painter.fillRect(QRectF(o.x() + h, o.y() + h, h, h), QColor(0x33, 0x66, 0xFF));
    painter.setClipping(false);
    painter.setPen(QPen(QColor(0x33, 0x33, 0x33), qMax(1.0, size / 32.0)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(clip);
    painter.restore();
}

QIcon app_icon()
{
    return QIcon(new DrawnIcon);
}

} // namespace shell
