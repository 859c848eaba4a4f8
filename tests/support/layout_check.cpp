#include "layout_check.h"

#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include "core/contrast.h"

#include <algorithm>
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

namespace testsupport {

namespace {

QString name_of(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

QString plain(QString text)
{
    // "&Go" shows as "Go"; "&&" as "&".
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

double ratio(const QColor& a, const QColor& b)
{
    return core::contrast_ratio({a.red(), a.green(), a.blue()}, {b.red(), b.green(), b.blue()});
}

// The colour a widget's text is drawn on: its own fill, or its nearest filled ancestor's.
QColor backdrop(const QWidget* w, QPalette::ColorRole own)
{
    if (own != QPalette::Window)
        return w->palette().color(own);
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        if (p->autoFillBackground() || p->isWindow())
            return p->palette().color(p->backgroundRole());
    }
    return w->palette().color(QPalette::Window);
}

bool large_text(const QFont& f)
{
    const double pt = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75;
    return pt >= 18 || (f.bold() && pt >= 14);
}

void check_contrast(
    QStringList& out, const QWidget* w, QPalette::ColorRole text, QPalette::ColorRole back)
{
    const QColor fg = w->palette().color(text);
    const QColor bg = backdrop(w, back);
    const double need = large_text(w->font()) ? 3.0 : 4.5;
    const double got = ratio(fg, bg);
    if (got < need)
        out << QStringLiteral("%1: text %2 on %3 has contrast %4, needs %5")
                   .arg(name_of(w), fg.name(), bg.name())
                   .arg(got, 0, 'f', 2)
                   .arg(need);
}

void check_fit(
    QStringList& out, const QWidget* w, int need_width, int need_height, const QRect& room)
{
    if (need_width > room.width() || need_height > room.height())
        out << QStringLiteral("%1: text needs %2x%3, has %4x%5")
                   .arg(name_of(w))
                   .arg(need_width)
                   .arg(need_height)
                   .arg(room.width())
                   .arg(room.height());
}

void check_text(QStringList& out, const QWidget* w)
{
    const QFontMetrics fm(w->font());
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty())
            return;
        const QString text = label->textFormat() == Qt::RichText ? QString() : plain(label->text());
        if (!text.isEmpty()) {
            const QRect room = label->contentsRect();
            if (label->wordWrap()) {
                const QRect need = fm.boundingRect(room, Qt::TextWordWrap, text);
                check_fit(out, w, need.width(), need.height(), room);
            } else {
                int width = 0;
                const auto lines = text.split(QLatin1Char('\n'));
                for (const QString& line : lines)
                    width = std::max(width, fm.horizontalAdvance(line));
                check_fit(out, w, width, fm.height() * int(lines.size()), room);
            }
        }
        check_contrast(out, w, label->foregroundRole(),
            label->backgroundRole() == QPalette::Base ? QPalette::Base : QPalette::Window);
        return;
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        const QMargins m = edit->textMargins();
        const QRect room = edit->contentsRect().adjusted(
            frame + m.left() + 2, frame + m.top(), -frame - m.right() - 2, -frame - m.bottom());
        // A box is wide enough for its longest allowed text in its widest character: a
        // channel box (three places) takes decimal digits, a code box (six) hex digits.
        int longest = fm.horizontalAdvance(edit->text());
        if (edit->maxLength() <= 6) {
            const QString digits = edit->maxLength() <= 3 ? QStringLiteral("0123456789")
                                                          : QStringLiteral("0123456789ABCDEF");
            for (const QChar c : digits)
                longest = std::max(longest, fm.horizontalAdvance(QString(edit->maxLength(), c)));
        }
        check_fit(out, w, longest, fm.height(), room);
        check_contrast(out, w, QPalette::Text, QPalette::Base);
        return;
    }
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        const auto* b = static_cast<const QAbstractButton*>(w);
        if (b->text().isEmpty())
            return;
        check_fit(out, w, b->sizeHint().width(), fm.height(), b->rect());
        check_contrast(out, w, QPalette::WindowText, QPalette::Window);
        return;
    }
    if (const auto* b = qobject_cast<const QPushButton*>(w)) {
        if (b->text().isEmpty())
            return;
        const int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
        check_fit(out, w, fm.horizontalAdvance(plain(b->text())) + margin, fm.height(), b->rect());
        check_contrast(out, w, QPalette::ButtonText, QPalette::Button);
        return;
    }
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
        if (g->title().isEmpty())
            return;
        check_fit(out, w, fm.horizontalAdvance(plain(g->title())) + 8, fm.height(), g->rect());
        check_contrast(out, w, g->foregroundRole(), QPalette::Window);
    }
}

bool is_control(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w)
        || qobject_cast<const QLabel*>(w) || qobject_cast<const QScrollBar*>(w)
        || qobject_cast<const QGroupBox*>(w);
}

} // namespace

QStringList layout_problems(QWidget* window, const LayoutOptions& options)
{
    QStringList out;
    const auto all = window->findChildren<QWidget*>();
    for (const QWidget* w : all) {
        if (!w->isVisibleTo(window) || options.exempt.contains(w) || w->isWindow())
            continue;
        check_text(out, w);
    }
    for (const QWidget* w : all) {
        if (!w->isVisibleTo(window) || !is_control(w) || options.exempt.contains(w))
            continue;
        const auto siblings = w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* s : siblings) {
            if (s <= w || !s->isVisibleTo(window) || !is_control(s) || options.exempt.contains(s))
                continue;
            if (w->geometry().intersects(s->geometry()))
                out << QStringLiteral("%1 overlaps %2").arg(name_of(w), name_of(s));
        }
    }
    return out;
}

DesktopLook::DesktopLook(double point_size, bool dark)
    : old_font_(QApplication::font()), old_palette_(QApplication::palette())
{
    if (point_size > 0) {
        QFont f = old_font_;
        f.setPointSizeF(point_size);
        QApplication::setFont(f);
    }
    QApplication::setPalette(dark ? dark_palette() : QApplication::style()->standardPalette());
}

DesktopLook::~DesktopLook()
{
    QApplication::setFont(old_font_);
    QApplication::setPalette(old_palette_);
}

QPalette DesktopLook::dark_palette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    p.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x33));
    p.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    p.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::ToolTipBase, QColor(0x3a, 0x3a, 0x3a));
    p.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    p.setColor(QPalette::Midlight, QColor(0x45, 0x45, 0x45));
    p.setColor(QPalette::Mid, QColor(0x30, 0x30, 0x30));
    p.setColor(QPalette::Dark, QColor(0x20, 0x20, 0x20));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::PlaceholderText, QColor(0xaa, 0xaa, 0xaa));
    return p;
}

QStringList shortcuts_taken_twice(const QWidget* window)
{
    QStringList clashes;
    QMap<QString, QString> seen;
    for (const QAction* a : window->findChildren<QAction*>()) {
        if (a->shortcut().isEmpty())
            continue;
        const QString keys = a->shortcut().toString();
        if (seen.contains(keys))
            clashes << keys + QStringLiteral(": ") + seen.value(keys) + QStringLiteral(" and ")
                    + a->objectName();
        seen.insert(keys, a->objectName());
    }
    // Within one menu, or the menu bar, an access key opens one item only.
    std::vector<const QWidget*> menus;
    for (const QMenu* m : window->findChildren<QMenu*>())
        menus.push_back(m);
    for (const QMenuBar* b : window->findChildren<QMenuBar*>())
        menus.push_back(b);
    for (const QWidget* m : menus) {
        QMap<QChar, QString> keys;
        for (const QAction* a : m->actions()) {
            const QString text = a->text();
            const int amp = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
            if (amp < 0 || !a->isVisible())
                continue;
            const QChar key = text.at(amp + 1).toLower();
            const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
            if (keys.contains(key))
                clashes << QStringLiteral("%1: &%2: %3 and %4")
                               .arg(m->objectName(), key, keys.value(key), name);
            keys.insert(key, name);
        }
    }
    return clashes;
}

} // namespace testsupport
