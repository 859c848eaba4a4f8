#include "shell_test.h"

#include "shell/help.h"
#include "shell/readme_viewer.h"

#include <QClipboard>
#include <QDir>
#include <QScrollBar>
#include <QTest>

using ReadmeTest = WindowTest;

TEST_F(ReadmeTest, LoadsReadMeFromTheWorkingDirectoryIntoAWindowItFills)
{
    editor::Form1& w = open_main();
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    item(&w, "readmetxt")->trigger();
    shell::Form2* viewer = shown_window<shell::Form2>("Form2");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), "Pigmentor ReadMe.txt");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "Error encountered while trying to open file, please retry.");
    EXPECT_EQ(fake.boxes[0].title, "Text Editor");
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Exclamation);
    EXPECT_TRUE(viewer->Text1()->toPlainText().startsWith(
        "You should see the contents of ReadMe.txt here."));

    write("ReadMe.txt", "Hello\r\nthere\r\n");
    item(&w, "readmetxt")->trigger();
    EXPECT_EQ(shown_window<shell::Form2>("Form2"), viewer);
    EXPECT_EQ(viewer->Text1()->toPlainText(), "Hello\nthere\n");

    // A long line, in 8-bit text: fills the window, wraps, copies, and Escape closes.
    write("ReadMe.txt", QByteArray(400, 'x') + " caf\xe9\r\n");
    item(&w, "readmetxt")->trigger();
    QDir::setCurrent(old);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer));
    QPlainTextEdit* text = viewer->Text1();
    EXPECT_TRUE(text->toPlainText().endsWith(QString::fromUtf8(" caf\xc3\xa9\n")));

    for (const QSize size : {QSize(626, 345), QSize(300, 200), QSize(900, 700)}) {
        viewer->resize(size);
        QApplication::processEvents();
        // To the window's right and bottom edges, and never under "&Close".
        EXPECT_EQ(text->geometry().right(), viewer->width() - 1);
        EXPECT_EQ(text->geometry().bottom(), viewer->height() - 1);
        EXPECT_FALSE(text->geometry().intersects(viewer->Command1()->geometry()));
        EXPECT_TRUE(viewer->rect().contains(viewer->Command1()->geometry()));
        // The 400 characters wrap: nothing to scroll sideways.
        EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0);
    }

    text->setFocus();
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), text->toPlainText());

    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());
}

TEST(ReadmeText, Utf8WhereValidElseLatin1)
{
    EXPECT_EQ(shell::readme_text("caf\xc3\xa9\r\n"), QString::fromUtf8("caf\xc3\xa9\r\n"));
    EXPECT_EQ(shell::readme_text("caf\xe9\r\n"), QString::fromUtf8("caf\xc3\xa9\r\n"));
    // One bad byte late in the file makes the whole file 8-bit.
    EXPECT_EQ(shell::readme_text("\xc3\xa9 and \xff"),
        QString::fromUtf8("\xc3\x83\xc2\xa9 and \xc3\xbf"));
}

TEST_F(ReadmeTest, WebsiteAndHelpFailuresAreReportedAndTheProgramGoesOn)
{
    editor::Form1& w = open_main();
    item(&w, "hexwebsite")->trigger();
    ASSERT_EQ(fake.opened_urls.size(), 1u);
    EXPECT_EQ(fake.opened_urls[0].toString(), QString::fromLatin1(shell::kWebsite));
    EXPECT_TRUE(fake.boxes.empty());
    fake.url_opens = false;
    item(&w, "hexwebsite")->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    // The address on a line of its own: the box never breaks it after "https://".
    EXPECT_TRUE(fake.boxes[0].text.contains(
        QLatin1Char('\r') + QString::fromLatin1(shell::kWebsite) + QLatin1Char('\r')));
    EXPECT_TRUE(w.isVisible());

    // Help says so when its pages are missing (unless they lie beside the test program).
    if (shell::help_folder().isEmpty()) {
        item(&w, "viewhelptopics")->trigger();
        ASSERT_EQ(fake.boxes.size(), 2u);
        EXPECT_TRUE(fake.boxes[1].text.contains("help pages could not be found"));
    }
}
