#include "shell/app_icon.h"

#include <QImageReader>
#include <QPixmap>

#include <iterator>

namespace shell {

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
    for (int size : chosen) {
        // Read as PNG outright: left to guess the format, Qt's reader would first load
        // every installed image plugin to ask each whether it reads the file.
        QImageReader reader(QStringLiteral(":/icons/pigmentor-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace shell
