#pragma once

#include "core/color.h"
#include "core/vision.h"
#include "station/station_view.h"
#include "editing/editing.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>

namespace station {

// The main window's two copy options, which the station's copies follow.
struct CopyOptions {
    bool hash_prefix = false;
    bool alert = true;
};

// The Color Matching Station: a sample of background, object and text, and one set of
// editing controls for whichever of the three is selected.
class Form3 : public QMainWindow, public editing::EditingWindow {
    Q_OBJECT
public:
    Form3(platform::Platform& platform, QString station_prefs_file,
        std::function<CopyOptions()> copy_options);

    // EditingWindow: the selected target's colour and the operations on it, shared with
    // the main window.
    editing::ChannelEditor& channel_editor() const override { return *channels_; }
    QWidget* widget() override { return this; }
    platform::Platform& platform() override { return platform_; }

    const Form3View& view() const { return view_; }
    QScrollBar* CLR(int channel) const { return view_.CLR[channel]; }
    QLineEdit* channelBox(int channel) const { return view_.channel_box(channel); }
    QRadioButton* Option(Target t) const { return view_.option(t); }

    // The three target colours and the selected target.
    const Theme& theme() const { return theme_; }
    QColor target_color(Target t) const { return widgets::to_qcolor(theme_.color(t)); }
    int target_value(Target t) const { return core::color_value(theme_.color(t)); }
    Target selected_target() const { return theme_.target(); }
    // Selects a target as a click on its option button does.
    void select_target(Target t);
    // Selects a target and sets its colour through the editing controls.
    void set_target_color(Target t, const core::Rgb& c);
    // Text on a background: the background first, then the text, left selected.
    void set_pair(const core::Rgb& text, const core::Rgb& background);

    // Takes a CSS colour text into the selected target as Paste CSS Color does (a drop);
    // the object and the text are flattened onto the background, the background onto
    // white. False, after its message, when it is refused.
    bool apply_css_text(const QString& text);

    // Loads a theme file as if it had been chosen in the Load Saved Theme dialog; false,
    // with the reason, when it could not be read or is damaged (then nothing changes).
    bool load_theme_file(const QString& path, QString* reason = nullptr);
    // Writes the station's preferences file, as closing the station does.
    void saveprefs();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:

    void connect_controls();
    void connect_menus();

    // Handlers and procedures.
    void CLR_Change();
    void Option_Click(Target t);
    void settool();
    void scrollbarfixer(int color);
    static std::optional<core::Rgb> returnrgb(const QByteArray& hex);
    void get_hex(Target t, int color);
    void Command5_Click();
    void pastehex_Click();
    void Command4_Click();
    void Check1_Click();
    void autosafe_toggle(bool checked);
    void Command3_Click();
    void Check2_Click();
    void hidetxt_toggle(bool checked);
    void oval_toggle(bool checked);
    void samptxtfont_Click();
    void staytop_toggle(bool checked);
    void Command2_Click();
    void copy_hex(Target t);
    void copy_rgb(Target t);
    void striphex(int color);
    void copyrgb(int red, int green, int blue);
    void savetheme();
    void opentheme();
    void newtheme();
    void openprefs();

    // The contrast lab (station_contrast.cpp).
    void build_contrast();
    void update_contrast();
    void suggest_contrast(int need_hundredths, bool object_level);
    void set_vision(core::Vision v);

    Form3View view_;
    Theme theme_;
    editing::ChannelEditor* channels_ = nullptr;
    platform::Platform& platform_;
    QString prefs_file_;
    std::function<CopyOptions()> copy_options_;
    core::Rgb buffer_; // the channel buffer
    std::array<QString, 3> slots_; // the target code slots
    int change_depth_ = 0; // CLR_Change runs in progress, nested ones included
};

} // namespace station
