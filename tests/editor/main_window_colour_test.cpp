#include "../support/window_test.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <tuple>

namespace {

using Form1Colour = WindowTest;

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
    EXPECT_EQ(w.channelBox(0)->isReadOnly(), on);
}

// The box shown, exactly.
void expect_box(const platform::FakePlatform::Box& box, const core::Message& m)
{
    EXPECT_EQ(box.text, QString::fromStdString(m.text));
    EXPECT_EQ(box.title, QString::fromStdString(m.title));
    EXPECT_EQ(box.icon, m.icon);
}

} // namespace

TEST_F(Form1Colour, ViewsFollowEachChannelInOrderAndBoxesCheckClampTolerateEmptyAndLeadingZeros)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    QStringList seen;
    for (int c = 0; c < 3; ++c) {
        QObject::connect(w.CLR(c), &QScrollBar::valueChanged, [&] {
            seen << v.Label1->text() + "/" + v.Text4->text() + "/"
                    + v.Shape1->fill().name().toUpper() + "/" + v.Text1->text() + ","
                    + v.Text2->text() + "," + v.Text3->text();
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

    // The boxes: checked, clamped, empty tolerated, leading zeros read.
    QLineEdit* red = w.channelBox(0);
    type_into(red, "300");
    EXPECT_EQ(red->text(), "255");
    EXPECT_TRUE(fake.boxes.empty());
    w.CLR(1)->setValue(40);
    type_into(v.Text2, "x");
    ASSERT_EQ(fake.boxes.size(), 1u);
    expect_box(fake.boxes[0],
        {"Only 0-9 numbers are allowed in RBG values!", "Invalid Characters", core::Icon::Stop});
    EXPECT_EQ(v.Text2->text(), "40");
    EXPECT_EQ(w.CLR(1)->value(), 40);
    v.Text3->clear();
    EXPECT_EQ(v.Label1->text(), "FF2866");
    w.CLR(0)->setValue(254);
    EXPECT_EQ(v.Text3->text(), "102");

    // Leading zeros: pasted over the whole text, then typed.
    w.CLR(0)->setValue(12);
    red->setText("007");
    EXPECT_EQ(w.CLR(0)->value(), 7);
    EXPECT_EQ(red->text(), "7");
    red->setText("007"); // already 7: nothing rewrites the box
    EXPECT_EQ(red->text(), "007");
    QList<int> values;
    QObject::connect(w.CLR(0), &QScrollBar::valueChanged, [&](int v) { values << v; });
    w.CLR(0)->setValue(12);
    values.clear();
    type_into(red, "007");
    EXPECT_EQ(values, QList<int>({0, 7}));
}

TEST_F(Form1Colour, CodesAppliedByEnterOrF2OrRefusedWithTheCodeRestoredAndThePicker)
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
    // An unchanged colour keeps the text as typed.
    v.Text4->setText("ff9900");
    v.Command5->click();
    EXPECT_EQ(v.Text4->text(), "ff9900");
    // Enter keeps applying the code from any other control.
    v.Text4->setText("336699");
    v.Text1->setFocus();
    QTest::keyClick(v.Text1, Qt::Key_Enter);
    EXPECT_EQ(v.Label1->text(), "336699");
    EXPECT_TRUE(fake.boxes.empty());
    v.Text4->setFocus();
    fake.clipboard = "996633";
    QTest::keyClick(v.Text4, Qt::Key_F2);
    EXPECT_EQ(v.Text4->text(), "996633");

    // Refused, typed (no paste item) or pasted: one message, the colour kept and the code
    // restored; a blank clipboard leaves the box alone.
    const core::Message too_short {
        "Color hex codes have 6 characters!", "Code too short", core::Icon::Stop};
    const core::Message no_hash {
        "Please enter the Hex Code ONLY, no #!", "Pigmentor", core::Icon::Information};
    const core::Message invalid {"There are one or more invalid characters in your hex code!",
        "Invalid Characters", core::Icon::Stop};
    const core::Message blank {
        "F2 is used to automatically paste hex codes into Pigmentor. Your clipboard is empty!",
        "Blank Clipboard", core::Icon::Stop};
    const std::tuple<QAction*, QString, const core::Message*> refused[] = {
        {nullptr, "FFF", &too_short}, {nullptr, "#FF00C", &no_hash}, {nullptr, "FF:0CC", &invalid},
        {nullptr, "ÄÖÜäöü", &invalid}, {v.pastehex, "#996633", &no_hash}, {v.pastehex, "", &blank},
        {v.pastehex, "12345", &too_short}, {v.pastehex, QString(200000, 'F'), &invalid}};
    for (const auto& [paste, text, message] : refused) {
        SCOPED_TRACE(text.left(8).toStdString());
        fake.boxes.clear();
        v.Text4->setText(paste ? QStringLiteral("abc") : text);
        fake.clipboard = text;
        paste ? paste->trigger() : v.Command5->click();
        ASSERT_EQ(fake.boxes.size(), 1u);
        expect_box(fake.boxes[0], *message);
        EXPECT_EQ(v.Text4->text(), message == &blank ? "abc" : "996633");
        EXPECT_EQ(rgb_of(w), "153,102,51");
    }

    // The picker starts from the colour; a cancel changes nothing.
    w.psets(64, 128, 255);
    v.Command6->click();
    ASSERT_EQ(fake.color_dialog_starts.size(), 1u);
    EXPECT_EQ(fake.color_dialog_starts[0], QColor(64, 128, 255));
    EXPECT_EQ(rgb_of(w), "64,128,255");
    fake.color_answers.push_back(QColor(1, 2, 3));
    v.choosecolor_file->trigger();
    EXPECT_EQ(rgb_of(w), "1,2,3");
}

TEST_F(Form1Colour, SafePaletteOnceAutoSafeAlwaysWithControlsThatAgreeAndTheBarsStepsAndFocus)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    expect_auto_safe(w, false);
    // Safe Palette snaps once.
    w.psets(76, 178, 25);
    v.Command7->click();
    EXPECT_EQ(rgb_of(w), "51,153,0");
    // Each key press on a bar is one full change at once: by 7 or 1, either way.
    QStringList codes;
    QObject::connect(v.CLR[1], &QScrollBar::valueChanged, [&] { codes << v.Label1->text(); });
    for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Left})
        QTest::keyClick(v.CLR[1], key);
    EXPECT_EQ(codes, QStringList({"33A000", "33A700", "33A000", "339F00"}));

    // Auto Safe snaps at once and after every change, the nested snap last (the preview's
    // description is the snapped code); the bars step by 51.
    w.psets(10, 11, 12);
    v.Check2->click();
    EXPECT_EQ(rgb_of(w), "0,0,0");
    expect_auto_safe(w, true);
    v.Text4->setText("123456");
    v.Command5->click();
    EXPECT_EQ(v.Label1->text(), "003366");
    EXPECT_EQ(v.Text4->text(), "003366");
    EXPECT_EQ(v.Shape1->accessibleDescription(), "003366");
    w.CLR(0)->setValue(102);
    w.CLR(0)->setFocus();
    QTest::keyClick(w.CLR(0), Qt::Key_PageUp);
    EXPECT_EQ(v.Label1->text(), "993366");

    // Off again from the menu: the colour stays, the controls and the steps of 1 and 7 come back.
    v.autosafef->trigger();
    EXPECT_EQ(v.Label1->text(), "993366");
    expect_auto_safe(w, false);
    QTest::keyClick(w.CLR(0), Qt::Key_Right);
    QTest::keyClick(w.CLR(0), Qt::Key_PageUp);
    EXPECT_EQ(w.CLR(0)->value(), 161);
    v.autosafe_right->trigger();
    expect_auto_safe(w, true);

    // A click takes the focus, pages toward the pointer and the focus is drawn.
    QScrollBar* blue = v.CLR[2];
    v.Text1->setFocus();
    const QImage unfocused = blue->grab().toImage();
    QTest::mouseClick(blue, Qt::LeftButton, {}, QPoint(blue->width() / 2, blue->height() / 2));
    EXPECT_TRUE(blue->hasFocus());
    EXPECT_GT(blue->value(), 0);
    blue->setValue(0);
    EXPECT_NE(blue->grab().toImage(), unfocused);
}
