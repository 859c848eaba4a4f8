#include "shell_test.h"

#include "shell/help.h"
#include "shell/prefs_dialog.h"
#include "shell/readme_viewer.h"
#include "shell/splash.h"

#include <QDir>
#include <QTest>

namespace {

struct Look {
    double point_size;
    bool dark;
};

const Look kLooks[] = {{0, false}, {0, true}, {13, false}, {13, true}, {6, false}, {6, true}};

class LookTest : public WindowTest, public ::testing::WithParamInterface<Look> {
protected:
    QStringList problems(QWidget* window)
    {
        QApplication::processEvents();
        // Contrast rules leave inactive controls out (a greyed Back with no page before).
        testsupport::LayoutOptions options;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isEnabled())
                options.exempt.insert(w);
        }
        return testsupport::layout_problems(window, options);
    }
};

std::string look_name(const ::testing::TestParamInfo<Look>& info)
{
    return (info.param.point_size > 0 ? std::to_string(int(info.param.point_size)) + "pt"
                                      : std::string("default"))
        + (info.param.dark ? "_dark" : "_light");
}

} // namespace

TEST_P(LookTest, ShellWindowsFitAndReadOnEveryDesktop)
{
    testsupport::DesktopLook look(GetParam().point_size, GetParam().dark);
    editor::Form1& w = open_main();

    item(&w, "about")->trigger();
    auto* about = shown_window<shell::Splashscreen>("Splashscreen");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(problems(about), QStringList());
    about->Command2()->click();
    EXPECT_EQ(problems(about), QStringList()) << "credits shown";
    EXPECT_EQ(about->size(), QSize(335, 232));
    about->Command1()->click();

    item(&w, "prefs")->trigger();
    auto* prefs = shown_window<shell::prefres>("prefres");
    ASSERT_NE(prefs, nullptr);
    EXPECT_EQ(problems(prefs), QStringList());
    // A fixed border, but the size comes from the layout: every caption fits.
    EXPECT_EQ(prefs->minimumSize(), prefs->maximumSize());
    EXPECT_EQ(prefs->size(), prefs->sizeHint());
    prefs->Command2()->click();

    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    item(&w, "readmetxt")->trigger();
    QDir::setCurrent(old);
    auto* readme = shown_window<shell::Form2>("Form2");
    ASSERT_NE(readme, nullptr);
    EXPECT_EQ(problems(readme), QStringList());
    readme->close();

    write("index.html", "<html><body><h1>Help</h1></body></html>");
    shell::HelpWindow help(fake, dir.path());
    help.setAttribute(Qt::WA_DeleteOnClose, false);
    help.show_contents();
    help.show();
    EXPECT_EQ(problems(&help), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Desktops, LookTest, ::testing::ValuesIn(kLooks), look_name);
