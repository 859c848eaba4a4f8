#pragma once

#include "../support/layout_check.h"
#include "../support/window_test.h"

#include <QAction>
#include <QApplication>

// Triggers a menu item and returns the visible top-level window of class T that it shows.
template <class T> T* open_from(QAction* item)
{
    item->trigger();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible())
            return t;
    }
    return nullptr;
}
