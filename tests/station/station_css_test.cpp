// The station's CSS copies for each target, CSS paste and screen pick, through its real
// menus over the fake platform. Refused pastes and an unavailable pick are the shared
// routines', tried in the main window's CSS test.
#include "station_test.h"

#include "core/css.h"
#include "platform/eyedropper.h"

#include <QDropEvent>
#include <QMimeData>

TEST_F(StationTest, CssCopiesForEachTargetPasteAndPickForTheSelectedOne)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    set_target(s, Object, "FFA500");
    set_target(s, Text, "336699");
    s.Option(Background)->click();
    const std::pair<QAction*, const char*> cases[] = {{v.css[Background].hex, "#ffffff"},
        {v.css[Object].name, "orange"}, {v.css[Text].hsl, "hsl(210, 50%, 40%)"},
        {v.css_right[Text].short_hex, "#369"}, {v.css_right[Object].hex, "#ffa500"}};
    main->view().numsign->trigger(); // "#" is the hex copy's, not CSS's
    for (const auto& [item, copied] : cases) {
        fake.boxes.clear();
        item->trigger();
        EXPECT_EQ(fake.clipboard, QString::fromLatin1(copied));
        // The same box as the station's hex copy.
        ASSERT_EQ(fake.boxes.size(), 1u) << copied;
        EXPECT_EQ(fake.boxes[0].title, "Color copied to clipboard");
        EXPECT_EQ(fake.boxes[0].text,
            QStringLiteral("[%1] was copied to your clipboard!\rPress Control + V to paste it!")
                .arg(QString::fromLatin1(copied)));
    }
    // The main window's alert option silences these too.
    main->view().copyalert->trigger();
    fake.boxes.clear();
    v.css[Text].oklch->trigger();
    EXPECT_TRUE(fake.clipboard.startsWith("oklch("));
    EXPECT_TRUE(fake.boxes.empty());

    // CSS paste and the screen pick write only the selected target, red first.
    s.Option(Object)->click();
    log_bars(s);
    fake.clipboard = "RebeccaPurple\n";
    v.Text7->setFocus();
    QTest::keyClick(v.Text7, Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(bar_writes, QStringList({"0:102", "1:51", "2:153"}));
    EXPECT_EQ(codes(s), "FFFFFF 663399 336699");
    s.Option(Text)->click();
    fake.screen_pick_answers.push_back(
        {platform::ScreenPick::Outcome::Picked, QColor(0x12, 0xAB, 0x34)});
    v.pickscreen->trigger();
    EXPECT_EQ(codes(s), "FFFFFF 663399 12AB34");
    EXPECT_TRUE(fake.boxes.empty());
}

// Colours dropped on the station go to the selected target as a paste does; a translucent
// one is flattened onto the background (the background itself onto white), and the status
// line says so until the colour next changes, without the window changing size.
TEST_F(StationTest, DropsAndTranslucentColoursOnTheSelectedTarget)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    const QSize size = s.size();
    set_target(s, Background, "336699");
    s.Option(Object)->click();
    QMimeData text;
    text.setText(QStringLiteral("hsl(36, 100%, 50%)"));
    const QPoint at = v.Frame1->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v.Frame1, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v.Frame1, &drop);
    EXPECT_EQ(codes(s), "336699 FF9900 000000");
    EXPECT_TRUE(v.cssNote->text().isEmpty());
    EXPECT_EQ(s.size(), size);

    fake.clipboard = "rgb(255 255 255 / 50%)";
    v.pastecss->trigger();
    // Half white over 336699: 153, 179, 204.
    EXPECT_EQ(codes(s), "336699 99B3CC 000000");
    EXPECT_EQ(v.cssNote->text(), "rgb(255 255 255 / 50%) flattened onto the background #336699");
    s.Option(Background)->click(); // a change of colour: the note is gone
    EXPECT_TRUE(v.cssNote->text().isEmpty());
    v.pastecss->trigger();
    EXPECT_EQ(codes(s), "FFFFFF 99B3CC 000000");
    EXPECT_EQ(v.cssNote->text(), "rgb(255 255 255 / 50%) flattened onto white");
    EXPECT_EQ(s.size(), size);
}
