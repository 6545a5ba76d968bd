#include "ui/glyph.h"

#include <QBitmap>
#include <QImage>
#include <QPixmap>

namespace brenvik {

QIcon glyphIcon(const QString& resource)
{
    const QImage image(resource);
    QPixmap pixmap = QPixmap::fromImage(image);
    if (!image.isNull()) {
        const QRgb transparent = image.pixel(0, image.height() - 1);
        pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(transparent, Qt::MaskInColor)));
    }
    return QIcon(pixmap);
}

}  // namespace brenvik
