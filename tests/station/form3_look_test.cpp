#include "station_test.h"

#include <QAccessible>

#include <map>

namespace {

QString accessible(QWidget* w, QAccessible::Text what)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(what) : QString();
}

// The controls that take the focus, in the order of the window's focus chain.
QStringList tab_chain(QWidget* first)
{
    QStringList names;
    QWidget* w = first;
    do {
        if (w->focusPolicy() != Qt::NoFocus && w->isVisible() && w->isEnabled())
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first && names.size() < 100);
    return names;
}

} // namespace

TEST_F(StationTest, FitsEveryDesktopFontAndPalette)
{
    for (const double points : {0.0, 13.0, 6.0}) {
        for (const bool dark : {false, true}) {
            SCOPED_TRACE(
                QStringLiteral("%1 pt, %2").arg(points).arg(dark ? "dark" : "light").toStdString());
            testsupport::DesktopLook look(points, dark);
            station::Form3& s = open_station();
            const station::Form3View& v = s.view();
            // A fixed border, as big as the content asks.
            EXPECT_EQ(s.minimumSize(), s.maximumSize());
            EXPECT_EQ(s.size(), s.sizeHint());

            // The widest texts the contrast panel shows.
            s.Option(Text)->click();
            enter_code(s, "777777");
            v.contrast_menu.views[size_t(core::Vision::Achromatopsia)]->trigger();
            QApplication::processEvents();
            EXPECT_EQ(layout_problems(s), QStringList());

            // Sample left; targets above the bars; the hex display and Copy under them; the
            // command column on the right; the three small frames in a row below; the
            // contrast panel below the sample, inside the window.
            auto in_client
                = [&](QWidget* w) { return QRect(w->mapTo(v.client, QPoint()), w->size()); };
            EXPECT_LT(in_client(v.Shape1).right(), in_client(v.Option1).left());
            EXPECT_LT(in_client(v.Option3).bottom(), in_client(v.CLR[0]).top());
            EXPECT_LT(in_client(v.CLR[0]).bottom(), in_client(v.CLR[1]).top());
            EXPECT_LT(in_client(v.CLR[2]).bottom(), in_client(v.Label1).top());
            EXPECT_LT(in_client(v.Label1).right(), in_client(v.Command2).left());
            EXPECT_LT(v.Frame1->geometry().right(), v.Command3->geometry().left());
            EXPECT_LT(v.Frame1->geometry().bottom(), v.Frame4->geometry().top());
            EXPECT_EQ(v.Frame4->geometry().top(), v.Frame6->geometry().top());
            EXPECT_LT(v.Frame4->geometry().right(), v.Frame5->geometry().left());
            EXPECT_LT(v.Frame5->geometry().right(), v.Frame6->geometry().left());
            EXPECT_LT(v.Command3->geometry().bottom(), v.Command4->geometry().top());
            EXPECT_LT(v.Check2->geometry().bottom(), v.Command6->geometry().top());
            const QRect panel = v.contrastPanel->geometry();
            EXPECT_GE(v.contrastPanel->mapTo(&s, QPoint(0, 0)).y(),
                v.Shape1->mapTo(&s, QPoint(0, v.Shape1->height())).y());
            EXPECT_TRUE(s.rect().contains(
                v.contrastPanel->mapTo(&s, panel.bottomRight() - panel.topLeft())));

            // No family of our own; sizes follow the desktop's font, bold where designed.
            const QFont desk = QApplication::font();
            for (QWidget* w : s.findChildren<QWidget*>())
                EXPECT_EQ(w->font().family(), desk.family()) << w->objectName().toStdString();
            EXPECT_NEAR(v.Label1->font().pointSizeF(), desk.pointSizeF() * 1.45, 0.01);
            EXPECT_NEAR(v.Command6->font().pointSizeF(), desk.pointSizeF() * 1.18, 0.01);
            EXPECT_NEAR(v.Label3->font().pointSizeF(), desk.pointSizeF() * 1.36, 0.5);
            EXPECT_TRUE(v.Label3->font().bold());
            EXPECT_FALSE(v.Text1->font().bold());

            // The designed caption colours stay where they read; on dark they are lightened.
            const QColor red = v.Label7->palette().color(QPalette::WindowText);
            if (dark)
                EXPECT_GT(red.lightness(), QColor(192, 0, 0).lightness());
            else
                EXPECT_EQ(red, QColor(192, 0, 0));
            EXPECT_EQ(red.hue(), 0);
            close_station();
        }
    }
}

TEST_F(StationTest, FollowsThePaletteChangedWhileOpen)
{
    testsupport::DesktopLook light(0, false);
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    EXPECT_EQ(v.Frame6->palette().color(QPalette::WindowText), QColor(0, 64, 0));
    {
        testsupport::DesktopLook dark(0, true);
        QApplication::processEvents(); // the change reaches the windows as an event
        EXPECT_EQ(layout_problems(s), QStringList());
        EXPECT_NE(v.Frame6->palette().color(QPalette::WindowText), QColor(0, 64, 0));
    }
    QApplication::processEvents();
    EXPECT_EQ(v.Label2->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(v.Frame6->palette().color(QPalette::WindowText), QColor(0, 64, 0));
}

TEST_F(StationTest, KeyboardOpensOnTheFirstTargetEnterRunsGoAndBarsMoveAsByClick)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    EXPECT_EQ(QApplication::focusWidget(), v.Option1);
    EXPECT_TRUE(v.Command5->isDefault());

    // Enter at once runs Go on what the hex box holds, and the station stays open.
    v.Text7->setText("336699");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(s.target_color(Background), QColor(0x33, 0x66, 0x99));
    v.Text7->setText("ff99");
    QTest::keyClick(v.Check1, Qt::Key_Enter);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].title, "Code too short");
    EXPECT_TRUE(s.isVisible());

    EXPECT_EQ(tab_chain(v.Option1),
        QStringList({"Option1", "Option2", "Option3", "Command3", "Command4", "Command1", "Check1",
            "Check2", "Command2", "Text1", "Text2", "Text3", "Text4", "Text7", "Command5",
            "Command6", "CLR(0)", "CLR(1)", "CLR(2)"}));
    // The three targets are one stop, entered at the selected one; the arrows choose.
    QTest::keyClick(v.Option1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), v.Command3);
    v.Option1->setFocus();
    QTest::keyClick(v.Option1, Qt::Key_Right);
    EXPECT_TRUE(v.Option2->isChecked());
    EXPECT_EQ(rgb_of(s), "0,0,0");
    v.Command6->setFocus();
    QTest::keyClick(v.Command6, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), s.CLR(0));

    // Every shortcut of the window, its added menus' included, is used once.
    EXPECT_EQ(testsupport::shortcuts_taken_twice(&s), QStringList());

    // The bars, focused by a click, move by key as by click.
    s.Option(Object)->click();
    QScrollBar* green = s.CLR(1);
    QTest::mouseClick(green, Qt::LeftButton, {}, QPoint(green->width() / 2, green->height() / 2));
    EXPECT_TRUE(green->hasFocus());
    set_bars(s, 0, 0, 0);
    QTest::keyClick(green, Qt::Key_PageUp);
    QTest::keyClick(green, Qt::Key_PageUp);
    EXPECT_EQ(v.Label1->text(), "000E00");
    EXPECT_EQ(s.target_color(Object), QColor(0, 14, 0));
    QTest::keyClick(green, Qt::Key_Right);
    EXPECT_EQ(v.Text2->text(), "15");
    QTest::keyClick(green, Qt::Key_PageDown);
    QTest::keyClick(green, Qt::Key_Left);
    EXPECT_EQ(green->value(), 7);
    QTest::keyClick(green, Qt::Key_End);
    EXPECT_EQ(v.Text7->text(), "00FF00");
    QTest::keyClick(green, Qt::Key_Home);
    EXPECT_EQ(s.target_color(Object), QColor(Qt::black));
    EXPECT_EQ(s.target_color(Background), QColor(0x33, 0x66, 0x99));

    // Auto Safe: one palette step a key.
    v.Check1->click();
    green->setValue(102);
    QTest::keyClick(green, Qt::Key_Right);
    EXPECT_EQ(green->value(), 153);
    QTest::keyClick(green, Qt::Key_PageDown);
    EXPECT_EQ(v.Label1->text(), "006600");
}

TEST_F(StationTest, EveryControlNamedOnceForReaders)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    std::map<QString, QString> seen;
    for (QWidget* w : s.findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible())
            continue;
        const QString name = accessible(w, QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty()) << w->objectName().toStdString();
        EXPECT_EQ(seen.count(name), 0u)
            << name.toStdString() << " also names " << seen[name].toStdString();
        seen[name] = w->objectName();
    }
    v.Check1->click(); // the button's caption turns "Auto Safe"; its name stays its own
    EXPECT_EQ(accessible(v.Command4, QAccessible::Name), "Safe Palette");
    v.Check1->click();

    // The sample tells its three colours.
    auto sample = [&] { return accessible(v.Shape1, QAccessible::Description); };
    EXPECT_EQ(sample(), "Background FFFFFF, object 000000, text 000000");
    s.Option(Object)->click();
    set_bars(s, 10, 20, 30);
    EXPECT_EQ(sample(), "Background FFFFFF, object 0A141E, text 000000");
    write("t.pmtm", "FF00000000FFFF0000\r\n");
    s.load_theme_file(file("t.pmtm"));
    EXPECT_EQ(sample(), "Background FF0000, object 0000FF, text FF0000");
    v.newtheme->trigger();
    EXPECT_EQ(sample(), "Background FFFFFF, object 000000, text 000000");
}
