// Files named on the command line or handed over by a later start; and the save dialogs of
// both windows: a name without extension is completed, an existing file is replaced only
// after a Yes, and every dialog offers "All files (*)".
#include "../support/window_test.h"

#include "app/open_files.h"
#include "app/start_up.h"
#include "platform/file_names.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>

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
    EXPECT_EQ(platform::filter_extension("Palettes (*.palette.json *.json)"), "palette.json");

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

    // A second theme goes into the same station window. A missing, damaged or strange
    // file is named on standard error with its reason, and the others open all the same.
    write("u.pmtm", "00FF00FFFFFF000000\r\n");
    write("junk.pmt", "garbage\r\n");
    write("junk.pmtm", "FF0000 not a theme\r\n");
    ASSERT_EQ(::mkfifo(QFile::encodeName(file("fifo.pmt")).constData(), 0600), 0);
    testing::internal::CaptureStderr();
    app::open_files(w,
        {file("missing.pmtm"), file("junk.pmt"), file("u.pmtm"), file("junk.pmtm"),
            file("fifo.pmt"), file("notes.txt")});
    // (The offscreen platform adds lines of its own.)
    const QStringList said = QString::fromLocal8Bit(testing::internal::GetCapturedStderr())
                                 .split('\n')
                                 .filter(QRegularExpression(QStringLiteral("^pigmentor: ")));
    EXPECT_EQ(w.station(), &s);
    EXPECT_EQ(s.target_color(station::Background), QColor(0, 255, 0));
    EXPECT_EQ(rgb_of(w), "1,2,3");
    EXPECT_EQ(said,
        QStringList({"pigmentor: " + file("missing.pmtm") + ": No such file or directory",
            "pigmentor: " + file("junk.pmt") + ": It is not a Pigmentor colour file",
            "pigmentor: " + file("junk.pmtm") + ": It is not a Pigmentor theme file",
            "pigmentor: " + file("fifo.pmt") + ": It is a pipe, not a regular file"}));
    EXPECT_TRUE(fake.boxes.empty());

    // A palette opens the Palette window with it, and it becomes the one used last.
    write("site.palette.json", "{\"pigmentor-palette\": 1, \"colors\": [{\"name\": \"--ink\", \"value\": \"#111\"}]}");
    EXPECT_EQ(w.palette_window(), nullptr);
    app::open_files(w, {file("site.palette.json")});
    ASSERT_NE(w.palette_window(), nullptr);
    EXPECT_EQ(w.palette_window()->file(), file("site.palette.json"));
    EXPECT_EQ(w.palette_window()->document().swatches().size(), 1u);
    EXPECT_EQ(read("palette-last.txt"), file("site.palette.json").toUtf8() + "\n");

}

// A save that fails says in a box what failed and why, and the file that was there stays
// whole; the dialog's name is not taken for saved.
TEST_F(SaveDialogs, AFailedSaveSaysWhyAndKeepsTheOldFileWhole)
{
    editor::Form1& w = open_main();
    w.psets(5, 80, 255);
    write("kept.pmt", "1  2  3  \r\n");
    ::chmod(QFile::encodeName(file("kept.pmt")).constData(), 0444);
    ASSERT_EQ(::mkfifo(QFile::encodeName(file("pipe.pmt")).constData(), 0600), 0);
    const std::pair<QString, QString> saves[] = {{file("kept.pmt"), "Permission denied"},
        {QStringLiteral("/proc/brand.pmt"), "Permission denied"},
        {file("pipe.pmt"), "It is a pipe, not a regular file"},
        {file("gone/x.pmt"), "No such file or directory"}};
    for (const auto& [name, reason] : saves) {
        fake.boxes.clear();
        fake.file_answers.push_back(name);
        w.view().Command2->click();
        ASSERT_EQ(fake.boxes.size(), 1u) << name.toStdString();
        EXPECT_EQ(fake.boxes[0].text, '"' + name + "\" could not be saved.\r" + reason + '.');
        EXPECT_EQ(fake.boxes[0].title, "Pigmentor");
        EXPECT_EQ(fake.boxes[0].icon, core::Icon::Exclamation);
    }
    EXPECT_EQ(read("kept.pmt"), QByteArray("1  2  3  \r\n"));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/brand.pmt")));

    station::Form3& s = *w.show_station();
    fake.boxes.clear();
    fake.file_answers.push_back(QStringLiteral("/proc/brand.pmtm"));
    s.view().save_color->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "\"/proc/brand.pmtm\" could not be saved.\rPermission denied.");
    // A cancelled dialog stays silent.
    fake.boxes.clear();
    s.view().save_color->trigger();
    w.view().Command2->click();
    EXPECT_TRUE(fake.boxes.empty());
    // --color travels among the files, after them: it sets the main window's colour as
    // Paste CSS Color does, and a refused one says why and changes nothing.
    app::open_files(w, {file("a.pmt"), app::color_entry("rgb(51 102 153)")});
    EXPECT_EQ(rgb_of(w), "51,102,153");
    app::open_files(w, {app::color_entry("notacolor")});
    EXPECT_EQ(rgb_of(w), "51,102,153");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].title, "Not a CSS Color");
    fake.boxes.clear();

}

// Started as the program starts: the splash first, then the main window with the files
// named at start; files a later start hands over meanwhile wait for the load.
TEST_F(SaveDialogs, StartUpOpensTheFilesOnceTheMainWindowHasLoaded)
{
    write("a.pmt", "5  80 255\r\n");
    write("b.pmt", "1  2  3  \r\n");
    int loads = 0;
    const auto running = app::start_up(fake, storage::ConfigFolder(dir.path()), {file("a.pmt")},
        [&](editor::Form1& w) { loads += w.isVisible() ? 1 : 100; });
    EXPECT_FALSE(running->loaded()); // the splash is on screen (no preferences file)
    running->hand_over({file("b.pmt")}, QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return running->loaded(); }, 5000));
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(rgb_of(running->main_window()), "1,2,3"); // a.pmt, then b.pmt
    running->hand_over({app::color_entry("#336699")}, QString());
    EXPECT_EQ(rgb_of(running->main_window()), "51,102,153");
}
