// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGui/QPixmap>

namespace ZebVendorContact {

/*!
 * The mark beside each required entry: a 12 by 12 pixel dark red disc
 * (RGB 128, 0, 0) with a right-pointing arrow cut out of it, transparent
 * around the disc and inside the arrow. Drawn by code at the given device
 * pixel ratio, so it stays sharp on high-density screens.
 *
 * The red is taken lighter where the dark red would not stand out from the
 * `background` it is drawn on (a dark or high-contrast palette): just light
 * enough for a contrast of 3:1, the least a meaningful graphic needs.
 */
QPixmap bulletPixmap(qreal devicePixelRatio = 1.0, const QColor &background = Qt::white);

/// The contrast ratio of two colours, from 1 (none) to 21 (black on white).
qreal contrastRatio(const QColor &a, const QColor &b);

} // namespace ZebVendorContact
