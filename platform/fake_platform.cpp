#include "platform/fake_platform.h"

#include "platform/file_names.h"

#include <QIcon>
#include <QMenu>

namespace platform {

void FakePlatform::showMessage(QWidget*, const QString& text, const QString& title, core::Icon icon)
{
    boxes.push_back(Box {text, title, icon});
    if (on_box)
        on_box(boxes.back());
}

bool FakePlatform::askYesNo(QWidget*, const QString& text, const QString& title)
{
    questions.push_back(title + QLatin1String(": ") + text);
    if (yes_no_answers.empty())
        return true;
    const bool answer = yes_no_answers.front();
    yes_no_answers.pop_front();
    return answer;
}

bool FakePlatform::setClipboardText(const QString& text)
{
    if (clipboard_fails)
        return false;
    clipboard = text;
    return true;
}

QString FakePlatform::clipboardText()
{
    return clipboard;
}

std::optional<QColor> FakePlatform::chooseColor(QWidget*, const QColor& initial)
{
    color_dialog_starts.push_back(initial);
    if (color_answers.empty())
        return std::nullopt;
    auto answer = color_answers.front();
    color_answers.pop_front();
    return answer;
}

std::optional<QFont> FakePlatform::chooseFont(QWidget*, const QFont& initial)
{
    font_dialog_starts.push_back(initial);
    if (font_answers.empty())
        return std::nullopt;
    auto answer = font_answers.front();
    font_answers.pop_front();
    return answer;
}

QString FakePlatform::openFileName(
    QWidget*, const QString& title, const QString& folder, const QString& filter)
{
    file_dialogs.push_back(FileDialog {title, folder, filter, false});
    if (file_answers.empty())
        return {};
    const QString answer = file_answers.front();
    file_answers.pop_front();
    return answer;
}

QString FakePlatform::saveFileName(
    QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    // The same completion and replace question as the real dialogs; each dialog shown is
    // recorded with the folder or name it starts from.
    return confirmed_save_name(*this, parent, title, folder, filter, [&](const QString& start) {
        file_dialogs.push_back(FileDialog {title, start, filter, true});
        if (file_answers.empty())
            return QString();
        const QString answer = file_answers.front();
        file_answers.pop_front();
        return answer;
    });
}

std::unique_ptr<TrayIcon> FakePlatform::createTrayIcon(
    const QIcon&, const QString& tooltip, QObject* parent)
{
    auto icon = std::make_unique<FakeTrayIcon>(parent);
    icon->tooltip = tooltip;
    tray = icon.get();
    return icon;
}

void FakePlatform::setTopmost(QWidget* window, bool on)
{
    topmost[window] = on;
}

void FakePlatform::activateWindow(QWidget* window, const QString& activation_token)
{
    activations.push_back(Activation {window, activation_token});
    window->raise();
    window->activateWindow();
}

void FakePlatform::setEllipticShape(QWidget* window, const QRect& box)
{
    shapes[window] = box;
}

bool FakePlatform::openUrl(const QUrl& url)
{
    opened_urls.push_back(url);
    return url_opens;
}

void FakePlatform::popupMenu(QMenu* menu, const QPoint& global_pos, QAction* default_action)
{
    popups.push_back(Popup {menu, global_pos, default_action});
}

void FakePlatform::pickScreenColor(QWidget*, ScreenPickDone done)
{
    ++screen_picks;
    ScreenPick pick;
    if (!screen_pick_answers.empty()) {
        pick = screen_pick_answers.front();
        screen_pick_answers.pop_front();
    }
    done(pick);
}

} // namespace platform
