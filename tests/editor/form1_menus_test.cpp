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

TEST_F(Form1Menus, ShortcutsAsDesignedAndNoneTakenTwice)
{
    editor::Form1& w = open_main();
    const struct {
        const char* name;
        QKeySequence shortcut;
    } items[] = {
        // Ctrl+C, Ctrl+R, Ctrl+A, F2 and Shift+F2 are pressed in the colour, copy and CSS tests.
        {"newcolor", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"openrgb", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"savergb", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"safepal_file", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"pickscreen", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
        {"exit", QKeySequence(Qt::Key_F4)}, {"staytop", QKeySequence(Qt::SHIFT | Qt::Key_F1)},
        {"match", QKeySequence(Qt::CTRL | Qt::Key_M)}, {"viewhelptopics", QKeySequence(Qt::Key_F1)},
        {"copyhex_right", QKeySequence()}, // the right-click copies show no keys of their own
    };
    for (const auto& i : items) {
        QAction* a = testsupport::find<QAction>(&w, i.name);
        ASSERT_NE(a, nullptr) << i.name;
        EXPECT_EQ(a->shortcut(), i.shortcut) << i.name;
    }
    EXPECT_EQ(testsupport::shortcuts_taken_twice(&w), QStringList());
}

TEST_F(Form1Menus, RightClickMenuOverTheSurfaceAndFramesOnlyOrByKeysAtTheFocus)
{
    editor::Form1& w = open_main();
    auto right_click = [&](QWidget* target, QPoint pos) {
        fake.popups.clear();
        QTest::mousePress(target, Qt::RightButton, {}, pos);
        QTest::mouseRelease(target, Qt::RightButton, {}, pos);
        return fake.popups.size();
    };
    const editor::Form1View& v = w.view();
    for (QWidget* surface : std::initializer_list<QWidget*> {
             w.centralWidget(), v.Frame1, v.Frame2, v.Frame3, v.Frame4}) {
        EXPECT_EQ(right_click(surface, bare_spot(surface)), 1u)
            << surface->objectName().toStdString();
        EXPECT_EQ(fake.popups.front().menu, v.rightclik);
    }
    EXPECT_EQ(right_click(v.Text4, QPoint(5, 5)), 0u);
    EXPECT_EQ(right_click(w.CLR(0), QPoint(50, 5)), 0u);
    EXPECT_EQ(right_click(v.Label1, QPoint(5, 5)), 0u);
    EXPECT_EQ(right_click(v.Command1, QPoint(5, 5)), 0u);
    fake.popups.clear();
    QTest::mousePress(v.Frame2, Qt::LeftButton, {}, bare_spot(v.Frame2));
    EXPECT_TRUE(fake.popups.empty());

    // By keys, at the focused control: the Menu key and Shift+F10.
    struct {
        QWidget* focus;
        QKeyCombination keys;
    } cases[] = {
        {v.Text4, Qt::SHIFT | Qt::Key_F10}, // a text box gives the keys up
        {v.CLR[1], QKeyCombination(Qt::Key_Menu)},
        {v.Command9, Qt::SHIFT | Qt::Key_F10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.focus->objectName().toStdString());
        fake.popups.clear();
        c.focus->setFocus();
        QTest::keyClick(c.focus, c.keys.key(), c.keys.keyboardModifiers());
        ASSERT_EQ(fake.popups.size(), 1u);
        EXPECT_EQ(fake.popups[0].menu.data(), v.rightclik);
        EXPECT_EQ(fake.popups[0].pos, c.focus->mapToGlobal(c.focus->rect().center()));
    }
    EXPECT_EQ(v.Text4->text(), "000000");
    EXPECT_EQ(v.CLR[1]->value(), 0);
    // F10 alone stays the desktop's (the menu bar); it pops nothing up.
    fake.popups.clear();
    QTest::keyClick(v.Command9, Qt::Key_F10);
    EXPECT_TRUE(fake.popups.empty());
}

TEST_F(Form1Menus, OneStationHoweverOpenedAndSendingSelectsTheTargetAndSendsTheBoxes)
{
    editor::Form1& w = open_main();
    w.psets(10, 20, 30);
    w.view().match->trigger();
    station::Form3* s = w.station();
    ASSERT_NE(s, nullptr);
    w.view().Command9->click();
    w.view().colormatcher_right->trigger();
    w.view().cmobject->trigger();
    EXPECT_EQ(w.station(), s);
    int stations = 0;
    for (QWidget* t : QApplication::topLevelWidgets())
        stations += qobject_cast<station::Form3*>(t) != nullptr;
    EXPECT_EQ(stations, 1);
    EXPECT_TRUE(s->isVisible() && w.isVisible());
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
