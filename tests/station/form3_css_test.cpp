// The station's CSS copies for each target, CSS paste and screen pick, through its real
// menus over the fake platform.
#include "station_test.h"

#include "platform/eyedropper.h"

using platform::ScreenPick;

TEST_F(StationTest, CssCopiesForEachTargetPasteAndPickForTheSelectedOne)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    s.Option(Object)->click();
    set_bars(s, 255, 165, 0);
    s.Option(Text)->click();
    set_bars(s, 51, 102, 153);
    s.Option(Background)->click();

    struct Case {
        QAction* item;
        const char* copied;
    } cases[] = {
        {v.css[Background].hex, "#ffffff"},
        {v.css[Object].name, "orange"},
        {v.css[Text].hsl, "hsl(210, 50%, 40%)"},
        {v.css_right[Text].short_hex, "#369"},
        {v.css_right[Object].hex, "#ffa500"},
    };
    find<QAction>(main.get(), "numsign")->trigger(); // "#" is the hex copy's, not CSS's
    for (const Case& c : cases) {
        fake.boxes.clear();
        c.item->trigger();
        EXPECT_EQ(fake.clipboard, QString::fromLatin1(c.copied));
        // The same box as the station's hex copy.
        ASSERT_EQ(fake.boxes.size(), 1u) << c.copied;
        EXPECT_EQ(fake.boxes[0].title, "Color copied to clipboard");
        EXPECT_EQ(fake.boxes[0].text,
            QStringLiteral("[%1] was copied to your clipboard!\rPress Control + V to paste it!")
                .arg(QString::fromLatin1(c.copied)));
    }
    EXPECT_TRUE(s.Option(Background)->isChecked());
    EXPECT_EQ(rgb_of(s), "255,255,255");

    // The main window's alert option silences these too.
    find<QAction>(main.get(), "copyalert")->trigger();
    fake.boxes.clear();
    v.css[Text].oklch->trigger();
    EXPECT_TRUE(fake.clipboard.startsWith("oklch("));
    EXPECT_TRUE(fake.boxes.empty());

    // CSS paste and the screen pick write only the selected target, red first.
    s.Option(Object)->click();
    QStringList writes;
    for (int c = 0; c < 3; ++c)
        QObject::connect(s.CLR(c), &QScrollBar::valueChanged, s.CLR(c),
            [&writes, c](int value) { writes << QStringLiteral("%1:%2").arg(c).arg(value); });
    fake.clipboard = "RebeccaPurple\n";
    v.Text7->setFocus();
    QTest::keyClick(v.Text7, Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(writes, QStringList({"0:102", "1:51", "2:153"}));
    EXPECT_EQ(s.target_color(Object), QColor(0x66, 0x33, 0x99));
    EXPECT_EQ(s.target_color(Background), QColor(Qt::white));

    // A refusal: one box, nothing changes.
    writes.clear();
    fake.clipboard = "rgba(1, 2, 3, 0.5)";
    v.pastecss->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].title, "Transparent Color");
    EXPECT_TRUE(writes.isEmpty());

    s.Option(Text)->click();
    fake.boxes.clear();
    fake.screen_pick_answers.push_back({ScreenPick::Outcome::Picked, QColor(0x12, 0xAB, 0x34)});
    v.pickscreen->trigger();
    EXPECT_EQ(s.target_color(Text), QColor(0x12, 0xAB, 0x34));
    EXPECT_EQ(v.Text7->text(), "12AB34");
    EXPECT_EQ(s.target_color(Object), QColor(0x66, 0x33, 0x99));
    fake.screen_pick_answers.push_back({ScreenPick::Outcome::Unavailable, {}});
    v.pickscreen->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].title, QString::fromLatin1(platform::kPickTitle));
    EXPECT_EQ(s.target_color(Text), QColor(0x12, 0xAB, 0x34));
}
