#pragma once

#include "../support/layout_check.h"
#include "../support/window_test.h"

#include "station/contrast_panel.h"
#include "station/station.h"

#include <QApplication>
#include <QTest>

using station::Background;
using station::ContrastPanel;
using station::Object;
using station::Text;

// A main window with its station open and active.
class StationTest : public WindowTest {
protected:
    station::Form3& open_station()
    {
        if (!main)
            open_main();
        station::Form3* s = main->show_station();
        QApplication::setActiveWindow(s);
        return *s;
    }
    void close_station()
    {
        main->station()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Types a code into the hex box and presses Go, as a user does.
    static void enter_code(station::Form3& s, const char* code)
    {
        type_into(s.view().Text7, QString::fromLatin1(code));
        s.view().Command5->click();
    }
    // Selects a target and enters its code.
    static void set_target(station::Form3& s, station::Target t, const char* code)
    {
        s.Option(t)->click();
        enter_code(s, code);
    }
    // Writes a theme file and loads it through the Load Saved Theme dialog.
    void load_theme(station::Form3& s, const QString& name, const QByteArray& bytes)
    {
        write(name, bytes);
        fake.file_answers.push_back(file(name));
        s.view().load_color->trigger();
    }
    static QString code_of(const QColor& c) { return c.name(QColor::HexRgb).mid(1).toUpper(); }
    // The three target codes: background, object, text; the sample must draw them and
    // tell readers the same, and the option buttons show the selected target.
    static QString codes(const station::Form3& s)
    {
        const station::Form3View& v = s.view();
        const QString theme = QStringList({code_of(s.target_color(Background)),
                                              code_of(s.target_color(Object)),
                                              code_of(s.target_color(Text))})
                                  .join(' ');
        const QString drawn = QStringList({code_of(v.Shape1->fill()), code_of(v.Shape2->fill()),
                                              code_of(v.Label3->palette().color(QPalette::WindowText))})
                                  .join(' ');
        EXPECT_EQ(drawn, theme);
        const QStringList told = theme.split(' ');
        EXPECT_EQ(v.Shape1->accessibleDescription(),
            QStringLiteral("Background %1, object %2, text %3").arg(told[0], told[1], told[2]));
        EXPECT_TRUE(s.Option(s.selected_target())->isChecked());
        return theme;
    }
    // The panel's three ratios: text on background, object on background, text on object.
    static QString ratios(const station::Form3& s)
    {
        QStringList r;
        for (int p = 0; p < 3; ++p)
            r << s.view().contrastPanel->ratio(ContrastPanel::Pair(p))->text();
        return r.join(' ');
    }
    static QString verdict(const station::Form3& s, ContrastPanel::Pair p, int which)
    {
        return s.view().contrastPanel->verdict(p, which)->text();
    }
    // Every value change of the bars from now on, in order, as "channel:value".
    QStringList bar_writes;
    void log_bars(station::Form3& s)
    {
        for (int c = 0; c < 3; ++c)
            QObject::connect(s.CLR(c), &QScrollBar::valueChanged, s.CLR(c),
                [this, c](int v) { bar_writes << QStringLiteral("%1:%2").arg(c).arg(v); });
    }
    // The sample overlaps on purpose.
    static QStringList layout_problems(station::Form3& s)
    {
        testsupport::LayoutOptions options;
        options.exempt = {s.view().Shape1, s.view().Shape2, s.view().Label3};
        return testsupport::layout_problems(&s, options);
    }
};
