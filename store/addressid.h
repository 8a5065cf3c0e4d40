// SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtCore/QStringView>

namespace ZebVendorContact {

/*!
 * True when `addressId` is the plain decimal text of a number, that is, the
 * text a number reads back as: an optional minus sign, a whole part without
 * leading zeros ("0" itself allowed), and optionally a decimal point followed
 * by digits that do not end in 0. "1234", "0", "-7" and "12.5" are plain;
 * "0012", "1 234", "+5", "-0", "12.50", "1e3", "000-N" and "" are not.
 *
 * Addresses that came from the host carry such ids; the panel offers to
 * delete only addresses whose id is not plain, which in practice are those
 * added in the panel ("000-N", ...).
 */
bool isPlainNumberId(QStringView addressId);

} // namespace ZebVendorContact
