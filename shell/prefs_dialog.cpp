#include "shell/prefs_dialog.h"

#include "core/messages.h"
#include "platform/platform.h"
#include "shell/window_modes.h"
#include "storage/files.h"
#include "storage/preferences.h"

#include <QCloseEvent>
#include <QRadioButton>

namespace shell {

prefres::prefres(PrefsHost& host, TrayModeMemory& memory)
    : QDialog(nullptr,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint),
      host_(host), main_(host.mainWindow()), memory_(memory)
{
    setObjectName(QStringLiteral("prefres"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" Edit Preferences"));
    setModal(false);

    view_ = build_prefs_view(this);
    connect(view_.Command1, &QPushButton::clicked, this, &prefres::Command1_Click);
    connect(view_.Command2, &QPushButton::clicked, this, &prefres::Command2_Click);
}

void prefres::openprefs()
{
    const auto prefs = storage::read_preferences(host_.prefsFile());
    if (!prefs)
        return;
    // In the file's order: four boxes, the tray mode, the last box; the first value a box
    // does not take ends the reading, as a failed line does.
    const std::pair<const std::optional<int>&, QCheckBox*> lines[]
        = {{prefs->load_station, view_.Check1}, {prefs->auto_save_color, view_.Check2},
            {prefs->close_like_tv, view_.Check3}, {prefs->show_splash, view_.Check4},
            {prefs->tray_mode, nullptr}, {prefs->confirm_exit, view_.Check5}};
    for (const auto& [value, box] : lines) {
        if (!value)
            return;
        if (box == nullptr)
            memory_.loaded = *value;
        else if (!widgets::set_check_value(box, *value))
            return;
    }
}

void prefres::load()
{
    openprefs();
    if (memory_.loaded >= 0 && memory_.loaded <= 2)
        view_.tray[memory_.loaded]->setChecked(true);
    QWidget* main = host_.mainWindow();
    if (host_.staysOnTop())
        main->showMinimized();
    main->setEnabled(false);
    keep_in_front_of(this, main);
    adjustSize();
    move(main->frameGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

bool prefres::saveprefs()
{
    const std::array<int, 6> values {widgets::check_value(view_.Check1),
        widgets::check_value(view_.Check2), widgets::check_value(view_.Check3),
        widgets::check_value(view_.Check4), memory_.chosen, widgets::check_value(view_.Check5)};
    QString reason;
    if (storage::write_preferences(host_.prefsFile(), values, &reason))
        return true;
    host_.platform().showMessage(this, storage::save_failure_text(host_.prefsFile(), reason),
        QString::fromLatin1(core::kAppTitle), core::Icon::Exclamation);
    return false;
}

void prefres::Command1_Click()
{
    for (int i = 0; i < 3; ++i) {
        if (view_.tray[i]->isChecked()) {
            memory_.chosen = i;
            break;
        }
    }
    if (!saveprefs())
        return; // the dialog stays open: nothing was saved
    if (memory_.chosen != memory_.loaded) {
        host_.preferences().set(storage::TrayMode, memory_.chosen);
        host_.applyTrayMode(memory_.chosen);
    }
    Command2_Click();
}

void prefres::Command2_Click()
{
    release_main_window();
    close();
    // The main window takes the keyboard back from the closed dialog.
    if (main_ && main_->isVisible()) {
        main_->raise();
        main_->activateWindow();
    }
}

void prefres::release_main_window()
{
    if (released_)
        return;
    released_ = true;
    if (!main_)
        return;
    if (main_->isMinimized() || !main_->isVisible())
        bring_back(main_);
    main_->setEnabled(true);
}

void prefres::closeEvent(QCloseEvent* event)
{
    // The title-bar close ends like Cancel, so the main window is never left disabled.
    release_main_window();
    event->accept();
}

void prefres::reject()
{
    Command2_Click();
}

} // namespace shell
