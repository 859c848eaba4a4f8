#pragma once

// The controls and menus of the Color Matching Station, built once and laid out from their
// content. Behaviour lives in Form3; this class only makes, names and places.

#include "station/contrast_panel.h"
#include "station/target.h"
#include "station/theme.h"
#include "editing/channel_editor.h"
#include "widgets/controls.h"
#include "editing/css_commands.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <array>

namespace station {

class Form3View {
public:
    // Builds every control and menu into the window and fixes the window at its layout's size.
    void setup(QMainWindow* window);
    // Fixes the window's size to what its content asks; again when the extra bars come or go.
    void fit(QMainWindow* window);

    // Text colours of the coloured captions and boxes, made legible on the current palette.
    void apply_colors();

    QLineEdit* channel_box(int channel) const;
    QRadioButton* option(Target t) const;
    // Draws a target's colour in the sample (the fills of the two shapes and the colour of
    // the sample text) and tells readers the theme's three codes.
    void show_sample(const Theme& theme, Target t);

    QWidget* client = nullptr;

    // Additions: the status line, which tells what a translucent colour taken in
    // was flattened onto.
    QLabel* cssNote = nullptr;

    // Frames.
    QGroupBox* Frame1 = nullptr; // the sample and the editing controls
    QGroupBox* Frame4 = nullptr; // RGB Values
    QGroupBox* Frame5 = nullptr; // Change Text
    QGroupBox* Frame6 = nullptr; // Enter Hex Code

    // The sample: background, object above it, text above both.
    widgets::ShapeWidget* Shape1 = nullptr;
    widgets::ShapeWidget* Shape2 = nullptr;
    QLabel* Label3 = nullptr;

    // Under the sample: the contrast of its three pairs; and the Contrast menu.
    ContrastPanel* contrastPanel = nullptr;
    // The switch to HSL or OKLCH and its three bars, under the red, green and blue ones.
    editing::ModelBarsView modelBars;
    ContrastMenu contrast_menu;

    // Targets.
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;

    // Editing controls.
    std::array<QScrollBar*, 3> CLR {};
    QLabel* Label7 = nullptr; // Red
    QLabel* Label4 = nullptr; // Green
    QLabel* Label5 = nullptr; // Blue
    QFrame* Shape3 = nullptr; // the border round the hex display
    QLabel* Label2 = nullptr; // Hex Code:
    QLabel* Label1 = nullptr; // the hex display
    QPushButton* Command2 = nullptr; // Copy
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr; // the sample text
    QLineEdit* Text7 = nullptr; // the hex entry box
    QPushButton* Command5 = nullptr; // Go

    // The command column.
    QPushButton* Command3 = nullptr; // Color Picker...
    QPushButton* Command4 = nullptr; // Safe Palette
    QPushButton* Command1 = nullptr; // Change text font
    widgets::ValueCheckBox* Check1 = nullptr; // Auto Safe
    widgets::ValueCheckBox* Check2 = nullptr; // Hide Text
    QPushButton* Command6 = nullptr; // Close

    // File menu.
    QMenu* file = nullptr;
    QAction* newtheme = nullptr;
    QAction* load_color = nullptr;
    QAction* save_color = nullptr;
    QMenu* copymenu = nullptr;
    QAction* backhex = nullptr;
    QAction* objecthex = nullptr;
    QAction* texthexcopy = nullptr;
    QAction* bakrgb = nullptr;
    QAction* objrgb = nullptr;
    QAction* textrgb = nullptr;
    QAction* safep = nullptr;
    QAction* autosafep = nullptr;
    QAction* choosec = nullptr;
    QAction* pastehex = nullptr;
    // Additions: CSS copies of each target, CSS paste and Pick from Screen.
    QMenu* copycss = nullptr;
    std::array<editing::CssCopyMenu, 3> css {};
    QAction* pastecss = nullptr;
    QAction* pickscreen = nullptr;
    QAction* addtopalette = nullptr; // addition; the main window gives it its behaviour
    QAction* exit = nullptr;

    // Options menu.
    QMenu* settings = nullptr;
    QAction* staytop = nullptr;
    QAction* oval = nullptr;
    QAction* hidetxt = nullptr;
    QAction* samptxtfont = nullptr;
    editing::ModelMenu channelModel; // Additions: Edit Channels As (F8)

    // Presets menu, in the order of the preset table.
    QMenu* presets = nullptr;
    std::array<QAction*, 11> preset_items {};

    // The right-click menu.
    QMenu* rightclik = nullptr;
    QMenu* copy_right = nullptr;
    QAction* backhexr = nullptr;
    QAction* objecthexr = nullptr;
    QAction* texthexcopyr = nullptr;
    QAction* right_bakrgb = nullptr;
    QAction* right_objectrgb = nullptr;
    QAction* right_textrgb = nullptr;
    QMenu* copycss_right = nullptr;
    std::array<editing::CssCopyMenu, 3> css_right {};
    QAction* safepalr = nullptr;
    QAction* autosafepr = nullptr;
    QAction* choosecolorr = nullptr;
    QAction* stayontopr = nullptr;

    // The Copy button's menu.
    QMenu* copymenur = nullptr;
    QAction* bakhexcode = nullptr;
    QAction* objhexcode = nullptr;
    QAction* texthexcode = nullptr;

private:
    void build_controls(QMainWindow* window);
    void build_layouts();
    void build_menus(QMainWindow* window);
    void name_for_readers();
    void set_tab_order();
};

} // namespace station
