// Additions: CSS copies and paste, Pick from Screen and the recent colours.
#include "editor/form1.h"

#include "core/copy_text.h"
#include "editor/recent_colors.h"
#include "platform/platform.h"
#include "widgets/css_commands.h"

#include <QAction>
#include <QPushButton>

namespace editor {

void Form1::connect_tools()
{
    const Form1View& v = view_;
    const auto color = [this] { return editing::channels(*this); };
    const auto copy_css = [this](const QString& text) {
        if (editing::copy_css_text(*this, text, view_.Check3.value() == 1, core::CopyKind::MainHex))
            remember_color();
    };
    editing::connect_css_copy_menu(v.copycss, color, copy_css);
    editing::connect_css_copy_menu(v.copycss_right, color, copy_css);
    connect(v.pastecss, &QAction::triggered, this, &Form1::pastecss_Click);
    for (QAction* a : {v.pickscreen, v.pickscreen_right})
        connect(a, &QAction::triggered, this, &Form1::pickscreen_Click);
    connect(v.pickScreen, &QPushButton::clicked, this, &Form1::pickscreen_Click);
    for (QAction* a : v.preset_items())
        connect(a, &QAction::triggered, this, &Form1::remember_color);
    connect(v.newcolor, &QAction::triggered, this, &Form1::remember_color);
    connect(v.recent, &RecentColors::applyRequested, this, [this](const core::Rgb& c) {
        editing::write_channels(*this, c);
        remember_color();
    });
    // A swatch's copy is the hex copy of its colour, with the "#" and alert options.
    connect(v.recent, &RecentColors::copyRequested, this,
        [this](const core::Rgb& c) { copy_hex(core::build_hex_code(c), c); });
    connect(v.recent, &RecentColors::menuRequested, this,
        [this](const QPoint& at) { platform_.popupMenu(view_.recent->menu(), at); });
}

void Form1::pastecss_Click()
{
    if (editing::paste_css_color(*this))
        remember_color();
}

void Form1::pickscreen_Click()
{
    editing::pick_from_screen(*this, [this](const core::Rgb&) { remember_color(); });
}

void Form1::remember_color()
{
    view_.recent->remember(editing::channels(*this));
}

} // namespace editor
