#include "../support/layout_check.h"
#include "../support/window_test.h"
#include "editor/contrast_info.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Form1Look = WindowTest;

TEST_F(Form1Look, FitsEveryDesktopFontAndPaletteAndFollowsOneThatTurnsDark)
{
    const struct {
        double points;
        bool dark;
    } looks[] = {{0, false}, {0, true}, {13, false}, {13, true}, {6, false}, {6, true}};
    for (const auto& look : looks) {
        SCOPED_TRACE(testing::Message() << look.points << " pt, dark " << look.dark);
        testsupport::DesktopLook desktop(look.points, look.dark);
        main.reset();
        editor::Form1& w = open_main();
        const editor::Form1View& v = w.view();
        // Full swatches and the longest colour name with a long hsl() form.
        for (int i = 0; i < 16; ++i) {
            w.psets(i, 0, 0);
            v.Command1->click();
        }
        w.psets(250, 250, 209);
        EXPECT_TRUE(v.cssInfo->text().startsWith(QStringLiteral("≈ lightgoldenrodyellow")));
        QApplication::processEvents();

        // Check2 lies on Command7 on purpose.
        EXPECT_EQ(testsupport::layout_problems(&w, {{v.Check2}}), QStringList());

        // Check2 sits on the left end of Command7, clear of its centred caption.
        const QRect button = v.Command7->geometry();
        const QRect check = v.Check2->geometry();
        EXPECT_TRUE(button.contains(check)) << check.x() << "," << check.y();
        const int caption = QFontMetrics(v.Command7->font())
                                .horizontalAdvance(QStringLiteral("       Safe Palette"));
        EXPECT_LT(check.right(), button.center().x() - caption / 2);

        for (const QWidget* c : w.findChildren<QWidget*>())
            EXPECT_EQ(c->font().family(), QApplication::font().family())
                << c->objectName().toStdString();

        // The fixed caption colours on a light palette, lightened on a dark one; the
        // pale boxes keep their fill on both.
        const QColor red_caption = v.Label7->palette().color(QPalette::WindowText);
        if (!look.dark)
            EXPECT_EQ(red_caption, QColor(128, 0, 0));
        else
            EXPECT_GT(red_caption.red(), red_caption.green()); // still red, only lighter
        EXPECT_EQ(v.Text2->palette().color(QPalette::Base), QColor(192, 255, 192));

        // The window keeps its size whatever the colour, and the contrast line fits.
        const QSize size = w.size();
        for (const core::Rgb c : {core::Rgb {153, 0, 0}, {102, 0, 0}, {0, 0, 0}, {255, 255, 255},
                 {118, 118, 118}, {119, 119, 119}, {0, 0, 1}}) {
            w.psets(c.red, c.green, c.blue);
            QApplication::processEvents();
            EXPECT_EQ(w.size(), size) << c.red << "," << c.green << "," << c.blue;
            EXPECT_LE(v.contrastInfo->fontMetrics().horizontalAdvance(v.contrastInfo->text()),
                v.contrastInfo->contentsRect().width());
        }
    }

    // A desktop that turns dark while the window is open: the pale boxes keep their fill.
    main.reset();
    editor::Form1& w = open_main();
    testsupport::DesktopLook dark(0, true);
    QApplication::processEvents();
    EXPECT_EQ(testsupport::layout_problems(&w, {{w.view().Check2}}), QStringList());
    EXPECT_EQ(w.view().Text1->palette().color(QPalette::Base), QColor(255, 192, 192));
}
