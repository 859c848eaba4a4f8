#include "../support/window_test.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <random>

namespace {

using Form1Copy = WindowTest;

// The three indicators of each option must always agree.
void expect_in_step(editor::Form1& w, int hash, int alert)
{
    const editor::Form1View& v = w.view();
    EXPECT_EQ(widgets::check_value(v.Check1), hash);
    EXPECT_EQ(v.numsign->isChecked(), hash == 1);
    EXPECT_EQ(v.numsign_right->isChecked(), hash == 1);
    EXPECT_EQ(v.Check3.value(), alert);
    EXPECT_EQ(v.copyalert->isChecked(), alert != 0);
    EXPECT_EQ(v.alertcopy_right->isChecked(), alert != 0);
}

} // namespace

TEST_F(Form1Copy, HexAndRgbCopiesByButtonMenuOrShortcutTheirHashAndAlertAndAFailedClipboard)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    w.psets(51, 102, 255);
    v.Command1->click();
    EXPECT_EQ(fake.clipboard, "3366FF");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
        "[3366FF] was copied to your clipboard.\rPress Control + V to paste it!");
    EXPECT_EQ(fake.boxes[0].title, "Pigmentor");
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Information);

    v.Check1->click();
    expect_in_step(w, 1, 1);
    v.copyhex->trigger();
    EXPECT_EQ(fake.clipboard, "#3366FF");
    EXPECT_TRUE(fake.boxes.back().text.startsWith("[#3366FF] was copied"));

    // The RGB copy takes the boxes as they stand and never adds "#".
    w.psets(255, 128, 0);
    v.copyrgbvalues->trigger();
    EXPECT_EQ(fake.clipboard, "R:255 G:128 B:0");
    EXPECT_EQ(fake.boxes.back().text,
        "[R:255 G:128 B:0] was copied to your clipboard.\rPress Ctrl + V to paste it!");
    w.channelBox(1)->setText("");
    v.copyrgb_right->trigger();
    EXPECT_EQ(fake.clipboard, "R:255 G: B:0");

    v.copyalert->trigger();
    expect_in_step(w, 1, 0);
    fake.boxes.clear();
    v.copyhex_right->trigger();
    EXPECT_TRUE(fake.boxes.empty());

    // The shortcuts win over a focused text box; Ctrl+A is Auto Safe there, not "select all".
    type_into(v.Text4, "ff9900");
    QTest::keyClick(v.Text4, Qt::Key_Return);
    QTest::keyClick(v.Text4, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "#FF9900");
    QTest::keyClick(w.channelBox(0), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "R:255 G:153 B:0");
    v.Text4->setFocus();
    QTest::keyClick(v.Text4, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(v.Check2->checkState(), Qt::Checked);
    EXPECT_EQ(v.Label1->text(), "FF9900");

    // A clipboard that will not take it says so, alert or not, and changes no option.
    fake.clipboard_fails = true;
    v.copyhex->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Stop);
    EXPECT_TRUE(fake.boxes[0].text.contains("nothing was copied"));
    expect_in_step(w, 1, 0);
}

TEST_F(Form1Copy, OptionIndicatorsStayInStepUnderAnyClicks)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    expect_in_step(w, 0, 1);
    const std::function<void()> clicks[] = {[&] { v.Check1->click(); },
        [&] { v.numsign->trigger(); }, [&] { v.numsign_right->trigger(); },
        [&] { v.copyalert->trigger(); }, [&] { v.alertcopy_right->trigger(); }};
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        clicks[random() % 5]();
        expect_in_step(w, widgets::check_value(v.Check1), v.Check3.value());
    }
    // Twice on the same item returns to where it started.
    const bool before = v.numsign->isChecked();
    v.numsign_right->trigger();
    v.numsign_right->trigger();
    EXPECT_EQ(v.numsign->isChecked(), before);
}

TEST_F(Form1Copy, GrayedValuesFromTheSettingsFile)
{
    write("pmtsetgs.ini", "2\r\n2\r\n\"0  0  0  \"\r\n");
    editor::Form1& w = open_main();
    EXPECT_EQ(w.view().Check1->checkState(), Qt::PartiallyChecked);
    expect_in_step(w, 2, 2); // grayed: no "#" mark, an alert mark

    fake.clipboard = "before";
    w.view().copyhex->trigger();
    EXPECT_EQ(fake.clipboard, "before"); // a grayed hash option copies nothing
    EXPECT_TRUE(fake.boxes.empty());
    w.view().copyrgbvalues->trigger();
    EXPECT_EQ(fake.clipboard, "R:0 G:0 B:0");
    EXPECT_EQ(fake.boxes.size(), 1u); // the RGB copy follows the menu mark

    w.view().numsign_right->trigger();
    w.view().alertcopy_right->trigger();
    expect_in_step(w, 1, 0);
}
