#include "../station/station_test.h"

#include "core/oklab.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

using ChannelModels = StationTest;
using editing::ChannelModel;

// What the three extra bars and their boxes show, and what a screen reader hears.
QString shown(const editing::ModelBarsView& m)
{
    QStringList parts;
    for (int i = 0; i < 3; ++i) {
        parts << QStringLiteral("%1 %2 [%3] {%4}")
                     .arg(m.caption[i]->text())
                     .arg(m.bar[i]->value())
                     .arg(m.box[i]->text())
                     .arg(m.bar[i]->accessibleDescription());
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

TEST_F(ChannelModels, HslBarsWriteRedFirstKeepTheHueOfGreysAndAreNotMovedByRounding)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    const editing::ModelBarsView& m = v.modelBars;
    EXPECT_FALSE(m.built()) << "made on first use only";

    QTest::keyClick(&w, Qt::Key_F8);
    ASSERT_TRUE(m.built());
    EXPECT_EQ(m.modelSwitch->text(), "HSL");
    EXPECT_TRUE(v.channelModel.model[1]->isChecked());
    EXPECT_FALSE(v.channelModel.model[0]->isChecked());
    EXPECT_TRUE(m.bar[0]->isVisible());
    EXPECT_EQ(read("pigmentor.ini"), "MainWindowChannels=HSL\n");

    v.orange->trigger();
    EXPECT_EQ(shown(m),
        "Hue 36 [36°] {Hue 36 degrees}, Saturation 100 [100 %] {Saturation 100 percent}, "
        "Lightness 50 [50 %] {Lightness 50 percent}");

    // A hue bar moved: red, green, blue written in turn, each with its full run.
    QStringList seen;
    for (int c = 0; c < 3; ++c) {
        QObject::connect(w.CLR(c), &QScrollBar::valueChanged, [&, c](int value) {
            seen << QStringLiteral("%1=%2 %3").arg(c).arg(value).arg(v.Label1->text());
        });
    }
    m.bar[0]->setValue(210);
    EXPECT_EQ(seen, QStringList({"0=0 009900", "1=128 008000", "2=255 0080FF"}));
    EXPECT_EQ(v.Text4->text(), "0080FF");
    EXPECT_TRUE(v.cssInfo->text().endsWith("hsl(210, 100%, 50%)"))
        << v.cssInfo->text().toStdString();

    // No saturation: a grey, and the hue stays where it was, also through a typed grey.
    m.bar[1]->setValue(0);
    EXPECT_EQ(v.Label1->text(), "808080");
    EXPECT_EQ(m.bar[0]->value(), 210);
    type_into(v.Text4, "404040");
    v.Command5->click();
    EXPECT_EQ(m.bar[0]->value(), 210);
    EXPECT_EQ(m.bar[2]->value(), 25);
    m.bar[1]->setValue(100);
    EXPECT_EQ(v.Label1->text(), "004080");

    // Stepping the hue through 8-bit channels never moves the other bars nor the held one.
    for (int hue = 0; hue <= 360; hue += 7) {
        m.bar[0]->setValue(hue);
        ASSERT_EQ(m.bar[0]->value(), hue);
        ASSERT_EQ(m.bar[1]->value(), 100);
        ASSERT_EQ(m.bar[2]->value(), 25);
    }

    // Keys: 1 and 10 units.
    m.bar[0]->setValue(200);
    m.bar[0]->setFocus();
    QTest::keyClick(m.bar[0], Qt::Key_Right);
    EXPECT_EQ(m.bar[0]->value(), 201);
    QTest::keyClick(m.bar[0], Qt::Key_PageUp);
    EXPECT_EQ(m.bar[0]->value(), 211);

    // A typed value goes through the bar.
    m.bar[0]->setValue(210);
    m.box[2]->setValue(50);
    EXPECT_EQ(m.bar[2]->value(), 50);
    EXPECT_EQ(v.Label1->text(), "0080FF");

    // Auto Safe snaps what the bars give; the held bar stays where it was put.
    v.Check2->click();
    m.bar[0]->setValue(100);
    EXPECT_EQ(m.bar[0]->value(), 100);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(w.CLR(c)->value() % 51, 0);
    EXPECT_EQ(v.Label1->text(), "66FF00");
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(ChannelModels, OklchChromaBeyondTheScreenIsReducedAndTheModelIsRememberedInItsOwnFile)
{
    write("pigmentor.ini", "Other=1\r\nMainWindowChannels=OKLCH\r\n");
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    const editing::ModelBarsView& m = v.modelBars;
    ASSERT_TRUE(m.built());
    EXPECT_TRUE(v.channelModel.model[2]->isChecked());
    EXPECT_EQ(m.caption[1]->text(), "Chroma");

    type_into(v.Text4, "336699");
    v.Command5->click();
    EXPECT_EQ(shown(m),
        "Lightness 50 [50 %] {Lightness 50 percent}, Chroma 99 [0.099] {Chroma 0.099}, "
        "Hue 250 [250°] {Hue 250 degrees}");
    m.bar[1]->setValue(370);
    EXPECT_EQ(m.bar[1]->value(), 370) << "held where the user put it";
    const core::Oklch got = core::to_oklch(w.channel_editor().color());
    EXPECT_NEAR(got.C, core::max_srgb_chroma(0.5, 250), 0.01);
    EXPECT_NEAR(got.h, 250, 2);
    EXPECT_NEAR(got.L, 0.5, 0.01);

    // Back to RGB by the switch beside the bars, which pops up the Settings menu's items:
    // bars hidden, the other line kept.
    ASSERT_EQ(m.modelSwitch->menu(), v.channelModel.menu);
    m.modelSwitch->menu()->actions().first()->trigger();
    EXPECT_FALSE(m.bar[0]->isVisible());
    EXPECT_TRUE(v.channelModel.model[0]->isChecked());
    EXPECT_EQ(read("pigmentor.ini"), "Other=1\nMainWindowChannels=RGB\n");
    EXPECT_EQ(read("pmtsetgs.ini"), "<missing>");
    EXPECT_EQ(read("pmtprefs.ini"), "<missing>");

    // An unknown model in the file leaves RGB.
    write("pigmentor.ini", "MainWindowChannels=CMYK\n");
    editor::Form1& again = open_main();
    EXPECT_EQ(again.channel_editor().model(), ChannelModel::Rgb);
}

TEST_F(ChannelModels, TheStationEditsTheSelectedTargetAndGrowsAndShrinksWithTheBars)
{
    station::Form3& s = open_station();
    const station::Form3View& v = s.view();
    const editing::ModelBarsView& m = v.modelBars;
    set_target(s, Object, "FF9900");
    const QSize rgb_size = s.size();

    v.channelModel.next->trigger();
    EXPECT_EQ(m.modelSwitch->text(), "HSL");
    EXPECT_GT(s.height(), rgb_size.height());
    EXPECT_EQ(m.bar[0]->value(), 36);
    m.bar[2]->setValue(25);
    EXPECT_EQ(codes(s), "FFFFFF 804D00 000000");
    EXPECT_EQ(v.Text7->text(), "804D00");

    // Another target: the bars follow its colour.
    s.Option(Background)->click();
    EXPECT_EQ(m.bar[2]->value(), 100);
    EXPECT_EQ(m.bar[0]->value(), 36) << "white keeps the hue it had";

    v.channelModel.next->trigger();
    EXPECT_EQ(m.modelSwitch->text(), "OKLCH");
    v.channelModel.next->trigger();
    EXPECT_EQ(s.channel_editor().model(), ChannelModel::Rgb);
    EXPECT_EQ(s.size(), rgb_size);
    EXPECT_EQ(read("pigmentor.ini"), "StationChannels=RGB\n");
    EXPECT_EQ(main->channel_editor().model(), ChannelModel::Rgb) << "each window has its own";
}
