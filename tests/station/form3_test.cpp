#include "station_test.h"

#include <QPushButton>

TEST_F(StationTest, EveryChangeReachesOnlyTheSelectedTargetAndAutoSafeSnapsEachItReaches)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    EXPECT_EQ(codes(s), "FFFFFF 000000 000000");
    s.Option(Object)->click();
    EXPECT_EQ(rgb_of(s), "0,0,0");
    set_bars(s, 10, 20, 30);
    s.Option(Background)->click();
    EXPECT_EQ(rgb_of(s), "255,255,255");
    s.Option(Object)->click();
    EXPECT_EQ(rgb_of(s), "10,20,30");
    EXPECT_EQ(codes(s), "FFFFFF 0A141E 000000");
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

    // The picker and the presets colour only the selected target; Close keeps the main window.
    s.Option(Text)->click();
    fake.color_answers.push_back(QColor(1, 2, 3));
    v.choosec->trigger();
    EXPECT_EQ(fake.color_dialog_starts.back(), QColor(Qt::black));
    EXPECT_EQ(codes(s), "FFFFFF 0A141E 010203");
    s.Option(Object)->click();
    v.preset_items[3]->trigger();
    EXPECT_EQ(codes(s), "FFFFFF 996633 010203");

    // Auto Safe, its marks in step, snaps every target it reaches.
    s.Option(Background)->click();
    set_bars(s, 64, 128, 200);
    v.Check1->click();
    EXPECT_EQ(rgb_of(s), "51,153,204");
    EXPECT_TRUE(v.autosafep->isChecked() && v.autosafepr->isChecked());
    EXPECT_EQ(v.Command4->text(), "Auto Safe");
    EXPECT_EQ(v.Command4->accessibleName(), "Safe Palette"); // for readers, its own name stays
    EXPECT_FALSE(v.Command4->isEnabled() || v.safep->isEnabled() || v.safepalr->isEnabled());
    EXPECT_TRUE(s.channelBox(1)->isReadOnly());

    // A target reached with Auto Safe on ends up on the palette.
    v.autosafep->trigger();
    s.Option(Object)->click();
    set_bars(s, 10, 20, 50);
    s.Option(Background)->click();
    v.autosafepr->trigger();
    EXPECT_EQ(v.Check1->checkState(), Qt::Checked);
    s.Option(Object)->click();
    EXPECT_EQ(v.Label1->text(), "000033");
    EXPECT_EQ(codes(s), "3399CC 000033 010203");

    v.Check1->click();
    EXPECT_EQ(v.Command4->text(), "Safe Palette");
    EXPECT_TRUE(v.safepalr->isEnabled());
    EXPECT_FALSE(v.autosafep->isChecked());
    EXPECT_EQ(s.CLR(0)->singleStep(), 1);
    v.Command6->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(main->isVisible());
}

// The channel boxes' checks are the shared routine's, typed in the main window's colour test.
TEST_F(StationTest, HexEntryAndPasteRefuseAndRestore)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    set_target(s, Object, "ff9900");
    EXPECT_EQ(codes(s), "FFFFFF FF9900 000000");
    EXPECT_EQ(v.Text7->text(), "FF9900");
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
    EXPECT_EQ(fake.boxes.size(), 3u);

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
    fake.clipboard = "336699\n";
    v.pastehex->trigger();
    EXPECT_EQ(codes(s), "FFFFFF 336699 000000");
    EXPECT_EQ(fake.boxes.size(), 6u);
}

TEST_F(StationTest, CopiesFollowTheMainWindowsOptionsAndMenusPopWhereTheyShould)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    v.objecthex->trigger();
    EXPECT_EQ(fake.clipboard, "000000");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
        "[000000] was copied to your clipboard!\rPress Control + V to paste it!");

    set_target(s, Text, "010203");
    s.Option(Background)->click();
    find<QAction>(main.get(), "numsign")->trigger();
    const std::pair<QAction*, const char*> copies[] = {{v.objhexcode, "#000000"},
        {v.texthexcopyr, "#010203"}, {v.right_textrgb, "R:1 G:2 B:3"},
        {v.bakrgb, "R:255 G:255 B:255"}};
    for (const auto& [item, copied] : copies) {
        item->trigger();
        EXPECT_EQ(fake.clipboard, copied);
    }
    EXPECT_EQ(fake.boxes.size(), 5u);
    EXPECT_EQ(fake.boxes.back().text,
        "[R:255 G:255 B:255] was copied to your clipboard.\rPress Ctrl + V to paste it!");
    EXPECT_TRUE(s.Option(Background)->isChecked());

    find<QAction>(main.get(), "alertcopy_right")->trigger();
    fake.boxes.clear();
    v.backhexr->trigger();
    EXPECT_TRUE(fake.boxes.empty());

    // Ctrl+D with the focus in the hex box copies the object, Ctrl+C the background.
    v.Text7->setFocus();
    QTest::keyClick(v.Text7, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "#000000");
    QTest::keyClick(v.Text7, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "#FFFFFF");

    // The Copy button's menu pops 130 twips right of its left edge, 170 above its bottom,
    // in its frame's coordinates but taken as the client area's.
    fake.popups.clear();
    v.Command2->click();
    ASSERT_EQ(fake.popups.size(), 1u);
    EXPECT_EQ(fake.popups[0].menu, v.copymenur);
    const QRect b = v.Command2->geometry();
    EXPECT_EQ(fake.popups[0].pos, v.client->mapToGlobal(QPoint(b.left() + 8, b.bottom() + 1 - 11)));

    // Right button pressed where a point of `on` lies, delivered to whatever control is
    // really there: over the sample, but not over its text. (Shift+F10 and the Menu key are
    // the shared routine's, pressed in the main window's menu test and end to end.)
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
    const QPoint gap((v.Frame1->geometry().right() + v.Command3->geometry().left()) / 2,
        v.Command3->geometry().center().y());
    EXPECT_EQ(right_click(v.client, gap), 1u);
}
