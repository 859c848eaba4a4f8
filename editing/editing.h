#pragma once

// What both colour-editing windows share beyond their ChannelEditor: the main window
// and the Color Matching Station each hold a colour in three scroll bars, copy texts with
// the same alerts, and pop up menus and presets the same way.

#include "core/color.h"
#include "core/copy_text.h"
#include "core/messages.h"

#include <QScrollBar>
#include <QString>

#include <array>
#include <functional>
#include <initializer_list>
#include <string>

class QAction;
class QMenu;
class QWidget;

namespace platform {
class Platform;
}

namespace editing {

class ChannelEditor;

// A window that edits a colour: the main window and the station.
class EditingWindow {
public:
    virtual ~EditingWindow() = default;
    virtual QWidget* widget() = 0;
    virtual platform::Platform& platform() = 0;
    // The window's colour and the operations on it.
    virtual ChannelEditor& channel_editor() const = 0;
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

void show_message(platform::Platform& p, QWidget* parent, const core::Message& m);

QString decimal(int value);
std::u32string to_u32(const QString& text);

// Puts text on the clipboard; says so, and gives false, when the clipboard would not take
// it. Otherwise runs `copied` and then, when asked, confirms the copy with its alert.
bool copy_text(EditingWindow& w, const std::string& text, bool alert, core::CopyKind kind,
    const std::function<void()>& copied = {});

// Pops the menu up for a right button pressed on the window's surface or its frames, and
// for the Menu key or Shift+F10 anywhere in the window, at the focused control.
void popup_on_right_click(
    QWidget* window, platform::Platform& p, QMenu* menu, std::initializer_list<QWidget*> surfaces);

// Fills a Presets menu: one item a colour, in the order of the preset table, named by the
// window's own item names, with a separator after the first two.
std::array<QAction*, 11> add_preset_items(QMenu* menu, const std::array<const char*, 11>& names);

} // namespace editing
