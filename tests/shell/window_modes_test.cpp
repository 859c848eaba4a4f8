#include "shell_test.h"

#include "shell/prefs_dialog.h"
#include "shell/window_modes.h"

#include <QFile>
#include <QTest>

#include <tuple>

namespace {

class WindowModesTest : public WindowTest {
protected:
    editor::Form1& open_with(int tray_mode)
    {
        write("pmtprefs.ini", "0\r\n0\r\n0\r\n0\r\n" + QByteArray::number(tray_mode) + "\r\n0\r\n");
        return open_main();
    }
    shell::WindowModes& modes() { return *main->window_modes(); }
    auto* open_prefs() { return open_from<shell::prefres>(main.get(), "prefs", "prefres"); }
    // Opens the tray menu: Minimize and Restore offered one at a time, as the window is.
    void expect_tray_menu_offers_minimize(bool minimize)
    {
        fake.tray->menuRequested(QPoint(5, 5));
        EXPECT_EQ(modes().minimize()->isEnabled(), minimize);
        EXPECT_EQ(modes().restore()->isEnabled(), !minimize);
    }
};

} // namespace

TEST_F(WindowModesTest, TrayModeDecidesIconAndTimer)
{
    // 7 is hand-edited: like tray only.
    for (const auto& [mode, tray, timer] :
        {std::tuple {0, false, false}, {1, true, true}, {2, true, false}, {7, true, true}}) {
        open_with(mode);
        EXPECT_EQ(fake.tray->isShown(), tray) << mode;
        EXPECT_EQ(modes().Timer1()->isActive(), timer) << mode;
    }
    EXPECT_EQ(fake.tray->tooltip, "Pigmentor\r");
}

// Tray only: Minimize hides at once, the timer hides a minimized window (where there is a
// tray), Restore brings it back normal and active. (With Stay on top, the About box and the
// preferences dialog, under a real window manager and tray: e2e 60-window-manager.sh.)
// Both: the window minimizes and restores as any other; the tray's Exit ends the program
// as the menu's does, and takes the icon away.
TEST_F(WindowModesTest, TheTrayMenuMinimizesAndRestoresAsTheModeSays)
{
    editor::Form1& w = open_with(1);
    expect_tray_menu_offers_minimize(true);
    modes().minimize()->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.isMinimized());
    expect_tray_menu_offers_minimize(false);
    fake.tray->restoreRequested();
    EXPECT_TRUE(w.isVisible());
    w.showMinimized();
    modes().Timer1_Timer();
    EXPECT_FALSE(w.isVisible());
    modes().restore()->trigger();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.isMinimized());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; }, 1000));
    fake.tray->available = false;
    w.showMinimized();
    modes().Timer1_Timer();
    EXPECT_TRUE(w.isVisible());

    editor::Form1& both = open_with(2);
    expect_tray_menu_offers_minimize(true);
    modes().minimize()->trigger();
    EXPECT_TRUE(both.isMinimized());
    expect_tray_menu_offers_minimize(false);
    modes().restore()->trigger();
    EXPECT_FALSE(both.isMinimized());
    modes().helo()->trigger();
    EXPECT_EQ(process_ends, 1);
    EXPECT_FALSE(fake.tray->isShown());
}

// Save writes six lines and applies a changed tray mode at once (Confirm exit acts at the
// next exit, which reads the file again: exit_test.cpp). The dialog opens from the file:
// Check1 to Check4 from lines 1 to 4, the tray mode from line 5, Check5 from line 6. A
// value a box cannot take ends the reading: the boxes from there on clear, the tray mode
// as it was. A mode beyond the three selects none, and Save keeps the one last chosen.
// Cancel and the title bar's close write nothing.
TEST_F(WindowModesTest, PreferencesDialogReadsAndWritesTheFile)
{
    editor::Form1& w = open_main();
    shell::prefres* d = open_prefs();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->tray(0)->isChecked()); // no file: Task Bar only
    for (int n = 1; n <= 5; ++n)
        d->check(n)->click();
    d->tray(2)->click();
    d->Command1()->click();
    EXPECT_EQ(read("pmtprefs.ini"), QByteArray("1\r\n1\r\n1\r\n1\r\n2\r\n1\r\n"));
    EXPECT_EQ(w.preferences()[storage::TrayMode], 2);
    EXPECT_TRUE(fake.tray->isShown());

    const struct {
        const char* bytes;
        const char* boxes; // 2 checked, 0 clear
        int tray;
    } cases[] = {{"1\r\n5\r\n1\r\n1\r\n1\r\n1\r\n", "20000", 0},
        {"1\r\n0\r\n1\r\n0\r\n2\r\n1\r\n", "20202", 2},
        {"0\r\n0\r\n0\r\n0\r\n7\r\n0\r\n", "00000", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        write("pmtprefs.ini", c.bytes);
        d = open_prefs();
        ASSERT_NE(d, nullptr);
        EXPECT_FALSE(w.isEnabled());
        QString boxes;
        for (int n = 1; n <= 5; ++n)
            boxes += QString::number(d->check(n)->checkState());
        EXPECT_EQ(boxes, c.boxes);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(d->tray(i)->isChecked(), i == c.tray) << i;
        d->Command2()->click();
        EXPECT_TRUE(w.isEnabled());
        EXPECT_EQ(read("pmtprefs.ini"), QByteArray(c.bytes));
    }

    // The title bar's close ends like Cancel and restores a topmost main window.
    item(&w, "staytop")->trigger();
    d = open_prefs();
    EXPECT_TRUE(w.isMinimized());
    d->check(2)->click();
    d->close();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(w.isMinimized());
    EXPECT_EQ(read("pmtprefs.ini"), QByteArray("0\r\n0\r\n0\r\n0\r\n7\r\n0\r\n"));
    open_prefs()->Command1()->click();
    EXPECT_EQ(read("pmtprefs.ini"), QByteArray("0\r\n0\r\n0\r\n0\r\n2\r\n0\r\n"));

    // A file that cannot be written: a message with the reason, the dialog stays open over
    // a disabled main window, the old file whole; Cancel then ends as ever.
    QFile::setPermissions(file("pmtprefs.ini"), QFileDevice::ReadOwner);
    d = open_prefs();
    d->check(1)->click();
    d->Command1()->click();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
        '"' + file("pmtprefs.ini") + "\" could not be saved.\rPermission denied.");
    EXPECT_EQ(fake.boxes[0].title, "Pigmentor");
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_EQ(read("pmtprefs.ini"), QByteArray("0\r\n0\r\n0\r\n0\r\n2\r\n0\r\n"));
    d->Command2()->click();
    EXPECT_TRUE(w.isEnabled());
}
