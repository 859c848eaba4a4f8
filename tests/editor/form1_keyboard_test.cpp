#include "../support/window_test.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using Form1Keyboard = WindowTest;

namespace {

// Presses of Tab until the widget has the focus, or -1 when Tab never reaches it.
int tabs_to(QWidget* window, QWidget* target)
{
    for (int presses = 0; presses < 40; ++presses) {
        if (QApplication::focusWidget() == target)
            return presses;
        QWidget* from = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        QTest::keyClick(from, Qt::Key_Tab);
    }
    return -1;
}

} // namespace

TEST_F(Form1Keyboard, TabThenPageUpMovesTheGreenBarAsAClickDoes)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    v.Command6->setFocus();
    ASSERT_GE(tabs_to(&w, v.CLR[1]), 0);

    QStringList codes;
    QObject::connect(v.CLR[1], &QScrollBar::valueChanged, [&] { codes << v.Label1->text(); });
    QTest::keyClick(v.CLR[1], Qt::Key_PageUp);
    QTest::keyClick(v.CLR[1], Qt::Key_PageUp);
    EXPECT_EQ(codes, QStringList({"000700", "000E00"})); // each press: one full change, at once
    EXPECT_EQ(v.Text4->text(), "000E00");
    EXPECT_EQ(v.Text2->text(), "14");
    EXPECT_EQ(w.CommonDialog1().color, 14 * 256);
    const struct {
        std::vector<Qt::Key> keys;
        const char* code;
    } steps[] = {{{Qt::Key_PageDown, Qt::Key_Left}, "000600"}, {{Qt::Key_Right}, "000700"},
        {{Qt::Key_End}, "00FF00"}, {{Qt::Key_Home}, "000000"}};
    for (const auto& step : steps) {
        for (Qt::Key key : step.keys)
            QTest::keyClick(v.CLR[1], key);
        EXPECT_EQ(v.Label1->text(), step.code);
    }
    EXPECT_EQ(w.CommonDialog1().color, 0);
}

TEST_F(Form1Keyboard, ABarTakesTheFocusByClickAndShowsIt)
{
    editor::Form1& w = open_main();
    QScrollBar* blue = w.view().CLR[2];
    w.view().Text1->setFocus();
    const QImage unfocused = blue->grab().toImage();
    QTest::mouseClick(blue, Qt::LeftButton, {}, QPoint(blue->width() / 2, blue->height() / 2));
    EXPECT_TRUE(blue->hasFocus());
    EXPECT_GT(blue->value(), 0); // a click on the trough pages toward the pointer
    blue->setValue(0);
    EXPECT_NE(blue->grab().toImage(), unfocused); // the focus is drawn
}

TEST_F(Form1Keyboard, MenuKeyAndShiftF10PopUpTheRightClickMenuAtTheFocus)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
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
