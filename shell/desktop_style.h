#pragma once

#include <QProxyStyle>

namespace shell {

// The desktop's style (or the one named by -style or QT_STYLE_OVERRIDE), with one change:
// the icon of the menu bar's overflow button is read when the button is first drawn, not
// when the menu bar is built. The button shows only when the menus do not fit, and Qt's
// own styles read that icon from PNG files without naming their format, so Qt's image
// reader loads every installed image plugin (GIF, ICO, JPEG, ...) to ask whether it
// reads them: a cost at every start for a button that is rarely drawn.
class DesktopStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
};

} // namespace shell
