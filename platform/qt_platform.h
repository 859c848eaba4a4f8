#pragma once

#include "platform/platform.h"

namespace platform {

class QtPlatform : public Platform {
public:
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
    bool canStayOnTop() const override;
    bool reportsMinimize() const override;
    void activateWindow(QWidget* window, const QString& activation_token) override;
    void setEllipticShape(QWidget* window, const QRect& box) override;
    bool openUrl(const QUrl& url) override;
    void popupMenu(QMenu* menu, const QPoint& global_pos, QAction* default_action) override;
    void pickScreenColor(QWidget* parent, ScreenPickDone done) override;
};

} // namespace platform
