#include "station_test.h"

#include <QPushButton>

TEST_F(StationTest, OpensWhiteOnBlackAndSwitchingTargetsLosesNoChannel)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    EXPECT_EQ(rgb_of(s), "255,255,255");
    // The object stands in the lower middle of the background, the text near its top.
    const QRect back = v.Shape1->geometry(), object = v.Shape2->geometry();
    EXPECT_TRUE(back.contains(object));
    EXPECT_NEAR(object.center().x(), back.center().x(), back.width() / 20);
    EXPECT_GT(object.center().y(), back.center().y());
    EXPECT_TRUE(back.contains(v.Label3->geometry().center()));
    EXPECT_LT(v.Label3->geometry().bottom(), object.top());

    s.Option(Object)->click();
    EXPECT_EQ(rgb_of(s), "0,0,0");
    set_bars(s, 10, 20, 30);
    s.Option(Background)->click();
    EXPECT_EQ(rgb_of(s), "255,255,255");
    EXPECT_EQ(s.target_color(Background), QColor(Qt::white));
    s.Option(Object)->click();
    EXPECT_EQ(rgb_of(s), "10,20,30");
    EXPECT_EQ(v.Label1->text(), "0A141E");
    EXPECT_EQ(v.Text7->text(), "0A141E");
    EXPECT_EQ(s.CommonDialog1().color, core::color_value(10, 20, 30));

    int runs = 0;
    QObject::connect(s.CLR(0), &QScrollBar::valueChanged, [&] { ++runs; });
    s.Option(Text)->click(); // black text after 10,20,30: all three change
    EXPECT_EQ(runs, 1);
    s.Option(Object)->click();
    s.select_target(Object); // already selected: nothing happens
    EXPECT_EQ(runs, 2);
}

TEST_F(StationTest, ChannelBoxesHexEntryAndPasteRefuseAndRestore)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    type_into(s.channelBox(0), "300");
    EXPECT_EQ(s.channelBox(0)->text(), "255");
    set_bars(s, 0, 10, 255);
    EXPECT_EQ(v.Label1->text(), "000AFF");
    EXPECT_EQ(v.Text7->text(), "000AFF");
    EXPECT_EQ(s.target_color(Background), QColor(0, 10, 255));
    type_into(s.channelBox(2), "b");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "Only 0-9 numbers are allowed in RBG values!");
    EXPECT_EQ(s.channelBox(2)->text(), "255");

    s.Option(Object)->click();
    type_into(v.Text7, "ff9900");
    QTest::keyClick(v.Text7, Qt::Key_Return);
    EXPECT_EQ(s.target_color(Object), QColor(255, 153, 0));
    EXPECT_EQ(v.Text7->text(), "FF9900");
    EXPECT_EQ(s.target_color(Background), QColor(0, 10, 255));
    // Go upper-cases what was typed and keeps it, but for invalid characters.
    const struct {
        const char *typed, *title, *left;
    } refusals[] = {{"ff99", "Code too short", "FF99"}, {"#ff00c", "Pigmentor", "#FF00C"},
        {"GG0000", "Invalid Characters", "000000"}};
    for (const auto& r : refusals) {
        v.Text7->setText(r.typed);
        v.Command5->click();
        EXPECT_EQ(fake.boxes.back().title, r.title);
        EXPECT_EQ(v.Text7->text(), r.left);
    }
    EXPECT_EQ(fake.boxes.size(), 4u);

    // A refused paste shows the displayed code again, but for a blank clipboard.
    fake.clipboard = "#FF0000";
    QTest::keyClick(v.Text7, Qt::Key_F2);
    EXPECT_EQ(fake.boxes.back().title, "Pigmentor");
    EXPECT_EQ(v.Text7->text(), "FF9900");
    fake.clipboard.clear();
    v.Text7->setText("abc");
    v.pastehex->trigger();
    EXPECT_EQ(fake.boxes.back().text,
        "Ctrl + V is used to automatically paste hex codes into Pigmentor. Your clipboard is "
        "empty!");
    EXPECT_EQ(v.Text7->text(), "abc");
    fake.clipboard = "xyzxyz";
    v.pastehex->trigger();
    EXPECT_EQ(v.Text7->text(), "FF9900");
    EXPECT_EQ(s.target_color(Object), QColor(255, 153, 0));
    fake.clipboard = "336699\n";
    v.pastehex->trigger();
    EXPECT_EQ(s.target_color(Object), QColor(0x33, 0x66, 0x99));
    EXPECT_EQ(fake.boxes.size(), 7u);
}

TEST_F(StationTest, AutoSafeSnapsEveryTargetItReaches)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    set_bars(s, 64, 128, 200);
    v.Check1->click();
    EXPECT_EQ(rgb_of(s), "51,153,204");
    EXPECT_TRUE(v.autosafep->isChecked());
    EXPECT_TRUE(v.autosafepr->isChecked());
    EXPECT_EQ(v.Command4->text(), "Auto Safe");
    EXPECT_FALSE(v.Command4->isEnabled());
    EXPECT_FALSE(v.safep->isEnabled());
    EXPECT_FALSE(v.safepalr->isEnabled());
    EXPECT_TRUE(s.channelBox(1)->isReadOnly());
    EXPECT_EQ(s.CLR(0)->pageStep(), 51);

    // A target reached with Auto Safe on ends up on the palette.
    v.autosafep->trigger();
    s.Option(Object)->click();
    set_bars(s, 10, 20, 50);
    s.Option(Background)->click();
    v.autosafepr->trigger();
    s.Option(Object)->click();
    EXPECT_EQ(v.Label1->text(), "000033");
    EXPECT_EQ(s.target_color(Object), QColor(0, 0, 0x33));

    v.Check1->click();
    EXPECT_EQ(v.Command4->text(), "Safe Palette");
    EXPECT_TRUE(v.safepalr->isEnabled());
    EXPECT_EQ(v.Label1->text(), "000033");
    EXPECT_EQ(s.CLR(0)->singleStep(), 1);
}

TEST_F(StationTest, PickerAndPresetsColourOnlyTheSelectedTargetAndCloseKeepsMain)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    s.Option(Text)->click();
    fake.color_answers.push_back(QColor(1, 2, 3));
    v.choosec->trigger();
    EXPECT_EQ(fake.color_dialog_starts.back(), QColor(Qt::black));
    EXPECT_EQ(s.target_color(Text), QColor(1, 2, 3));
    EXPECT_EQ(s.target_color(Object), QColor(Qt::black));
    v.Command3->click(); // cancelled
    EXPECT_EQ(s.target_color(Text), QColor(1, 2, 3));

    s.Option(Object)->click();
    v.preset_items[3]->trigger();
    EXPECT_EQ(v.Label1->text(), "996633");
    EXPECT_EQ(s.target_color(Text), QColor(1, 2, 3));
    v.Command6->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(StationTest, CopiesFollowTheMainWindowsOptions)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    v.objecthex->trigger();
    EXPECT_EQ(fake.clipboard, "000000");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
        "[000000] was copied to your clipboard!\rPress Control + V to paste it!");

    find<QAction>(main.get(), "numsign")->trigger();
    v.objhexcode->trigger();
    EXPECT_EQ(fake.clipboard, "#000000");
    v.bakrgb->trigger();
    EXPECT_EQ(fake.clipboard, "R:255 G:255 B:255");
    EXPECT_EQ(fake.boxes.back().text,
        "[R:255 G:255 B:255] was copied to your clipboard.\rPress Ctrl + V to paste it!");

    s.Option(Text)->click();
    set_bars(s, 1, 2, 3);
    s.Option(Background)->click();
    v.right_textrgb->trigger();
    EXPECT_EQ(fake.clipboard, "R:1 G:2 B:3");
    v.texthexcopyr->trigger();
    EXPECT_EQ(fake.clipboard, "#010203");
    EXPECT_TRUE(s.Option(Background)->isChecked());

    find<QAction>(main.get(), "alertcopy_right")->trigger();
    fake.boxes.clear();
    v.backhexr->trigger();
    v.right_objectrgb->trigger();
    EXPECT_TRUE(fake.boxes.empty());

    // Ctrl+D with the focus in the hex box copies the object, Ctrl+C the background.
    v.Text7->setFocus();
    QTest::keyClick(v.Text7, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "#000000");
    QTest::keyClick(v.Text7, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "#FFFFFF");
}

TEST_F(StationTest, MenusPopWhereTheyShould)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    v.Command2->click();
    ASSERT_EQ(fake.popups.size(), 1u);
    EXPECT_EQ(fake.popups[0].menu, v.copymenur);
    // 130 twips right of the button's left edge, 170 above its bottom, in its frame's
    // coordinates but taken as the client area's.
    const QRect b = v.Command2->geometry();
    EXPECT_EQ(fake.popups[0].pos, v.client->mapToGlobal(QPoint(b.left() + 8, b.bottom() + 1 - 11)));

    // Right button pressed where a point of `on` lies, delivered to whatever control is
    // really there: over the sample, but not over its text.
    auto right_click = [&](QWidget* on, QPoint pos) {
        fake.popups.clear();
        const QPoint in_window = on->mapTo(&s, pos);
        QWidget* hit = s.childAt(in_window);
        QTest::mousePress(hit, Qt::RightButton, {}, hit->mapFrom(&s, in_window));
        return fake.popups.size();
    };
    EXPECT_EQ(right_click(v.Frame1, v.Shape1->geometry().bottomLeft() + QPoint(4, -4)), 1u);
    EXPECT_EQ(fake.popups[0].menu, v.rightclik);
    EXPECT_EQ(right_click(v.Frame1, v.Shape2->geometry().center()), 1u);
    EXPECT_EQ(right_click(v.Label3, v.Label3->rect().center()), 0u);
    EXPECT_EQ(right_click(v.Frame5, QPoint(v.Frame5->width() / 2, v.Frame5->height() - 2)), 1u);
    EXPECT_EQ(right_click(v.Text7, QPoint(3, 3)), 0u);
    EXPECT_EQ(right_click(s.CLR(1), QPoint(50, 5)), 0u);
    EXPECT_EQ(right_click(v.Label2, QPoint(3, 3)), 0u);
    const QPoint gap((v.Frame1->geometry().right() + v.Command3->geometry().left()) / 2,
        v.Command3->geometry().center().y());
    EXPECT_EQ(right_click(v.client, gap), 1u);

    // From the keyboard, at the focused control.
    fake.popups.clear();
    v.Text7->setFocus();
    QTest::keyClick(v.Text7, Qt::Key_F10, Qt::ShiftModifier);
    s.CLR(2)->setFocus();
    QTest::keyClick(s.CLR(2), Qt::Key_Menu);
    ASSERT_EQ(fake.popups.size(), 2u);
    EXPECT_EQ(fake.popups[0].menu, v.rightclik);
    EXPECT_EQ(fake.popups[0].pos, v.Text7->mapToGlobal(v.Text7->rect().center()));
    EXPECT_EQ(fake.popups[1].menu, v.rightclik);
    EXPECT_EQ(fake.popups[1].pos, s.CLR(2)->mapToGlobal(s.CLR(2)->rect().center()));
    EXPECT_EQ(s.CLR(2)->value(), 255); // the key does nothing else
}
