#include "station_test.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QPushButton>

TEST_F(StationTest, OptionsWithMarksInStepTheSampleFontAsDrawnTheOvalKeptAndThemes)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    set_target(s, Text, "777777");
    v.Check2->click();
    EXPECT_TRUE(s.Option(Background)->isChecked());
    EXPECT_FALSE(s.Option(Text)->isEnabled() || v.Text4->isEnabled() || v.Label3->isVisible());
    EXPECT_TRUE(v.hidetxt->isChecked());
    EXPECT_EQ(ratios(s), "Text hidden 21.00:1 Text hidden");
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnBackground, 0), "");
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnObject, 1), "");
    // Colours changed while hidden still show once the text is back.
    enter_code(s, "333333");
    EXPECT_EQ(ratios(s), "Text hidden 1.66:1 Text hidden");

    v.hidetxt->trigger();
    EXPECT_EQ(v.Check2->checkState(), Qt::Unchecked);
    EXPECT_TRUE(s.Option(Background)->isChecked());
    EXPECT_TRUE(s.Option(Text)->isEnabled() && v.Text4->isEnabled() && v.Label3->isVisible());
    EXPECT_EQ(codes(s), "333333 000000 777777");
    EXPECT_EQ(ratios(s), "2.82:1 1.66:1 4.68:1");
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnBackground, 1), "Large text: AA \u2717  AAA \u2717");
    s.Option(Object)->click();
    v.hidetxt->trigger();
    EXPECT_EQ(v.Check2->checkState(), Qt::Checked);
    EXPECT_TRUE(s.Option(Object)->isChecked());
    v.hidetxt->trigger();

    const QFont before = v.Label3->font();
    v.Command1->click(); // cancelled
    EXPECT_EQ(v.Label3->font(), before);
    // The dialog opens on the font really drawn: a real dialog's OK without a change gives
    // it back, and the sample looks exactly as before.
    const QFontInfo real(before);
    QFontDialog dialog;
    dialog.setCurrentFont(fake.font_dialog_starts.back());
    fake.font_answers.push_back(dialog.currentFont());
    v.samptxtfont->trigger();
    const QFontInfo after(v.Label3->font());
    EXPECT_EQ(after.family(), real.family());
    EXPECT_TRUE(after.bold() && !after.italic());
    EXPECT_EQ(after.pointSizeF(), real.pointSizeF());
    fake.font_answers.push_back(QFont(QStringLiteral("Courier"), 20, QFont::Normal, true));
    v.samptxtfont->trigger();
    EXPECT_EQ(v.Label3->font().pointSize(), 20);
    EXPECT_TRUE(v.Label3->font().italic());

    v.stayontopr->trigger();
    EXPECT_TRUE(v.staytop->isChecked());
    EXPECT_TRUE(fake.topmost[&s]);
    v.staytop->trigger();
    EXPECT_FALSE(v.stayontopr->isChecked());
    EXPECT_FALSE(fake.topmost[&s]);
    EXPECT_FALSE(main->view().staytop->isChecked()); // not the main window's

    // Themes: saved and loaded back, and broken files. (Themes handed over from outside,
    // missing ones included, are loaded in the app tests; longer lines in the storage tests.)
    set_target(s, Background, "FF0000");
    set_target(s, Object, "0000FF");
    set_target(s, Text, "FF0000");
    fake.file_answers.push_back(file("t.pmtm"));
    v.save_color->trigger();
    EXPECT_EQ(read("t.pmtm"), QByteArray("FF00000000FFFF0000\r\n"));
    EXPECT_EQ(fake.file_dialogs.back().filter, "Color Matching Station File (*.pmtm)");

    v.newtheme->trigger();
    EXPECT_EQ(codes(s), "FFFFFF 000000 000000");
    EXPECT_EQ(v.Shape1->accessibleDescription(), "Background FFFFFF, object 000000, text 000000");
    s.Option(Text)->click();
    fake.file_answers.push_back(file("t.pmtm"));
    v.load_color->trigger();
    EXPECT_EQ(fake.file_dialogs.back().title, "Load Saved Theme");
    EXPECT_EQ(fake.file_dialogs.back().filter, "Pigmentor Files (*.pmtm)");
    EXPECT_TRUE(s.Option(Background)->isChecked());
    EXPECT_EQ(codes(s), "FF0000 0000FF FF0000");
    EXPECT_EQ(v.Label1->text(), "FF0000");
    EXPECT_EQ(v.Shape1->accessibleDescription(), "Background FF0000, object 0000FF, text FF0000");
    load_theme(s, "lines.pmtm", "336699\r\n0000FF\r\nFF0000\r\n"); // one code a line
    EXPECT_EQ(codes(s), "336699 0000FF FF0000");

    // Under Auto Safe the background is snapped, the object and text kept as loaded.
    v.Check1->click();
    load_theme(s, "a.pmtm", "0A1432123456654321\r\n");
    EXPECT_EQ(codes(s), "000033 123456 654321");
    v.Check1->click();
    // A damaged file changes nothing, not even the target that happens to be selected.
    v.newtheme->trigger();
    set_target(s, Text, "445566");
    load_theme(s, "b.pmtm", "112233zz00000000FF");
    EXPECT_EQ(codes(s), "FFFFFF 000000 445566");
    EXPECT_TRUE(s.Option(Text)->isChecked());
    // Empty, lower case, too big.
    for (const QByteArray& bytes :
        {QByteArray(), QByteArray("ff0000"), QByteArray(10 << 20, 'A')}) {
        v.newtheme->trigger();
        load_theme(s, "c.pmtm", bytes);
        EXPECT_EQ(codes(s), "FFFFFF 000000 000000");
    }
    EXPECT_TRUE(fake.boxes.empty());

    // The oval is kept, the colours not.
    v.oval->trigger();
    EXPECT_TRUE(v.Shape2->isOval());
    set_target(s, Object, "090909");
    close_station();
    EXPECT_EQ(read("pmtmprefs.ini"), QByteArray("#TRUE#\r\n"));

    station::Form3& again = open_station();
    EXPECT_TRUE(again.view().oval->isChecked());
    EXPECT_TRUE(again.view().Shape2->isOval());
    EXPECT_EQ(codes(again), "FFFFFF 000000 000000"); // colours are not kept
    again.view().oval->trigger();
    close_station();
    EXPECT_EQ(read("pmtmprefs.ini"), QByteArray("#FALSE#\r\n"));
}
