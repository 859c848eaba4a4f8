#include "../support/layout_check.h"
#include "../support/window_test.h"

#include <QPushButton>
#include <QTest>

using Form1Menus = WindowTest;

namespace {

// A point of a surface that no control covers, found from the bottom right.
QPoint bare_spot(QWidget* surface)
{
    for (int y = surface->height() - 3; y > 0; y -= 2)
        for (int x = surface->width() - 3; x > 0; x -= 2)
            if (surface->childAt(x, y) == nullptr)
                return {x, y};
    ADD_FAILURE() << "no bare spot on " << surface->objectName().toStdString();
    return {};
}

} // namespace

TEST_F(Form1Menus, ShortcutsOnceRightClickMenuOverSurfacesOrByKeysAtTheFocusAndOneStation)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    EXPECT_EQ(testsupport::shortcuts_taken_twice(&w), QStringList());

    auto right_click = [&](QWidget* target, QPoint pos) {
        fake.popups.clear();
        QTest::mousePress(target, Qt::RightButton, {}, pos);
        QTest::mouseRelease(target, Qt::RightButton, {}, pos);
        return fake.popups.size();
    };
    for (QWidget* surface : std::initializer_list<QWidget*> {
             w.centralWidget(), v.Frame1, v.Frame2, v.Frame3, v.Frame4}) {
        EXPECT_EQ(right_click(surface, bare_spot(surface)), 1u)
            << surface->objectName().toStdString();
        EXPECT_EQ(fake.popups.front().menu, v.rightclik);
    }
    for (QWidget* control :
        std::initializer_list<QWidget*> {v.Text4, w.CLR(0), v.Label1, v.Command1})
        EXPECT_EQ(right_click(control, QPoint(5, 5)), 0u) << control->objectName().toStdString();
    fake.popups.clear();
    QTest::mousePress(v.Frame2, Qt::LeftButton, {}, bare_spot(v.Frame2));
    EXPECT_TRUE(fake.popups.empty());

    // By keys, at the focused control: the Menu key and Shift+F10.
    const std::pair<QWidget*, QKeyCombination> cases[] = {
        {v.Text4, Qt::SHIFT | Qt::Key_F10}, // a text box gives the keys up
        {v.CLR[1], QKeyCombination(Qt::Key_Menu)},
        {v.Command9, Qt::SHIFT | Qt::Key_F10},
    };
    for (const auto& [focus, keys] : cases) {
        SCOPED_TRACE(focus->objectName().toStdString());
        fake.popups.clear();
        focus->setFocus();
        QTest::keyClick(focus, keys.key(), keys.keyboardModifiers());
        ASSERT_EQ(fake.popups.size(), 1u);
        EXPECT_EQ(fake.popups[0].menu.data(), v.rightclik);
        EXPECT_EQ(fake.popups[0].pos, focus->mapToGlobal(focus->rect().center()));
    }
    EXPECT_EQ(v.Text4->text(), "000000");
    EXPECT_EQ(v.CLR[1]->value(), 0);

    // One station however opened; sending selects the target and sends the boxes.
    w.psets(10, 20, 30);
    w.view().match->trigger();
    station::Form3* s = w.station();
    ASSERT_NE(s, nullptr);
    w.view().Command9->click();
    w.view().colormatcher_right->trigger();
    w.view().cmobject->trigger();
    EXPECT_EQ(w.station(), s);
    EXPECT_TRUE(s->isVisible() && w.isVisible());
    EXPECT_TRUE(s->Option(station::Object)->isChecked());
    EXPECT_EQ(s->target_color(station::Object), QColor(10, 20, 30));

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
