#include "station/theme.h"

namespace station {

void Theme::setColor(Target t, const core::Rgb& c)
{
    if (colors_[size_t(t)] == c)
        return;
    colors_[size_t(t)] = c;
    emit changed(t);
}

} // namespace station
