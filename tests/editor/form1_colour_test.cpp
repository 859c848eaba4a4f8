#include "../support/window_test.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Form1Colour = WindowTest;

QLineEdit* box(editor::Form1& w, int c)
{
    return w.channelBox(c);
}

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

// Everything that says whether Auto Safe is on must agree.
void expect_auto_safe(editor::Form1& w, bool on)
{
    const editor::Form1View& v = w.view();
    EXPECT_EQ(v.Check2->checkState(), on ? Qt::Checked : Qt::Unchecked);
    EXPECT_EQ(v.Command7->text(), on ? " Auto Safe" : "       &Safe Palette");
    EXPECT_EQ(v.Command7->isEnabled(), !on);
    EXPECT_EQ(v.safepal_file->isEnabled(), !on);
    EXPECT_EQ(v.safepalette_right->isEnabled(), !on);
    EXPECT_EQ(v.autosafef->isChecked(), on);
    EXPECT_EQ(v.autosafe_right->isChecked(), on);
    EXPECT_EQ(box(w, 0)->isReadOnly(), on);
}

} // namespace

TEST_F(Form1Colour, StartsBlackAndPsetsPassesThroughIntermediateColoursInChannelOrder)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    EXPECT_EQ(rgb_of(w), "0,0,0");
    EXPECT_EQ(v.Shape1->fill(), QColor(Qt::black));
    EXPECT_EQ(v.Text4->maxLength(), 6);
    EXPECT_EQ(box(w, 2)->maxLength(), 3);

    QStringList seen;
    for (int c = 0; c < 3; ++c) {
        QObject::connect(w.CLR(c), &QScrollBar::valueChanged, [&] {
            seen << v.Label1->text() + "/" + v.Text4->text() + "/"
                    + v.Shape1->fill().name().toUpper() + "/" + box(w, 0)->text() + ","
                    + box(w, 1)->text() + "," + box(w, 2)->text();
        });
    }
    v.gold->trigger();
    // Blue stays 0 from black, so its write raises no run.
    EXPECT_EQ(
        seen, QStringList({"FF0000/FF0000/#FF0000/255,0,0", "FFCC00/FFCC00/#FFCC00/255,204,0"}));
    seen.clear();
    w.psets(0, 51, 102);
    EXPECT_EQ(seen,
        QStringList({"00CC00/00CC00/#00CC00/0,204,0", "003300/003300/#003300/0,51,0",
            "003366/003366/#003366/0,51,102"}));
    seen.clear();
    w.psets(0, 51, 102);
    EXPECT_TRUE(seen.isEmpty());
    v.newcolor->trigger();
    EXPECT_EQ(v.Label1->text(), "000000");
    EXPECT_EQ(seen.size(), 2); // red was already 0
}

TEST_F(Form1Colour, ChannelBoxesCheckClampTolerateEmptyAndLeadingZeros)
{
    editor::Form1& w = open_main();
    type_into(box(w, 0), "300");
    EXPECT_EQ(box(w, 0)->text(), "255");
    EXPECT_EQ(w.CLR(0)->value(), 255);
    EXPECT_TRUE(w.view().Label1->text().startsWith("FF"));
    EXPECT_TRUE(fake.boxes.empty());

    w.CLR(1)->setValue(40);
    type_into(box(w, 1), "x");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "Only 0-9 numbers are allowed in RBG values!");
    EXPECT_EQ(fake.boxes[0].title, "Invalid Characters");
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Stop);
    EXPECT_EQ(box(w, 1)->text(), "40");
    EXPECT_EQ(w.CLR(1)->value(), 40);

    box(w, 2)->clear();
    EXPECT_EQ(box(w, 2)->text(), "");
    EXPECT_EQ(w.view().Label1->text(), "FF2800");
    w.CLR(0)->setValue(254);
    EXPECT_EQ(box(w, 2)->text(), "0");

    // Leading zeros: pasted over the whole text, then typed.
    w.CLR(0)->setValue(12);
    box(w, 0)->setText("007");
    EXPECT_EQ(w.CLR(0)->value(), 7);
    EXPECT_EQ(box(w, 0)->text(), "7");
    box(w, 0)->setText("007"); // already 7: nothing rewrites the box
    EXPECT_EQ(box(w, 0)->text(), "007");

    QList<int> values;
    QObject::connect(w.CLR(0), &QScrollBar::valueChanged, [&](int v) { values << v; });
    w.CLR(0)->setValue(12);
    values.clear();
    type_into(box(w, 0), "007");
    EXPECT_EQ(values, QList<int>({0, 7}));
}

TEST_F(Form1Colour, TypedCodeAppliesWithEnterOnceTheBoxHadFocusOrIsRefusedAndRestored)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    QTest::keyClick(&w, Qt::Key_Return); // no default button yet
    EXPECT_FALSE(v.Command5->isDefault());

    type_into(v.Text4, "ff9900");
    EXPECT_TRUE(v.Command5->isDefault());
    EXPECT_EQ(rgb_of(w), "0,0,0"); // typing alone changes nothing
    QTest::keyClick(v.Text4, Qt::Key_Return);
    EXPECT_EQ(rgb_of(w), "255,153,0");
    EXPECT_EQ(v.Text4->text(), "FF9900");

    // Enter keeps applying the code from any other control.
    v.Text4->setText("336699");
    box(w, 0)->setFocus();
    QTest::keyClick(box(w, 0), Qt::Key_Enter);
    EXPECT_EQ(v.Label1->text(), "336699");

    // An unchanged colour keeps the text as typed.
    w.psets(0, 255, 0);
    v.Text4->setText("00ff00");
    v.Command5->click();
    EXPECT_EQ(v.Text4->text(), "00ff00");
    EXPECT_TRUE(fake.boxes.empty());

    // A refused code shows one message and the code is restored.
    w.psets(51, 102, 153);
    const std::pair<const char*, const char*> refused[]
        = {{"FFF", "Code too short"}, {"", "Code too short"}, {"#FF00C", "Pigmentor"},
            {"FF:0CC", "Invalid Characters"}, {"FF0GCC", "Invalid Characters"},
            {"FF 0CC", "Invalid Characters"}, {"ÄÖÜäöü", "Invalid Characters"}};
    for (const auto& [typed, title] : refused) {
        SCOPED_TRACE(typed);
        fake.boxes.clear();
        v.Text4->setText(QString::fromUtf8(typed));
        v.Command5->click();
        ASSERT_EQ(fake.boxes.size(), 1u);
        EXPECT_EQ(fake.boxes[0].title, QString::fromLatin1(title));
        EXPECT_EQ(v.Text4->text(), "336699");
        EXPECT_EQ(rgb_of(w), "51,102,153");
    }
}

TEST_F(Form1Colour, PasteWithF2AndThePicker)
{
    editor::Form1& w = open_main();
    QLineEdit* code = w.view().Text4;
    auto paste = [&](const QString& text) {
        fake.clipboard = text;
        w.view().pastehex->trigger();
    };
    code->setFocus();
    fake.clipboard = "996633";
    QTest::keyClick(code, Qt::Key_F2);
    EXPECT_EQ(rgb_of(w), "153,102,51");
    EXPECT_EQ(code->text(), "996633");

    code->setText("abc");
    paste("#996633");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "Please enter the Hex Code ONLY, no #!");
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Information);
    EXPECT_EQ(code->text(), "996633");

    code->setText("abc");
    paste(QString()); // empty, or a picture: no text
    ASSERT_EQ(fake.boxes.size(), 2u);
    EXPECT_EQ(fake.boxes[1].title, "Blank Clipboard");
    EXPECT_EQ(fake.boxes[1].text,
        "F2 is used to automatically paste hex codes into Pigmentor. Your clipboard is empty!");
    EXPECT_EQ(code->text(), "abc"); // the blank clipboard leaves the box alone

    paste("12345");
    EXPECT_EQ(fake.boxes.back().title, "Code too short");
    EXPECT_EQ(code->text(), "996633");

    paste("  0a141e\r\n");
    EXPECT_EQ(rgb_of(w), "10,20,30");
    paste(QString(200000, 'F'));
    EXPECT_EQ(fake.boxes.back().title, "Invalid Characters");
    EXPECT_EQ(rgb_of(w), "10,20,30");

    // The picker starts from the colour; a cancel changes nothing.
    w.psets(64, 128, 255);
    w.view().Command6->click();
    ASSERT_EQ(fake.color_dialog_starts.size(), 1u);
    EXPECT_EQ(fake.color_dialog_starts[0], QColor(64, 128, 255));
    EXPECT_EQ(rgb_of(w), "64,128,255");

    fake.color_answers.push_back(QColor(1, 2, 3));
    w.view().choosecolor_file->trigger();
    EXPECT_EQ(rgb_of(w), "1,2,3");
    fake.color_answers.push_back(QColor(9, 8, 7));
    w.view().colorspec_right->trigger();
    EXPECT_EQ(rgb_of(w), "9,8,7");
}

TEST_F(Form1Colour, SafePaletteOnceAndAutoSafeOnEveryChangeWithControlsThatAgree)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    expect_auto_safe(w, false);
    // Safe Palette alone snaps once, from the button and either menu.
    w.psets(76, 178, 25);
    v.Command7->click();
    EXPECT_EQ(rgb_of(w), "51,153,0");
    w.psets(77, 179, 26);
    v.safepal_file->trigger();
    EXPECT_EQ(rgb_of(w), "102,204,51");
    int runs = 0;
    QObject::connect(w.CLR(0), &QScrollBar::valueChanged, [&] { ++runs; });
    v.safepalette_right->trigger();
    EXPECT_EQ(runs, 0); // already safe: nothing changes

    w.psets(10, 11, 12);
    v.Check2->click();
    EXPECT_EQ(rgb_of(w), "0,0,0");
    expect_auto_safe(w, true);

    v.Text4->setText("123456");
    v.Command5->click();
    EXPECT_EQ(v.Label1->text(), "003366");
    EXPECT_EQ(v.Text4->text(), "003366");
    // The bars step by 51 by key too, and by 1 and 7 again once it is off.
    w.CLR(0)->setValue(102);
    w.CLR(0)->setFocus();
    QTest::keyClick(w.CLR(0), Qt::Key_Right);
    EXPECT_EQ(v.Label1->text(), "993366");
    QTest::keyClick(w.CLR(0), Qt::Key_PageUp);
    EXPECT_EQ(w.CLR(0)->value(), 204);

    // Off again from the menu: the colour stays, the controls come back.
    v.autosafef->trigger();
    EXPECT_EQ(v.Label1->text(), "CC3366");
    expect_auto_safe(w, false);
    QTest::keyClick(w.CLR(0), Qt::Key_Right);
    QTest::keyClick(w.CLR(0), Qt::Key_PageUp);
    EXPECT_EQ(w.CLR(0)->value(), 212);
    v.autosafe_right->trigger();
    expect_auto_safe(w, true);
}

TEST_F(Form1Colour, BarsTakeTheFocusByTabOrClickAndKeysMoveThemAsAClickDoes)
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
    QTest::keyClick(v.CLR[1], Qt::Key_PageDown);
    QTest::keyClick(v.CLR[1], Qt::Key_Left);
    EXPECT_EQ(v.Label1->text(), "000600");
    QTest::keyClick(v.CLR[1], Qt::Key_End);
    EXPECT_EQ(v.Label1->text(), "00FF00");
    QTest::keyClick(v.CLR[1], Qt::Key_Home);
    EXPECT_EQ(v.Label1->text(), "000000");

    QScrollBar* blue = v.CLR[2];
    v.Text1->setFocus();
    const QImage unfocused = blue->grab().toImage();
    QTest::mouseClick(blue, Qt::LeftButton, {}, QPoint(blue->width() / 2, blue->height() / 2));
    EXPECT_TRUE(blue->hasFocus());
    EXPECT_GT(blue->value(), 0); // a click on the trough pages toward the pointer
    blue->setValue(0);
    EXPECT_NE(blue->grab().toImage(), unfocused); // the focus is drawn
}
