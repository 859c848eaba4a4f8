#pragma once

// Picking one pixel of any screen: on X11 a full-screen overlay with a magnifier, on
// Wayland the desktop portal's colour picker. Nothing here exists until the first pick.

#include "platform/platform.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>
#include <vector>

namespace platform {

// The box a window shows when this desktop offers no way to pick.
inline const char kPickUnavailableText[]
    = "Pigmentor cannot pick a color from this screen: it needs an X11 desktop, or a "
      "Wayland desktop whose portal offers a color picker.";
inline const char kPickTitle[] = "Pick from Screen";

// One screen as it looked when the pick began.
struct ScreenImage {
    QRect geometry; // in the desktop's logical pixels
    QImage image; // in device pixels
};

// The still image of every screen under a window that covers them all. The pointer or
// the arrow keys choose a pixel; a click, Enter or Space picks it; Escape, a right
// click or losing the keyboard cancels. The magnifier shows the pixels around the
// chosen one, enlarged, with its hex code.
class EyedropperOverlay : public QWidget {
    Q_OBJECT
public:
    EyedropperOverlay(std::vector<ScreenImage> screens, ScreenPickDone done);
    ~EyedropperOverlay() override;

    // Grabs every screen and shows the overlay over them.
    static EyedropperOverlay* start(ScreenPickDone done);

    QPoint chosen() const { return chosen_; }
    // The colour of a desktop point, invalid outside every screen.
    QColor colorAt(const QPoint& global) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void choose(const QPoint& global);
    void finish(ScreenPick::Outcome outcome);
    QRect magnifierRect() const;
    // What the magnifier paints over the screens, its frame and every device pixel its
    // lines reach at any scale included; repainted whole when the magnifier moves.
    QRect magnifierArea() const;

    std::vector<ScreenImage> screens_;
    QRect desktop_;
    QPoint chosen_;
    ScreenPickDone done_;
};

// The desktop portal's PickColor, answered through the request's Response signal.
class PortalColorPicker : public QObject {
    Q_OBJECT
public:
    // Asks the portal, which the bus starts when it is not yet running; done is called
    // once, later, with the answer: Unavailable when there is no portal or it has no
    // picker, Cancelled when the user closed the picker.
    static void start(QWidget* parent, ScreenPickDone done);
    // What a Response signal's code and results amount to.
    static ScreenPick answer(uint code, const QVariantMap& results);

private slots:
    void response(uint code, const QVariantMap& results);

private:
    explicit PortalColorPicker(ScreenPickDone done);
    void listen(const QString& request_path);
    void finish(const ScreenPick& pick);

    ScreenPickDone done_;
    QString request_path_;
    bool finished_ = false;
};

// Whether the desktop session is a Wayland one, even for a program on X11 (Xwayland), whose
// own screen grab would see nothing of the other windows there.
bool wayland_session(const std::function<QString(const char*)>& environment);

// The overlay on an X11 desktop, the portal elsewhere.
void pick_screen_color(QWidget* parent, ScreenPickDone done);

} // namespace platform
