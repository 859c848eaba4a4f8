#pragma once

#include <initializer_list>

class QAction;

namespace platform {

class Platform;

// Why Stay on top is greyed out where the window system cannot keep a window above the
// others; shown as the items' tooltip and status tip.
inline const char kNoStayOnTopText[]
    = "This desktop does not let programs keep a window on top; its own window menu may offer it.";

// Greys out a window's Stay on top items, unchecked, where the window system cannot keep
// a window on top, and makes their menus show the tooltip that says why.
void offer_stay_on_top(const Platform& platform, std::initializer_list<QAction*> items);

} // namespace platform
