#include "platform/shell/AppIcon.h"

#include <QPixmap>

namespace abacor {

QIcon AppIcon()
{
    QIcon icon;
    for (const AppIconPng& png : AppIconPngs()) {
        QPixmap pixmap;
        if (pixmap.loadFromData(png.data, static_cast<uint>(png.size), "PNG"))
            icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace abacor
