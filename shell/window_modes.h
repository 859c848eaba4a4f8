#pragma once

#include "platform/platform.h"
#include "shell/tray_menu_view.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace storage {
class PreferenceTable;
}

namespace shell {

// Brings the main window back: visible, in its normal state, raised and active. A hidden
// window is shown before its state changes, so the window system maps it through the
// toolkit (painted, and with its stay-on-top state) rather than behind its back.
void bring_back(QWidget* main_window);

// Keeps a box that disables the main window in front of it for as long as the box is
// open: the main window becomes its transient parent once it is on screen in its normal
// state, and activating the disabled main window (a click on it) raises the box again.
void keep_in_front_of(QWidget* box, QWidget* main_window);

// The main window in the task bar, in the tray, or both: the tray icon, its menu
// and the timer that hides a minimized window in tray-only mode.
class WindowModes : public QObject {
    Q_OBJECT
public:
    WindowModes(QWidget* main_window, platform::Platform& platform, storage::PreferenceTable& prefs,
        QAction* exit_action);
    ~WindowModes() override;

    // Puts the icon in or out of the tray and starts or stops the timer for a mode.
    void apply_tray_mode(int mode);
    void hide_tray_icon();

    void Timer1_Timer();
    void minimize_Click();
    void restore_Click();
    void restore_main();
    // Brings the main window to the front for a later start, with the activation token
    // its launcher gave it (empty when none).
    void bring_forward(const QString& activation_token);
    // Enables Minimize and Restore as the window is; run whenever the menu opens and
    // whenever the window shows, hides or changes state, so that a menu the desktop
    // draws from an exported copy is up to date too.
    void update_tray_menu();

    QTimer* Timer1() { return &timer_; }
    platform::TrayIcon* TrayIcon1() { return tray_.get(); }
    const TrayMenuView& view() const { return view_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* main_;
    platform::Platform& platform_;
    storage::PreferenceTable& prefs_;
    std::unique_ptr<platform::TrayIcon> tray_;
    QTimer timer_;
    TrayMenuView view_;
};

} // namespace shell
