#include "shell_test.h"

#include "core/contrast.h"
#include "shell/help.h"
#include "shell/readme_viewer.h"

#include <QDir>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>

#include <sys/stat.h>

using HelpTest = WindowTest;

// Links between the pages stay in the window (history one step a key); others go to the
// browser, and when that fails a box gives the address on a line of its own. The pages
// take the style sheet as it is on a light desktop, its colours made legible on a dark one.
TEST_F(HelpTest, LinksStayInsideBackForwardContentsAndTheStyleSheet)
{
    const QString css = QStringLiteral("h1 { color: #003366; }\ncode { background: #eeeeee; }\n");
    write("index.html",
        "<html><head><link rel=\"stylesheet\" href=\"style.css\"></head><body>"
        "<h1>Contents</h1><a href=\"a.html\">A</a></body></html>");
    write("a.html", "<html><body><h1>Page A</h1></body></html>");
    write("style.css", css.toLatin1());
    shell::HelpWindow window(fake, dir.path());
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show_contents();
    window.show();
    QApplication::setActiveWindow(&window);
    const auto page = [&] { return window.view().HelpPage->source().fileName(); };
    EXPECT_NE(window.view().HelpPage->document()->defaultStyleSheet().indexOf("#003366"), -1);
    emit window.view().HelpPage->anchorClicked(QUrl("a.html"));
    EXPECT_EQ(page(), "a.html");
    QTest::keyClick(window.view().HelpPage, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(page(), "index.html"); // one step, not two
    QTest::keyClick(window.view().HelpPage, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(page(), "a.html");
    window.view().HelpContents->click();
    EXPECT_EQ(page(), "index.html");

    const QUrl out("https://example.org/x");
    emit window.view().HelpPage->anchorClicked(out);
    EXPECT_EQ(fake.opened_urls, std::vector<QUrl> {out});
    EXPECT_EQ(page(), "index.html");
    fake.url_opens = false;
    emit window.view().HelpPage->anchorClicked(out);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
        "The address could not be opened. Please visit\rhttps://example.org/x\rin your web "
        "browser.");

    EXPECT_EQ(shell::themed_style_sheet(css, QApplication::style()->standardPalette()), css);
    const QPalette dark = testsupport::DesktopLook::dark_palette();
    auto colours = QRegularExpression(QStringLiteral("#[0-9a-fA-F]{6}"))
                       .globalMatch(shell::themed_style_sheet(css, dark));
    const QColor heading(colours.next().captured()), code(colours.next().captured());
    const auto contrast = [](const QColor& a, const QColor& b) {
        return core::contrast_ratio({a.red(), a.green(), a.blue()}, {b.red(), b.green(), b.blue()});
    };
    EXPECT_GE(contrast(heading, dark.color(QPalette::Base)), 4.5);
    EXPECT_GT(heading.blue(), heading.red()); // still a blue
    EXPECT_GE(contrast(dark.color(QPalette::Text), code), 4.5);
}

// The Help menu's other items. ReadMe.txt, from the working folder, into one window: the
// refusal when there is none, then the text, filling the window to its edges, never under
// "&Close", long lines wrapped (selecting, copying and Escape: e2e 50-shell.sh). The web
// site: opened, or a box with the address on a line of its own (never broken after
// "https://"). Missing help pages: a box. Closing other windows does not end the program.
TEST_F(HelpTest, ReadMeWebsiteAndMissingPagesFromTheMenu)
{
    editor::Form1& w = open_main();
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    shell::Form2* viewer = open_from<shell::Form2>(w.view().readmetxt);
    ASSERT_NE(viewer, nullptr);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "Error encountered while trying to open file, please retry.");
    EXPECT_EQ(fake.boxes[0].title, "Text Editor");
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Exclamation);
    write("ReadMe.txt", "Hello\r\nthere\r\n");
    EXPECT_EQ(open_from<shell::Form2>(w.view().readmetxt), viewer);
    EXPECT_EQ(viewer->view().Text1->toPlainText(), "Hello\nthere\n");
    // A pipe, a device or a huge file in its place: a message that says so, the text kept,
    // and the program goes on at once.
    const QString readme = file("ReadMe.txt");
    const std::pair<QString, QString> strange[]
        = {{QStringLiteral("fifo"), QStringLiteral("It is a pipe, not a regular file")},
            {QStringLiteral("/dev/zero"), QStringLiteral("It is a device, not a regular file")},
            {QStringLiteral("big"), QStringLiteral("It is larger than 4 MiB")}};
    for (const auto& [what, reason] : strange) {
        QFile::remove(readme);
        if (what == "fifo")
            ASSERT_EQ(::mkfifo(QFile::encodeName(readme).constData(), 0600), 0);
        else if (what == "big")
            write("ReadMe.txt", QByteArray(4 * 1024 * 1024 + 1, 'x'));
        else
            ASSERT_TRUE(QFile::link(what, readme));
        const size_t before = fake.boxes.size();
        w.view().readmetxt->trigger();
        ASSERT_EQ(fake.boxes.size(), before + 1);
        EXPECT_EQ(fake.boxes.back().text, "\"ReadMe.txt\" could not be opened.\r" + reason + '.');
        EXPECT_EQ(fake.boxes.back().title, "Pigmentor");
        EXPECT_EQ(viewer->view().Text1->toPlainText(), "Hello\nthere\n");
    }
    QFile::remove(readme);
    write("ReadMe.txt", QByteArray(400, 'x') + "\r\n");
    w.view().readmetxt->trigger();
    QDir::setCurrent(old);
    QPlainTextEdit* text = viewer->view().Text1;
    for (const QSize size : {QSize(626, 345), QSize(300, 200), QSize(900, 700)}) {
        viewer->resize(size);
        QApplication::processEvents();
        EXPECT_EQ(text->geometry().bottomRight(), viewer->rect().bottomRight());
        EXPECT_FALSE(text->geometry().intersects(viewer->view().Command1->geometry()));
        EXPECT_TRUE(viewer->rect().contains(viewer->view().Command1->geometry()));
        EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0);
    }
    viewer->close();
    w.show_station()->close();

    const QString site = QString::fromLatin1(shell::kWebsite);
    w.view().hexwebsite->trigger();
    EXPECT_EQ(fake.opened_urls, std::vector<QUrl> {QUrl(site)});
    fake.url_opens = false;
    w.view().hexwebsite->trigger();
    ASSERT_EQ(fake.boxes.size(), 5u);
    EXPECT_EQ(fake.boxes[4].text,
        "The web page could not be opened. Please visit\r" + site + "\rin your web browser.");
    if (shell::help_folder().isEmpty()) { // unless the pages lie beside the test program
        w.view().viewhelptopics->trigger();
        ASSERT_EQ(fake.boxes.size(), 6u);
        EXPECT_EQ(fake.boxes[5].text,
            "The help pages could not be found. They belong in the "
            "folder \"help\" beside the program.");
    }
    EXPECT_EQ(process_ends, 0);
}

TEST(ReadmeText, Utf8WhereValidElseLatin1)
{
    EXPECT_EQ(shell::readme_text("caf\xc3\xa9\r\n"), QString::fromUtf8("caf\xc3\xa9\r\n"));
    EXPECT_EQ(shell::readme_text("caf\xe9\r\n"), QString::fromUtf8("caf\xc3\xa9\r\n"));
    // One bad byte late in the file makes the whole file 8-bit.
    EXPECT_EQ(shell::readme_text("\xc3\xa9 and \xff"),
        QString::fromUtf8("\xc3\x83\xc2\xa9 and \xc3\xbf"));
}
