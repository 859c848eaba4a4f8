#include "editor/contrast_info.h"

#include "core/wcag.h"

#include <QFontMetrics>

namespace editor {

namespace {

QString part(const char* against, int hundredths, bool marks)
{
    const bool pass = core::passes(hundredths, core::Use::NormalText, core::Level::AA);
    const QString ratio = QString::fromLatin1(core::ratio_text(hundredths).c_str());
    if (marks)
        return QStringLiteral("%1 %2 AA %3")
            .arg(QString::fromLatin1(against), ratio,
                pass ? QStringLiteral("\u2713") : QStringLiteral("\u2717"));
    return QStringLiteral("%1 %2, AA %3")
        .arg(QString::fromLatin1(against), ratio,
            pass ? QStringLiteral("pass") : QStringLiteral("fail"));
}

QString line(int on_white, int on_black)
{
    return part("On white", on_white, true) + QStringLiteral(" \u00b7 ")
        + part("on black", on_black, true);
}

} // namespace

ContrastInfo::ContrastInfo(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("contrastInfo"));
    setAccessibleName(QStringLiteral("Contrast"));
    setToolTip(QStringLiteral("WCAG contrast of the colour as text on white and on black; "
                              "AA for normal text needs 4.5:1"));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    show_color({0, 0, 0});
}

QSize ContrastInfo::reserved(QSize hint) const
{
    if (widest_width_ < 0 || font() != measured_font_) {
        measured_font_ = font();
        widest_width_ = widest_line_width(fontMetrics());
    }
    // The same width for every colour (a few pixels spare for the rounding of the glyphs).
    const QMargins m = contentsMargins();
    hint.setWidth(widest_width_ + m.left() + m.right() + 2 * margin() + 4);
    return hint;
}

int ContrastInfo::widest_line_width(const QFontMetrics& metrics)
{
    // The widest digit in every place of two five-character ratios, and the wider mark.
    QChar widest_digit = u'0';
    for (char16_t d = u'1'; d <= u'9'; ++d) {
        if (metrics.horizontalAdvance(QChar(d)) > metrics.horizontalAdvance(widest_digit))
            widest_digit = QChar(d);
    }
    QString widest = line(1111, 1111); // "11.11:1": two digits before the point, as 21.00
    const QString w(widest_digit);
    widest.replace(QStringLiteral("11.11"), w + w + QLatin1Char('.') + w + w);
    const QChar pass(u'\u2713'), fail(u'\u2717');
    const QChar wider_mark
        = metrics.horizontalAdvance(pass) >= metrics.horizontalAdvance(fail) ? pass : fail;
    widest.replace(pass, wider_mark).replace(fail, wider_mark);
    return metrics.horizontalAdvance(widest);
}

QSize ContrastInfo::sizeHint() const
{
    return reserved(QLabel::sizeHint());
}

QSize ContrastInfo::minimumSizeHint() const
{
    return reserved(QLabel::minimumSizeHint());
}

void ContrastInfo::show_color(const core::Rgb& c)
{
    const int on_white = core::shown_hundredths(c, {255, 255, 255});
    const int on_black = core::shown_hundredths(c, {0, 0, 0});
    if (on_white == on_white_ && on_black == on_black_)
        return;
    on_white_ = on_white;
    on_black_ = on_black;
    setText(line(on_white, on_black));
    setAccessibleDescription(part("On white", on_white, false) + QStringLiteral("; ")
        + part("on black", on_black, false));
}

} // namespace editor
