#include "shell/app_icon.h"

namespace shell {

QIcon app_icon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/pigmentor-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace shell
