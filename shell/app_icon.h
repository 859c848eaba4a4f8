#pragma once

#include <QIcon>

class QPainter;
class QRectF;

namespace shell {

// The program's icon, four Safe Palette swatches in a rounded tile. It is drawn at
// whatever size and device pixel ratio it is asked for; this drawing is its one source
// (data/icons holds the same tile, rendered for the desktop's icon theme).
QIcon app_icon();

// Draws the icon's tile into a square.
void draw_app_icon(QPainter& painter, const QRectF& square);

} // namespace shell
