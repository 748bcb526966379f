#include "platform/shell/AppIcon.h"

#include <QImage>
#include <QPixmap>

namespace abacor {

QIcon AppIcon()
{
    QIcon icon;
    for (const AppIconImage& image : AppIconImages()) {
        const QImage pixels(reinterpret_cast<const uchar*>(image.pixels), image.size, image.size,
                            QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(pixels));
    }
    return icon;
}

}  // namespace abacor
