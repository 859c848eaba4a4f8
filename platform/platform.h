#pragma once

#include "core/messages.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QIcon;
class QMenu;
class QWidget;

namespace platform {

// The icon in the notification area. A click on it asks for the window; its menu is the
// desktop's to show (drawn by the program on an X11 tray, exported over D-Bus to a
// StatusNotifier host), and says aboutToShow when it opens.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void setShown(bool shown) = 0;
    virtual bool isShown() const = 0;
    // Whether the desktop has a notification area to show the icon in at all.
    virtual bool trayAvailable() const = 0;
    // The icon's menu; set before the icon is first shown.
    virtual void setMenu(QMenu* menu) = 0;

signals:
    void restoreRequested();
};

// What picking a colour off the screen ended with.
struct ScreenPick {
    enum class Outcome { Picked, Cancelled, Unavailable };
    Outcome outcome = Outcome::Cancelled;
    QColor color; // valid when picked
};
using ScreenPickDone = std::function<void(const ScreenPick&)>;

// Everything the windows ask of the desktop beyond plain widgets. The program uses
// the Qt implementation; tests use a recording fake that never blocks.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box with one OK button.
    virtual void showMessage(
        QWidget* parent, const QString& text, const QString& title, core::Icon icon)
        = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& title) = 0;

    // Clears the clipboard and puts plain text on it; false when that failed.
    virtual bool setClipboardText(const QString& text) = 0;
    // The clipboard's plain text; empty when it holds no text.
    virtual QString clipboardText() = 0;

    // Colour and font dialogs start from the given value; nothing on cancel.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;

    // File dialogs in the given folder with a Qt filter; empty on cancel.
    virtual QString openFileName(
        QWidget* parent, const QString& title, const QString& folder, const QString& filter)
        = 0;
    virtual QString saveFileName(
        QWidget* parent, const QString& title, const QString& folder, const QString& filter)
        = 0;

    virtual std::unique_ptr<TrayIcon> createTrayIcon(
        const QIcon& icon, const QString& tooltip, QObject* parent)
        = 0;

    // Keeps a window above the others (or not) without moving, resizing or re-creating it.
    virtual void setTopmost(QWidget* window, bool topmost) = 0;
    // Whether the window system lets a program keep its window above the others (X11
    // does; a Wayland compositor leaves that to the user).
    virtual bool canStayOnTop() const = 0;
    // Whether the window system tells the program that its window was minimized (a
    // Wayland compositor never does, nor has a request to undo it).
    virtual bool reportsMinimize() const = 0;
    // Raises a shown window and asks for the keyboard focus, with the activation token
    // a launcher handed over when there is one. Where the desktop grants the focus only
    // with a token and none came, the window asks for the user's attention instead.
    virtual void activateWindow(QWidget* window, const QString& activation_token) = 0;
    // Cuts a window to the ellipse inscribed in the given rectangle.
    virtual void setEllipticShape(QWidget* window, const QRect& box) = 0;

    // Hands an address to the desktop (browser, help viewer); false when that failed.
    virtual bool openUrl(const QUrl& url) = 0;

    // Shows a pop-up menu at a screen position without waiting for it.
    virtual void popupMenu(QMenu* menu, const QPoint& global_pos, QAction* default_action = nullptr)
        = 0;

    // Lets the user pick one pixel of any screen and returns at once; done is called
    // once, now or later, with the colour, a cancel, or Unavailable where the desktop
    // offers no way to pick.
    virtual void pickScreenColor(QWidget* parent, ScreenPickDone done) = 0;
};

} // namespace platform
