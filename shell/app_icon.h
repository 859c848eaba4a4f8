#pragma once

#include <QIcon>

namespace shell {

// The program's icon, drawn at the usual sizes: four Safe Palette swatches.
QIcon app_icon();

} // namespace shell
