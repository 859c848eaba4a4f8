#pragma once

#include "../support/layout_check.h"
#include "../support/window_test.h"

#include "station/contrast_panel.h"
#include "station/form3.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTest>

using station::Background;
using station::ContrastPanel;
using station::Object;
using station::Text;
using testsupport::find;

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
    // Writes a theme file and loads it through the Load Saved Theme dialog.
    void load_theme(station::Form3& s, const QString& name, const QByteArray& bytes)
    {
        write(name, bytes);
        fake.file_answers.push_back(file(name));
        s.view().load_color->trigger();
    }
    static QString code_of(const QColor& c) { return c.name(QColor::HexRgb).mid(1).toUpper(); }
    static QString ratio(const station::Form3& s, ContrastPanel::Pair p)
    {
        return s.view().contrastPanel->ratio(p)->text();
    }
    static QString verdict(const station::Form3& s, ContrastPanel::Pair p, int which)
    {
        return s.view().contrastPanel->verdict(p, which)->text();
    }
    // The sample overlaps by design.
    static QStringList layout_problems(station::Form3& s)
    {
        testsupport::LayoutOptions options;
        options.exempt = {s.view().Shape1, s.view().Shape2, s.view().Label3};
        return testsupport::layout_problems(&s, options);
    }
};
