#pragma once

#include "platform/platform.h"

#include <QList>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace platform {

class FakeTrayIcon : public TrayIcon {
    Q_OBJECT
public:
    using TrayIcon::TrayIcon;
    void setShown(bool shown) override { shown_ = shown; }
    bool isShown() const override { return shown_; }
    bool trayAvailable() const override { return available; }
    void setMenu(QMenu* m) override { menu = m; }
    QString tooltip;
    bool available = true;
    QPointer<QMenu> menu;

private:
    bool shown_ = false;
};

// Records every box, dialog and system call and answers dialogs from scripted queues.
// Nothing here ever blocks, so windows can be driven from tests.
class FakePlatform : public Platform {
public:
    struct Box {
        QString text;
        QString title;
        core::Icon icon;
    };
    struct FileDialog {
        QString title;
        QString folder;
        QString filter;
        bool save;
    };
    struct Popup {
        QPointer<QMenu> menu;
        QPoint pos;
        QPointer<QAction> default_action;
    };

    void showMessage(
        QWidget* parent, const QString& text, const QString& title, core::Icon icon) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override;
    bool setClipboardText(const QString& text) override;
    QString clipboardText() override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
        const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
        const QString& filter) override;
    std::unique_ptr<TrayIcon> createTrayIcon(
        const QIcon& icon, const QString& tooltip, QObject* parent) override;
    void setTopmost(QWidget* window, bool topmost) override;
    bool canStayOnTop() const override { return stays_on_top; }
    bool reportsMinimize() const override { return reports_minimize; }
    void activateWindow(QWidget* window, const QString& activation_token) override;
    void setEllipticShape(QWidget* window, const QRect& box) override;
    bool openUrl(const QUrl& url) override;
    void popupMenu(QMenu* menu, const QPoint& global_pos, QAction* default_action) override;
    void pickScreenColor(QWidget* parent, ScreenPickDone done) override;

    // What happened.
    std::vector<Box> boxes;
    std::vector<QString> questions;
    std::vector<QColor> color_dialog_starts;
    std::vector<QFont> font_dialog_starts;
    std::vector<FileDialog> file_dialogs;
    std::vector<Popup> popups;
    std::vector<QUrl> opened_urls;
    std::map<const QWidget*, bool> topmost;
    struct Activation {
        QPointer<QWidget> window;
        QString token;
    };
    std::vector<Activation> activations;
    std::map<const QWidget*, QRect> shapes;
    QPointer<FakeTrayIcon> tray;

    // What the desktop answers. Empty queues mean Cancel / Yes.
    QString clipboard;
    bool clipboard_fails = false;
    std::deque<std::optional<QColor>> color_answers;
    std::deque<std::optional<QFont>> font_answers;
    std::deque<QString> file_answers;
    std::deque<bool> yes_no_answers;
    bool url_opens = true;
    // The window system: X11 keeps windows on top and tells of a minimize; Wayland neither.
    bool stays_on_top = true;
    bool reports_minimize = true;
    // Answers to screen picks, oldest first; an empty queue answers Cancelled.
    std::deque<ScreenPick> screen_pick_answers;
    int screen_picks = 0;

    // Called while a box is "open", so tests can look at the windows at that moment.
    std::function<void(const Box&)> on_box;
};

} // namespace platform
