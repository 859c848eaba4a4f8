// Files named on the command line or handed over by a later start; and the save dialogs of
// both windows: a name without extension is completed, an existing file is replaced only
// after a Yes, and every dialog offers "All files (*)".
#include "../support/window_test.h"

#include "app/open_files.h"
#include "platform/file_names.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPushButton>

using SaveDialogs = WindowTest;

TEST_F(SaveDialogs, NamesAreCompletedBeforeTheQuestionAndFilesReplacedOnlyAfterYes)
{
    // Completed only when typed without an extension.
    const QString theme = QStringLiteral("Color Matching Station File (*.pmtm)");
    const QString color = QStringLiteral("Pigmentor File (*.pmt)");
    const QString all = QStringLiteral("All files (*)");
    const std::tuple<const char*, QString, const char*> names[]
        = {{"/h/mine", theme, "/h/mine.pmtm"}, {"/h/mine", color, "/h/mine.pmt"},
            {"/h/mine.", theme, "/h/mine.pmtm"}, {"/h/mine.pmtm", theme, "/h/mine.pmtm"},
            {"/h/mine.txt", theme, "/h/mine.txt"}, {"", color, ""}, {"/h/mine", all, "/h/mine"},
            {"/h/v1.2/mine", color, "/h/v1.2/mine.pmt"}}; // a folder's dot is no extension
    for (const auto& [typed, filter, saved] : names)
        EXPECT_EQ(platform::complete_save_name(typed, filter), saved) << typed;
    EXPECT_EQ(platform::with_all_files(theme), theme + ";;" + all);
    EXPECT_EQ(platform::filter_extension("Pigmentor Files (*.pmtm)"), "pmtm");

    editor::Form1& w = open_main();
    w.psets(5, 80, 255);
    QPushButton* save_color = w.view().Command2;
    fake.file_answers.push_back(file("mine"));
    save_color->click();
    EXPECT_EQ(read("mine.pmt"), QByteArray("5  80 255\r\n"));
    EXPECT_FALSE(QFileInfo::exists(file("mine")));
    EXPECT_TRUE(fake.questions.empty());
    // "mine" again names the completed file, which now exists: asked, and No keeps it.
    w.psets(0, 0, 0);
    fake.file_answers.push_back(file("mine"));
    fake.yes_no_answers.push_back(false);
    save_color->click();
    EXPECT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(read("mine.pmt"), QByteArray("5  80 255\r\n"));

    station::Form3& s = *w.show_station();
    QAction* save_theme = s.view().save_color;
    fake.file_answers.push_back(file("mine"));
    save_theme->trigger();
    EXPECT_EQ(read("mine.pmtm"), QByteArray("FFFFFF000000000000\r\n"));
    EXPECT_EQ(fake.questions.size(), 1u); // mine.pmt is another file

    // No: the dialog comes back on the same name; Cancel there ends it, the file kept.
    write("old.pmtm", "123456ABCDEF654321\r\n");
    fake.questions.clear();
    fake.file_dialogs.clear();
    fake.file_answers.push_back(file("old.pmtm"));
    fake.yes_no_answers.push_back(false);
    save_theme->trigger();
    EXPECT_EQ(read("old.pmtm"), QByteArray("123456ABCDEF654321\r\n"));
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0],
        "Save Theme As: \"old.pmtm\" already exists.\rDo you want to replace it?");
    ASSERT_EQ(fake.file_dialogs.size(), 2u);
    EXPECT_EQ(fake.file_dialogs[1].folder, file("old.pmtm"));
    EXPECT_TRUE(fake.boxes.empty());
    // No, then another name: saved there, the old file untouched.
    fake.file_answers = {file("old"), file("new")};
    fake.yes_no_answers.push_back(false);
    save_theme->trigger();
    EXPECT_EQ(read("old.pmtm"), QByteArray("123456ABCDEF654321\r\n"));
    EXPECT_EQ(read("new.pmtm"), QByteArray("FFFFFF000000000000\r\n"));
    // Yes: replaced.
    fake.file_answers.push_back(file("old.pmtm"));
    fake.yes_no_answers.push_back(true);
    save_theme->trigger();
    EXPECT_EQ(read("old.pmtm"), QByteArray("FFFFFF000000000000\r\n"));
    EXPECT_EQ(fake.questions.size(), 3u);
}

TEST_F(SaveDialogs, ColourFilesLoadIntoTheMainWindowThemesIntoTheStationAndTheWindowComesForward)
{
    write("a.pmt", "5  80 255\r\n");
    write("b.PMT", "1  2  3  \r\n");
    write("t.pmtm", "FF00000000FFFF0000\r\n");
    editor::Form1& w = open_main();
    ASSERT_EQ(w.station(), nullptr);

    // A colour file as if chosen in Load: no dialog, the views follow.
    app::open_files(w, {file("a.pmt")});
    EXPECT_EQ(rgb_of(w), "5,80,255");
    EXPECT_EQ(w.view().Text4->text(), "0550FF");
    EXPECT_EQ(w.station(), nullptr); // a colour alone never opens the station
    EXPECT_TRUE(fake.file_dialogs.empty());

    // A theme opens the station and selects Background, in the order given.
    app::open_files(w, {file("t.pmtm"), file("b.PMT")});
    ASSERT_NE(w.station(), nullptr);
    station::Form3& s = *w.station();
    EXPECT_TRUE(s.isVisible());
    EXPECT_TRUE(s.Option(station::Background)->isChecked());
    EXPECT_EQ(s.target_color(station::Background), QColor(255, 0, 0));
    EXPECT_EQ(rgb_of(w), "1,2,3");

    // A second theme goes into the same station window.
    write("u.pmtm", "00FF00FFFFFF000000\r\n");
    app::open_files(w, {file("u.pmtm"), file("missing.pmtm"), file("notes.txt")});
    EXPECT_EQ(w.station(), &s);
    EXPECT_EQ(s.target_color(station::Background), QColor(0, 255, 0));
    EXPECT_TRUE(fake.boxes.empty()); // a missing file ends silently, as in Load

    // --color travels among the files, after them: it sets the main window's colour as
    // Paste CSS Color does, and a refused one says why and changes nothing.
    app::open_files(w, {file("a.pmt"), app::color_entry("rgb(51 102 153)")});
    EXPECT_EQ(rgb_of(w), "51,102,153");
    app::open_files(w, {app::color_entry("notacolor")});
    EXPECT_EQ(rgb_of(w), "51,102,153");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].title, "Not a CSS Color");
    fake.boxes.clear();

    // A later start brings the window back from the tray or from minimized.
    w.hide();
    app::bring_to_front(&w);
    EXPECT_TRUE(w.isVisible());
    w.showMinimized();
    QApplication::processEvents();
    app::bring_to_front(&w);
    EXPECT_FALSE(w.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(w.isVisible());
}
