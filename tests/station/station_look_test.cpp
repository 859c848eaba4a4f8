#include "station_test.h"

TEST_F(StationTest, FitsEveryDesktopFontAndPalette)
{
    for (const double points : {0.0, 13.0, 6.0}) {
        for (const bool dark : {false, true}) {
            SCOPED_TRACE(
                QStringLiteral("%1 pt, %2").arg(points).arg(dark ? "dark" : "light").toStdString());
            testsupport::DesktopLook look(points, dark);
            station::Form3& s = open_station();
            const station::Form3View& v = s.view();
            // A fixed border, as big as the content asks.
            EXPECT_EQ(s.minimumSize(), s.maximumSize());
            EXPECT_EQ(s.size(), s.sizeHint());

            // The widest texts the contrast panel shows.
            set_target(s, Text, "777777");
            v.contrast_menu.views[size_t(core::Vision::Achromatopsia)]->trigger();
            QApplication::processEvents();
            EXPECT_EQ(layout_problems(s), QStringList());

            // Sample left, its object in the lower middle under the text; targets above the
            // bars; the hex display and Copy under them; the command column on the right; the
            // three small frames in a row below; the contrast panel below the sample, inside
            // the window.
            auto at = [&](QWidget* w) { return QRect(w->mapTo(&s, QPoint()), w->size()); };
            const QRect back = at(v.Shape1), object = at(v.Shape2);
            EXPECT_TRUE(back.contains(object) && back.contains(at(v.Label3).center()));
            EXPECT_GT(object.center().y(), back.center().y());
            const std::pair<QWidget*, QWidget*> left_of[]
                = {{v.Shape1, v.Option1}, {v.Label1, v.Command2}, {v.Frame1, v.Command3},
                    {v.Frame4, v.Frame5}, {v.Frame5, v.Frame6}};
            for (const auto& [a, b] : left_of)
                EXPECT_LT(at(a).right(), at(b).left()) << b->objectName().toStdString();
            const std::pair<QWidget*, QWidget*> above[]
                = {{v.Option3, v.CLR[0]}, {v.CLR[0], v.CLR[1]}, {v.CLR[2], v.Label1},
                    {v.Frame1, v.Frame4}, {v.Command3, v.Command4}, {v.Check2, v.Command6},
                    {v.Shape1, v.contrastPanel}, {v.Label3, v.Shape2}};
            for (const auto& [a, b] : above)
                EXPECT_LT(at(a).bottom(), at(b).top()) << b->objectName().toStdString();
            EXPECT_EQ(at(v.Frame4).top(), at(v.Frame6).top());
            EXPECT_TRUE(s.rect().contains(at(v.contrastPanel)));

            // No family of our own; sizes follow the desktop's font.
            const QFont desk = QApplication::font();
            for (QWidget* w : s.findChildren<QWidget*>())
                EXPECT_EQ(w->font().family(), desk.family()) << w->objectName().toStdString();
            EXPECT_NEAR(v.Label1->font().pointSizeF(), desk.pointSizeF() * 1.45, 0.01);

            // The captions' colours follow a desktop that turns dark while the window is
            // open, and light again.
            if (!dark) {
                const QColor red = v.Label7->palette().color(QPalette::WindowText);
                {
                    testsupport::DesktopLook turned(points, true);
                    QApplication::processEvents(); // the change reaches the windows as an event
                    EXPECT_EQ(layout_problems(s), QStringList());
                }
                QApplication::processEvents();
                EXPECT_EQ(v.Label7->palette().color(QPalette::WindowText), red);
            }
            close_station();
        }
    }
}
