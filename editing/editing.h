#pragma once

// Routines that both colour-editing windows share: the main window and the Color
// Matching Station each hold a colour in three scroll bars, show it in three channel
// boxes and own a colour dialog. Everything here works on that common shape.

#include "core/color.h"
#include "core/entry.h"
#include "core/messages.h"
#include "widgets/controls.h"

#include <QCheckBox>
#include <QFont>
#include <QObject>
#include <QPalette>
#include <QScrollBar>
#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

class QAction;
class QKeyEvent;
class QKeySequence;
class QLineEdit;
class QMenu;
class QPushButton;

namespace platform {
class Platform;
}

namespace editing {

// What a window keeps for its dialogs between calls: the colour the colour dialog
// starts from (always the colour now shown).
struct CommonDialog {
    int color = 0;
};

class EditingWindow {
public:
    virtual ~EditingWindow() = default;
    virtual QScrollBar* CLR(int channel) const = 0;
    virtual QLineEdit* channelBox(int channel) const = 0; // Text1..Text3
    virtual CommonDialog& CommonDialog1() = 0;
    virtual QWidget* widget() = 0;
    virtual platform::Platform& platform() = 0;

    // Runs of write_channels and make_safe in progress, nested ones included; the window
    // hears channelsWritten() when the outermost one ends, with every channel written.
    int channel_writes = 0;
    virtual void channelsWritten() { }
};

// A channel's scroll bar: 0 to 255, small step 1, large step 7, the value following when
// the thumb is released. It takes the focus by Tab and by click and shows it; the arrow
// keys move it by the small step, Page Up/Down by the large one, Home/End to 0/255, each
// move raising the value change at once as a click on the bar does.
class ChannelBar : public QScrollBar {
public:
    explicit ChannelBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The colour the three scroll bars hold.
core::Rgb channels(const EditingWindow& w);

// Writes red, then green, then blue; each write that changes a bar runs the window's
// change handling before the next one.
void write_channels(EditingWindow& w, const core::Rgb& c);

// Snaps each channel in turn to the Safe Palette.
void make_safe(EditingWindow& w);

// Opens the colour dialog at the dialog colour; on cancel the colour is written back
// unchanged.
void pick_color(EditingWindow& w);

// Arrow and page steps of the three bars.
void auto_websafe(EditingWindow& w, int change, int change2);

// Makes the channel boxes read-only (Auto Safe) or editable.
void set_boxes_read_only(EditingWindow& w, bool read_only);

// The text-changed handling of a channel box.
void channel_box_changed(EditingWindow& w, int channel);

void show_message(platform::Platform& p, QWidget* parent, const core::Message& m);

// Shows the message of a refused entry (if any) and hands back the accepted colour.
std::optional<core::Rgb> accept_entry(
    EditingWindow& w, const core::HexEntry& entry, core::Window which);

QString decimal(int value);
std::u32string to_u32(const QString& text);

// Puts text on the clipboard; says so, and gives false, when the clipboard would not take it.
bool copy_to_clipboard(EditingWindow& w, const std::string& text);

// Pops the menu up for a right button pressed on the window's surface or its frames, and
// for the Menu key or Shift+F10 anywhere in the window, at the focused control.
void popup_on_right_click(
    QWidget* window, platform::Platform& p, QMenu* menu, std::initializer_list<QWidget*> surfaces);

// Fills a Presets menu: one item a colour, named by the window's own item names, each
// calling back with its colour.
void add_preset_items(QMenu* menu, const std::array<const char*, 11>& names,
    const std::function<void(const core::Rgb&)>& apply);

} // namespace editing
