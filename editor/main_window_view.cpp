#include "editor/main_window_view.h"

#include "editor/contrast_info.h"
#include "editor/recent_colors.h"
#include "widgets/app_icon.h"
#include "editing/editing.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QtMath>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

namespace editor {

bool HiddenCheck::set(int value)
{
    if (value < 0 || value > 2)
        return false;
    value_ = value;
    return true;
}

namespace {

const char* const kChannelNames[] = {"Red", "Green", "Blue"};
const QColor kChannelColors[] = {QColor(128, 0, 0), QColor(0, 100, 0), QColor(0, 0, 255)};
const QColor kBoxColors[] = {QColor(255, 192, 192), QColor(192, 255, 192), QColor(192, 192, 255)};
const QColor kCodeBoxColor(224, 224, 224);
const QColor kCodeTextColor(0, 0, 128);

// The program's icon, painted at the screen's pixel ratio so that it stays sharp when
// the desktop is scaled; read when it is first painted.
class IconView : public QWidget {
public:
    explicit IconView(QWidget* parent) : QWidget(parent) { setFixedSize(32, 32); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const int pixels = qCeil(width() * devicePixelRatioF());
        if (pixels != icon_pixels_) {
            icon_ = widgets::app_icon({pixels});
            icon_pixels_ = pixels;
        }
        QPainter painter(this);
        icon_.paint(&painter, rect());
    }

private:
    QIcon icon_;
    int icon_pixels_ = 0;
};

// Keeps Check2 over the left end of Command7 wherever the layout puts the button.
class OverlayFollower : public QObject {
public:
    OverlayFollower(QWidget* base, QWidget* overlay) : QObject(base), base_(base), overlay_(overlay)
    {
        base->installEventFilter(this);
    }

    static int inset(const QWidget* base)
    {
        return base->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, base) / 2 + 4;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize
            || event->type() == QEvent::Show) {
            const QSize size = overlay_->sizeHint();
            const QRect g = base_->geometry();
            overlay_->setGeometry(g.left() + inset(base_),
                g.top() + (g.height() - size.height()) / 2, size.width(), size.height());
            overlay_->raise();
        }
        return false;
    }

private:
    QWidget* base_;
    QWidget* overlay_;
};

QGroupBox* make_frame(QWidget* parent, const char* name, const QString& caption)
{
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setAccessibleName(caption);
    return f;
}

QPushButton* make_button(
    QWidget* parent, const char* name, const QString& caption, const QString& tip)
{
    QPushButton* b = widgets::push_button(parent, name, caption, tip);
    b->setAutoDefault(true);
    return b;
}

QLabel* make_label(QWidget* parent, const char* name, const QString& caption)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLabel* channel_label(QWidget* parent, const char* name, int channel, QWidget* buddy)
{
    QLabel* l = make_label(parent, name, QString::fromLatin1(kChannelNames[channel]));
    l->setFont(widgets::scaled_font(l->font(), 1.0, true));
    l->setBuddy(buddy);
    return l;
}

// A box just wide enough for `chars` of its widest hex digit, whatever the font.
QLineEdit* make_box(QWidget* parent, const char* name, const QString& text, int chars)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(chars);
    return box;
}

void fit_box(QLineEdit* box)
{
    const int digit
        = QFontMetrics(box->font()).horizontalAdvance(widgets::widest_hex_digit(box->font()));
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    const QMargins m = box->textMargins();
    // The line edit keeps 2 pixels each side of its text; one more digit's room is slack.
    box->setFixedWidth(digit * (box->maxLength() + 1) + 2 * frame + m.left() + m.right() + 4);
}

} // namespace

void Form1View::setup(QMainWindow* window)
{
    build_controls(window);
    build_menus(window);
    apply_colors();
}

void Form1View::apply_colors()
{
    const std::array<QLabel*, 3> captions[] = {{Label7, Label4, Label5}, {Label8, Label9, Label10}};
    for (const auto& row : captions) {
        for (int c = 0; c < 3; ++c)
            widgets::set_caption_color(row[c], kChannelColors[c]);
    }
    for (int c = 0; c < 3; ++c)
        widgets::set_box_colors(box(c), kBoxColors[c]);
    widgets::set_box_colors(Text4, kCodeBoxColor);
    widgets::set_palette_color(
        Text4, QPalette::Text, widgets::legible(kCodeTextColor, kCodeBoxColor));
}

void Form1View::show_info(const QString& text)
{
    static const QString kTip = QStringLiteral("The nearest CSS color name and the hsl() form");
    const QFontMetrics fm(cssInfo->font());
    const int room = cssInfo->minimumWidth();
    // The sum of the characters' own widths, from a table kept for the font, stands in for
    // measuring the whole line on every change, with room for kerning to spare. A character
    // is measured when first met, so that glyphs no line shows are never loaded.
    if (!advances_font_ || cssInfo->font() != *advances_font_) {
        advances_font_ = cssInfo->font();
        advances_.fill(-1);
    }
    int estimate = 0;
    for (const QChar c : text) {
        if (c.unicode() >= 128) {
            estimate += fm.horizontalAdvance(c);
            continue;
        }
        int& advance = advances_[c.unicode()];
        if (advance < 0)
            advance = fm.horizontalAdvance(c);
        estimate += advance;
    }
    if (estimate <= room * 9 / 10 || fm.horizontalAdvance(text) <= room) {
        cssInfo->setText(text);
        cssInfo->setToolTip(kTip);
        return;
    }
    // Too long: the whole text in the tooltip, the line without the distance, then elided.
    QString shown = text;
    shown.remove(QRegularExpression(QStringLiteral(" \\(ΔE [0-9.]+\\)")));
    cssInfo->setText(fm.elidedText(shown, Qt::ElideRight, room));
    cssInfo->setToolTip(text);
}

void Form1View::build_controls(QMainWindow* window)
{
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    window->setCentralWidget(client);
    const QFont bold = widgets::scaled_font(window->font(), 1.0, true);
    const QFontMetrics fm(window->font());

    // "Choose Color": bars, preview, picker and Safe Palette.
    Frame1 = make_frame(client, "Frame1", QStringLiteral("Choose Color"));
    const char* bar_label_names[] = {"Label7", "Label4", "Label5"};
    QLabel** bar_labels[] = {&Label7, &Label4, &Label5};
    auto* frame1_grid = new QGridLayout(Frame1);
    for (int c = 0; c < 3; ++c) {
        CLR[c] = new editing::ChannelBar(Frame1);
        CLR[c]->setObjectName(QStringLiteral("CLR(%1)").arg(c));
        CLR[c]->setAccessibleName(QString::fromLatin1(kChannelNames[c]));
        CLR[c]->setMinimumWidth(fm.averageCharWidth() * 34);
        QLabel* l = channel_label(Frame1, bar_label_names[c], c, CLR[c]);
        l->setToolTip(QString::fromLatin1(kChannelNames[c]));
        *bar_labels[c] = l;
        frame1_grid->addWidget(l, c, 0);
        frame1_grid->addWidget(CLR[c], c, 1);
    }
    Shape1 = new widgets::ShapeWidget(Frame1);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setAccessibleName(QStringLiteral("Preview"));
    Shape1->setAccessibleDescription(QStringLiteral("000000"));
    Shape1->setOutline(true);
    Shape1->setFill(Qt::black);
    Shape1->setMinimumSize(fm.averageCharWidth() * 18, fm.height() * 4);
    frame1_grid->addWidget(Shape1, 0, 2, 3, 1);
    Command6 = make_button(Frame1, "Command6", QStringLiteral("&Color Picker..."),
        QStringLiteral("Click here to choose a color from a color spectrum"));
    Command7 = make_button(Frame1, "Command7", QString::fromLatin1(kSafeCaption),
        QStringLiteral("Make the color so it is one of Netscape's \"Safe "
                       "Palette\" of 216 colors! VERY USEFUL!"));
    Command7->setAccessibleName(QStringLiteral("Safe Palette"));
    Check2 = new widgets::ValueCheckBox(Frame1);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setToolTip(QStringLiteral("Auto Safe"));
    Check2->setAccessibleName(QStringLiteral("Auto Safe"));
    // The caption is centred: a button wide enough leaves its text clear of the check box.
    const int check_room = OverlayFollower::inset(Command7) + Check2->sizeHint().width() + 2;
    Command7->setMinimumWidth(
        QFontMetrics(Command7->font()).horizontalAdvance(QStringLiteral("       Safe Palette"))
        + 2 * check_room);
    new OverlayFollower(Command7, Check2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command6);
    buttons->addWidget(Command7);
    pickScreen = make_button(Frame1, "pickScreen", QStringLiteral("Pic&k from Screen"),
        QStringLiteral("Pick a color from anywhere on the screen"));
    pickScreen->setAccessibleName(QStringLiteral("Pick from Screen"));
    buttons->addWidget(pickScreen);
    buttons->addStretch();
    frame1_grid->addLayout(buttons, 3, 0, 1, 2);
    modelBars.setup(Frame1, frame1_grid, 4, Label7->font());
    frame1_grid->addWidget(modelBars.modelSwitch, 3, 2, Qt::AlignLeft);
    frame1_grid->setColumnStretch(1, 1);

    // "RGB Values": the three channel boxes.
    Frame3 = make_frame(client, "Frame3", QStringLiteral("RGB Values"));
    auto* frame3_row = new QHBoxLayout(Frame3);
    const char* box_label_names[] = {"Label8", "Label9", "Label10"};
    QLabel** box_labels[] = {&Label8, &Label9, &Label10};
    QLineEdit** boxes[] = {&Text1, &Text2, &Text3};
    const char* box_names[] = {"Text1", "Text2", "Text3"};
    for (int c = 0; c < 3; ++c) {
        QLineEdit* box = make_box(Frame3, box_names[c], QStringLiteral("0"), 3);
        box->setAccessibleName(QString::fromLatin1(kChannelNames[c]) + QStringLiteral(" value"));
        widgets::select_on_focus(box, 3);
        fit_box(box);
        *boxes[c] = box;
        *box_labels[c] = channel_label(Frame3, box_label_names[c], c, box);
        frame3_row->addWidget(*box_labels[c]);
        frame3_row->addWidget(box);
        if (c < 2)
            frame3_row->addSpacing(fm.averageCharWidth());
    }
    frame3_row->addStretch();

    // "Enter Hex Code".
    Frame4 = make_frame(client, "Frame4", QStringLiteral("Enter Hex Code"));
    auto* frame4_row = new QHBoxLayout(Frame4);
    Text4 = make_box(Frame4, "Text4", QStringLiteral("000000"), 6);
    Text4->setToolTip(QStringLiteral("Enter Your OWN hex code here!"));
    Text4->setAccessibleName(QStringLiteral("Hex code entry"));
    Text4->setFont(bold);
    widgets::select_on_focus(Text4, 6);
    fit_box(Text4);
    Command5 = make_button(
        Frame4, "Command5", QStringLiteral("&Go"), QStringLiteral("Enter Your own Hex Code here!"));
    frame4_row->addWidget(Text4);
    frame4_row->addWidget(Command5);
    frame4_row->addStretch();

    // The uncaptioned frame: the code, copy, load, save and the "#" option.
    Frame2 = make_frame(client, "Frame2", QString());
    Frame2->setAccessibleName(QStringLiteral("Hex code and files"));
    auto* frame2_grid = new QGridLayout(Frame2);
    Label2 = make_label(Frame2, "Label2", QStringLiteral("Hex Code:"));
    Label1 = make_label(Frame2, "Label1", QStringLiteral("000000"));
    Label1->setToolTip(QStringLiteral("The Hex Code"));
    Label1->setFont(bold); // as Text4 and the channel captions
    Label1->setMinimumWidth(
        QFontMetrics(Label1->font()).horizontalAdvance(QStringLiteral("DDDDDD")));
    Label2->setBuddy(Label1);
    Command1 = make_button(
        Frame2, "Command1", QStringLiteral("Copy"), QStringLiteral("Copy the Hex Code"));
    Command4 = make_button(
        Frame2, "Command4", QStringLiteral("Load"), QStringLiteral("Load a saved color"));
    Command2
        = make_button(Frame2, "Command2", QStringLiteral("Save"), QStringLiteral("Save color"));
    Check1 = new widgets::ValueCheckBox(QStringLiteral("Add a # in front of Hex"), Frame2);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setToolTip(
        QStringLiteral("Check this if you want to add a # in front of copied Hex Codes!"));
    auto* code_row = new QHBoxLayout;
    code_row->addWidget(Label2);
    code_row->addWidget(Label1);
    code_row->addStretch();
    code_row->addWidget(Command1);
    code_row->addWidget(Command4);
    code_row->addWidget(Command2);
    frame2_grid->addLayout(code_row, 0, 0);
    frame2_grid->addWidget(Check1, 1, 0);

    imgIcon = new IconView(client);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setAccessibleName(QStringLiteral("Program icon"));
    Command9 = make_button(client, "Command9", QStringLiteral("Color Matcher"),
        QStringLiteral("Go to the Color Matching Station"));

    auto* middle = new QHBoxLayout;
    middle->addWidget(Frame3, 1);
    middle->addWidget(Frame4);
    // The information line: the nearest CSS name and the hsl() form, read-only.
    cssInfo = make_label(client, "cssInfo", editing::css_info_text(core::Rgb {}));
    cssInfo->setAccessibleName(QStringLiteral("CSS color"));
    cssInfo->setToolTip(QStringLiteral("The nearest CSS color name and the hsl() form"));
    cssInfo->setMinimumWidth(
        QFontMetrics(cssInfo->font())
            .horizontalAdvance(QStringLiteral("≈ lightgoldenrodyellow   hsl(300, 100%, 99.8%)")));
    // The line keeps that width whatever it shows; longer texts are shortened to it.
    cssInfo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* info_row = new QHBoxLayout;
    info_row->addWidget(cssInfo);
    info_row->addStretch();
    contrastInfo = new ContrastInfo(client);
    info_row->addWidget(contrastInfo);
    recent = new RecentColors(client);
    recent->setAccessibleName(QStringLiteral("Recent colors"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(imgIcon);
    bottom->addWidget(recent);
    bottom->addStretch();
    bottom->addWidget(Command9);
    auto* column = new QVBoxLayout(client);
    column->addWidget(Frame1);
    column->addLayout(middle);
    column->addWidget(Frame2);
    column->addLayout(info_row);
    column->addLayout(bottom);
}

void Form1View::build_menus(QMainWindow* window)
{
    using widgets::add_action;
    auto checkable = [](QAction* a, bool checked = false) {
        a->setCheckable(true);
        a->setChecked(checked);
        return a;
    };
    auto menu = [window](QMenu* parent, const char* name, const QString& caption) {
        QMenu* m = parent ? parent->addMenu(caption) : window->menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto separator = [](QMenu* m, const char* name) {
        m->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    File = menu(nullptr, "File", QStringLiteral("&File"));
    newcolor
        = add_action(File, "newcolor", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    openrgb = add_action(File, "openrgb", QStringLiteral("&Load Saved Color..."),
        QKeySequence(Qt::CTRL | Qt::Key_O));
    savergb = add_action(
        File, "savergb", QStringLiteral("&Save Color As..."), QKeySequence(Qt::CTRL | Qt::Key_S));
    separator(File, "none7");
    copy = menu(File, "copy", QStringLiteral("&Copy"));
    copyhex = add_action(
        copy, "copyhex", QStringLiteral("&Hex Code"), QKeySequence(Qt::CTRL | Qt::Key_C));
    copyrgbvalues = add_action(
        copy, "copyrgbvalues", QStringLiteral("RGB &Values"), QKeySequence(Qt::CTRL | Qt::Key_R));
    copycss = editing::add_css_copy_menu(
        File, QStringLiteral("Copy &as CSS"), QStringLiteral("css"), QString());
    separator(File, "none3");
    safepal_file = add_action(
        File, "safepal_file", QStringLiteral("Safe Palette"), QKeySequence(Qt::CTRL | Qt::Key_P));
    autosafef = checkable(add_action(File, "autosafef", QStringLiteral("Auto Safe Palette"),
        QKeySequence(Qt::CTRL | Qt::Key_A)));
    choosecolor_file = add_action(File, "choosecolor_file", QStringLiteral("Color &Picker..."));
    separator(File, "none4");
    exit = add_action(File, "exit", QStringLiteral("E&xit"), QKeySequence(Qt::Key_F4));

    commands = menu(nullptr, "commands", QStringLiteral("C&ommands"));
    pastehex = add_action(
        commands, "pastehex", QStringLiteral("Paste Hex Code"), QKeySequence(Qt::Key_F2));
    pastecss = add_action(commands, "pastecss", QStringLiteral("Paste CSS Color"),
        QKeySequence(Qt::SHIFT | Qt::Key_F2));
    pickscreen = add_action(commands, "pickscreen", QStringLiteral("Pick from Screen"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    addtopalette = add_action(commands, "addtopalette", QStringLiteral("Add to Pa&lette"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    sendcolortomatcher = menu(commands, "sendcolortomatcher", QStringLiteral("Send Color to..."));
    cmbackground = add_action(
        sendcolortomatcher, "cmbackground", QStringLiteral("Color Matcher Background"));
    cmobject = add_action(sendcolortomatcher, "cmobject", QStringLiteral("Color Matcher Object"));
    cmtext = add_action(sendcolortomatcher, "cmtext", QStringLiteral("Color Matcher Text"));

    options = menu(nullptr, "options", QStringLiteral("Sett&ings"));
    numsign = checkable(add_action(options, "numsign", QStringLiteral("Add # in front of &Hex")));
    copyalert
        = checkable(add_action(options, "copyalert", QStringLiteral("&Alert after copy")), true);
    staytop = checkable(add_action(
        options, "staytop", QStringLiteral("&Stay on top"), QKeySequence(Qt::SHIFT | Qt::Key_F1)));
    separator(options, "none69");
    prefs = add_action(options, "prefs", QStringLiteral("&Edit preferences..."));
    options->addSeparator();
    channelModel = editing::add_model_menu(options, QString(), true);

    othertoolz = menu(nullptr, "othertoolz", QStringLiteral("&Tools"));
    match = add_action(othertoolz, "match", QStringLiteral("Color &Matching Station"),
        QKeySequence(Qt::CTRL | Qt::Key_M));
    palette = add_action(othertoolz, "palette", QStringLiteral("&Palette"), QKeySequence(Qt::CTRL | Qt::Key_L));

    presets = menu(nullptr, "presets", QStringLiteral("&Presets"));
    const auto made = editing::add_preset_items(presets, {"black", "White", "blue", "brown",
        "gold", "gray", "green", "orange", "red", "violet", "yellow"});
    QAction** items[]
        = {&black, &White, &blue, &brown, &gold, &gray, &green, &orange, &red, &violet, &yellow};
    for (size_t i = 0; i < made.size(); ++i)
        *items[i] = made[i];

    othertools = menu(nullptr, "othertools", QStringLiteral("&Help"));
    viewhelptopics = add_action(
        othertools, "viewhelptopics", QStringLiteral("&Contents..."), QKeySequence(Qt::Key_F1));
    readmetxt = add_action(othertools, "readmetxt", QStringLiteral("View ReadMe.txt"));
    separator(othertools, "seperator");
    onweb = menu(othertools, "onweb", QStringLiteral("On the &Web..."));
    hexwebsite = add_action(onweb, "hexwebsite", QStringLiteral("Pigmentor Website"));
    separator(othertools, "none6");
    about = add_action(othertools, "about", QStringLiteral("A&bout Pigmentor..."));

    rightclik = new QMenu(QStringLiteral("Right Click"), window);
    rightclik->setObjectName(QStringLiteral("rightclik"));
    copy_right = menu(rightclik, "copy_right", QStringLiteral("Copy"));
    copyhex_right = add_action(copy_right, "copyhex_right", QStringLiteral("Hex Code"));
    copyrgb_right = add_action(copy_right, "copyrgb_right", QStringLiteral("RGB Values"));
    copycss_right = editing::add_css_copy_menu(
        rightclik, QStringLiteral("Copy as CSS"), QStringLiteral("css"), QStringLiteral("_right"));
    safepalette_right = add_action(rightclik, "safepalette_right", QStringLiteral("Safe Palette"));
    autosafe_right
        = checkable(add_action(rightclik, "autosafe_right", QStringLiteral("Auto Safe Palette")));
    colorspec_right = add_action(rightclik, "colorspec_right", QStringLiteral("Color Picker..."));
    pickscreen_right
        = add_action(rightclik, "pickscreen_right", QStringLiteral("Pick from Screen"));
    separator(rightclik, "yeah");
    colormatcher_right
        = add_action(rightclik, "colormatcher_right", QStringLiteral("Color Matching Station"));
    separator(rightclik, "nono2");
    numsign_right = checkable(
        add_action(rightclik, "numsign_right", QStringLiteral("Add # in front of Hex")));
    alertcopy_right = checkable(
        add_action(rightclik, "alertcopy_right", QStringLiteral("Alert after Copy")), true);
    stayontopr = checkable(add_action(rightclik, "stayontopr", QStringLiteral("Stay on top")));
}

} // namespace editor
