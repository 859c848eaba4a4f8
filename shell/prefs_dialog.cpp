#include "shell/prefs_dialog.h"

#include "core/messages.h"
#include "platform/platform.h"
#include "shell/window_modes.h"
#include "storage/files.h"
#include "storage/preferences.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QVBoxLayout>

namespace shell {

namespace {

widgets::ValueCheckBox* add_check(
    QGroupBox* frame, const char* name, const char* caption, const char* tooltip)
{
    auto* box = new widgets::ValueCheckBox(QString::fromUtf8(caption), frame);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(QString::fromUtf8(tooltip));
    frame->layout()->addWidget(box);
    return box;
}

QGroupBox* add_frame(QWidget* parent, const char* name, const char* caption)
{
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setLayout(new QVBoxLayout);
    return frame;
}

} // namespace

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

    QGroupBox* frame1 = add_frame(this, "Frame1", "Loading Options");
    checks_[0] = add_check(frame1, "Check1", "&Load Color Matching Station on start up",
        "PMT will start the Color Matching Station automatically.");
    checks_[3] = add_check(frame1, "Check4", "S&how splash screen at start up",
        "If this is checked then a splash screen will appear for about 1.25 "
        "seconds when you start PMT.");
    QGroupBox* frame3 = add_frame(this, "Frame3", "Exiting Options");
    checks_[1] = add_check(frame3, "Check2", "&Automatically save color on exit",
        "When you exit, PMT will save the color you were working on and load "
        "it when you run PMT again!");
    checks_[2] = add_check(frame3, "Check3", "Close PMT like a &TV (try this!)",
        "You've got to try this to know what I mean!");
    checks_[4] = add_check(frame3, "Check5", "Confir&m when you exit", "Confirm Exit");

    QGroupBox* frame2 = add_frame(this, "Frame2", "Show PMT in:");
    auto* group = new QButtonGroup(this);
    const char* captions[] = {"Task Bar only", "System tray only", "Task bar && system tray"};
    const char* tips[] = {"Show PMT in the task bar (Like normal programs)",
        "Show PMT in the system tray", "Show in both"};
    for (int i = 0; i < 3; ++i) {
        tray_[i] = new QRadioButton(QString::fromUtf8(captions[i]), frame2);
        tray_[i]->setObjectName(QStringLiteral("tray_%1").arg(i));
        tray_[i]->setToolTip(QString::fromUtf8(tips[i]));
        group->addButton(tray_[i], i);
        frame2->layout()->addWidget(tray_[i]);
    }

    command1_ = new QPushButton(QStringLiteral("&Save && close"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setToolTip(QStringLiteral("Save and Close"));
    command1_->setDefault(true);
    command2_ = new QPushButton(QStringLiteral("&Cancel"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setToolTip(QStringLiteral("Cancel"));
    connect(command1_, &QPushButton::clicked, this, &prefres::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &prefres::Command2_Click);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    auto* layout = new QGridLayout(this);
    layout->addWidget(frame1, 0, 0, 1, 2);
    layout->addWidget(frame3, 1, 0, 1, 2);
    layout->addWidget(frame2, 2, 0);
    layout->addLayout(buttons, 2, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void prefres::openprefs()
{
    const auto prefs = storage::read_preferences(host_.prefsFile());
    if (!prefs)
        return;
    // In the file's order: four boxes, the tray mode, the last box; the first value a box
    // does not take ends the reading, as a failed line does.
    const std::pair<const std::optional<int>&, QCheckBox*> lines[]
        = {{prefs->load_station, checks_[0]}, {prefs->auto_save_color, checks_[1]},
            {prefs->close_like_tv, checks_[2]}, {prefs->show_splash, checks_[3]},
            {prefs->tray_mode, nullptr}, {prefs->confirm_exit, checks_[4]}};
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
        tray_[memory_.loaded]->setChecked(true);
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
    const std::array<int, 6> values {widgets::check_value(checks_[0]),
        widgets::check_value(checks_[1]), widgets::check_value(checks_[2]),
        widgets::check_value(checks_[3]), memory_.chosen, widgets::check_value(checks_[4])};
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
        if (tray_[i]->isChecked()) {
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
