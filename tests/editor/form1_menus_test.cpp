#include "../support/layout_check.h"
#include "../support/window_test.h"

#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using Form1Menus = WindowTest;

namespace {

// A point of a surface that no control covers, found from the bottom right.
QPoint bare_spot(QWidget* surface)
{
    for (int y = surface->height() - 3; y > 0; y -= 2) {
        for (int x = surface->width() - 3; x > 0; x -= 2) {
            if (surface->childAt(x, y) == nullptr)
                return {x, y};
        }
    }
    ADD_FAILURE() << "no bare spot on " << surface->objectName().toStdString();
    return {};
}

} // namespace

TEST_F(Form1Menus, MenuBarCaptionsShortcutsAndInitialMarks)
{
    editor::Form1& w = open_main();
    QStringList bar;
    for (QAction* a : w.menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, QStringList({"&File", "C&ommands", "Sett&ings", "&Tools", "&Presets", "&Help"}));
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    } items[] = {
        {"newcolor", "&New", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"openrgb", "&Load Saved Color...", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"savergb", "&Save Color As...", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"copyhex", "&Hex Code", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"copyrgbvalues", "RGB &Values", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"safepal_file", "Safe Palette", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"autosafef", "Auto Safe Palette", QKeySequence(Qt::CTRL | Qt::Key_A)},
        {"choosecolor_file", "Color &Picker...", QKeySequence()},
        {"exit", "E&xit", QKeySequence(Qt::Key_F4)},
        {"pastehex", "Paste Hex Code", QKeySequence(Qt::Key_F2)},
        {"cmbackground", "Color Matcher Background", QKeySequence()},
        {"numsign", "Add # in front of &Hex", QKeySequence()},
        {"copyalert", "&Alert after copy", QKeySequence()},
        {"staytop", "&Stay on top", QKeySequence(Qt::SHIFT | Qt::Key_F1)},
        {"prefs", "&Edit preferences...", QKeySequence()},
        {"match", "Color &Matching Station", QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"viewhelptopics", "&Contents...", QKeySequence(Qt::Key_F1)},
        {"readmetxt", "View ReadMe.txt", QKeySequence()},
        {"hexwebsite", "Pigmentor Website", QKeySequence()},
        {"about", "A&bout Pigmentor...", QKeySequence()},
        {"copyhex_right", "Hex Code", QKeySequence()},
        {"alertcopy_right", "Alert after Copy", QKeySequence()},
        {"stayontopr", "Stay on top", QKeySequence()},
        {"colormatcher_right", "Color Matching Station", QKeySequence()},
    };
    for (const Item& i : items) {
        QAction* a = testsupport::find<QAction>(&w, i.name);
        ASSERT_NE(a, nullptr) << i.name;
        EXPECT_EQ(a->text(), QString::fromLatin1(i.caption)) << i.name;
        EXPECT_EQ(a->shortcut(), i.shortcut) << i.name;
    }
    EXPECT_TRUE(w.view().copyalert->isChecked());
    EXPECT_FALSE(w.view().numsign->isChecked());
    QStringList presets;
    for (QAction* a : w.findChild<QMenu*>("presets")->actions())
        presets << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(presets,
        QStringList({"Black", "White", "-", "Blue", "Brown", "Gold", "Gray", "Green", "Orange",
            "Red", "Violet", "Yellow"}));
}

TEST_F(Form1Menus, RightClickOnlyOverTheSurfaceAndFrames)
{
    editor::Form1& w = open_main();
    auto right_click = [&](QWidget* target, QPoint pos) {
        fake.popups.clear();
        QTest::mousePress(target, Qt::RightButton, {}, pos);
        QTest::mouseRelease(target, Qt::RightButton, {}, pos);
        return fake.popups.size();
    };
    EXPECT_EQ(right_click(w.centralWidget(), bare_spot(w.centralWidget())), 1u);
    EXPECT_EQ(fake.popups[0].menu, w.view().rightclik);
    EXPECT_EQ(right_click(w.view().Frame2, bare_spot(w.view().Frame2)), 1u);
    EXPECT_EQ(right_click(w.view().Frame1, bare_spot(w.view().Frame1)), 1u);
    EXPECT_EQ(right_click(w.view().Frame3, bare_spot(w.view().Frame3)), 1u);
    EXPECT_EQ(right_click(w.view().Frame4, bare_spot(w.view().Frame4)), 1u);
    EXPECT_EQ(right_click(w.view().Text4, QPoint(5, 5)), 0u);
    EXPECT_EQ(right_click(w.CLR(0), QPoint(50, 5)), 0u);
    EXPECT_EQ(right_click(w.view().Label1, QPoint(5, 5)), 0u);
    EXPECT_EQ(right_click(w.view().Command1, QPoint(5, 5)), 0u);
    fake.popups.clear();
    QTest::mousePress(w.view().Frame2, Qt::LeftButton, {}, bare_spot(w.view().Frame2));
    EXPECT_TRUE(fake.popups.empty());
}

TEST_F(Form1Menus, OneStationHoweverOftenItIsOpened)
{
    editor::Form1& w = open_main();
    w.view().match->trigger();
    station::Form3* first = w.station();
    ASSERT_NE(first, nullptr);
    w.view().Command9->click();
    w.view().colormatcher_right->trigger();
    EXPECT_EQ(w.station(), first);
    int stations = 0;
    for (QWidget* t : QApplication::topLevelWidgets())
        stations += qobject_cast<station::Form3*>(t) != nullptr;
    EXPECT_EQ(stations, 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(w.isVisible());
}

TEST_F(Form1Menus, SendToMatcherSelectsTheTargetAndSendsTheBoxes)
{
    editor::Form1& w = open_main();
    w.psets(10, 20, 30);
    w.view().cmobject->trigger();
    station::Form3* s = w.station();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->Option(station::Object)->isChecked());
    EXPECT_EQ(s->target_color(station::Object), QColor(10, 20, 30));
    EXPECT_EQ(s->target_color(station::Background), QColor(Qt::white));
    EXPECT_EQ(s->target_color(station::Text), QColor(Qt::black));
    EXPECT_EQ(testsupport::find<QLabel>(s, "Label1")->text(), "0A141E");

    int runs = 0;
    QObject::connect(s->CLR(0), &QScrollBar::valueChanged, [&] { ++runs; });
    w.view().cmobject->trigger(); // same colour again: nothing changes
    EXPECT_EQ(runs, 0);

    // A box being edited sends the bar's value instead.
    w.channelBox(1)->setText("");
    w.view().cmtext->trigger();
    EXPECT_TRUE(s->Option(station::Text)->isChecked());
    EXPECT_EQ(s->target_color(station::Text), QColor(10, 20, 30));
    EXPECT_EQ(rgb_of(w), "10,20,30"); // sending never changes the main window

    // After the station was closed, sending opens a fresh one.
    s->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.station(), nullptr);
    w.view().cmbackground->trigger();
    ASSERT_NE(w.station(), nullptr);
    EXPECT_EQ(w.station()->target_color(station::Background), QColor(10, 20, 30));
    EXPECT_EQ(w.station()->target_color(station::Object), QColor(Qt::black));
}
