#pragma once

// The main window's controls and menus, built once and held by their names. Behaviour
// lives in Form1; this class only makes, names, lays out and colours what is shown.

#include "editing/channel_editor.h"
#include "widgets/controls.h"
#include "editing/css_commands.h"

#include <QFont>

#include <array>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QScrollBar;
class QWidget;

namespace editor {

class ContrastInfo;
class RecentColors;

// The copy-alert option's holder. The settings file keeps it as 0, 1 or 2 like a check
// box's value, but it is never shown, so it is a value rather than a control.
class HiddenCheck {
public:
    int value() const { return value_; }
    // Takes 0, 1 or 2; any other value is refused (false) and the old one kept.
    bool set(int value);

private:
    int value_ = 1;
};

class Form1View {
public:
    void setup(QMainWindow* window);
    // The fixed caption and box colours made legible on the desktop's palette; again when it
    // changes.
    void apply_colors();
    // Shows a text on the information line within its steady width: the distance in
    // brackets is dropped first, then the end is elided.
    void show_info(const QString& text);

    QLineEdit* box(int channel) const
    {
        return channel == 0 ? Text1 : channel == 1 ? Text2 : Text3;
    }

    // "Choose Color"
    QGroupBox* Frame1 = nullptr;
    std::array<QScrollBar*, 3> CLR {};
    QLabel* Label7 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    widgets::ShapeWidget* Shape1 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    widgets::ValueCheckBox* Check2 = nullptr;

    // "RGB Values"
    QGroupBox* Frame3 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;

    // "Enter Hex Code"
    QGroupBox* Frame4 = nullptr;
    QLineEdit* Text4 = nullptr;
    QPushButton* Command5 = nullptr;

    // The uncaptioned frame: code, copy, load, save and the "#" option.
    QGroupBox* Frame2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command2 = nullptr;
    widgets::ValueCheckBox* Check1 = nullptr;
    HiddenCheck Check3;

    QWidget* imgIcon = nullptr;
    QPushButton* Command9 = nullptr;

    // Additions: the information line, Pick from Screen and the recent colours.
    QLabel* cssInfo = nullptr;
    QPushButton* pickScreen = nullptr;
    RecentColors* recent = nullptr;
    ContrastInfo* contrastInfo = nullptr; // the colour's contrast on white and on black
    // The switch to HSL or OKLCH and its three bars, under the red, green and blue ones.
    editing::ModelBarsView modelBars;

    // File
    QMenu* File = nullptr;
    QAction* newcolor = nullptr;
    QAction* openrgb = nullptr;
    QAction* savergb = nullptr;
    QMenu* copy = nullptr;
    QAction* copyhex = nullptr;
    QAction* copyrgbvalues = nullptr;
    editing::CssCopyMenu copycss;
    QAction* safepal_file = nullptr;
    QAction* autosafef = nullptr;
    QAction* choosecolor_file = nullptr;
    QAction* exit = nullptr;
    // Commands
    QMenu* commands = nullptr;
    QAction* pastehex = nullptr;
    QAction* pastecss = nullptr;
    QAction* pickscreen = nullptr;
    QAction* addtopalette = nullptr; // addition: Commands > Add to Palette
    QMenu* sendcolortomatcher = nullptr;
    QAction* cmbackground = nullptr;
    QAction* cmobject = nullptr;
    QAction* cmtext = nullptr;
    // Settings
    QMenu* options = nullptr;
    QAction* numsign = nullptr;
    QAction* copyalert = nullptr;
    QAction* staytop = nullptr;
    QAction* prefs = nullptr;
    editing::ModelMenu channelModel; // Additions: Edit Channels As (F8)
    // Tools
    QMenu* othertoolz = nullptr;
    QAction* match = nullptr;
    QAction* palette = nullptr; // addition: Tools > Palette
    // Presets, in the order of the preset table
    QMenu* presets = nullptr;
    QAction* black = nullptr;
    QAction* White = nullptr;
    QAction* blue = nullptr;
    QAction* brown = nullptr;
    QAction* gold = nullptr;
    QAction* gray = nullptr;
    QAction* green = nullptr;
    QAction* orange = nullptr;
    QAction* red = nullptr;
    QAction* violet = nullptr;
    QAction* yellow = nullptr;
    std::array<QAction*, 11> preset_items() const
    {
        return {black, White, blue, brown, gold, gray, green, orange, red, violet, yellow};
    }
    // Help
    QMenu* othertools = nullptr;
    QAction* viewhelptopics = nullptr;
    QAction* readmetxt = nullptr;
    QMenu* onweb = nullptr;
    QAction* hexwebsite = nullptr;
    QAction* about = nullptr;
    // The right-click menu
    QMenu* rightclik = nullptr;
    QMenu* copy_right = nullptr;
    QAction* copyhex_right = nullptr;
    QAction* copyrgb_right = nullptr;
    editing::CssCopyMenu copycss_right;
    QAction* safepalette_right = nullptr;
    QAction* autosafe_right = nullptr;
    QAction* colorspec_right = nullptr;
    QAction* pickscreen_right = nullptr;
    QAction* colormatcher_right = nullptr;
    QAction* numsign_right = nullptr;
    QAction* alertcopy_right = nullptr;
    QAction* stayontopr = nullptr;

private:
    void build_controls(QMainWindow* window);
    void build_menus(QMainWindow* window);

    // Character widths in the information line's font, for show_info.
    std::array<int, 128> advances_ {};
    std::optional<QFont> advances_font_;
};

// Command7's caption while Auto Safe is off; the blanks leave room for Check2 on it.
inline const char kSafeCaption[] = "       &Safe Palette";

} // namespace editor
