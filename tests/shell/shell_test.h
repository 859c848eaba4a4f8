#pragma once

#include "../support/layout_check.h"
#include "../support/window_test.h"

#include <QAction>
#include <QApplication>

// A menu item of a window by its name.
inline QAction* item(const QObject* window, const char* name)
{
    return testsupport::find<QAction>(window, name);
}

// Triggers a menu item and returns the top-level window it shows (by objectName and class).
template <class T> T* open_from(const QObject* window, const char* item_name, const char* name)
{
    item(window, item_name)->trigger();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == QLatin1String(name))
            if (auto* t = qobject_cast<T*>(w))
                return t;
    }
    return nullptr;
}
