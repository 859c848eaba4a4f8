#include "../support/window_test.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <random>

namespace {

using Form1Copy = WindowTest;

// The three indicators of each option must always agree.
void expect_hash_in_step(editor::Form1& w, int value)
{
    EXPECT_EQ(widgets::check_value(w.view().Check1), value);
    EXPECT_EQ(w.view().numsign->isChecked(), value == 1);
    EXPECT_EQ(w.view().numsign_right->isChecked(), value == 1);
}

void expect_alert_in_step(editor::Form1& w, int value)
{
    EXPECT_EQ(w.view().Check3.value(), value);
    EXPECT_EQ(w.view().copyalert->isChecked(), value != 0);
    EXPECT_EQ(w.view().alertcopy_right->isChecked(), value != 0);
}

} // namespace

TEST_F(Form1Copy, HexCopyWithAndWithoutHashAndItsAlert)
{
    editor::Form1& w = open_main();
    w.psets(51, 102, 255);
    w.view().Command1->click();
    EXPECT_EQ(fake.clipboard, "3366FF");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
        "[3366FF] was copied to your clipboard.\rPress Control + V to paste it!");
    EXPECT_EQ(fake.boxes[0].title, "Pigmentor");
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Information);

    w.view().Check1->click();
    expect_hash_in_step(w, 1);
    w.view().copyhex->trigger();
    EXPECT_EQ(fake.clipboard, "#3366FF");
    EXPECT_TRUE(fake.boxes.back().text.startsWith("[#3366FF] was copied"));

    w.view().copyalert->trigger();
    expect_alert_in_step(w, 0);
    fake.boxes.clear();
    w.view().copyhex_right->trigger();
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(Form1Copy, RgbCopyTakesTheBoxesAsTheyStandAndNeverAddsHash)
{
    editor::Form1& w = open_main();
    w.psets(255, 128, 0);
    w.view().Check1->click();
    w.view().copyrgbvalues->trigger();
    EXPECT_EQ(fake.clipboard, "R:255 G:128 B:0");
    EXPECT_EQ(fake.boxes.back().text,
        "[R:255 G:128 B:0] was copied to your clipboard.\rPress Ctrl + V to paste it!");
    w.channelBox(1)->setText("");
    w.view().copyrgb_right->trigger();
    EXPECT_EQ(fake.clipboard, "R:255 G: B:0");
}

TEST_F(Form1Copy, ShortcutsWinOverTheFocusedTextBox)
{
    editor::Form1& w = open_main();
    QApplication::setActiveWindow(&w);
    type_into(w.view().Text4, "ff9900");
    QTest::keyClick(w.view().Text4, Qt::Key_Return);
    QTest::keyClick(w.view().Text4, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "FF9900");
    QTest::keyClick(w.channelBox(0), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "R:255 G:153 B:0");
    // Ctrl+A is Auto Safe here, not "select all".
    w.view().Text4->setFocus();
    QTest::keyClick(w.view().Text4, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w.view().Check2->checkState(), Qt::Checked);
    EXPECT_EQ(w.view().Label1->text(), "FF9900");
}

TEST_F(Form1Copy, OptionIndicatorsStayInStepUnderAnyClicks)
{
    editor::Form1& w = open_main();
    expect_hash_in_step(w, 0);
    expect_alert_in_step(w, 1);
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        switch (random() % 5) {
        case 0:
            w.view().Check1->click();
            break;
        case 1:
            w.view().numsign->trigger();
            break;
        case 2:
            w.view().numsign_right->trigger();
            break;
        case 3:
            w.view().copyalert->trigger();
            break;
        case 4:
            w.view().alertcopy_right->trigger();
            break;
        }
        const int hash = widgets::check_value(w.view().Check1);
        expect_hash_in_step(w, hash);
        expect_alert_in_step(w, w.view().Check3.value());
    }
    // Twice on the same item returns to where it started.
    const bool before = w.view().numsign->isChecked();
    w.view().numsign_right->trigger();
    w.view().numsign_right->trigger();
    EXPECT_EQ(w.view().numsign->isChecked(), before);
}

TEST_F(Form1Copy, GrayedValuesFromTheSettingsFile)
{
    write("pmtsetgs.ini", "2\r\n2\r\n\"0  0  0  \"\r\n");
    editor::Form1& w = open_main();
    EXPECT_EQ(w.view().Check1->checkState(), Qt::PartiallyChecked);
    EXPECT_FALSE(w.view().numsign->isChecked());
    EXPECT_FALSE(w.view().numsign_right->isChecked());
    EXPECT_EQ(w.view().Check3.value(), 2);
    EXPECT_TRUE(w.view().copyalert->isChecked());
    EXPECT_TRUE(w.view().alertcopy_right->isChecked());

    fake.clipboard = "before";
    w.view().copyhex->trigger();
    EXPECT_EQ(fake.clipboard, "before"); // a grayed hash option copies nothing
    EXPECT_TRUE(fake.boxes.empty());
    w.view().copyrgbvalues->trigger();
    EXPECT_EQ(fake.clipboard, "R:0 G:0 B:0");
    EXPECT_EQ(fake.boxes.size(), 1u); // the RGB copy follows the menu mark

    w.view().numsign_right->trigger();
    expect_hash_in_step(w, 1);
    w.view().alertcopy_right->trigger();
    expect_alert_in_step(w, 0);
}

TEST_F(Form1Copy, FailedClipboardSaysSoAndChangesNoOption)
{
    editor::Form1& w = open_main();
    fake.clipboard_fails = true;
    w.view().copyhex->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Stop);
    EXPECT_TRUE(fake.boxes[0].text.contains("nothing was copied"));
    expect_hash_in_step(w, 0);
    expect_alert_in_step(w, 1);
}
