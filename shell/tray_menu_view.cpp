#include "shell/tray_menu_view.h"

#include <QAction>

namespace shell {

TrayMenuView build_tray_menu_view()
{
    TrayMenuView v;
    v.newmenu = std::make_unique<QMenu>(QStringLiteral("new"));
    QMenu& menu = *v.newmenu;
    menu.setObjectName(QStringLiteral("newmenu"));
    v.minimize = menu.addAction(QStringLiteral("Minimize"));
    v.minimize->setObjectName(QStringLiteral("minimize"));
    v.minimize->setEnabled(false);
    v.restore = menu.addAction(QStringLiteral("Restore"));
    v.restore->setObjectName(QStringLiteral("restore"));
    v.none8 = menu.addSeparator();
    v.none8->setObjectName(QStringLiteral("none8"));
    v.helo = menu.addAction(QStringLiteral("Exit"));
    v.helo->setObjectName(QStringLiteral("helo"));
    QFont bold = v.helo->font();
    bold.setBold(true);
    v.helo->setFont(bold);
    menu.setDefaultAction(v.helo);
    return v;
}

} // namespace shell
