#pragma once

#include <QIcon>

namespace shell {

// The program's icon: the files under data/icons, the same ones the desktop's icon theme
// gets, at every size they come in, so that the window system picks the one that fits the
// device pixel ratio instead of scaling a small one up.
QIcon app_icon();

} // namespace shell
