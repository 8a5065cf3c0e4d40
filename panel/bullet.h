#pragma once

#include <QtGui/QPixmap>

namespace ZebVendorContact {

/*!
 * The mark beside each required entry: a 12 by 12 pixel dark red disc
 * (RGB 128, 0, 0) with a right-pointing arrow cut out of it, transparent
 * around the disc and inside the arrow. Drawn by code at the given device
 * pixel ratio, so it stays sharp on high-density screens.
 */
QPixmap bulletPixmap(qreal devicePixelRatio = 1.0);

} // namespace ZebVendorContact
