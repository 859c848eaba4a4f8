#pragma once

// Small widgets and helpers that every window of the program uses: check boxes that keep
// a file's 0/1/2 value, filled shapes, right-click surfaces, menu items, and the keyboard
// rules (the default button, menu shortcuts ahead of text boxes).

#include "core/color.h"

#include <QCheckBox>
#include <QFont>
#include <QObject>
#include <QPalette>
#include <QWidget>

#include <functional>

class QAction;
class QKeyEvent;
class QKeySequence;
class QLineEdit;
class QMenu;
class QPushButton;

namespace widgets {

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

// Enter pressed on any control of the window but a push button (which clicks itself)
// clicks the window's current default button, if there is one. The controls are watched
// directly: some desktop themes stop an Enter that a text box passed on before it reaches
// the window.
void enter_clicks_default(QWidget* window, std::function<QPushButton*()> current_default);

// Lets the window's menu shortcuts win over the text boxes' own key bindings.
void give_menu_shortcuts_priority(QWidget* window);

// A menu item with its name, caption and shortcut, added to a menu.
QAction* add_action(
    QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {});

// A push button with its name, caption and tool tip (none when the tip is empty).
QPushButton* push_button(
    QWidget* parent, const char* name, const QString& caption, const QString& tip = {});

// Selects the first `length` characters of a box whenever it gets the focus.
void select_on_focus(QLineEdit* box, int length);

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

} // namespace widgets

namespace widgets {

inline core::Rgb to_rgb(const QColor& c)
{
    return {c.red(), c.green(), c.blue()};
}

inline QColor to_qcolor(const core::Rgb& c)
{
    return QColor(c.red, c.green, c.blue);
}

// The windows' font sizes are factors of the desktop's default font (its 8.25 pt is 1.0).
QFont scaled_font(const QFont& base, double factor, bool bold = false);

// The widest hex digit of a font, which sizes the code and channel boxes: the widest of
// 0, A, C and D. The figures of a text face share one width, and among A to F the round
// C and D (or the broad A of some serif faces) are the widest; the boxes keep a digit's
// room of slack besides. Measuring only these keeps the other glyphs unloaded until they
// are shown.
QChar widest_hex_digit(const QFont& font);

// A fixed text colour (a dark red caption, a navy code), kept as it is where it
// reaches `ratio` against `background`; otherwise lightened (on a dark background) or
// darkened (on a light one) in its own hue just enough to reach it.
QColor legible(const QColor& fixed, const QColor& background, double ratio = 4.5);

// Sets a caption's text colour to its fixed colour made legible on its window.
void set_caption_color(QWidget* w, const QColor& fixed);

// Gives a box its fixed background and a text colour that reads on it.
void set_box_colors(QWidget* w, const QColor& background);

} // namespace widgets
