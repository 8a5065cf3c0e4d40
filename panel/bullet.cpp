#include "bullet.h"

#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPolygonF>

namespace ZebVendorContact {

QPixmap bulletPixmap(qreal devicePixelRatio)
{
    constexpr int Size = 12;
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;

    QImage image(qRound(Size * ratio), qRound(Size * ratio), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.scale(ratio, ratio);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(128, 0, 0));
        painter.drawEllipse(QRectF(0, 0, Size, Size));

        // The arrow: a short shaft and a head pointing right, punched out.
        const QPolygonF arrow({
            { 2.5, 4.5 },
            { 5.5, 4.5 },
            { 5.5, 2.5 },
            { 9.5, 6.0 },
            { 5.5, 9.5 },
            { 5.5, 7.5 },
            { 2.5, 7.5 },
        });
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.setBrush(Qt::black);
        painter.drawPolygon(arrow);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace ZebVendorContact
