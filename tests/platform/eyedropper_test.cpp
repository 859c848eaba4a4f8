// The screen eyedropper's overlay, driven by keys and clicks over a still image whose
// every pixel has its own colour; and the fake's scripted answers.
#include "platform/eyedropper.h"
#include "platform/fake_platform.h"

#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

using platform::ScreenPick;

// Red counts the columns, green the rows, so a colour names its pixel.
QImage numbered_image(int width, int height, int scale = 1)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, QColor(x / scale * 3, y / scale * 3, 77));
    return image;
}

struct Overlay {
    std::optional<ScreenPick> result;
    int answers = 0;
    QPointer<platform::EyedropperOverlay> widget;

    explicit Overlay(std::vector<platform::ScreenImage> screens)
    {
        widget = new platform::EyedropperOverlay(std::move(screens), [this](const ScreenPick& p) {
            result = p;
            ++answers;
        });
    }
    ~Overlay() { delete widget; }
};

TEST(EyedropperOverlay, ArrowKeysMoveOnePixelAndEnterPicks)
{
    Overlay o({{QRect(0, 0, 80, 60), numbered_image(80, 60)}});
    const QPoint start = o.widget->chosen();
    ASSERT_TRUE(QRect(0, 0, 80, 60).contains(start));
    QTest::keyClick(o.widget, Qt::Key_Right);
    QTest::keyClick(o.widget, Qt::Key_Right);
    QTest::keyClick(o.widget, Qt::Key_Down);
    QTest::keyClick(o.widget, Qt::Key_Left);
    EXPECT_EQ(o.widget->chosen(), start + QPoint(1, 1));
    EXPECT_FALSE(o.result);
    QTest::keyClick(o.widget, Qt::Key_Return);
    ASSERT_TRUE(o.result);
    EXPECT_EQ(o.result->outcome, ScreenPick::Outcome::Picked);
    EXPECT_EQ(o.result->color, QColor((start.x() + 1) * 3, (start.y() + 1) * 3, 77));
    // One answer only, even when more keys or the window's end follow.
    QTest::keyClick(o.widget, Qt::Key_Return);
    delete o.widget;
    EXPECT_EQ(o.answers, 1);
}

TEST(EyedropperOverlay, EdgesHoldAndEscapeCancels)
{
    Overlay o({{QRect(0, 0, 20, 10), numbered_image(20, 10)}});
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(o.widget, Qt::Key_Left);
        QTest::keyClick(o.widget, Qt::Key_Up);
    }
    EXPECT_EQ(o.widget->chosen(), QPoint(0, 0));
    QTest::keyClick(o.widget, Qt::Key_Escape);
    ASSERT_TRUE(o.result);
    EXPECT_EQ(o.result->outcome, ScreenPick::Outcome::Cancelled);
    EXPECT_FALSE(o.result->color.isValid());
}

TEST(EyedropperOverlay, ClickPicksThePixelUnderThePointerRightClickCancels)
{
    for (const auto button : {Qt::LeftButton, Qt::RightButton}) {
        Overlay o({{QRect(0, 0, 80, 60), numbered_image(80, 60)}});
        QTest::mouseClick(o.widget, button, {}, QPoint(12, 34));
        ASSERT_TRUE(o.result);
        const bool left = button == Qt::LeftButton;
        EXPECT_EQ(o.result->outcome,
            left ? ScreenPick::Outcome::Picked : ScreenPick::Outcome::Cancelled);
        EXPECT_EQ(o.result->color, left ? QColor(36, 102, 77) : QColor()) << left;
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

TEST(FakeScreenPick, AnswersFromItsQueueThenCancels)
{
    platform::FakePlatform fake;
    fake.screen_pick_answers.push_back({ScreenPick::Outcome::Picked, QColor(1, 2, 3)});
    fake.screen_pick_answers.push_back({ScreenPick::Outcome::Unavailable, {}});
    std::vector<ScreenPick> got;
    for (int i = 0; i < 3; ++i)
        fake.pickScreenColor(nullptr, [&](const ScreenPick& p) { got.push_back(p); });
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].color, QColor(1, 2, 3));
    EXPECT_EQ(got[1].outcome, ScreenPick::Outcome::Unavailable);
    EXPECT_EQ(got[2].outcome, ScreenPick::Outcome::Cancelled);
    EXPECT_EQ(fake.screen_picks, 3);
}

} // namespace
