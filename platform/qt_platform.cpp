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
#include <QRegion>
#include <QSystemTrayIcon>
#include <QWidget>

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

private:
    void make()
    {
        tray_ = std::make_unique<QSystemTrayIcon>(icon_);
        tray_->setToolTip(tooltip_);
        connect(tray_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Context)
                    emit menuRequested(QCursor::pos());
                else if (reason == QSystemTrayIcon::DoubleClick
                    || reason == QSystemTrayIcon::Trigger)
                    emit restoreRequested();
            });
    }

    QIcon icon_;
    QString tooltip_;
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
    const bool visible = window->isVisible();
    const QRect geometry = window->geometry();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    window->setGeometry(geometry);
    if (visible)
        window->show();
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
