#include "station_test.h"

#include <QPushButton>

TEST_F(StationTest, EveryChangeReachesOnlyTheSelectedTargetAndAutoSafeSnapsEachItReaches)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    EXPECT_EQ(codes(s), "FFFFFF 000000 000000");
    s.Option(Object)->click();
    set_bars(s, 10, 20, 30);
    s.Option(Background)->click();
    EXPECT_EQ(rgb_of(s), "255,255,255");
    s.Option(Object)->click();
    EXPECT_EQ(rgb_of(s), "10,20,30");
    EXPECT_EQ(codes(s), "FFFFFF 0A141E 000000");
    EXPECT_EQ(v.Label1->text(), "0A141E");
    EXPECT_EQ(v.Text7->text(), "0A141E");

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

// The channel boxes' checks and the bars' keys are the shared routines', tried in the main
// window's tests and end to end (which also walks the whole Tab order, to the bars).
TEST_F(StationTest, KeyboardEnterRunsGoAndRefusedCodesRestore)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    // Opened on the first target, Enter at once runs Go on what the hex box holds, and the
    // station stays open.
    EXPECT_EQ(QApplication::focusWidget(), v.Option1);
    v.Text7->setText("336699");
    QTest::keyClick(v.Option1, Qt::Key_Return);
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(codes(s), "336699 000000 000000");
    // The three targets are one stop, entered at the selected one; the arrows choose.
    QTest::keyClick(v.Option1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), v.Command3);
    v.Option1->setFocus();
    QTest::keyClick(v.Option1, Qt::Key_Right);
    EXPECT_TRUE(v.Option2->isChecked());
    // Every shortcut of the window, its added menus' included, is used once.
    EXPECT_EQ(testsupport::shortcuts_taken_twice(&s), QStringList());

    enter_code(s, "ff9900");
    EXPECT_EQ(codes(s), "336699 FF9900 000000");
    // Go upper-cases what was typed and keeps it, but for invalid characters; a refused
    // paste shows the displayed code again, but for a blank clipboard.
    const struct {
        const char *typed, *clipboard, *title, *left;
    } refusals[] = {{"ff99", nullptr, "Code too short", "FF99"},
        {"#ff00c", nullptr, "Pigmentor", "#FF00C"},
        {"GG0000", nullptr, "Invalid Characters", "000000"},
        {"abc", "#FF0000", "Pigmentor", "FF9900"},
        {"abc", "xyzxyz", "Invalid Characters", "FF9900"}, {"abc", "", "Blank Clipboard", "abc"}};
    for (const auto& r : refusals) {
        v.Text7->setText(r.typed);
        fake.clipboard = QString::fromLatin1(r.clipboard);
        r.clipboard ? v.pastehex->trigger() : v.Command5->click();
        EXPECT_EQ(fake.boxes.back().title, r.title) << r.typed;
        EXPECT_EQ(v.Text7->text(), r.left) << r.typed;
    }
    EXPECT_EQ(fake.boxes.size(), 6u);
    EXPECT_EQ(fake.boxes.back().text,
        "Ctrl + V is used to automatically paste hex codes into Pigmentor. Your clipboard is "
        "empty!");
    fake.clipboard = "336699\n";
    v.pastehex->trigger();
    EXPECT_EQ(codes(s), "336699 336699 000000");
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
    main->view().numsign->trigger();
    const std::pair<QAction*, const char*> copies[]
        = {{v.objhexcode, "#000000"}, {v.texthexcopyr, "#010203"}, {v.right_textrgb, "R:1 G:2 B:3"},
            {v.bakrgb, "R:255 G:255 B:255"}};
    for (const auto& [item, copied] : copies) {
        item->trigger();
        EXPECT_EQ(fake.clipboard, copied);
    }
    EXPECT_EQ(fake.boxes.size(), 5u);
    EXPECT_EQ(fake.boxes.back().text,
        "[R:255 G:255 B:255] was copied to your clipboard.\rPress Ctrl + V to paste it!");
    EXPECT_TRUE(s.Option(Background)->isChecked());

    main->view().alertcopy_right->trigger();
    fake.boxes.clear();
    v.backhexr->trigger();
    EXPECT_TRUE(fake.boxes.empty());

    // Ctrl+D with the focus in the hex box copies the object, Ctrl+C the background.
    v.Text7->setFocus();
    QTest::keyClick(v.Text7, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "#000000");
    QTest::keyClick(v.Text7, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "#FFFFFF");

    v.Command2->click();
    ASSERT_EQ(fake.popups.size(), 1u);
    EXPECT_EQ(fake.popups[0].menu, v.copymenur);

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
    EXPECT_EQ(right_click(v.Frame1, v.Shape2->geometry().center()), 1u);
    EXPECT_EQ(fake.popups[0].menu, v.rightclik);
    EXPECT_EQ(right_click(v.Label3, v.Label3->rect().center()), 0u);
    const QPoint gap((v.Frame1->geometry().right() + v.Command3->geometry().left()) / 2,
        v.Command3->geometry().center().y());
    EXPECT_EQ(right_click(v.client, gap), 1u);
}
