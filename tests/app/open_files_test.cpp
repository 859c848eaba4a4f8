// Files named on the command line, or handed over by a later start.
#include "../support/layout_check.h"
#include "../support/window_test.h"

#include "app/open_files.h"

#include <QApplication>
#include <QLineEdit>

using OpenFiles = WindowTest;

TEST_F(OpenFiles, ColourFilesLoadIntoTheMainWindowThemesIntoTheStation)
{
    write("a.pmt", "5  80 255\r\n");
    write("b.PMT", "1  2  3  \r\n");
    write("t.pmtm", "FF00000000FFFF0000\r\n");
    editor::Form1& w = open_main();
    ASSERT_EQ(w.station(), nullptr);

    // A colour file as if chosen in Load: no dialog, the views follow.
    app::open_files(w, {file("a.pmt")});
    EXPECT_EQ(rgb_of(w), "5,80,255");
    EXPECT_EQ(testsupport::find<QLineEdit>(&w, "Text4")->text(), "0550FF");
    EXPECT_EQ(w.station(), nullptr); // a colour alone never opens the station
    EXPECT_TRUE(fake.file_dialogs.empty());

    // A theme opens the station and selects Background, in the order given.
    app::open_files(w, {file("t.pmtm"), file("b.PMT")});
    ASSERT_NE(w.station(), nullptr);
    station::Form3& s = *w.station();
    EXPECT_TRUE(s.isVisible());
    EXPECT_TRUE(s.Option(station::Background)->isChecked());
    EXPECT_EQ(s.target_color(station::Background), QColor(255, 0, 0));
    EXPECT_EQ(s.target_color(station::Object), QColor(0, 0, 255));
    EXPECT_EQ(s.target_color(station::Text), QColor(255, 0, 0));
    EXPECT_EQ(rgb_of(w), "1,2,3");

    // A second theme goes into the same station window.
    write("u.pmtm", "00FF00FFFFFF000000\r\n");
    app::open_files(w, {file("u.pmtm"), file("missing.pmtm"), file("notes.txt")});
    EXPECT_EQ(w.station(), &s);
    EXPECT_EQ(s.target_color(station::Background), QColor(0, 255, 0));
    EXPECT_TRUE(fake.boxes.empty()); // a missing file ends silently, as in Load
}

TEST_F(OpenFiles, BringToFrontRestoresAWindowFromTheTrayOrMinimized)
{
    editor::Form1& w = open_main();
    w.hide(); // as in the tray
    app::bring_to_front(&w);
    EXPECT_TRUE(w.isVisible());
    w.showMinimized();
    QApplication::processEvents();
    app::bring_to_front(&w);
    EXPECT_FALSE(w.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(w.isVisible());
}
