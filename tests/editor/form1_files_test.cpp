#include "../support/window_test.h"

#include "storage/files.h"

#include <QPushButton>

using Form1Files = WindowTest;

TEST_F(Form1Files, SavesTheNineCharacterColourTextAndLoadsItStoppingSilentlyAtFaults)
{
    editor::Form1& w = open_main();
    w.psets(5, 80, 255);
    fake.file_answers.push_back(file("c.pmt"));
    w.view().Command2->click();
    EXPECT_EQ(read("c.pmt"), QByteArray("5  80 255\r\n"));
    ASSERT_EQ(fake.file_dialogs.size(), 1u);
    EXPECT_EQ(fake.file_dialogs[0].folder, ".");
    EXPECT_EQ(fake.file_dialogs[0].filter, "Pigmentor File (*.pmt)");
    EXPECT_TRUE(fake.file_dialogs[0].save);

    w.psets(0, 0, 0);
    fake.file_answers.push_back(file("c.pmt"));
    w.view().savergb->trigger(); // replaces without asking
    EXPECT_EQ(read("c.pmt"), QByteArray("0  0  0  \r\n"));

    w.view().savergb->trigger(); // cancelled
    EXPECT_EQ(read("c.pmt"), QByteArray("0  0  0  \r\n"));

    // Loading stops silently at faults.
    auto load = [&](const QByteArray& bytes) {
        write("in.pmt", bytes);
        fake.file_answers.push_back(file("in.pmt"));
        w.view().Command4->click();
    };
    load("5  80 255\r\n");
    EXPECT_EQ(rgb_of(w), "5,80,255");
    EXPECT_EQ(w.view().Label1->text(), "0550FF");
    EXPECT_FALSE(fake.file_dialogs.back().save);

    load("10 \n20 \n30 \n"); // fields on separate lines
    EXPECT_EQ(rgb_of(w), "10,20,30");
    load("1  2  3  garbage  9  ");
    EXPECT_EQ(rgb_of(w), "1,2,9");
    load("7  xx 200");
    EXPECT_EQ(rgb_of(w), "7,2,9"); // red set, then stopped
    for (const QByteArray& bytes : {QByteArray(), QByteArray(10 * 1024 * 1024, '9')}) {
        load(bytes);
        EXPECT_EQ(rgb_of(w), "7,2,9");
    }
    fake.file_answers.push_back(file("missing.pmt"));
    w.view().openrgb->trigger();
    w.view().openrgb->trigger(); // cancelled
    EXPECT_EQ(rgb_of(w), "7,2,9");
    EXPECT_TRUE(fake.boxes.empty());

    w.view().Check2->click(); // Auto Safe snaps a loaded colour too
    load("5  80 255\r\n");
    EXPECT_EQ(rgb_of(w), "0,102,255");
}

TEST_F(Form1Files, SettingsWrittenAtExitAndRestoredAtLoad)
{
    {
        editor::Form1& w = open_main();
        w.view().Check1->click();
        w.psets(255, 102, 0);
        w.close();
        EXPECT_EQ(process_ends, 1);
        // Auto-save off: the colour is always stored as black.
        EXPECT_EQ(read("pmtsetgs.ini"), QByteArray("1\r\n1\r\n\"0  0  0  \"\r\n"));
    }
    write("pmtprefs.ini", "0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n");
    {
        editor::Form1& w = open_main();
        EXPECT_EQ(widgets::check_value(w.view().Check1), 1);
        EXPECT_TRUE(w.view().numsign->isChecked());
        EXPECT_EQ(rgb_of(w), "0,0,0"); // the stored black applies
        w.psets(255, 102, 0);
        w.view().copyalert->trigger();
        w.close();
        EXPECT_EQ(read("pmtsetgs.ini"), QByteArray("1\r\n0\r\n\"2551020  \"\r\n"));
    }
    {
        editor::Form1& w = open_main();
        EXPECT_EQ(rgb_of(w), "255,102,0");
        EXPECT_EQ(w.view().Check3.value(), 0);
        EXPECT_FALSE(w.view().alertcopy_right->isChecked());
    }
}

TEST_F(Form1Files, DamagedSettingsKeepWhatWasReadAndTheNextSaveIsValid)
{
    write("pmtprefs.ini", "0\r\n1\r\n");
    struct Case {
        QByteArray bytes;
        int hash;
        int alert;
        const char* rgb;
    } cases[] = {
        {"", 0, 1, "0,0,0"},
        {"1", 1, 1, "0,0,0"},
        {"1\r\n-1\r\n\"9  9  9  \"\r\n", 1, 1, "0,0,0"},
        {"0\r\n0\r\n\"12 300255\"\r\n", 0, 0, "12,0,0"},
        {"0\r\n0\r\n\"12 34 56 \r\n", 0, 0, "0,0,0"},
        {QByteArray(10 * 1024 * 1024, '1'), 0, 1, "0,0,0"},
    };
    for (const Case& c : cases) {
        write("pmtsetgs.ini", c.bytes);
        editor::Form1& w = open_main();
        SCOPED_TRACE(c.bytes.left(20).toStdString());
        EXPECT_EQ(widgets::check_value(w.view().Check1), c.hash);
        EXPECT_EQ(w.view().Check3.value(), c.alert);
        EXPECT_EQ(rgb_of(w), c.rgb);
        w.close();
        const storage::Settings again = storage::parse_settings(read("pmtsetgs.ini"));
        EXPECT_TRUE(again.hash_prefix && again.copy_alert && again.color);
    }
    // A value the box does not take: marks already set from it, box unchanged.
    write("pmtsetgs.ini", "5\r\n0\r\n");
    editor::Form1& w = open_main();
    EXPECT_TRUE(w.view().numsign->isChecked());
    EXPECT_EQ(widgets::check_value(w.view().Check1), 0);
    EXPECT_EQ(w.view().Check3.value(), 1); // reading stopped before line 2
    EXPECT_TRUE(fake.boxes.empty());
}
