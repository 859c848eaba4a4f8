#include "shell/window_modes.h"

#include "storage/preferences.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace shell {

namespace {

bool on_screen_normal(const QWidget* w)
{
    return w->isVisible() && !w->isMinimized();
}

class FrontKeeper : public QObject {
public:
    FrontKeeper(QWidget* box, QWidget* main) : QObject(box), box_(box), main_(main)
    {
        main->installEventFilter(this);
        adopt();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != main_ || !box_ || !box_->isVisible())
            return false;
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::WindowStateChange:
            adopt();
            break;
        case QEvent::WindowActivate:
        case QEvent::MouseButtonPress:
            if (!main_->isEnabled()) {
                QPointer<QWidget> box = box_;
                QTimer::singleShot(0, box, [box] {
                    box->raise();
                    box->activateWindow();
                });
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    // A box that is transient for a minimized window would be minimized with it by
    // some window managers, so the tie is made only while the main window is normal.
    void adopt()
    {
        if (!main_ || !box_ || !on_screen_normal(main_))
            return;
        QWindow* parent = main_->windowHandle();
        if (!parent)
            return;
        box_->winId(); // the box's own native window
        if (QWindow* own = box_->windowHandle(); own && own->transientParent() != parent)
            own->setTransientParent(parent);
    }

    QPointer<QWidget> box_;
    QPointer<QWidget> main_;
};

// The boxes on screen that hold the main window (About, the preferences): its transients.
QList<QWidget*> boxes_holding(const QWidget* main)
{
    QList<QWidget*> boxes;
    const QWindow* own = main->windowHandle();
    if (!own)
        return boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != main && w->isVisible() && w->windowHandle()
            && w->windowHandle()->transientParent() == own)
            boxes.append(w);
    return boxes;
}

} // namespace

void bring_back(QWidget* main_window)
{
    if (!main_window->isVisible())
        main_window->show();
    if (main_window->windowState() & Qt::WindowMinimized)
        main_window->setWindowState(main_window->windowState() & ~Qt::WindowMinimized);
    main_window->raise();
    main_window->activateWindow();
}

void keep_in_front_of(QWidget* box, QWidget* main_window)
{
    if (box && main_window)
        new FrontKeeper(box, main_window);
}

WindowModes::WindowModes(QWidget* main_window, platform::Platform& platform,
    storage::PreferenceTable& prefs, QAction* exit_action)
    : QObject(main_window), main_(main_window), platform_(platform), prefs_(prefs)
{
    tray_ = platform_.createTrayIcon(QApplication::windowIcon(), QStringLiteral("Pigmentor"), this);
    connect(tray_.get(), &platform::TrayIcon::restoreRequested, this, &WindowModes::restore_main);

    view_ = build_tray_menu_view();
    connect(view_.minimize, &QAction::triggered, this, &WindowModes::minimize_Click);
    connect(view_.restore, &QAction::triggered, this, &WindowModes::restore_Click);
    connect(view_.helo, &QAction::triggered, exit_action, &QAction::trigger);
    connect(view_.newmenu.get(), &QMenu::aboutToShow, this, &WindowModes::update_tray_menu);
    main_->installEventFilter(this);
    tray_->setMenu(view_.newmenu.get());

    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(500);
    connect(&timer_, &QTimer::timeout, this, &WindowModes::Timer1_Timer);
}

WindowModes::~WindowModes() = default;

void WindowModes::apply_tray_mode(int mode)
{
    // A mode other than 0, 1 or 2 (a hand-edited file) behaves as tray-only, as the
    // minimize and restore items also treat it.
    tray_->setShown(mode != 0);
    if (mode != 0 && mode != 2)
        timer_.start();
    else
        timer_.stop();
}

void WindowModes::hide_tray_icon()
{
    tray_->setShown(false);
}

void WindowModes::Timer1_Timer()
{
    // Without a notification area there would be no way back to a hidden window.
    if (main_->isMinimized() && tray_->trayAvailable())
        main_->setVisible(false);
}

void WindowModes::minimize_Click()
{
    const int mode = prefs_[storage::TrayMode];
    if (mode != 0 && mode != 2)
        main_->setVisible(false);
    else
        main_->showMinimized();
}

void WindowModes::restore_Click()
{
    const int mode = prefs_[storage::TrayMode];
    if (mode != 0 && mode != 2)
        restore_main();
    else
        bring_forward(QString()); // normal state, then visible: one step for the window system
}

void WindowModes::restore_main()
{
    // Visible, normal, and then the focus: the call that ends the restore.
    bring_forward(QString());
}

void WindowModes::bring_forward(const QString& activation_token)
{
    // Where the window system never says whether the window is minimized and has no
    // request to undo it, a shown window that is not the active one may well be: shown
    // anew, it comes back normal. With a token, the activation itself brings it back. A
    // box that holds the window (About, preferences) is minimized with it by some
    // compositors: it is hidden before the window and shown after it, so that both come
    // back, the box tied to the window and in front of it. A box that waits for an answer
    // (a question, a file dialog) would take hiding as its answer: the window is then
    // only activated.
    const QList<QWidget*> boxes = boxes_holding(main_);
    QWidget* active = QApplication::activeWindow();
    const bool in_front = active && (active == main_ || boxes.contains(active));
    const bool anew = !platform_.reportsMinimize() && activation_token.isEmpty()
        && main_->isVisible() && !in_front && !QApplication::activeModalWidget()
        && (main_->isEnabled() || !boxes.isEmpty());
    if (anew) {
        for (QWidget* box : boxes)
            box->hide();
        main_->hide();
    }
    if (!main_->isVisible())
        main_->show();
    if (main_->windowState() & Qt::WindowMinimized)
        main_->setWindowState(main_->windowState() & ~Qt::WindowMinimized);
    if (anew)
        for (QWidget* box : boxes)
            box->show();
    platform_.activateWindow(anew && !boxes.isEmpty() ? boxes.back() : main_, activation_token);
}

bool WindowModes::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == main_) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
            // Later, when the change is complete (and never from the window's destructor).
            QMetaObject::invokeMethod(this, &WindowModes::update_tray_menu, Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }
    return false;
}

void WindowModes::update_tray_menu()
{
    const int mode = prefs_[storage::TrayMode];
    if (mode == 1) {
        view_.minimize->setEnabled(main_->isVisible());
        view_.restore->setEnabled(!main_->isVisible());
    } else if (mode == 2) {
        if (main_->isMinimized()) {
            view_.minimize->setEnabled(false);
            view_.restore->setEnabled(true);
        } else if (!main_->isMaximized()) {
            view_.minimize->setEnabled(true);
            view_.restore->setEnabled(false);
        }
    }
    // Where the window system never says that the window was minimized, a shown window may
    // be: Restore stays on offer.
    if ((mode == 1 || mode == 2) && !platform_.reportsMinimize())
        view_.restore->setEnabled(true);
}

} // namespace shell
