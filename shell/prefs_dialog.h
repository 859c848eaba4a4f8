#pragma once

#include "shell/prefs_view.h"

#include <QDialog>
#include <QPointer>
#include <QPushButton>

#include <array>
#include <functional>

namespace platform {
class Platform;
}

namespace storage {
class PreferenceTable;
}

namespace shell {

// What the dialog needs of the main window.
class PrefsHost {
public:
    virtual ~PrefsHost() = default;
    virtual QWidget* mainWindow() = 0;
    virtual bool staysOnTop() const = 0;
    virtual storage::PreferenceTable& preferences() = 0;
    virtual void applyTrayMode(int mode) = 0;
    virtual QString prefsFile() const = 0;
    virtual platform::Platform& platform() = 0;
};

// The tray modes the dialog last loaded and saved; kept from one opening to the next.
struct TrayModeMemory {
    int loaded = 0;
    int chosen = 0;
};

class prefres : public QDialog {
    Q_OBJECT
public:
    prefres(PrefsHost& host, TrayModeMemory& memory);

    void load();
    void Command1_Click();
    void Command2_Click();

    const PrefsView& view() const { return view_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void openprefs();
    // False, after a message that says why, when the file could not be written.
    bool saveprefs();
    void release_main_window();

    PrefsHost& host_;
    QPointer<QWidget> main_; // gone when the program ends with the dialog open
    TrayModeMemory& memory_;
    PrefsView view_;
    bool released_ = false;
};

} // namespace shell
