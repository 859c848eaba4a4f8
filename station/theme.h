#pragma once

#include "core/color.h"
#include "station/target.h"

#include <QObject>

#include <array>

namespace station {

// The station's colours: the sample's background, object and text, and the target the
// editing controls work on. A new theme is a white background with a black object and
// black text, the background selected. The sample draws what changed() tells.
class Theme : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    core::Rgb color(Target t) const { return colors_[size_t(t)]; }
    void setColor(Target t, const core::Rgb& c);

    // The target follows the option buttons, which are its controls.
    Target target() const { return target_; }
    void setTarget(Target t) { target_ = t; }

signals:
    void changed(station::Target t);

private:
    std::array<core::Rgb, 3> colors_ {core::Rgb {255, 255, 255}, core::Rgb {0, 0, 0},
        core::Rgb {0, 0, 0}};
    Target target_ = Background;
};

} // namespace station
