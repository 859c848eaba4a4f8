#include "../support/window_test.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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

TEST_F(Form1Copy, CopiesFollowTheOptionsFromAGrayedStartShortcutsWinOverTextBoxesMarksAgree)
{
    write("pmtsetgs.ini", "2\r\n2\r\n\"0  0  0  \"\r\n");
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    expect_in_step(w, 2, 2); // grayed: no "#" mark, an alert mark
    v.copyhex->trigger();
    EXPECT_EQ(fake.clipboard, ""); // a grayed hash option copies nothing
    EXPECT_TRUE(fake.boxes.empty());
    // The RGB copy takes the boxes as they stand, never adds "#" and follows the menu mark.
    w.psets(255, 128, 0);
    w.channelBox(1)->setText("");
    v.copyrgb_right->trigger();
    EXPECT_EQ(fake.clipboard, "R:255 G: B:0");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
        "[R:255 G: B:0] was copied to your clipboard.\rPress Ctrl + V to paste it!");
    EXPECT_EQ(fake.boxes[0].title, "Pigmentor");
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Information);
    v.numsign_right->trigger();
    v.alertcopy_right->trigger();
    v.copyalert->trigger();
    expect_in_step(w, 1, 1);
    v.Command1->click();
    EXPECT_EQ(fake.clipboard, "#FF8000");
    EXPECT_EQ(fake.boxes.back().text,
        "[#FF8000] was copied to your clipboard.\rPress Control + V to paste it!");
    EXPECT_EQ(fake.boxes.back().title, "Pigmentor");
    EXPECT_EQ(fake.boxes.back().icon, core::Icon::Information);

    // Without the alert, silence. The shortcuts win over a focused text box; Ctrl+A is Auto
    // Safe there, not "select all".
    v.copyalert->trigger();
    fake.boxes.clear();
    type_into(v.Text4, "ff9900");
    QTest::keyClick(v.Text4, Qt::Key_Return);
    QTest::keyClick(v.Text4, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "#FF9900");
    QTest::keyClick(w.channelBox(0), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(fake.clipboard, "R:255 G:153 B:0");
    EXPECT_TRUE(fake.boxes.empty());
    QTest::keyClick(v.Text4, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(v.Check2->checkState(), Qt::Checked);
    EXPECT_EQ(v.Label1->text(), "FF9900");

    // A clipboard that will not take it says so, alert or not, and changes no option.
    fake.clipboard_fails = true;
    v.copyhex->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
        "The clipboard is in use by another program, so nothing was copied. Please try again.");
    EXPECT_EQ(fake.boxes[0].title, "Pigmentor");
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Stop);
    expect_in_step(w, 1, 0);

    // Each click flips its option, and all three indicators follow.
    QAction* items[] = {v.numsign, v.numsign_right, v.copyalert, v.alertcopy_right, nullptr};
    int hash = 1, alert = 0;
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        QAction* item = items[random() % 5]; // none: the check box
        item ? item->trigger() : v.Check1->click();
        (item == v.copyalert || item == v.alertcopy_right ? alert : hash) ^= 1;
        expect_in_step(w, hash, alert);
    }
}
