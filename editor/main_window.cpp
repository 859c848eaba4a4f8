#include "editor/main_window.h"

#include "palette/palette_window.h"

#include "core/copy_text.h"
#include "core/entry.h"
#include "core/presets.h"
#include "editor/contrast_info.h"
#include "editor/recent_colors.h"
#include "platform/platform.h"
#include "platform/stay_on_top.h"
#include "shell/exit_sequence.h"
#include "shell/help.h"
#include "shell/readme_viewer.h"
#include "shell/splash.h"
#include "shell/window_modes.h"
#include "storage/files.h"
#include "storage/program_settings.h"
#include "storage/recent.h"
#include "editing/css_commands.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <cstdio>

namespace editor {

namespace {

// The windows opened from here delete themselves when closed, a little later; until then
// the pointer still holds one. Only a shown window counts as open.
template <class Window> bool is_open(const QPointer<Window>& window)
{
    return window && window->isVisible();
}

// The two items of one option carry the same check mark.
void mark(QAction* item, QAction* twin, bool on)
{
    item->setChecked(on);
    twin->setChecked(on);
}

} // namespace

Form1::Form1(platform::Platform& platform, storage::ConfigFolder folder)
    : QMainWindow(nullptr), platform_(platform), folder_(std::move(folder)),
      end_process_([] { QCoreApplication::exit(0); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kMainTitle));
    view_.setup(this);
    channels_ = new editing::ChannelEditor(*this,
        {view_.CLR, {view_.Text1, view_.Text2, view_.Text3}, view_.Text4, view_.Label1,
            &view_.modelBars},
        this);
    channels_->attachMenu(view_.channelModel);
    // The information line names complete colours only, once a change has ended: its
    // nearest name is the dearest part of a change.
    connect(channels_, &editing::ChannelEditor::changed, this,
        [this](const core::Rgb& c) { view_.show_info(editing::css_info_text(c)); });
    connect(
        channels_, &editing::ChannelEditor::modelChanged, this, [this](editing::ChannelModel m) {
            storage::write_program_setting(
                folder_.program_settings_file(), storage::kMainChannelsKey, editing::model_name(m));
        });
    connect_controls();
    connect_menus();
    view_.Text4->installEventFilter(this);
    editing::popup_on_right_click(this, platform_, view_.rightclik,
        {centralWidget(), view_.Frame1, view_.Frame2, view_.Frame3, view_.Frame4});
    widgets::give_menu_shortcuts_priority(this);
    widgets::enter_clicks_default(this, [this] { return default_button_; });
    modes_ = new shell::WindowModes(this, platform_, prefs_, view_.exit);
    platform::offer_stay_on_top(platform_, {view_.staytop, view_.stayontopr});

    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // A fixed border, at the size the contents ask for in the desktop's font.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

Form1::~Form1()
{
    delete palette_.data();
}

void Form1::connect_controls()
{
    for (int c = 0; c < 3; ++c) {
        connect(view_.CLR[c], &QScrollBar::valueChanged, this, &Form1::CLR_Change);
        connect(view_.box(c), &QLineEdit::textChanged, this,
            [this, c] { channels_->channelBoxChanged(c); });
    }
    connect(view_.Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(view_.Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(view_.Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(view_.Check2, &QCheckBox::stateChanged, this, &Form1::Check2_Click);
    connect(view_.Check1, &QCheckBox::stateChanged, this, &Form1::Check1_Click);
    connect(view_.Command1, &QPushButton::clicked, this, &Form1::copythehex);
    connect(view_.Command2, &QPushButton::clicked, this, &Form1::savecolor);
    connect(view_.Command4, &QPushButton::clicked, this, &Form1::opencolor);
    connect(view_.Command9, &QPushButton::clicked, this, &Form1::show_station);
}

void Form1::connect_menus()
{
    const Form1View& v = view_;
    using Plain = void (Form1::*)();
    using Toggle = void (Form1::*)(bool);
    // Menu order; a right-click twin runs what its menu-bar item runs.
    const std::pair<QAction*, Plain> plain[] = {{v.openrgb, &Form1::opencolor},
        {v.savergb, &Form1::savecolor}, {v.copyhex, &Form1::copythehex},
        {v.copyrgbvalues, &Form1::copyrgb}, {v.safepal_file, &Form1::Command7_Click},
        {v.choosecolor_file, &Form1::Command6_Click}, {v.pastehex, &Form1::pastehex_Click},
        {v.prefs, &Form1::prefs_Click}, {v.readmetxt, &Form1::readmetxt_Click},
        {v.about, &Form1::about_Click}, {v.copyhex_right, &Form1::copythehex},
        {v.copyrgb_right, &Form1::copyrgb}, {v.safepalette_right, &Form1::Command7_Click},
        {v.colorspec_right, &Form1::Command6_Click}};
    for (const auto& [action, handler] : plain)
        connect(action, &QAction::triggered, this, handler);
    const std::pair<QAction*, Toggle> toggles[]
        = {{v.autosafef, &Form1::autosafe_toggle}, {v.numsign, &Form1::numsign_toggle},
            {v.copyalert, &Form1::copyalert_toggle}, {v.staytop, &Form1::staytop_toggle},
            {v.autosafe_right, &Form1::autosafe_toggle}, {v.numsign_right, &Form1::numsign_toggle},
            {v.alertcopy_right, &Form1::copyalert_toggle}, {v.stayontopr, &Form1::staytop_toggle}};
    for (const auto& [action, handler] : toggles)
        connect(action, &QAction::triggered, this, handler);

    connect(v.newcolor, &QAction::triggered, this, [this] { psets(0, 0, 0); });
    connect(v.exit, &QAction::triggered, this, &QWidget::close);
    const std::pair<QAction*, station::Target> sends[] = {{v.cmbackground, station::Background},
        {v.cmobject, station::Object}, {v.cmtext, station::Text}};
    for (const auto& [action, target] : sends)
        connect(action, &QAction::triggered, this, [this, t = target] { send_to_matcher(t); });
    for (QAction* a : {v.match, v.colormatcher_right})
        connect(a, &QAction::triggered, this, &Form1::show_station);
    const auto items = v.preset_items();
    for (size_t i = 0; i < items.size(); ++i) {
        const core::Rgb c = core::kPresets[i].color;
        connect(items[i], &QAction::triggered, this, [this, c] { psets(c.red, c.green, c.blue); });
    }
    connect(v.viewhelptopics, &QAction::triggered, this,
        [this] { shell::show_help_contents(platform_, this); });
    connect(
        v.hexwebsite, &QAction::triggered, this, [this] { shell::open_website(platform_, this); });
    connect_tools();
}

void Form1::CLR_Change()
{
    const core::Rgb c = channels_->color();
    view_.Shape1->setFill(widgets::to_qcolor(c));
    view_.Text1->setText(editing::decimal(c.red));
    view_.Text2->setText(editing::decimal(c.green));
    view_.Text3->setText(editing::decimal(c.blue));
    const QString code = QString::fromStdString(core::build_hex_code(channels_->color()));
    view_.Label1->setText(code);
    view_.Text4->setText(code);
    view_.Shape1->setAccessibleDescription(code); // what a screen reader gives for the preview
    if (view_.Check2->checkState() == Qt::Checked)
        channels_->applySafe();
    view_.contrastInfo->show_color(channels_->color()); // the outermost run ends last
    channels_->sync();
}

void Form1::psets(int red, int green, int blue)
{
    channels_->setColor(core::Rgb {red, green, blue});
}

void Form1::Command5_Click()
{
    const core::HexEntry entry = core::hex_entry(editing::to_u32(view_.Text4->text()));
    if (const auto rgb = channels_->accept(entry, core::Window::Main)) {
        channels_->setColor(*rgb);
        remember_color();
    } else {
        view_.Text4->setText(view_.Label1->text());
    }
}

void Form1::pastehex_Click()
{
    if (channels_->pasteHex(core::Window::Main))
        remember_color();
}

void Form1::Command6_Click()
{
    const core::Rgb before = channels_->color();
    channels_->pickColor();
    if (channels_->color() != before)
        remember_color();
}

void Form1::Command7_Click()
{
    channels_->applySafe();
}

void Form1::Check2_Click()
{
    const bool on = view_.Check2->checkState() == Qt::Checked;
    QPushButton* command7 = view_.Command7;
    channels_->setAutoSafe(on);
    if (on) {
        command7->setEnabled(false);
        command7->setText(QStringLiteral(" Auto Safe"));
    } else {
        command7->setEnabled(true);
        command7->setText(QString::fromLatin1(kSafeCaption));
    }
    view_.safepalette_right->setEnabled(!on);
    view_.safepal_file->setEnabled(!on);
    mark(view_.autosafe_right, view_.autosafef, on);
}

void Form1::autosafe_toggle(bool checked)
{
    mark(view_.autosafe_right, view_.autosafef, checked);
    view_.Check2->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void Form1::copythehex()
{
    copy_hex(view_.Label1->text().toStdString(), channels_->color());
}

void Form1::copy_hex(const std::string& code, const core::Rgb& color)
{
    const int hash = widgets::check_value(view_.Check1);
    if (hash != 0 && hash != 1)
        return; // a grayed option copies nothing
    editing::copy_text(*this, core::hex_copy_text(code, hash == 1), view_.Check3.value() == 1,
        core::CopyKind::MainHex, [this, color] { view_.recent->remember(color); });
}

void Form1::copyrgb()
{
    const std::string text = core::rgb_copy_text(view_.Text1->text().toStdString(),
        view_.Text2->text().toStdString(), view_.Text3->text().toStdString());
    editing::copy_text(*this, text, view_.copyalert->isChecked(), core::CopyKind::Rgb,
        [this] { remember_color(); });
}

void Form1::Check1_Click()
{
    mark(view_.numsign, view_.numsign_right, widgets::check_value(view_.Check1) == 1);
}

void Form1::numsign_toggle(bool checked)
{
    mark(view_.numsign, view_.numsign_right, checked);
    widgets::set_check_value(view_.Check1, checked ? 1 : 0);
}

void Form1::copyalert_toggle(bool checked)
{
    mark(view_.copyalert, view_.alertcopy_right, checked);
    view_.Check3.set(checked ? 1 : 0);
}

void Form1::openprefs()
{
    prefs_.read(folder_.prefs_file());
}

void Form1::opensettings()
{
    const auto bytes = storage::read_small_file(folder_.settings_file());
    if (!bytes)
        return;
    const storage::Settings s = storage::parse_settings(*bytes);
    if (!s.hash_prefix)
        return;
    mark(view_.numsign_right, view_.numsign, *s.hash_prefix != 0);
    if (!widgets::set_check_value(view_.Check1, *s.hash_prefix))
        return;
    if (!s.copy_alert)
        return;
    mark(view_.copyalert, view_.alertcopy_right, *s.copy_alert != 0);
    if (!view_.Check3.set(*s.copy_alert))
        return;
    if (!s.color || !prefs_.on(storage::AutoSaveColor))
        return;
    set_bars(storage::color_text_channels(*s.color));
}

void Form1::savesettings()
{
    QByteArray color = "0  0  0  ";
    if (prefs_.on(storage::AutoSaveColor))
        color = storage::color_text(channels_->color());
    // The exit goes on; the old file is kept whole, and standard error says why.
    QString reason;
    if (!storage::write_file_atomically(folder_.settings_file(),
            storage::settings_bytes(
                widgets::check_value(view_.Check1), view_.Check3.value(), color),
            &reason))
        std::fprintf(stderr, "pigmentor: %s: %s\n",
            storage::native_name(folder_.settings_file()).constData(), qPrintable(reason));
}

void Form1::Form_Load()
{
    openprefs();
    opensettings();
    if (const auto model = storage::read_program_setting(
            folder_.program_settings_file(), storage::kMainChannelsKey)) {
        if (const auto m = editing::model_from_name(*model))
            channels_->setModel(*m);
    }
    if (prefs_.on(storage::LoadStation))
        show_station();
    applyTrayMode(prefs_[storage::TrayMode]);
    // The recent colours are saved here, by their owner, whenever the list changes; a
    // file that cannot be written (read-only, full disk) leaves the list in memory.
    const QString recent_file = folder_.path(storage::recent_file_name());
    view_.recent->setColors(storage::read_recent(recent_file));
    connect(view_.recent, &RecentColors::changed, this,
        [recent_file](
            const std::vector<core::Rgb>& colors) { storage::write_recent(recent_file, colors); });
}

void Form1::applyTrayMode(int mode)
{
    modes_->apply_tray_mode(mode);
}

station::Form3* Form1::show_station()
{
    if (!is_open(station_)) {
        station_ = new station::Form3(platform_, folder_.station_prefs_file(), [this] {
            return station::CopyOptions {view_.numsign->isChecked(), view_.copyalert->isChecked()};
        });
        connect(station_->view().addtopalette, &QAction::triggered, this, [this] {
            show_palette()->add_color(widgets::to_rgb(station_->target_color(station_->selected_target())));
        });
    }
    station_->show();
    station_->raise();
    station_->activateWindow();
    return station_;
}

void Form1::send_to_matcher(station::Target target)
{
    // A box the user is still editing may not hold a channel value; send the bar's.
    std::array<int, 3> sent {};
    for (int c = 0; c < 3; ++c) {
        bool whole = false;
        const int typed = view_.box(c)->text().toInt(&whole);
        const bool usable = whole && typed >= 0 && typed <= 255
            && core::check_rgb_text(editing::to_u32(view_.box(c)->text()));
        sent[size_t(c)] = usable ? typed : view_.CLR[c]->value();
    }
    station_to_send_to()->set_target_color(target, core::Rgb {sent[0], sent[1], sent[2]});
}

station::Form3* Form1::station_to_send_to()
{
    return is_open(station_) ? station_.data() : show_station();
}

bool Form1::staysOnTop() const
{
    return view_.staytop->isChecked();
}

void Form1::staytop_toggle(bool checked)
{
    mark(view_.staytop, view_.stayontopr, checked);
    platform_.setTopmost(this, checked);
}

void Form1::prefs_Click()
{
    if (is_open(prefs_dialog_)) {
        prefs_dialog_->raise();
        prefs_dialog_->activateWindow();
        return;
    }
    prefs_dialog_ = new shell::prefres(*this, tray_memory_);
    prefs_dialog_->load();
}

void Form1::readmetxt_Click()
{
    if (!is_open(readme_))
        readme_ = new shell::Form2(platform_);
    readme_->show();
    readme_->raise();
    readme_->activateWindow();
    shell::load_readme(*readme_, QStringLiteral("ReadMe.txt"));
}

void Form1::about_Click()
{
    if (staysOnTop())
        showMinimized();
    if (is_open(about_)) {
        about_->raise();
        return;
    }
    about_ = new shell::Splashscreen(
        shell::Splashscreen::Mode::About, platform_, folder_.prefs_file(), this, nullptr);
    about_->load();
}

bool Form1::close_request()
{
    openprefs();
    return !prefs_.on(storage::ConfirmExit)
        || platform_.askYesNo(this, QStringLiteral("Are you sure you want to quit?"),
            QString::fromLatin1(core::kAppTitle));
}

void Form1::unload()
{
    savesettings();
    modes_->hide_tray_icon();
    exitall();
}

void Form1::exitall()
{
    shell::close_other_windows(this);
    if (prefs_.on(storage::CloseLikeTv) && isVisible())
        shell::close_like_a_tv(this);
    hide();
    end_process_();
}

void Form1::write_settings_now()
{
    if (unloading_)
        return;
    savesettings();
    if (is_open(station_))
        station_->saveprefs();
}

void Form1::end_session()
{
    if (unloading_)
        return;
    unloading_ = true;
    savesettings();
    modes_->hide_tray_icon();
    shell::close_other_windows(this);
    hide();
    end_process_();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!unloading_ && !close_request()) {
        event->ignore();
        return;
    }
    if (!unloading_) {
        unloading_ = true;
        unload();
    }
    event->accept();
}

void Form1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        view_.apply_colors();
    QMainWindow::changeEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == view_.Text4) {
        // From now on Enter applies the typed code.
        default_button_ = view_.Command5;
        view_.Command5->setDefault(true);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace editor
