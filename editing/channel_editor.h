#pragma once

// The editing both colour windows share, written once: the colour and what can be done to
// it (set, snap to the Safe Palette, Auto Safe, paste or type a hex code, the colour
// dialog), and, as additions, three more bars that edit the same colour as HSL or OKLCH.
//
// The colour is held by the three red, green and blue scroll bars and every change goes
// through them, red first, so that each change runs the window's change handling in the
// usual nested order (boxes, code, preview, Auto Safe); the window calls sync() at the end
// of that handling, and the editor then tells its listeners once with changed().

#include "core/color.h"
#include "core/entry.h"
#include "editing/editing.h"

#include <QFont>
#include <QObject>
#include <QScrollBar>

#include <array>
#include <optional>

class QActionGroup;
class QPushButton;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;

namespace editing {

// How the extra bars show the colour. RGB shows none of them: the red, green and blue
// bars are always there.
enum class ChannelModel { Rgb, Hsl, Oklch };

const char* model_name(ChannelModel m); // "RGB", "HSL", "OKLCH"
std::optional<ChannelModel> model_from_name(const QByteArray& name);

// One component of a model as its bar shows it: range in bar units, the unit's size in
// the component's own terms, and how a screen reader says a value.
struct Component {
    const char* name; // "Hue"
    int maximum; // bar units
    double unit; // one bar unit in the component's units (0.001 for chroma)
    int decimals; // of the box
    const char* suffix; // of the box: "°", " %" or ""
    const char* spoken_unit; // "degrees", "percent" or ""
};
const std::array<Component, 3>& components(ChannelModel m);

// The three components of a colour in a model, in bar units, unrounded. A grey gives hue
// 0; callers keep their own.
std::array<double, 3> to_components(ChannelModel m, const core::Rgb& c);
// The colour of components given in bar units; an OKLCH chroma outside sRGB is reduced
// to the largest the screen shows at that lightness and hue. in_gamut tells whether it had
// to be.
core::Rgb from_components(ChannelModel m, const std::array<double, 3>& v, bool* in_gamut = nullptr);

// "Hue 210 degrees", "Chroma 0.150".
QString spoken_value(ChannelModel m, int component, int bar_value);

// A model bar: steps of 1 and 10 units, following the thumb while it is dragged, its
// trough painted with the colours it would give, hatched where they lie outside sRGB.
class ModelBar : public QScrollBar {
public:
    using Painter = std::function<core::Rgb(double fraction, bool* in_gamut)>;
    explicit ModelBar(QWidget* parent = nullptr);
    void setTrough(Painter painter) { trough_ = std::move(painter); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter trough_;
};

// The switch and the extra bars, as the window's view holds them. The bars, their
// captions and boxes are made the first time a model other than RGB is chosen.
struct ModelBarsView {
    // The switch beside the bars: a button named "Edit channels as" that shows the model
    // and pops up the window's Edit Channels As menu.
    QPushButton* modelSwitch = nullptr;
    QGridLayout* grid = nullptr; // where the bars go: caption, bar, box per row
    int first_row = 0;
    std::array<QLabel*, 3> caption {};
    std::array<ModelBar*, 3> bar {};
    std::array<QDoubleSpinBox*, 3> box {};

    QFont caption_font;

    // Makes the switch; the bars will be added to grid from first_row on, their captions
    // in the font of the red, green and blue ones.
    void setup(QWidget* parent, QGridLayout* bars_grid, int row, const QFont& captions);
    bool built() const { return bar[0] != nullptr; }
    void build();
};

// The "Edit Channels As" submenu: RGB, HSL, OKLCH and the next model (F8).
struct ModelMenu {
    QMenu* menu = nullptr;
    QActionGroup* group = nullptr;
    std::array<QAction*, 3> model {}; // in the order of ChannelModel
    QAction* next = nullptr;
};
ModelMenu add_model_menu(QMenu* parent, const QString& suffix, bool with_shortcut);

// The controls that hold and show a window's colour.
struct ChannelControls {
    std::array<QScrollBar*, 3> bars {}; // red, green, blue: they hold the colour
    std::array<QLineEdit*, 3> boxes {}; // the channel boxes
    QLineEdit* hex_box = nullptr; // where a code is typed
    QLabel* code_label = nullptr; // the code of the colour shown
    ModelBarsView* model_bars = nullptr;
};

// A window's colour and everything that can be done to it. Nothing else writes the bars.
class ChannelEditor : public QObject {
    Q_OBJECT
public:
    ChannelEditor(EditingWindow& window, const ChannelControls& controls, QObject* parent);

    const ChannelControls& controls() const { return c_; }

    // The colour the bars hold; halfway through a write, the channels written so far.
    core::Rgb color() const;
    // Writes red, then green, then blue; each write that changes a bar runs the window's
    // change handling before the next one.
    void setColor(const core::Rgb& c);
    // Snaps each channel in turn to the Safe Palette.
    void applySafe();
    // Auto Safe on: snaps the colour to the Safe Palette, then makes the bars step by 51
    // and the channel boxes read-only. Off: steps of 1 and 7, boxes editable again.
    void setAutoSafe(bool on);
    // Opens the colour dialog at the colour shown; on cancel the colour stays.
    void pickColor();
    // The text-changed handling of a channel box.
    void channelBoxChanged(int channel);
    // Applies the code on the clipboard. A refusal shows its message and, unless the
    // clipboard held no text, puts the current code back into the hex box. Gives the
    // colour applied.
    std::optional<core::Rgb> pasteHex(core::Window which);
    // Shows the message of a refused entry (if any) and hands back the accepted colour.
    std::optional<core::Rgb> accept(const core::HexEntry& entry, core::Window which);

    ChannelModel model() const { return model_; }
    // Shows the extra bars for a model (none for RGB); modelChanged tells of a change.
    void setModel(ChannelModel m);
    void nextModel();
    // Ties a menu's items to the switch: they choose and show the model.
    void attachMenu(const ModelMenu& menu);

    // Called by the window at the end of its change handling, nested runs included. Once
    // the outermost write has ended, the extra bars follow and changed() is told: they
    // see only complete colours, never one written halfway.
    void sync();

signals:
    void changed(const core::Rgb& color);
    void modelChanged(ChannelModel model);

private:
    class WriteRun; // counts a run of writes and ends it
    void written();
    void componentMoved(int component, int bar_value);
    void refreshBars();
    void showModel();

    EditingWindow& window_;
    ChannelControls c_;
    ModelBarsView& bars_;
    int writes_ = 0; // runs of setColor and applySafe in progress, nested ones included
    std::vector<ModelMenu> menus_;
    ChannelModel model_ = ChannelModel::Rgb;
    std::array<double, 3> values_ {}; // the components shown, in bar units
    int held_ = -1; // the component being moved by the user, if any
    bool refreshing_ = false; // the bars are being set from the colour
};

} // namespace editing
