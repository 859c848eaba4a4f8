#pragma once

// The CSS and screen-pick commands both editing windows share: a "Copy as CSS"
// submenu, pasting a CSS colour, and picking a colour off the screen. Each sets the
// colour only through the window's three scroll bars, red first.

#include "core/color.h"
#include "core/copy_text.h"
#include "widgets/editing.h"

#include <QString>

#include <functional>
#include <optional>

class QAction;
class QMenu;

namespace editing {

// The items of one "Copy as CSS" submenu. Their captions show the texts they copy for
// the colour of the moment; the three-digit and name items are disabled when the
// colour has no such form.
struct CssCopyMenu {
    QMenu* menu = nullptr;
    QAction* hex = nullptr; // #ff9900
    QAction* short_hex = nullptr; // #f90
    QAction* rgb = nullptr; // rgb(255, 153, 0)
    QAction* hsl = nullptr; // hsl(36, 100%, 50%)
    QAction* oklch = nullptr; // oklch(0.772 0.174 64.552)
    QAction* name = nullptr; // orange

    // Rewrites captions and enabled states for a colour.
    void update(const core::Rgb& c) const;
};

// Adds a submenu of CSS copies ("Copy as CSS" in the main window) to a menu. Its items
// are named by the given base ("css" gives csshex, cssshorthex, cssrgb, csshsl,
// cssoklch, cssname, and the menu copycss) followed by the suffix ("_right" for the
// right-click twins).
CssCopyMenu add_css_copy_menu(
    QMenu* parent, const QString& caption, const QString& base, const QString& suffix);

// Gives the submenu its behaviour: the items are refreshed for the colour each time it
// opens, and a chosen item calls back with its text.
void connect_css_copy_menu(const CssCopyMenu& m, std::function<core::Rgb()> color,
    std::function<void(const QString&)> copy);

// Puts a CSS text on the clipboard and confirms it with the window's hex-copy alert
// when asked; false when the clipboard would not take it.
bool copy_css_text(EditingWindow& w, const QString& text, bool alert, core::CopyKind kind);

// Reads the clipboard (at most a small bound of it) as a CSS colour and writes it
// through the scroll bars; a refusal shows its message and changes nothing.
std::optional<core::Rgb> paste_css_color(EditingWindow& w);

// Starts a screen pick; the picked colour goes through the scroll bars and then to
// picked. A cancel changes nothing; where the desktop cannot pick, a box says so.
// Nothing happens if the window is gone by the time the pick ends.
void pick_from_screen(EditingWindow& w, std::function<void(const core::Rgb&)> picked = {});

// The main window's information line: the nearest CSS name ("orange", or
// "≈ darkorange" when not exact) and the hsl() form.
QString css_info_text(const core::Rgb& c);

} // namespace editing
