#include "platform/qt_platform.h"

#include "platform/eyedropper.h"
#include "platform/file_names.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QRegion>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

#include <memory>

namespace platform {

namespace {

QMessageBox::Icon to_qt(core::Icon icon)
{
    switch (icon) {
    case core::Icon::Information:
        return QMessageBox::Information;
    case core::Icon::Stop:
        return QMessageBox::Critical;
    case core::Icon::Exclamation:
        return QMessageBox::Warning;
    case core::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

bool on_wayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Message texts separate their lines with a lone carriage return; show it as a break.
QString displayed(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

class QtTrayIcon : public TrayIcon {
public:
    QtTrayIcon(const QIcon& icon, const QString& tooltip, QObject* parent)
        : TrayIcon(parent), icon_(icon), tooltip_(tooltip)
    {
    }
    void setShown(bool shown) override
    {
        // The notification area is reached the first time the icon goes there.
        if (shown && !tray_)
            make();
        if (tray_)
            tray_->setVisible(shown);
    }
    bool isShown() const override { return tray_ && tray_->isVisible(); }
    bool trayAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    void setMenu(QMenu* menu) override
    {
        menu_ = menu;
        if (tray_)
            tray_->setContextMenu(menu);
    }

private:
    void make()
    {
        tray_ = std::make_unique<QSystemTrayIcon>(icon_);
        tray_->setToolTip(tooltip_);
        // The toolkit shows the menu itself: at the pointer on an X11 tray, or exported
        // as a D-Bus menu for the host of a StatusNotifier item to draw.
        if (menu_)
            tray_->setContextMenu(menu_);
        connect(tray_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
                    emit restoreRequested();
            });
    }

    QIcon icon_;
    QString tooltip_;
    QPointer<QMenu> menu_;
    std::unique_ptr<QSystemTrayIcon> tray_;
};

} // namespace

void QtPlatform::showMessage(
    QWidget* parent, const QString& text, const QString& title, core::Icon icon)
{
    QMessageBox box(to_qt(icon), title, displayed(text), QMessageBox::Ok, parent);
    box.exec();
    // Hand the keyboard back to the window, so its shortcuts work at once.
    if (parent)
        parent->activateWindow();
}

bool QtPlatform::askYesNo(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(
        QMessageBox::Question, title, displayed(text), QMessageBox::Yes | QMessageBox::No, parent);
    const bool yes = box.exec() == QMessageBox::Yes;
    if (parent)
        parent->activateWindow();
    return yes;
}

bool QtPlatform::setClipboardText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->clear();
    clipboard->setText(text);
    return clipboard->text() == text;
}

QString QtPlatform::clipboardText()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return {};
    const QMimeData* data = clipboard->mimeData();
    if (!data || !data->hasText())
        return {};
    return data->text();
}

std::optional<QColor> QtPlatform::chooseColor(QWidget* parent, const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtPlatform::chooseFont(QWidget* parent, const QFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return font;
}

QString QtPlatform::openFileName(
    QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, with_all_files(filter));
}

QString QtPlatform::saveFileName(
    QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    // The name is completed first and only then checked, so the question comes from us.
    return confirmed_save_name(*this, parent, title, folder, filter, [&](const QString& start) {
        return QFileDialog::getSaveFileName(parent, title, start, with_all_files(filter), nullptr,
            QFileDialog::DontConfirmOverwrite);
    });
}

std::unique_ptr<TrayIcon> QtPlatform::createTrayIcon(
    const QIcon& icon, const QString& tooltip, QObject* parent)
{
    return std::make_unique<QtTrayIcon>(icon, tooltip, parent);
}

void QtPlatform::setTopmost(QWidget* window, bool topmost)
{
    if (!canStayOnTop())
        return;
    // Told to the native window as it is: setting the widget's flag would destroy and
    // re-create it, losing its place, its task bar entry and its boxes' ties to it.
    const Qt::WindowFlags flags = topmost ? window->windowFlags() | Qt::WindowStaysOnTopHint
                                          : window->windowFlags() & ~Qt::WindowStaysOnTopHint;
    window->overrideWindowFlags(flags);
    if (QWindow* native = window->windowHandle())
        native->setFlags(flags);
}

bool QtPlatform::canStayOnTop() const
{
    return !on_wayland();
}

bool QtPlatform::reportsMinimize() const
{
    return !on_wayland();
}

void QtPlatform::activateWindow(QWidget* window, const QString& activation_token)
{
    window->raise();
    // The Wayland backend reads the token from the environment when the window asks
    // for activation, and uses it once.
    if (!activation_token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activation_token.toUtf8());
    window->activateWindow();
    if (activation_token.isEmpty() && on_wayland())
        QApplication::alert(window);
}

void QtPlatform::setEllipticShape(QWidget* window, const QRect& box)
{
    window->setMask(QRegion(box, QRegion::Ellipse));
}

bool QtPlatform::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

void QtPlatform::popupMenu(QMenu* menu, const QPoint& global_pos, QAction* default_action)
{
    menu->setDefaultAction(default_action);
    menu->popup(global_pos);
}

void QtPlatform::pickScreenColor(QWidget* parent, ScreenPickDone done)
{
    pick_screen_color(parent, std::move(done));
}

} // namespace platform
