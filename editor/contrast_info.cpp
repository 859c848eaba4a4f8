#include "editor/contrast_info.h"

#include "core/wcag.h"

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

} // namespace

ContrastInfo::ContrastInfo(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("contrastInfo"));
    setAccessibleName(QStringLiteral("Contrast"));
    setToolTip(QStringLiteral("WCAG contrast of the colour as text on white and on black; "
                              "AA for normal text needs 4.5:1"));
    show_color({0, 0, 0});
}

void ContrastInfo::show_color(const core::Rgb& c)
{
    const int on_white = core::shown_hundredths(c, {255, 255, 255});
    const int on_black = core::shown_hundredths(c, {0, 0, 0});
    if (on_white == on_white_ && on_black == on_black_)
        return;
    on_white_ = on_white;
    on_black_ = on_black;
    setText(part("On white", on_white, true) + QStringLiteral(" \u00b7 ")
        + part("on black", on_black, true));
    setAccessibleDescription(part("On white", on_white, false) + QStringLiteral("; ")
        + part("on black", on_black, false));
}

} // namespace editor
