#include "station/station_view.h"

#include "editing/editing.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include <vector>

namespace station {

namespace {

// The sample: the background fills the item's room, the object and the text sit in it
// where they always have, in proportion to the background's size.
class SampleLayout : public QLayout {
public:
    SampleLayout(QWidget* background, QWidget* object, QLabel* text) : text_(text)
    {
        for (QWidget* w : {background, object, static_cast<QWidget*>(text)})
            items_.push_back(new QWidgetItem(w));
        // Wide enough for the sample text at its first font, and never smaller than the
        // sample has always been next to a line of the window's text. A font or wording the
        // user chooses later is cut at the sample's edge rather than growing the window.
        const QFontMetrics fm(text->font());
        const int line = QFontMetrics(QApplication::font()).height();
        const int width = std::max(
            fm.horizontalAdvance(text->text()) * kBox.width() / kText.width() + 8, line * 15);
        hint_ = QSize(width, std::max(width * kBox.height() / kBox.width(), fm.height() * 5));
    }
    ~SampleLayout() override
    {
        for (QLayoutItem* item : items_)
            delete item;
    }

    void addItem(QLayoutItem* item) override { items_.push_back(item); }
    int count() const override { return int(items_.size()); }
    QLayoutItem* itemAt(int index) const override
    {
        return index >= 0 && index < count() ? items_[size_t(index)] : nullptr;
    }
    QLayoutItem* takeAt(int index) override
    {
        if (index < 0 || index >= count())
            return nullptr;
        QLayoutItem* item = items_[size_t(index)];
        items_.erase(items_.begin() + index);
        return item;
    }
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal | Qt::Vertical; }
    QSize minimumSize() const override { return hint_; }
    QSize sizeHint() const override { return hint_; }
    void setGeometry(const QRect& r) override
    {
        QLayout::setGeometry(r);
        if (items_.size() < 3)
            return;
        auto place = [&](const QRect& twips) {
            return QRect(r.x() + r.width() * (twips.x() - kBox.x()) / kBox.width(),
                r.y() + r.height() * (twips.y() - kBox.y()) / kBox.height(),
                r.width() * twips.width() / kBox.width(),
                r.height() * twips.height() / kBox.height());
        };
        items_[0]->setGeometry(r);
        items_[1]->setGeometry(place(kObject));
        QRect text = place(kText);
        text.setHeight(std::max(text.height(), text_->sizeHint().height()));
        items_[2]->setGeometry(text);
    }

private:
    // Where the three have always stood in their frame, in twips.
    static constexpr QRect kBox {120, 240, 2970, 1935};
    static constexpr QRect kObject {680, 840, 1815, 975};
    static constexpr QRect kText {255, 360, 2700, 420};

    QLabel* text_;
    QSize hint_;
    std::vector<QLayoutItem*> items_;
};

// The width a box needs for `sample` in its own font, frame and margins included.
int box_width(const QLineEdit* box, const QString& sample)
{
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    const QMargins m = box->textMargins();
    return QFontMetrics(box->font()).horizontalAdvance(sample) + 2 * frame + m.left() + m.right()
        + 10;
}

// The widest six-digit code in a font.
QString widest_code(const QFont& font)
{
    return QString(6, widgets::widest_hex_digit(font));
}

} // namespace

void Form3View::fit(QMainWindow* window)
{
    // The border is fixed: the window is as big as its content asks, for any font.
    // Controls added or shown before the window was ever laid out leave the frames' sizes
    // as they were measured; they are measured afresh.
    for (QLayout* layout : window->findChildren<QLayout*>())
        layout->invalidate();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->layout() != nullptr)
            widget->updateGeometry();
    }
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->adjustSize();
    window->setFixedSize(window->sizeHint());
}

void Form3View::setup(QMainWindow* window)
{
    build_controls(window);
    build_layouts();
    build_menus(window);
    name_for_readers();
    set_tab_order();
    apply_colors();
    cssNote = new QLabel(window);
    cssNote->setObjectName(QStringLiteral("cssNote"));
    cssNote->setAccessibleName(QStringLiteral("Status"));
    // Its width follows the window, never the reverse.
    cssNote->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    window->statusBar()->setObjectName(QStringLiteral("statusbar"));
    window->statusBar()->setSizeGripEnabled(false);
    window->statusBar()->addWidget(cssNote, 1);

    fit(window);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

void Form3View::build_controls(QMainWindow* window)
{
    client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    window->setCentralWidget(client);

    // Sizes are factors of the desktop's own font; 1.0 is the usual control text.
    const QFont base = QApplication::font();
    auto font = [&](double factor, bool bold) { return widgets::scaled_font(base, factor, bold); };
    const QFont bold = font(1.0, true);

    auto frame = [&](const char* name, const char* caption) {
        auto* f = new QGroupBox(QString::fromUtf8(caption), client);
        f->setObjectName(QString::fromLatin1(name));
        f->setFont(bold);
        return f;
    };
    auto button = [&](QWidget* parent, const char* name, const char* caption, const char* tip,
                      const QFont& f) {
        auto* b = new QPushButton(QString::fromUtf8(caption), parent);
        b->setObjectName(QString::fromLatin1(name));
        if (tip)
            b->setToolTip(QString::fromUtf8(tip));
        b->setFont(f);
        b->setAutoDefault(true);
        return b;
    };
    auto label = [&](QWidget* parent, const char* name, const char* caption, const char* tip,
                     const QFont& f, Qt::Alignment align) {
        auto* l = new QLabel(QString::fromUtf8(caption), parent);
        l->setObjectName(QString::fromLatin1(name));
        if (tip)
            l->setToolTip(QString::fromUtf8(tip));
        l->setFont(f);
        l->setAlignment(align);
        return l;
    };
    auto check = [&](const char* name, const char* caption, const char* tip) {
        auto* c = new widgets::ValueCheckBox(QString::fromUtf8(caption), client);
        c->setObjectName(QString::fromLatin1(name));
        c->setToolTip(QString::fromUtf8(tip));
        c->setFont(bold);
        return c;
    };
    auto box
        = [&](QWidget* parent, const char* name, const char* text, int max_length, const QFont& f) {
              auto* b = new QLineEdit(QString::fromUtf8(text), parent);
              b->setObjectName(QString::fromLatin1(name));
              b->setMaxLength(max_length);
              b->setFont(f);
              return b;
          };
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;

    Frame1 = frame("Frame1", "Color Matching Station");
    Command3 = button(
        client, "Command3", "Color &Picker...", "Choose a color from a color spectrum!", bold);
    Command4 = button(client, "Command4", "&Safe Palette",
        "Mak e the color safe for any computer on the web!", bold);
    Command1 = button(client, "Command1", "Change text font", nullptr, bold);
    Check1 = check("Check1", "Auto Safe", "Auto Safe Colors");
    Check2 = check("Check2", "Hide Text", "Hide the sample text");
    Command6
        = button(client, "Command6", "Close", "Close Color Matching Station", font(1.18, true));
    Frame4 = frame("Frame4", "RGB Values");
    Frame5 = frame("Frame5", "Change Text");
    Frame6 = frame("Frame6", "Enter Hex Code");

    // Made in this order so that the text is drawn above the object, the object above
    // the background.
    Shape1 = new widgets::ShapeWidget(Frame1);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setOutline(true);
    Shape2 = new widgets::ShapeWidget(Frame1);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    // The sample text in whole points, as the font dialog offers them.
    QFont sample = font(1.36, true);
    if (sample.pointSizeF() > 0)
        sample.setPointSize(qRound(sample.pointSizeF()));
    Label3 = label(Frame1, "Label3", "Sample Text 123", nullptr, sample, Qt::AlignCenter);
    Label3->setAttribute(Qt::WA_TranslucentBackground);

    auto option = [&](const char* name, const char* caption) {
        auto* o = new QRadioButton(QString::fromUtf8(caption), Frame1);
        o->setObjectName(QString::fromLatin1(name));
        o->setFont(bold);
        return o;
    };
    Option1 = option("Option1", "Background");
    Option2 = option("Option2", "Object");
    Option3 = option("Option3", "Text");
    Option1->setChecked(true);

    Label7 = label(Frame1, "Label7", "Red", "Red", bold, right);
    Label4 = label(Frame1, "Label4", "Green", "Green", bold, right);
    Label5 = label(Frame1, "Label5", "Blue", "Blue", bold, right);
    for (int c = 0; c < 3; ++c) {
        CLR[c] = new editing::ChannelBar(Frame1); // 0 to 255, steps 1 and 7, no tracking
        CLR[c]->setObjectName(QStringLiteral("CLR(%1)").arg(c));
        CLR[c]->setValue(255);
    }
    Shape3 = new QFrame(Frame1);
    Shape3->setObjectName(QStringLiteral("Shape3"));
    Shape3->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape3->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label2 = label(Frame1, "Label2", "Hex Code:", nullptr, font(1.18, true), left);
    Label1 = label(Frame1, "Label1", "FFFFFF", "Hex Value", font(1.45, true), left);
    Command2 = button(Frame1, "Command2", "&Copy ", "Copy", font(1.09, true));

    Label8 = label(Frame4, "Label8", "Red", "Red", bold, right);
    Text1 = box(Frame4, "Text1", "255", 3, font(1.0, false));
    Label9 = label(Frame4, "Label9", "Green", "Green", bold, right);
    Text2 = box(Frame4, "Text2", "255", 3, font(1.0, false));
    Label10 = label(Frame4, "Label10", "Blue", "Blue", bold, right);
    Text3 = box(Frame4, "Text3", "255", 3, font(1.0, false));
    Text4 = box(Frame5, "Text4", "Sample Text 123", 20, bold);
    Text7 = box(Frame6, "Text7", "FFFFFF", 6, font(1.0, false));
    Text7->setToolTip(QStringLiteral("Enter Your OWN hex code here!"));
    Command5 = button(Frame6, "Command5", "Go", "Go", font(1.09, true));
    Command5->setDefault(true);
}

void Form3View::build_layouts()
{
    // Frame1: the sample on the left; on the right the targets above the three bars, and
    // the hex display with its Copy button under them.
    auto* frame1 = new QHBoxLayout(Frame1);
    frame1->addLayout(new SampleLayout(Shape1, Shape2, Label3), 1);
    auto* editing = new QVBoxLayout;
    frame1->addLayout(editing);
    auto* targets = new QHBoxLayout;
    targets->addWidget(Option1);
    targets->addWidget(Option2);
    targets->addWidget(Option3);
    targets->addStretch();
    editing->addLayout(targets);
    auto* bars = new QGridLayout;
    modelBars.setup(Frame1, bars, 3, Label7->font());
    targets->addWidget(modelBars.modelSwitch);
    const QLabel* names[] = {Label7, Label4, Label5};
    const int line = QFontMetrics(QApplication::font()).height();
    for (int c = 0; c < 3; ++c) {
        bars->addWidget(const_cast<QLabel*>(names[c]), c, 0);
        bars->addWidget(CLR[c], c, 1);
        CLR[c]->setMinimumWidth(line * 12);
    }
    bars->setColumnStretch(1, 1);
    editing->addLayout(bars);
    editing->addStretch();
    auto* hex_row = new QHBoxLayout;
    auto* hex_box = new QGridLayout;
    auto* hex_text = new QHBoxLayout;
    const int inset = Shape3->frameWidth() + 4;
    hex_text->setContentsMargins(inset + 2, inset, inset + 2, inset);
    hex_text->addWidget(Label2);
    hex_text->addWidget(Label1);
    Label1->setMinimumWidth(
        QFontMetrics(Label1->font()).horizontalAdvance(widest_code(Label1->font())) + 2);
    // The border and the two labels share one place: the border is drawn round them.
    hex_box->addWidget(Shape3, 0, 0);
    hex_box->addLayout(hex_text, 0, 0);
    hex_row->addLayout(hex_box);
    hex_row->addWidget(Command2);
    hex_row->addStretch();
    editing->addLayout(hex_row);

    // The three small frames.
    auto* frame4 = new QHBoxLayout(Frame4);
    QLineEdit* boxes[] = {Text1, Text2, Text3};
    QLabel* box_names[] = {Label8, Label9, Label10};
    for (int c = 0; c < 3; ++c) {
        if (c > 0)
            frame4->addStretch();
        frame4->addWidget(box_names[c]);
        boxes[c]->setFixedWidth(box_width(boxes[c], QStringLiteral("000")));
        frame4->addWidget(boxes[c]);
    }
    auto* frame5 = new QHBoxLayout(Frame5);
    Text4->setMinimumWidth(box_width(Text4, Text4->text()));
    frame5->addWidget(Text4);
    auto* frame6 = new QHBoxLayout(Frame6);
    Text7->setFixedWidth(box_width(Text7, widest_code(Text7->font())));
    frame6->addWidget(Text7);
    frame6->addWidget(Command5);

    // The window: Frame1 over the three frames, the command column on the right.
    auto* grid = new QGridLayout(client);
    grid->addWidget(Frame1, 0, 0);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Frame4, 3);
    bottom->addWidget(Frame5, 2);
    bottom->addWidget(Frame6, 0);
    grid->addLayout(bottom, 1, 0);
    auto* commands = new QVBoxLayout;
    commands->addWidget(Command3);
    commands->addWidget(Command4);
    commands->addWidget(Command1);
    commands->addWidget(Check1);
    commands->addWidget(Check2);
    commands->addStretch();
    commands->addWidget(Command6);
    grid->addLayout(commands, 0, 1, 2, 1);
    contrastPanel = new ContrastPanel(client);
    grid->addWidget(contrastPanel, 2, 0, 1, 2);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(0, 1);
}

void Form3View::build_menus(QMainWindow* window)
{
    using widgets::add_action;
    const char* hex_captions[] = {"Background Hex Code", "Object Hex Code", "Text Hex Code"};
    auto hex_items = [&](QMenu* menu, const std::array<const char*, 3>& names,
                         const std::array<QKeySequence, 3>& keys) {
        std::array<QAction*, 3> items {};
        for (int t = 0; t < 3; ++t)
            items[t] = add_action(menu, names[t], QString::fromLatin1(hex_captions[t]), keys[t]);
        return items;
    };
    auto checkable = [](QAction* a) {
        a->setCheckable(true);
        return a;
    };
    QMenuBar* bar = window->menuBar();

    file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("file"));
    newtheme
        = add_action(file, "newtheme", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    load_color = add_action(file, "load_color", QStringLiteral("&Load Saved Theme..."),
        QKeySequence(Qt::CTRL | Qt::Key_O));
    save_color = add_action(file, "save_color", QStringLiteral("&Save Theme As..."),
        QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator()->setObjectName(QStringLiteral("none101"));
    copymenu = file->addMenu(QStringLiteral("Copy"));
    copymenu->setObjectName(QStringLiteral("copymenu"));
    const auto file_hex = hex_items(copymenu, {"backhex", "objecthex", "texthexcopy"},
        {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_D),
            QKeySequence(Qt::CTRL | Qt::Key_E)});
    backhex = file_hex[0];
    objecthex = file_hex[1];
    texthexcopy = file_hex[2];
    copymenu->addSeparator()->setObjectName(QStringLiteral("sumphin"));
    bakrgb = add_action(copymenu, "bakrgb", QStringLiteral("Background RGB Values"));
    objrgb = add_action(copymenu, "objrgb", QStringLiteral("Object RGB Values"));
    textrgb = add_action(copymenu, "textrgb", QStringLiteral("Text RGB Values"));
    // A submenu of CSS copies for each target, named cssbackground..., cssobject..., csstext...
    const auto add_css_menus
        = [](QMenu* parent, const QString& caption, const char* name,
              std::array<editing::CssCopyMenu, 3>& menus, const QString& suffix) {
              QMenu* m = parent->addMenu(caption);
              m->setObjectName(QString::fromLatin1(name));
              const char* const targets[] = {"Background", "Object", "Text"};
              for (int t = 0; t < 3; ++t)
                  menus[size_t(t)] = editing::add_css_copy_menu(m, QString::fromLatin1(targets[t]),
                      QStringLiteral("css") + QString::fromLatin1(targets[t]).toLower(), suffix);
              return m;
          };
    copycss = add_css_menus(file, QStringLiteral("Copy &as CSS"), "copycss", css, QString());
    file->addSeparator()->setObjectName(QStringLiteral("none2"));
    safep = add_action(
        file, "safep", QStringLiteral("Safe Palette"), QKeySequence(Qt::CTRL | Qt::Key_P));
    autosafep = checkable(add_action(file, "autosafep", QStringLiteral("Auto Safe Palette"),
        QKeySequence(Qt::CTRL | Qt::Key_A)));
    choosec = add_action(file, "choosec", QStringLiteral("Color Picker..."));
    pastehex
        = add_action(file, "pastehex", QStringLiteral("Paste Hex Code"), QKeySequence(Qt::Key_F2));
    pastecss = add_action(
        file, "pastecss", QStringLiteral("Paste CSS Color"), QKeySequence(Qt::SHIFT | Qt::Key_F2));
    pickscreen = add_action(file, "pickscreen", QStringLiteral("Pick from Screen"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    // No mnemonic: L belongs to Load Saved Theme in this menu.
    addtopalette = add_action(file, "addtopalette", QStringLiteral("Add to Palette"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    file->addSeparator()->setObjectName(QStringLiteral("none4"));
    exit = add_action(file, "exit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_F4));

    settings = bar->addMenu(QStringLiteral("&Options"));
    settings->setObjectName(QStringLiteral("settings"));
    staytop = checkable(add_action(
        settings, "staytop", QStringLiteral("Stay on top"), QKeySequence(Qt::SHIFT | Qt::Key_F1)));
    oval = checkable(add_action(settings, "oval", QStringLiteral("Oval &Object")));
    hidetxt = checkable(add_action(settings, "hidetxt", QStringLiteral("Hide Text")));
    settings->addSeparator()->setObjectName(QStringLiteral("none3"));
    samptxtfont = add_action(settings, "samptxtfont", QStringLiteral("Sample text font..."));
    settings->addSeparator();
    channelModel = editing::add_model_menu(settings, QString(), true);

    presets = bar->addMenu(QStringLiteral("&Presets"));
    presets->setObjectName(QStringLiteral("presets"));
    preset_items = editing::add_preset_items(presets, {"blackp", "whitep", "bluep", "brownp",
        "goldp", "gray", "greenp", "orangep", "redc", "violetp", "yellowp"});
    contrast_menu.build(bar);

    // The two pop-up menus; they never show in the menu bar.
    rightclik = new QMenu(QStringLiteral("Right Menu"), window);
    rightclik->setObjectName(QStringLiteral("rightclik"));
    copy_right = rightclik->addMenu(QStringLiteral("Copy"));
    copy_right->setObjectName(QStringLiteral("copy_right"));
    const auto right_hex = hex_items(copy_right, {"backhexr", "objecthexr", "texthexcopyr"}, {});
    backhexr = right_hex[0];
    objecthexr = right_hex[1];
    texthexcopyr = right_hex[2];
    copy_right->addSeparator()->setObjectName(QStringLiteral("sepe"));
    right_bakrgb = add_action(copy_right, "right_bakrgb", QStringLiteral("Background RGB Values"));
    right_objectrgb
        = add_action(copy_right, "right_objectrgb", QStringLiteral("Object RGB Values"));
    right_textrgb = add_action(copy_right, "right_textrgb", QStringLiteral("Text RGB Values"));
    copycss_right = add_css_menus(rightclik, QStringLiteral("Copy as CSS"), "copycss_right",
        css_right, QStringLiteral("_right"));
    rightclik->addSeparator()->setObjectName(QStringLiteral("none55"));
    safepalr = add_action(rightclik, "safepalr", QStringLiteral("Safe Palette"));
    autosafepr
        = checkable(add_action(rightclik, "autosafepr", QStringLiteral("Auto Safe Palette")));
    choosecolorr = add_action(rightclik, "choosecolorr", QStringLiteral("Color Picker..."));
    rightclik->addSeparator()->setObjectName(QStringLiteral("none5"));
    stayontopr = checkable(add_action(rightclik, "stayontopr", QStringLiteral("Stay on top")));

    copymenur = new QMenu(QStringLiteral("copymenu"), window);
    copymenur->setObjectName(QStringLiteral("copymenur"));
    const auto button_hex = hex_items(copymenur, {"bakhexcode", "objhexcode", "texthexcode"}, {});
    bakhexcode = button_hex[0];
    objhexcode = button_hex[1];
    texthexcode = button_hex[2];
}

void Form3View::name_for_readers()
{
    // Names say what a control is and are unique in the window; the tooltips already serve
    // as descriptions where there is one.
    auto name = [](QWidget* w, const char* n, const char* description = nullptr) {
        w->setAccessibleName(QString::fromUtf8(n));
        if (description)
            w->setAccessibleDescription(QString::fromUtf8(description));
    };
    name(Option1, "Background", "Edit the colour of the sample's background");
    name(Option2, "Object", "Edit the colour of the sample's object");
    name(Option3, "Text", "Edit the colour of the sample text");
    const char* channels[] = {"Red", "Green", "Blue"};
    const char* bar_descriptions[]
        = {"Red channel, 0 to 255", "Green channel, 0 to 255", "Blue channel, 0 to 255"};
    QLineEdit* boxes[] = {Text1, Text2, Text3};
    const char* box_names[] = {"Red value", "Green value", "Blue value"};
    for (int c = 0; c < 3; ++c) {
        name(CLR[c], channels[c], bar_descriptions[c]);
        name(boxes[c], box_names[c], bar_descriptions[c]);
    }
    name(Label1, "Hex code");
    name(Command2, "Copy", "Copy a hex code of the sample");
    name(Command3, "Color Picker");
    // The caption reads "Auto Safe" while Auto Safe is on; the name stays apart from the
    // check box's.
    name(Command4, "Safe Palette");
    name(Command1, "Change text font", "Choose the font of the sample text");
    name(Check1, "Auto Safe");
    name(Check2, "Hide Text");
    name(Command6, "Close");
    name(Text4, "Sample text", "The words of the sample text");
    name(Text7, "Hex code entry");
    name(Command5, "Go", "Apply the hex code entered");
    name(Shape1, "Sample");
    name(Shape2, "Sample object");
    Shape3->setAccessibleName(QStringLiteral("Hex code border"));
}

QLineEdit* Form3View::channel_box(int channel) const
{
    return std::array<QLineEdit*, 3> {Text1, Text2, Text3}[size_t(channel)];
}

QRadioButton* Form3View::option(Target t) const
{
    return std::array<QRadioButton*, 3> {Option1, Option2, Option3}[size_t(t)];
}

void Form3View::show_sample(const Theme& theme, Target t)
{
    const QColor color = widgets::to_qcolor(theme.color(t));
    switch (t) {
    case Background:
        Shape1->setFill(color);
        break;
    case Object:
        Shape2->setFill(color);
        break;
    case Text:
        widgets::set_palette_color(Label3, QPalette::WindowText, color);
        break;
    }
    auto code = [&theme](Target of) { return QString::fromStdString(core::build_hex_code(theme.color(of))); };
    Shape1->setAccessibleDescription(QStringLiteral("Background %1, object %2, text %3")
                                         .arg(code(Background), code(Object), code(Text)));
}

void Form3View::set_tab_order()
{
    const std::vector<QWidget*> order
        = {Option1, Option2, Option3, Command3, Command4, Command1, Check1, Check2, Command2, Text1,
            Text2, Text3, Text4, Text7, Command5, Command6, CLR[0], CLR[1], CLR[2]};
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form3View::apply_colors()
{
    // Against the window's own background: when the desktop palette changes, the window
    // hears of it before its controls do.
    const QColor back = client->window()->palette().color(QPalette::Window);
    auto caption = [&back](QWidget* w, const QColor& fixed) {
        widgets::set_palette_color(w, QPalette::WindowText, widgets::legible(fixed, back));
    };
    const QColor red(192, 0, 0), green(0, 128, 0), blue(0, 0, 255);
    for (QLabel* l : {Label7, Label8})
        caption(l, red);
    for (QLabel* l : {Label4, Label9})
        caption(l, green);
    for (QLabel* l : {Label5, Label10})
        caption(l, blue);
    caption(Label2, QColor(0, 0, 128));
    caption(Frame6, QColor(0, 64, 0));
    widgets::set_box_colors(Text1, QColor(255, 192, 192));
    widgets::set_box_colors(Text2, QColor(192, 255, 192));
    widgets::set_box_colors(Text3, QColor(192, 192, 255));
    widgets::set_box_colors(Text4, QColor(224, 224, 224));
    widgets::set_box_colors(Text7, QColor(224, 224, 224));
    // The border round the hex display is drawn in the button-text colour.
    widgets::set_palette_color(
        Shape3, QPalette::WindowText, client->window()->palette().color(QPalette::ButtonText));
}

} // namespace station
