#include "platform/stay_on_top.h"

#include "platform/platform.h"

#include <QAction>
#include <QMenu>

namespace platform {

void offer_stay_on_top(const Platform& platform, std::initializer_list<QAction*> items)
{
    if (platform.canStayOnTop())
        return;
    const QString why = QString::fromLatin1(kNoStayOnTopText);
    for (QAction* item : items) {
        item->setEnabled(false);
        item->setToolTip(why);
        item->setStatusTip(why);
        for (QObject* shown_in : item->associatedObjects())
            if (auto* menu = qobject_cast<QMenu*>(shown_in))
                menu->setToolTipsVisible(true);
    }
}

} // namespace platform
