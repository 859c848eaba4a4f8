// Additions: CSS copies and paste, Pick from Screen and the recent colours.
#include "editor/main_window.h"

#include "core/copy_text.h"
#include "editor/recent_colors.h"
#include "palette/palette_window.h"
#include "platform/platform.h"
#include "editing/css_commands.h"

#include <QAction>
#include <QPushButton>

namespace editor {

void Form1::connect_tools()
{
    const Form1View& v = view_;
    const auto color = [this] { return channels_->color(); };
    const auto copy_css = [this](const QString& text) {
        editing::copy_text(*this, text.toStdString(), view_.Check3.value() == 1,
            core::CopyKind::MainHex, [this] { remember_color(); });
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
        channels_->setColor(c);
        remember_color();
    });
    // A swatch's copy is the hex copy of its colour, with the "#" and alert options.
    connect(v.recent, &RecentColors::copyRequested, this,
        [this](const core::Rgb& c) { copy_hex(core::build_hex_code(c), c); });
    connect(v.recent, &RecentColors::menuRequested, this,
        [this](const QPoint& at) { platform_.popupMenu(view_.recent->menu(), at); });
    editing::accept_color_drops(this, [this](const QString& text) { apply_css_text(text); });
    connect(v.palette, &QAction::triggered, this, &Form1::show_palette);
    connect(v.addtopalette, &QAction::triggered, this,
        [this] { show_palette()->add_color(channels_->color()); });
}

palette::PaletteWindow* Form1::show_palette()
{
    if (!palette_) {
        palette::Hooks hooks;
        hooks.main_color = [this] { return channels_->color(); };
        hooks.station_color = [this](int t) {
            return widgets::to_rgb(station_to_send_to()->target_color(station::Target(t)));
        };
        hooks.apply_to_main = [this](const core::Rgb& c) {
            channels_->setColor(c);
            remember_color();
        };
        hooks.send_to_station = [this](int t, const core::Rgb& c) {
            station_to_send_to()->set_target_color(station::Target(t), c);
        };
        hooks.open_pair = [this](const core::Rgb& text, const core::Rgb& background) {
            station_to_send_to()->set_pair(text, background);
        };
        hooks.follow_pair = [this](const core::Rgb& text, const core::Rgb& background) {
            if (station_ && station_->isVisible())
                station_->set_pair(text, background);
        };
        palette_ = new palette::PaletteWindow(platform_, folder_.folder(), std::move(hooks));
    }
    palette_->show();
    palette_->raise();
    palette_->activateWindow();
    return palette_;
}

void Form1::pastecss_Click()
{
    apply_css_text(platform_.clipboardText());
}

bool Form1::apply_css_text(const QString& text)
{
    // The main window's colour sits on white.
    const auto applied = editing::apply_css_text(*this, text, editing::kWhite);
    if (!applied)
        return false;
    remember_color();
    if (!applied->note.isEmpty())
        view_.show_info(applied->note); // until the colour next changes
    return true;
}

void Form1::pickscreen_Click()
{
    editing::pick_from_screen(*this, [this](const core::Rgb&) { remember_color(); });
}

void Form1::remember_color()
{
    view_.recent->remember(channels_->color());
}

} // namespace editor
