#pragma once

#include "../support/layout_check.h"
#include "../support/window_test.h"

#include "station/form3.h"

#include <QApplication>
#include <QCoreApplication>

namespace station {

// The station's procedures that only a theme load or save reaches.
struct Form3Access {
    static bool returnrgb(Form3& s, const QByteArray& hex) { return s.returnrgb(hex); }
    static void get_hex(Form3& s, Target t, int color) { s.get_hex(t, color); }
    static core::Rgb buffer(const Form3& s) { return s.buffer_; }
    static QString code_slot(const Form3& s, Target t) { return s.slots_[t]; }
};

} // namespace station

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
};
