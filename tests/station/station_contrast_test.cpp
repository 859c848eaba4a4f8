// The station's contrast lab: the panel, the suggestions and the colour-vision views,
// driven through the real controls and menu items. The ratios, verdicts and suggestions
// themselves are the WCAG tests' (tests/core); here, that the window shows and uses them.
#include "station_test.h"

#include "core/wcag.h"

#include <QImage>

namespace {

// The colour the window shows at the centre of a widget, effects included.
QColor drawn_at(station::Form3& s, QWidget* w)
{
    return s.grab().toImage().pixelColor(w->mapTo(&s, w->rect().center()));
}

} // namespace

TEST_F(StationTest, PanelFollowsEveryWayAColourChangesAndSuggestionsPassOrSayWhyNot)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    EXPECT_EQ(ratios(s), "21.00:1 21.00:1 1.00:1");
    set_target(s, Text, "777777");
    EXPECT_EQ(ratios(s), "4.47:1 21.00:1 4.68:1"); // 4.478, cut
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnBackground, 1), "Large text: AA \u2713  AAA \u2717");
    set_target(s, Object, "FF0000");
    EXPECT_EQ(ratios(s), "4.47:1 3.99:1 1.11:1"); // red on white is 3.998
    EXPECT_EQ(verdict(s, ContrastPanel::ObjectOnBackground, 0), "Non-text 3:1: AA \u2713");
    EXPECT_EQ(verdict(s, ContrastPanel::ObjectOnBackground, 1), "");
    EXPECT_EQ(v.contrastPanel->ratio(ContrastPanel::ObjectOnBackground)->accessibleDescription(),
        "3.99:1, non-text AA pass");
    s.Option(Background)->click(); // so that New Theme moves no bar
    v.newtheme->trigger();
    EXPECT_EQ(ratios(s), "21.00:1 21.00:1 1.00:1");

    // Under Auto Safe the typed code is snapped in nested runs; the panel ends with the
    // snapped colour, and it agrees with the sample after each completed bar change.
    v.Check1->click();
    s.Option(Text)->click();
    QStringList seen;
    for (int c = 0; c < 3; ++c)
        QObject::connect(s.CLR(c), &QScrollBar::valueChanged, &s, [&] { seen << ratios(s); });
    enter_code(s, "123456");
    EXPECT_EQ(code_of(s.target_color(Text)), "003366");
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.last(), "12.60:1 21.00:1 1.66:1");
    v.Check1->click();

    // A preset, the picker and a paste go through the bars as Go does; a theme load sets the
    // object and the text without them.
    load_theme(s, "t.pmtm", "FFFFFF0000FFFF0000\r\n");
    EXPECT_EQ(ratios(s), "3.99:1 8.59:1 2.14:1");

    // Suggestions go through the bars, red first, from the hex box where text keys go first.
    const station::ContrastMenu& m = v.contrast_menu;
    v.newtheme->trigger();
    set_target(s, Text, "777777");
    log_bars(s);
    QTest::keyClick(v.Text7, Qt::Key_F7);
    EXPECT_EQ(bar_writes, QStringList({"0:118", "1:118", "2:118"}));
    EXPECT_EQ(codes(s), "FFFFFF 000000 767676");
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnBackground, 0), "Normal text: AA \u2713  AAA \u2717");

    // The background is judged on the text for text levels, on the object for 3:1.
    set_target(s, Text, "777777");
    s.Option(Background)->click();
    m.suggestaa->trigger();
    EXPECT_GE(core::shown_hundredths({0x77, 0x77, 0x77}, s.channel_editor().color()), 450);
    EXPECT_EQ(code_of(s.target_color(Text)), "777777");
    set_target(s, Object, "FF6666");
    set_target(s, Background, "FFFFFF");
    m.suggestobject->trigger();
    EXPECT_EQ(code_of(s.target_color(Object)), "FF6666");
    EXPECT_GE(core::shown_hundredths({0xFF, 0x66, 0x66}, s.channel_editor().color()), 300);

    // With Auto Safe on the suggestion is a Safe Palette colour that passes.
    v.newtheme->trigger();
    set_target(s, Text, "8899AA");
    v.Check1->click();
    m.suggestaa->trigger();
    const core::Rgb safe = widgets::to_rgb(s.target_color(Text));
    EXPECT_EQ(safe.red % 51 + safe.green % 51 + safe.blue % 51, 0);
    EXPECT_GE(core::shown_hundredths(safe, {255, 255, 255}), 450);

    // A level out of reach says so before anything moves; AA is always within reach.
    v.Check1->click();
    v.newtheme->trigger();
    enter_code(s, "777777"); // the background: a middle grey
    set_target(s, Text, "FF0000");
    fake.on_box = [&](const platform::FakePlatform::Box&) {
        EXPECT_EQ(code_of(s.target_color(Text)), "FF0000");
    };
    m.suggestaaa->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].title, "Contrast");
    EXPECT_EQ(fake.boxes[0].text,
        "No color reaches 7.00:1 against the background (777777). Make the background lighter or "
        "darker first.");
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Information);
    EXPECT_EQ(code_of(s.target_color(Text)), "FF0000");
    m.suggestaa->trigger();
    EXPECT_EQ(fake.boxes.size(), 1u);
    EXPECT_NE(code_of(s.target_color(Text)), "FF0000");
}

// The end-to-end contrast case draws the deuteranopia view on a desktop and copies the true
// colours under it; here, what else keeps the true colours and the way back.
TEST_F(StationTest, VisionViewsChangeOnlyTheDrawing)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    const station::ContrastMenu& m = v.contrast_menu;
    set_target(s, Object, "FF0000");
    set_target(s, Text, "00FF00");
    m.views[size_t(core::Vision::Deuteranopia)]->trigger();
    EXPECT_TRUE(m.views[size_t(core::Vision::Deuteranopia)]->isChecked());
    EXPECT_EQ(drawn_at(s, v.Shape2), QColor(163, 144, 0));
    ASSERT_NE(v.Label3->graphicsEffect(), nullptr); // the sample text is drawn so too
    // The true colours everywhere else: the text's own colour, codes, panel, themes.
    EXPECT_EQ(v.Label3->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_EQ(codes(s), "FFFFFF FF0000 00FF00");
    EXPECT_EQ(ratios(s), "1.37:1 3.99:1 2.91:1");
    fake.file_answers.push_back(file("seen.pmtm"));
    v.save_color->trigger();
    EXPECT_EQ(read("seen.pmtm"), "FFFFFFFF000000FF00\r\n");
    // Editing under a view keeps drawing it.
    set_target(s, Object, "0000FF");
    EXPECT_EQ(drawn_at(s, v.Shape2), QColor(0, 61, 251));

    m.views[0]->trigger();
    EXPECT_EQ(drawn_at(s, v.Shape2), QColor(0, 0, 255));
    EXPECT_EQ(v.Label3->graphicsEffect(), nullptr);
    EXPECT_EQ(v.contrastPanel->vision()->text(), "Sample in true colours");
}
