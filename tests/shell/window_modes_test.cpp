#include "shell_test.h"

#include "platform/stay_on_top.h"
#include "shell/prefs_dialog.h"
#include "shell/splash.h"
#include "shell/window_modes.h"
#include "station/station.h"

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
    auto* open_prefs() { return open_from<shell::prefres>(main->view().prefs); }
    // Minimize and Restore offered one at a time, as the window is: in the copy of the
    // menu a StatusNotifier host draws (brought up to date when the window changes), and
    // when the menu opens.
    void expect_tray_menu_offers_minimize(bool minimize)
    {
        QCoreApplication::sendPostedEvents(&modes(), QEvent::MetaCall);
        EXPECT_EQ(modes().view().minimize->isEnabled(), minimize);
        EXPECT_EQ(modes().view().restore->isEnabled(), !minimize);
        modes().view().minimize->setEnabled(!minimize);
        emit modes().view().newmenu.get()->aboutToShow();
        EXPECT_EQ(modes().view().minimize->isEnabled(), minimize);
        EXPECT_EQ(modes().view().restore->isEnabled(), !minimize);
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
    EXPECT_EQ(fake.tray->tooltip, "Pigmentor");
    // The tray shows the window's own menu, so the desktop can export and draw it.
    EXPECT_EQ(fake.tray->menu, modes().view().newmenu.get());
    EXPECT_EQ(modes().view().newmenu.get()->defaultAction(), modes().view().helo);
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
    modes().view().minimize->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.isMinimized());
    expect_tray_menu_offers_minimize(false);
    fake.tray->restoreRequested();
    EXPECT_TRUE(w.isVisible());
    w.showMinimized();
    modes().Timer1_Timer();
    EXPECT_FALSE(w.isVisible());
    modes().view().restore->trigger();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.isMinimized());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; }, 1000));
    fake.tray->available = false;
    w.showMinimized();
    modes().Timer1_Timer();
    EXPECT_TRUE(w.isVisible());

    editor::Form1& both = open_with(2);
    expect_tray_menu_offers_minimize(true);
    modes().view().minimize->trigger();
    EXPECT_TRUE(both.isMinimized());
    expect_tray_menu_offers_minimize(false);
    modes().view().restore->trigger();
    EXPECT_FALSE(both.isMinimized());
    modes().view().helo->trigger();
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
    EXPECT_TRUE(d->view().tray[0]->isChecked()); // no file: Task Bar only
    for (int n = 1; n <= 5; ++n)
        d->view().check(n)->click();
    d->view().tray[2]->click();
    d->view().Command1->click();
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
            boxes += QString::number(d->view().check(n)->checkState());
        EXPECT_EQ(boxes, c.boxes);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(d->view().tray[i]->isChecked(), i == c.tray) << i;
        d->view().Command2->click();
        EXPECT_TRUE(w.isEnabled());
        EXPECT_EQ(read("pmtprefs.ini"), QByteArray(c.bytes));
    }

    // The title bar's close ends like Cancel and restores a topmost main window.
    w.view().staytop->trigger();
    d = open_prefs();
    EXPECT_TRUE(w.isMinimized());
    d->view().check(2)->click();
    d->close();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(w.isMinimized());
    EXPECT_EQ(read("pmtprefs.ini"), QByteArray("0\r\n0\r\n0\r\n0\r\n7\r\n0\r\n"));
    open_prefs()->view().Command1->click();
    EXPECT_EQ(read("pmtprefs.ini"), QByteArray("0\r\n0\r\n0\r\n0\r\n2\r\n0\r\n"));

    // A file that cannot be written: a message with the reason, the dialog stays open over
    // a disabled main window, the old file whole; Cancel then ends as ever.
    QFile::setPermissions(file("pmtprefs.ini"), QFileDevice::ReadOwner);
    d = open_prefs();
    d->view().check(1)->click();
    d->view().Command1->click();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
        '"' + file("pmtprefs.ini") + "\" could not be saved.\rPermission denied.");
    EXPECT_EQ(fake.boxes[0].title, "Pigmentor");
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_EQ(read("pmtprefs.ini"), QByteArray("0\r\n0\r\n0\r\n0\r\n2\r\n0\r\n"));
    d->view().Command2->click();
    EXPECT_TRUE(w.isEnabled());
}

namespace {

struct ShowHideCount : QObject {
    int shows = 0, hides = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        shows += e->type() == QEvent::Show;
        hides += e->type() == QEvent::Hide;
        return false;
    }
};

} // namespace

// On Wayland the compositor never says that the window was minimized, nor takes a request
// to undo it, and keeps no window on top for a program. A tray click or Restore on a shown
// window that is not the active one shows it anew (minimized or not, it comes back); a
// later start's activation token goes to the window, which the activation brings back
// without showing it anew; Restore is always on offer. Stay on top is greyed out in both windows
// with the reason, so About never minimizes the main window.
TEST_F(WindowModesTest, WithoutMinimizeOrTopmostFromTheDesktopTheTrayStillBringsTheWindowBack)
{
    fake.reports_minimize = false;
    fake.stays_on_top = false;
    editor::Form1& w = open_with(2);
    ShowHideCount count;
    w.installEventFilter(&count);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &other; }, 1000));

    fake.tray->restoreRequested();
    EXPECT_EQ(count.hides, 1);
    EXPECT_EQ(count.shows, 1);
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(fake.activations.size(), 1u);
    EXPECT_EQ(fake.activations[0].window, &w);
    EXPECT_EQ(fake.activations[0].token, QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; }, 1000));
    fake.tray->restoreRequested(); // the active window stays as it is
    EXPECT_EQ(count.hides, 1);
    // Restore stays on offer for a window that may be minimized without the program knowing.
    emit modes().view().newmenu.get()->aboutToShow();
    EXPECT_TRUE(modes().view().minimize->isEnabled());
    EXPECT_TRUE(modes().view().restore->isEnabled());

    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &other; }, 1000));
    w.showMinimized(); // as a title bar's button would, where the toolkit hears of it
    const int hides = count.hides;
    modes().bring_forward(QStringLiteral("launcher-token"));
    EXPECT_EQ(count.hides, hides);
    EXPECT_FALSE(w.isMinimized());
    ASSERT_EQ(fake.activations.size(), 3u);
    EXPECT_EQ(fake.activations[2].token, "launcher-token");

    for (QAction* item : {w.view().staytop, w.view().stayontopr}) {
        const std::string name = item->objectName().toStdString();
        EXPECT_FALSE(item->isEnabled()) << name;
        EXPECT_FALSE(item->isChecked()) << name;
        EXPECT_EQ(item->toolTip(), platform::kNoStayOnTopText) << name;
    }
    auto* about = open_from<shell::Splashscreen>(w.view().about);
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(w.isMinimized());
    about->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == about; }, 1000));
    const int hides_with_about = count.hides;
    fake.tray->restoreRequested(); // the box in front: activated, not shown anew
    EXPECT_EQ(count.hides, hides_with_about);
    EXPECT_EQ(about->windowHandle()->transientParent(), w.windowHandle());
    // Another window in front: the compositor may have minimized the window with its box.
    // Both are shown anew, the box after the window, still tied to it and activated.
    QTest::qWait(100); // the box raised again after the window's activation
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &other; }, 1000));
    ShowHideCount about_count;
    about->installEventFilter(&about_count);
    const int shows = count.shows;
    fake.tray->restoreRequested();
    EXPECT_EQ(count.hides, hides_with_about + 1);
    EXPECT_EQ(count.shows, shows + 1);
    EXPECT_EQ(about_count.hides, 1);
    EXPECT_EQ(about_count.shows, 1);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_EQ(about->windowHandle()->transientParent(), w.windowHandle());
    EXPECT_EQ(fake.activations.back().window, about);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == about; }, 1000));
    about->view().Command1->click();
    station::Form3* station = w.show_station();
    ASSERT_NE(station, nullptr);
    for (QAction* item : {station->view().staytop, station->view().stayontopr})
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    EXPECT_TRUE(fake.topmost.empty());
}
