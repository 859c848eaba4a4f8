#include "shell_test.h"

#include "shell/help.h"
#include "shell/prefs_dialog.h"
#include "shell/readme_viewer.h"
#include "shell/splash.h"

#include <QTest>

#include <tuple>

namespace {

// The window's layout problems, once pending layouts have run.
QStringList problems(QWidget* window, const testsupport::LayoutOptions& options = {})
{
    QApplication::processEvents();
    return testsupport::layout_problems(window, options);
}

// Application font size in points (0: the default), dark or light palette.
class LookTest : public WindowTest, public ::testing::WithParamInterface<std::tuple<int, bool>> { };

} // namespace

TEST_P(LookTest, ShellWindowsFitAndReadOnEveryDesktop)
{
    testsupport::DesktopLook look(std::get<0>(GetParam()), std::get<1>(GetParam()));
    editor::Form1& w = open_main();

    auto* about = open_from<shell::Splashscreen>(w.view().about);
    ASSERT_NE(about, nullptr);
    about->view().Command2->click(); // with the credits (hidden, they keep their place)
    ASSERT_TRUE(about->view().Label1->isVisible());
    EXPECT_EQ(problems(about), QStringList());
    EXPECT_EQ(about->size(), QSize(335, 232));
    // The buttons and the texts inside the ellipse the box is cut to.
    const QRegion ellipse(fake.shapes[about], QRegion::Ellipse);
    const auto inside = [&](const QRect& r) { return ellipse.intersected(r) == QRegion(r); };
    EXPECT_TRUE(inside(about->view().Command1->geometry()));
    EXPECT_TRUE(inside(about->view().Command2->geometry()));
    for (QLabel* label : {about->view().Label1, about->view().Label2}) {
        const QRect text = label->fontMetrics().boundingRect(
            label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
        EXPECT_TRUE(inside(text.translated(label->pos()))) << label->objectName().toStdString();
    }
    about->view().Command1->click();

    // The preferences dialog has a fixed border, but its size comes from the layout.
    auto* prefs = open_from<shell::prefres>(w.view().prefs);
    ASSERT_NE(prefs, nullptr);
    EXPECT_EQ(problems(prefs), QStringList());
    EXPECT_EQ(prefs->minimumSize(), prefs->maximumSize());
    EXPECT_EQ(prefs->size(), prefs->sizeHint());
    prefs->close();
    auto* readme = open_from<shell::Form2>(w.view().readmetxt);
    ASSERT_NE(readme, nullptr);
    EXPECT_EQ(problems(readme), QStringList());
    readme->close();

    write("index.html", "<html><body><h1>Help</h1></body></html>");
    shell::HelpWindow help(fake, dir.path());
    help.setAttribute(Qt::WA_DeleteOnClose, false);
    help.show_contents();
    help.show();
    // Contrast rules leave inactive controls out (Back and Forward on the first page).
    EXPECT_EQ(problems(&help, {{help.view().HelpBack, help.view().HelpForward}}), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Desktops, LookTest,
    ::testing::Combine(::testing::Values(0, 13, 6), ::testing::Bool()), [](const auto& info) {
        const int points = std::get<0>(info.param);
        return (points ? std::to_string(points) + "pt" : std::string("default"))
            + (std::get<1>(info.param) ? "_dark" : "_light");
    });
