#pragma once

#include "core/version.h"
#include "widgets/editing.h"
#include "shell/prefs_dialog.h"
#include "shell/readme_viewer.h"
#include "shell/splash.h"
#include "station/form3.h"
#include "storage/config_folder.h"
#include "storage/preferences.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include <array>
#include <functional>
#include <memory>

namespace shell {
class WindowModes;
} // namespace shell

namespace editor {

inline const char kMainTitle[] = "Pigmentor " PIGMENTOR_VERSION " - by the Pigmentor developers";

// The main window: one colour held in three scroll bars, and everything around it.
class Form1 : public QMainWindow, public editing::EditingWindow, public shell::PrefsHost {
    Q_OBJECT
public:
    Form1(platform::Platform& platform, storage::ConfigFolder folder);
    ~Form1() override;

    // The load: preferences, settings, station, tray. Runs once, before the first show.
    void Form_Load();

    // EditingWindow
    QScrollBar* CLR(int channel) const override { return clr_[channel]; }
    QLineEdit* channelBox(int channel) const override { return text_[channel]; }
    editing::CommonDialog& CommonDialog1() override { return dialog_; }
    QWidget* widget() override { return this; }
    platform::Platform& platform() override { return platform_; }

    // PrefsHost
    QWidget* mainWindow() override { return this; }
    bool staysOnTop() const override;
    storage::PreferenceTable& preferences() override { return prefs_; }
    void applyTrayMode(int mode) override;
    QString prefsFile() const override { return folder_.prefs_file(); }

    // Colour state and synchronisation.
    void CLR_Change();
    void psets(int red, int green, int blue);
    void Command5_Click();
    void pastehex_Click();
    void Command6_Click();
    void Command7_Click();
    void Check2_Click();
    void autosafe_toggle(bool checked);

    // Copies and their options.
    void copythehex();
    void copyrgb();
    void Check1_Click();
    void numsign_toggle(bool checked);
    void copyalert_toggle(bool checked);

    // Files.
    void get_save_rgb();
    QByteArray saved_color_text() const { return saved_color_text_; }
    void savecolor();
    void opencolor();
    void openprefs();
    void opensettings();
    void savesettings();

    // Station.
    station::Form3* show_station();
    station::Form3* station() const { return station_; }
    void send_to_matcher(station::Target target);

    // Window modes, help and exit.
    void staytop_toggle(bool checked);
    void prefs_Click();
    void readmetxt_Click();
    void about_Click();
    bool close_request();
    void unload();
    void exitall();
    shell::WindowModes* window_modes() const { return modes_; }
    shell::Form2* readme_viewer() const { return readme_; }
    shell::prefres* prefs_dialog() const { return prefs_dialog_; }
    shell::Splashscreen* about_box() const { return about_; }
    // What ends the process at the end of the exit; tests replace it.
    void set_process_end(std::function<void()> end) { end_process_ = std::move(end); }

    // Controls by their names.
    QLabel* Label1() const { return label1_; }
    QLineEdit* Text4() const { return text4_; }
    widgets::ShapeWidget* Shape1() const { return shape1_; }
    widgets::ValueCheckBox* Check1() const { return check1_; }
    widgets::ValueCheckBox* Check2() const { return check2_; }
    widgets::ValueCheckBox* Check3() const { return check3_; }
    QPushButton* button(const char* name) const;
    QAction* action(const char* name) const;
    QGroupBox* frame(const char* name) const;
    QMenu* rightclik() const { return rightclik_; }
    QPushButton* default_button() const { return default_button_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_controls();
    void build_menus();
    void show_message(const core::Message& m);

    platform::Platform& platform_;
    storage::ConfigFolder folder_;
    storage::PreferenceTable prefs_;
    shell::TrayModeMemory tray_memory_;
    editing::CommonDialog dialog_;
    QByteArray saved_color_text_;
    std::function<void()> end_process_;
    bool unloading_ = false;

    std::array<QScrollBar*, 3> clr_ {};
    std::array<QLineEdit*, 3> text_ {};
    QLineEdit* text4_ = nullptr;
    QLabel* label1_ = nullptr;
    widgets::ShapeWidget* shape1_ = nullptr;
    widgets::ValueCheckBox* check1_ = nullptr;
    widgets::ValueCheckBox* check2_ = nullptr;
    widgets::ValueCheckBox* check3_ = nullptr;
    QPushButton* command5_ = nullptr;
    QPushButton* default_button_ = nullptr;
    QMenu* rightclik_ = nullptr;
    shell::WindowModes* modes_ = nullptr;

    QPointer<station::Form3> station_;
    QPointer<shell::Form2> readme_;
    QPointer<shell::prefres> prefs_dialog_;
    QPointer<shell::Splashscreen> about_;
};

} // namespace editor
