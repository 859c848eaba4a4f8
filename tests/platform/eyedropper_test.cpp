// The screen eyedropper's overlay, driven by keys and clicks over a still image whose
// every pixel has its own colour.
#include "platform/eyedropper.h"
#include "platform/qt_platform.h"

#include <QPointer>
#include <QTest>
#include <QWindow>

#include <map>
#include <string>

#include <gtest/gtest.h>

namespace {

using platform::ScreenPick;
using Outcome = platform::ScreenPick::Outcome;

// Red counts the columns, green the rows, so a colour names its pixel.
QImage numbered_image(int width, int height, int scale = 1)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, QColor(x / scale * 3, y / scale * 3, 77));
    return image;
}

// The overlay over one 80 x 60 screen unless told otherwise, and every answer it gave.
struct Overlay {
    std::vector<ScreenPick> answers;
    QPointer<platform::EyedropperOverlay> widget;

    explicit Overlay(std::vector<platform::ScreenImage> screens
        = {{QRect(0, 0, 80, 60), numbered_image(80, 60)}})
        : widget(new platform::EyedropperOverlay(
            std::move(screens), [this](const ScreenPick& p) { answers.push_back(p); }))
    {
    }
    ~Overlay() { delete widget; }
};

TEST(EyedropperOverlay, ArrowKeysMoveOnePixelAndHoldAtTheEdgesEnterPicksOnce)
{
    Overlay o;
    ASSERT_TRUE(QRect(0, 0, 80, 60).contains(o.widget->chosen()));
    for (int i = 0; i < 100; ++i)
        for (const auto key : {Qt::Key_Left, Qt::Key_Up})
            QTest::keyClick(o.widget, key);
    EXPECT_EQ(o.widget->chosen(), QPoint(0, 0));
    for (const auto key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left})
        QTest::keyClick(o.widget, key);
    EXPECT_EQ(o.widget->chosen(), QPoint(1, 1));
    EXPECT_TRUE(o.answers.empty());
    QTest::keyClick(o.widget, Qt::Key_Return);
    // One answer only, even when more keys or the window's end follow.
    QTest::keyClick(o.widget, Qt::Key_Return);
    delete o.widget;
    ASSERT_EQ(o.answers.size(), 1u);
    EXPECT_EQ(o.answers[0].outcome, Outcome::Picked);
    EXPECT_EQ(o.answers[0].color, QColor(3, 3, 77));
}

TEST(EyedropperOverlay, ClickPicksThePixelUnderThePointerRightClickAndEscapeCancel)
{
    for (int way = 0; way < 3; ++way) {
        Overlay o;
        if (way == 2)
            QTest::keyClick(o.widget, Qt::Key_Escape);
        else
            QTest::mouseClick(o.widget, way ? Qt::RightButton : Qt::LeftButton, {}, {12, 34});
        ASSERT_EQ(o.answers.size(), 1u);
        EXPECT_EQ(o.answers[0].outcome, way ? Outcome::Cancelled : Outcome::Picked);
        EXPECT_EQ(o.answers[0].color, way ? QColor() : QColor(36, 102, 77)) << way;
    }
}

// Two screens side by side, the second with twice the device pixels.
TEST(EyedropperOverlay, SeveralScreensAndDevicePixels)
{
    Overlay o({{QRect(0, 0, 40, 30), numbered_image(40, 30)},
        {QRect(40, 0, 40, 30), numbered_image(40, 30, 2)}});
    EXPECT_EQ(o.widget->geometry(), QRect(0, 0, 80, 30));
    EXPECT_EQ(o.widget->colorAt({39, 29}), QColor(117, 87, 77));
    EXPECT_EQ(o.widget->colorAt({45, 7}), QColor(15, 21, 77));
    EXPECT_FALSE(o.widget->colorAt({45, 31}).isValid());
    // The magnifier paints without leaving the window, at a corner too.
    o.widget->resize(80, 30);
    EXPECT_FALSE(o.widget->grab().isNull());
}

} // namespace

// The overlay's own grab sees nothing of a Wayland desktop's windows, also from a program
// on X11 there (Xwayland): a Wayland session picks through the portal. A portal picker that
// is closed answers 1 or, for some, 2: both are a cancel, never "cannot pick".
TEST(PortalColorPicker, AWaylandSessionUsesThePortalAndItsCancelIsACancel)
{
    const auto session = [](std::map<std::string, QString> env) {
        return platform::wayland_session(
            [&](const char* name) { return env.count(name) ? env[name] : QString(); });
    };
    EXPECT_FALSE(session({{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}));
    EXPECT_TRUE(session({{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}}));
    EXPECT_TRUE(session({{"DISPLAY", ":1"}, {"XDG_SESSION_TYPE", "wayland"}}));
    EXPECT_FALSE(session({}));

    using Outcome = platform::ScreenPick::Outcome;
    for (uint code : {1u, 2u, 0u})
        EXPECT_EQ(platform::PortalColorPicker::answer(code, {}).outcome, Outcome::Cancelled)
            << code;
}

// Stay on top is told to the window as it is: no new native window (which would lose its
// place, its task bar entry and its boxes' ties), no move, and off again the same way.
TEST(QtPlatform, StayOnTopKeepsTheNativeWindow)
{
    platform::QtPlatform qt;
    ASSERT_TRUE(qt.canStayOnTop()); // not a Wayland compositor
    QWidget w;
    w.setGeometry(40, 50, 200, 100);
    w.show();
    const WId native = w.winId();
    for (bool on : {true, false}) {
        qt.setTopmost(&w, on);
        EXPECT_EQ(w.winId(), native);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.geometry(), QRect(40, 50, 200, 100));
        EXPECT_EQ(bool(w.windowFlags() & Qt::WindowStaysOnTopHint), on);
        EXPECT_EQ(bool(w.windowHandle()->flags() & Qt::WindowStaysOnTopHint), on);
    }
}
