#include "shell_test.h"

#include "core/contrast.h"
#include "shell/help.h"

#include <QRegularExpression>
#include <QStyle>
#include <QTest>

namespace {

const char kStyle[] = "h1 { color: #003366; }\ncode { background: #eeeeee; }\n";

double contrast(const QColor& a, const QColor& b)
{
    return core::contrast_ratio({a.red(), a.green(), a.blue()}, {b.red(), b.green(), b.blue()});
}

QColor colour_in(const QString& css, const QString& selector, const QString& property)
{
    const QRegularExpression re(QRegularExpression::escape(selector)
        + QStringLiteral("\\s*\\{[^}]*") + property + QStringLiteral("\\s*:\\s*(#[0-9a-fA-F]{6})"));
    return QColor(re.match(css).captured(1));
}

} // namespace

TEST(HelpStyle, ColoursStayOnLightPagesAndBecomeLegibleOnDarkOnes)
{
    const QString css = QString::fromLatin1(kStyle);
    const QPalette light = QApplication::style()->standardPalette();
    EXPECT_EQ(shell::themed_style_sheet(css, light), css);

    const QPalette dark = testsupport::DesktopLook::dark_palette();
    const QString themed = shell::themed_style_sheet(css, dark);
    const QColor heading = colour_in(themed, "h1", "color");
    EXPECT_GE(contrast(heading, dark.color(QPalette::Base)), 4.5);
    EXPECT_GT(heading.blue(), heading.red()); // still a blue
    const QColor code = colour_in(themed, "code", "background");
    EXPECT_GE(contrast(dark.color(QPalette::Text), code), 4.5);
}

using HelpTest = WindowTest;

TEST_F(HelpTest, LinksStayInsideBackForwardAndContents)
{
    write("index.html",
        "<html><head><link rel=\"stylesheet\" href=\"style.css\"></head><body>"
        "<h1>Contents</h1><a href=\"a.html\">A</a> <a href=\"https://example.org/x\">out</a>"
        "</body></html>");
    write("a.html", "<html><body><h1>Page A</h1><a href=\"index.html\">back</a></body></html>");
    write("style.css", kStyle);
    auto window = std::make_unique<shell::HelpWindow>(fake, dir.path());
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show_contents();
    window->show();
    QApplication::setActiveWindow(window.get());
    const auto page = [&] { return window->browser()->source().fileName(); };
    EXPECT_EQ(page(), "index.html");
    EXPECT_FALSE(window->back()->isEnabled());
    // The pages take the style sheet: the heading is drawn in its colour.
    EXPECT_NE(window->browser()->document()->defaultStyleSheet().indexOf("#003366"), -1);

    emit window->browser()->anchorClicked(QUrl("a.html"));
    EXPECT_EQ(page(), "a.html");
    EXPECT_TRUE(fake.opened_urls.empty());
    EXPECT_TRUE(window->back()->isEnabled());

    QTest::keyClick(window->browser(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(page(), "index.html"); // one step, not two
    EXPECT_TRUE(window->forward()->isEnabled());
    QTest::keyClick(window->browser(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(page(), "a.html");
    window->back()->click();
    EXPECT_EQ(page(), "index.html");
    window->forward()->click();
    window->contents()->click();
    EXPECT_EQ(page(), "index.html");

    emit window->browser()->anchorClicked(QUrl("https://example.org/x"));
    ASSERT_EQ(fake.opened_urls.size(), 1u);
    EXPECT_EQ(fake.opened_urls[0], QUrl("https://example.org/x"));
    EXPECT_EQ(page(), "index.html");
    fake.url_opens = false;
    emit window->browser()->anchorClicked(QUrl("https://example.org/x"));
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_TRUE(fake.boxes[0].text.contains("\rhttps://example.org/x\r"));

    QTest::keyClick(window->browser(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}
