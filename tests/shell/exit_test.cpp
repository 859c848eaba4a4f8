#include "shell_test.h"

#include "shell/exit_sequence.h"

#include <QElapsedTimer>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <functional>

using ExitTest = WindowTest;

// Every size a window takes while it runs, in order; on_resize runs at each.
struct SizeWatch : QObject {
    QList<QSize> sizes;
    std::function<void()> on_resize = [] {};
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Resize) {
            sizes << static_cast<QWidget*>(o)->size();
            on_resize();
        }
        return false;
    }
};

// No to the question keeps every window and writes nothing. The close reads the
// preferences again: with the question now off and Auto save on, it saves the colour.
TEST_F(ExitTest, ConfirmNoWritesNothingAndTheNextCloseRereadsThePreferences)
{
    write("pmtprefs.ini", "0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n");
    editor::Form1& w = open_main();
    w.show_station();
    fake.yes_no_answers.push_back(false);
    w.view().exit->trigger();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.station()->isVisible());
    EXPECT_EQ(read("pmtsetgs.ini"), QByteArray("<missing>"));
    EXPECT_EQ(read("pmtmprefs.ini"), QByteArray("<missing>"));
    EXPECT_EQ(process_ends, 0);

    write("pmtprefs.ini", "0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n");
    w.psets(1, 2, 3);
    w.close();
    EXPECT_EQ(fake.questions, std::vector<QString> {"Pigmentor: Are you sure you want to quit?"});
    EXPECT_EQ(process_ends, 1);
    EXPECT_EQ(read("pmtsetgs.ini"), QByteArray("0\r\n1\r\n\"1  2  3  \"\r\n"));
}

// Like a TV: the station's preferences are saved before the first step; the height goes
// first, 5 pixels a step at full width, then the width at the line's height, to a point
// in the middle of the screen, within a second; out of time, each phase jumps to its end.
// (Under a real window manager: e2e 60-window-manager.sh.)
TEST_F(ExitTest, TvCloseSavesFirstThenShrinksHeightThenWidthAroundTheMiddle)
{
    QWidget late;
    late.resize(420, 380);
    late.show();
    SizeWatch late_watch;
    late.installEventFilter(&late_watch);
    QElapsedTimer clock;
    clock.start();
    shell::close_like_a_tv(&late, 0);
    EXPECT_LT(clock.elapsed(), 400);
    ASSERT_GE(late_watch.sizes.size(), 2);
    EXPECT_EQ(late_watch.sizes.first(), QSize(420, 2)); // the line at once, then the point
    EXPECT_LE(late.width(), 2);

    write("pmtprefs.ini", "0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n");
    editor::Form1& w = open_main();
    w.show_station()->view().oval->trigger();
    const QSize before = w.size();
    SizeWatch watch;
    QList<QByteArray> prefs_at_resize;
    watch.on_resize = [&] { prefs_at_resize << read("pmtmprefs.ini"); };
    w.installEventFilter(&watch);
    clock.restart();
    w.close();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(process_ends, 1);
    const QList<QSize>& sizes = watch.sizes;
    ASSERT_GT(sizes.size(), 20);
    EXPECT_EQ(prefs_at_resize.first(), QByteArray("#TRUE#\r\n"));
    EXPECT_EQ(sizes.first(), before - QSize(0, 5));
    const auto narrower = [&](const QSize& s) { return s.width() < before.width(); };
    EXPECT_TRUE(std::all_of(std::find_if(sizes.begin(), sizes.end(), narrower), sizes.end(),
        [](const QSize& s) { return s.height() <= 2; }));
    EXPECT_LE(w.width(), 2); // and, as above, the height
    EXPECT_NEAR(w.geometry().center().x(), w.screen()->geometry().center().x(), 2);
    EXPECT_NEAR(w.geometry().center().y(), w.screen()->geometry().center().y(), 2);
}
