#include "../support/window_test.h"

#include <QCoreApplication>
#include <QPushButton>

namespace {

class StationOptions : public WindowTest {
protected:
    station::Form3& open_station()
    {
        if (!main)
            open_main();
        return *main->show_station();
    }
    void close_station()
    {
        main->station()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

TEST_F(StationOptions, HideTextMovesTheSelectionOffText)
{
    station::Form3& s = open_station();
    s.Option(station::Text)->click();
    set_bars(s, 1, 2, 3);
    s.Check2()->click();
    EXPECT_TRUE(s.Option(station::Background)->isChecked());
    EXPECT_FALSE(s.Option(station::Text)->isChecked());
    EXPECT_FALSE(s.Option(station::Text)->isEnabled());
    EXPECT_EQ(rgb_of(s), "255,255,255");
    EXPECT_TRUE(s.Label3()->isHidden());
    EXPECT_FALSE(s.Text4()->isEnabled());
    EXPECT_TRUE(s.action("hidetxt")->isChecked());

    s.action("hidetxt")->trigger();
    EXPECT_EQ(s.Check2()->checkState(), Qt::Unchecked);
    EXPECT_TRUE(s.Option(station::Background)->isChecked());
    EXPECT_TRUE(s.Option(station::Text)->isEnabled());
    EXPECT_FALSE(s.Label3()->isHidden());
    EXPECT_EQ(s.target_color(station::Text), QColor(1, 2, 3));

    s.Option(station::Object)->click();
    s.action("hidetxt")->trigger();
    EXPECT_EQ(s.Check2()->checkState(), Qt::Checked);
    EXPECT_TRUE(s.Option(station::Object)->isChecked());
}

TEST_F(StationOptions, SampleTextAndFont)
{
    station::Form3& s = open_station();
    type_into(s.Text4(), "Hello");
    EXPECT_EQ(s.Label3()->text(), "Hello");
    s.Text4()->clear();
    EXPECT_EQ(s.Label3()->text(), "");
    EXPECT_EQ(s.Text4()->maxLength(), 20);

    const QFont before = s.Label3()->font();
    s.button("Command1")->click(); // cancelled
    EXPECT_EQ(s.Label3()->font(), before);
    EXPECT_EQ(fake.font_dialog_starts.back(), before);
    QFont chosen(QStringLiteral("Courier"));
    chosen.setPointSize(20);
    chosen.setItalic(true);
    fake.font_answers.push_back(chosen);
    s.action("samptxtfont")->trigger();
    EXPECT_EQ(s.Label3()->font().pointSize(), 20);
    EXPECT_TRUE(s.Label3()->font().italic());
    EXPECT_EQ(s.target_color(station::Text), QColor(Qt::black));
}

TEST_F(StationOptions, StayOnTopMarksInStep)
{
    station::Form3& s = open_station();
    s.action("stayontopr")->trigger();
    EXPECT_TRUE(s.action("staytop")->isChecked());
    EXPECT_TRUE(fake.topmost[&s]);
    s.action("staytop")->trigger();
    EXPECT_FALSE(s.action("stayontopr")->isChecked());
    EXPECT_FALSE(fake.topmost[&s]);
    EXPECT_FALSE(main->action("staytop")->isChecked()); // independent of the main window's
}

TEST_F(StationOptions, OvalObjectSurvivesClosingTheStation)
{
    station::Form3& s = open_station();
    EXPECT_FALSE(s.action("oval")->isChecked());
    s.action("oval")->trigger();
    EXPECT_TRUE(s.Shape2()->isOval());
    s.Option(station::Object)->click();
    set_bars(s, 9, 9, 9);
    close_station();
    EXPECT_EQ(read("pmtmprefs.ini"), QByteArray("#TRUE#\r\n"));

    station::Form3& again = open_station();
    EXPECT_TRUE(again.action("oval")->isChecked());
    EXPECT_TRUE(again.Shape2()->isOval());
    EXPECT_EQ(again.target_color(station::Object), QColor(Qt::black));
    again.action("oval")->trigger();
    close_station();
    EXPECT_EQ(read("pmtmprefs.ini"), QByteArray("#FALSE#\r\n"));

    write("pmtmprefs.ini", "nonsense\r\n");
    EXPECT_FALSE(open_station().Shape2()->isOval());
}

TEST_F(StationOptions, ThemeSaveAndLoadRoundTrip)
{
    station::Form3& s = open_station();
    fake.file_answers.push_back(file("white.pmtm"));
    s.action("save_color")->trigger();
    EXPECT_EQ(read("white.pmtm"), QByteArray("FFFFFF000000000000\r\n"));
    EXPECT_EQ(fake.file_dialogs.back().title, "Save Theme As");
    EXPECT_EQ(fake.file_dialogs.back().filter, "Color Matching Station File (*.pmtm)");
    EXPECT_EQ(s.code_slot(station::Object), "000000");

    set_bars(s, 255, 0, 0);
    s.Option(station::Object)->click();
    set_bars(s, 0, 0, 255);
    s.Option(station::Text)->click();
    set_bars(s, 255, 0, 0);
    fake.file_answers.push_back(file("t.pmtm"));
    s.savetheme();
    EXPECT_EQ(read("t.pmtm"), QByteArray("FF00000000FFFF0000\r\n"));

    s.newtheme();
    EXPECT_TRUE(s.Option(station::Background)->isChecked());
    EXPECT_EQ(s.target_color(station::Background), QColor(Qt::white));
    EXPECT_EQ(s.target_color(station::Text), QColor(Qt::black));

    s.Option(station::Text)->click();
    fake.file_answers.push_back(file("t.pmtm"));
    s.action("load_color")->trigger();
    EXPECT_EQ(fake.file_dialogs.back().title, "Load Saved Theme");
    EXPECT_EQ(fake.file_dialogs.back().filter, "Pigmentor Files (*.pmtm)");
    EXPECT_TRUE(s.Option(station::Background)->isChecked());
    EXPECT_EQ(s.target_color(station::Background), QColor(255, 0, 0));
    EXPECT_EQ(s.target_color(station::Object), QColor(0, 0, 255));
    EXPECT_EQ(s.target_color(station::Text), QColor(255, 0, 0));
    EXPECT_EQ(s.Label1()->text(), "FF0000");
}

TEST_F(StationOptions, ThemeLoadUnderAutoSafeAndBrokenFiles)
{
    station::Form3& s = open_station();
    s.Check1()->click();
    write("a.pmtm", "0A1432123456654321\r\n");
    fake.file_answers.push_back(file("a.pmtm"));
    s.opentheme();
    EXPECT_EQ(s.target_color(station::Background), QColor(0, 0, 0x33));
    EXPECT_EQ(s.target_color(station::Object), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(s.target_color(station::Text), QColor(0x65, 0x43, 0x21));

    s.Check1()->click();
    s.newtheme();
    write("b.pmtm", "112233zz00000000FF");
    fake.file_answers.push_back(file("b.pmtm"));
    s.opentheme(); // stops at the object piece; the background stays loaded
    EXPECT_EQ(s.target_color(station::Background), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(s.target_color(station::Object), QColor(Qt::black));

    for (const QByteArray& bytes :
        {QByteArray(), QByteArray("ff0000"), QByteArray(10 << 20, 'A')}) {
        s.newtheme();
        write("c.pmtm", bytes);
        fake.file_answers.push_back(file("c.pmtm"));
        s.opentheme();
        EXPECT_EQ(s.target_color(station::Background), QColor(Qt::white));
    }
    write("d.pmtm", "11111122222233333344444455");
    fake.file_answers.push_back(file("d.pmtm"));
    s.opentheme();
    EXPECT_EQ(s.target_color(station::Object), QColor(0x22, 0x22, 0x22));
    EXPECT_EQ(s.target_color(station::Text), QColor(0x44, 0x44, 0x55));
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(StationOptions, ReturnrgbAndGetHex)
{
    station::Form3& s = open_station();
    EXPECT_TRUE(s.returnrgb("0A141E"));
    EXPECT_EQ(s.buffer(), (core::Rgb {10, 20, 30}));
    EXPECT_FALSE(s.returnrgb("0a141e"));
    EXPECT_FALSE(s.returnrgb("zz"));
    EXPECT_EQ(s.buffer(), (core::Rgb {10, 20, 30}));
    s.get_hex(station::Object, core::color_value(0x33, 0x66, 0x99));
    EXPECT_EQ(s.code_slot(station::Object), "336699");
}
