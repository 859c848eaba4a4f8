#include "station/form3.h"

#include "core/copy_text.h"
#include "core/entry.h"
#include "platform/platform.h"
#include "storage/files.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>

namespace station {

using widgets::px;
using widgets::twips_rect;

namespace {

QFont arial(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont sans(double points, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QColor to_qcolor(const core::Rgb& c)
{
    return QColor(c.red, c.green, c.blue);
}

int value_of(const QColor& c)
{
    return core::color_value(c.red(), c.green(), c.blue());
}

} // namespace

Form3::Form3(platform::Platform& platform, QString station_prefs_file,
    std::function<CopyOptions()> copy_options)
    : QMainWindow(nullptr), platform_(platform), prefs_file_(std::move(station_prefs_file)),
      copy_options_(std::move(copy_options))
{
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Pigmentor - Color Matching Station"));
    build_controls();
    build_menus();
    editing::popup_on_right_click(this, platform_, rightclik_,
        {centralWidget(), frame("Frame1"), frame("Frame4"), frame("Frame5"), frame("Frame6")});
    widgets::give_menu_shortcuts_priority(this);

    // The client area is fixed; the menu bar comes on top of it.
    const QSize client(px(8475), px(3090));
    centralWidget()->setFixedSize(client);
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    openprefs();
}

Form3::~Form3() = default;

void Form3::build_controls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    const QFont frame_font = arial(8.25, true);

    auto frame = [&](const char* name, const char* caption, QRect geometry) {
        auto* f = new QGroupBox(QString::fromUtf8(caption), client);
        f->setObjectName(QString::fromLatin1(name));
        f->setFont(frame_font);
        f->setGeometry(geometry);
        return f;
    };
    auto button = [&](QWidget* parent, const char* name, const char* caption, const char* tip,
                      QRect geometry, const QFont& font) {
        auto* b = new QPushButton(QString::fromUtf8(caption), parent);
        b->setObjectName(QString::fromLatin1(name));
        if (tip)
            b->setToolTip(QString::fromUtf8(tip));
        b->setGeometry(geometry);
        b->setFont(font);
        b->setAutoDefault(true);
        return b;
    };
    auto label = [&](QWidget* parent, const char* name, const char* caption, const char* tip,
                     QRect geometry, const QColor& color, const QFont& font,
                     Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
        auto* l = new QLabel(QString::fromUtf8(caption), parent);
        l->setObjectName(QString::fromLatin1(name));
        if (tip)
            l->setToolTip(QString::fromUtf8(tip));
        l->setGeometry(geometry);
        l->setFont(font);
        l->setAlignment(align);
        widgets::set_palette_color(l, QPalette::WindowText, color);
        return l;
    };

    QGroupBox* frame1 = frame("Frame1", "Color Matching Station", twips_rect(50, 0, 6690, 2295));
    QPushButton* command3 = button(client, "Command3", "Color &Picker...",
        "Choose a color from a color spectrum!", twips_rect(6840, 120, 1545, 375), frame_font);
    QPushButton* command4 = button(client, "Command4", "&Safe Palette",
        "Mak e the color safe for any computer on the web!", twips_rect(6840, 600, 1545, 375),
        frame_font);
    QPushButton* command1 = button(client, "Command1", "Change text font", nullptr,
        twips_rect(6840, 1080, 1545, 375), frame_font);
    check1_ = new widgets::ValueCheckBox(QStringLiteral("Auto Safe"), client);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setToolTip(QStringLiteral("Auto Safe Colors"));
    check1_->setGeometry(twips_rect(6860, 1610, 1215, 255).adjusted(0, -2, 30, 2));
    check1_->setFont(sans(8.25, true));
    check2_ = new widgets::ValueCheckBox(QStringLiteral("Hide Text"), client);
    check2_->setObjectName(QStringLiteral("Check2"));
    check2_->setToolTip(QStringLiteral("Hide the sample text"));
    check2_->setGeometry(twips_rect(6860, 1950, 1215, 255).adjusted(0, -2, 30, 2));
    check2_->setFont(sans(8.25, true));
    QPushButton* command6 = button(client, "Command6", "Close", "Close Color Matching Station",
        twips_rect(6840, 2640, 1545, 360), arial(9.75, true));
    QGroupBox* frame4 = frame("Frame4", "RGB Values", twips_rect(50, 2350, 2900, 690));
    QGroupBox* frame5 = frame("Frame5", "Change Text", twips_rect(3035, 2350, 2080, 690));
    QGroupBox* frame6 = frame("Frame6", "Enter Hex Code", twips_rect(5200, 2350, 1530, 690));
    widgets::set_palette_color(frame6, QPalette::WindowText, QColor(0, 64, 0));

    // The sample: background, object above it, text above both.
    shape1_ = new widgets::ShapeWidget(frame1);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->setGeometry(twips_rect(120, 240, 2970, 1935));
    shape1_->setFill(Qt::white);
    shape1_->setOutline(true);
    shape2_ = new widgets::ShapeWidget(frame1);
    shape2_->setObjectName(QStringLiteral("Shape2"));
    shape2_->setGeometry(twips_rect(680, 840, 1815, 975));
    shape2_->setFill(Qt::black);
    label3_ = label(frame1, "Label3", "Sample Text 123", nullptr, twips_rect(255, 360, 2700, 420),
        Qt::black, arial(11.25, true), Qt::AlignCenter);
    label3_->setAttribute(Qt::WA_TranslucentBackground);

    const char* option_names[] = {"Option1", "Option2", "Option3"};
    const char* option_captions[] = {"Background", "Object", "Text"};
    const QRect option_places[] = {twips_rect(3215, 240, 1155, 255),
        twips_rect(4370, 240, 1095, 255), twips_rect(5460, 240, 1095, 255)};
    for (int t = 0; t < 3; ++t) {
        option_[t] = new QRadioButton(QString::fromLatin1(option_captions[t]), frame1);
        option_[t]->setObjectName(QString::fromLatin1(option_names[t]));
        option_[t]->setGeometry(option_places[t].adjusted(-4, -2, 4, 2));
        option_[t]->setFont(arial(7.5, true));
    }
    option_[Background]->setChecked(true);

    const QFont name_font = sans(8.25, true);
    label(frame1, "Label7", "Red", "Red", twips_rect(3340, 600, 375, 255), QColor(192, 0, 0),
        name_font, Qt::AlignRight | Qt::AlignVCenter);
    label(frame1, "Label4", "Green", "Green", twips_rect(3220 - 60, 960, 525 + 60, 255),
        QColor(0, 128, 0), name_font, Qt::AlignRight | Qt::AlignVCenter);
    label(frame1, "Label5", "Blue", "Blue", twips_rect(3325, 1320, 435, 255), QColor(0, 0, 255),
        name_font, Qt::AlignRight | Qt::AlignVCenter);
    for (int c = 0; c < 3; ++c) {
        clr_[c] = new QScrollBar(Qt::Horizontal, frame1);
        clr_[c]->setObjectName(QStringLiteral("CLR(%1)").arg(c));
        clr_[c]->setGeometry(twips_rect(3795, 600 + 360 * c, 2565, 255));
        clr_[c]->setRange(0, 255);
        clr_[c]->setSingleStep(1);
        clr_[c]->setPageStep(7);
        clr_[c]->setValue(255);
        clr_[c]->setTracking(false); // the colour follows when the thumb is released
    }
    auto* shape3 = new QFrame(frame1);
    shape3->setObjectName(QStringLiteral("Shape3"));
    shape3->setFrameShape(QFrame::Box);
    shape3->setGeometry(twips_rect(3240, 1730, 2295, 430));
    shape3->setAttribute(Qt::WA_TransparentForMouseEvents);
    label(frame1, "Label2", "Hex Code:", nullptr, twips_rect(3360 - 60, 1830, 990 + 60, 255),
        QColor(0, 0, 128), arial(9.75, true));
    label1_ = label(frame1, "Label1", "FFFFFF", "Hex Value",
        twips_rect(4440, 1830 - 15, 900 + 90, 285 + 30), palette().color(QPalette::WindowText),
        arial(12, true));
    QPushButton* command2 = button(
        frame1, "Command2", "&Copy ", "Copy", twips_rect(5640, 1720, 885, 420), arial(9, true));

    const char* box_names[] = {"Text1", "Text2", "Text3"};
    const char* name_captions[] = {"Red", "Green", "Blue"};
    const char* name_names[] = {"Label8", "Label9", "Label10"};
    const QColor name_colors[] = {QColor(192, 0, 0), QColor(0, 128, 0), QColor(0, 0, 255)};
    const QColor box_colors[]
        = {QColor(255, 192, 192), QColor(192, 255, 192), QColor(192, 192, 255)};
    const int name_left[] = {90, 960 - 30, 2000 - 30};
    const int name_width[] = {375 + 30, 525 + 30, 405 + 30};
    const int box_left[] = {500, 1510, 2430};
    for (int c = 0; c < 3; ++c) {
        label(frame4, name_names[c], name_captions[c], name_captions[c],
            twips_rect(name_left[c], 320 - 30, name_width[c], 255 + 60), name_colors[c],
            sans(7.5, true));
        text_[c] = new QLineEdit(QStringLiteral("255"), frame4);
        text_[c]->setObjectName(QString::fromLatin1(box_names[c]));
        text_[c]->setMaxLength(3);
        text_[c]->setGeometry(twips_rect(box_left[c] - 30, 280 - 15, 375 + 75, 285 + 45));
        widgets::set_palette_color(text_[c], QPalette::Base, box_colors[c]);
        widgets::select_on_focus(text_[c], 3);
    }
    text4_ = new QLineEdit(QStringLiteral("Sample Text 123"), frame5);
    text4_->setObjectName(QStringLiteral("Text4"));
    text4_->setMaxLength(20);
    text4_->setGeometry(twips_rect(140, 270 - 15, 1800, 315 + 45));
    text4_->setFont(sans(8.25, true));
    widgets::set_palette_color(text4_, QPalette::Base, QColor(224, 224, 224));
    widgets::select_on_focus(text4_, 20);
    text7_ = new QLineEdit(QStringLiteral("FFFFFF"), frame6);
    text7_->setObjectName(QStringLiteral("Text7"));
    text7_->setToolTip(QStringLiteral("Enter Your OWN hex code here!"));
    text7_->setMaxLength(6);
    text7_->setGeometry(twips_rect(120 - 30, 260 - 15, 770 + 90, 315 + 45));
    text7_->setFont(arial(8.25, false));
    widgets::set_palette_color(text7_, QPalette::Base, QColor(224, 224, 224));
    text7_->installEventFilter(this);
    widgets::select_on_focus(text7_, 6);
    command5_ = button(frame6, "Command5", "Go", "Go",
        twips_rect(960 + 30, 240 - 15, 450, 360 + 30), arial(9, true));
    command5_->setDefault(true);

    setTabOrder(option_[0], option_[1]);
    setTabOrder(option_[1], option_[2]);
    setTabOrder(option_[2], command3);
    setTabOrder(command3, command4);
    setTabOrder(command4, command1);
    setTabOrder(command1, check1_);
    setTabOrder(check1_, check2_);
    setTabOrder(check2_, command2);
    setTabOrder(command2, text_[0]);
    setTabOrder(text_[0], text_[1]);
    setTabOrder(text_[1], text_[2]);
    setTabOrder(text_[2], text4_);
    setTabOrder(text4_, text7_);
    setTabOrder(text7_, command5_);
    setTabOrder(command5_, command6);
    setTabOrder(command6, clr_[0]);
    setTabOrder(clr_[0], clr_[1]);
    setTabOrder(clr_[1], clr_[2]);

    for (int c = 0; c < 3; ++c) {
        connect(clr_[c], &QScrollBar::valueChanged, this, &Form3::CLR_Change);
        connect(text_[c], &QLineEdit::textChanged, this,
            [this, c] { editing::channel_box_changed(*this, c); });
    }
    for (int t = 0; t < 3; ++t) {
        connect(option_[t], &QRadioButton::toggled, this, [this, t](bool on) {
            if (on)
                Option_Click(Target(t));
        });
    }
    connect(command5_, &QPushButton::clicked, this, &Form3::Command5_Click);
    connect(command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(command1, &QPushButton::clicked, this, &Form3::samptxtfont_Click);
    connect(command6, &QPushButton::clicked, this, &QWidget::close);
    connect(command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(check1_, &QCheckBox::stateChanged, this, &Form3::Check1_Click);
    connect(check2_, &QCheckBox::stateChanged, this, &Form3::Check2_Click);
    connect(text4_, &QLineEdit::textChanged, label3_, &QLabel::setText);
}

void Form3::build_menus()
{
    // The three "Hex Code" items come in three menus; each copies its target's code.
    auto add_hex_items = [this](QMenu* menu, const std::array<const char*, 3>& names,
                             const std::array<QKeySequence, 3>& keys) {
        const char* captions[] = {"Background Hex Code", "Object Hex Code", "Text Hex Code"};
        for (int t = 0; t < 3; ++t) {
            connect(widgets::add_action(menu, names[t], QString::fromLatin1(captions[t]), keys[t]),
                &QAction::triggered, this, [this, t] { copy_hex(Target(t)); });
        }
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("file"));
    connect(widgets::add_action(
                file, "newtheme", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N)),
        &QAction::triggered, this, &Form3::newtheme);
    connect(widgets::add_action(file, "load_color", QStringLiteral("&Load Saved Theme..."),
                QKeySequence(Qt::CTRL | Qt::Key_O)),
        &QAction::triggered, this, &Form3::opentheme);
    connect(widgets::add_action(file, "save_color", QStringLiteral("&Save Theme As..."),
                QKeySequence(Qt::CTRL | Qt::Key_S)),
        &QAction::triggered, this, &Form3::savetheme);
    file->addSeparator()->setObjectName(QStringLiteral("none101"));
    QMenu* copy = file->addMenu(QStringLiteral("Copy"));
    copy->setObjectName(QStringLiteral("copymenu"));
    add_hex_items(copy, {"backhex", "objecthex", "texthexcopy"},
        {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_D),
            QKeySequence(Qt::CTRL | Qt::Key_E)});
    copy->addSeparator()->setObjectName(QStringLiteral("sumphin"));
    QAction* bakrgb = widgets::add_action(copy, "bakrgb", QStringLiteral("Background RGB Values"));
    QAction* objrgb = widgets::add_action(copy, "objrgb", QStringLiteral("Object RGB Values"));
    QAction* textrgb = widgets::add_action(copy, "textrgb", QStringLiteral("Text RGB Values"));
    connect(bakrgb, &QAction::triggered, this, [this] { copy_rgb(Background); });
    connect(objrgb, &QAction::triggered, this, [this] { copy_rgb(Object); });
    connect(textrgb, &QAction::triggered, this, [this] { copy_rgb(Text); });
    file->addSeparator()->setObjectName(QStringLiteral("none2"));
    QAction* safep = widgets::add_action(
        file, "safep", QStringLiteral("Safe Palette"), QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(safep, &QAction::triggered, this, &Form3::Command4_Click);
    QAction* autosafep = widgets::add_action(
        file, "autosafep", QStringLiteral("Auto Safe Palette"), QKeySequence(Qt::CTRL | Qt::Key_A));
    autosafep->setCheckable(true);
    connect(autosafep, &QAction::triggered, this, &Form3::autosafe_toggle);
    connect(widgets::add_action(file, "choosec", QStringLiteral("Color Picker...")),
        &QAction::triggered, this, &Form3::Command3_Click);
    connect(widgets::add_action(
                file, "pastehex", QStringLiteral("Paste Hex Code"), QKeySequence(Qt::Key_F2)),
        &QAction::triggered, this, &Form3::pastehex_Click);
    file->addSeparator()->setObjectName(QStringLiteral("none4"));
    connect(widgets::add_action(
                file, "exit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_F4)),
        &QAction::triggered, this, &QWidget::close);

    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Options"));
    settings->setObjectName(QStringLiteral("settings"));
    QAction* staytop = widgets::add_action(
        settings, "staytop", QStringLiteral("Stay on top"), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    staytop->setCheckable(true);
    connect(staytop, &QAction::triggered, this, &Form3::staytop_toggle);
    QAction* oval = widgets::add_action(settings, "oval", QStringLiteral("Oval &Object"));
    oval->setCheckable(true);
    connect(oval, &QAction::triggered, this, &Form3::oval_toggle);
    QAction* hidetxt = widgets::add_action(settings, "hidetxt", QStringLiteral("Hide Text"));
    hidetxt->setCheckable(true);
    connect(hidetxt, &QAction::triggered, this, &Form3::hidetxt_toggle);
    settings->addSeparator()->setObjectName(QStringLiteral("none3"));
    connect(widgets::add_action(settings, "samptxtfont", QStringLiteral("Sample text font...")),
        &QAction::triggered, this, &Form3::samptxtfont_Click);

    QMenu* presets = menuBar()->addMenu(QStringLiteral("&Presets"));
    presets->setObjectName(QStringLiteral("presets"));
    editing::add_preset_items(presets,
        {"blackp", "whitep", "bluep", "brownp", "goldp", "gray", "greenp", "orangep", "redc",
            "violetp", "yellowp"},
        [this](const core::Rgb& c) { psets(c.red, c.green, c.blue); });

    // The two pop-up menus; they never show in the menu bar.
    rightclik_ = new QMenu(QStringLiteral("Right Menu"), this);
    rightclik_->setObjectName(QStringLiteral("rightclik"));
    QMenu* copy_right = rightclik_->addMenu(QStringLiteral("Copy"));
    copy_right->setObjectName(QStringLiteral("copy_right"));
    add_hex_items(copy_right, {"backhexr", "objecthexr", "texthexcopyr"}, {});
    copy_right->addSeparator()->setObjectName(QStringLiteral("sepe"));
    connect(
        widgets::add_action(copy_right, "right_bakrgb", QStringLiteral("Background RGB Values")),
        &QAction::triggered, bakrgb, &QAction::trigger);
    connect(widgets::add_action(copy_right, "right_objectrgb", QStringLiteral("Object RGB Values")),
        &QAction::triggered, objrgb, &QAction::trigger);
    connect(widgets::add_action(copy_right, "right_textrgb", QStringLiteral("Text RGB Values")),
        &QAction::triggered, textrgb, &QAction::trigger);
    rightclik_->addSeparator()->setObjectName(QStringLiteral("none55"));
    connect(widgets::add_action(rightclik_, "safepalr", QStringLiteral("Safe Palette")),
        &QAction::triggered, this, &Form3::Command4_Click);
    QAction* autosafepr
        = widgets::add_action(rightclik_, "autosafepr", QStringLiteral("Auto Safe Palette"));
    autosafepr->setCheckable(true);
    connect(autosafepr, &QAction::triggered, this, &Form3::autosafe_toggle);
    connect(widgets::add_action(rightclik_, "choosecolorr", QStringLiteral("Color Picker...")),
        &QAction::triggered, this, &Form3::Command3_Click);
    rightclik_->addSeparator()->setObjectName(QStringLiteral("none5"));
    QAction* stayontopr
        = widgets::add_action(rightclik_, "stayontopr", QStringLiteral("Stay on top"));
    stayontopr->setCheckable(true);
    connect(stayontopr, &QAction::triggered, this, &Form3::staytop_toggle);

    copymenur_ = new QMenu(QStringLiteral("copymenu"), this);
    copymenur_->setObjectName(QStringLiteral("copymenur"));
    add_hex_items(copymenur_, {"bakhexcode", "objhexcode", "texthexcode"}, {});
}

QPushButton* Form3::button(const char* name) const
{
    return findChild<QPushButton*>(QString::fromLatin1(name));
}

QAction* Form3::action(const char* name) const
{
    return findChild<QAction*>(QString::fromLatin1(name));
}

QGroupBox* Form3::frame(const char* name) const
{
    return findChild<QGroupBox*>(QString::fromLatin1(name));
}

QColor Form3::target_color(Target t) const
{
    switch (t) {
    case Background:
        return shape1_->fill();
    case Object:
        return shape2_->fill();
    case Text:
        return label3_->palette().color(QPalette::WindowText);
    }
    return {};
}

Target Form3::selected_target() const
{
    if (option_[Object]->isChecked())
        return Object;
    if (option_[Text]->isChecked())
        return Text;
    return Background;
}

void Form3::select_target(Target t)
{
    option_[t]->setChecked(true);
}

void Form3::Option_Click(Target t)
{
    scrollbarfixer(value_of(target_color(t)));
    settool();
}

void Form3::settool()
{
    // Read from the buffer, not the bars: each write below repaints the target with
    // partly loaded channels, and the rest must still come from the target's colour.
    const core::Rgb loaded = buffer_;
    editing::write_channels(*this, loaded);
}

void Form3::scrollbarfixer(int color)
{
    buffer_ = core::channels_from_color_value(color);
}

bool Form3::returnrgb(const QByteArray& hex)
{
    const auto rgb = core::parse_hex_code(editing::to_u32(QString::fromLatin1(hex)));
    if (!rgb)
        return false;
    buffer_ = *rgb;
    return true;
}

void Form3::get_hex(Target t, int color)
{
    scrollbarfixer(color);
    slots_[t] = QString::fromStdString(core::build_hex_code(buffer_));
}

void Form3::CLR_Change()
{
    const core::Rgb bars = editing::channels(*this);
    text_[0]->setText(editing::decimal(bars.red));
    text_[1]->setText(editing::decimal(bars.green));
    text_[2]->setText(editing::decimal(bars.blue));

    const core::Rgb now = editing::channels(*this);
    const QColor color = to_qcolor(now);
    switch (selected_target()) {
    case Background:
        shape1_->setFill(color);
        break;
    case Object:
        shape2_->setFill(color);
        break;
    case Text:
        widgets::set_palette_color(label3_, QPalette::WindowText, color);
        break;
    }
    if (check1_->checkState() == Qt::Checked)
        Command4_Click();

    const QString code = QString::fromStdString(core::build_hex_code(editing::channels(*this)));
    label1_->setText(code);
    text7_->setText(code);
    dialog_.color = value_of(target_color(selected_target()));
}

void Form3::psets(int red, int green, int blue)
{
    editing::write_channels(*this, core::Rgb {red, green, blue});
}

void Form3::Command5_Click()
{
    const QString upper
        = QString::fromStdU32String(core::upper_ascii(editing::to_u32(text7_->text())));
    text7_->setText(upper);
    const core::HexEntry entry = core::hex_entry(editing::to_u32(upper));
    const auto rgb = editing::accept_entry(*this, entry, core::Window::Station);
    if (entry.refusal == core::Refusal::InvalidCharacters)
        text7_->setText(QStringLiteral("000000"));
    if (rgb)
        editing::write_channels(*this, *rgb);
}

void Form3::pastehex_Click()
{
    const core::HexEntry entry = core::paste_entry(editing::to_u32(platform_.clipboardText()));
    const auto rgb = editing::accept_entry(*this, entry, core::Window::Station);
    if (rgb)
        editing::write_channels(*this, *rgb);
    else if (entry.refusal != core::Refusal::BlankClipboard)
        text7_->setText(label1_->text());
}

void Form3::Command4_Click()
{
    editing::make_safe(*this);
}

void Form3::Check1_Click()
{
    const bool on = check1_->checkState() == Qt::Checked;
    QAction* safep = action("safep");
    QAction* safepalr = action("safepalr");
    action("autosafep")->setChecked(on);
    action("autosafepr")->setChecked(on);
    if (on) {
        Command4_Click();
        editing::auto_websafe(*this, 51, 51);
    } else {
        editing::auto_websafe(*this, 1, 7);
    }
    QPushButton* command4 = button("Command4");
    command4->setEnabled(!on);
    command4->setText(on ? QStringLiteral("Auto Safe") : QStringLiteral("Safe Palette"));
    safep->setEnabled(!on);
    safepalr->setEnabled(!on);
    editing::set_boxes_read_only(*this, on);
}

void Form3::autosafe_toggle(bool checked)
{
    action("autosafep")->setChecked(checked);
    action("autosafepr")->setChecked(checked);
    check1_->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void Form3::Command3_Click()
{
    editing::pick_color(*this);
}

void Form3::Check2_Click()
{
    const Qt::CheckState state = check2_->checkState();
    if (state == Qt::Checked) {
        if (option_[Text]->isChecked())
            option_[Background]->setChecked(true);
        option_[Text]->setEnabled(false);
        label3_->hide();
        text4_->setEnabled(false);
        action("hidetxt")->setChecked(true);
    } else if (state == Qt::Unchecked) {
        option_[Text]->setEnabled(true);
        label3_->show();
        text4_->setEnabled(true);
        action("hidetxt")->setChecked(false);
    }
}

void Form3::hidetxt_toggle(bool checked)
{
    action("hidetxt")->setChecked(checked);
    check2_->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void Form3::oval_toggle(bool checked)
{
    action("oval")->setChecked(checked);
    shape2_->setOval(checked);
}

void Form3::samptxtfont_Click()
{
    const auto font = platform_.chooseFont(this, label3_->font());
    if (!font)
        return;
    QFont f = label3_->font();
    f.setFamily(font->family());
    f.setBold(font->bold());
    f.setPointSizeF(font->pointSizeF());
    f.setItalic(font->italic());
    f.setUnderline(font->underline());
    f.setStrikeOut(font->strikeOut());
    label3_->setFont(f);
}

void Form3::staytop_toggle(bool checked)
{
    action("staytop")->setChecked(checked);
    action("stayontopr")->setChecked(checked);
    platform_.setTopmost(this, checked);
}

void Form3::Command2_Click()
{
    // Placed as the window has always placed it: from the button's place in its frame,
    // taken as a point of the window's client area.
    const QPoint at(px(5640 + 130), px(1720 + 420 - 170));
    platform_.popupMenu(copymenur_, centralWidget()->mapToGlobal(at));
}

void Form3::copy_hex(Target t)
{
    striphex(value_of(target_color(t)));
}

void Form3::copy_rgb(Target t)
{
    scrollbarfixer(value_of(target_color(t)));
    copyrgb(buffer_.red, buffer_.green, buffer_.blue);
}

void Form3::striphex(int color)
{
    const core::Rgb c = core::channels_from_color_value(color);
    const CopyOptions options = copy_options_();
    const std::string text = core::hex_copy_text(core::build_hex_code(c), options.hash_prefix);
    if (!editing::copy_to_clipboard(*this, text))
        return;
    if (options.alert)
        editing::show_message(platform_, this, core::copy_alert(text, core::CopyKind::StationHex));
}

void Form3::copyrgb(int red, int green, int blue)
{
    const std::string text
        = core::rgb_copy_text(std::to_string(red), std::to_string(green), std::to_string(blue));
    if (!editing::copy_to_clipboard(*this, text))
        return;
    if (copy_options_().alert)
        editing::show_message(platform_, this, core::copy_alert(text, core::CopyKind::Rgb));
}

void Form3::savetheme()
{
    get_hex(Background, value_of(target_color(Background)));
    get_hex(Object, value_of(target_color(Object)));
    get_hex(Text, value_of(target_color(Text)));
    const QString name = platform_.saveFileName(this, QStringLiteral("Save Theme As"),
        QStringLiteral("."), QStringLiteral("Color Matching Station File (*.pmtm)"));
    if (name.isEmpty())
        return;
    storage::write_file_atomically(name,
        storage::theme_bytes(slots_[Background].toStdString(), slots_[Object].toStdString(),
            slots_[Text].toStdString()));
}

void Form3::opentheme()
{
    const QString name = platform_.openFileName(this, QStringLiteral("Load Saved Theme"),
        QStringLiteral("."), QStringLiteral("Pigmentor Files (*.pmtm)"));
    if (name.isEmpty())
        return;
    const auto bytes = storage::read_small_file(name);
    if (!bytes)
        return;
    const storage::ThemePieces pieces = storage::theme_pieces(storage::join_lines(*bytes));
    if (!returnrgb(pieces.background))
        return;
    const core::Rgb background = buffer_;
    shape1_->setFill(to_qcolor(background));
    editing::write_channels(*this, background);
    if (!returnrgb(pieces.object))
        return;
    shape2_->setFill(to_qcolor(buffer_));
    if (!returnrgb(pieces.text))
        return;
    widgets::set_palette_color(label3_, QPalette::WindowText, to_qcolor(buffer_));
    select_target(Background);
}

void Form3::newtheme()
{
    shape2_->setFill(Qt::black);
    widgets::set_palette_color(label3_, QPalette::WindowText, Qt::black);
    select_target(Background);
    psets(255, 255, 255);
}

void Form3::openprefs()
{
    const auto bytes = storage::read_small_file(prefs_file_);
    if (!bytes)
        return;
    const auto oval = storage::parse_truth(*bytes);
    if (!oval)
        return;
    action("oval")->setChecked(*oval);
    shape2_->setOval(*oval);
}

void Form3::saveprefs()
{
    storage::write_file_atomically(
        prefs_file_, storage::station_prefs_bytes(action("oval")->isChecked()));
}

void Form3::keyPressEvent(QKeyEvent* event)
{
    if (widgets::press_default_button(event, command5_))
        return;
    QMainWindow::keyPressEvent(event);
}

void Form3::closeEvent(QCloseEvent* event)
{
    saveprefs();
    event->accept();
}

bool Form3::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == text7_) {
        command5_->setDefault(true);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace station
