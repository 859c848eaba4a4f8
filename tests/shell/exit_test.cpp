#include "shell_test.h"

#include "shell/exit_sequence.h"

#include <QElapsedTimer>
#include <QScreen>
#include <QTest>

#include <functional>

using ExitTest = WindowTest;

// Every size a window takes while it runs, in order; on_resize runs at each.
struct SizeWatch : QObject {
    explicit SizeWatch(QWidget* window, std::function<void()> on_resize = {})
        : on_resize(std::move(on_resize))
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Resize) {
            sizes << static_cast<QWidget*>(o)->size();
            if (on_resize)
                on_resize();
        }
        return false;
    }
    std::function<void()> on_resize;
    QList<QSize> sizes;
};

TEST_F(ExitTest, ConfirmNoKeepsEverythingAndWritesNothing)
{
    write("pmtprefs.ini", "0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n");
    editor::Form1& w = open_main();
    w.show_station();
    fake.yes_no_answers.push_back(false);
    item(&w, "exit")->trigger();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.station()->isVisible());
    EXPECT_EQ(read("pmtsetgs.ini"), QByteArray("<missing>"));
    EXPECT_EQ(read("pmtmprefs.ini"), QByteArray("<missing>"));
    EXPECT_EQ(process_ends, 0);

    fake.yes_no_answers.push_back(true);
    QTest::keyClick(&w, Qt::Key_F4);
    EXPECT_EQ(process_ends, 1);
    EXPECT_EQ(read("pmtsetgs.ini"), QByteArray("0\r\n1\r\n\"0  0  0  \"\r\n"));
    EXPECT_EQ(read("pmtmprefs.ini"), QByteArray("#FALSE#\r\n"));
}

TEST_F(ExitTest, CloseRequestRereadsThePreferences)
{
    editor::Form1& w = open_main();
    write("pmtprefs.ini", "0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n");
    w.psets(1, 2, 3);
    w.close();
    EXPECT_TRUE(fake.questions.empty());
    EXPECT_EQ(read("pmtsetgs.ini"), QByteArray("0\r\n1\r\n\"1  2  3  \"\r\n"));
}

TEST_F(ExitTest, StationPreferencesAreSavedBeforeTheAnimation)
{
    write("pmtprefs.ini", "0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n");
    editor::Form1& w = open_main();
    station::Form3* s = w.show_station();
    item(s, "oval")->trigger();
    const QRect before = w.geometry();
    QByteArray prefs_at_first_shrink;
    SizeWatch watch(&w, [&] {
        if (prefs_at_first_shrink.isEmpty())
            prefs_at_first_shrink = read("pmtmprefs.ini");
    });
    w.close();
    EXPECT_EQ(process_ends, 1);
    EXPECT_GT(watch.sizes.size(), 10);
    EXPECT_EQ(prefs_at_first_shrink, QByteArray("#TRUE#\r\n"));
    EXPECT_LT(w.width(), before.width());
    EXPECT_LE(w.height(), 2);
}

// Height first, at full width, then width at the line height, to a point in the middle of
// the screen; out of time, each phase jumps to its end.
TEST_F(ExitTest, TvAnimationShrinksHeightThenWidthAroundTheMiddle)
{
    QWidget window;
    window.resize(300, 200);
    window.show();
    SizeWatch watch(&window);
    const QList<QSize>& sizes = watch.sizes;
    QElapsedTimer clock;
    clock.start();
    shell::close_like_a_tv(&window);
    EXPECT_LT(clock.elapsed(), 1000);
    ASSERT_GT(sizes.size(), 20);
    EXPECT_EQ(sizes.first(), QSize(300, 195)); // 75 twips = 5 pixels down
    int i = 0;
    while (i < sizes.size() && sizes[i].width() == 300)
        ++i;
    for (int j = i; j < sizes.size(); ++j)
        EXPECT_LE(sizes[j].height(), 2);
    EXPECT_LE(window.width(), 2);
    const QRect screen = window.screen()->geometry();
    EXPECT_NEAR(window.geometry().center().y(), screen.center().y(), 2);
    EXPECT_NEAR(window.geometry().center().x(), screen.center().x(), 2);

    QWidget late;
    late.resize(420, 380);
    late.show();
    SizeWatch late_watch(&late);
    clock.restart();
    shell::close_like_a_tv(&late, 0);
    EXPECT_LT(clock.elapsed(), 400);
    ASSERT_GE(late_watch.sizes.size(), 2);
    EXPECT_EQ(late_watch.sizes.first(), QSize(420, 2)); // the line, at once
    EXPECT_LE(late.width(), 2); // then the point
}

TEST_F(ExitTest, OtherWindowsCloseWithoutEndingTheProgram)
{
    editor::Form1& w = open_main();
    station::Form3* s = w.show_station();
    s->close();
    EXPECT_EQ(process_ends, 0);
    item(&w, "readmetxt")->trigger();
    shown_window<shell::Form2>("Form2")->close();
    EXPECT_EQ(process_ends, 0);
    EXPECT_TRUE(w.isVisible());
}
