#include "shell_test.h"

#include "shell/app_icon.h"
#include "shell/splash.h"
#include "shell/window_modes.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>

namespace {

class SplashTest : public WindowTest {
protected:
    // Starts the program as main() does; returns the splash (null once it closed).
    QPointer<shell::Splashscreen> start()
    {
        main = std::make_unique<editor::Form1>(fake, storage::ConfigFolder(dir.path()));
        main->set_process_end([this] { ++process_ends; });
        auto* splash = new shell::Splashscreen(
            shell::Splashscreen::Mode::StartUp, fake, file("pmtprefs.ini"), main.get(), [this] {
                ++main_shows;
                main->Form_Load();
                main->show();
            });
        QPointer<shell::Splashscreen> guard(splash);
        splash->load();
        return guard;
    }
    bool has_shape(QWidget* w) const { return fake.shapes.count(w) != 0; }
    shell::Splashscreen* open_about(editor::Form1& w)
    {
        item(&w, "about")->trigger();
        return shown_window<shell::Splashscreen>("Splashscreen");
    }
    int main_shows = 0;
};

} // namespace

// No preferences file: a rectangular splash, on screen 1.1 s from its first paint.
TEST_F(SplashTest, NoPreferencesFileShowsARectangularSplashThenTheMainWindow)
{
    QPointer<shell::Splashscreen> splash = start();
    ASSERT_TRUE(splash);
    EXPECT_FALSE(has_shape(splash.data()));
    EXPECT_EQ(splash->size(), QSize(335, 232));
    EXPECT_FALSE(splash->Command1()->isVisible());
    EXPECT_EQ(main_shows, 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(splash.data()));
    QElapsedTimer shown;
    shown.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !splash; }, 3000));
    EXPECT_GE(shown.elapsed(), 1000);
    EXPECT_LE(shown.elapsed(), 1300);
    EXPECT_EQ(main_shows, 1);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->preferences()[storage::TrayMode], 0);
    EXPECT_FALSE(fake.tray->isShown());
}

// Line 4 at 0: no splash; a short file: a plain splash, the missing lines 0; line 1 at 2:
// no station.
TEST_F(SplashTest, ShowSplashOffShortFilesAndLineOneAtTwo)
{
    write("pmtprefs.ini", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    QPointer<shell::Splashscreen> splash = start();
    EXPECT_EQ(main_shows, 1);
    EXPECT_TRUE(main->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(splash);
    EXPECT_EQ(main_shows, 1);

    write("pmtprefs.ini", "1\r\n");
    splash = start();
    ASSERT_TRUE(splash);
    EXPECT_FALSE(has_shape(splash.data()));
    splash->close();
    EXPECT_NE(main->station(), nullptr);
    EXPECT_EQ(main->preferences()[0], 1);
    EXPECT_EQ(main->preferences()[1], 0);

    write("pmtprefs.ini", "2\r\n0\r\n0\r\n0\r\n1\r\n0\r\n");
    start();
    EXPECT_EQ(main->station(), nullptr);
    EXPECT_TRUE(fake.tray->isShown());
    EXPECT_TRUE(main->window_modes()->Timer1()->isActive()); // mode 1
}

TEST_F(SplashTest, AnyOtherValueShowsTheEllipseAndLoadsTheStationWhenAsked)
{
    write("pmtprefs.ini", "1\r\n0\r\n0\r\n5\r\n2\r\n0\r\n");
    QPointer<shell::Splashscreen> splash = start();
    ASSERT_TRUE(splash);
    ASSERT_TRUE(has_shape(splash.data()));
    EXPECT_EQ(fake.shapes[splash.data()], QRect(QPoint(1, 1), QPoint(334, 231)));
    splash->Timer1()->stop();
    splash->close();
    EXPECT_EQ(main_shows, 1);
    ASSERT_NE(main->station(), nullptr); // line 1 is exactly 1
    EXPECT_TRUE(main->station()->isVisible());
    EXPECT_TRUE(fake.tray->isShown());
    EXPECT_FALSE(main->window_modes()->Timer1()->isActive()); // mode 2
}

// With Stay on top the box minimizes the main window; tied to it only once it is back,
// as some window managers would minimize the box with it.
TEST_F(SplashTest, AboutBoxOverStayOnTopMinimizesAndDisablesTheMainWindowUntilClose)
{
    editor::Form1& w = open_main();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    item(&w, "staytop")->trigger();
    shell::Splashscreen* about = open_about(w);
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(w.isMinimized());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_TRUE(about->Command1()->isVisible());
    EXPECT_TRUE(about->Command2()->isVisible());
    EXPECT_FALSE(about->Timer1()->isActive());
    EXPECT_FALSE(about->Label1()->isVisible());
    EXPECT_EQ(about->windowHandle()->transientParent(), nullptr);
    w.showNormal();
    EXPECT_EQ(about->windowHandle()->transientParent(), w.windowHandle());
    w.showMinimized();

    about->Command2()->click();
    EXPECT_TRUE(about->Label1()->isVisible());
    EXPECT_EQ(about->Command2()->text(), "Hide");
    QTest::mouseClick(about->Label1(), Qt::LeftButton);
    EXPECT_FALSE(about->Label1()->isVisible());
    EXPECT_EQ(about->Command2()->text(), "&More Info");

    about->Command1()->click();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(w.isMinimized());
}

TEST_F(SplashTest, AboutBoxLaysOutItsCreditsInsideTheEllipseStaysInFrontAndClosesWithEscape)
{
    editor::Form1& w = open_main();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* about = open_about(w);
    ASSERT_NE(about, nullptr);
    // The credits toggle's holder is no control of the window (nor of its accessibility tree).
    EXPECT_EQ(about->findChild<QCheckBox*>(), nullptr);
    about->Command2()->click();
    ASSERT_TRUE(about->Label1()->isVisible());
    EXPECT_FALSE(about->Label1()->geometry().intersects(about->Label2()->geometry()));
    ASSERT_TRUE(has_shape(about));
    const QRegion ellipse(fake.shapes[about], QRegion::Ellipse);
    const auto inside = [&](const QRect& r) { return ellipse.intersected(r) == QRegion(r); };
    EXPECT_TRUE(inside(about->Command1()->geometry()));
    EXPECT_TRUE(inside(about->Command2()->geometry()));
    for (QLabel* label : {about->Label1(), about->Label2()}) {
        const QRect text = QFontMetrics(label->font())
                               .boundingRect(label->contentsRect(),
                                   int(label->alignment()) | Qt::TextWordWrap, label->text())
                               .translated(label->pos());
        EXPECT_TRUE(inside(text)) << label->objectName().toStdString();
    }
    // A click that activates the disabled main window hands the activation back to the box.
    EXPECT_EQ(about->windowHandle()->transientParent(), w.windowHandle());
    QApplication::setActiveWindow(&w);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == about; }, 1000));

    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_TRUE(w.isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(shown_window<shell::Splashscreen>("Splashscreen"), nullptr);
}

TEST(AppIcon, ComesFromTheThemeFilesAtTheDevicePixelRatio)
{
    const auto file = [](int size) {
        return QImage(QStringLiteral(":/icons/pigmentor-%1.png").arg(size))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    // At scale 1.5 and 2 the larger file itself, not the 32-pixel one scaled up.
    for (const auto& [ratio, pixels] : {std::pair {1.0, 32}, {1.5, 48}, {2.0, 64}}) {
        const QIcon icon = shell::app_icon({pixels});
        ASSERT_FALSE(icon.isNull());
        const QPixmap pixmap = icon.pixmap(QSize(32, 32), ratio);
        EXPECT_EQ(pixmap.size(), QSize(pixels, pixels)) << ratio;
        EXPECT_EQ(
            pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), file(pixels))
            << ratio;
    }
    // A size between two files takes the larger; one beyond the largest takes the largest;
    // a file is added once.
    EXPECT_EQ(shell::app_icon({40, 44, 300}).availableSizes(),
        QList<QSize>({QSize(48, 48), QSize(256, 256)}));
}
