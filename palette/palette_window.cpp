#include "palette/palette_window.h"

#include "core/css.h"
#include "palette/shade_dialog.h"
#include "platform/platform.h"
#include "storage/files.h"
#include "widgets/controls.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

namespace palette {

namespace {

const char kTitle[] = "Palette";
const char* const kTargets[] = {"Background", "Object", "Text"};

struct ExportKind {
    storage::ExportFormat format;
    const char* name;
    const char* caption;
    const char* filter;
};
const ExportKind kExports[] = {
    {storage::ExportFormat::Css, "exportcss", "&CSS Custom Properties...", "CSS (*.css)"},
    {storage::ExportFormat::Scss, "exportscss", "&SCSS Variables...", "SCSS (*.scss)"},
    {storage::ExportFormat::Tokens, "exporttokens", "&Design Tokens (JSON)...", "Design tokens (*.tokens.json *.json)"},
    {storage::ExportFormat::Tailwind, "exporttailwind", "&Tailwind CSS Theme...", "CSS (*.css)"},
    {storage::ExportFormat::Gpl, "exportgpl", "&GIMP Palette...", "GIMP palette (*.gpl)"},
    {storage::ExportFormat::Text, "exporttext", "&Plain Text List...", "Text (*.txt)"},
};
const std::pair<storage::CssForm, const char*> kForms[] = {{storage::CssForm::Hex, "#rrggbb"},
    {storage::CssForm::ShortHex, "#rgb where possible"}, {storage::CssForm::Rgb, "rgb()"},
    {storage::CssForm::Hsl, "hsl()"}, {storage::CssForm::Oklch, "oklch()"},
    {storage::CssForm::Name, "Color name where there is one"}};

// "site" for site.palette.json and site.json.
QString palette_name(const QString& path)
{
    QString name = QFileInfo(path).fileName();
    for (const char* ending : {".palette.json", ".json"})
        if (name.endsWith(QLatin1String(ending), Qt::CaseInsensitive) && name.size() > int(qstrlen(ending)))
            return name.left(name.size() - int(qstrlen(ending)));
    return name;
}

} // namespace

PaletteWindow::PaletteWindow(
    platform::Platform& platform, QString config_folder, Hooks hooks, QWidget* parent)
    : QMainWindow(parent)
    , platform_(platform)
    , folder_(std::move(config_folder))
    , hooks_(std::move(hooks))
{
    setObjectName(QStringLiteral("palette"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    swatches_ = new SwatchModel(doc_, this);
    pairs_ = new PairModel(doc_, this);
    filter_ = new PairFilter(this);
    filter_->setSourceModel(pairs_);

    auto* splitter = new QSplitter(this);
    auto* left = new QWidget(splitter);
    auto* left_box = new QVBoxLayout(left);
    left_box->setContentsMargins(0, 0, 0, 0);
    auto* list_label = new QLabel(QStringLiteral("&Colors"), left);
    list_ = new QListView(left);
    list_->setObjectName(QStringLiteral("swatches"));
    list_->setAccessibleName(QStringLiteral("Colors"));
    list_label->setBuddy(list_);
    list_->setModel(swatches_);
    list_->setUniformItemSizes(true);
    const int line = fontMetrics().height();
    list_->setIconSize(QSize(line * 2, line * 2));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setDragDropMode(QAbstractItemView::DragDrop);
    list_->setDefaultDropAction(Qt::MoveAction);
    list_->setDropIndicatorShown(true);
    list_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    list_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("--brand-color-500")) * 2);
    left_box->addWidget(list_label);
    left_box->addWidget(list_);

    auto* right = new QWidget(splitter);
    auto* right_box = new QVBoxLayout(right);
    right_box->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    auto* grid_label = new QLabel(QStringLiteral("Contrast of every &pair (text on background)"), right);
    aa_only_ = new QCheckBox(QStringLiteral("Only pairs that pass &AA"), right);
    aa_only_->setObjectName(QStringLiteral("aaonly"));
    pair_count_ = new QLabel(right);
    pair_count_->setObjectName(QStringLiteral("paircount"));
    top->addWidget(grid_label);
    top->addStretch(1);
    top->addWidget(aa_only_);
    grid_ = new QTableView(right);
    grid_->setObjectName(QStringLiteral("pairs"));
    grid_->setAccessibleName(QStringLiteral("Contrast of every pair"));
    grid_label->setBuddy(grid_);
    grid_->setModel(filter_);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(line + line / 2);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    grid_->setSortingEnabled(true);
    const int name_width = fontMetrics().horizontalAdvance(QStringLiteral("--brand-color-50")) + line * 2;
    const int verdict_width = fontMetrics().horizontalAdvance(QStringLiteral("AAA large ")) + line;
    for (int c = 0; c < PairModel::Columns; ++c)
        grid_->setColumnWidth(c, c <= PairModel::Background ? name_width : verdict_width);
    grid_->setColumnWidth(PairModel::Sample, fontMetrics().horizontalAdvance(QStringLiteral("Aa Sample")) + line);
    right_box->addLayout(top);
    right_box->addWidget(grid_, 1);
    right_box->addWidget(pair_count_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({line * 20, line * 50});
    setCentralWidget(splitter);
    splitter->setContentsMargins(line / 2, line / 2, line / 2, line / 2);

    build_menus();
    connect(&doc_, &PaletteDocument::changed, this, &PaletteWindow::on_changed);
    connect(swatches_, &SwatchModel::refused, this,
        [this](const QString& why) { show_error(why, QString::fromLatin1(kTitle)); });
    connect(aa_only_, &QCheckBox::toggled, this, [this](bool on) {
        filter_->set_aa_only(on);
        on_changed(-2);
    });
    connect(list_, &QListView::activated, this, [this] {
        if (auto c = selected_color(); c && hooks_.apply_to_main)
            hooks_.apply_to_main(*c);
    });
    connect(grid_, &QTableView::activated, this, &PaletteWindow::open_selected_pair);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
        &PaletteWindow::follow_selected_pair);

    // The palette used last, or the one in the settings folder.
    QString last;
    if (const auto bytes = storage::read_small_file(QDir(folder_).filePath(QLatin1String(kLastPaletteFile))))
        last = QString::fromUtf8(storage::split_lines(*bytes).value(0)).trimmed();
    bool opened = !last.isEmpty() && QFileInfo::exists(last) && open_file(last);
    if (!opened && QFileInfo::exists(default_path()))
        opened = open_file(default_path());
    if (!opened) {
        // A file that could not be read is never written over: a fresh one is started.
        path_ = default_path();
        for (int n = 2; QFileInfo::exists(path_); ++n)
            path_ = QDir(folder_).filePath(QStringLiteral("palette-%1.json").arg(n));
        on_changed(-2);
    }
    resize(line * 60, line * 32);
}

QString PaletteWindow::default_path() const
{
    return QDir(folder_).filePath(QLatin1String(kDefaultPaletteFile));
}

void PaletteWindow::build_menus()
{
    using widgets::add_action;
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("palettefile"));
    a_.new_palette = add_action(file, "newpalette", QStringLiteral("&New Palette..."), QKeySequence(Qt::CTRL | Qt::Key_N));
    a_.open = add_action(file, "openpalette", QStringLiteral("&Open Palette..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    a_.save_as = add_action(file, "savepaletteas", QStringLiteral("Save Palette &As..."),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    a_.import = add_action(file, "importcolors", QStringLiteral("&Import Colors..."), QKeySequence(Qt::CTRL | Qt::Key_I));
    QMenu* exports = file->addMenu(QStringLiteral("&Export"));
    exports->setObjectName(QStringLiteral("export"));
    for (size_t i = 0; i < std::size(kExports); ++i) {
        a_.exports[i] = add_action(exports, kExports[i].name, QString::fromUtf8(kExports[i].caption));
        connect(a_.exports[i], &QAction::triggered, this, [this, i] { export_dialog(kExports[i].format); });
    }
    exports->addSeparator();
    QMenu* forms = exports->addMenu(QStringLiteral("Color &Form"));
    forms->setObjectName(QStringLiteral("colorform"));
    auto* group = new QActionGroup(this);
    for (size_t i = 0; i < std::size(kForms); ++i) {
        a_.forms[i] = forms->addAction(QString::fromUtf8(kForms[i].second));
        a_.forms[i]->setObjectName(QStringLiteral("form%1").arg(i));
        a_.forms[i]->setCheckable(true);
        a_.forms[i]->setChecked(i == 0);
        group->addAction(a_.forms[i]);
        connect(a_.forms[i], &QAction::triggered, this, [this, i] { form_ = kForms[i].first; });
    }
    file->addSeparator();
    a_.close = add_action(file, "closepalette", QStringLiteral("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("paletteedit"));
    a_.undo = doc_.undo_stack()->createUndoAction(this, QStringLiteral("&Undo"));
    a_.undo->setObjectName(QStringLiteral("undo"));
    a_.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    a_.redo = doc_.undo_stack()->createRedoAction(this, QStringLiteral("&Redo"));
    a_.redo->setObjectName(QStringLiteral("redo"));
    a_.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(a_.undo);
    edit->addAction(a_.redo);
    edit->addSeparator();
    a_.add_main = add_action(edit, "addmain", QStringLiteral("Add &Main Window Color"), QKeySequence(Qt::Key_Insert));
    QMenu* add_station = edit->addMenu(QStringLiteral("Add &Station Color"));
    add_station->setObjectName(QStringLiteral("addstation"));
    for (int t = 0; t < 3; ++t) {
        a_.add_station[size_t(t)] = add_action(add_station,
            QByteArray("add" + QByteArray(kTargets[t]).toLower()).constData(), QString::fromLatin1(kTargets[t]));
        connect(a_.add_station[size_t(t)], &QAction::triggered, this, [this, t] {
            if (hooks_.station_color)
                add_color(hooks_.station_color(t));
        });
    }
    a_.paste = add_action(edit, "pastecolors", QStringLiteral("&Paste CSS Colors"), QKeySequence(Qt::CTRL | Qt::Key_V));
    a_.paste->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_F2)});
    edit->addSeparator();
    a_.rename = add_action(edit, "renamecolor", QStringLiteral("Re&name"), QKeySequence(Qt::Key_F2));
    a_.remove = add_action(edit, "deletecolor", QStringLiteral("&Delete"), QKeySequence(Qt::Key_Delete));
    a_.up = add_action(edit, "moveup", QStringLiteral("M&ove Up"), QKeySequence(Qt::CTRL | Qt::Key_Up));
    a_.down = add_action(edit, "movedown", QStringLiteral("Move Do&wn"), QKeySequence(Qt::CTRL | Qt::Key_Down));
    edit->addSeparator();
    a_.shades = add_action(edit, "shadescale", QStringLiteral("S&hade Scale..."), QKeySequence(Qt::CTRL | Qt::Key_G));

    QMenu* color = menuBar()->addMenu(QStringLiteral("&Color"));
    color->setObjectName(QStringLiteral("palettecolor"));
    a_.apply = add_action(color, "applytomain", QStringLiteral("&Apply to Main Window"), QKeySequence(Qt::CTRL | Qt::Key_Return));
    QMenu* send = color->addMenu(QStringLiteral("&Send to Station"));
    send->setObjectName(QStringLiteral("sendtostation"));
    for (int t = 0; t < 3; ++t) {
        a_.send[size_t(t)] = add_action(send, QByteArray("send" + QByteArray(kTargets[t]).toLower()).constData(),
            QString::fromLatin1(kTargets[t]), QKeySequence(Qt::CTRL | (Qt::Key_1 + t)));
        connect(a_.send[size_t(t)], &QAction::triggered, this, [this, t] {
            if (auto c = selected_color(); c && hooks_.send_to_station)
                hooks_.send_to_station(t, *c);
        });
    }
    a_.open_pair = add_action(color, "openpair", QStringLiteral("Open &Pair in Station"), QKeySequence(Qt::CTRL | Qt::Key_T));

    connect(a_.new_palette, &QAction::triggered, this, &PaletteWindow::new_palette);
    connect(a_.open, &QAction::triggered, this, &PaletteWindow::open_dialog);
    connect(a_.save_as, &QAction::triggered, this, &PaletteWindow::save_as);
    connect(a_.import, &QAction::triggered, this, &PaletteWindow::import_dialog);
    connect(a_.close, &QAction::triggered, this, &QWidget::close);
    connect(a_.add_main, &QAction::triggered, this, [this] {
        if (hooks_.main_color)
            add_color(hooks_.main_color());
    });
    connect(a_.paste, &QAction::triggered, this, &PaletteWindow::paste);
    connect(a_.rename, &QAction::triggered, this, [this] {
        list_->setFocus();
        list_->edit(list_->currentIndex());
    });
    connect(a_.remove, &QAction::triggered, this, [this] {
        if (current_row() >= 0)
            doc_.remove({current_row()});
    });
    connect(a_.up, &QAction::triggered, this, [this] { doc_.move(current_row(), current_row() - 1); });
    connect(a_.down, &QAction::triggered, this, [this] { doc_.move(current_row(), current_row() + 1); });
    connect(a_.shades, &QAction::triggered, this, &PaletteWindow::show_shades);
    connect(a_.apply, &QAction::triggered, this, [this] {
        if (auto c = selected_color(); c && hooks_.apply_to_main)
            hooks_.apply_to_main(*c);
    });
    connect(a_.open_pair, &QAction::triggered, this, &PaletteWindow::open_selected_pair);
}

int PaletteWindow::current_row() const
{
    const QModelIndex i = list_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

std::optional<core::Rgb> PaletteWindow::selected_color() const
{
    const int row = current_row();
    if (row < 0 || row >= int(doc_.swatches().size()))
        return std::nullopt;
    return doc_.swatches()[size_t(row)].rgb;
}

void PaletteWindow::on_changed(int select)
{
    if (select >= -1) {
        if (select >= 0 && select < swatches_->rowCount())
            list_->setCurrentIndex(swatches_->index(select));
        if (!loading_)
            save();
    }
    const int n = int(doc_.swatches().size());
    const bool any = current_row() >= 0;
    for (QAction* a : {a_.rename, a_.remove, a_.shades, a_.apply, a_.send[0], a_.send[1], a_.send[2]})
        a->setEnabled(any);
    a_.up->setEnabled(any && current_row() > 0);
    a_.down->setEnabled(any && current_row() < n - 1);
    pair_count_->setText(aa_only_->isChecked()
            ? QStringLiteral("%1 of %2 pairs pass AA for normal text").arg(filter_->rowCount()).arg(pairs_->rowCount())
            : QStringLiteral("%1 colors, %2 pairs").arg(n).arg(pairs_->rowCount()));
    const QString name = doc_.title().isEmpty() ? palette_name(path_) : doc_.title();
    setWindowTitle(QStringLiteral("%1%2 - Palette").arg(save_failed_ ? QStringLiteral("*") : QString(), name));
}

void PaletteWindow::show_error(const QString& text, const QString& title)
{
    platform_.showMessage(this, text, title, core::Icon::Exclamation);
}

// Every change is kept at once: the palette's file is rewritten whole through a
// temporary file, so a failed write leaves the old file as it was.
void PaletteWindow::save()
{
    if (storage::write_file_atomically(path_, storage::palette_file_bytes(doc_.data()))) {
        save_failed_ = false;
        remember_last();
        return;
    }
    if (!save_failed_)
        show_error(QStringLiteral("The palette could not be saved to %1. Your changes are kept in this "
                                  "window; choose File > Save Palette As... to keep them in another file.")
                       .arg(QDir::toNativeSeparators(path_)),
            QString::fromLatin1(kTitle));
    save_failed_ = true;
}

void PaletteWindow::remember_last()
{
    storage::write_file_atomically(
        QDir(folder_).filePath(QLatin1String(kLastPaletteFile)), QFileInfo(path_).absoluteFilePath().toUtf8() + "\n");
}

bool PaletteWindow::may_leave()
{
    return !save_failed_
        || platform_.askYesNo(this,
            QStringLiteral("The changes to this palette could not be saved. Leave them and open "
                           "another palette?"),
            QString::fromLatin1(kTitle));
}

bool PaletteWindow::open_file(const QString& path)
{
    const storage::PaletteRead read = storage::read_palette(path, false);
    if (!read.palette) {
        show_error(QStringLiteral("The palette could not be opened.\n\n") + read.error, QString::fromLatin1(kTitle));
        return false;
    }
    if (!may_leave())
        return false;
    path_ = QFileInfo(path).absoluteFilePath();
    save_failed_ = false;
    loading_ = true;
    doc_.reset(*read.palette);
    loading_ = false;
    remember_last();
    return true;
}

void PaletteWindow::new_palette()
{
    if (!may_leave())
        return;
    QString name = platform_.saveFileName(this, QStringLiteral("New palette"), QFileInfo(path_).absolutePath(),
        QStringLiteral("Palettes (*.palette.json *.json)"));
    if (name.isEmpty())
        return;
    const storage::PaletteData empty {palette_name(name), {}};
    if (!storage::write_file_atomically(name, storage::palette_file_bytes(empty))) {
        show_error(QStringLiteral("The palette could not be made at %1.").arg(QDir::toNativeSeparators(name)),
            QString::fromLatin1(kTitle));
        return;
    }
    open_file(name);
}

void PaletteWindow::open_dialog()
{
    const QString name = platform_.openFileName(this, QStringLiteral("Open a palette"),
        QFileInfo(path_).absolutePath(), QStringLiteral("Palettes (*.palette.json *.json)"));
    if (!name.isEmpty())
        open_file(name);
}

void PaletteWindow::save_as()
{
    QString name = platform_.saveFileName(this, QStringLiteral("Save the palette as"),
        QFileInfo(path_).absolutePath(), QStringLiteral("Palettes (*.palette.json *.json)"));
    if (name.isEmpty())
        return;
    storage::PaletteData data = doc_.data();
    if (!storage::write_file_atomically(name, storage::palette_file_bytes(data))) {
        show_error(QStringLiteral("The palette could not be saved to %1.").arg(QDir::toNativeSeparators(name)),
            QString::fromLatin1(kTitle));
        return;
    }
    path_ = QFileInfo(name).absoluteFilePath();
    save_failed_ = false;
    remember_last();
    on_changed(-2);
}

bool PaletteWindow::import_file(const QString& path)
{
    const storage::PaletteRead read = storage::read_palette(path, true);
    if (!read.palette) {
        show_error(QStringLiteral("No colors were imported.\n\n") + read.error, QString::fromLatin1(kTitle));
        return false;
    }
    const QString why = doc_.insert(-1, read.palette->swatches, QStringLiteral("Import %1").arg(QFileInfo(path).fileName()));
    if (!why.isEmpty())
        show_error(QStringLiteral("No colors were imported.\n\n") + why, QString::fromLatin1(kTitle));
    return why.isEmpty();
}

void PaletteWindow::import_dialog()
{
    const QString name = platform_.openFileName(this, QStringLiteral("Import colors"), QFileInfo(path_).absolutePath(),
        QStringLiteral("Palettes and style sheets (*.gpl *.css *.scss *.json *.txt)"));
    if (!name.isEmpty())
        import_file(name);
}

bool PaletteWindow::export_file(storage::ExportFormat format, const QString& path)
{
    if (storage::write_file_atomically(path, storage::export_bytes(doc_.data(), format, form_)))
        return true;
    show_error(QStringLiteral("The palette could not be exported to %1.").arg(QDir::toNativeSeparators(path)),
        QString::fromLatin1(kTitle));
    return false;
}

void PaletteWindow::export_dialog(storage::ExportFormat format)
{
    const ExportKind* kind = std::find_if(std::begin(kExports), std::end(kExports),
        [format](const ExportKind& k) { return k.format == format; });
    const QString base = QFileInfo(path_).absolutePath() + QLatin1Char('/') + palette_name(path_);
    QString name = platform_.saveFileName(this, QStringLiteral("Export the palette"), base,
        QString::fromLatin1(kind->filter));
    if (name.isEmpty())
        return;
    export_file(format, name);
}

void PaletteWindow::add_color(const core::Rgb& c)
{
    const int row = current_row();
    const QString why = doc_.insert(row < 0 ? -1 : row + 1, {{std::string(), c}}, QStringLiteral("Add %1").arg(core::css_hex(c)));
    if (!why.isEmpty())
        show_error(why, QString::fromLatin1(kTitle));
}

void PaletteWindow::paste()
{
    const QString text = platform_.clipboardText();
    if (text.trimmed().isEmpty()) {
        show_error(QStringLiteral("The clipboard holds no text to read colors from."), QString::fromLatin1(kTitle));
        return;
    }
    if (text.size() > storage::kPaletteReadLimit) {
        show_error(QStringLiteral("The clipboard holds more than 1 MiB of text; it was not read."), QString::fromLatin1(kTitle));
        return;
    }
    QMimeData data;
    data.setText(text);
    const storage::PaletteRead read = SwatchModel::colors_of(&data);
    if (!read.palette) {
        show_error(QStringLiteral("No colors were pasted.\n\n") + read.error, QString::fromLatin1(kTitle));
        return;
    }
    const int row = current_row();
    const QString why = doc_.insert(row < 0 ? -1 : row + 1, read.palette->swatches, QStringLiteral("Paste"));
    if (!why.isEmpty())
        show_error(QStringLiteral("No colors were pasted.\n\n") + why, QString::fromLatin1(kTitle));
}

void PaletteWindow::send_selected_pair(
    const std::function<void(const core::Rgb& text, const core::Rgb& background)>& hook)
{
    const QModelIndex i = grid_->currentIndex();
    if (!i.isValid() || !hook)
        return;
    const PairModel::Pair& p = pairs_->pair(filter_->mapToSource(i).row());
    hook(doc_.swatches()[size_t(p.text)].rgb, doc_.swatches()[size_t(p.background)].rgb);
}

QDialog* PaletteWindow::show_shades()
{
    const int row = current_row();
    if (row < 0)
        return nullptr;
    if (shades_)
        shades_->close();
    auto* dialog = new ShadeDialog(doc_, row, this);
    connect(dialog, &ShadeDialog::refused, this, [this](const QString& why) { show_error(why, QString::fromLatin1(kTitle)); });
    shades_ = dialog;
    shades_->show();
    return shades_;
}

} // namespace palette
