#include "station_test.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QPushButton>

TEST_F(StationTest, SampleTextHidesAndTakesItsOwnTextAndFont)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    s.Option(Text)->click();
    enter_code(s, "777777");
    v.Check2->click();
    EXPECT_TRUE(s.Option(Background)->isChecked());
    EXPECT_FALSE(s.Option(Text)->isEnabled());
    EXPECT_EQ(rgb_of(s), "255,255,255");
    EXPECT_TRUE(v.Label3->isHidden());
    EXPECT_FALSE(v.Text4->isEnabled());
    EXPECT_TRUE(v.hidetxt->isChecked());
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "Text hidden");
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnObject), "Text hidden");
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnBackground, 0), "");
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnObject, 1), "");
    EXPECT_EQ(ratio(s, ContrastPanel::ObjectOnBackground), "21.00:1");
    // Colours changed while hidden still show once the text is back.
    enter_code(s, "333333");
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "Text hidden");

    v.hidetxt->trigger();
    EXPECT_EQ(v.Check2->checkState(), Qt::Unchecked);
    EXPECT_TRUE(s.Option(Background)->isChecked());
    EXPECT_TRUE(s.Option(Text)->isEnabled());
    EXPECT_FALSE(v.Label3->isHidden());
    EXPECT_EQ(s.target_color(Text), QColor(0x77, 0x77, 0x77));
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "2.82:1");
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnBackground, 1), "Large text: AA \u2717  AAA \u2717");

    s.Option(Object)->click();
    v.hidetxt->trigger();
    EXPECT_EQ(v.Check2->checkState(), Qt::Checked);
    EXPECT_TRUE(s.Option(Object)->isChecked());
    v.hidetxt->trigger();

    type_into(v.Text4, "Hello");
    EXPECT_EQ(v.Label3->text(), "Hello");
    v.Text4->clear();
    EXPECT_EQ(v.Label3->text(), "");

    const QFont before = v.Label3->font();
    v.Command1->click(); // cancelled
    EXPECT_EQ(v.Label3->font(), before);

    // The dialog opens on the font really drawn; a real dialog's OK without a change gives
    // it back, and the sample looks exactly as before.
    const QFontInfo real(before);
    const QFont start = fake.font_dialog_starts.back();
    EXPECT_EQ(start.family(), real.family());
    EXPECT_TRUE(start.bold());
    EXPECT_EQ(start.pointSizeF(), real.pointSizeF());
    QFontDialog dialog;
    dialog.setCurrentFont(start);
    fake.font_answers.push_back(dialog.currentFont());
    v.samptxtfont->trigger();
    const QFontInfo after(v.Label3->font());
    EXPECT_EQ(after.family(), real.family());
    EXPECT_TRUE(after.bold());
    EXPECT_EQ(after.pointSizeF(), real.pointSizeF());
    EXPECT_FALSE(after.italic());

    QFont chosen(QStringLiteral("Courier"));
    chosen.setPointSize(20);
    chosen.setItalic(true);
    fake.font_answers.push_back(chosen);
    v.samptxtfont->trigger();
    EXPECT_EQ(v.Label3->font().pointSize(), 20);
    EXPECT_TRUE(v.Label3->font().italic());
    EXPECT_EQ(s.target_color(Text), QColor(0x77, 0x77, 0x77));
}

TEST_F(StationTest, StayOnTopMarksInStepAndTheOvalSurvivesClosing)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    v.stayontopr->trigger();
    EXPECT_TRUE(v.staytop->isChecked());
    EXPECT_TRUE(fake.topmost[&s]);
    v.staytop->trigger();
    EXPECT_FALSE(v.stayontopr->isChecked());
    EXPECT_FALSE(fake.topmost[&s]);
    EXPECT_FALSE(find<QAction>(main.get(), "staytop")->isChecked()); // not the main window's

    EXPECT_FALSE(v.oval->isChecked());
    v.oval->trigger();
    EXPECT_TRUE(v.Shape2->isOval());
    s.Option(Object)->click();
    set_bars(s, 9, 9, 9);
    close_station();
    EXPECT_EQ(read("pmtmprefs.ini"), QByteArray("#TRUE#\r\n"));

    station::Form3& again = open_station();
    EXPECT_TRUE(again.view().oval->isChecked());
    EXPECT_TRUE(again.view().Shape2->isOval());
    EXPECT_EQ(again.target_color(Object), QColor(Qt::black));
    again.view().oval->trigger();
    close_station();
    EXPECT_EQ(read("pmtmprefs.ini"), QByteArray("#FALSE#\r\n"));

    write("pmtmprefs.ini", "nonsense\r\n");
    EXPECT_FALSE(open_station().view().Shape2->isOval());
}

TEST_F(StationTest, ThemeSaveAndLoadRoundTripAndBrokenFiles)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    set_bars(s, 255, 0, 0);
    s.Option(Object)->click();
    set_bars(s, 0, 0, 255);
    s.Option(Text)->click();
    set_bars(s, 255, 0, 0);
    fake.file_answers.push_back(file("t.pmtm"));
    v.save_color->trigger();
    EXPECT_EQ(read("t.pmtm"), QByteArray("FF00000000FFFF0000\r\n"));
    EXPECT_EQ(fake.file_dialogs.back().title, "Save Theme As");
    EXPECT_EQ(fake.file_dialogs.back().filter, "Color Matching Station File (*.pmtm)");

    v.newtheme->trigger();
    EXPECT_TRUE(s.Option(Background)->isChecked());
    s.Option(Text)->click();
    fake.file_answers.push_back(file("t.pmtm"));
    v.load_color->trigger();
    EXPECT_EQ(fake.file_dialogs.back().title, "Load Saved Theme");
    EXPECT_EQ(fake.file_dialogs.back().filter, "Pigmentor Files (*.pmtm)");
    EXPECT_TRUE(s.Option(Background)->isChecked());
    EXPECT_EQ(s.target_color(Background), QColor(255, 0, 0));
    EXPECT_EQ(s.target_color(Object), QColor(0, 0, 255));
    EXPECT_EQ(s.target_color(Text), QColor(255, 0, 0));
    EXPECT_EQ(v.Label1->text(), "FF0000");

    // A file handed from outside loads as from the dialog, without it; one per line too.
    const auto dialogs = fake.file_dialogs.size();
    write("lines.pmtm", "336699\r\n0000FF\r\nFF0000\r\n");
    s.load_theme_file(file("lines.pmtm"));
    EXPECT_EQ(fake.file_dialogs.size(), dialogs);
    EXPECT_EQ(s.target_color(Background), QColor(0x33, 0x66, 0x99));
    EXPECT_EQ(s.target_color(Text), QColor(255, 0, 0));
    s.load_theme_file(file("missing.pmtm"));
    EXPECT_EQ(s.target_color(Background), QColor(0x33, 0x66, 0x99));

    // Under Auto Safe the background is snapped, the object and text kept as loaded.
    v.Check1->click();
    load_theme(s, "a.pmtm", "0A1432123456654321\r\n");
    EXPECT_EQ(s.target_color(Background), QColor(0, 0, 0x33));
    EXPECT_EQ(s.target_color(Object), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(s.target_color(Text), QColor(0x65, 0x43, 0x21));

    v.Check1->click();
    v.newtheme->trigger();
    load_theme(s, "b.pmtm", "112233zz00000000FF"); // stops at the object; background stays
    EXPECT_EQ(s.target_color(Background), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(s.target_color(Object), QColor(Qt::black));

    // Empty, lower case, too big.
    for (const QByteArray& bytes :
        {QByteArray(), QByteArray("ff0000"), QByteArray(10 << 20, 'A')}) {
        v.newtheme->trigger();
        load_theme(s, "c.pmtm", bytes);
        EXPECT_EQ(s.target_color(Background), QColor(Qt::white));
    }
    load_theme(s, "d.pmtm", "11111122222233333344444455");
    EXPECT_EQ(s.target_color(Object), QColor(0x22, 0x22, 0x22));
    EXPECT_EQ(s.target_color(Text), QColor(0x44, 0x44, 0x55));
    EXPECT_TRUE(fake.boxes.empty());
}
