#include "shell_test.h"

#include "shell/prefs_dialog.h"
#include "shell/splash.h"
#include "shell/window_modes.h"

#include <QTest>
#include <QWindow>

#include <tuple>

namespace {

class WindowModesTest : public WindowTest {
protected:
    editor::Form1& open_with_tray_mode(int mode)
    {
        write("pmtprefs.ini",
            QByteArray("0\r\n0\r\n0\r\n0\r\n") + QByteArray::number(mode) + "\r\n0\r\n");
        return open_main();
    }
    shell::WindowModes& modes() { return *main->window_modes(); }
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
        open_with_tray_mode(mode);
        EXPECT_EQ(fake.tray->isShown(), tray) << mode;
        EXPECT_EQ(modes().Timer1()->isActive(), timer) << mode;
    }
    EXPECT_EQ(fake.tray->tooltip, "Pigmentor\r");
    EXPECT_EQ(modes().Timer1()->interval(), 500);
}

TEST_F(WindowModesTest, TrayOnlyHidesAMinimizedWindowAndRestoresIt)
{
    editor::Form1& w = open_with_tray_mode(1);
    EXPECT_FALSE(modes().minimize()->isEnabled());
    w.showMinimized();
    modes().Timer1_Timer();
    EXPECT_FALSE(w.isVisible());
    expect_tray_menu_offers_minimize(false);
    ASSERT_EQ(fake.popups.size(), 1u);
    EXPECT_EQ(fake.popups[0].menu, modes().newmenu());
    EXPECT_EQ(fake.popups[0].default_action, modes().helo());
    modes().restore()->trigger();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.isMinimized());

    expect_tray_menu_offers_minimize(true);
    modes().minimize()->trigger(); // hidden at once, not minimized
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.isMinimized());
    fake.tray->restoreRequested();
    EXPECT_TRUE(w.isVisible());

    // Where there is no tray, never hidden.
    fake.tray->available = false;
    w.showMinimized();
    modes().Timer1_Timer();
    EXPECT_TRUE(w.isVisible());
}

TEST_F(WindowModesTest, BothModeMinimizesAndRestoresNormally)
{
    editor::Form1& w = open_with_tray_mode(2);
    expect_tray_menu_offers_minimize(true);
    modes().minimize()->trigger();
    EXPECT_TRUE(w.isMinimized());
    modes().Timer1_Timer(); // the timer does not run in this mode, and would not hide
    expect_tray_menu_offers_minimize(false);
    modes().restore()->trigger();
    EXPECT_FALSE(w.isMinimized());
    EXPECT_TRUE(w.isVisible());
    modes().restore()->trigger(); // on a normal window: stays normal and visible
    EXPECT_TRUE(w.isVisible());
}

TEST_F(WindowModesTest, TrayExitIsTheBoldDefaultAndExitsLikeTheMenu)
{
    write("pmtprefs.ini", "0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n");
    editor::Form1& w = open_main();
    EXPECT_TRUE(modes().helo()->font().bold());
    fake.yes_no_answers.push_back(false);
    modes().helo()->trigger();
    EXPECT_EQ(fake.questions.size(), 1u);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(process_ends, 0);
    fake.yes_no_answers.push_back(true);
    modes().helo()->trigger();
    EXPECT_EQ(process_ends, 1);
    EXPECT_FALSE(fake.tray->isShown());
}

TEST_F(WindowModesTest, StayOnTopMarksInStep)
{
    editor::Form1& w = open_main();
    item(&w, "stayontopr")->trigger();
    EXPECT_TRUE(item(&w, "staytop")->isChecked());
    EXPECT_TRUE(fake.topmost[&w]);
    item(&w, "staytop")->trigger();
    EXPECT_FALSE(item(&w, "stayontopr")->isChecked());
    EXPECT_FALSE(fake.topmost[&w]);
}

// Tray-only with Stay on top: the About box and the preferences dialog minimize the main
// window, the tray timer hides it, and it must come back whole afterwards.
TEST_F(WindowModesTest, AWindowHiddenInTheTrayStaysHiddenUntilRestoreThenComesBackWhole)
{
    editor::Form1& w = open_with_tray_mode(1);
    item(&w, "staytop")->trigger();
    item(&w, "about")->trigger();
    auto* about = shown_window<shell::Splashscreen>("Splashscreen");
    ASSERT_NE(about, nullptr);
    modes().Timer1_Timer();
    ASSERT_FALSE(w.isVisible());

    about->Command1()->click();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(w.isVisible()); // "&Close" does not itself show it
    EXPECT_FALSE(w.windowHandle() && w.windowHandle()->isVisible()); // nor map it behind Qt
    expect_tray_menu_offers_minimize(false);

    modes().restore()->trigger();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.isMinimized());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; }, 1000));
    EXPECT_TRUE(fake.topmost[&w]);
    EXPECT_TRUE(item(&w, "staytop")->isChecked());
    expect_tray_menu_offers_minimize(true);

    // The preferences dialog, unlike the About box, brings the hidden window back active.
    item(&w, "prefs")->trigger();
    auto* dialog = shown_window<shell::prefres>("prefres");
    ASSERT_NE(dialog, nullptr);
    modes().Timer1_Timer();
    ASSERT_FALSE(w.isVisible());
    dialog->Command2()->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.isMinimized());
    EXPECT_TRUE(w.isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; }, 1000));
    EXPECT_TRUE(fake.topmost[&w]);
}
