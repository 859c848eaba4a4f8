#pragma once

// Draws a widget as people with a colour-vision deficiency see it. Only the drawing
// changes: the widget's own colours (fill, text colour) stay the true ones.

#include "core/vision.h"

#include <QGraphicsEffect>
#include <QHash>

namespace station {

class VisionEffect : public QGraphicsEffect {
public:
    VisionEffect(core::Vision v, QObject* parent = nullptr);
    core::Vision vision() const { return vision_; }

protected:
    void draw(QPainter* painter) override;

private:
    QRgb simulate(QRgb pixel);

    core::Vision vision_;
    QHash<QRgb, QRgb> cache_; // a sample has few colours; edges of text add a few more
};

} // namespace station
