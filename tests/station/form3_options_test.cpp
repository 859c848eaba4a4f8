#include "station_test.h"

#include <QCoreApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QPushButton>

TEST_F(StationTest, HideTextMovesTheSelectionOffText)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    s.Option(station::Text)->click();
    set_bars(s, 1, 2, 3);
    v.Check2->click();
    EXPECT_TRUE(s.Option(station::Background)->isChecked());
    EXPECT_FALSE(s.Option(station::Text)->isChecked());
    EXPECT_FALSE(s.Option(station::Text)->isEnabled());
    EXPECT_EQ(rgb_of(s), "255,255,255");
    EXPECT_TRUE(v.Label3->isHidden());
    EXPECT_FALSE(v.Text4->isEnabled());
    EXPECT_TRUE(v.hidetxt->isChecked());

    v.hidetxt->trigger();
    EXPECT_EQ(v.Check2->checkState(), Qt::Unchecked);
    EXPECT_TRUE(s.Option(station::Background)->isChecked());
    EXPECT_TRUE(s.Option(station::Text)->isEnabled());
    EXPECT_FALSE(v.Label3->isHidden());
    EXPECT_EQ(s.target_color(station::Text), QColor(1, 2, 3));

    s.Option(station::Object)->click();
    v.hidetxt->trigger();
    EXPECT_EQ(v.Check2->checkState(), Qt::Checked);
    EXPECT_TRUE(s.Option(station::Object)->isChecked());
}

TEST_F(StationTest, SampleTextAndFont)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    type_into(v.Text4, "Hello");
    EXPECT_EQ(v.Label3->text(), "Hello");
    v.Text4->clear();
    EXPECT_EQ(v.Label3->text(), "");
    EXPECT_EQ(v.Text4->maxLength(), 20);

    const QFont before = v.Label3->font();
    v.Command1->click(); // cancelled
    EXPECT_EQ(v.Label3->font(), before);

    // The dialog opens on the font really drawn: its family, bold, size.
    const QFontInfo real(before);
    const QFont start = fake.font_dialog_starts.back();
    EXPECT_EQ(start.family(), real.family());
    EXPECT_TRUE(start.bold());
    EXPECT_EQ(start.pointSizeF(), real.pointSizeF());
    // A real font dialog shows that font as it is, and OK without a change gives it back:
    // the sample looks exactly as before.
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
    EXPECT_EQ(s.target_color(station::Text), QColor(Qt::black));
}

TEST_F(StationTest, StayOnTopMarksInStep)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    v.stayontopr->trigger();
    EXPECT_TRUE(v.staytop->isChecked());
    EXPECT_TRUE(fake.topmost[&s]);
    v.staytop->trigger();
    EXPECT_FALSE(v.stayontopr->isChecked());
    EXPECT_FALSE(fake.topmost[&s]);
    EXPECT_FALSE(testsupport::find<QAction>(main.get(), "staytop")
                     ->isChecked()); // independent of the main window's
}

TEST_F(StationTest, OvalObjectSurvivesClosingTheStation)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    EXPECT_FALSE(v.oval->isChecked());
    v.oval->trigger();
    EXPECT_TRUE(v.Shape2->isOval());
    s.Option(station::Object)->click();
    set_bars(s, 9, 9, 9);
    close_station();
    EXPECT_EQ(read("pmtmprefs.ini"), QByteArray("#TRUE#\r\n"));

    station::Form3& again = open_station();
    EXPECT_TRUE(again.view().oval->isChecked());
    EXPECT_TRUE(again.view().Shape2->isOval());
    EXPECT_EQ(again.target_color(station::Object), QColor(Qt::black));
    again.view().oval->trigger();
    close_station();
    EXPECT_EQ(read("pmtmprefs.ini"), QByteArray("#FALSE#\r\n"));

    write("pmtmprefs.ini", "nonsense\r\n");
    EXPECT_FALSE(open_station().view().Shape2->isOval());
}

TEST_F(StationTest, ThemeSaveAndLoadRoundTrip)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    fake.file_answers.push_back(file("white.pmtm"));
    v.save_color->trigger();
    EXPECT_EQ(read("white.pmtm"), QByteArray("FFFFFF000000000000\r\n"));
    EXPECT_EQ(fake.file_dialogs.back().title, "Save Theme As");
    EXPECT_EQ(fake.file_dialogs.back().filter, "Color Matching Station File (*.pmtm)");
    EXPECT_EQ(station::Form3Access::code_slot(s, station::Object), "000000");

    set_bars(s, 255, 0, 0);
    s.Option(station::Object)->click();
    set_bars(s, 0, 0, 255);
    s.Option(station::Text)->click();
    set_bars(s, 255, 0, 0);
    fake.file_answers.push_back(file("t.pmtm"));
    v.save_color->trigger();
    EXPECT_EQ(read("t.pmtm"), QByteArray("FF00000000FFFF0000\r\n"));

    v.newtheme->trigger();
    EXPECT_TRUE(s.Option(station::Background)->isChecked());
    EXPECT_EQ(s.target_color(station::Background), QColor(Qt::white));
    EXPECT_EQ(s.target_color(station::Text), QColor(Qt::black));

    s.Option(station::Text)->click();
    fake.file_answers.push_back(file("t.pmtm"));
    v.load_color->trigger();
    EXPECT_EQ(fake.file_dialogs.back().title, "Load Saved Theme");
    EXPECT_EQ(fake.file_dialogs.back().filter, "Pigmentor Files (*.pmtm)");
    EXPECT_TRUE(s.Option(station::Background)->isChecked());
    EXPECT_EQ(s.target_color(station::Background), QColor(255, 0, 0));
    EXPECT_EQ(s.target_color(station::Object), QColor(0, 0, 255));
    EXPECT_EQ(s.target_color(station::Text), QColor(255, 0, 0));
    EXPECT_EQ(v.Label1->text(), "FF0000");
}

TEST_F(StationTest, ThemeLoadUnderAutoSafeAndBrokenFiles)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    v.Check1->click();
    write("a.pmtm", "0A1432123456654321\r\n");
    fake.file_answers.push_back(file("a.pmtm"));
    v.load_color->trigger();
    EXPECT_EQ(s.target_color(station::Background), QColor(0, 0, 0x33));
    EXPECT_EQ(s.target_color(station::Object), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(s.target_color(station::Text), QColor(0x65, 0x43, 0x21));

    v.Check1->click();
    v.newtheme->trigger();
    write("b.pmtm", "112233zz00000000FF");
    fake.file_answers.push_back(file("b.pmtm"));
    v.load_color->trigger(); // stops at the object piece; the background stays loaded
    EXPECT_EQ(s.target_color(station::Background), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(s.target_color(station::Object), QColor(Qt::black));

    for (const QByteArray& bytes :
        {QByteArray(), QByteArray("ff0000"), QByteArray(10 << 20, 'A')}) {
        v.newtheme->trigger();
        write("c.pmtm", bytes);
        fake.file_answers.push_back(file("c.pmtm"));
        v.load_color->trigger();
        EXPECT_EQ(s.target_color(station::Background), QColor(Qt::white));
    }
    write("d.pmtm", "11111122222233333344444455");
    fake.file_answers.push_back(file("d.pmtm"));
    v.load_color->trigger();
    EXPECT_EQ(s.target_color(station::Object), QColor(0x22, 0x22, 0x22));
    EXPECT_EQ(s.target_color(station::Text), QColor(0x44, 0x44, 0x55));
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(StationTest, ReturnrgbAndGetHex)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    EXPECT_TRUE(station::Form3Access::returnrgb(s, "0A141E"));
    EXPECT_EQ(station::Form3Access::buffer(s), (core::Rgb {10, 20, 30}));
    EXPECT_FALSE(station::Form3Access::returnrgb(s, "0a141e"));
    EXPECT_FALSE(station::Form3Access::returnrgb(s, "zz"));
    EXPECT_EQ(station::Form3Access::buffer(s), (core::Rgb {10, 20, 30}));
    station::Form3Access::get_hex(s, station::Object, core::color_value(0x33, 0x66, 0x99));
    EXPECT_EQ(station::Form3Access::code_slot(s, station::Object), "336699");
}
