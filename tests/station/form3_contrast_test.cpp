// The station's contrast lab: the panel, the suggestions and the colour-vision views,
// driven through the real controls and menu items.
#include "station_test.h"

#include "core/wcag.h"
#include "station/contrast_panel.h"

#include <QImage>
#include <QTest>

using station::Background;
using station::ContrastPanel;
using station::Object;
using station::Text;
using testsupport::find;

namespace {

const ContrastPanel& panel(const station::Form3& s)
{
    return *s.view().contrastPanel;
}

QString ratio(const station::Form3& s, ContrastPanel::Pair p)
{
    return panel(s).ratio(p)->text();
}

QString verdict(const station::Form3& s, ContrastPanel::Pair p, int which)
{
    return panel(s).verdict(p, which)->text();
}

// Types a code into the hex box and presses Go, as a user does.
void enter_code(station::Form3& s, const char* code)
{
    QLineEdit* box = s.view().Text7;
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::fromLatin1(code));
    s.view().Command5->click();
}

QString code_of(const QColor& c)
{
    return c.name(QColor::HexRgb).mid(1).toUpper();
}

// The colour the window shows at a point of a widget, effects included.
QColor drawn_at(station::Form3& s, QWidget* w, const QPoint& at)
{
    const QImage shot = s.grab().toImage();
    return shot.pixelColor(w->mapTo(&s, at));
}

QColor drawn_at_centre(station::Form3& s, QWidget* w)
{
    return drawn_at(s, w, w->rect().center());
}

} // namespace

TEST_F(StationTest, PanelShowsTruncatedRatiosWithVerdicts)
{
    station::Form3& s = open_station();
    // White background, black object and text.
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
    EXPECT_EQ(panel(s).ratio(ContrastPanel::TextOnBackground)->accessibleDescription(),
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
    EXPECT_EQ(panel(s).ratio(ContrastPanel::ObjectOnBackground)->accessibleDescription(),
        "2.44:1, non-text AA fail");
}

TEST_F(StationTest, PanelFollowsEveryWayAColourChanges)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
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
    fake.clipboard = QStringLiteral("777777");
    v.pastehex->trigger();
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "4.47:1");

    // A theme load sets the object and the text without the bars.
    write(QStringLiteral("t.pmtm"), "FFFFFF0000FFFF0000\r\n");
    fake.file_answers.push_back(file(QStringLiteral("t.pmtm")));
    v.load_color->trigger();
    EXPECT_EQ(ratio(s, ContrastPanel::ObjectOnBackground), "8.59:1");
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "3.99:1");
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnObject), "2.14:1");
    v.newtheme->trigger();
    EXPECT_EQ(ratio(s, ContrastPanel::ObjectOnBackground), "21.00:1");
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnObject), "1.00:1");
}

TEST_F(StationTest, HiddenTextRowsSaySo)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    s.Option(Text)->click();
    enter_code(s, "777777");
    v.Check2->click();
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "Text hidden");
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnObject), "Text hidden");
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnBackground, 0), "");
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnObject, 1), "");
    EXPECT_EQ(ratio(s, ContrastPanel::ObjectOnBackground), "21.00:1");
    // Colours changed while hidden still show once the text is back.
    enter_code(s, "333333"); // Background is selected now
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "Text hidden");
    v.hidetxt->trigger();
    EXPECT_EQ(ratio(s, ContrastPanel::TextOnBackground), "2.82:1");
    EXPECT_EQ(verdict(s, ContrastPanel::TextOnBackground, 1), "Large text: AA \u2717  AAA \u2717");
}

TEST_F(StationTest, SuggestionsGoThroughTheBarsRedFirst)
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
    m.suggestaa->trigger();
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
    EXPECT_GE(core::shown_hundredths(
                  {s.CLR(0)->value(), s.CLR(1)->value(), s.CLR(2)->value()}, {255, 255, 255}),
        700);
    EXPECT_TRUE(fake.boxes.empty());

    // The background is judged on the text for text levels, on the object for 3:1.
    s.Option(Text)->click();
    enter_code(s, "777777");
    s.Option(Background)->click();
    m.suggestaa->trigger();
    EXPECT_GE(core::shown_hundredths(
                  {0x77, 0x77, 0x77}, {s.CLR(0)->value(), s.CLR(1)->value(), s.CLR(2)->value()}),
        450);
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
    enter_code(s, "777777");
    v.Check1->click();
    EXPECT_EQ(v.Text7->text(), "666666"); // Auto Safe already snapped it, and it passes
    v.Check1->click();
    enter_code(s, "8899AA");
    v.Check1->click();
    EXPECT_EQ(v.Text7->text(), "999999"); // the snap alone fails AA on white
    m.suggestaa->trigger();
    const QColor safe = s.target_color(Text);
    EXPECT_EQ(safe.red() % 51 + safe.green() % 51 + safe.blue() % 51, 0);
    EXPECT_GE(
        core::shown_hundredths({safe.red(), safe.green(), safe.blue()}, {255, 255, 255}), 450);
}

TEST_F(StationTest, SuggestionThatCannotPassSaysSoAndChangesNothing)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    enter_code(s, "777777"); // the background: a middle grey
    s.Option(Text)->click();
    enter_code(s, "FF0000");
    fake.on_box = [&](const platform::FakePlatform::Box&) {
        EXPECT_EQ(code_of(s.target_color(Text)), "FF0000"); // nothing moved before the box
    };
    v.contrast_menu.suggestaaa->trigger();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].title, "Contrast");
    EXPECT_EQ(fake.boxes[0].text,
        "No color reaches 7.00:1 against the background (777777). Make the background lighter or "
        "darker first.");
    EXPECT_EQ(fake.boxes[0].icon, core::Icon::Information);
    EXPECT_EQ(code_of(s.target_color(Text)), "FF0000");
    EXPECT_EQ(v.Text7->text(), "FF0000");
    // AA is always within reach.
    v.contrast_menu.suggestaa->trigger();
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
    EXPECT_EQ(v.contrastPanel->vision()->text(), "Sample in true colours");

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
    v.texthexcopy->trigger();
    EXPECT_EQ(fake.clipboard, "00FF00");
    v.objecthex->trigger();
    EXPECT_EQ(fake.clipboard, "FF0000");
    fake.file_answers.push_back(file(QStringLiteral("seen.pmtm")));
    v.save_color->trigger();
    EXPECT_EQ(read(QStringLiteral("seen.pmtm")), "FFFFFFFF000000FF00\r\n");
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

TEST_F(StationTest, ContrastMenuTakesNoShortcutOfTheWindow)
{
    station::Form3& s = open_station();
    const station::ContrastMenu& m = s.view().contrast_menu;
    EXPECT_EQ(m.menu->title(), "Co&ntrast");
    EXPECT_EQ(m.suggestaa->shortcut(), QKeySequence(Qt::Key_F7));
    // Every shortcut of the window is used once, and no menu title shares a mnemonic.
    QMap<QString, QString> keys;
    for (QAction* a : s.findChildren<QAction*>()) {
        if (a->shortcut().isEmpty())
            continue;
        const QString key = a->shortcut().toString();
        EXPECT_FALSE(keys.contains(key))
            << key.toStdString() << " " << a->objectName().toStdString() << " "
            << keys.value(key).toStdString();
        keys[key] = a->objectName();
    }
    // F7 reaches the menu item from the hex box, where a text box would take keys first.
    s.Option(Text)->click();
    enter_code(s, "777777");
    s.view().Text7->setFocus();
    QTest::keyClick(s.view().Text7, Qt::Key_F7);
    EXPECT_EQ(s.view().Text7->text(), "767676");
}

TEST_F(StationTest, ContrastPanelFitsEveryDesktop)
{
    for (const double points : {0.0, 13.0, 6.0}) {
        for (const bool dark : {false, true}) {
            SCOPED_TRACE(QStringLiteral("%1 pt, %2").arg(points).arg(dark).toStdString());
            testsupport::DesktopLook look(points, dark);
            station::Form3& s = open_station();
            const station::Form3View& v = s.view();
            // The widest texts the panel shows.
            s.Option(Text)->click();
            enter_code(s, "777777");
            v.contrast_menu.views[size_t(core::Vision::Achromatopsia)]->trigger();
            QApplication::processEvents();
            testsupport::LayoutOptions options;
            options.exempt = {v.Shape1, v.Shape2, v.Label3};
            EXPECT_EQ(testsupport::layout_problems(&s, options), QStringList());
            // Below the sample, inside the window.
            const QRect panel = v.contrastPanel->geometry();
            EXPECT_GE(v.contrastPanel->mapTo(&s, QPoint(0, 0)).y(),
                v.Shape1->mapTo(&s, QPoint(0, v.Shape1->height())).y());
            EXPECT_TRUE(s.rect().contains(
                v.contrastPanel->mapTo(&s, panel.bottomRight() - panel.topLeft())));
            close_station();
        }
    }
}
