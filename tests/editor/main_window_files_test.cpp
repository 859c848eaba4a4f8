#include "../support/window_test.h"

#include "storage/files.h"

#include <QPushButton>

#include <tuple>

using Form1Files = WindowTest;

TEST_F(Form1Files, SavesTheNineCharacterColourTextAndLoadsItStoppingSilentlyAtFaults)
{
    editor::Form1& w = open_main();
    w.psets(5, 80, 255);
    fake.file_answers.push_back(file("c.pmt"));
    w.view().Command2->click();
    EXPECT_EQ(read("c.pmt"), QByteArray("5  80 255\r\n"));
    w.psets(0, 0, 0);
    w.view().savergb->trigger(); // cancelled
    EXPECT_EQ(read("c.pmt"), QByteArray("5  80 255\r\n"));

    // Fields may stand on separate lines; blue is read from the last three characters. The
    // channels read before a fault are set, the others stay; nothing is said.
    const std::pair<QByteArray, const char*> loads[]
        = {{"10 \n20 \n30 \n", "10,20,30"}, {"1  2  garbage  9  ", "1,2,9"}, {"7  xx 200", "7,2,9"},
            {"", "7,2,9"}, {QByteArray(10 * 1024 * 1024, '9'), "7,2,9"}};
    for (const auto& [bytes, rgb] : loads) {
        write("in.pmt", bytes);
        fake.file_answers.push_back(file("in.pmt"));
        w.view().Command4->click();
        EXPECT_EQ(rgb_of(w), rgb) << bytes.left(20).toStdString();
    }
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(Form1Files, SettingsWrittenAtExitRestoredAtLoadAndWhatWasReadBeforeAFaultKept)
{
    editor::Form1& first = open_main();
    first.view().Check1->click();
    first.psets(255, 102, 0);
    first.close();
    EXPECT_EQ(process_ends, 1);
    // Auto-save off: the colour is always stored as black.
    EXPECT_EQ(read("pmtsetgs.ini"), QByteArray("1\r\n1\r\n\"0  0  0  \"\r\n"));

    // Auto-save on: each file read as far as it goes; the next save is valid, a good file
    // written back as it was read.
    write("pmtprefs.ini", "0\r\n1\r\n");
    const std::tuple<QByteArray, int, int, const char*> cases[] = {{"", 0, 1, "0,0,0"},
        {"1", 1, 1, "0,0,0"}, {"1\r\n-1\r\n\"9  9  9  \"\r\n", 1, 1, "0,0,0"},
        {"0\r\n0\r\n\"12 300255\"\r\n", 0, 0, "12,0,0"},
        {"0\r\n0\r\n\"12 34 56 \r\n", 0, 0, "0,0,0"},
        {QByteArray(10 * 1024 * 1024, '1'), 0, 1, "0,0,0"},
        {"1\r\n0\r\n\"2551020  \"\r\n", 1, 0, "255,102,0"}};
    for (const auto& [bytes, hash, alert, rgb] : cases) {
        write("pmtsetgs.ini", bytes);
        editor::Form1& w = open_main();
        SCOPED_TRACE(bytes.left(20).toStdString());
        EXPECT_EQ(widgets::check_value(w.view().Check1), hash);
        EXPECT_EQ(w.view().Check3.value(), alert);
        EXPECT_EQ(rgb_of(w), rgb);
        w.close();
        const storage::Settings again = storage::parse_settings(read("pmtsetgs.ini"));
        EXPECT_TRUE(again.hash_prefix && again.copy_alert && again.color);
    }
    EXPECT_EQ(read("pmtsetgs.ini"), QByteArray("1\r\n0\r\n\"2551020  \"\r\n"));
    // A value the box does not take: marks already set from it, box unchanged.
    write("pmtsetgs.ini", "5\r\n0\r\n");
    editor::Form1& w = open_main();
    EXPECT_TRUE(w.view().numsign->isChecked());
    EXPECT_EQ(widgets::check_value(w.view().Check1), 0);
    EXPECT_EQ(w.view().Check3.value(), 1); // reading stopped before line 2
    EXPECT_TRUE(fake.boxes.empty());
}

// A session that ends under the program (logout, shutdown, the display gone) writes what
// Exit writes, without asking; after an Exit nothing is written twice.
TEST_F(Form1Files, AnEndingSessionWritesTheSettingsAsExitDoesWithoutAsking)
{
    write("pmtprefs.ini", "0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n"); // auto-save on, confirm on
    editor::Form1& w = open_main();
    station::Form3& s = *w.show_station();
    s.view().oval->trigger();
    w.psets(255, 102, 0);
    w.write_settings_now(); // the session manager's request: written, nothing closed
    EXPECT_EQ(read("pmtsetgs.ini"), QByteArray("0\r\n1\r\n\"2551020  \"\r\n"));
    EXPECT_EQ(read("pmtmprefs.ini"), QByteArray("#TRUE#\r\n"));
    EXPECT_TRUE(w.isVisible() && s.isVisible());

    w.psets(1, 2, 3);
    w.end_session(); // SIGTERM or SIGHUP
    EXPECT_EQ(read("pmtsetgs.ini"), QByteArray("0\r\n1\r\n\"1  2  3  \"\r\n"));
    EXPECT_TRUE(fake.questions.empty());
    EXPECT_EQ(process_ends, 1);
    EXPECT_FALSE(s.isVisible());
    w.psets(9, 9, 9);
    w.write_settings_now();
    w.end_session();
    EXPECT_EQ(read("pmtsetgs.ini"), QByteArray("0\r\n1\r\n\"1  2  3  \"\r\n"));
    EXPECT_EQ(process_ends, 1);
}
