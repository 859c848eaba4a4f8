#include "../support/window_test.h"

#include "shell/help.h"
#include "shell/readme_viewer.h"

#include <QDir>

using ReadmeTest = WindowTest;

TEST_F(ReadmeTest, LoadsReadMeFromTheWorkingDirectory)
{
    editor::Form1& w = open_main();
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    w.action("readmetxt")->trigger();
    shell::Form2* viewer = w.readme_viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), "Pigmentor ReadMe.txt");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "Error encountered while trying to open file, please retry.");
    EXPECT_EQ(fake.boxes[0].title, "Text Editor");
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Exclamation);
    EXPECT_TRUE(viewer->Text1()->toPlainText().startsWith(
        "You should see the contents of ReadMe.txt here."));

    write("ReadMe.txt", "Hello\r\nthere\r\n");
    w.action("readmetxt")->trigger();
    EXPECT_EQ(w.readme_viewer(), viewer);
    EXPECT_EQ(viewer->Text1()->toPlainText(), "Hello\nthere\n");
    QDir::setCurrent(old);
}

TEST(ReadmeLayout, FollowsTheWindowAboveItsLimits)
{
    const auto layout = shell::readme_layout(2000, 3000);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->text_width, 1880);
    EXPECT_EQ(layout->button_left, 450);
    EXPECT_EQ(layout->text_height, 2600);
    EXPECT_FALSE(shell::readme_layout(131, 3000));
    EXPECT_FALSE(shell::readme_layout(2000, 891));
}

TEST_F(ReadmeTest, WebsiteFailureIsReportedAndTheProgramGoesOn)
{
    editor::Form1& w = open_main();
    w.action("hexwebsite")->trigger();
    ASSERT_EQ(fake.opened_urls.size(), 1u);
    EXPECT_EQ(fake.opened_urls[0].toString(), QString::fromLatin1(shell::kWebsite));
    EXPECT_TRUE(fake.boxes.empty());
    fake.url_opens = false;
    w.action("hexwebsite")->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_TRUE(fake.boxes[0].text.contains(QString::fromLatin1(shell::kWebsite)));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(ReadmeTest, HelpSaysSoWhenItsPagesAreMissing)
{
    editor::Form1& w = open_main();
    if (!shell::help_folder().isEmpty())
        GTEST_SKIP() << "help pages lie beside the test program";
    w.action("viewhelptopics")->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_TRUE(fake.boxes[0].text.contains("help pages could not be found"));
}
