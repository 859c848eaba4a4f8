#include "../support/layout_check.h"
#include "../support/window_test.h"

#include "core/contrast.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>

using Form1Look = WindowTest;

namespace {

QString accessible(QWidget* w, QAccessible::Text what)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(what) : QString();
}

double contrast(const QColor& a, const QColor& b)
{
    return core::contrast_ratio({a.red(), a.green(), a.blue()}, {b.red(), b.green(), b.blue()});
}

} // namespace

TEST_F(Form1Look, FitsEveryDesktopFontAndPalette)
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

        testsupport::LayoutOptions options;
        options.exempt.insert(v.Check2); // lies on Command7 by design
        EXPECT_EQ(testsupport::layout_problems(&w, options), QStringList());

        // Check2 sits on the left end of Command7, clear of its centred caption.
        const QRect button = v.Command7->geometry();
        const QRect check = v.Check2->geometry();
        EXPECT_TRUE(button.contains(check)) << check.x() << "," << check.y();
        const int caption = QFontMetrics(v.Command7->font())
                                .horizontalAdvance(QStringLiteral("       Safe Palette"));
        EXPECT_LT(check.right(), button.center().x() - caption / 2);

        EXPECT_EQ(w.minimumSize(), w.maximumSize());
        EXPECT_GE(w.width(), w.sizeHint().width());

        for (const QWidget* c : w.findChildren<QWidget*>())
            EXPECT_EQ(c->font().family(), QApplication::font().family())
                << c->objectName().toStdString();
        EXPECT_TRUE(v.Label1->font().bold());
        EXPECT_EQ(v.Label1->font(), v.Text4->font());

        // Caption colours as designed on a light palette, lightened on a dark one.
        const QColor red_caption = v.Label7->palette().color(QPalette::WindowText);
        if (!look.dark)
            EXPECT_EQ(red_caption, QColor(128, 0, 0));
        else
            EXPECT_GT(red_caption.red(), red_caption.green()); // still red, only lighter
        EXPECT_GE(contrast(red_caption, w.palette().color(QPalette::Window)), 4.5);
        EXPECT_EQ(v.Text2->palette().color(QPalette::Base), QColor(192, 255, 192));
        EXPECT_GE(contrast(v.Text2->palette().color(QPalette::Text), QColor(192, 255, 192)), 4.5);
        EXPECT_EQ(v.Text4->palette().color(QPalette::Text), QColor(0, 0, 128));
    }
}

TEST_F(Form1Look, ColoursFollowADesktopThatTurnsDark)
{
    editor::Form1& w = open_main();
    const editor::Form1View& v = w.view();
    testsupport::DesktopLook dark(0, true);
    QApplication::processEvents();
    const QColor window = w.palette().color(QPalette::Window);
    for (QLabel* caption : {v.Label7, v.Label4, v.Label5, v.Label8, v.Label9, v.Label10})
        EXPECT_GE(contrast(caption->palette().color(QPalette::WindowText), window), 4.5)
            << caption->objectName().toStdString();
    // The pale boxes did not take the dark palette's light text.
    EXPECT_GE(contrast(v.Text1->palette().color(QPalette::Text), QColor(255, 192, 192)), 4.5);
    EXPECT_EQ(v.Text1->palette().color(QPalette::Base), QColor(255, 192, 192));
}

TEST_F(Form1Look, EveryFocusableControlHasItsOwnNameAndThePreviewTellsItsCode)
{
    editor::Form1& w = open_main();
    QSet<QString> names;
    int focusable = 0;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (!c->isVisibleTo(&w) || c->focusPolicy() == Qt::NoFocus || c->isWindow())
            continue;
        ++focusable;
        const QString name = accessible(c, QAccessible::Name).trimmed();
        EXPECT_FALSE(name.isEmpty()) << c->objectName().toStdString();
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
    }
    EXPECT_GE(focusable, 15);
    EXPECT_EQ(accessible(w.view().CLR[0], QAccessible::Name), "Red"); // not a generic "Scroll bar"
    // The copy-alert holder is no control at all: nothing to announce, nothing to tab to.
    EXPECT_EQ(w.findChild<QWidget*>("Check3"), nullptr);
    for (QCheckBox* box : w.findChildren<QCheckBox*>())
        EXPECT_FALSE(box->text() == "Check3" || box->isHidden()) << box->objectName().toStdString();

    // The preview describes the code it shows.
    const editor::Form1View& v = w.view();
    EXPECT_EQ(accessible(v.Shape1, QAccessible::Description), "000000");
    fake.clipboard = "ff9900";
    v.pastehex->trigger();
    EXPECT_EQ(accessible(v.Shape1, QAccessible::Description), "FF9900");

    // Under Auto Safe the nested snapping runs last: the description is the snapped code,
    // not the code the outer run built before snapping.
    v.Check2->click();
    fake.clipboard = "123456";
    v.pastehex->trigger();
    EXPECT_EQ(v.Label1->text(), "003366");
    EXPECT_EQ(accessible(v.Shape1, QAccessible::Description), "003366");
}
