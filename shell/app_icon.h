#pragma once

#include <QIcon>

namespace shell {

// The program's icon: the files under data/icons, the same ones the desktop's icon theme
// gets, at every size they come in, so that the window system picks the one that fits the
// device pixel ratio instead of scaling a small one up.
// `largest` limits the sizes to those up to the first that reaches it: the window system
// receives every size of a window's icon, decoded, when the window is first shown, which
// for the 128 and 256 px files costs more than the rest of the window.
QIcon app_icon(int largest = 256);

} // namespace shell
