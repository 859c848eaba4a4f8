#pragma once

#include <QIcon>
#include <QList>

namespace widgets {

// The program's icon from the files under data/icons, the same ones the desktop's icon
// theme gets. Each file is decoded as it is added, so a caller asks only for the pixel
// sizes it shows; each is taken from the smallest file that covers it, so nothing is
// scaled up and the icon stays sharp at any device pixel ratio.
QIcon app_icon(const QList<int>& pixel_sizes);

} // namespace widgets
