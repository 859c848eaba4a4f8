#pragma once

// The Palette window: the colours of a site together, each with a name, every pair's
// contrast, shade scales, and the files a web project takes. It is made on first use.

#include "core/color.h"
#include "palette/palette_models.h"
#include "storage/palette_files.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QActionGroup;
class QCheckBox;
class QDialog;
class QLabel;
class QListView;
class QMenu;
class QTableView;

namespace platform {
class Platform;
}

namespace palette {

// What the window asks of the editing windows; the main window fills these in.
struct Hooks {
    std::function<core::Rgb()> main_color;
    // A station target's colour (0 background, 1 object, 2 text); the station opens as needed.
    std::function<core::Rgb(int target)> station_color;
    std::function<void(const core::Rgb&)> apply_to_main;
    std::function<void(int target, const core::Rgb&)> send_to_station;
    // Shows a pair in the station: text on background.
    std::function<void(const core::Rgb& text, const core::Rgb& background)> open_pair;
    // The same for a station already open, without bringing it forward: the pair follows
    // the cell selected in the grid.
    std::function<void(const core::Rgb& text, const core::Rgb& background)> follow_pair;
};

// The small file that names the palette used last: one line, the path, UTF-8.
inline const char kLastPaletteFile[] = "palette-last.txt";
// The palette used when none was chosen yet, in the settings folder.
inline const char kDefaultPaletteFile[] = "palette.json";

class PaletteWindow : public QMainWindow {
    Q_OBJECT
public:
    PaletteWindow(platform::Platform& platform, QString config_folder, Hooks hooks,
        QWidget* parent = nullptr);

    // Opens a palette file; a bad file is told and changes nothing.
    bool open_file(const QString& path);
    // Adds a colour at the end (or after the selection), named after its nearest CSS name.
    void add_color(const core::Rgb& c);
    // Imports colours from a file of any kind the import reads; a bad file changes nothing.
    bool import_file(const QString& path);
    // Writes an export; false (and a message) when it could not be written.
    bool export_file(storage::ExportFormat format, const QString& path);
    // Opens the shade scale of the selected colour; the dialog stays open beside the window.
    QDialog* show_shades();

    PaletteDocument& document() { return doc_; }
    QString file() const { return path_; }
    QListView* list() const { return list_; }
    QTableView* grid() const { return grid_; }
    PairModel* pairs() const { return pairs_; }
    PairFilter* pair_filter() const { return filter_; }
    QCheckBox* aa_only() const { return aa_only_; }
    int current_row() const;

    // Menu items, named for tests and screen readers.
    struct Actions {
        QAction *new_palette, *open, *save_as, *import, *close;
        std::array<QAction*, 6> exports;
        std::array<QAction*, 6> forms;
        QAction *undo, *redo, *add_main, *paste, *rename, *remove, *up, *down, *shades;
        std::array<QAction*, 3> add_station;
        QAction* apply;
        std::array<QAction*, 3> send;
        QAction* open_pair;
    };
    const Actions& actions() const { return a_; }

private:
    void build_menus();
    void on_changed(int select);
    void save();
    void remember_last();
    void show_error(const QString& text, const QString& title);
    // Whether the palette shown may be left: always, unless its changes could not be saved
    // and the user would rather keep them.
    bool may_leave();
    void paste();
    void new_palette();
    void open_dialog();
    void save_as();
    void import_dialog();
    void export_dialog(storage::ExportFormat format);
    void open_selected_pair() { send_selected_pair(hooks_.open_pair); }
    void follow_selected_pair() { send_selected_pair(hooks_.follow_pair); }
    void send_selected_pair(
        const std::function<void(const core::Rgb& text, const core::Rgb& background)>& hook);
    std::optional<core::Rgb> selected_color() const;
    QString default_path() const;

    platform::Platform& platform_;
    QString folder_;
    Hooks hooks_;
    PaletteDocument doc_;
    QString path_;
    bool save_failed_ = false;
    bool loading_ = false;
    storage::CssForm form_ = storage::CssForm::Hex;
    SwatchModel* swatches_ = nullptr;
    PairModel* pairs_ = nullptr;
    PairFilter* filter_ = nullptr;
    QListView* list_ = nullptr;
    QTableView* grid_ = nullptr;
    QCheckBox* aa_only_ = nullptr;
    QLabel* pair_count_ = nullptr;
    QPointer<QDialog> shades_;
    Actions a_ {};
};

} // namespace palette
