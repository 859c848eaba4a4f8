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

} // namespace

TEST_F(Form1Colour, StartsBlackEverywhere)
{
    editor::Form1& w = open_main();
    EXPECT_EQ(rgb_of(w), "0,0,0");
    EXPECT_EQ(w.view().Label1->text(), "000000");
    EXPECT_EQ(w.view().Text4->text(), "000000");
    EXPECT_EQ(box(w, 0)->text(), "0");
    EXPECT_EQ(w.view().Shape1->fill(), QColor(Qt::black));
    EXPECT_EQ(w.CLR(0)->singleStep(), 1);
    EXPECT_EQ(w.CLR(0)->pageStep(), 7);
    EXPECT_EQ(w.view().Text4->maxLength(), 6);
    EXPECT_EQ(box(w, 2)->maxLength(), 3);
    EXPECT_EQ(w.view().Text4->toolTip(), "Enter Your OWN hex code here!");
}

TEST_F(Form1Colour, PsetsPassesThroughIntermediateColoursInChannelOrder)
{
    editor::Form1& w = open_main();
    QStringList seen;
    for (int c = 0; c < 3; ++c) {
        QObject::connect(w.CLR(c), &QScrollBar::valueChanged, [&] {
            seen << w.view().Label1->text() + "/" + w.view().Text4->text() + "/"
                    + w.view().Shape1->fill().name().toUpper() + "/" + box(w, 0)->text() + ","
                    + box(w, 1)->text() + "," + box(w, 2)->text();
        });
    }
    w.view().gold->trigger();
    // Blue stays 0 from black, so its write raises no run.
    EXPECT_EQ(
        seen, QStringList({"FF0000/FF0000/#FF0000/255,0,0", "FFCC00/FFCC00/#FFCC00/255,204,0"}));
    seen.clear();
    w.psets(0, 51, 102);
    EXPECT_EQ(seen,
        QStringList({"00CC00/00CC00/#00CC00/0,204,0", "003300/003300/#003300/0,51,0",
            "003366/003366/#003366/0,51,102"}));
    seen.clear();
    w.psets(0, 51, 102); // nothing changes, nothing runs
    EXPECT_TRUE(seen.isEmpty());
    w.view().newcolor->trigger();
    EXPECT_EQ(w.view().Label1->text(), "000000");
    EXPECT_EQ(seen.size(), 2); // red was already 0
}

TEST_F(Form1Colour, ScrollBarRefillsBoxesCodeAndDialogColour)
{
    editor::Form1& w = open_main();
    w.CLR(1)->setValue(10);
    EXPECT_EQ(box(w, 1)->text(), "10");
    EXPECT_EQ(w.view().Label1->text(), "000A00");
    EXPECT_EQ(w.view().Text4->text(), "000A00");
    EXPECT_EQ(w.CommonDialog1().color, 10 * 256);
}

TEST_F(Form1Colour, ChannelBoxesCheckClampAndTolerateEmpty)
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
}

TEST_F(Form1Colour, PastingAndTypingLeadingZeros)
{
    editor::Form1& w = open_main();
    w.CLR(0)->setValue(12);
    box(w, 0)->setText("007"); // pasted over the whole text
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

TEST_F(Form1Colour, TypedCodeAppliesWithEnterOnceTheBoxHadFocus)
{
    editor::Form1& w = open_main();
    QTest::keyClick(&w, Qt::Key_Return); // no default button yet
    EXPECT_FALSE(w.view().Command5->isDefault());

    type_into(w.view().Text4, "ff9900");
    EXPECT_TRUE(w.view().Command5->isDefault());
    EXPECT_EQ(rgb_of(w), "0,0,0"); // typing alone changes nothing
    QTest::keyClick(w.view().Text4, Qt::Key_Return);
    EXPECT_EQ(rgb_of(w), "255,153,0");
    EXPECT_EQ(w.view().Label1->text(), "FF9900");
    EXPECT_EQ(w.view().Text4->text(), "FF9900");
    EXPECT_EQ(box(w, 1)->text(), "153");
    EXPECT_EQ(w.view().Shape1->fill(), QColor(255, 153, 0));

    // Enter keeps applying the code from any other control.
    w.view().Text4->setText("336699");
    box(w, 0)->setFocus();
    QTest::keyClick(box(w, 0), Qt::Key_Enter);
    EXPECT_EQ(w.view().Label1->text(), "336699");
}

TEST_F(Form1Colour, UnchangedCodeKeepsTheTypedText)
{
    editor::Form1& w = open_main();
    w.psets(0, 255, 0);
    w.view().Text4->setText("00ff00");
    w.view().Command5->click();
    EXPECT_EQ(w.view().Text4->text(), "00ff00");
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(Form1Colour, RefusedCodesShowOneMessageAndRestoreTheCode)
{
    editor::Form1& w = open_main();
    w.psets(51, 102, 153);
    struct Case {
        const char* typed;
        const char* title;
    } cases[] = {{"FFF", "Code too short"}, {"", "Code too short"}, {"#FF00C", "Pigmentor"},
        {"FF:0CC", "Invalid Characters"}, {"FF0GCC", "Invalid Characters"},
        {"FF 0CC", "Invalid Characters"}, {"ÄÖÜäöü", "Invalid Characters"}};
    for (const Case& c : cases) {
        fake.boxes.clear();
        w.view().Text4->setText(QString::fromUtf8(c.typed));
        w.view().Command5->click();
        ASSERT_EQ(fake.boxes.size(), 1u) << c.typed;
        EXPECT_EQ(fake.boxes[0].title, QString::fromLatin1(c.title)) << c.typed;
        EXPECT_EQ(w.view().Text4->text(), "336699") << c.typed;
        EXPECT_EQ(rgb_of(w), "51,102,153") << c.typed;
    }
}

TEST_F(Form1Colour, PasteWithF2FromTheClipboard)
{
    editor::Form1& w = open_main();
    w.view().Text4->setFocus();
    fake.clipboard = "996633";
    QTest::keyClick(w.view().Text4, Qt::Key_F2);
    EXPECT_EQ(rgb_of(w), "153,102,51");
    EXPECT_EQ(w.view().Text4->text(), "996633");

    w.view().Text4->setText("abc");
    fake.clipboard = "#996633";
    w.view().pastehex->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "Please enter the Hex Code ONLY, no #!");
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Information);
    EXPECT_EQ(w.view().Text4->text(), "996633");

    w.view().Text4->setText("abc");
    fake.clipboard.clear(); // empty, or a picture: no text
    w.view().pastehex->trigger();
    ASSERT_EQ(fake.boxes.size(), 2u);
    EXPECT_EQ(fake.boxes[1].title, "Blank Clipboard");
    EXPECT_EQ(fake.boxes[1].text,
        "F2 is used to automatically paste hex codes into Pigmentor. Your clipboard is empty!");
    EXPECT_EQ(w.view().Text4->text(), "abc"); // the blank clipboard leaves the box alone

    fake.clipboard = "12345";
    w.view().pastehex->trigger();
    EXPECT_EQ(fake.boxes.back().title, "Code too short");
    EXPECT_EQ(w.view().Text4->text(), "996633");

    fake.clipboard = "  0a141e\r\n";
    w.view().pastehex->trigger();
    EXPECT_EQ(rgb_of(w), "10,20,30");
    fake.clipboard = QString(200000, 'F');
    w.view().pastehex->trigger();
    EXPECT_EQ(fake.boxes.back().title, "Invalid Characters");
    EXPECT_EQ(rgb_of(w), "10,20,30");
}

TEST_F(Form1Colour, PickerStartsFromTheColourAndCancelChangesNothing)
{
    editor::Form1& w = open_main();
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

TEST_F(Form1Colour, AutoSafeSnapsEveryChangeAndSwitchesItsControls)
{
    editor::Form1& w = open_main();
    w.psets(10, 11, 12);
    w.view().Check2->click();
    EXPECT_EQ(rgb_of(w), "0,0,0");
    EXPECT_EQ(w.view().Command7->text(), " Auto Safe");
    EXPECT_FALSE(w.view().Command7->isEnabled());
    EXPECT_FALSE(w.view().safepal_file->isEnabled());
    EXPECT_FALSE(w.view().safepalette_right->isEnabled());
    EXPECT_TRUE(w.view().autosafef->isChecked());
    EXPECT_TRUE(w.view().autosafe_right->isChecked());
    EXPECT_TRUE(box(w, 0)->isReadOnly());
    EXPECT_EQ(w.CLR(2)->singleStep(), 51);
    EXPECT_EQ(w.CLR(2)->pageStep(), 51);

    w.view().Text4->setText("123456");
    w.view().Command5->click();
    EXPECT_EQ(w.view().Label1->text(), "003366");
    EXPECT_EQ(w.view().Text4->text(), "003366");
    EXPECT_EQ(w.view().Shape1->fill(), QColor(0, 51, 102));
    EXPECT_EQ(w.CommonDialog1().color, core::color_value(0, 51, 102));

    w.view().gold->trigger();
    EXPECT_EQ(w.view().Label1->text(), "FFCC00");

    w.CLR(0)->setValue(102);
    w.CLR(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(w.CLR(0)->value(), 153);

    // Off again from the menu: the colour stays, the controls come back.
    w.view().autosafef->trigger();
    EXPECT_EQ(w.view().Label1->text(), "99CC00");
    EXPECT_EQ(w.view().Command7->text(), "       &Safe Palette");
    EXPECT_TRUE(w.view().Command7->isEnabled());
    EXPECT_TRUE(w.view().safepal_file->isEnabled());
    EXPECT_FALSE(w.view().autosafef->isChecked());
    EXPECT_FALSE(w.view().autosafe_right->isChecked());
    EXPECT_EQ(w.view().Check2->checkState(), Qt::Unchecked);
    EXPECT_FALSE(box(w, 0)->isReadOnly());
    EXPECT_EQ(w.CLR(2)->singleStep(), 1);
    EXPECT_EQ(w.CLR(2)->pageStep(), 7);

    w.view().autosafe_right->trigger();
    EXPECT_EQ(w.view().Check2->checkState(), Qt::Checked);
    EXPECT_TRUE(w.view().autosafef->isChecked());
}

TEST_F(Form1Colour, SafePaletteOnceFromButtonAndMenus)
{
    editor::Form1& w = open_main();
    w.psets(76, 178, 25);
    w.view().Command7->click();
    EXPECT_EQ(rgb_of(w), "51,153,0");
    w.psets(77, 179, 26);
    w.view().safepal_file->trigger();
    EXPECT_EQ(rgb_of(w), "102,204,51");
    int runs = 0;
    QObject::connect(w.CLR(0), &QScrollBar::valueChanged, [&] { ++runs; });
    w.view().safepalette_right->trigger();
    EXPECT_EQ(runs, 0); // already safe: nothing changes
}
