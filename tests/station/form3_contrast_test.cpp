// The station's contrast lab: the panel, the suggestions and the colour-vision views,
// driven through the real controls and menu items.
#include "station_test.h"

#include "core/wcag.h"

#include <QImage>

namespace {

// The colour the window shows at a point of a widget, effects included.
QColor drawn_at(station::Form3& s, QWidget* w, const QPoint& at)
{
    return s.grab().toImage().pixelColor(w->mapTo(&s, at));
}

QColor drawn_at_centre(station::Form3& s, QWidget* w)
{
    return drawn_at(s, w, w->rect().center());
}

} // namespace

TEST_F(StationTest, PanelShowsTruncatedRatiosAndFollowsEveryWayAColourChanges)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    const ContrastPanel& panel = *s.view().contrastPanel;
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "21.00:1");
    EXPECT_EQ(ratio(s, ContrastPanel::ObjectOnBackground), "21.00:1");
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnObject), "1.00:1");
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnObject, 0), "Normal text: AA \u2717  AAA \u2717");

    s.Option(Text)->click();
    enter_code(s, "777777");
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "4.47:1"); // 4.478, cut
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnBackground, 0), "Normal text: AA \u2717  AAA \u2717");
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnBackground, 1), "Large text: AA \u2713  AAA \u2717");
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnObject), "4.68:1");
    EXPECT_EQ(panel.ratio(ContrastPanel::TextOnBackground)->accessibleDescription(),
        "4.47:1, normal text AA fail, AAA fail; large text AA pass, AAA fail");

    s.Option(Object)->click();
    enter_code(s, "FF0000");
    EXPECT_EQ(ratio(s, ContrastPanel::ObjectOnBackground), "3.99:1"); // not 4.00
    EXPECT_EQ(verdict(s, ContrastPanel::ObjectOnBackground, 0), "Non-text 3:1: AA \u2713");
    EXPECT_EQ(verdict(s, ContrastPanel::ObjectOnBackground, 1), "");
    s.Option(Background)->click();
    enter_code(s, "000000");
    s.Option(Object)->click();
    enter_code(s, "0000FF");
    EXPECT_EQ(ratio(s, ContrastPanel::ObjectOnBackground), "2.44:1");
    EXPECT_EQ(verdict(s, ContrastPanel::ObjectOnBackground, 0), "Non-text 3:1: AA \u2717");
    EXPECT_EQ(panel.ratio(ContrastPanel::ObjectOnBackground)->accessibleDescription(),
        "2.44:1, non-text AA fail");
    v.newtheme->trigger();
    EXPECT_EQ(ratio(s, ContrastPanel::ObjectOnBackground), "21.00:1");
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnObject), "1.00:1");

    // Under Auto Safe the typed code is snapped in nested runs; the panel ends with the
    // snapped colour, and it agrees with the sample after each completed bar change.
    v.Check1->click();
    s.Option(Text)->click();
    QStringList seen;
    for (int c = 0; c < 3; ++c)
        QObject::connect(s.CLR(c), &QScrollBar::valueChanged, &s,
            [&] { seen << ratio(s, ContrastPanel::TextOnBackground); });
    enter_code(s, "123456");
    EXPECT_EQ(code_of(s.target_color(Text)), "003366");
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "12.60:1");
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(seen.last(), "12.60:1");
    v.Check1->click();

    // A preset, the colour picker and a paste.
    v.preset_items[8]->trigger(); // Red
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "3.99:1");
    fake.color_answers.push_back(QColor(0x76, 0x76, 0x76));
    v.choosec->trigger();
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "4.54:1");
    fake.clipboard = "777777";
    v.pastehex->trigger();
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "4.47:1");

    // A theme load sets the object and the text without the bars.
    load_theme(s, "t.pmtm", "FFFFFF0000FFFF0000\r\n");
    EXPECT_EQ(ratio(s, ContrastPanel::ObjectOnBackground), "8.59:1");
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "3.99:1");
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnObject), "2.14:1");
}

TEST_F(StationTest, SuggestionsGoThroughTheBarsRedFirstOrSayWhyNot)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    const station::ContrastMenu& m = v.contrast_menu;
    s.Option(Text)->click();
    enter_code(s, "777777");
    std::vector<int> order;
    for (int c = 0; c < 3; ++c)
        QObject::connect(
            s.CLR(c), &QScrollBar::valueChanged, &s, [&order, c] { order.push_back(c); });
    QTest::keyClick(v.Text7, Qt::Key_F7); // from the hex box, where text keys go first
    EXPECT_EQ(order, (std::vector<int> {0, 1, 2}));
    EXPECT_EQ(v.Text7->text(), "767676");
    EXPECT_EQ(v.Label1->text(), "767676");
    EXPECT_EQ(code_of(s.target_color(Text)), "767676");
    EXPECT_EQ(code_of(s.target_color(Background)), "FFFFFF");
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnBackground, 0), "Normal text: AA \u2713  AAA \u2717");
    // Again: it already passes, nothing moves.
    order.clear();
    m.suggestaa->trigger();
    EXPECT_TRUE(order.empty());
    m.suggestaaa->trigger();
    EXPECT_GE(core::shown_hundredths(editing::channels(s), {255, 255, 255}), 700);

    // The background is judged on the text for text levels, on the object for 3:1.
    s.Option(Text)->click();
    enter_code(s, "777777");
    s.Option(Background)->click();
    m.suggestaa->trigger();
    EXPECT_GE(core::shown_hundredths({0x77, 0x77, 0x77}, editing::channels(s)), 450);
    EXPECT_EQ(code_of(s.target_color(Text)), "777777");
    s.Option(Object)->click();
    enter_code(s, "FF6666");
    s.Option(Background)->click();
    enter_code(s, "FFFFFF");
    m.suggestobject->trigger();
    EXPECT_EQ(code_of(s.target_color(Object)), "FF6666");
    EXPECT_EQ(verdict(s, ContrastPanel::ObjectOnBackground, 0), "Non-text 3:1: AA \u2713");

    // With Auto Safe on the suggestion is a Safe Palette colour that passes.
    v.newtheme->trigger();
    s.Option(Text)->click();
    enter_code(s, "8899AA");
    v.Check1->click();
    EXPECT_EQ(v.Text7->text(), "999999"); // the snap alone fails AA on white
    m.suggestaa->trigger();
    const core::Rgb safe = widgets::to_rgb(s.target_color(Text));
    EXPECT_EQ(safe.red % 51 + safe.green % 51 + safe.blue % 51, 0);
    EXPECT_GE(core::shown_hundredths(safe, {255, 255, 255}), 450);

    // A level out of reach says so before anything moves; AA is always within reach.
    v.Check1->click();
    v.newtheme->trigger();
    enter_code(s, "777777"); // the background: a middle grey
    s.Option(Text)->click();
    enter_code(s, "FF0000");
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
    EXPECT_EQ(v.Text7->text(), "FF0000");
    m.suggestaa->trigger();
    EXPECT_EQ(fake.boxes.size(), 1u);
    EXPECT_NE(code_of(s.target_color(Text)), "FF0000");
}

TEST_F(StationTest, VisionViewsChangeOnlyTheDrawing)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    const station::ContrastMenu& m = v.contrast_menu;
    s.Option(Object)->click();
    enter_code(s, "FF0000");
    s.Option(Text)->click();
    enter_code(s, "00FF00");
    EXPECT_EQ(drawn_at_centre(s, v.Shape2), QColor(255, 0, 0));

    m.views[size_t(core::Vision::Deuteranopia)]->trigger();
    EXPECT_TRUE(m.views[size_t(core::Vision::Deuteranopia)]->isChecked());
    EXPECT_FALSE(m.views[0]->isChecked());
    EXPECT_EQ(drawn_at_centre(s, v.Shape2), QColor(163, 144, 0));
    EXPECT_EQ(drawn_at(s, v.Shape1, QPoint(4, 4)), QColor(Qt::white)); // beside the object
    EXPECT_EQ(v.contrastPanel->vision()->text(), "Sample as seen with deuteranopia (simulated)");
    ASSERT_NE(v.Label3->graphicsEffect(), nullptr); // the sample text is drawn so too
    // The sample text's own colour is untouched.
    EXPECT_EQ(v.Label3->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    // The true colours everywhere else: targets, codes, panel, copies, themes.
    EXPECT_EQ(code_of(s.target_color(Object)), "FF0000");
    EXPECT_EQ(v.Text7->text(), "00FF00");
    EXPECT_EQ(ratio(s, ContrastPanel::ObjectOnBackground), "3.99:1");
    v.objecthex->trigger();
    EXPECT_EQ(fake.clipboard, "FF0000");
    fake.file_answers.push_back(file("seen.pmtm"));
    v.save_color->trigger();
    EXPECT_EQ(read("seen.pmtm"), "FFFFFFFF000000FF00\r\n");
    // Editing under a view keeps drawing it.
    s.Option(Object)->click();
    enter_code(s, "0000FF");
    EXPECT_EQ(drawn_at_centre(s, v.Shape2), QColor(0, 61, 251));

    m.views[size_t(core::Vision::Achromatopsia)]->trigger();
    const QColor grey = drawn_at_centre(s, v.Shape2);
    EXPECT_EQ(grey.red(), grey.green());
    EXPECT_EQ(grey.green(), grey.blue());
    m.views[0]->trigger();
    EXPECT_EQ(drawn_at_centre(s, v.Shape2), QColor(0, 0, 255));
    EXPECT_EQ(v.Shape2->graphicsEffect(), nullptr);
    EXPECT_EQ(v.Label3->graphicsEffect(), nullptr);
    EXPECT_EQ(v.contrastPanel->vision()->text(), "Sample in true colours");
}
