#include "shell_test.h"

#include "widgets/app_icon.h"
#include "shell/splash.h"

#include <QCheckBox>
#include <QPointer>
#include <QTest>

using SplashTest = WindowTest;

// Started as main() does. Line 4 at 0: no splash; no file, or one too short to say: a
// plain splash; any other value: the ellipse. Line 1 at exactly 1 loads the station. The
// main window shows once, after the splash. (Its 1.1 s on screen: e2e 60-window-manager.sh.)
TEST_F(SplashTest, PreferencesDecideTheSplashItsShapeAndTheStation)
{
    const struct {
        const char* bytes;
        bool splash, ellipse, station;
    } cases[]
        = {{nullptr, true, false, false}, {"0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n", false, false, false},
            {"1\r\n", true, false, true}, {"2\r\n0\r\n0\r\n0\r\n1\r\n0\r\n", false, false, false},
            {"1\r\n0\r\n0\r\n5\r\n2\r\n0\r\n", true, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes ? c.bytes : "no file");
        if (c.bytes)
            write("pmtprefs.ini", c.bytes);
        main = std::make_unique<editor::Form1>(fake, storage::ConfigFolder(dir.path()));
        fake.shapes.clear();
        int shows = 0;
        QPointer<shell::Splashscreen> splash = new shell::Splashscreen(
            shell::Splashscreen::Mode::StartUp, fake, file("pmtprefs.ini"), main.get(), [&] {
                ++shows;
                main->Form_Load();
                main->show();
            });
        splash->load();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(!splash.isNull(), c.splash);
        if (splash) {
            EXPECT_EQ(shows, 0);
            EXPECT_FALSE(splash->view().Command1->isVisible());
            EXPECT_EQ(fake.shapes.count(splash) ? fake.shapes[splash] : QRect(),
                c.ellipse ? QRect(QPoint(1, 1), QPoint(334, 231)) : QRect());
            splash->close();
        }
        EXPECT_EQ(shows, 1);
        EXPECT_EQ(main->station() && main->station()->isVisible(), c.station);
    }
}

// The box disables the main window until closed. With Stay on top (either item, marks in
// step) it minimizes the main window, and is tied to it only once it is back, as some
// window managers would minimize the box with it.
TEST_F(SplashTest, AboutBoxHoldsTheMainWindowUntilClosed)
{
    editor::Form1& w = open_main();
    auto* about = open_from<shell::Splashscreen>(w.view().about);
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(w.isEnabled());
    EXPECT_FALSE(about->Timer1()->isActive());
    // The credits toggle's holder is no control of the window (nor of its accessibility tree).
    EXPECT_EQ(about->findChild<QCheckBox*>(), nullptr);
    EXPECT_EQ(about->windowHandle()->transientParent(), w.windowHandle());
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_TRUE(w.isEnabled());

    w.view().stayontopr->trigger(); // the right-click twin: both marks in step
    EXPECT_TRUE(w.view().staytop->isChecked());
    EXPECT_TRUE(fake.topmost[&w]);
    about = open_from<shell::Splashscreen>(w.view().about);
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(w.isMinimized());
    EXPECT_EQ(about->windowHandle()->transientParent(), nullptr);
    w.showNormal();
    EXPECT_EQ(about->windowHandle()->transientParent(), w.windowHandle());
    w.showMinimized();
    about->view().Command2->click();
    EXPECT_TRUE(about->view().Label1->isVisible());
    EXPECT_EQ(about->view().Command2->text(), "Hide");
    QTest::mouseClick(about->view().Label1, Qt::LeftButton);
    EXPECT_FALSE(about->view().Label1->isVisible());
    EXPECT_EQ(about->view().Command2->text(), "&More Info");
    about->view().Command1->click();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_FALSE(w.isMinimized());
    w.view().staytop->trigger();
    EXPECT_FALSE(w.view().stayontopr->isChecked());
    EXPECT_FALSE(fake.topmost[&w]);
}

TEST(AppIcon, ComesFromTheThemeFilesAtTheDevicePixelRatio)
{
    // At scale 1.5 and 2 the larger file itself, not the 32-pixel one scaled up.
    for (const auto& [ratio, pixels] : {std::pair {1.0, 32}, {1.5, 48}, {2.0, 64}}) {
        const QImage shown = widgets::app_icon({pixels}).pixmap(QSize(32, 32), ratio).toImage();
        const QImage file(QStringLiteral(":/icons/pigmentor-%1.png").arg(pixels));
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
            file.convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << ratio;
    }
    // A size between two files takes the larger; one beyond the largest takes the largest;
    // a file is added once.
    EXPECT_EQ(widgets::app_icon({40, 44, 300}).availableSizes(),
        QList<QSize>({QSize(48, 48), QSize(256, 256)}));
}
