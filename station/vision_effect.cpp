#include "station/vision_effect.h"

#include <QImage>
#include <QPainter>

namespace station {

VisionEffect::VisionEffect(core::Vision v, QObject* parent) : QGraphicsEffect(parent), vision_(v)
{
}

QRgb VisionEffect::simulate(QRgb pixel)
{
    const QRgb opaque = pixel | 0xFF000000u;
    auto it = cache_.constFind(opaque);
    if (it == cache_.constEnd()) {
        const core::Rgb c
            = core::simulate_vision({qRed(pixel), qGreen(pixel), qBlue(pixel)}, vision_);
        if (cache_.size() > 4096)
            cache_.clear();
        it = cache_.insert(opaque, qRgb(c.red, c.green, c.blue));
    }
    return (*it & 0x00FFFFFFu) | (pixel & 0xFF000000u);
}

void VisionEffect::draw(QPainter* painter)
{
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::NoPad);
    if (source.isNull())
        return;
    // Colours without premultiplied alpha: the anti-aliased edges of the text keep their
    // coverage and take the simulated colour.
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        QRgb last_in = 0, last_out = 0;
        bool have_last = false;
        for (int x = 0; x < image.width(); ++x) {
            if (!have_last || line[x] != last_in) {
                last_in = line[x];
                last_out = simulate(last_in);
                have_last = true;
            }
            line[x] = last_out;
        }
    }
    const QTransform saved = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, image);
    painter->setWorldTransform(saved);
}

} // namespace station
