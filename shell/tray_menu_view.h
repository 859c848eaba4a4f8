#pragma once

// The tray icon's menu and its items, held by their names. Behaviour lives in WindowModes.

#include <QMenu>

#include <memory>

class QAction;

namespace shell {

struct TrayMenuView {
    std::unique_ptr<QMenu> newmenu;
    QAction* minimize = nullptr;
    QAction* restore = nullptr;
    QAction* none8 = nullptr; // the separator
    QAction* helo = nullptr; // "Exit", the default item
};

TrayMenuView build_tray_menu_view();

} // namespace shell
