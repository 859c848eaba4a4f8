#include "shell/app_icon.h"

namespace shell {

QIcon app_icon(int largest)
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/pigmentor-%1.png").arg(size), QSize(size, size));
        if (size >= largest)
            break; // the first size that covers the largest asked for is the last
    }
    return icon;
}

} // namespace shell
