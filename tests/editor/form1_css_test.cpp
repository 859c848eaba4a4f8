#include "../support/window_test.h"

#include "core/css.h"
#include "editor/recent_colors.h"
#include "platform/eyedropper.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

using Form1Css = WindowTest;
using platform::ScreenPick;

// Every value change of the three bars, in order, as "channel:value".
struct BarLog {
    QStringList writes;
    explicit BarLog(editor::Form1& w)
    {
        for (int c = 0; c < 3; ++c)
            QObject::connect(w.CLR(c), &QScrollBar::valueChanged, w.CLR(c),
                [this, c](int v) { writes << QStringLiteral("%1:%2").arg(c).arg(v); });
    }
};

QStringList recent_codes(const editor::Form1& w)
{
    QStringList codes;
    for (const core::Rgb& c : w.view().recent->colors())
        codes << QString::fromStdString(core::build_hex_code(c));
    return codes;
}

} // namespace

TEST_F(Form1Css, PasteCssAndScreenPickWriteThroughTheBarsRedFirst)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    BarLog log(w);
    fake.clipboard = "  rgb(51, 102, 153)\r\n";
    v.Text4->setFocus(); // the shortcut wins over the focused hex box
    QTest::keyClick(v.Text4, Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(log.writes, QStringList({"0:51", "1:102", "2:153"}));
    EXPECT_EQ(v.Label1->text(), "336699");
    EXPECT_EQ(v.Text4->text(), "336699");
    EXPECT_TRUE(fake.boxes.empty());

    fake.clipboard = "#ff9900"; // refused by F2, a CSS colour here
    v.pastecss->trigger();
    EXPECT_EQ(v.Label1->text(), "FF9900");

    // A pick from the screen writes through the bars too; a cancel changes nothing; a desktop
    // without any way to pick says so.
    log.writes.clear();
    fake.screen_pick_answers.push_back({ScreenPick::Outcome::Picked, QColor(0x12, 0xAB, 0x34)});
    v.pickScreen->click();
    EXPECT_EQ(log.writes, QStringList({"0:18", "1:171", "2:52"}));
    EXPECT_EQ(v.Label1->text(), "12AB34");

    fake.screen_pick_answers.push_back({ScreenPick::Outcome::Cancelled, {}});
    v.pickscreen->trigger();
    EXPECT_EQ(v.Label1->text(), "12AB34");
    EXPECT_TRUE(fake.boxes.empty());
    fake.screen_pick_answers.push_back({ScreenPick::Outcome::Unavailable, {}});
    v.pickscreen_right->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].title, QString::fromLatin1(platform::kPickTitle));
    EXPECT_EQ(fake.boxes[0].text, QString::fromLatin1(platform::kPickUnavailableText));
    EXPECT_EQ(v.Label1->text(), "12AB34");
    EXPECT_EQ(fake.screen_picks, 3);

    // Auto Safe snaps a pasted CSS colour like any other.
    v.Check2->click();
    fake.clipboard = "hsl(210deg 50% 41%)";
    v.pastecss->trigger();
    EXPECT_EQ(v.Label1->text(), "336699");
}

TEST_F(Form1Css, RefusedCssPastesSayWhyAndChangeNothing)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    w.psets(10, 20, 30);
    v.Text4->setText("abc");
    BarLog log(w);
    const QStringList see_through = {"#ff000080", "rgba(0, 0, 0, 0.5)", "transparent"};
    const QStringList not_colours = {"hsl(120 50%)", "rgb(256, 0, 0)", "#12345", "",
        QStringLiteral("#fff") + QString(1 << 20, QLatin1Char(' '))};
    for (bool transparent : {true, false}) {
        for (const QString& text : transparent ? see_through : not_colours) {
            SCOPED_TRACE(text.left(20).toStdString());
            fake.boxes.clear();
            fake.clipboard = text;
            v.pastecss->trigger();
            ASSERT_EQ(fake.boxes.size(), 1u);
            EXPECT_EQ(fake.boxes[0].title, transparent ? "Transparent Color" : "Not a CSS Color");
            EXPECT_EQ(fake.boxes[0].icon, core::Icon::Stop);
            const auto why
                = transparent ? core::CssRefusal::NotOpaque : core::CssRefusal::NotAColor;
            EXPECT_EQ(
                fake.boxes[0].text, QString::fromStdString(core::css_refusal_message(why).text));
        }
    }
    EXPECT_TRUE(log.writes.isEmpty());
    EXPECT_EQ(v.Label1->text(), "0A141E");
    EXPECT_EQ(v.Text4->text(), "abc");
    EXPECT_TRUE(w.view().recent->colors().empty());
}

TEST_F(Form1Css, InformationLineAndCopyAsCssWhichFollowsTheAlertOptionAsTheHexCopyDoes)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    EXPECT_EQ(v.cssInfo->text(), "black   hsl(0, 0%, 0%)");
    w.psets(255, 153, 0);
    EXPECT_EQ(v.cssInfo->text(), QStringLiteral("≈ orange   hsl(36, 100%, 50%)"));
    v.Check1->click(); // the "#" option does not touch CSS texts
    struct Case {
        QAction* item;
        const char* copied;
    } cases[] = {
        {v.copycss.hex, "#ff9900"},
        {v.copycss.short_hex, "#f90"},
        {v.copycss.rgb, "rgb(255, 153, 0)"},
        {v.copycss.hsl, "hsl(36, 100%, 50%)"},
        {v.copycss.oklch, "oklch(0.772 0.174 64.552)"},
        {v.copycss_right.rgb, "rgb(255, 153, 0)"},
    };
    for (const Case& c : cases) {
        fake.boxes.clear();
        c.item->trigger();
        EXPECT_EQ(fake.clipboard, QString::fromLatin1(c.copied));
        ASSERT_EQ(fake.boxes.size(), 1u) << c.copied;
        EXPECT_EQ(fake.boxes[0].text,
            QStringLiteral("[%1] was copied to your clipboard.\rPress Control + V to paste it!")
                .arg(QString::fromLatin1(c.copied)));
    }
    // No name for FF9900, no short form for FFA500: those items are greyed and copy nothing.
    emit v.copycss.menu->aboutToShow();
    EXPECT_FALSE(v.copycss.name->isEnabled());
    fake.clipboard = "untouched";
    v.copycss.name->trigger();
    EXPECT_EQ(fake.clipboard, "untouched");
    w.psets(255, 165, 0);
    // A whole degree would give FFA600: the hue keeps the one decimal it needs.
    EXPECT_EQ(v.cssInfo->text(), "orange   hsl(38.8, 100%, 50%)");
    v.CLR[2]->setValue(1);
    EXPECT_EQ(v.cssInfo->text(), QStringLiteral("≈ orange   hsl(38.7, 100%, 50.2%)"));
    v.CLR[2]->setValue(0);
    emit v.copycss.menu->aboutToShow();
    EXPECT_EQ(v.copycss.name->text(), "orange");
    EXPECT_FALSE(v.copycss.short_hex->isEnabled());

    // With the alert off, silence; a clipboard that will not take it says so.
    v.copyalert->trigger();
    fake.boxes.clear();
    v.copycss.name->trigger();
    EXPECT_EQ(fake.clipboard, "orange");
    EXPECT_TRUE(fake.boxes.empty());
    fake.clipboard_fails = true;
    v.copycss.hex->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, QString::fromStdString(core::clipboard_failure().text));
}

TEST_F(Form1Css, RecentColoursFromAppliesAndCopiesNewestFirst)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    type_into(v.Text4, "ff9900");
    v.Command5->click(); // applied
    fake.clipboard = "rgb(51, 102, 153)";
    v.pastecss->trigger(); // applied
    v.CLR[0]->setValue(52); // a drag alone is not remembered
    v.copyrgbvalues->trigger(); // copied
    v.orange->trigger(); // applied, already there: moves to the front
    EXPECT_EQ(recent_codes(w), QStringList({"FF9900", "346699", "336699"}));
    EXPECT_EQ(read("pmtrecent.ini"), QByteArray("FF9900\r\n346699\r\n336699\r\n"));

    // A refused paste remembers nothing.
    fake.clipboard = "#12345";
    v.pastehex->trigger();
    v.pastecss->trigger();
    EXPECT_EQ(recent_codes(w).size(), 3);

    // A click applies a swatch through the bars.
    BarLog log(w);
    QTest::mouseClick(v.recent->swatch(2), Qt::LeftButton);
    EXPECT_EQ(log.writes, QStringList({"0:51", "1:102", "2:153"}));
    EXPECT_EQ(v.Label1->text(), "336699");
    EXPECT_EQ(recent_codes(w).front(), "336699");

    // By keyboard: the row is one Tab stop, at the newest colour; Right moves along the
    // held colours only, and Space applies the one that has the focus.
    EXPECT_TRUE(v.recent->swatch(0)->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(v.recent->swatch(1)->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(v.recent->swatch(3), nullptr); // made when a colour first reaches its place
    v.recent->swatch(0)->setFocus();
    QTest::keyClick(v.recent->swatch(0), Qt::Key_Right);
    QTest::keyClick(v.recent->swatch(1), Qt::Key_Right);
    QTest::keyClick(v.recent->swatch(2), Qt::Key_Right); // no colour beyond the third
    ASSERT_TRUE(v.recent->swatch(2)->hasFocus());
    QTest::keyClick(v.recent->swatch(2), Qt::Key_Space);
    EXPECT_EQ(v.Label1->text(), "346699");

    // Sixteen at most.
    for (int i = 0; i < 20; ++i)
        w.psets(i, i, i), v.Command1->click();
    EXPECT_EQ(recent_codes(w).size(), 16);
}

TEST_F(Form1Css, RecentSwatchRightClickCopiesOrForgetsAndAllSurvivesARestart)
{
    write("pmtrecent.ini", "336699\r\nnot a colour\r\nFF9900\r\n");
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    EXPECT_EQ(recent_codes(w), QStringList({"336699", "FF9900"}));
    EXPECT_EQ(v.recent->swatch(2), nullptr);
    EXPECT_EQ(v.recent->swatch(1)->toolTip(), "FF9900");

    v.Check1->click(); // the swatch copy is the hex copy, "#" and alert included
    QTest::mouseClick(v.recent->swatch(1), Qt::RightButton);
    ASSERT_FALSE(fake.popups.empty());
    EXPECT_EQ(fake.popups.back().menu, v.recent->menu());
    v.recent->copyItem()->trigger();
    EXPECT_EQ(fake.clipboard, "#FF9900");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_TRUE(fake.boxes[0].text.startsWith("[#FF9900] was copied"));
    EXPECT_EQ(v.Label1->text(), "000000"); // copying a swatch does not apply it

    // A copy counts as a use: the copied colour moved to the front.
    EXPECT_EQ(recent_codes(w), QStringList({"FF9900", "336699"}));
    QTest::mouseClick(v.recent->swatch(1), Qt::RightButton);
    v.recent->forgetItem()->trigger();
    EXPECT_EQ(recent_codes(w), QStringList({"FF9900"}));
    EXPECT_FALSE(v.recent->swatch(1)->isEnabled()); // emptied: no colour, no Tab stop
    EXPECT_EQ(v.recent->swatch(1)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(read("pmtrecent.ini"), QByteArray("FF9900\r\n"));

    main.reset();
    EXPECT_EQ(recent_codes(open_main()), QStringList({"FF9900"}));

    // An oversized file gives an empty row that still takes new colours.
    write("pmtrecent.ini", QByteArray(10 * 1024 * 1024, 'A'));
    editor::Form1& again = open_main();
    EXPECT_TRUE(again.view().recent->colors().empty());
    again.psets(1, 2, 3);
    again.view().Command1->click();
    EXPECT_EQ(recent_codes(again), QStringList({"010203"}));
}
