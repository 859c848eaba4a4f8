#include "editor/form1.h"

#include "core/copy_text.h"
#include "core/entry.h"
#include "platform/platform.h"
#include "shell/exit_sequence.h"
#include "shell/help.h"
#include "shell/readme_viewer.h"
#include "shell/splash.h"
#include "shell/window_modes.h"
#include "storage/files.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>

namespace editor {

namespace {

QFont bold_font(const QFont& base)
{
    QFont f = base;
    f.setBold(true);
    return f;
}

const char kSafeCaption[] = "       &Safe Palette";

// The windows opened from here delete themselves when closed, a little later; until then
// the pointer still holds one. Only a shown window counts as open.
template <class Window> bool is_open(const QPointer<Window>& window)
{
    return window && window->isVisible();
}

} // namespace

Form1::Form1(platform::Platform& platform, storage::ConfigFolder folder)
    : QMainWindow(nullptr), platform_(platform), folder_(std::move(folder)),
      end_process_([] { QCoreApplication::exit(0); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kMainTitle));
    build_controls();
    build_menus();
    editing::popup_on_right_click(this, platform_, rightclik_,
        {centralWidget(), frame("Frame1"), frame("Frame2"), frame("Frame3"), frame("Frame4")});
    widgets::give_menu_shortcuts_priority(this);
    modes_ = new shell::WindowModes(this, platform_, prefs_, action("exit"));

    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    const QSize client(480, 348);
    centralWidget()->setFixedSize(client);
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

Form1::~Form1() = default;

void Form1::build_controls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    const QFont bold = bold_font(font());

    auto frame = [&](const char* name, const QString& caption, QRect geometry) {
        auto* f = new QGroupBox(caption, client);
        f->setObjectName(QString::fromLatin1(name));
        f->setGeometry(geometry);
        return f;
    };
    auto button = [&](QWidget* parent, const char* name, const QString& caption, const QString& tip,
                      QRect geometry) {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tip);
        b->setGeometry(geometry);
        b->setAutoDefault(true);
        return b;
    };
    auto label = [&](QWidget* parent, const char* name, const QString& caption, QRect geometry,
                     const QColor& color, bool is_bold) {
        auto* l = new QLabel(caption, parent);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(geometry);
        if (color.isValid())
            widgets::set_palette_color(l, QPalette::WindowText, color);
        if (is_bold)
            l->setFont(bold);
        return l;
    };

    // "Choose Color": bars, preview, picker and Safe Palette.
    QGroupBox* frame1 = frame("Frame1", QStringLiteral("Choose Color"), QRect(8, 4, 464, 150));
    const char* bar_label_names[] = {"Label7", "Label4", "Label5"};
    const char* channel_names[] = {"Red", "Green", "Blue"};
    const QColor channel_colors[] = {QColor(128, 0, 0), QColor(0, 100, 0), QColor(0, 0, 255)};
    for (int c = 0; c < 3; ++c) {
        QLabel* l = label(frame1, bar_label_names[c], QString::fromLatin1(channel_names[c]),
            QRect(10, 24 + 26 * c, 44, 18), channel_colors[c], true);
        l->setToolTip(QString::fromLatin1(channel_names[c]));
        clr_[c] = new QScrollBar(Qt::Horizontal, frame1);
        clr_[c]->setObjectName(QStringLiteral("CLR(%1)").arg(c));
        clr_[c]->setGeometry(58, 25 + 26 * c, 250, 17);
        clr_[c]->setRange(0, 255);
        clr_[c]->setSingleStep(1);
        clr_[c]->setPageStep(7);
        clr_[c]->setTracking(false); // the views follow when the thumb is released
    }
    shape1_ = new widgets::ShapeWidget(frame1);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->setGeometry(322, 22, 128, 80);
    shape1_->setOutline(true);
    shape1_->setFill(Qt::black);
    QPushButton* command6 = button(frame1, "Command6", QStringLiteral("&Color Picker..."),
        QStringLiteral("Click here to choose a color from a color spectrum"),
        QRect(10, 110, 140, 30));
    QPushButton* command7 = button(frame1, "Command7", QString::fromLatin1(kSafeCaption),
        QStringLiteral("Make the color so it is one of Netscape's \"Safe "
                       "Palette\" of 216 colors! VERY USEFUL!"),
        QRect(160, 110, 148, 30));
    check2_ = new widgets::ValueCheckBox(frame1);
    check2_->setObjectName(QStringLiteral("Check2"));
    check2_->setToolTip(QStringLiteral("Auto Safe"));
    check2_->setGeometry(167, 117, 18, 16);
    check2_->raise();

    // "RGB Values": the three channel boxes.
    QGroupBox* frame3 = frame("Frame3", QStringLiteral("RGB Values"), QRect(8, 158, 280, 58));
    const char* box_label_names[] = {"Label8", "Label9", "Label10"};
    const char* box_names[] = {"Text1", "Text2", "Text3"};
    const QColor box_colors[]
        = {QColor(255, 192, 192), QColor(192, 255, 192), QColor(192, 192, 255)};
    for (int c = 0; c < 3; ++c) {
        label(frame3, box_label_names[c], QString::fromLatin1(channel_names[c]),
            QRect(8 + 90 * c, 26, 46, 20), channel_colors[c], true);
        text_[c] = new QLineEdit(QStringLiteral("0"), frame3);
        text_[c]->setObjectName(QString::fromLatin1(box_names[c]));
        text_[c]->setMaxLength(3);
        text_[c]->setGeometry(54 + 90 * c, 24, 34, 24);
        widgets::set_palette_color(text_[c], QPalette::Base, box_colors[c]);
        widgets::select_on_focus(text_[c], 3);
    }

    // "Enter Hex Code".
    QGroupBox* frame4 = frame("Frame4", QStringLiteral("Enter Hex Code"), QRect(296, 158, 176, 58));
    text4_ = new QLineEdit(QStringLiteral("000000"), frame4);
    text4_->setObjectName(QStringLiteral("Text4"));
    text4_->setMaxLength(6);
    text4_->setToolTip(QStringLiteral("Enter Your OWN hex code here!"));
    text4_->setGeometry(10, 24, 90, 24);
    text4_->setFont(bold);
    widgets::set_palette_color(text4_, QPalette::Base, QColor(224, 224, 224));
    QPalette code_palette = text4_->palette();
    code_palette.setColor(QPalette::Text, QColor(0, 0, 128));
    text4_->setPalette(code_palette);
    text4_->installEventFilter(this);
    widgets::select_on_focus(text4_, 6);
    command5_ = button(frame4, "Command5", QStringLiteral("&Go"),
        QStringLiteral("Enter Your own Hex Code here!"), QRect(106, 21, 60, 30));

    // The uncaptioned frame: the code, copy, load, save and the "#" option.
    QGroupBox* frame2 = frame("Frame2", QString(), QRect(8, 220, 464, 84));
    label(frame2, "Label2", QStringLiteral("Hex Code:"), QRect(10, 14, 70, 24), QColor(), false);
    label1_
        = label(frame2, "Label1", QStringLiteral("000000"), QRect(82, 12, 90, 28), QColor(), true);
    label1_->setToolTip(QStringLiteral("The Hex Code"));
    QFont code_font = bold;
    code_font.setPointSizeF(code_font.pointSizeF() * 1.3);
    label1_->setFont(code_font);
    QPushButton* command1 = button(frame2, "Command1", QStringLiteral("Copy"),
        QStringLiteral("Copy the Hex Code"), QRect(214, 10, 76, 30));
    QPushButton* command4 = button(frame2, "Command4", QStringLiteral("Load"),
        QStringLiteral("Load a saved color"), QRect(296, 10, 76, 30));
    QPushButton* command2 = button(frame2, "Command2", QStringLiteral("Save"),
        QStringLiteral("Save color"), QRect(378, 10, 76, 30));
    check1_ = new widgets::ValueCheckBox(QStringLiteral("Add a # in front of Hex"), frame2);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setToolTip(
        QStringLiteral("Check this if you want to add a # in front of copied Hex Codes!"));
    check1_->setGeometry(10, 50, 260, 24);
    // The copy-alert option's holder is never shown; it only keeps the 0/1/2 value.
    check3_ = new widgets::ValueCheckBox(QStringLiteral("Check3"), client);
    check3_->setObjectName(QStringLiteral("Check3"));
    check3_->setCheckState(Qt::Checked);
    check3_->hide();

    auto* img_icon = new QLabel(client);
    img_icon->setObjectName(QStringLiteral("imgIcon"));
    img_icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    img_icon->setGeometry(12, 310, 32, 32);
    QPushButton* command9 = button(client, "Command9", QStringLiteral("Color Matcher"),
        QStringLiteral("Go to the Color Matching Station"), QRect(342, 310, 130, 32));

    for (int c = 0; c < 3; ++c) {
        connect(clr_[c], &QScrollBar::valueChanged, this, &Form1::CLR_Change);
        connect(text_[c], &QLineEdit::textChanged, this,
            [this, c] { editing::channel_box_changed(*this, c); });
    }
    connect(command5_, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(check2_, &QCheckBox::stateChanged, this, &Form1::Check2_Click);
    connect(check1_, &QCheckBox::stateChanged, this, &Form1::Check1_Click);
    connect(command1, &QPushButton::clicked, this, &Form1::copythehex);
    connect(command2, &QPushButton::clicked, this, &Form1::savecolor);
    connect(command4, &QPushButton::clicked, this, &Form1::opencolor);
    connect(command9, &QPushButton::clicked, this, &Form1::show_station);
}

void Form1::build_menus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    QAction* newcolor = widgets::add_action(
        file, "newcolor", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newcolor, &QAction::triggered, this, [this] { psets(0, 0, 0); });
    connect(widgets::add_action(file, "openrgb", QStringLiteral("&Load Saved Color..."),
                QKeySequence(Qt::CTRL | Qt::Key_O)),
        &QAction::triggered, this, &Form1::opencolor);
    connect(widgets::add_action(file, "savergb", QStringLiteral("&Save Color As..."),
                QKeySequence(Qt::CTRL | Qt::Key_S)),
        &QAction::triggered, this, &Form1::savecolor);
    file->addSeparator()->setObjectName(QStringLiteral("none7"));
    QMenu* copy = file->addMenu(QStringLiteral("&Copy"));
    copy->setObjectName(QStringLiteral("copy"));
    connect(widgets::add_action(
                copy, "copyhex", QStringLiteral("&Hex Code"), QKeySequence(Qt::CTRL | Qt::Key_C)),
        &QAction::triggered, this, &Form1::copythehex);
    connect(widgets::add_action(copy, "copyrgbvalues", QStringLiteral("RGB &Values"),
                QKeySequence(Qt::CTRL | Qt::Key_R)),
        &QAction::triggered, this, &Form1::copyrgb);
    file->addSeparator()->setObjectName(QStringLiteral("none3"));
    connect(widgets::add_action(file, "safepal_file", QStringLiteral("Safe Palette"),
                QKeySequence(Qt::CTRL | Qt::Key_P)),
        &QAction::triggered, this, &Form1::Command7_Click);
    QAction* autosafef = widgets::add_action(
        file, "autosafef", QStringLiteral("Auto Safe Palette"), QKeySequence(Qt::CTRL | Qt::Key_A));
    autosafef->setCheckable(true);
    connect(autosafef, &QAction::triggered, this, &Form1::autosafe_toggle);
    connect(widgets::add_action(file, "choosecolor_file", QStringLiteral("Color &Picker...")),
        &QAction::triggered, this, &Form1::Command6_Click);
    file->addSeparator()->setObjectName(QStringLiteral("none4"));
    connect(widgets::add_action(file, "exit", QStringLiteral("E&xit"), QKeySequence(Qt::Key_F4)),
        &QAction::triggered, this, &QWidget::close);

    QMenu* commands = menuBar()->addMenu(QStringLiteral("C&ommands"));
    commands->setObjectName(QStringLiteral("commands"));
    connect(widgets::add_action(
                commands, "pastehex", QStringLiteral("Paste Hex Code"), QKeySequence(Qt::Key_F2)),
        &QAction::triggered, this, &Form1::pastehex_Click);
    QMenu* send = commands->addMenu(QStringLiteral("Send Color to..."));
    send->setObjectName(QStringLiteral("sendcolortomatcher"));
    connect(widgets::add_action(send, "cmbackground", QStringLiteral("Color Matcher Background")),
        &QAction::triggered, this, [this] { send_to_matcher(station::Background); });
    connect(widgets::add_action(send, "cmobject", QStringLiteral("Color Matcher Object")),
        &QAction::triggered, this, [this] { send_to_matcher(station::Object); });
    connect(widgets::add_action(send, "cmtext", QStringLiteral("Color Matcher Text")),
        &QAction::triggered, this, [this] { send_to_matcher(station::Text); });

    QMenu* options = menuBar()->addMenu(QStringLiteral("Sett&ings"));
    options->setObjectName(QStringLiteral("options"));
    QAction* numsign
        = widgets::add_action(options, "numsign", QStringLiteral("Add # in front of &Hex"));
    numsign->setCheckable(true);
    connect(numsign, &QAction::triggered, this, &Form1::numsign_toggle);
    QAction* copyalert
        = widgets::add_action(options, "copyalert", QStringLiteral("&Alert after copy"));
    copyalert->setCheckable(true);
    copyalert->setChecked(true);
    connect(copyalert, &QAction::triggered, this, &Form1::copyalert_toggle);
    QAction* staytop = widgets::add_action(
        options, "staytop", QStringLiteral("&Stay on top"), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    staytop->setCheckable(true);
    connect(staytop, &QAction::triggered, this, &Form1::staytop_toggle);
    options->addSeparator()->setObjectName(QStringLiteral("none69"));
    connect(widgets::add_action(options, "prefs", QStringLiteral("&Edit preferences...")),
        &QAction::triggered, this, &Form1::prefs_Click);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("othertoolz"));
    connect(widgets::add_action(tools, "match", QStringLiteral("Color &Matching Station"),
                QKeySequence(Qt::CTRL | Qt::Key_M)),
        &QAction::triggered, this, &Form1::show_station);

    QMenu* presets = menuBar()->addMenu(QStringLiteral("&Presets"));
    presets->setObjectName(QStringLiteral("presets"));
    editing::add_preset_items(presets,
        {"black", "White", "blue", "brown", "gold", "gray", "green", "orange", "red", "violet",
            "yellow"},
        [this](const core::Rgb& c) { psets(c.red, c.green, c.blue); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("othertools"));
    connect(widgets::add_action(
                help, "viewhelptopics", QStringLiteral("&Contents..."), QKeySequence(Qt::Key_F1)),
        &QAction::triggered, this, [this] { shell::show_help_contents(platform_, this); });
    connect(widgets::add_action(help, "readmetxt", QStringLiteral("View ReadMe.txt")),
        &QAction::triggered, this, &Form1::readmetxt_Click);
    help->addSeparator()->setObjectName(QStringLiteral("seperator"));
    QMenu* web = help->addMenu(QStringLiteral("On the &Web..."));
    web->setObjectName(QStringLiteral("onweb"));
    connect(widgets::add_action(web, "hexwebsite", QStringLiteral("Pigmentor Website")),
        &QAction::triggered, this, [this] { shell::open_website(platform_, this); });
    help->addSeparator()->setObjectName(QStringLiteral("none6"));
    connect(widgets::add_action(help, "about", QStringLiteral("A&bout Pigmentor...")),
        &QAction::triggered, this, &Form1::about_Click);

    rightclik_ = new QMenu(QStringLiteral("Right Click"), this);
    rightclik_->setObjectName(QStringLiteral("rightclik"));
    QMenu* copy_right = rightclik_->addMenu(QStringLiteral("Copy"));
    copy_right->setObjectName(QStringLiteral("copy_right"));
    connect(widgets::add_action(copy_right, "copyhex_right", QStringLiteral("Hex Code")),
        &QAction::triggered, this, &Form1::copythehex);
    connect(widgets::add_action(copy_right, "copyrgb_right", QStringLiteral("RGB Values")),
        &QAction::triggered, this, &Form1::copyrgb);
    connect(widgets::add_action(rightclik_, "safepalette_right", QStringLiteral("Safe Palette")),
        &QAction::triggered, this, &Form1::Command7_Click);
    QAction* autosafe_right
        = widgets::add_action(rightclik_, "autosafe_right", QStringLiteral("Auto Safe Palette"));
    autosafe_right->setCheckable(true);
    connect(autosafe_right, &QAction::triggered, this, &Form1::autosafe_toggle);
    connect(widgets::add_action(rightclik_, "colorspec_right", QStringLiteral("Color Picker...")),
        &QAction::triggered, this, &Form1::Command6_Click);
    rightclik_->addSeparator()->setObjectName(QStringLiteral("yeah"));
    connect(widgets::add_action(
                rightclik_, "colormatcher_right", QStringLiteral("Color Matching Station")),
        &QAction::triggered, this, &Form1::show_station);
    rightclik_->addSeparator()->setObjectName(QStringLiteral("nono2"));
    QAction* numsign_right
        = widgets::add_action(rightclik_, "numsign_right", QStringLiteral("Add # in front of Hex"));
    numsign_right->setCheckable(true);
    connect(numsign_right, &QAction::triggered, this, &Form1::numsign_toggle);
    QAction* alertcopy_right
        = widgets::add_action(rightclik_, "alertcopy_right", QStringLiteral("Alert after Copy"));
    alertcopy_right->setCheckable(true);
    alertcopy_right->setChecked(true);
    connect(alertcopy_right, &QAction::triggered, this, &Form1::copyalert_toggle);
    QAction* stayontopr
        = widgets::add_action(rightclik_, "stayontopr", QStringLiteral("Stay on top"));
    stayontopr->setCheckable(true);
    connect(stayontopr, &QAction::triggered, this, &Form1::staytop_toggle);
}

QPushButton* Form1::button(const char* name) const
{
    return findChild<QPushButton*>(QString::fromLatin1(name));
}

QAction* Form1::action(const char* name) const
{
    return findChild<QAction*>(QString::fromLatin1(name));
}

QGroupBox* Form1::frame(const char* name) const
{
    return findChild<QGroupBox*>(QString::fromLatin1(name));
}

void Form1::show_message(const core::Message& m)
{
    editing::show_message(platform_, this, m);
}

// ---- Colour state ----

void Form1::CLR_Change()
{
    const core::Rgb c = editing::channels(*this);
    shape1_->setFill(QColor(c.red, c.green, c.blue));
    text_[0]->setText(editing::decimal(c.red));
    text_[1]->setText(editing::decimal(c.green));
    text_[2]->setText(editing::decimal(c.blue));
    const QString code = QString::fromStdString(core::build_hex_code(editing::channels(*this)));
    label1_->setText(code);
    text4_->setText(code);
    if (check2_->checkState() == Qt::Checked)
        editing::make_safe(*this);
    const QColor shown = shape1_->fill();
    dialog_.color = core::color_value(shown.red(), shown.green(), shown.blue());
}

void Form1::psets(int red, int green, int blue)
{
    editing::write_channels(*this, core::Rgb {red, green, blue});
}

void Form1::Command5_Click()
{
    const core::HexEntry entry = core::hex_entry(editing::to_u32(text4_->text()));
    if (const auto rgb = editing::accept_entry(*this, entry, core::Window::Main))
        editing::write_channels(*this, *rgb);
    else
        text4_->setText(label1_->text());
}

void Form1::pastehex_Click()
{
    const core::HexEntry entry = core::paste_entry(editing::to_u32(platform_.clipboardText()));
    if (const auto rgb = editing::accept_entry(*this, entry, core::Window::Main))
        editing::write_channels(*this, *rgb);
    else if (entry.refusal != core::Refusal::BlankClipboard)
        text4_->setText(label1_->text());
}

void Form1::Command6_Click()
{
    editing::pick_color(*this);
}

void Form1::Command7_Click()
{
    editing::make_safe(*this);
}

void Form1::Check2_Click()
{
    const bool on = check2_->checkState() == Qt::Checked;
    QPushButton* command7 = button("Command7");
    if (on) {
        editing::make_safe(*this);
        editing::auto_websafe(*this, 51, 51);
        command7->setEnabled(false);
        command7->setText(QStringLiteral(" Auto Safe"));
    } else {
        editing::auto_websafe(*this, 1, 7);
        command7->setEnabled(true);
        command7->setText(QString::fromLatin1(kSafeCaption));
    }
    action("safepalette_right")->setEnabled(!on);
    action("safepal_file")->setEnabled(!on);
    action("autosafe_right")->setChecked(on);
    action("autosafef")->setChecked(on);
    editing::set_boxes_read_only(*this, on);
}

void Form1::autosafe_toggle(bool checked)
{
    action("autosafe_right")->setChecked(checked);
    action("autosafef")->setChecked(checked);
    check2_->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

// ---- Copies ----

void Form1::copythehex()
{
    const int hash = widgets::check_value(check1_);
    if (hash != 0 && hash != 1)
        return; // a grayed option copies nothing
    const std::string text = core::hex_copy_text(label1_->text().toStdString(), hash == 1);
    if (!editing::copy_to_clipboard(*this, text))
        return;
    if (widgets::check_value(check3_) == 1)
        show_message(core::copy_alert(text, core::CopyKind::MainHex));
}

void Form1::copyrgb()
{
    const std::string text = core::rgb_copy_text(text_[0]->text().toStdString(),
        text_[1]->text().toStdString(), text_[2]->text().toStdString());
    if (!editing::copy_to_clipboard(*this, text))
        return;
    if (action("copyalert")->isChecked())
        show_message(core::copy_alert(text, core::CopyKind::Rgb));
}

void Form1::Check1_Click()
{
    const bool on = widgets::check_value(check1_) == 1;
    action("numsign")->setChecked(on);
    action("numsign_right")->setChecked(on);
}

void Form1::numsign_toggle(bool checked)
{
    action("numsign")->setChecked(checked);
    action("numsign_right")->setChecked(checked);
    widgets::set_check_value(check1_, checked ? 1 : 0);
}

void Form1::copyalert_toggle(bool checked)
{
    action("copyalert")->setChecked(checked);
    action("alertcopy_right")->setChecked(checked);
    widgets::set_check_value(check3_, checked ? 1 : 0);
}

// ---- Files ----

void Form1::get_save_rgb()
{
    saved_color_text_ = storage::color_text(editing::channels(*this));
}

void Form1::savecolor()
{
    get_save_rgb();
    const QString name = platform_.saveFileName(this, QStringLiteral("Save the color as"),
        QStringLiteral("."), QStringLiteral("Pigmentor File (*.pmt)"));
    if (name.isEmpty())
        return;
    storage::write_file_atomically(name, saved_color_text_ + "\r\n");
}

void Form1::opencolor()
{
    const QString name
        = platform_.openFileName(this, QStringLiteral("Open a previously saved color"),
            QStringLiteral("."), QStringLiteral("Pigmentor Files (*.pmt)"));
    if (name.isEmpty())
        return;
    const auto bytes = storage::read_small_file(name);
    if (!bytes)
        return;
    const std::vector<int> channels = storage::color_text_channels(storage::join_lines(*bytes));
    for (size_t c = 0; c < channels.size(); ++c)
        clr_[c]->setValue(channels[c]);
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
    action("numsign_right")->setChecked(*s.hash_prefix != 0);
    action("numsign")->setChecked(*s.hash_prefix != 0);
    if (!widgets::set_check_value(check1_, *s.hash_prefix))
        return;
    if (!s.copy_alert)
        return;
    action("copyalert")->setChecked(*s.copy_alert != 0);
    action("alertcopy_right")->setChecked(*s.copy_alert != 0);
    if (!widgets::set_check_value(check3_, *s.copy_alert))
        return;
    if (!s.color || !prefs_.on(storage::AutoSaveColor))
        return;
    const std::vector<int> channels = storage::color_text_channels(*s.color);
    for (size_t c = 0; c < channels.size(); ++c)
        clr_[c]->setValue(channels[c]);
}

void Form1::savesettings()
{
    QByteArray color = "0  0  0  ";
    if (prefs_.on(storage::AutoSaveColor)) {
        get_save_rgb();
        color = saved_color_text_;
    }
    storage::write_file_atomically(folder_.settings_file(),
        storage::settings_bytes(
            widgets::check_value(check1_), widgets::check_value(check3_), color));
}

// ---- Load ----

void Form1::Form_Load()
{
    openprefs();
    opensettings();
    if (prefs_.on(storage::LoadStation))
        show_station();
    applyTrayMode(prefs_[storage::TrayMode]);
}

void Form1::applyTrayMode(int mode)
{
    modes_->apply_tray_mode(mode);
}

// ---- Station ----

station::Form3* Form1::show_station()
{
    if (!is_open(station_)) {
        station_ = new station::Form3(platform_, folder_.station_prefs_file(), [this] {
            return station::CopyOptions {
                action("numsign")->isChecked(), action("copyalert")->isChecked()};
        });
    }
    station_->show();
    station_->raise();
    station_->activateWindow();
    return station_;
}

void Form1::send_to_matcher(station::Target target)
{
    station::Form3* s = is_open(station_) ? station_.data() : show_station();
    s->select_target(target);
    for (int c = 0; c < 3; ++c) {
        // A box the user is still editing may not hold a channel value; send the bar's.
        bool whole = false;
        const int typed = text_[c]->text().toInt(&whole);
        const bool usable = whole && typed >= 0 && typed <= 255
            && core::check_rgb_text(editing::to_u32(text_[c]->text()));
        s->CLR(c)->setValue(usable ? typed : clr_[c]->value());
    }
}

// ---- Window modes, help ----

bool Form1::staysOnTop() const
{
    return action("staytop")->isChecked();
}

void Form1::staytop_toggle(bool checked)
{
    action("staytop")->setChecked(checked);
    action("stayontopr")->setChecked(checked);
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

// ---- Exit ----

bool Form1::close_request()
{
    openprefs();
    if (prefs_.on(storage::ConfirmExit)) {
        if (!platform_.askYesNo(this, QStringLiteral("Are you sure you want to quit?"),
                QString::fromLatin1(core::kAppTitle)))
            return false;
    }
    return true;
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

void Form1::closeEvent(QCloseEvent* event)
{
    if (unloading_) {
        event->accept();
        return;
    }
    if (!close_request()) {
        event->ignore();
        return;
    }
    unloading_ = true;
    unload();
    event->accept();
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    if (widgets::press_default_button(event, default_button_))
        return;
    QMainWindow::keyPressEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == text4_) {
            // From now on Enter applies the typed code.
            default_button_ = command5_;
            command5_->setDefault(true);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace editor
