#pragma once

// The main window's contrast line: the current colour's WCAG ratio against white and
// against black, with the AA verdict for normal text, read-only.

#include "core/color.h"

#include <QLabel>

namespace editor {

class ContrastInfo : public QLabel {
public:
    explicit ContrastInfo(QWidget* parent = nullptr);
    // Shows the ratios of a colour; does nothing when they are the ones on show.
    void show_color(const core::Rgb& c);

    // As wide as the widest line any colour gives, so that the window keeps its size
    // while the colour changes.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QSize reserved(QSize hint) const;
    static int widest_line_width(const QFontMetrics& metrics);
    // The widest line's width, measured once for each font.
    mutable QFont measured_font_;
    mutable int widest_width_ = -1;

    int on_white_ = -1;
    int on_black_ = -1;
};

} // namespace editor
