#pragma once

// Routines that both colour-editing windows share: the main window and the Color
// Matching Station each hold a colour in three scroll bars, show it in three channel
// boxes and own a colour dialog. Everything here works on that common shape.

#include "core/color.h"
#include "core/entry.h"
#include "core/messages.h"

#include <QCheckBox>
#include <QFont>
#include <QObject>
#include <QPalette>
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
class QScrollBar;

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

// Check-box values as the files store them: 0 unchecked, 1 checked, 2 grayed.
int check_value(const QCheckBox* box);
// Sets 0, 1 or 2; any other value is refused (false) and the box keeps its value.
bool set_check_value(QCheckBox* box, int value);

// A check box whose grayed state (value 2) comes only from a file; a click on a
// grayed box checks it and leaves the two-state cycle.
class ValueCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override;
};

// Presses the window's default button for an Enter that no control took.
bool press_default_button(QKeyEvent* event, QPushButton* default_button);

// Lets the window's menu shortcuts win over the text boxes' own key bindings.
void give_menu_shortcuts_priority(QWidget* window);

// A menu item with its name, caption and shortcut, added to a menu.
QAction* add_action(
    QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {});

// Puts text on the clipboard; says so, and gives false, when the clipboard would not take it.
bool copy_to_clipboard(EditingWindow& w, const std::string& text);

// Selects the first `length` characters of a box whenever it gets the focus.
void select_on_focus(QLineEdit* box, int length);

// Pops the menu up for a right button pressed on the window's surface or its frames.
void popup_on_right_click(
    QWidget* window, platform::Platform& p, QMenu* menu, std::initializer_list<QWidget*> surfaces);

// Calls back for a right button pressed on one of the surfaces themselves, not on a
// control lying on them (controls that ignore the mouse do not count).
class RightClickSurfaces : public QObject {
public:
    RightClickSurfaces(QObject* parent, std::function<void(const QPoint& global)> popup);
    void add(QWidget* surface);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QPoint&)> popup_;
};

// A filled rectangle or ellipse with an optional one-pixel outline.
class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent = nullptr);
    void setFill(const QColor& color);
    QColor fill() const { return fill_; }
    void setOval(bool oval);
    bool isOval() const { return oval_; }
    void setOutline(bool outline);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor fill_ = Qt::black;
    bool oval_ = false;
    bool outline_ = false;
};

// Sets one colour of a widget's palette (text colour, box background).
void set_palette_color(QWidget* w, QPalette::ColorRole role, const QColor& color);

// Fills a Presets menu: one item a colour, named by the window's own item names, each
// calling back with its colour.
void add_preset_items(QMenu* menu, const std::array<const char*, 11>& names,
    const std::function<void(const core::Rgb&)>& apply);

// Twips to pixels at the usual 15 twips a pixel.
constexpr int px(int twips)
{
    return twips / 15;
}
QRect twips_rect(int left, int top, int width, int height);

} // namespace editing
