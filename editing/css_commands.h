#pragma once

// The CSS and screen-pick commands both editing windows share: a "Copy as CSS"
// submenu, pasting a CSS colour, and picking a colour off the screen. Each sets the
// colour through the window's ChannelEditor, red first.

#include "core/color.h"
#include "core/copy_text.h"
#include "editing/editing.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenu;
class QMimeData;
class QWidget;

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
    QAction* hwb = nullptr; // hwb(36 0% 0%)
    QAction* lab = nullptr; // lab(73 33.4 78)
    QAction* lch = nullptr; // lch(73 84.5 66.7)
    QAction* oklab = nullptr; // oklab(0.772 0.075 0.16)
    QAction* oklch = nullptr; // oklch(0.772 0.174 65)
    QAction* display_p3 = nullptr; // color(display-p3 0.945 0.62 0.2)
    QAction* name = nullptr; // orange
    QAction* property = nullptr; // --color: #ff9900;

    // Rewrites captions and enabled states for a colour.
    void update(const core::Rgb& c) const;
    // Every item, in menu order.
    std::vector<QAction*> items() const;
};

// Adds a submenu of CSS copies ("Copy as CSS" in the main window) to a menu. Its items
// are named by the given base ("css" gives csshex, cssshorthex, cssrgb, csshsl, csshwb,
// csslab, csslch, cssoklab, cssoklch, cssdisplayp3, cssname, cssproperty, and the menu
// copycss) followed by the suffix ("_right" for the right-click twins).
CssCopyMenu add_css_copy_menu(
    QMenu* parent, const QString& caption, const QString& base, const QString& suffix);

// Gives the submenu its behaviour: the items are refreshed for the colour each time it
// opens, and a chosen item calls back with its text.
void connect_css_copy_menu(const CssCopyMenu& m, std::function<core::Rgb()> color,
    std::function<void(const QString&)> copy);

// A CSS colour taken in: the colour written, and for a translucent one the line that says
// what it was flattened onto ("rgba(0 0 0 / 0.5) flattened onto white"), else empty.
struct CssApplied {
    core::Rgb rgb;
    QString note;
};

inline constexpr core::Rgb kWhite {255, 255, 255};

// Reads a CSS text (pasted, dropped or given on the command line; at most a small bound
// of it) and sets the window's colour, a translucent one flattened onto the backdrop. A
// refusal shows its message and changes nothing.
std::optional<CssApplied> apply_css_text(
    EditingWindow& w, const QString& text, const core::Rgb& backdrop = kWhite);

// "rgba(0 0 0 / 0.5) flattened onto white"; a backdrop other than white is named by its
// code ("... onto the background #336699").
QString flattened_note(const QString& text, const core::Rgb& backdrop);

// The CSS text a drop carries: colour data (application/x-color, text/x-color) as an
// rgb() text, or plain text; nothing for anything else.
std::optional<QString> dropped_css_text(const QMimeData* mime);

// Makes a window take colours and text dropped on it, each handed to `dropped`. Boxes
// that take text themselves keep taking it.
void accept_color_drops(QWidget* window, std::function<void(const QString&)> dropped);

// Starts a screen pick; the picked colour is set as the window's and then goes to
// picked. A cancel changes nothing; where the desktop cannot pick, a box says so.
// Nothing happens if the window is gone by the time the pick ends.
void pick_from_screen(EditingWindow& w, std::function<void(const core::Rgb&)> picked = {});

// The main window's information line: the nearest CSS name ("orange", or
// "≈ darkorange (ΔE 2.3)" with its CIEDE2000 distance when not exact) and the hsl() form.
QString css_info_text(const core::Rgb& c);

} // namespace editing
