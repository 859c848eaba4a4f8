#include "../support/window_test.h"

#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

class StationTest : public WindowTest {
protected:
    station::Form3& open_station()
    {
        open_main();
        station::Form3* s = main->show_station();
        QApplication::setActiveWindow(s);
        return *s;
    }
};

} // namespace

TEST_F(StationTest, OpensWhiteBackgroundBlackObjectAndText)
{
    station::Form3& s = open_station();
    EXPECT_EQ(s.windowTitle(), "Pigmentor - Color Matching Station");
    EXPECT_TRUE(s.Option(station::Background)->isChecked());
    EXPECT_EQ(rgb_of(s), "255,255,255");
    EXPECT_EQ(s.Label1()->text(), "FFFFFF");
    EXPECT_EQ(s.Text7()->text(), "FFFFFF");
    EXPECT_EQ(s.channelBox(0)->text(), "255");
    EXPECT_EQ(s.target_color(station::Object), QColor(Qt::black));
    EXPECT_EQ(s.target_color(station::Text), QColor(Qt::black));
    EXPECT_EQ(s.Label3()->text(), "Sample Text 123");
    EXPECT_EQ(s.centralWidget()->size(), QSize(565, 206));
    EXPECT_EQ(s.Shape2()->geometry(), QRect(45, 56, 121, 65));
}

TEST_F(StationTest, SwitchingTargetsLosesNoChannel)
{
    station::Form3& s = open_station();
    s.Option(station::Object)->click();
    EXPECT_EQ(rgb_of(s), "0,0,0");
    set_bars(s, 10, 20, 30);
    s.Option(station::Background)->click();
    EXPECT_EQ(rgb_of(s), "255,255,255");
    EXPECT_EQ(s.target_color(station::Background), QColor(Qt::white));
    s.Option(station::Object)->click();
    EXPECT_EQ(rgb_of(s), "10,20,30");
    EXPECT_EQ(s.Label1()->text(), "0A141E");
    EXPECT_EQ(s.Text7()->text(), "0A141E");
    EXPECT_EQ(s.CommonDialog1().color, core::color_value(10, 20, 30));

    int runs = 0;
    QObject::connect(s.CLR(0), &QScrollBar::valueChanged, [&] { ++runs; });
    s.Option(station::Text)->click(); // black text after 10,20,30: all three change
    EXPECT_EQ(runs, 1);
    s.Option(station::Object)->click();
    s.select_target(station::Object); // already selected: nothing happens
    EXPECT_EQ(runs, 2);
}

TEST_F(StationTest, ChannelBoxesAndHexDisplay)
{
    station::Form3& s = open_station();
    type_into(s.channelBox(0), "300");
    EXPECT_EQ(s.channelBox(0)->text(), "255");
    set_bars(s, 0, 10, 255);
    EXPECT_EQ(s.Label1()->text(), "000AFF");
    EXPECT_EQ(s.Text7()->text(), "000AFF");
    s.CLR(0)->setValue(12);
    type_into(s.channelBox(0), "007");
    EXPECT_EQ(s.CLR(0)->value(), 7);
    EXPECT_EQ(s.channelBox(0)->text(), "7");
    s.channelBox(1)->clear();
    EXPECT_EQ(s.target_color(station::Background), QColor(7, 10, 255));
    type_into(s.channelBox(2), "b");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "Only 0-9 numbers are allowed in RBG values!");
    EXPECT_EQ(s.channelBox(2)->text(), "255");
}

TEST_F(StationTest, HexEntryKeepsWhatTheStationKeeps)
{
    station::Form3& s = open_station();
    s.Option(station::Object)->click();
    type_into(s.Text7(), "ff9900");
    QTest::keyClick(s.Text7(), Qt::Key_Return);
    EXPECT_EQ(s.target_color(station::Object), QColor(255, 153, 0));
    EXPECT_EQ(s.Text7()->text(), "FF9900");
    EXPECT_EQ(s.target_color(station::Background), QColor(Qt::white));

    s.Text7()->setText("ff99");
    s.button("Command5")->click();
    EXPECT_EQ(fake.boxes.back().title, "Code too short");
    EXPECT_EQ(s.Text7()->text(), "FF99"); // upper-cased, kept
    s.Text7()->setText("#ff00c");
    s.Command5_Click();
    EXPECT_EQ(fake.boxes.back().text, "Please enter the Hex Code ONLY, no #!");
    EXPECT_EQ(s.Text7()->text(), "#FF00C");
    s.Text7()->setText("GG0000");
    s.Command5_Click();
    EXPECT_EQ(fake.boxes.back().title, "Invalid Characters");
    EXPECT_EQ(s.Text7()->text(), "000000");
    EXPECT_EQ(s.target_color(station::Object), QColor(255, 153, 0));
    EXPECT_EQ(fake.boxes.size(), 3u);
}

TEST_F(StationTest, PasteRestoresTheDisplayedCode)
{
    station::Form3& s = open_station();
    s.Text7()->setFocus();
    fake.clipboard = "#FF0000";
    QTest::keyClick(s.Text7(), Qt::Key_F2);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].title, "Pigmentor");
    EXPECT_EQ(s.Text7()->text(), "FFFFFF");
    fake.clipboard.clear();
    s.Text7()->setText("abc");
    s.action("pastehex")->trigger();
    EXPECT_EQ(fake.boxes.back().text,
        "Ctrl + V is used to automatically paste hex codes into Pigmentor. Your clipboard is "
        "empty!");
    EXPECT_EQ(fake.boxes.back().title, "Blank Clipboard");
    EXPECT_EQ(s.Text7()->text(), "abc");
    fake.clipboard = "xyzxyz";
    s.pastehex_Click();
    EXPECT_EQ(s.Text7()->text(), "FFFFFF");
    fake.clipboard = "336699\n";
    s.pastehex_Click();
    EXPECT_EQ(s.target_color(station::Background), QColor(0x33, 0x66, 0x99));
}

TEST_F(StationTest, AutoSafeSnapsEveryTargetItReaches)
{
    station::Form3& s = open_station();
    set_bars(s, 64, 128, 200);
    s.Check1()->click();
    EXPECT_EQ(rgb_of(s), "51,153,204");
    EXPECT_TRUE(s.action("autosafep")->isChecked());
    EXPECT_TRUE(s.action("autosafepr")->isChecked());
    EXPECT_EQ(s.button("Command4")->text(), "Auto Safe");
    EXPECT_FALSE(s.button("Command4")->isEnabled());
    EXPECT_FALSE(s.action("safep")->isEnabled());
    EXPECT_FALSE(s.action("safepalr")->isEnabled());
    EXPECT_TRUE(s.channelBox(1)->isReadOnly());
    EXPECT_EQ(s.CLR(0)->pageStep(), 51);

    s.action("greenp")->trigger();
    EXPECT_EQ(s.Label1()->text(), "00FF00");
    s.CLR(0)->setValue(0);
    s.CLR(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(s.CLR(0)->value(), 51);

    // A target reached with Auto Safe on ends up on the palette.
    s.action("autosafep")->trigger();
    s.Option(station::Object)->click();
    set_bars(s, 10, 20, 50);
    s.Option(station::Background)->click();
    s.action("autosafepr")->trigger();
    s.Option(station::Object)->click();
    EXPECT_EQ(s.Label1()->text(), "000033");
    EXPECT_EQ(s.target_color(station::Object), QColor(0, 0, 0x33));

    s.Check1()->click();
    EXPECT_EQ(s.button("Command4")->text(), "Safe Palette");
    EXPECT_TRUE(s.action("safepalr")->isEnabled());
    EXPECT_EQ(s.Label1()->text(), "000033");
    EXPECT_EQ(s.CLR(0)->singleStep(), 1);
}

TEST_F(StationTest, PickerColoursOnlyTheSelectedTarget)
{
    station::Form3& s = open_station();
    s.Option(station::Text)->click();
    fake.color_answers.push_back(QColor(1, 2, 3));
    s.action("choosec")->trigger();
    EXPECT_EQ(fake.color_dialog_starts.back(), QColor(Qt::black));
    EXPECT_EQ(s.target_color(station::Text), QColor(1, 2, 3));
    EXPECT_EQ(s.target_color(station::Object), QColor(Qt::black));
    s.button("Command3")->click(); // cancelled
    EXPECT_EQ(s.target_color(station::Text), QColor(1, 2, 3));
}

TEST_F(StationTest, CopiesFollowTheMainWindowsOptions)
{
    station::Form3& s = open_station();
    s.action("objecthex")->trigger();
    EXPECT_EQ(fake.clipboard, "000000");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].title, "Color copied to clipboard");
    EXPECT_EQ(fake.boxes[0].text,
        "[000000] was copied to your clipboard!\rPress Control + V to paste it!");

    main->action("numsign")->trigger();
    s.action("objhexcode")->trigger();
    EXPECT_EQ(fake.clipboard, "#000000");
    s.action("bakrgb")->trigger();
    EXPECT_EQ(fake.clipboard, "R:255 G:255 B:255");
    EXPECT_EQ(fake.boxes.back().title, "Pigmentor");
    EXPECT_EQ(fake.boxes.back().text,
        "[R:255 G:255 B:255] was copied to your clipboard.\rPress Ctrl + V to paste it!");

    s.Option(station::Text)->click();
    set_bars(s, 1, 2, 3);
    s.Option(station::Background)->click();
    s.action("right_textrgb")->trigger();
    EXPECT_EQ(fake.clipboard, "R:1 G:2 B:3");
    s.action("texthexcopyr")->trigger();
    EXPECT_EQ(fake.clipboard, "#010203");
    EXPECT_TRUE(s.Option(station::Background)->isChecked());

    main->action("alertcopy_right")->trigger();
    fake.boxes.clear();
    s.action("backhexr")->trigger();
    s.action("right_objectrgb")->trigger();
    EXPECT_TRUE(fake.boxes.empty());

    // Ctrl+D with the focus in the hex box copies the object, Ctrl+C the background.
    s.Text7()->setFocus();
    QTest::keyClick(s.Text7(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "#000000");
    QTest::keyClick(s.Text7(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "#FFFFFF");
}

TEST_F(StationTest, CopyButtonPopsItsMenuAtTheGivenPoint)
{
    station::Form3& s = open_station();
    s.button("Command2")->click();
    ASSERT_EQ(fake.popups.size(), 1u);
    EXPECT_EQ(fake.popups[0].menu, s.copymenur());
    EXPECT_EQ(fake.popups[0].pos, s.centralWidget()->mapToGlobal(QPoint(384, 131)));
    QStringList items;
    for (QAction* a : s.copymenur()->actions())
        items << a->text();
    EXPECT_EQ(items, QStringList({"Background Hex Code", "Object Hex Code", "Text Hex Code"}));
}

TEST_F(StationTest, RightClickOverTheSampleButNotOverItsText)
{
    station::Form3& s = open_station();
    auto right_click = [&](QWidget* target, QPoint pos) {
        fake.popups.clear();
        QTest::mousePress(target, Qt::RightButton, {}, pos);
        return fake.popups.size();
    };
    QWidget* frame1 = s.frame("Frame1");
    const QPoint background = s.Shape1()->geometry().bottomLeft() + QPoint(10, -10);
    EXPECT_EQ(right_click(frame1, background), 1u);
    EXPECT_EQ(fake.popups[0].menu, s.rightclik());
    EXPECT_EQ(right_click(frame1, s.Shape2()->geometry().center()), 1u);
    EXPECT_EQ(right_click(s.Label3(), QPoint(20, 5)), 0u);
    EXPECT_EQ(right_click(s.frame("Frame5"), QPoint(130, 42)), 1u);
    EXPECT_EQ(right_click(s.Text7(), QPoint(3, 3)), 0u);
    EXPECT_EQ(right_click(s.CLR(1), QPoint(50, 5)), 0u);
    EXPECT_EQ(right_click(s.centralWidget(), QPoint(453, 100)), 1u);
}

TEST_F(StationTest, PresetsCloseAndMenus)
{
    station::Form3& s = open_station();
    s.Option(station::Object)->click();
    s.action("brownp")->trigger();
    EXPECT_EQ(s.Label1()->text(), "996633");
    QStringList bar;
    for (QAction* a : s.menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, QStringList({"&File", "&Options", "&Presets"}));
    EXPECT_EQ(s.action("exit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
    EXPECT_EQ(s.action("texthexcopy")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    s.button("Command6")->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(main->isVisible());
}
