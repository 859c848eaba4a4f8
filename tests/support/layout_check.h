#pragma once

// Checks a shown window as a reader would see it: every visible text fits its widget, no
// two sibling controls overlap, and every text reaches 4.5:1 (3:1 for bold text of 14 pt
// and more) against what it is drawn on.

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace testsupport {

struct LayoutOptions {
    // Widgets that overlap their siblings on purpose (the station's sample) or whose
    // text colour is the user's colour rather than the program's.
    QSet<const QWidget*> exempt;
};

// One line per problem, naming the widget by its objectName; empty when all is well.
QStringList layout_problems(QWidget* window, const LayoutOptions& options = {});

// The desktop conditions a window is checked under: application font size in points
// (0 keeps the default) and a dark or light palette. Restores the previous ones on
// destruction.
class DesktopLook {
public:
    DesktopLook(double point_size, bool dark);
    ~DesktopLook();
    static QPalette dark_palette();

private:
    QFont old_font_;
    QPalette old_palette_;
};

// Each key sequence that more than one action of the window takes, with the actions'
// objectNames ("F2: pastehex and pastecss"), and each access key that two items of one
// menu share ("options: &a: copyalert and channelmodel"); empty when every key is used once.
QStringList shortcuts_taken_twice(const QWidget* window);

} // namespace testsupport
