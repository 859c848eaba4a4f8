#include "../support/window_test.h"

#include "core/css.h"
#include "editor/recent_colors.h"
#include "platform/eyedropper.h"

#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
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

// Drags a payload over a widget and drops it there, as a drag from another program does;
// whether the widget's window took it.
bool drop_on(QWidget* target, QMimeData* mime)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

} // namespace

// Text and colour data dropped on the window go where Paste CSS Color's text goes; other
// payloads are not taken. A translucent colour is flattened onto white and the
// information line says so, at its steady width, until the colour next changes.
TEST_F(Form1Css, DropsAndTranslucentColoursKeepTheWindowsWidth)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    const int width = w.width();
    BarLog log(w);
    QMimeData text;
    text.setText(QStringLiteral("oklch(0.628 0.2577 29.23)"));
    EXPECT_TRUE(drop_on(v.Frame1, &text));
    EXPECT_EQ(log.writes, QStringList({"0:255"})); // green and blue were 0 already
    QMimeData color;
    color.setColorData(QColor(0x33, 0x66, 0x99));
    EXPECT_TRUE(drop_on(v.Shape1, &color));
    EXPECT_EQ(v.Label1->text(), "336699");
    QMimeData gtk; // four 16-bit channels
    const quint16 channels[4] = {0x1212, 0xABAB, 0x3434, 0xFFFF};
    gtk.setData(QStringLiteral("text/x-color"),
        QByteArray(reinterpret_cast<const char*>(channels), sizeof channels));
    EXPECT_TRUE(drop_on(v.Frame2, &gtk));
    EXPECT_EQ(v.Label1->text(), "12AB34");
    EXPECT_EQ(recent_codes(w), QStringList({"12AB34", "336699", "FF0000"}));
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(file("a.pmt"))});
    EXPECT_FALSE(drop_on(v.Frame1, &files));
    fake.boxes.clear();
    QMimeData words;
    words.setText(QStringLiteral("not a colour"));
    EXPECT_TRUE(drop_on(v.Frame1, &words));
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].title, "Not a CSS Color");
    EXPECT_EQ(v.Label1->text(), "12AB34");

    // The note's words, and the information line that never widens the window.
    EXPECT_EQ(editing::flattened_note(QStringLiteral(" rgba(0 0 0 /\n 0.5) "), editing::kWhite),
        "rgba(0 0 0 / 0.5) flattened onto white");
    EXPECT_EQ(editing::flattened_note(QStringLiteral("#0008"), core::Rgb {51, 102, 153}),
        "#0008 flattened onto the background #336699");
    const QFontMetrics fm(v.cssInfo->font());
    for (const core::Rgb c : {core::Rgb {250, 250, 211}, core::Rgb {22, 27, 3},
             core::Rgb {1, 2, 3}, core::Rgb {254, 1, 253}}) {
        w.psets(c.red, c.green, c.blue);
        EXPECT_EQ(w.width(), width);
        EXPECT_LE(fm.horizontalAdvance(v.cssInfo->text()), v.cssInfo->width());
        EXPECT_TRUE(v.cssInfo->text().contains("hsl(")) << v.cssInfo->text().toStdString();
    }
    EXPECT_NE(v.cssInfo->text().indexOf(QStringLiteral("≈ ")), -1);

    // A colour that needs a context the program has not: its own box, and nothing changes.
    fake.boxes.clear();
    fake.clipboard = "currentColor";
    v.pastecss->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    const core::Message m
        = core::css_refusal_message(core::CssRefusal::NeedsContext, QStringLiteral("currentcolor"));
    EXPECT_EQ(fake.boxes[0].title, QString::fromStdString(m.title));
    EXPECT_EQ(fake.boxes[0].text, QString::fromStdString(m.text));
    EXPECT_EQ(v.Label1->text(), "FE01FD");

    fake.clipboard = "rgb(0 0 0 / 0.5)";
    fake.boxes.clear();
    v.pastecss->trigger();
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ(v.Label1->text(), "808080");
    EXPECT_EQ(v.cssInfo->text(), "rgb(0 0 0 / 0.5) flattened onto white");
    EXPECT_EQ(w.width(), width);
    w.psets(1, 2, 3);
    EXPECT_TRUE(v.cssInfo->text().contains("hsl("));
}

TEST_F(Form1Css, PasteAndScreenPickWriteThroughTheBarsRedFirstOrSayWhyNotAndCopiesAsCss)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    BarLog log(w);
    fake.clipboard = "  rgb(51, 102, 153)\r\n";
    v.Text4->setFocus(); // the shortcut wins over the focused hex box
    QTest::keyClick(v.Text4, Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(log.writes, QStringList({"0:51", "1:102", "2:153"}));
    EXPECT_EQ(v.Label1->text(), "336699");
    EXPECT_TRUE(fake.boxes.empty());

    // A pick from the screen writes through the bars too; a desktop without any way to pick
    // says so.
    log.writes.clear();
    fake.screen_pick_answers.push_back({ScreenPick::Outcome::Picked, QColor(0x12, 0xAB, 0x34)});
    v.pickScreen->click();
    EXPECT_EQ(log.writes, QStringList({"0:18", "1:171", "2:52"}));
    EXPECT_EQ(v.Label1->text(), "12AB34");
    fake.screen_pick_answers.push_back({ScreenPick::Outcome::Unavailable, {}});
    v.pickscreen_right->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].title, QString::fromLatin1(platform::kPickTitle));
    EXPECT_EQ(fake.boxes[0].text, QString::fromLatin1(platform::kPickUnavailableText));

    // Refused: says why and changes nothing, not even the typed code or the recent colours.
    log.writes.clear();
    v.Text4->setText("abc");
    using core::CssRefusal;
    const std::pair<QString, CssRefusal> refused[] = {{"#ff000000", CssRefusal::NotOpaque},
        {"rgb(10%, 20, 30%)", CssRefusal::NotAColor}, {"", CssRefusal::NotAColor},
        {QStringLiteral("#fff") + QString(1 << 20, QLatin1Char(' ')), CssRefusal::NotAColor}};
    for (const auto& [text, why] : refused) {
        SCOPED_TRACE(text.left(20).toStdString());
        fake.boxes.clear();
        fake.clipboard = text;
        v.pastecss->trigger();
        ASSERT_EQ(fake.boxes.size(), 1u);
        EXPECT_EQ(fake.boxes[0].title,
            why == CssRefusal::NotOpaque ? "Transparent Color" : "Not a CSS Color");
        EXPECT_EQ(fake.boxes[0].text, QString::fromStdString(core::css_refusal_message(why).text));
    }
    EXPECT_TRUE(log.writes.isEmpty());
    EXPECT_EQ(v.Label1->text(), "12AB34");
    EXPECT_EQ(v.Text4->text(), "abc");
    EXPECT_EQ(recent_codes(w), QStringList({"12AB34", "336699"}));

    // The information line, and the copies as CSS: no "#" option, the hex copy's alert.
    w.psets(255, 153, 0);
    EXPECT_EQ(v.cssInfo->text(), QStringLiteral("≈ orange (ΔE 4.0)   hsl(36, 100%, 50%)"));
    v.Check1->click();
    const std::pair<QAction*, const char*> cases[] = {{v.copycss.hex, "#ff9900"},
        {v.copycss.short_hex, "#f90"}, {v.copycss.oklch, "oklch(0.772 0.174 65)"},
        {v.copycss_right.rgb, "rgb(255, 153, 0)"}, {v.copycss.hwb, "hwb(36 0% 0%)"},
        {v.copycss_right.lab, "lab(73 33.4 78)"}, {v.copycss.lch, "lch(73 84.5 66.7)"},
        {v.copycss_right.oklab, "oklab(0.772 0.075 0.16)"},
        {v.copycss.display_p3, "color(display-p3 0.945 0.62 0.2)"},
        {v.copycss_right.property, "--color: #ff9900;"}};
    for (const auto& [item, copied] : cases) {
        fake.boxes.clear();
        item->trigger();
        EXPECT_EQ(fake.clipboard, QString::fromLatin1(copied));
        ASSERT_EQ(fake.boxes.size(), 1u) << copied;
        EXPECT_EQ(fake.boxes[0].text,
            QStringLiteral("[%1] was copied to your clipboard.\rPress Control + V to paste it!")
                .arg(QString::fromLatin1(copied)));
    }
    // No name for FF9900, no short form for FFA500: those items are greyed.
    emit v.copycss.menu->aboutToShow();
    EXPECT_FALSE(v.copycss.name->isEnabled());
    w.psets(255, 165, 0);
    // A whole degree would give FFA600: the hue keeps the one decimal it needs.
    EXPECT_EQ(v.cssInfo->text(), "orange   hsl(38.8, 100%, 50%)");
    emit v.copycss.menu->aboutToShow();
    EXPECT_EQ(v.copycss.name->text(), "orange");
    EXPECT_FALSE(v.copycss.short_hex->isEnabled());
    v.copyalert->trigger(); // with the alert off, silence
    fake.boxes.clear();
    v.copycss.name->trigger();
    EXPECT_EQ(fake.clipboard, "orange");
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(Form1Css, RecentColoursFromAFileThenWhatIsAppliedOrCopiedNewestFirstByMouseOrKeys)
{
    write("pmtrecent.ini", "336699\r\nnot a colour\r\nFF9900\r\n");
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    EXPECT_EQ(recent_codes(w), QStringList({"336699", "FF9900"}));
    type_into(v.Text4, "0a141e");
    v.Command5->click(); // applied
    v.CLR[0]->setValue(11); // a drag alone is not remembered
    v.copyrgbvalues->trigger(); // copied
    v.orange->trigger(); // applied, already there: moves to the front
    EXPECT_EQ(recent_codes(w), QStringList({"FF9900", "0B141E", "0A141E", "336699"}));
    EXPECT_EQ(read("pmtrecent.ini"), QByteArray("FF9900\r\n0B141E\r\n0A141E\r\n336699\r\n"));

    // A click applies a swatch through the bars.
    BarLog log(w);
    QTest::mouseClick(v.recent->swatch(3), Qt::LeftButton);
    EXPECT_EQ(log.writes, QStringList({"0:51", "1:102", "2:153"}));
    EXPECT_EQ(v.Label1->text(), "336699");

    // By keyboard: the row is one Tab stop, at the newest colour; Right moves along the
    // held colours only, and Space applies the one that has the focus.
    EXPECT_TRUE(v.recent->swatch(0)->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(v.recent->swatch(1)->focusPolicy() & Qt::TabFocus);
    v.recent->swatch(0)->setFocus();
    for (int i = 0; i < 4; ++i) // no colour beyond the fourth
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    ASSERT_TRUE(v.recent->swatch(3)->hasFocus());
    QTest::keyClick(v.recent->swatch(3), Qt::Key_Space);
    EXPECT_EQ(v.Label1->text(), "0A141E");

    // The right-click copy is the hex copy ("#" and alert included) and counts as a use
    // without applying; forget empties the place.
    v.Check1->click();
    fake.boxes.clear();
    QTest::mouseClick(v.recent->swatch(1), Qt::RightButton);
    ASSERT_FALSE(fake.popups.empty());
    EXPECT_EQ(fake.popups.back().menu, v.recent->menu());
    v.recent->copyItem()->trigger();
    EXPECT_EQ(fake.clipboard, "#336699");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_TRUE(fake.boxes[0].text.startsWith("[#336699] was copied"));
    EXPECT_EQ(v.Label1->text(), "0A141E");
    EXPECT_EQ(recent_codes(w), QStringList({"336699", "0A141E", "FF9900", "0B141E"}));
    QTest::mouseClick(v.recent->swatch(3), Qt::RightButton);
    v.recent->forgetItem()->trigger();
    EXPECT_FALSE(v.recent->swatch(3)->isEnabled());
    EXPECT_EQ(v.recent->swatch(3)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(read("pmtrecent.ini"), QByteArray("336699\r\n0A141E\r\nFF9900\r\n"));
}
