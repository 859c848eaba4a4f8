#pragma once

#include "core/version.h"
#include "editor/main_window_view.h"
#include "palette/palette_window.h"
#include "shell/prefs_dialog.h"
#include "shell/readme_viewer.h"
#include "shell/splash.h"
#include "station/station.h"
#include "storage/config_folder.h"
#include "storage/preferences.h"
#include "editing/editing.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <vector>

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

    // Loads a colour file exactly as if it had been chosen in the Load dialog; false, with
    // the reason, when it could not be read or holds no whole colour (the channels read
    // before a bad one are set all the same).
    bool load_color_file(const QString& path, QString* reason = nullptr);
    // Writes red, then green, then blue, each write running the change handling.
    void psets(int red, int green, int blue);
    // Takes a CSS colour text as Paste CSS Color does (the command line's --color, a
    // drop); false, after its message, when it is refused.
    bool apply_css_text(const QString& text);
    // Opens the station, or brings the open one forward.
    station::Form3* show_station();
    // The open station as it is, or a new one shown and brought to the front.
    station::Form3* station_to_send_to();
    // Opens the Palette window (made on first use), or brings it forward.
    palette::PaletteWindow* show_palette();
    palette::PaletteWindow* palette_window() const { return palette_; }
    void readmetxt_Click();
    // Additions for a session that ends under the program: writes what Exit writes (the
    // settings, and the station's preferences when it is open) without closing anything,
    // once the exit has not done so already...
    void write_settings_now();
    // ...and ends the program as Exit does, without asking and without the animation.
    void end_session();

    const Form1View& view() const { return view_; }
    QScrollBar* CLR(int channel) const { return view_.CLR[channel]; }
    QLineEdit* channelBox(int channel) const { return view_.box(channel); }
    station::Form3* station() const { return station_; }
    shell::WindowModes* window_modes() const { return modes_; }
    shell::Form2* readme_viewer() const { return readme_; }
    shell::prefres* prefs_dialog() const { return prefs_dialog_; }
    // What ends the process at the end of the exit; tests replace it.
    void set_process_end(std::function<void()> end) { end_process_ = std::move(end); }

    // EditingWindow: the colour and the operations on it, shared with the station.
    editing::ChannelEditor& channel_editor() const override { return *channels_; }
    QWidget* widget() override { return this; }
    platform::Platform& platform() override { return platform_; }

    // PrefsHost
    QWidget* mainWindow() override { return this; }
    bool staysOnTop() const override;
    storage::PreferenceTable& preferences() override { return prefs_; }
    void applyTrayMode(int mode) override;
    QString prefsFile() const override { return folder_.prefs_file(); }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connect_controls();
    void connect_menus();

    // Colour state and synchronisation.
    void CLR_Change();
    void Command5_Click();
    void pastehex_Click();
    void Command6_Click();
    void Command7_Click();
    void Check2_Click();
    void autosafe_toggle(bool checked);
    // Copies and their options.
    void copythehex();
    // The hex copy of a code with the "#" and alert options; the colour joins the recent ones.
    void copy_hex(const std::string& code, const core::Rgb& color);
    void copyrgb();
    void Check1_Click();
    void numsign_toggle(bool checked);
    void copyalert_toggle(bool checked);
    // Additions: CSS copies and paste, Pick from Screen and the recent colours
    // (main_window_tools.cpp).
    void connect_tools();
    void pastecss_Click();
    void pickscreen_Click();
    void remember_color();
    // Files.
    void savecolor();
    void opencolor();
    void set_bars(const std::vector<int>& channels);
    void openprefs();
    void opensettings();
    void savesettings();
    // Station, window modes, help and exit.
    void send_to_matcher(station::Target target);
    void staytop_toggle(bool checked);
    void prefs_Click();
    void about_Click();
    bool close_request();
    void unload();
    void exitall();

    platform::Platform& platform_;
    storage::ConfigFolder folder_;
    storage::PreferenceTable prefs_;
    shell::TrayModeMemory tray_memory_;
    Form1View view_;
    editing::ChannelEditor* channels_ = nullptr;
    std::function<void()> end_process_;
    bool unloading_ = false;
    QPushButton* default_button_ = nullptr;
    shell::WindowModes* modes_ = nullptr;

    QPointer<station::Form3> station_;
    QPointer<palette::PaletteWindow> palette_;
    QPointer<shell::Form2> readme_;
    QPointer<shell::prefres> prefs_dialog_;
    QPointer<shell::Splashscreen> about_;
};

} // namespace editor
