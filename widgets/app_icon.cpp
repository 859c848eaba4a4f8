#include "widgets/app_icon.h"

#include <iterator>

namespace widgets {

QIcon app_icon(const QList<int>& pixel_sizes)
{
    static const int kFiles[] = {16, 22, 24, 32, 48, 64, 128, 256};
    QList<int> chosen;
    for (int pixels : pixel_sizes) {
        int file = kFiles[std::size(kFiles) - 1];
        for (int size : kFiles) {
            if (size >= pixels) {
                file = size;
                break;
            }
        }
        if (!chosen.contains(file))
            chosen.append(file);
    }
    QIcon icon;
    for (int size : chosen)
        icon.addFile(QStringLiteral(":/icons/pigmentor-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace widgets
