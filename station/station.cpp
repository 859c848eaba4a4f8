#include "station/station.h"

#include "core/copy_text.h"
#include "core/entry.h"
#include "core/presets.h"
#include "platform/platform.h"
#include "platform/stay_on_top.h"
#include "storage/files.h"
#include "storage/program_settings.h"
#include "editing/css_commands.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>

namespace station {

Form3::Form3(platform::Platform& platform, QString station_prefs_file,
    std::function<CopyOptions()> copy_options)
    : QMainWindow(nullptr), platform_(platform), prefs_file_(std::move(station_prefs_file)),
      copy_options_(std::move(copy_options))
{
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Pigmentor - Color Matching Station"));
    view_.setup(this);
    for (int t = 0; t < 3; ++t)
        view_.show_sample(theme_, Target(t));
    connect(&theme_, &Theme::changed, this, [this](Target t) { view_.show_sample(theme_, t); });
    channels_ = new editing::ChannelEditor(*this,
        {view_.CLR, {view_.Text1, view_.Text2, view_.Text3}, view_.Text7, view_.Label1,
            &view_.modelBars},
        this);
    channels_->attachMenu(view_.channelModel);
    connect(channels_, &editing::ChannelEditor::modelChanged, this, [this] { view_.fit(this); });
    connect_controls();
    connect_menus();
    build_contrast();
    editing::popup_on_right_click(this, platform_, view_.rightclik,
        {view_.client, view_.Frame1, view_.Frame4, view_.Frame5, view_.Frame6});
    widgets::give_menu_shortcuts_priority(this);
    widgets::enter_clicks_default(this, [this] { return view_.Command5; });
    // Enter right after opening runs Go, the default button, from the first target.
    view_.Option1->setFocus();

    openprefs();
    // Additions: the model of the extra bars, kept in the program's own file beside the
    // station's preferences.
    const QString settings
        = QFileInfo(prefs_file_).absoluteDir().filePath(storage::program_settings_name());
    if (const auto model = storage::read_program_setting(settings, storage::kStationChannelsKey)) {
        if (const auto m = editing::model_from_name(*model))
            channels_->setModel(*m);
    }
    connect(channels_, &editing::ChannelEditor::modelChanged, this,
        [settings](editing::ChannelModel m) {
            storage::write_program_setting(
                settings, storage::kStationChannelsKey, editing::model_name(m));
        });
}

void Form3::connect_controls()
{
    for (int c = 0; c < 3; ++c) {
        connect(view_.CLR[c], &QScrollBar::valueChanged, this, &Form3::CLR_Change);
        connect(channelBox(c), &QLineEdit::textChanged, this,
            [this, c] { channels_->channelBoxChanged(c); });
    }
    for (int t = 0; t < 3; ++t) {
        connect(Option(Target(t)), &QRadioButton::toggled, this, [this, t](bool on) {
            if (!on)
                return;
            theme_.setTarget(Target(t));
            Option_Click(Target(t));
        });
    }
    connect(view_.Command5, &QPushButton::clicked, this, &Form3::Command5_Click);
    connect(view_.Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(view_.Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(view_.Command1, &QPushButton::clicked, this, &Form3::samptxtfont_Click);
    connect(view_.Command6, &QPushButton::clicked, this, &QWidget::close);
    connect(view_.Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(view_.Check1, &QCheckBox::stateChanged, this, &Form3::Check1_Click);
    connect(view_.Check2, &QCheckBox::stateChanged, this, &Form3::Check2_Click);
    connect(view_.Text4, &QLineEdit::textChanged, view_.Label3, &QLabel::setText);
    view_.Text7->installEventFilter(this);
    for (int c = 0; c < 3; ++c)
        widgets::select_on_focus(channelBox(c), 3);
    widgets::select_on_focus(view_.Text4, 20);
    widgets::select_on_focus(view_.Text7, 6);
}

void Form3::connect_menus()
{
    auto run = [this](QAction* item, auto handler) {
        connect(item, &QAction::triggered, this, handler);
    };
    run(view_.newtheme, &Form3::newtheme);
    run(view_.load_color, &Form3::opentheme);
    run(view_.save_color, &Form3::savetheme);
    // The three "Hex Code" items of the File ▸ Copy menu, the right-click menu and the Copy
    // button's menu each copy their target's code.
    const std::array<std::array<QAction*, 3>, 3> hex_items = {{
        {view_.backhex, view_.objecthex, view_.texthexcopy},
        {view_.backhexr, view_.objecthexr, view_.texthexcopyr},
        {view_.bakhexcode, view_.objhexcode, view_.texthexcode},
    }};
    for (const auto& items : hex_items) {
        for (int t = 0; t < 3; ++t)
            run(items[t], [this, t] { copy_hex(Target(t)); });
    }
    run(view_.bakrgb, [this] { copy_rgb(Background); });
    run(view_.objrgb, [this] { copy_rgb(Object); });
    run(view_.textrgb, [this] { copy_rgb(Text); });
    run(view_.safep, &Form3::Command4_Click);
    run(view_.autosafep, &Form3::autosafe_toggle);
    run(view_.choosec, &Form3::Command3_Click);
    run(view_.pastehex, &Form3::pastehex_Click);
    run(view_.exit, &QWidget::close);

    run(view_.staytop, &Form3::staytop_toggle);
    run(view_.oval, &Form3::oval_toggle);
    run(view_.hidetxt, &Form3::hidetxt_toggle);
    run(view_.samptxtfont, &Form3::samptxtfont_Click);

    for (size_t i = 0; i < view_.preset_items.size(); ++i)
        run(view_.preset_items[i], [this, i] { channels_->setColor(core::kPresets[i].color); });

    connect(view_.right_bakrgb, &QAction::triggered, view_.bakrgb, &QAction::trigger);
    connect(view_.right_objectrgb, &QAction::triggered, view_.objrgb, &QAction::trigger);
    connect(view_.right_textrgb, &QAction::triggered, view_.textrgb, &QAction::trigger);
    run(view_.safepalr, &Form3::Command4_Click);
    run(view_.autosafepr, &Form3::autosafe_toggle);
    run(view_.choosecolorr, &Form3::Command3_Click);
    run(view_.stayontopr, &Form3::staytop_toggle);
    platform::offer_stay_on_top(platform_, {view_.staytop, view_.stayontopr});

    // Additions: CSS copies of each target (with the hex copy's alert), CSS paste
    // and Pick from Screen, both on the selected target.
    for (int t = 0; t < 3; ++t) {
        const auto color = [this, t] { return widgets::to_rgb(target_color(Target(t))); };
        const auto copy = [this](const QString& text) {
            editing::copy_text(
                *this, text.toStdString(), copy_options_().alert, core::CopyKind::StationHex);
        };
        editing::connect_css_copy_menu(view_.css[size_t(t)], color, copy);
        editing::connect_css_copy_menu(view_.css_right[size_t(t)], color, copy);
    }
    run(view_.pastecss, [this] { apply_css_text(platform_.clipboardText()); });
    editing::accept_color_drops(this, [this](const QString& text) { apply_css_text(text); });
    run(view_.pickscreen, [this] { editing::pick_from_screen(*this); });
}

bool Form3::apply_css_text(const QString& text)
{
    const core::Rgb backdrop = selected_target() == Background
        ? editing::kWhite
        : widgets::to_rgb(target_color(Background));
    const auto applied = editing::apply_css_text(*this, text, backdrop);
    if (applied)
        view_.cssNote->setText(applied->note); // until the colour next changes
    return bool(applied);
}

void Form3::select_target(Target t)
{
    Option(t)->setChecked(true);
}

void Form3::set_target_color(Target t, const core::Rgb& c)
{
    select_target(t);
    channels_->setColor(c);
}

void Form3::set_pair(const core::Rgb& text, const core::Rgb& background)
{
    set_target_color(Background, background);
    set_target_color(Text, text);
}

void Form3::Option_Click(Target t)
{
    scrollbarfixer(target_value(t));
    settool();
}

void Form3::settool()
{
    // Read from the buffer, not the bars: each write below repaints the target with
    // partly loaded channels, and the rest must still come from the target's colour.
    const core::Rgb loaded = buffer_;
    channels_->setColor(loaded);
}

void Form3::scrollbarfixer(int color)
{
    buffer_ = core::channels_from_color_value(color);
}

std::optional<core::Rgb> Form3::returnrgb(const QByteArray& hex)
{
    return core::parse_hex_code(editing::to_u32(QString::fromLatin1(hex)));
}

void Form3::get_hex(Target t, int color)
{
    scrollbarfixer(color);
    slots_[t] = QString::fromStdString(core::build_hex_code(buffer_));
}

void Form3::CLR_Change()
{
    ++change_depth_;
    const core::Rgb bars = channels_->color();
    view_.cssNote->clear();
    view_.Text1->setText(editing::decimal(bars.red));
    view_.Text2->setText(editing::decimal(bars.green));
    view_.Text3->setText(editing::decimal(bars.blue));

    theme_.setColor(theme_.target(), channels_->color());
    if (view_.Check1->checkState() == Qt::Checked)
        Command4_Click();

    const QString code = QString::fromStdString(core::build_hex_code(channels_->color()));
    view_.Label1->setText(code);
    view_.Text7->setText(code);
    // The contrast panel once per completed change, not for the colours of a nested run.
    if (--change_depth_ == 0)
        update_contrast();
    channels_->sync();
}

void Form3::Command5_Click()
{
    QLineEdit* box = view_.Text7;
    const QString upper
        = QString::fromStdU32String(core::upper_ascii(editing::to_u32(box->text())));
    box->setText(upper);
    const core::HexEntry entry = core::hex_entry(editing::to_u32(upper));
    const auto rgb = channels_->accept(entry, core::Window::Station);
    if (entry.refusal == core::Refusal::InvalidCharacters)
        box->setText(QStringLiteral("000000"));
    if (rgb)
        channels_->setColor(*rgb);
}

void Form3::pastehex_Click()
{
    channels_->pasteHex(core::Window::Station);
}

void Form3::Command4_Click()
{
    channels_->applySafe();
}

void Form3::Check1_Click()
{
    const bool on = view_.Check1->checkState() == Qt::Checked;
    view_.autosafep->setChecked(on);
    view_.autosafepr->setChecked(on);
    channels_->setAutoSafe(on);
    view_.Command4->setEnabled(!on);
    view_.Command4->setText(on ? QStringLiteral("Auto Safe") : QStringLiteral("Safe Palette"));
    view_.safep->setEnabled(!on);
    view_.safepalr->setEnabled(!on);
}

void Form3::autosafe_toggle(bool checked)
{
    view_.autosafep->setChecked(checked);
    view_.autosafepr->setChecked(checked);
    view_.Check1->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void Form3::Command3_Click()
{
    channels_->pickColor();
}

void Form3::Check2_Click()
{
    const Qt::CheckState state = view_.Check2->checkState();
    if (state == Qt::Checked) {
        if (view_.Option3->isChecked())
            view_.Option1->setChecked(true);
        view_.Option3->setEnabled(false);
        view_.Label3->hide();
        view_.Text4->setEnabled(false);
        view_.hidetxt->setChecked(true);
    } else if (state == Qt::Unchecked) {
        view_.Option3->setEnabled(true);
        view_.Label3->show();
        view_.Text4->setEnabled(true);
        view_.hidetxt->setChecked(false);
    }
}

void Form3::hidetxt_toggle(bool checked)
{
    view_.hidetxt->setChecked(checked);
    view_.Check2->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void Form3::oval_toggle(bool checked)
{
    view_.oval->setChecked(checked);
    view_.Shape2->setOval(checked);
}

void Form3::samptxtfont_Click()
{
    // The dialog starts from the font the sample is really drawn in, so that OK without a
    // change gives the same font back.
    const QFont shown = view_.Label3->font();
    const QFontInfo real(shown);
    QFont start(real.family());
    start.setBold(real.bold());
    start.setPointSizeF(real.pointSizeF());
    start.setItalic(shown.italic());
    start.setUnderline(shown.underline());
    start.setStrikeOut(shown.strikeOut());
    const auto font = platform_.chooseFont(this, start);
    if (!font)
        return;
    QFont f = shown;
    f.setFamily(font->family());
    f.setBold(font->bold());
    f.setPointSizeF(font->pointSizeF());
    f.setItalic(font->italic());
    f.setUnderline(font->underline());
    f.setStrikeOut(font->strikeOut());
    view_.Label3->setFont(f);
}

void Form3::staytop_toggle(bool checked)
{
    view_.staytop->setChecked(checked);
    view_.stayontopr->setChecked(checked);
    platform_.setTopmost(this, checked);
}

void Form3::Command2_Click()
{
    // Placed as the window has always placed it: from the button's place in its frame,
    // taken as a point of the window's client area (130 and 170 twips in).
    const QRect b = view_.Command2->geometry();
    const QPoint at(b.left() + 130 / 15, b.top() + b.height() - 170 / 15);
    platform_.popupMenu(view_.copymenur, view_.client->mapToGlobal(at));
}

void Form3::copy_hex(Target t)
{
    striphex(target_value(t));
}

void Form3::copy_rgb(Target t)
{
    scrollbarfixer(target_value(t));
    copyrgb(buffer_.red, buffer_.green, buffer_.blue);
}

void Form3::striphex(int color)
{
    const core::Rgb c = core::channels_from_color_value(color);
    const CopyOptions options = copy_options_();
    editing::copy_text(*this, core::hex_copy_text(core::build_hex_code(c), options.hash_prefix),
        options.alert, core::CopyKind::StationHex);
}

void Form3::copyrgb(int red, int green, int blue)
{
    const std::string text
        = core::rgb_copy_text(std::to_string(red), std::to_string(green), std::to_string(blue));
    editing::copy_text(*this, text, copy_options_().alert, core::CopyKind::Rgb);
}

void Form3::closeEvent(QCloseEvent* event)
{
    saveprefs();
    event->accept();
}

void Form3::changeEvent(QEvent* event)
{
    // A new desktop palette: the coloured captions and boxes are made legible on it again.
    if (event->type() == QEvent::PaletteChange)
        view_.apply_colors();
    QMainWindow::changeEvent(event);
}

bool Form3::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == view_.Text7)
        view_.Command5->setDefault(true);
    return QMainWindow::eventFilter(watched, event);
}

} // namespace station
