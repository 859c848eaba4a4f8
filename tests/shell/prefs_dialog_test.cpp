#include "shell_test.h"

#include "shell/window_modes.h"

#include <QTest>
#include <QWindow>

using PrefsDialogTest = WindowTest;

TEST_F(PrefsDialogTest, OpensFromTheFileAndCancelOrTitleBarCloseWriteNothing)
{
    write("pmtprefs.ini", "1\r\n0\r\n1\r\n0\r\n2\r\n1\r\n");
    editor::Form1& w = open_main();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    item(&w, "prefs")->trigger();
    shell::prefres* d = shown_window<shell::prefres>("prefres");
    ASSERT_NE(d, nullptr);
    // In front of the main window it disables, which hands any activation back to it.
    EXPECT_EQ(d->windowHandle()->transientParent(), w.windowHandle());
    QApplication::setActiveWindow(&w);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == d; }, 1000));
    EXPECT_EQ(d->check(1)->checkState(), Qt::Checked);
    EXPECT_EQ(d->check(2)->checkState(), Qt::Unchecked);
    EXPECT_EQ(d->check(3)->checkState(), Qt::Checked);
    EXPECT_EQ(d->check(5)->checkState(), Qt::Checked);
    EXPECT_TRUE(d->tray(2)->isChecked());
    EXPECT_FALSE(w.isEnabled());

    d->Command2()->click(); // Cancel: nothing written, main window back and active
    EXPECT_TRUE(w.isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; }, 1000));
    EXPECT_EQ(read("pmtprefs.ini"), QByteArray("1\r\n0\r\n1\r\n0\r\n2\r\n1\r\n"));

    // The title bar's close ends like Cancel and restores a topmost main window.
    item(&w, "staytop")->trigger();
    item(&w, "prefs")->trigger();
    EXPECT_TRUE(w.isMinimized());
    shown_window<shell::prefres>("prefres")->check(2)->click();
    shown_window<shell::prefres>("prefres")->close();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(w.isMinimized());
    EXPECT_EQ(read("pmtprefs.ini"), QByteArray("1\r\n0\r\n1\r\n0\r\n2\r\n1\r\n"));
}

TEST_F(PrefsDialogTest, SaveWritesSixLinesAndAppliesAChangedTrayModeAtOnce)
{
    editor::Form1& w = open_main();
    item(&w, "prefs")->trigger();
    shell::prefres* d = shown_window<shell::prefres>("prefres");
    EXPECT_TRUE(d->tray(0)->isChecked()); // no file: Task Bar only
    for (int n = 1; n <= 5; ++n)
        d->check(n)->click();
    d->tray(2)->click();
    d->Command1()->click();
    EXPECT_EQ(read("pmtprefs.ini"), QByteArray("1\r\n1\r\n1\r\n1\r\n2\r\n1\r\n"));
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(w.preferences()[storage::TrayMode], 2);
    EXPECT_EQ(w.preferences()[storage::ConfirmExit], 0); // acts at the next exit
    EXPECT_TRUE(fake.tray->isShown());

    // Saving the same tray mode again writes the file but leaves the tray alone.
    fake.tray->setShown(false);
    item(&w, "prefs")->trigger();
    shown_window<shell::prefres>("prefres")->Command1()->click();
    EXPECT_FALSE(fake.tray->isShown());

    // The next exit of the same run asks for confirmation.
    fake.yes_no_answers.push_back(false);
    w.close();
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0], "Pigmentor: Are you sure you want to quit?");
    EXPECT_TRUE(w.isVisible());
}

TEST_F(PrefsDialogTest, DamagedLinesKeepTheBoxesFromThereOn)
{
    write("pmtprefs.ini", "1\r\n5\r\n1\r\n1\r\n1\r\n1\r\n");
    editor::Form1& w = open_main();
    item(&w, "prefs")->trigger();
    shell::prefres* d = shown_window<shell::prefres>("prefres");
    EXPECT_EQ(d->check(1)->checkState(), Qt::Checked);
    EXPECT_EQ(d->check(2)->checkState(), Qt::Unchecked);
    EXPECT_EQ(d->check(3)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(d->tray(0)->isChecked()); // the loaded mode kept its value, 0
    d->Command2()->click();

    write("pmtprefs.ini", "0\r\n0\r\n0\r\n0\r\n7\r\n0\r\n");
    item(&w, "prefs")->trigger();
    d = shown_window<shell::prefres>("prefres");
    EXPECT_FALSE(d->tray(0)->isChecked() || d->tray(1)->isChecked() || d->tray(2)->isChecked());
    d->Command1()->click(); // nothing selected: the chosen mode keeps its value
    EXPECT_EQ(read("pmtprefs.ini"), QByteArray("0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
}
