// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#include "bullet.h"

#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPolygonF>

#include <cmath>

namespace ZebVendorContact {

namespace {

qreal relativeLuminance(const QColor &colour)
{
    auto linear = [](qreal channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

QColor discColour(const QColor &background)
{
    constexpr qreal Wanted = 3.0;
    QColor colour(128, 0, 0);
    // Lightness in steps, hue kept: still a red mark, only brighter.
    while (contrastRatio(colour, background) < Wanted && colour.lightness() < 250)
        colour = QColor::fromHsl(colour.hslHue(), colour.hslSaturation(), qMin(255, colour.lightness() + 8));
    return colour;
}

} // namespace

qreal contrastRatio(const QColor &a, const QColor &b)
{
    const qreal first = relativeLuminance(a) + 0.05;
    const qreal second = relativeLuminance(b) + 0.05;
    return first > second ? first / second : second / first;
}

QPixmap bulletPixmap(qreal devicePixelRatio, const QColor &background)
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
        painter.setBrush(discColour(background));
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
